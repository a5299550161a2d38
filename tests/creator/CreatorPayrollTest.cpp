// The records creator's payroll creation screen: its pay rules on the shared engine, its
// editing buttons, and a run saved as pay records and one summary record.
#include "CreatorPayroll.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "HistorySheet.h"
#include "PayFiles.h"
#include "ReportData.h"
#include "TaxTables.h"
#include "../payroll/run/PayrollTestSupport.h"
#include "../payroll/run/StoreSupport.h"
#include "SafeWrite.h"
#include "TestSupport.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace payrolltest;

namespace {

EmployeeRecord Hourly(int n, const char* rate = "$10.00") {
    return Worker(n, QStringLiteral("Hal Hour"), QStringLiteral("Hourly"), QString::fromUtf8(rate));
}

// ---- The pay rules, one employee at a time ----------------------------------------------------

struct RuleCase {
    const char* name;
    EmployeeRecord employee;
    const char* hours; // the Hours cell as the user leaves it
    std::function<void(TaxSettings&)> tables;
    std::vector<std::optional<QString>> answers; // to the input boxes, in order
    std::map<int, const char*> cells;           // pay-run column -> text shown
    const char* message;                        // the one message expected, or null
    bool paid = true;
    Money futa{};
};

EmployeeRecord With(EmployeeRecord e, const std::function<void(EmployeeRecord&)>& change) {
    change(e);
    return e;
}

const EmployeeRecord Daily = Worker(1, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);

const RuleCase RuleCases[] = {
    {"overtime above forty hours", Hourly(1), "45", {}, {}, {{PayCol::Gross, "$475.00"}}, nullptr},
    {"cancelled days prompt pays one day", Daily, "Day", {}, {std::nullopt},
     {{PayCol::Gross, "$80.00"}}, "You have cancelled the Days input\r\nDays have been set to one"},
    {"empty days answer pays one day", Daily, "Day", {}, {QString()},
     {{PayCol::Gross, "$80.00"}}, "You have cancelled the Days input\r\nDays have been set to one"},
    {"days answered", Daily, "Day", {}, {QStringLiteral("3")}, {{PayCol::Gross, "$240.00"}}, nullptr},
    // The daily allowance of $16.00 counts per day worked, as in the main program's pay run:
    // $300.00 less 2 x 3 x $16.00 is taxed, not $300.00 less 2 x $16.00 ($16.80).
    {"daily allowances per day times the days",
     With(Worker(1, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$100.00"), 7),
          [](EmployeeRecord& e) { e.Dependents = QStringLiteral("2"); }),
     "Day", {}, {QStringLiteral("3")}, {{PayCol::Gross, "$300.00"}, {PayCol::Federal, "$10.40"}}, nullptr},
    {"no additional Medicare above the threshold",
     With(Hourly(1, "$50.00"), [](EmployeeRecord& e) { e.YTDGross = Money::fromDollars(199000); }), "40", {}, {},
     {{PayCol::Medicare, "$29.00"}}, nullptr},
    {"state and local untaxed without their flat-rate boxes", Hourly(1, "$12.50"), "40", {}, {},
     {{PayCol::State, "$0.00"}, {PayCol::Local, "$0.00"}}, nullptr},
    {"flat state and local rates on the whole pay", Hourly(1, "$12.50"), "40",
     [](TaxSettings& s) {
         s.StateFlat = s.LocalFlat = true;
         s.Tables[3] = QStringLiteral("1.00%");
     },
     {}, {{PayCol::State, "$15.00"}, {PayCol::Local, "$5.00"}}, nullptr},
    {"flat state rate up to its wage maximum",
     With(Hourly(1, "$12.50"), [](EmployeeRecord& e) { e.YTDGross = Money::fromDollars(800); }), "40",
     [](TaxSettings& s) {
         s.StateFlat = true;
         s.Tables[7] = QStringLiteral("$1,000.00");
     },
     {}, {{PayCol::State, "$6.00"}}, nullptr},
    {"unemployment taxed up to the wage base it crosses",
     With(Hourly(1, "$12.50"), [](EmployeeRecord& e) { e.YTDGross = Money::fromDollars(6800); }), "40", {}, {},
     {{PayCol::Gross, "$500.00"}}, nullptr, true, Money::fromCents(120)},
    {"flat-rate pay asked, its hours kept",
     Worker(1, QStringLiteral("Flo Flat"), QStringLiteral("Flat Rate"), QStringLiteral("$0.00"), 8), "38",
     {}, {QStringLiteral("250")}, {{PayCol::Hours, "38"}, {PayCol::Gross, "$250.00"}}, nullptr},
    {"nonresident with zero gross is not paid",
     With(Hourly(1), [](EmployeeRecord& e) { e.NonResident = -1; }), "0", {}, {},
     {{PayCol::Federal, ""}, {PayCol::Fica, ""}, {PayCol::Gross, "$0.00"}}, nullptr, false},
};

class CreatorRulesTest : public ProgramFolderTest {};

TEST_F(CreatorRulesTest, RowIsCalculatedByTheCreatorsRules) {
    for (const RuleCase& c : RuleCases) {
        SCOPED_TRACE(c.name);
        dialogs->clear();
        TaxSettings settings = ExampleSettings();
        settings.NonResident = QStringList{QStringLiteral("$151.90")} << QStringList(7, QStringLiteral("$0.00"));
        if (c.tables) c.tables(settings);
        PayRun run;
        run.ResetRows(1);
        RunRows{run}.put(1, c.employee, QString::fromUtf8(c.hours));
        for (const auto& answer : c.answers)
            dialogs->answerInput(answer);
        PayEngine engine(run, settings, ScriptedQuestions(), PayRules::ForRecordsCreator());
        ASSERT_TRUE(engine.SettingsProblem().isEmpty());
        engine.CalculateRow(1, c.employee);
        for (const auto& [col, text] : c.cells)
            EXPECT_EQ(run.Row(1).EmployeeText(col), QString::fromUtf8(text)) << "column " << col;
        EXPECT_EQ(run.Row(1).Marked, c.paid);
        if (c.futa != Money()) {
            EXPECT_EQ(run.Totals.Futa, c.futa);
        }
        if (c.message)
            EXPECT_EQ(dialogs->messages(), std::vector<QString>{QString::fromUtf8(c.message)});
        else
            EXPECT_TRUE(dialogs->messages().empty());
    }
}

// ---- The screen ------------------------------------------------------------------------------------

class CreatorScreenTest : public ProgramFolderTest {
protected:
    creator::frmPayroll& open() {
        FillStore(ExampleSettings());
        creator::frmPayroll& f = ShowScreen<creator::frmPayroll>();
        f.cmdPrintDeposit_Click(creator::DepositButton::Start);
        return f;
    }
    static void click(creator::frmPayroll& f, int row, int col) {
        f.fgEmployees->setRow(row);
        f.fgEmployees->setCol(col);
        f.fgEmployees_Click();
    }
    static void postHours(creator::frmPayroll& f, int row, const char* hours) {
        click(f, row, creator::Col::Hours);
        f.txtHours->setText(QString::fromUtf8(hours));
        f.cmdPayroll_Click(creator::PayrollButton::PostHours);
    }
    static void post(creator::frmPayroll& f, int row, int col, const char* amount) {
        click(f, row, col);
        f.txtAmount->setText(QString::fromUtf8(amount));
        f.cmdPayroll_Click(creator::PayrollButton::PostAmount);
    }
};

// Hourly, salaried, daily and flat-rate rows; what the editing buttons leave of them.
struct EditCase {
    const char* name;
    std::function<void(creator::frmPayroll&)> steps;
    const char* marks;  // "+" marked, "." not, one per row
    const char* hours;  // the Hours cells, "|" between rows
    const char* bold;   // "B" bold at size 12, "." plain at size 9
    bool calculate;     // "Calculate &Taxes" enabled
};

TEST_F(CreatorScreenTest, EditingButtonsFollowTheirRules) {
    using namespace creator;
    const EditCase cases[] = {
        {"set all hourly to forty",
         [](frmPayroll& f) {
             postHours(f, 1, "45");
             f.cmdPayroll_Click(PayrollButton::PayAll);
             f.cmdPayroll_Click(PayrollButton::AllForty);
         },
         "....", "40|N/A|Day|Flat", "B...", true},
        {"hours longer than the pay record holds are refused",
         [](frmPayroll& f) {
             postHours(f, 1, "12345.678");
             EXPECT_TRUE(f.fraHours->isVisibleTo(&f));
             postHours(f, 1, "1234.56");
         },
         "+...", "1234.56|N/A|Day|Flat", "B...", true},
        {"clear all entries keeps the hours",
         [](frmPayroll& f) {
             postHours(f, 1, "45");
             f.cmdPayroll_Click(PayrollButton::ClearAll);
         },
         "....", "45|N/A|Day|Flat", "....", false},
        {"clear last entry right after loading acts on row 1",
         [](frmPayroll& f) {
             f.cmdPayroll_Click(PayrollButton::PaySalaried);
             f.cmdPayroll_Click(PayrollButton::ClearLastEntry);
         },
         ".+..", "40|N/A|Day|Flat", "....", true},
        {"clear last entry acts on the row last clicked in the pay column",
         [](frmPayroll& f) {
             click(f, 4, Col::Mark);
             postHours(f, 1, "45");
             f.cmdPayroll_Click(PayrollButton::ClearLastEntry);
         },
         "+...", "45|N/A|Day|Flat", "B...", true},
        {"hours refused on a salaried row leave it unmarked",
         [](frmPayroll& f) {
             f.cmdPayroll_Click(PayrollButton::PayAll);
             click(f, 2, Col::Hours);
             click(f, 1, Col::Mark);
         },
         "..++", "40|N/A|Day|Flat", "....", true},
        {"unmarking the only marked row", [](frmPayroll& f) { click(f, 1, Col::Mark); }, "....",
         "40|N/A|Day|Flat", "....", false},
    };
    testrecords::WriteEmployees(
        {Hourly(1), Worker(2, QStringLiteral("Sal Sal"), QStringLiteral("Salary"), QStringLiteral("$900.00")),
         Worker(3, QStringLiteral("Dee Day"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7),
         Worker(4, QStringLiteral("Flo Flat"), QStringLiteral("Flat Rate"), QStringLiteral("$0.00"), 8)});
    frmPayroll& f = open();
    for (const EditCase& c : cases) {
        f.Hide();
        f.Show(); // a fresh run
        c.steps(f);
        const QStringList hours = QString::fromUtf8(c.hours).split(u'|');
        for (int row = 1; row <= 4; ++row) {
            const auto at = static_cast<std::size_t>(row - 1);
            EXPECT_EQ(!f.fgEmployees->textMatrix(row, Col::Mark).isEmpty(), c.marks[at] == '+') << c.name << row;
            EXPECT_EQ(f.fgEmployees->textMatrix(row, Col::Hours), hours[row - 1]) << c.name << row;
            const bool bold = c.bold[at] == 'B';
            EXPECT_EQ(f.fgEmployees->cellFontBold(row, Col::Hours), bold) << c.name << row;
            EXPECT_EQ(f.fgEmployees->cellFontSize(row, Col::Hours), bold ? 12.0 : 9.0) << c.name << row;
        }
        EXPECT_EQ(f.cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled(), c.calculate) << c.name;
    }
}

// $1,000.00: FICA $62.00, Medicare $14.50, FUTA $6.00, SUTA $27.00; the federal tax typed over.
TEST_F(CreatorScreenTest, RunIsSavedOnceAsItsRecords) {
    using namespace creator;
    EmployeeRecord e = Hourly(1, "$40.00");
    e.InsurancePerPay = Money::fromDollars(20);
    testrecords::WriteEmployees({e});
    frmPayroll& f = open();
    f.DTPicker1->setDate(QDate(2026, 3, 6));
    postHours(f, 1, "25");
    f.cmdPayroll_Click(PayrollButton::CalculateTaxes);
    post(f, 1, Col::FirstTax, "$50.00");
    f.cmdPayroll_Click(PayrollButton::Continue);
    const std::map<int, const char*> lines = {{0, "$1,000.00"}, {1, "$50.00"},   {3, "$124.00"},  {4, "$29.00"},
                                              {7, "$6.00"},     {8, "$1,109.50"}, {12, "$27.00"}, {13, "$20.00"}};
    for (const auto& [line, text] : lines)
        EXPECT_EQ(f.lblPayment[static_cast<std::size_t>(line)]->text(), QString::fromUtf8(text)) << line;

    // The summary cannot be written at the first press: the second writes only the summary,
    // a third nothing.
    InjectWriteFault(WriteFault{QStringLiteral("SummaryRecords.txt"), WriteStep::Sync});
    f.cmdPrintDeposit_Click(DepositButton::Save);
    InjectWriteFault(std::nullopt);
    ASSERT_EQ(dialogs->messages().size(), 1u);
    dialogs->clear();
    f.cmdPrintDeposit_Click(DepositButton::Save);
    f.cmdPrintDeposit_Click(DepositButton::Save);
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{QStringLiteral("The Payroll Summary Record has been written"),
                                                         QStringLiteral("Employee Records have been updated")}));

    PayRecord pay;
    pay.PayDate = OleDateOf(QDate(2026, 3, 6));
    pay.EmployeeName = QStringLiteral("Hal Hour");
    pay.EmployeeNo = QStringLiteral("1001");
    pay.Hours = QStringLiteral("25");
    pay.Gross = Money::fromDollars(1000);
    pay.FederalTax = Money::fromDollars(50);
    pay.Fica = Money::fromDollars(62);
    pay.Medicare = Money::fromCents(1450);
    pay.Insurance = Money::fromDollars(20);
    EXPECT_EQ(readFile(QStringLiteral("Employees/1001/PayRecords.txt")), pay.encode());
    SummaryRecord summary;
    summary.PayDate = pay.PayDate;
    summary.TotalWages = pay.Gross;
    summary.TotalFederal = pay.FederalTax;
    summary.TotalFica = Money::fromDollars(124);
    summary.TotalMedicare = Money::fromDollars(29);
    summary.TotalFuta = Money::fromDollars(6);
    summary.TotalSuta = Money::fromDollars(27);
    summary.TotalInsurance = pay.Insurance;
    EXPECT_EQ(readFile(QStringLiteral("SummaryRecords.txt")), summary.encode());
    // The screen starts the next payroll.
    EXPECT_TRUE(f.fraStartup->isVisible());
    EXPECT_EQ(f.DTPicker1->date(), QDate(2026, 6, 14));
}

// A second Calculate treats every typed amount alike: each stands, the taxes not typed are
// figured on a typed gross, and net pay is always the gross less what the row shows.
TEST_F(CreatorScreenTest, TypedAmountsStandAndNetPayFollowsThem) {
    using namespace creator;
    struct TypedCase {
        const char* name;
        int col;
        const char* typed;
        bool calculateAgain;
        std::map<int, const char*> cells;
    };
    const TypedCase cases[] = {
        {"typed gross, calculated again", Col::Gross, "1200", true,
         {{Col::Gross, "$1,200.00"}, {Col::FirstTax + 2, "$74.40"}, {Col::FirstTax + 3, "$17.40"}}},
        {"typed gross, not calculated again", Col::Gross, "1200", false,
         {{Col::Gross, "$1,200.00"}, {Col::FirstTax + 2, "$62.00"}}},
        {"typed federal tax, calculated again", Col::FirstTax, "50", true,
         {{Col::Gross, "$1,000.00"}, {Col::FirstTax, "$50.00"}}},
        {"net pay is not typed", Col::Net, "5", false, {{Col::Gross, "$1,000.00"}}},
    };
    EmployeeRecord e = Hourly(1, "$40.00");
    e.InsurancePerPay = Money::fromDollars(20);
    testrecords::WriteEmployees({e});
    frmPayroll& f = open();
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.name);
        f.Hide();
        f.Show();
        f.cmdPrintDeposit_Click(DepositButton::Start);
        postHours(f, 1, "25");
        f.cmdPayroll_Click(PayrollButton::CalculateTaxes);
        post(f, 1, c.col, c.typed);
        if (c.calculateAgain) f.cmdPayroll_Click(PayrollButton::CalculateTaxes);
        for (const auto& [col, text] : c.cells)
            EXPECT_EQ(f.fgEmployees->textMatrix(1, col), QString::fromUtf8(text)) << "column " << col;
        Money net = MoneyOf(f.fgEmployees->textMatrix(1, Col::Gross)) - Money::fromDollars(20);
        for (int col = Col::FirstTax; col <= Col::LastTax; ++col)
            net -= MoneyOf(f.fgEmployees->textMatrix(1, col));
        EXPECT_EQ(f.fgEmployees->textMatrix(1, Col::Net), CurrencyText(net));
    }
}

