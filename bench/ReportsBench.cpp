// The payroll reports on a large folder: 255 employees with ten years of weekly
// paychecks and a payroll run for every week. Targets: a quarter's period grid under
// 20 ms, the unemployment detail (with the year-to-date rebuild of its load) under 150 ms.

#include "BenchSupport.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "ReportData.h"
#include "Screen.h"
#include "frmReports.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using bench::Employees;
constexpr int Weeks = bench::TenYearsOfWeeks;
const QDate FirstPayDay(2016, 12, 30);
const QDate QuarterStart(2025, 7, 1);
const QDate QuarterEnd(2025, 9, 30);

// The ten-year folder with a payroll run for every week and the shipped tax data.
void UseReportsFolder() {
    static bool built = false;
    bench::UseTenYearFolder();
    if (built) return;
    QByteArray summaries;
    SummaryRecord run;
    for (int week = 0; week < Weeks; ++week) {
        run.PayDate = OleDateOf(FirstPayDay.addDays(7 * week));
        run.TotalWages = Money::fromCents(Employees * 74000LL);
        run.TotalFederal = Money::fromCents(Employees * 6000LL);
        summaries += run.encode();
    }
    WriteWholeFile(SummaryRecordsFile, summaries);
    // The shipped tax data lie next to the programs.
    const QDir shipped(QCoreApplication::applicationDirPath());
    for (const QString& file : shipped.entryList({QStringLiteral("*.txt")}, QDir::Files))
        QFile::copy(shipped.filePath(file), DataPath(QStringLiteral("/") + file));
    built = true;
}

void BM_QuarterPeriodGrid(benchmark::State& state) {
    bench::EnsureApplication();
    UseReportsFolder();
    frmReports& screen = Form<frmReports>();
    screen.DTStart->setDate(QuarterStart);
    screen.DTEnd->setDate(QuarterEnd);
    for (auto _ : state)
        screen.LoadSummaryReport(3);
    screen.Unload();
}
BENCHMARK(BM_QuarterPeriodGrid)->Unit(benchmark::kMillisecond);

void BM_QuarterUnemploymentDetail(benchmark::State& state) {
    UseReportsFolder();
    const UnemploymentRates rates = UnemploymentRatesOf(QStringLiteral("0.60%"), QStringLiteral("2.70%"),
                                                        QStringLiteral("$7,000.00"), QStringLiteral("$9,500.00"));
    for (auto _ : state)
        benchmark::DoNotOptimize(GatherUnemploymentDetail(Employees, QuarterStart, QuarterEnd, rates));
}
BENCHMARK(BM_QuarterUnemploymentDetail)->Unit(benchmark::kMillisecond);

// The screen's whole load: the year's totals rebuilt for the W-2 grid, then the detail.
void BM_QuarterUnemploymentScreen(benchmark::State& state) {
    bench::EnsureApplication();
    UseReportsFolder();
    auto* dialogs = new ScriptedDialogs;
    std::unique_ptr<DialogHandler> previous = SetDialogHandler(std::unique_ptr<DialogHandler>(dialogs));
    frmReports& screen = Form<frmReports>();
    screen.DTStart->setDate(QuarterStart);
    screen.DTEnd->setDate(QuarterEnd);
    for (auto _ : state)
        screen.LoadUnemploymentDetail();
    screen.Unload();
    SetDialogHandler(std::move(previous));
}
BENCHMARK(BM_QuarterUnemploymentScreen)->Unit(benchmark::kMillisecond);

} // namespace
