// The wizard's steps and the editing events of the pay-run screen.
#include "FlexGrid.h"
#include "Globals.h"
#include "PayrollTestSupport.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "frmPayroll.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

using namespace payrolltest;
using testrecords::WriteEmployees;

namespace {

// Ann (hourly), Bob (salaried), Cal (daily), Dee (hourly): Ann starts marked.
class PayrollEditingTest : public ProgramFolderTest {
protected:
    PayrollEditingTest() {
        FillStore(ExampleSettings());
        WriteEmployees(
            {Worker(1, QStringLiteral("Ann"), QStringLiteral("Hourly"), QStringLiteral("$10.00")),
             Worker(2, QStringLiteral("Bob"), QStringLiteral("Salary"), QStringLiteral("$1,000.00")),
             Worker(3, QStringLiteral("Cal"), QStringLiteral("Daily"), QStringLiteral("$80.00"), 7),
             Worker(4, QStringLiteral("Dee"), QStringLiteral("Hourly"), QStringLiteral("$12.00"))});
        f = &ShowScreen<frmPayroll>();
        dialogs->clear();
    }
    void click(int row, int col) {
        f->fgEmployees->setRow(row);
        f->fgEmployees->setCol(col);
        f->fgEmployees_Click();
    }
    void clickAux(int row, int col) {
        f->fgAux->setRow(row);
        f->fgAux->setCol(col);
        f->fgAux_Click();
    }
    QString cell(int row, int col) const { return f->fgEmployees->textMatrix(row, col); }
    bool marked(int row) const { return !cell(row, PayCol::Mark).isEmpty(); }
    void calculateWithDays(const QString& days) {
        dialogs->answerInput(days);
        f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    }

    static void type(QLineEdit* box, int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box, &release);
    }

    frmPayroll* f = nullptr;
};

} // namespace

TEST_F(PayrollEditingTest, UnmarkingBlanksTheSixTaxColumnsAndKeepsGrossAndNet) {
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    ASSERT_EQ(cell(1, PayCol::Gross), QStringLiteral("$400.00"));
    const QString net = cell(1, PayCol::Net);
    click(1, PayCol::Mark);
    EXPECT_FALSE(marked(1));
    for (int c = PayCol::FirstTax; c <= PayCol::LastTax; ++c)
        EXPECT_TRUE(cell(1, c).isEmpty()) << c;
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$400.00"));
    EXPECT_EQ(cell(1, PayCol::Net), net);
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled()); // the last marked row
    click(2, PayCol::Mark);
    EXPECT_TRUE(marked(2));
    EXPECT_TRUE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
    EXPECT_EQ(f->LastEntryRow, 2);
}

TEST_F(PayrollEditingTest, PayAllLeavesDailyRowsToBeChosenOneByOne) {
    f->cmdPayroll[PayrollButton::PayAll]->click();
    EXPECT_TRUE(marked(1));
    EXPECT_TRUE(marked(2));
    EXPECT_FALSE(marked(3));
    EXPECT_TRUE(marked(4));
    EXPECT_EQ(dialogs->messages(),
              std::vector<QString>{QStringLiteral("Day Employees must be selected individually")});

    click(3, PayCol::Mark);
    calculateWithDays(QStringLiteral("3"));
    dialogs->clear();
    f->cmdPayroll[PayrollButton::PayAll]->click(); // calculated: the daily row stays marked
    EXPECT_TRUE(marked(3));
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(PayrollEditingTest, PaySalariedAndPayHourlyMarkTheirKind) {
    click(1, PayCol::Mark);
    f->cmdPayroll[PayrollButton::PaySalaried]->click();
    EXPECT_TRUE(marked(2));
    EXPECT_FALSE(marked(1));
    f->cmdPayroll[PayrollButton::PayHourly]->click();
    EXPECT_TRUE(marked(1));
    EXPECT_TRUE(marked(4));
    EXPECT_FALSE(marked(3));
}

TEST_F(PayrollEditingTest, AddingToBasePayTwiceShowsTheBonusOnce) {
    f->cmdPayroll[PayrollButton::Bonus]->click();
    EXPECT_FALSE(f->fraBonus->isHidden());
    EXPECT_FALSE(f->mnuMemo->isEnabled());
    f->fgHourly->setRow(1);
    f->fgHourly_Click();
    EXPECT_EQ(f->fgHourly->textMatrix(1, BonusCol::Mark), PayMark);
    EXPECT_EQ(f->txtAmount->text(), QStringLiteral("$0.00"));
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::PostBonus]->isEnabled());
    f->txtAmount->setText(QStringLiteral("100"));
    EXPECT_TRUE(f->cmdPayroll[PayrollButton::PostBonus]->isEnabled());
    f->cmdPayroll[PayrollButton::PostBonus]->click();
    EXPECT_EQ(f->fgHourly->textMatrix(1, BonusCol::Bonus), QStringLiteral("$100.00"));
    EXPECT_TRUE(f->fgHourly->textMatrix(1, BonusCol::Mark).isEmpty());
    EXPECT_EQ(f->fgHourly->textMatrix(1, BonusCol::BasePay), QStringLiteral("$500.00"));
    f->cmdPayroll[PayrollButton::AddToBasePay]->click();
    EXPECT_EQ(f->fgHourly->textMatrix(1, BonusCol::BasePay), QStringLiteral("$500.00"));
    f->cmdPayroll[PayrollButton::SaveBonus]->click();
    EXPECT_TRUE(f->fraBonus->isHidden());
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$500.00"));
}

