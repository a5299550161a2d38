// Timing of the pay calculation for the largest run: 255 marked employees (hourly with
// overtime and salaried, with 401k, deductions and state brackets). Target: under 50 ms.

#include "BenchSupport.h"
#include "DataFiles.h"
#include "Globals.h"
#include "PayEngine.h"
#include "Records.h"
#include "Screen.h"
#include "frmPayroll.h"
#include "frmTables.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>


namespace {

using bench::Employees;

EmployeeRecord Employee(int n) {
    EmployeeRecord e = bench::Employee(n);
    e.Dependents = QString::number(n % 4);
    e.MaritalStatus = n % 2;
    e.PayFrequency = n % 3;
    e.Percent401k = static_cast<float>(n % 6);
    e.ChildSupportPerPay = n % 7 == 0 ? Money::fromCents(2500) : Money();
    e.InsurancePerPay = Money::fromCents(1500);
    e.YTDGross = Money::fromDollars(n * 40);
    const bool hourly = n % 3 != 0;
    e.PayStatus = hourly ? QStringLiteral("Hourly") : QStringLiteral("Salary");
    e.PayRate = hourly ? QStringLiteral("$18.75") : QStringLiteral("$1,250.00");
    return e;
}

void UseBenchFolder() {
    static QTemporaryDir dir;
    static bool built = false;
    SetProgramFolder(dir.path());
    if (built) return;
    QByteArray bytes;
    for (int n = 1; n <= Employees; ++n)
        bytes += Employee(n).encode();
    WriteWholeFile(u"/Employees.txt", bytes);
    built = true;
}

TaxSettings Settings() {
    TaxSettings s;
    s.Tables = {QStringLiteral("6.20%"),       QStringLiteral("1.45%"),    QStringLiteral("5.00%"),
                QStringLiteral("1.00%"),       QStringLiteral("0.60%"),    QStringLiteral("2.70%"),
                QStringLiteral("$184,500.00"), QStringLiteral("Table"),    QStringLiteral("None"),
                QStringLiteral("$7,000.00"),   QStringLiteral("$7,000.00")};
    s.LocalFlat = true;
    s.TaxTable.assign(17, std::vector<QString>(15));
    s.Percentage.assign(17, std::vector<QString>(15));
    for (int row = 1; row <= 16; ++row)
        for (int b = 0; b < 7; ++b) {
            const auto r = static_cast<std::size_t>(row);
            const auto c = static_cast<std::size_t>(2 * b + 1);
            s.TaxTable[r][c] = CurrencyText(Money::fromDollars(150 * b * b + 100));
            s.TaxTable[r][c + 1] = CurrencyText(Money::fromDollars(150 * (b + 1) * (b + 1) + 100));
            s.Percentage[r][c] = CurrencyText(Money::fromDollars(20 * b * b));
            s.Percentage[r][c + 1] = QStringLiteral("%1.0%").arg(10 + 4 * b);
        }
    for (std::size_t k = 1; k <= 8; ++k)
        s.Allowance[k] = Money::fromCents(8270 * static_cast<std::int64_t>(k));
    s.Match401k = true;
    s.MatchingPercent = QStringLiteral("3");
    s.StateIndex = 1;
    s.StateTable = {
        {},
        {QStringLiteral("Single"), QStringLiteral("2.00%"), QStringLiteral("$0.00"), QStringLiteral("4.00%"),
         QStringLiteral("$500.00"), QStringLiteral("5.00%"), QStringLiteral("$3,000.00")},
        {QStringLiteral("Married"), QStringLiteral("2.00%"), QStringLiteral("$0.00"), QStringLiteral("4.00%"),
         QStringLiteral("$1,000.00"), QStringLiteral("5.00%"), QStringLiteral("$6,000.00")}};
    return s;
}

// The engine alone over the rows of a run as the screen loads them.
void BM_CalculatePayRun(benchmark::State& state) {
    bench::EnsureApplication();
    UseBenchFolder();
    PayRun run;
    run.ResetRows(Employees);
    for (int n = 1; n <= Employees; ++n) {
        const EmployeeRecord e = Employee(n);
        PayRow& row = run.Row(n);
        row.Marked = true;
        row.Number = e.EmployeeNo;
        row.Hours = e.PayStatus == u"Hourly" ? QStringLiteral("45.5") : SalaryWord;
        row.ChildSupport = e.ChildSupportPerPay;
        row.SupportFee = e.SupportFeePerPay;
        row.Insurance = e.InsurancePerPay;
        row.Percent401k = PercentOf401k(e.Percent401k);
    }
    const TaxSettings settings = Settings();
    const PayQuestions questions{[](const QString&, const QString&) { return std::optional<QString>(); },
                                 [](const QString&, const QString&) {}};
    for (auto _ : state) {
        run.Totals = RunTotals{};
        PayEngine engine(run, settings, questions);
        engine.CalculatePayroll();
        engine.TotalDeductions();
        benchmark::DoNotOptimize(run.Totals.Gross);
    }
}
BENCHMARK(BM_CalculatePayRun)->Unit(benchmark::kMillisecond);

// "Calculate Taxes" on the screen: the store's texts are read, then the run is calculated.
void BM_CalculateTaxesOnScreen(benchmark::State& state) {
    bench::EnsureApplication();
    UseBenchFolder();
    const TaxSettings settings = Settings();
    frmTables& tables = Form<frmTables>();
    for (std::size_t i = 0; i < settings.Tables.size(); ++i)
        tables.TxtTables[i]->setText(settings.Tables[i]);
    frmPayroll& screen = Form<frmPayroll>();
    screen.LoadEmployees();
    screen.cmdPayroll_Click(PayrollButton::PayHourly); // every hourly employee
    screen.cmdPayroll_Click(PayrollButton::PaySalaried); // every salaried one
    for (auto _ : state) {
        screen.cmdPayroll_Click(PayrollButton::CalculateTaxes);
        benchmark::DoNotOptimize(screen.Totals.Gross);
    }
    UnloadAllScreens();
}
BENCHMARK(BM_CalculateTaxesOnScreen)->Unit(benchmark::kMillisecond);

} // namespace
