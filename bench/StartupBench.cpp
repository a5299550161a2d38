// Start-up of the main program on a large folder: 255 employees with ten years of
// weekly paychecks each and a payroll run for every week, with the shipped tax data.
// Measured from Main() until the main menu is up after the splash's Continue; the
// target is well under one second.

#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Main.h"
#include "Records.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "frmSplash.h"
#include "frmStartup.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int Employees = 255;
constexpr int Weeks = 520;
const QDate FirstPayDay(2016, 6, 17);

// The screens need an application; the benchmark program has none of its own.
void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kestrova_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    QApplication::setApplicationName(ProductName);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QByteArray PayHistory(const QString& employeeNo) {
    QByteArray bytes;
    bytes.reserve(Weeks * PayRecord::Length);
    PayRecord p;
    p.EmployeeName = QStringLiteral("Employee ") + employeeNo;
    p.EmployeeNo = employeeNo;
    p.Hours = QStringLiteral("40");
    for (int week = 0; week < Weeks; ++week) {
        p.PayDate = OleDateOf(FirstPayDay.addDays(7 * week));
        p.Gross = Money::fromCents(74000 + week);
        p.FederalTax = Money::fromCents(6200);
        p.Fica = Money::fromCents(4588);
        p.Medicare = Money::fromCents(1073);
        p.StateTax = Money::fromCents(2590);
        bytes += p.encode();
    }
    return bytes;
}

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
    QByteArray employees;
    for (int r = 1; r <= Employees; ++r) {
        EmployeeRecord e;
        e.Name = QStringLiteral("Employee %1").arg(r);
        e.EmployeeNo = QString::number(1000 + r);
        e.PayStatus = QStringLiteral("Hourly");
        e.PayRate = QStringLiteral("$18.50");
        e.State = QStringLiteral("GA");
        employees += e.encode();
        QDir().mkpath(DataPath(QStringLiteral("/Employees/") + e.EmployeeNo));
        WriteWholeFile(QStringLiteral("/Employees/") + e.EmployeeNo + QStringLiteral("/PayRecords.txt"),
                       PayHistory(e.EmployeeNo));
    }
    WriteWholeFile(u"/Employees.txt", employees);
    WriteSettingsAndSummaries();
    built = true;
}

void BM_StartupToMainMenu(benchmark::State& state) {
    EnsureApplication();
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