TEST_F(PayrollEditingTest, LeavingBonusesWithoutPostingPutsThemBackToZero) {
    f->cmdPayroll[PayrollButton::Bonus]->click();
    f->ckBonus[BonusBox::AllSalaried]->click(); // all salaried
    EXPECT_EQ(f->fgSalaried->textMatrix(1, BonusCol::Mark), PayMark);
    f->txtAmount->setText(QStringLiteral("75"));
    f->cmdPayroll[PayrollButton::PostBonus]->click();
    EXPECT_EQ(f->fgSalaried->textMatrix(1, BonusCol::BasePay), QStringLiteral("$1,075.00"));
    f->cmdPayroll[PayrollButton::ExitBonus]->click();
    EXPECT_EQ(f->fgSalaried->textMatrix(1, BonusCol::Bonus), QStringLiteral("$0.00"));
    EXPECT_EQ(f->fgSalaried->textMatrix(1, BonusCol::BasePay), QStringLiteral("$1,000.00"));
    EXPECT_TRUE(f->fraBonus->isHidden());
}

TEST_F(PayrollEditingTest, BonusCheckBoxesExcludeEachOther) {
    f->cmdPayroll[PayrollButton::Bonus]->click();
    f->ckBonus[BonusBox::AllHourly]->click();
    EXPECT_EQ(f->fgHourly->textMatrix(2, BonusCol::Mark), PayMark);
    f->ckBonus[BonusBox::SelectedHourly]->click();
    EXPECT_FALSE(f->ckBonus[BonusBox::AllHourly]->isChecked());
    EXPECT_TRUE(f->fgHourly->textMatrix(1, BonusCol::Mark).isEmpty());
    EXPECT_TRUE(f->fgHourly->textMatrix(2, BonusCol::Mark).isEmpty());
    f->fgHourly->setRow(2);
    f->fgHourly_Click();
    f->fgHourly_Click(); // a second click unmarks and puts its bonus back to zero
    EXPECT_TRUE(f->fgHourly->textMatrix(2, BonusCol::Mark).isEmpty());
    EXPECT_EQ(f->fgHourly->textMatrix(2, BonusCol::Bonus), QStringLiteral("$0.00"));
}

TEST_F(PayrollEditingTest, FortyHoursResetsEveryHourlyRowAndBlanksAmounts) {
    click(1, PayCol::Hours);
    f->txtHours->setText(QStringLiteral("35"));
    f->cmdPayroll[PayrollButton::PostHours]->click();
    f->Row(4).Hours = QStringLiteral("12"); // unmarked row
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    f->cmdPayroll[PayrollButton::AllForty]->click();
    EXPECT_EQ(cell(1, PayCol::Hours), QStringLiteral("40"));
    EXPECT_EQ(cell(4, PayCol::Hours), QStringLiteral("40"));
    EXPECT_EQ(cell(2, PayCol::Hours), QStringLiteral("N/A"));
    EXPECT_EQ(cell(3, PayCol::Hours), QStringLiteral("Day"));
    EXPECT_FALSE(f->fgEmployees->cellFontBold(1, PayCol::Hours));
    EXPECT_TRUE(marked(1));
    for (int c = PayCol::FirstTax; c <= PayCol::Net; ++c)
        EXPECT_TRUE(cell(1, c).isEmpty()) << c;
}

