// The year-end program on a large folder: 255 employees with ten years of weekly
// paychecks and a payroll run for every week. Targets: offloading one year under 1 s,
// restoring it under 1 s, the W-2 grid of a year (with its year-to-date rebuild) under
// 100 ms.

#include "BenchSupport.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Screen.h"
#include "YearOffload.h"
#include "frmMain.h"

#include <QComboBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString Year = QStringLiteral("2021");

// A folder of its own: offloading and restoring change the order of the records.
void UseYearEndFolder() {
    static QTemporaryDir dir;
    static bool built = false;
    SetProgramFolder(dir.path());
    if (built) return;
    std::vector<EmployeeRecord> employees;
    for (int r = 1; r <= bench::Employees; ++r)
        employees.push_back(bench::Employee(r));
    const QDate firstPayDay(2016, 12, 30);
    bench::WriteEmployees(employees, firstPayDay, bench::TenYearsOfWeeks);
    QByteArray summaries;
    SummaryRecord run;
    for (int week = 0; week < bench::TenYearsOfWeeks; ++week) {
        run.PayDate = OleDateOf(firstPayDay.addDays(7 * week));
        run.TotalWages = Money::fromCents(bench::Employees * 74000LL);
        summaries += run.encode();
    }
    MakeFolder(u"/Backup");
    WriteWholeFile(SummaryRecordsFile, summaries);
    WriteWholeFile(TaxVariablesFile, "\"6.20%\",\"1.45%\",\"3.00%\",\"0.00%\",\"0.60%\",\"2.70%\",\"$128,400.00\","
                                     "\"None\",\"None\",\"$7,000.00\",\"$12,000.00\",\"12-3456789\",0,0\r\n");
    built = true;
}

void BM_OffloadYear(benchmark::State& state) {
    UseYearEndFolder();
    for (auto _ : state) {
        yearend::OffloadYear(Year, bench::Employees);
        state.PauseTiming();
        yearend::RestoreYear(Year, bench::Employees);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OffloadYear)->Unit(benchmark::kMillisecond);

void BM_RestoreYear(benchmark::State& state) {
    UseYearEndFolder();
    for (auto _ : state) {
        state.PauseTiming();
        yearend::OffloadYear(Year, bench::Employees);
        state.ResumeTiming();
        yearend::RestoreYear(Year, bench::Employees);
    }
}
BENCHMARK(BM_RestoreYear)->Unit(benchmark::kMillisecond);

void BM_LoadW2Grid(benchmark::State& state) {
    bench::EnsureApplication();
    UseYearEndFolder();
    yearend::frmMain& screen = Form<yearend::frmMain>();
    screen.cboYear->setCurrentText(Year);
    for (auto _ : state)
        benchmark::DoNotOptimize(screen.LoadW2Grid());
    screen.Unload();
}
BENCHMARK(BM_LoadW2Grid)->Unit(benchmark::kMillisecond);

} // namespace
