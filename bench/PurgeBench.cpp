// Timing of the purge of a payroll made in error over the largest folder: 255 employees,
// each with ten years of weekly pay records; the summary file and every pay history are
// rewritten and the year-to-date totals brought up to date. Target: under 500 ms.

#include "BenchSupport.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Purge.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Weeks = bench::TenYearsOfWeeks;
const QDate FirstPayDay(2016, 12, 30);

void BM_PurgeDatedPayroll(benchmark::State& state) {
    bench::EnsureApplication();
    static QTemporaryDir dir;
    SetProgramFolder(dir.path());
    std::vector<EmployeeRecord> employees;
    for (int n = 1; n <= bench::Employees; ++n)
        employees.push_back(bench::Employee(n));
    bench::WriteEmployees(employees, FirstPayDay, Weeks);
    QByteArray runs;
    for (int week = 0; week < Weeks; ++week) {
        SummaryRecord run;
        run.PayDate = OleDateOf(FirstPayDay.addDays(7 * week));
        runs += run.encode();
    }
    WriteWholeFile(SummaryRecordsFile, runs);

    // Each pass purges another week, so that every pass takes a record out of every file.
    int week = Weeks;
    for (auto _ : state) {
        const DatedPurge purged = PurgeDatedPayroll(FirstPayDay.addDays(7 * --week));
        benchmark::DoNotOptimize(purged.paychecks);
    }
    SetProgramFolder({});
}
BENCHMARK(BM_PurgeDatedPayroll)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