TEST_F(CreatorScreenTest, ARunThatPaysNoOneIsNotSaved) {
    using namespace creator;
    testrecords::WriteEmployees({Hourly(1)});
    frmPayroll& f = open();
    click(f, 1, Col::Mark);
    f.cmdPayroll_Click(PayrollButton::Continue);
    f.cmdPrintDeposit_Click(DepositButton::Save);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("There are no entries to Save")});
    EXPECT_FALSE(FileExists(SummaryRecordsFile));
    EXPECT_FALSE(FileExists(PayRecordsFile(QStringLiteral("1001"))));
}

// $4,800.00 a month against the $7,000.00 FUTA base at 0.6 %: $28.80, $13.20, then nothing,
// whichever screen enters the months and in whatever order; the main program's period grid
// and unemployment detail then agree on the year.
TEST_F(CreatorScreenTest, EachEntryCountsTheYearsWagesBeforeIt) {
    using namespace creator;
    testrecords::WriteEmployees(
        {Worker(1, QStringLiteral("Sal Sal"), QStringLiteral("Salary"), QStringLiteral("$4,800.00"), 3)});
    frmPayroll& f = open();
    const auto monthly = [](QDate date) {
        HistorySheet sheet;
        sheet.Load();
        sheet.main[1][HistoryCol::Gross] = QStringLiteral("$4,800.00");
        sheet.Calculate(TheTaxTables().Variables, OleDateOf(date));
        sheet.Save(OleDateOf(date));
    };
    const auto creation = [&f](QDate date) {
        f.cmdPrintDeposit_Click(DepositButton::Start);
        f.DTPicker1->setDate(date);
        f.cmdPayroll_Click(PayrollButton::CalculateTaxes);
        f.cmdPayroll_Click(PayrollButton::Continue);
        f.cmdPrintDeposit_Click(DepositButton::Save);
    };
    struct SessionCase {
        const char* name;
        int year;
        std::function<void(QDate)> enter;
        std::array<int, 3> months;
    };
    const SessionCase cases[] = {{"monthly summary entry", 2023, monthly, {1, 2, 3}},
                                 {"payroll creation screen", 2024, creation, {1, 2, 3}},
                                 {"payroll creation screen, March first", 2025, creation, {3, 1, 2}}};
    const UnemploymentRates rates = UnemploymentRatesOf(QStringLiteral("0.60%"), QStringLiteral("2.70%"),
                                                        QStringLiteral("$7,000.00"), QStringLiteral("$7,000.00"));
    for (const SessionCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (int month : c.months)
            c.enter(QDate(c.year, month, 28));
        const QDate first(c.year, 1, 1);
        const QDate last(c.year, 12, 31);
        EXPECT_EQ(GatherSummaryReport(first, last).totals[4], Money::fromDollars(42));
        EXPECT_EQ(GatherUnemploymentDetail(1, first, last, rates).totals.FederalTax, Money::fromDollars(42));
    }
}

} // namespace
