// Timings of the record-file layer and the year-to-date rebuild on a large folder:
// 255 employees with ten years of weekly paychecks each (about 130,000 pay records).

#include "BenchSupport.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Posting.h"
#include "Records.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using bench::Employees;
constexpr int WeeksPerEmployee = bench::TenYearsOfWeeks;

void BM_MakeYTDs(benchmark::State& state) {
    bench::UseTenYearFolder();
    for (auto _ : state)
        MakeYTDs(QDate(2026, 6, 15));
    state.SetItemsProcessed(state.iterations() * Employees * WeeksPerEmployee);
}
BENCHMARK(BM_MakeYTDs)->Unit(benchmark::kMillisecond);

void BM_RecordCount(benchmark::State& state) {
    bench::UseTenYearFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordCount(u"/Employees/1128/PayRecords.txt", PayRecord::Length));
}
BENCHMARK(BM_RecordCount)->Unit(benchmark::kMicrosecond);

void BM_ReadPayRecordsOneByOne(benchmark::State& state) {
    bench::UseTenYearFolder();
    for (auto _ : state) {
        RandomFile file = OpenRandomFile(u"/Employees/1128/PayRecords.txt", PayRecord::Length);
        const int count = file.count();
        for (int n = 1; n <= count; ++n)
            benchmark::DoNotOptimize(file.get<PayRecord>(n));
    }
    state.SetItemsProcessed(state.iterations() * WeeksPerEmployee);
}
BENCHMARK(BM_ReadPayRecordsOneByOne)->Unit(benchmark::kMicrosecond);

void BM_LoadAndSaveEmployee(benchmark::State& state) {
    bench::UseTenYearFolder();
    int r = 0;
    for (auto _ : state) {
        r = r % Employees + 1;
        LoadEmployee(r);
        SaveEmployee(r);
    }
}
BENCHMARK(BM_LoadAndSaveEmployee)->Unit(benchmark::kMicrosecond);

} // namespace
