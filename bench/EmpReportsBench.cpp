// The employee report for every employee over one year, on a folder of 255 employees
// with ten years of weekly paychecks each: gathering the paychecks alone, and the
// screen's whole "Create Report" with the grid filled. Target: under 200 ms, the first
// press of a run as well: BM_FirstCreateReport times that one, so run it in a process of
// its own (--benchmark_filter=FirstCreateReport), before anything else has warmed fonts,
// files or grids.

#include "BenchSupport.h"
#include "DataFiles.h"
#include "Dates.h"
#include "EmployeeHistory.h"
#include "FlexGrid.h"
#include "Screen.h"
#include "frmEmpReports.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

using bench::Employees;
const QDate YearStart(2025, 1, 1);
const QDate YearEnd(2025, 12, 31);

// The screen with every employee chosen for the year.
frmEmpReports& OpenYearReport() {
    bench::EnsureApplication();
    bench::UseTenYearFolder();
    frmEmpReports& screen = ShowScreen<frmEmpReports>();
    screen.cmdEmplloyee[6]->click();
    screen.DTStart->setDate(YearStart);
    screen.DTEnd->setDate(YearEnd);
    return screen;
}

void CloseReport(benchmark::State& state, frmEmpReports& screen) {
    state.counters["rows"] = screen.fgReport->rows();
    UnloadAllScreens();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_GatherEveryEmployeesYear(benchmark::State& state) {
    bench::UseTenYearFolder();
    std::size_t paychecks = 0;
    for (auto _ : state) {
        paychecks = 0;
        for (int r = 1; r <= Employees; ++r)
            paychecks += GatherPayHistory(r, YearStart, YearEnd).value().Paychecks.size();
    }
    state.counters["paychecks"] = static_cast<double>(paychecks);
}
BENCHMARK(BM_GatherEveryEmployeesYear)->Unit(benchmark::kMillisecond);

void BM_EmployeeReportOfEveryEmployeeForAYear(benchmark::State& state) {
    frmEmpReports& screen = OpenYearReport();
    for (auto _ : state)
        screen.cmdEmplloyee[1]->click();
    CloseReport(state, screen);
}
BENCHMARK(BM_EmployeeReportOfEveryEmployeeForAYear)->Unit(benchmark::kMillisecond);

void BM_FirstCreateReport(benchmark::State& state) {
    frmEmpReports& screen = OpenYearReport();
    // The screen as the user sees it before the press.
    QCoreApplication::processEvents();
    for (auto _ : state) {
        screen.cmdEmplloyee[1]->click();
        // Until the report is on the screen.
        QCoreApplication::processEvents();
    }
    CloseReport(state, screen);
}
BENCHMARK(BM_FirstCreateReport)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