TEST_F(PayrollEditingTest, ClearLastEntryAfterLoadingActsOnRowOne) {
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    f->cmdPayroll[PayrollButton::ClearLastEntry]->click();
    EXPECT_FALSE(marked(1));
    EXPECT_TRUE(cell(1, PayCol::Gross).isEmpty());
    EXPECT_EQ(cell(1, PayCol::Hours), QStringLiteral("40")); // the hours stay
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
}

TEST_F(PayrollEditingTest, HoursArePostedBoldIntoTheRowTheyWereOpenedFor) {
    click(1, PayCol::Hours);
    EXPECT_FALSE(f->fraHours->isHidden());
    f->txtHours->setText(QStringLiteral("37.5"));
    click(2, PayCol::Name); // moving elsewhere does not move the entry
    f->cmdPayroll[PayrollButton::PostHours]->click();
    EXPECT_EQ(cell(1, PayCol::Hours), QStringLiteral("37.5"));
    EXPECT_EQ(cell(2, PayCol::Hours), QStringLiteral("N/A"));
    EXPECT_TRUE(f->fgEmployees->cellFontBold(1, PayCol::Hours));
    EXPECT_EQ(f->fgEmployees->cellFontSize(1, PayCol::Hours), 12.0);
    EXPECT_TRUE(f->fraHours->isHidden());
    EXPECT_EQ(f->LastEntryRow, 1);
}

// Empty, or longer than the pay record's Hours field would keep.
TEST_F(PayrollEditingTest, EmptyOrTooLongHoursBeepAndWait) {
    click(1, PayCol::Hours);
    const QString before = cell(1, PayCol::Hours);
    for (const char* hours : {"", "12345.678"}) {
        f->txtHours->setText(QString::fromLatin1(hours));
        f->cmdPayroll[PayrollButton::PostHours]->click();
    }
    EXPECT_EQ(dialogs->beeps, 2);
    EXPECT_EQ(cell(1, PayCol::Hours), before);
    EXPECT_FALSE(f->fraHours->isHidden());
    f->cmdPayroll[PayrollButton::CancelHours]->click();
    EXPECT_TRUE(f->fraHours->isHidden());
}

TEST_F(PayrollEditingTest, OnlyMarkedHourlyRowsTakeHours) {
    for (int row : {2, 3}) {
        click(row, PayCol::Mark);
        click(row, PayCol::Hours);
        EXPECT_TRUE(f->fraHours->isHidden());
    }
    click(4, PayCol::Hours); // not marked
    EXPECT_EQ(dialogs->beeps, 3);
    EXPECT_EQ(dialogs->messages(),
              std::vector<QString>(3, QStringLiteral("Only hourly employees (Hours) can be changed")));
    EXPECT_EQ(cell(3, PayCol::Hours), QStringLiteral("Day"));
}

