// Timings of the record-file layer and the year-to-date rebuild on a large folder:
// 255 employees with ten years of weekly paychecks each (about 130,000 pay records).

#include "DataFiles.h"
#include "Dates.h"
#include "Posting.h"
#include "Records.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Employees = 255;
constexpr int WeeksPerEmployee = 520;

EmployeeRecord employee(int recordNumber) {
    EmployeeRecord e;
    e.Name = QStringLiteral("Employee %1").arg(recordNumber);
    e.EmployeeNo = QString::number(1000 + recordNumber);
    e.PayStatus = QStringLiteral("Hourly");
    e.PayRate = QStringLiteral("$18.50");
    return e;
}

QByteArray payHistory(const EmployeeRecord& e) {
    QByteArray bytes;
    bytes.reserve(WeeksPerEmployee * PayRecord::Length);
    PayRecord p;
    p.EmployeeName = e.Name;
    p.EmployeeNo = e.EmployeeNo;
    p.Hours = QStringLiteral("40");
    const QDate first(2016, 12, 30);
    for (int week = 0; week < WeeksPerEmployee; ++week) {
        p.PayDate = OleDateOf(first.addDays(7 * week));
        p.Gross = Money::fromCents(74000 + week);
        p.FederalTax = Money::fromCents(6200);
        p.Fica = Money::fromCents(4588);
        p.Medicare = Money::fromCents(1073);
        p.Deduction401k = Money::fromCents(2220);
        p.Match401k = Money::fromCents(1110);
        bytes += p.encode();
    }
    return bytes;
}

// The folder is built once for the whole program and made the program folder.
void useBenchFolder() {
    static QTemporaryDir dir;
    static bool built = false;
    SetProgramFolder(dir.path());
    if (built) return;
    QByteArray employees;
    for (int r = 1; r <= Employees; ++r) {
        const EmployeeRecord e = employee(r);
        employees += e.encode();
        QDir().mkpath(DataPath(QStringLiteral("/Employees/") + e.EmployeeNo));
        WriteWholeFile(QStringLiteral("/Employees/") + e.EmployeeNo + QStringLiteral("/PayRecords.txt"),
                       payHistory(e));
    }
    WriteWholeFile(u"/Employees.txt", employees);
    built = true;
}

void BM_MakeYTDs(benchmark::State& state) {
    useBenchFolder();
    for (auto _ : state)
        MakeYTDs(QDate(2026, 6, 15));
    state.SetItemsProcessed(state.iterations() * Employees * WeeksPerEmployee);
}
BENCHMARK(BM_MakeYTDs)->Unit(benchmark::kMillisecond);

void BM_RecordCount(benchmark::State& state) {
    useBenchFolder();
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordCount(u"/Employees/1128/PayRecords.txt", PayRecord::Length));
}
BENCHMARK(BM_RecordCount)->Unit(benchmark::kMicrosecond);

void BM_ReadPayRecordsOneByOne(benchmark::State& state) {
    useBenchFolder();
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
    useBenchFolder();
    int r = 0;
    for (auto _ : state) {
        r = r % Employees + 1;
        LoadEmployee(r);
        SaveEmployee(r);
    }
}
BENCHMARK(BM_LoadAndSaveEmployee)->Unit(benchmark::kMicrosecond);

} // namespace
