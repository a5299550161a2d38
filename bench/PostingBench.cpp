// Timing of the posting of the largest run: 255 paid employees, each with half a year of
// weekly pay records already on file: pay records appended, the run added to the totals,
// the totals rebuilt from every pay record, the checks staged and appended to the
// register. Target: under 300 ms.

#include "BenchSupport.h"
#include "DataFiles.h"
#include "Dates.h"
#include "PayRun.h"
#include "Globals.h"
#include "PayEngine.h"
#include "Posting.h"
#include "Records.h"
#include "Register.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>


namespace {

constexpr int Paid = 255;
constexpr int EarlierPays = 26;

EmployeeRecord Employee(int n) { return bench::Employee(n, QStringLiteral("$18.75")); }

PayRecord Earlier(int n, int week) {
    PayRecord p;
    p.PayDate = OleDateOf(QDate(2026, 1, 2).addDays(7 * week));
    p.EmployeeName = Employee(n).Name;
    p.EmployeeNo = Employee(n).EmployeeNo;
    p.Hours = QStringLiteral("40");
    p.Gross = Money::fromCents(75000);
    p.FederalTax = Money::fromCents(6000);
    p.Fica = Money::fromCents(4650);
    p.Insurance = Money::fromCents(1500);
    return p;
}

// The program folder as it stands before the run is posted.
void ResetFolder(const QString& folder) {
    SetProgramFolder(folder);
    QByteArray employees;
    for (int n = 1; n <= Paid; ++n)
        employees += Employee(n).encode();
    WriteWholeFile(u"/Employees.txt", employees);
    MakeFolder(u"/Employees");
    for (int n = 1; n <= Paid; ++n) {
        const QString number = QString::number(1000 + n);
        MakeFolder(QStringLiteral("/Employees/") + number);
        QByteArray history;
        for (int week = 0; week < EarlierPays; ++week)
            history += Earlier(n, week).encode();
        WriteWholeFile(QStringLiteral("/Employees/") + number + QStringLiteral("/PayRecords.txt"), history);
    }
    DeleteDataFile(PayrollRegisterFile);
    DeleteDataFile(TempRegisterFile);
}

void BM_PostRun(benchmark::State& state) {
    bench::EnsureApplication();
    static QTemporaryDir dir;
    PayRun run;
    run.ResetRows(Paid);
    for (int n = 1; n <= Paid; ++n) {
        PayRow& row = run.Row(n);
        row.Marked = true;
        row.Name = Employee(n).Name;
        row.Number = Employee(n).EmployeeNo;
        row.Hours = QStringLiteral("45.5");
        for (int c = PayCol::FirstTax; c <= PayCol::LastTax; ++c)
            row.Tax(c) = Money::fromCents(1000 + 10 * c + n);
        for (auto [c, field] : {std::pair{AuxCol::ChildSupport, &PayRow::ChildSupport},
                                {AuxCol::SupportFee, &PayRow::SupportFee},
                                {AuxCol::Deduction401k, &PayRow::Deduction401k},
                                {AuxCol::Match401k, &PayRow::Match401k}, {AuxCol::Insurance, &PayRow::Insurance}})
            row.*field = Money::fromCents(500 + c);
        row.Gross = Money::fromRaw(9140625);
        row.NetPay = Money::fromRaw(6890625);
    }
    const double checkDate = OleDateOf(QDate(2026, 7, 3));
    for (auto _ : state) {
        state.PauseTiming();
        ResetFolder(dir.path());
        state.ResumeTiming();

        RunPosting posting;
        posting.payRecords = PayRecordsOfRun(run, checkDate);
        posting.checkDate = QDate(2026, 7, 3);
        posting.checks = RegisterEntriesOfRun(run, 1001, QDate(2026, 7, 3));
        posting.PostPayRecordsAndTotals();
        BuildRegisterRecords(posting.checks.entries);
        AppendRegister(PayrollRegisterFile, posting.registerAppended);
        benchmark::DoNotOptimize(posting.registerAppended);
    }
    SetProgramFolder({});
}
BENCHMARK(BM_PostRun)->Unit(benchmark::kMillisecond);

} // namespace