TEST_F(PayrollEditingTest, WithPromptsAndAlarmsOffARefusedHoursClickOnlyHidesThePanel) {
    PromptsOn = AlarmsOn = false;
    click(1, PayCol::Hours);
    click(2, PayCol::Hours);
    EXPECT_TRUE(f->fraHours->isHidden());
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(PayrollEditingTest, TypedStateTaxStandsThroughTheRecalculation) {
    click(4, PayCol::Mark);
    click(1, PayCol::State);
    EXPECT_EQ(f->fraState->title(), QStringLiteral("Enter New   State Tax"));
    EXPECT_FALSE(f->fgEmployees->isEnabled());
    EXPECT_EQ(f->txtState->text(), QStringLiteral("$0.00"));
    f->txtState->setText(QStringLiteral("12.50"));
    f->cmdPayroll[PayrollButton::PostAmount]->click();
    EXPECT_TRUE(f->fgEmployees->isEnabled());
    EXPECT_TRUE(f->fraState->isHidden());
    EXPECT_EQ(cell(1, PayCol::State), QStringLiteral("$12.50"));
    EXPECT_EQ(cell(4, PayCol::State), QStringLiteral("$0.00")); // only that row
    EXPECT_EQ(f->Totals.State, Money::fromCents(1250));
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    EXPECT_EQ(cell(1, PayCol::State), QStringLiteral("$12.50"));
    click(1, PayCol::Mark); // unmarking forgets it
    click(1, PayCol::Mark);
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    EXPECT_EQ(cell(1, PayCol::State), QStringLiteral("$0.00"));
}

TEST_F(PayrollEditingTest, AmountForAnUnmarkedRowOrNotANumberIsDiscarded) {
    click(2, PayCol::Federal);
    f->txtState->setText(QStringLiteral("5"));
    f->cmdPayroll[PayrollButton::PostAmount]->click();
    EXPECT_TRUE(cell(2, PayCol::Federal).isEmpty());
    EXPECT_TRUE(f->txtState->text().isEmpty());
    f->txtState->setText(QStringLiteral("."));
    f->cmdPayroll[PayrollButton::PostAmount]->click();
    EXPECT_EQ(dialogs->beeps, 2);
    f->cmdPayroll[PayrollButton::CancelAmount]->click();
    EXPECT_TRUE(f->fraState->isHidden());
    EXPECT_TRUE(f->fgEmployees->isEnabled());
}

TEST_F(PayrollEditingTest, DeductionTypedInTheAuxGridIsPaidByTheRecalculation) {
    f->cmdPayroll[PayrollButton::ToggleAux]->click();
    EXPECT_FALSE(f->fraAux->isHidden());
    EXPECT_TRUE(f->fgEmployees->isHidden());
    clickAux(1, AuxCol::Insurance);
    EXPECT_EQ(f->fraState->title(), QStringLiteral("Enter New Insurance"));
    EXPECT_FALSE(f->fgAux->isEnabled());
    f->txtState->setText(QStringLiteral("15"));
    f->cmdPayroll[PayrollButton::PostAmount]->click();
    EXPECT_TRUE(f->fgAux->isEnabled());
    EXPECT_EQ(f->fgAux->textMatrix(1, AuxCol::Insurance), QStringLiteral("$15.00"));
    EXPECT_EQ(f->Totals.Insurance, Money::fromCents(1500));
    clickAux(1, AuxCol::Match401k);
    EXPECT_EQ(dialogs->messages().back(),
              QStringLiteral("The 401k values can not be modified\r\nThey are calculated automatically"));
}

TEST_F(PayrollEditingTest, ManualTaxMenusOpenTheAmountPanelOnTheirColumn) {
    f->mnuState->trigger();
    EXPECT_EQ(f->fraState->title(), QStringLiteral("Manually Enter State Tax"));
    EXPECT_EQ(f->fgEmployees->col(), PayCol::State);
    EXPECT_TRUE(f->fgEmployees->isEnabled());
    f->mnuLocal->trigger();
    EXPECT_EQ(f->fraState->title(), QStringLiteral("Manually Enter Local Tax"));
    f->txtState->setText(QStringLiteral("3"));
    f->cmdPayroll[PayrollButton::PostAmount]->click();
    EXPECT_EQ(cell(1, PayCol::Local), QStringLiteral("$3.00"));
    click(1, PayCol::Fica);
    f->mnuCloseWindows->trigger();
    EXPECT_TRUE(f->fraState->isHidden());
    EXPECT_TRUE(f->fgEmployees->isEnabled());
}

TEST_F(PayrollEditingTest, MenusTogglePanelsAndTheShade) {
    f->mnuToggle->trigger();
    EXPECT_FALSE(f->fraHide->isHidden());
    f->imgShadeUp_Click();
    EXPECT_TRUE(f->fraHide->isHidden());
    f->imgShadeDown_Click(1);
    EXPECT_FALSE(f->fraHide->isHidden());
    f->mnuStateTable->trigger();
    EXPECT_FALSE(f->fraStateTaxes->isHidden());
    f->cmdPayroll[PayrollButton::CloseStateTaxes]->click();
    EXPECT_TRUE(f->fraStateTaxes->isHidden());
    f->mnuBonus->trigger();
    EXPECT_FALSE(f->fraBonus->isHidden());
}

TEST_F(PayrollEditingTest, FinalizeWantsACurrentCalculation) {
    f->cmdPayroll[PayrollButton::Finalize]->click();
    EXPECT_TRUE(f->fraDepositSummary->isHidden());
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Finalize Payroll"));
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
    f->cmdPayroll[PayrollButton::Finalize]->click();
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_EQ(f->lblPayment[PaymentLine::Wages]->text(), QStringLiteral("$400.00"));
    EXPECT_FALSE(f->mnuBonus->isEnabled());
    EXPECT_TRUE(f->mnuMemo->isEnabled());
    EXPECT_TRUE(f->cmdPrintDeposit[DepositButton::Recreate]->isEnabled());
    f->cmdPrintDeposit[DepositButton::Recreate]->click();
    // New hours since the calculation: finalizing waits for a new one, which can be made.
    click(1, PayCol::Hours);
    f->txtHours->setText(QStringLiteral("41"));
    f->cmdPayroll[PayrollButton::PostHours]->click();
    EXPECT_TRUE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
    dialogs->clear();
    f->cmdPayroll[PayrollButton::Finalize]->click();
    EXPECT_TRUE(f->fraDepositSummary->isHidden());
    EXPECT_EQ(dialogs->messages().size(), 1u);
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    f->cmdPayroll[PayrollButton::Finalize]->click();
    EXPECT_FALSE(f->fraDepositSummary->isHidden());
    EXPECT_EQ(f->lblPayment[PaymentLine::Wages]->text(), QStringLiteral("$415.00")); // 41 hours, one at time and a half
}

TEST_F(PayrollEditingTest, EveryChangeThatStalesTheFiguresAllowsANewCalculation) {
    const auto openBonusRow = [&] {
        f->cmdPayroll[PayrollButton::Bonus]->click();
        f->fgHourly->setRow(1);
        f->fgHourly_Click();
    };
    const std::vector<std::pair<QString, std::function<void()>>> changes = {
        {QStringLiteral("posted hours"),
         [&] {
             click(1, PayCol::Hours);
             f->txtHours->setText(QStringLiteral("38"));
             f->cmdPayroll[PayrollButton::PostHours]->click();
         }},
        {QStringLiteral("all hourly to 40"), [&] { f->cmdPayroll[PayrollButton::AllForty]->click(); }},
        {QStringLiteral("posted bonus"),
         [&] {
             openBonusRow();
             f->txtAmount->setText(QStringLiteral("50"));
             f->cmdPayroll[PayrollButton::PostBonus]->click();
             f->cmdPayroll[PayrollButton::SaveBonus]->click();
         }},
        {QStringLiteral("unmarked bonus row"),
         [&] {
             openBonusRow();
             f->fgHourly_Click();
             f->cmdPayroll[PayrollButton::SaveBonus]->click();
         }},
        {QStringLiteral("bonuses left"),
         [&] {
             f->cmdPayroll[PayrollButton::Bonus]->click();
             f->cmdPayroll[PayrollButton::ExitBonus]->click();
         }},
        {QStringLiteral("one of two rows unmarked"),
         [&] {
             click(4, PayCol::Mark);
             f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
             click(4, PayCol::Mark);
         }},
    };
    for (const auto& [change, make] : changes) {
        f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
        ASSERT_FALSE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled()) << change.toStdString();
        make();
        EXPECT_TRUE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled()) << change.toStdString();
        f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
        f->cmdPayroll[PayrollButton::Finalize]->click();
        EXPECT_FALSE(f->fraDepositSummary->isHidden()) << change.toStdString();
        f->cmdPrintDeposit[DepositButton::Recreate]->click();
    }
    // With no row to pay there is nothing to calculate, whatever changes.
    f->cmdPayroll[PayrollButton::ClearAll]->click();
    f->cmdPayroll[PayrollButton::Bonus]->click();
    f->cmdPayroll[PayrollButton::ExitBonus]->click();
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
}

