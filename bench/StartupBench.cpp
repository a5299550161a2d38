// Start-up of the main program on a large folder: 255 employees with ten years of
// weekly paychecks each and a payroll run for every week, with the shipped tax data.
// Measured from Main() until the main menu is up after the splash's Continue; the
// target is well under one second.

#include "BenchSupport.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Main.h"
#include "Records.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "frmSplash.h"
#include "frmStartup.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using bench::Employees;
constexpr int Weeks = 520;
const QDate FirstPayDay(2016, 6, 17);

void WriteSettingsAndSummaries() {
    WriteWholeFile(u"/MyBusinessData.txt",
                   "\"Harlan Feed & Seed\",\"14 Mill Road\",\" \",\"Macon\",\"Georgia\","
                   "\"31201\",\"478-555-0142\",\" \",\"58-1234567\"\r\n");
    WriteWholeFile(u"/PayrollInfo.txt", "#TRUE#,#FALSE#,#FALSE#\r\n");
    QByteArray summaries;
    SummaryRecord run;
    for (int week = 0; week < Weeks; ++week) {
        run.PayDate = OleDateOf(FirstPayDay.addDays(7 * week));
        run.TotalWages = Money::fromCents(Employees * 74000LL);
        summaries += run.encode();
    }
    WriteWholeFile(u"/SummaryRecords.txt", summaries);
    // The shipped tax data lie next to the programs.
    const QDir shipped(QCoreApplication::applicationDirPath());
    for (const QString& file : shipped.entryList({QStringLiteral("*.txt")}, QDir::Files))
        QFile::copy(shipped.filePath(file), DataPath(QStringLiteral("/") + file));
}

// Built once for the whole program and made the program folder.
void UseStartupFolder() {
    static QTemporaryDir dir;
    static bool built = false;
    SetProgramFolder(dir.path());
    if (built) return;
    std::vector<EmployeeRecord> employees;
    for (int r = 1; r <= Employees; ++r) {
        employees.push_back(bench::Employee(r));
        employees.back().State = QStringLiteral("GA");
    }
    bench::WriteEmployees(employees, FirstPayDay, Weeks);
    WriteSettingsAndSummaries();
    built = true;
}

void BM_StartupToMainMenu(benchmark::State& state) {
    bench::EnsureApplication();
    UseStartupFolder();
    auto* dialogs = new ScriptedDialogs;
    std::unique_ptr<DialogHandler> previousDialogs =
        SetDialogHandler(std::unique_ptr<DialogHandler>(dialogs));
    auto previousEnd = SetEndProcessHandler([](int) {});
    for (auto _ : state) {
        Main();
        Form<frmSplash>().cmdContinue->click();
        if (!Form<frmStartup>().isVisible()) state.SkipWithError("the main menu did not come up");
        state.PauseTiming();
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    // A start-up that shows a message would wait for the user: the folder is not what it should be.
    if (!dialogs->shown.empty()) state.SkipWithError(qPrintable(dialogs->shown.front().text));
    SetEndProcessHandler(previousEnd);
    SetDialogHandler(std::move(previousDialogs));
    SetExitProgramHandler({});
    ReleaseProgramLock();
}
BENCHMARK(BM_StartupToMainMenu)->Unit(benchmark::kMillisecond);

} // namespace
