// A run's wage bases are those of the calendar year its checks are dated in, whatever
// day the run is made and whatever year the totals were last rebuilt for.
#include "FinishTestSupport.h"
#include "StoreSupport.h"

#include "Dates.h"
#include "PayFiles.h"
#include "ReportData.h"

#include <QDateEdit>
#include <QGroupBox>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace finishtest;

namespace {

// One run of the session: the day it is made, its two dates, and what it must withhold
// and owe for the employee; the check date it was first calculated with, when the user
// changed it afterwards.
struct RunCase {
    QDate made;
    QDate periodEnding;
    QDate checkDate;
    std::optional<QDate> calculatedFirstWith;
    // As the grid and the payment summary show them.
    const char* fica;
    const char* medicare;
    const char* futa;
    const char* suta;
    const char* ytdGrossAfter; // left in Employees.txt by the posting
};

struct SessionCase {
    const char* name;
    std::vector<RunCase> runs;
};

class CheckYearTest : public FinishTest {
protected:
    // $4,000.00 a week, salaried, with $204,000.00 paid in 2026: past the Social Security,
    // Additional Medicare and both unemployment bases of the shipped tables.
    CheckYearTest() {
        for (const char* file : {"TaxVariables.txt", "TaxTable.txt", "PercentageTable.txt", "Deductions.txt",
                                 "NonResidentTaxTable.txt"})
            copyShipped(QString::fromUtf8(file));
        payrolltest::FillStoreFromFiles();
        EmployeeRecord e = payrolltest::Worker(1, QStringLiteral("Ann Able"), QStringLiteral("Salary"),
                                               QStringLiteral("$4,000.00"));
        testrecords::WriteEmployees({e});
        PayOldYear();
        Form<frmSetup>().SelectBankOption(2);
    }

    // The employee's pay records and the summary records hold the 2026 pay alone.
    void PayOldYear() {
        QFile::remove(path(QStringLiteral("SummaryRecords.txt")));
        QFile::remove(path(QStringLiteral("Employees/1001/PayRecords.txt")));
        testrecords::AppendPayRecords(
            QStringLiteral("1001"), {testrecords::Paycheck(QDate(2026, 12, 24), Money::fromDollars(204000))});
    }

    // Makes, calculates, prints and posts one run on the pay-run screen.
    void MakeRun(const RunCase& run) {
        SetTodayForTesting(run.made);
        f = &ShowScreen<frmPayroll>();
        f->DTPicker1->setDate(run.periodEnding);
        if (run.calculatedFirstWith) {
            f->DTPicker2->setDate(*run.calculatedFirstWith);
            f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
            f->DTPicker2->setDate(run.checkDate);
            f->cmdPayroll[PayrollButton::Finalize]->click();
            EXPECT_TRUE(WasShown(QStringLiteral("Calculate the Taxes before you Finalize the Payroll\r\n"
                                                "(the entries have changed since the last calculation)")));
            EXPECT_TRUE(f->fraDepositSummary->isHidden());
        }
        f->DTPicker2->setDate(run.checkDate);
        f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
        EXPECT_EQ(f->Row(1).EmployeeText(PayCol::Fica), QString::fromUtf8(run.fica));
        EXPECT_EQ(f->Row(1).EmployeeText(PayCol::Medicare), QString::fromUtf8(run.medicare));
        EXPECT_EQ(CurrencyText(f->Totals.Futa), QString::fromUtf8(run.futa));
        EXPECT_EQ(CurrencyText(f->Totals.Suta), QString::fromUtf8(run.suta));
        f->cmdPayroll[PayrollButton::Finalize]->click();
        dialogs->answerPrintDialog(true).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        PrintPayroll();
        EXPECT_EQ(CurrencyText(testrecords::ReadEmployee(1).YTDGross), QString::fromUtf8(run.ytdGrossAfter));
    }
};

// $4,000.00 in 2027 is under every base: Social Security $248.00, Medicare $58.00, FUTA
// $24.00, SUTA $108.00. The second 2027 pay crosses the $7,000.00 bases at $3,000.00.
// Within 2026 only Medicare is left, with the Additional Medicare Tax: $58.00 + $36.00.
// clang-format off
const std::vector<SessionCase> Sessions{
    {"made on 30 December, checks dated 4 January",
     {{QDate(2026, 12, 30), QDate(2026, 12, 31), QDate(2027, 1, 4), {},
       "$248.00", "$58.00", "$24.00", "$108.00", "$4,000.00"}}},
    {"made on 4 January, then a second run of the same session",
     {{QDate(2027, 1, 4), QDate(2026, 12, 31), QDate(2027, 1, 4), {},
       "$248.00", "$58.00", "$24.00", "$108.00", "$4,000.00"},
      {QDate(2027, 1, 4), QDate(2027, 1, 7), QDate(2027, 1, 11), {},
       "$248.00", "$58.00", "$18.00", "$81.00", "$8,000.00"}}},
    {"made in January, checks dated 31 December after calculating with January's",
     {{QDate(2027, 1, 5), QDate(2026, 12, 31), QDate(2026, 12, 31), QDate(2027, 1, 5),
       "$0.00", "$94.00", "$0.00", "$0.00", "$208,000.00"}}},
};
// clang-format on

} // namespace

TEST_F(CheckYearTest, EachRunTaxesAgainstTheYearItsChecksAreDatedIn) {
    for (const SessionCase& session : Sessions) {
        SCOPED_TRACE(session.name);
        // The totals as the program's start-up leaves them: rebuilt for the day it starts.
        SetTodayForTesting(session.runs.front().made);
        MakeYTDs(Today());
        Money quarterFuta;
        for (const RunCase& run : session.runs) {
            MakeRun(run);
            if (run.checkDate.year() == 2027) quarterFuta += MoneyOf(QString::fromUtf8(run.futa));
        }
        // The runs' FUTA of the quarter is what the reports say of it.
        const DateRange quarter{QDate(2027, 1, 1), QDate(2027, 3, 31)};
        const UnemploymentRates rates =
            UnemploymentRatesOf(QStringLiteral("0.60%"), QStringLiteral("2.70%"), QStringLiteral("$7,000.00"),
                                QStringLiteral("$7,000.00"));
        EXPECT_EQ(CurrencyText(GatherSummaryReport(quarter.first, quarter.second).totals[4]),
                  CurrencyText(quarterFuta));
        EXPECT_EQ(
            CurrencyText(GatherUnemploymentDetail(1, quarter.first, quarter.second, rates).totals.FederalTax),
            CurrencyText(quarterFuta));

        PayOldYear();
        dialogs->clear();
    }
}