TEST_F(PayrollEditingTest, UnmarkedRowLosesItsGrossAndNetAtTheNextCalculation) {
    click(4, PayCol::Mark);
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    ASSERT_EQ(cell(4, PayCol::Gross), QStringLiteral("$480.00"));
    click(4, PayCol::Mark);
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    EXPECT_TRUE(cell(4, PayCol::Gross).isEmpty());
    EXPECT_TRUE(cell(4, PayCol::Net).isEmpty());
    EXPECT_EQ(f->Row(4).Gross, Money());
    EXPECT_EQ(f->Row(4).NetPay, Money());
    EXPECT_EQ(f->Totals.Gross, Money::fromDollars(400));
    EXPECT_EQ(cell(1, PayCol::Gross), QStringLiteral("$400.00"));
}

TEST_F(PayrollEditingTest, CancelledDaysPromptLeavesNoTypedTaxOrFiguresBehind) {
    Form<frmTables>().ckState->setChecked(true); // 3 % of every gross
    click(3, PayCol::Mark);
    calculateWithDays(QStringLiteral("3"));
    ASSERT_EQ(cell(3, PayCol::Gross), QStringLiteral("$240.00"));
    click(3, PayCol::Mark); // unmarked and marked again: the days are asked anew
    click(3, PayCol::Mark);
    click(3, PayCol::State);
    f->txtState->setText(QStringLiteral("5"));
    dialogs->answerInput(std::nullopt);
    f->cmdPayroll[PayrollButton::PostAmount]->click(); // posts the amount and calculates
    EXPECT_FALSE(marked(3));
    for (int c = PayCol::FirstTax; c <= PayCol::Net; ++c)
        EXPECT_TRUE(cell(3, c).isEmpty()) << c;
    EXPECT_EQ(f->Row(3).Gross, Money());
    EXPECT_EQ(f->Row(3).NetPay, Money());
    EXPECT_EQ(f->Totals.Gross, Money::fromDollars(400));
    EXPECT_EQ(f->Totals.State, Money::fromDollars(12)); // Ann's 3 % alone

    click(3, PayCol::Mark);
    calculateWithDays(QStringLiteral("2"));
    EXPECT_EQ(cell(3, PayCol::State), QStringLiteral("$4.80")); // figured, not the typed $5.00
}

