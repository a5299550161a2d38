// The label program on a large folder: 5,000 customers and a statement list of 32,000
// names. Start-up (the statement names load selected), "Select All" of the customers and
// the transfer of the statement names to the customers. Targets: start-up under 1 s,
// Select All under 100 ms.

#include "BenchSupport.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "Screen.h"
#include "SiblingRecords.h"
#include "SingleInstance.h"
#include "Tessaly.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Customers = 5000;
constexpr int StatementNames = 32000;

QString CustomerName(int n) {
    return QStringLiteral("Customer %1").arg(n, 5, 10, QLatin1Char('0'));
}

// Built once for the whole program and made the program folder. Every fourth statement
// name is a customer's.
void UseLabelFolder() {
    static QTemporaryDir dir;
    static bool built = false;
    SetProgramFolder(dir.path());
    if (built) return;
    QByteArray customers;
    for (int n = 1; n <= Customers; ++n) {
        CustomerRecord c;
        c.CompanyName = CustomerName(n);
        c.Type = QStringLiteral("Business");
        c.Address = QStringLiteral("%1 Main Street").arg(n);
        c.City = QStringLiteral("Springfield");
        c.State = QStringLiteral("IL");
        c.Zip = QStringLiteral("62701");
        customers += c.encode();
    }
    WriteWholeFile(CustomerDataFile, customers);
    QByteArray names;
    for (int n = 1; n <= StatementNames; ++n)
        names += "\"" + (n % 4 == 0 ? CustomerName(n / 4) : QStringLiteral("Statement %1").arg(n)).toLatin1() + "\"\r\n";
    WriteWholeFile(StatementFile, names);
    built = true;
}

// Runs the program's start for each iteration, then the action, timed as the benchmark asks.
class TessalyRun {
public:
    TessalyRun() : dialogs_(new ScriptedDialogs) {
        bench::EnsureApplication();
        UseLabelFolder();
        previousDialogs_ = SetDialogHandler(std::unique_ptr<DialogHandler>(dialogs_));
        previousEnd_ = SetEndProcessHandler([](int) {});
    }
    ~TessalyRun() {
        SetEndProcessHandler(previousEnd_);
        SetDialogHandler(std::move(previousDialogs_));
        SetExitProgramHandler({});
    }
    static labels::frmMain& start() {
        StartTessaly();
        return Form<labels::frmMain>();
    }
    static void end() {
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReleaseProgramLock();
    }

private:
    ScriptedDialogs* dialogs_;
    std::unique_ptr<DialogHandler> previousDialogs_;
    std::function<void(int)> previousEnd_;
};

void BM_TessalyStartupWith32000StatementNames(benchmark::State& state) {
    TessalyRun run;
    for (auto _ : state) {
        labels::frmMain& screen = TessalyRun::start();
        if (screen.lstStatementNames->selectedItems().size() != StatementNames)
            state.SkipWithError("the statement names are not all selected");
        state.PauseTiming();
        TessalyRun::end();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TessalyStartupWith32000StatementNames)->Unit(benchmark::kMillisecond);

// arg 0: Select All of the customers; 1: the statement transfer (all names selected).
void BM_TessalySelection(benchmark::State& state) {
    TessalyRun run;
    labels::frmMain& screen = TessalyRun::start();
    const int button = state.range(0) == 0 ? 3 : 15;
    for (auto _ : state) {
        screen.Command1_Click(button);
        state.PauseTiming();
        screen.Command1_Click(4);
        state.ResumeTiming();
    }
    TessalyRun::end();
}
BENCHMARK(BM_TessalySelection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
