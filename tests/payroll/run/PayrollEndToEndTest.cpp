// A small company's run from its files to the payment summary, through the screen.
#include "FlexGrid.h"
#include "Globals.h"
#include "PayrollTestSupport.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "frmPayroll.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace payrolltest;

namespace {

class PayrollEndToEndTest : public ProgramFolderTest {
protected:
    // Ann: hourly $20.00, single, 5 % to the 401k, child support $25.00 with a $2.00 fee,
    // insurance $20.00. Bob: salaried $1,000.00 a week, married, two allowances, $6,500.00
    // paid this year. Cal: $80.00 a day, nonresident, two allowances.
    void WriteCompany() {
        EmployeeRecord ann =
            Worker(1, QStringLiteral("Ann Able"), QStringLiteral("Hourly"), QStringLiteral("$20.00"));
        ann.Percent401k = 5;
        ann.ChildSupportPerPay = Money::fromCents(2500);
        ann.SupportFeePerPay = Money::fromCents(200);
        ann.InsurancePerPay = Money::fromCents(2000);
        EmployeeRecord bob =
            Worker(2, QStringLiteral("Bob Baker"), QStringLiteral("Salary"), QStringLiteral("$1,000.00"));
        bob.MaritalStatus = 1;
        bob.Dependents = QStringLiteral("2");
        bob.YTDGross = Money::fromDollars(6500);
        EmployeeRecord cal =
            Worker(3, QStringLiteral("Cal Cole"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7);
        cal.Dependents = QStringLiteral("2");
        cal.NonResident = -1;
        testrecords::WriteEmployees({ann, bob, cal});
        for (const char* file : {"TaxVariables.txt", "TaxTable.txt", "PercentageTable.txt", "Deductions.txt",
                                 "NonResidentTaxTable.txt"})
            copyShipped(QString::fromUtf8(file));
    }
    // The business is in Alabama, whose brackets the state-table loader puts on the screen.
    static void AlabamaBrackets(FlexGrid& grid) {
        grid.setCols(8);
        const char* single[7] = {"Single", "2.00%", "$0.00", "4.00%", "$500.00", "5.00%", "$3,000.00"};
        const char* married[7] = {"Married", "2.00%", "$0.00", "4.00%", "$1,000.00", "5.00%", "$6,000.00"};
        for (int c = 0; c < 7; ++c) {
            grid.setTextMatrix(1, c, QString::fromUtf8(single[c]));
            grid.setTextMatrix(2, c, QString::fromUtf8(married[c]));
        }
    }
    void expectRow(int row, std::initializer_list<const char*> cells) {
        int col = PayCol::Federal;
        for (const char* text : cells)
            EXPECT_EQ(f->fgEmployees->textMatrix(row, col++), QString::fromUtf8(text))
                << "row " << row << " col " << col - 1;
    }
    void expectAux(int row, std::initializer_list<const char*> cells) {
        int col = AuxCol::ChildSupport;
        for (const char* text : cells)
            EXPECT_EQ(f->fgAux->textMatrix(row, col++), QString::fromUtf8(text))
                << "row " << row << " col " << col - 1;
    }
    void click(int row, int col) {
        f->fgEmployees->setRow(row);
        f->fgEmployees->setCol(col);
        f->fgEmployees_Click();
    }

    frmPayroll* f = nullptr;
};

} // namespace

TEST_F(PayrollEndToEndTest, SmallCompanyRunFromFilesToPaymentSummary) {
    WriteCompany();
    FillStoreFromFiles();
    SetMatching(true, QStringLiteral("3"));
    StateIndex = 1;
    f = &ShowScreen<frmPayroll>();
    AlabamaBrackets(*f->fgStateTaxes);

    // Mark Bob and Cal beside Ann; Ann worked 45 hours and gets a $50.00 bonus.
    click(2, PayCol::Mark);
    click(3, PayCol::Mark);
    click(1, PayCol::Hours);
    f->txtHours->setText(QStringLiteral("45"));
    f->cmdPayroll[PayrollButton::PostHours]->click();
    f->cmdPayroll[PayrollButton::Bonus]->click();
    f->fgHourly->setRow(1);
    f->fgHourly_Click();
    f->txtAmount->setText(QStringLiteral("50"));
    f->cmdPayroll[PayrollButton::PostBonus]->click();
    f->cmdPayroll[PayrollButton::SaveBonus]->click();
    dialogs->clear();
    dialogs->answerInput(QStringLiteral("3"));
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    ASSERT_EQ(dialogs->shown.size(), 1u); // Cal's days, nothing else
    f->cmdPayroll[PayrollButton::Finalize]->click();

    // Ann: 45 x $20.00 + $50.00 bonus + 5 x $10.00 overtime = $1,000.00; taxable $917.30.
    expectRow(1, {"$88.02", "$0.00", "$62.00", "$14.50", "$50.00", "$0.00", "$1,000.00", "$688.48"});
    expectAux(1, {"$25.00", "$2.00", "$50.00", "$30.00", "$20.00"});
    // Bob: married weekly, taxable $834.60; his pay takes him past the FUTA maximum, so it adds
    // no unemployment tax at all.
    expectRow(2, {"$46.36", "$0.00", "$62.00", "$14.50", "$50.00", "$0.00", "$1,000.00", "$827.14"});
    expectAux(2, {"$0.00", "$0.00", "$0.00", "$0.00", "$0.00"});
    // Cal: 3 days, allowances $99.00, federal wage raised by 3 x $45.40 to $277.20.
    expectRow(3, {"$34.30", "$0.00", "$14.88", "$3.48", "$12.00", "$0.00", "$240.00", "$175.34"});
    EXPECT_EQ(f->fgEmployees->textMatrix(3, PayCol::Hours), QStringLiteral("Day"));
    EXPECT_EQ(f->Row(1).NetPay, Money::fromCents(68848));
    EXPECT_EQ(f->Row(3).Gross, Money::fromDollars(240));

    // Bob's $1,000.00 crosses the $7,000.00 unemployment bases at $6,500.00: $500.00 of it
    // is taxed ($3.00 FUTA, $13.50 SUTA beside the others' $7.44 and $33.48).
    const char* summary[15] = {"$2,240.00", "$168.68", "$0.00",  "$277.76",   "$64.96",
                               "$112.00",   "$0.00",   "$10.44", "$2,498.78", "$25.00",
                               "$2.00",     "$50.00",  "$46.98", "$20.00",    "$30.00"};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(f->lblPayment[static_cast<std::size_t>(i)]->text(), QString::fromUtf8(summary[i])) << i;
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
}