TEST_F(PayrollEditingTest, ClearAllBlanksMarksAndAmounts) {
    f->cmdPayroll[PayrollButton::PayAll]->click();
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    f->cmdPayroll[PayrollButton::ClearAll]->click();
    for (int row = 1; row <= 4; ++row) {
        EXPECT_FALSE(marked(row));
        EXPECT_TRUE(cell(row, PayCol::Net).isEmpty());
    }
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
}

TEST_F(PayrollEditingTest, UnreadableRateStopsTheCalculation) {
    Form<frmTables>().TxtTables[TaxBox::MedicareRate]->setText(QString());
    f->cmdPayroll[PayrollButton::CalculateTaxes]->click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              QStringLiteral("The Medicare Rate on the Tax Tables screen is not a number\r\n"
                             "Correct it, then Calculate the Taxes again"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Tax Tables"));
    EXPECT_TRUE(cell(1, PayCol::Gross).isEmpty());
    EXPECT_TRUE(f->cmdPayroll[PayrollButton::CalculateTaxes]->isEnabled());
}

TEST_F(PayrollEditingTest, EntryBoxesTakeOnlyMoneyKeysAndDropTheirZero) {
    f->txtState->setText(QStringLiteral("$0.00"));
    type(f->txtState, Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(f->txtState->text(), QStringLiteral("7"));
    type(f->txtHours, Qt::Key_X, QStringLiteral("x"));
    type(f->txtHours, Qt::Key_8, QStringLiteral("8"));
    type(f->txtHours, Qt::Key_Period, QStringLiteral("."));
    type(f->txtHours, Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(f->txtHours->text(), QStringLiteral("8.5"));

    f->cmdPayroll[PayrollButton::Bonus]->click();
    f->txtAmount->setText(QStringLiteral("$0.00"));
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::PostBonus]->isEnabled());
    type(f->txtAmount, Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(f->txtAmount->text(), QStringLiteral("5"));
    EXPECT_TRUE(f->cmdPayroll[PayrollButton::PostBonus]->isEnabled());
    type(f->txtAmount, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_TRUE(f->txtAmount->text().isEmpty());
    EXPECT_FALSE(f->cmdPayroll[PayrollButton::PostBonus]->isEnabled());
}
