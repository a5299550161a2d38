#include "DataFiles.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "Main.h"
#include "PayEngine.h"
#include "RecordSupport.h"
#include "Suppliers.h"
#include "TestSupport.h"
#include "WebPage.h"
#include "frmEmployees.h"
#include "frmPayroll.h"
#include "frmStartup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using testrecords::Employee;
using testrecords::ReadEmployee;
using testrecords::WriteEmployees;

void Type(QWidget* box, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, modifiers, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

void Press(QWidget* box, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
}

class EmployeeScreen : public ProgramFolderTest {
protected:
    EmployeeScreen() {
        copyShipped(QStringLiteral("StateTaxes.txt"));
        // The state lists come from StateTaxes.txt at start-up: name, rate, maximum.
        TextInput states = OpenInput(u"/StateTaxes.txt");
        for (int k = 1; k <= StateCount; ++k) {
            screen.cboStates->addItem(states.readText());
            states.readText();
            states.readText();
        }
    }

    QLineEdit* box(int index) const { return screen.txtEmployee[index]; }
    QByteArray employeeFile() const { return readFile(QStringLiteral("/Employees.txt")); }

    // What a user fills in for a new employee before saving.
    void fillNewEmployee(const QString& name) {
        Type(box(EmployeeBox::Name), name);
        screen.cboStatus->setCurrentIndex(0);
        screen.cboDependents->setCurrentIndex(1);
        screen.cboPayStatus->setCurrentIndex(0);
        screen.cboFrequency->setCurrentIndex(0);
        box(EmployeeBox::PayRate)->setText(QStringLiteral("$15.00"));
    }

    void loadRow(int row) {
        screen.lstEmployees->setCurrentRow(row);
        screen.cmdEmployee[EmployeeButton::Load]->click();
    }

    frmEmployees& screen = Form<frmEmployees>();
};

TEST_F(EmployeeScreen, FirstEmployeeIsNumber1001AtRecord1AndTheTenthIs1010) {
    screen.Show();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("Create your 1st Employee Now")});
    EXPECT_EQ(dialogs->shown.at(0).title, QString());
    EXPECT_FALSE(screen.lblNoEmployees->isHidden());
    EXPECT_FALSE(screen.fraEmployee->isHidden());
    EXPECT_EQ(box(0)->palette().color(QPalette::Base), QColor(255, 255, 0));
    for (int n = 1; n <= 10; ++n) {
        if (n > 1) screen.cmdEmployee[EmployeeButton::CreateNew]->click();
        EXPECT_EQ(box(EmployeeBox::EmployeeNo)->text(), QString::number(1000 + n));
        fillNewEmployee(QStringLiteral("Employee %1").arg(n));
        screen.cmdEmployee[EmployeeButton::Save]->click();
    }
    EXPECT_EQ(employeeFile().size(), 10 * EmployeeRecord::Length);
    EXPECT_EQ(ReadEmployee(1).EmployeeNo.trimmed(), QStringLiteral("1001"));
    EXPECT_EQ(ReadEmployee(10).EmployeeNo.trimmed(), QStringLiteral("1010"));
    EXPECT_EQ(ReadEmployee(10).Name.trimmed(), QStringLiteral("Employee 10"));
    EXPECT_EQ(screen.lstEmployees->count(), 10);
    EXPECT_TRUE(QDir(path(QStringLiteral("/Employees/1010"))).exists());
    EXPECT_TRUE(QDir(path(QStringLiteral("/Pictures/1010"))).exists());
    EXPECT_TRUE(screen.fraEmployee->isHidden());
    EXPECT_EQ(dialogs->messages().size(), 1u);
}

TEST_F(EmployeeScreen, ListShowsEveryStoredNamePaddedInRecordOrder) {
    WriteEmployees({Employee(1, QStringLiteral("Zed Young")), Employee(2, QStringLiteral("Ann Bell"))});
    screen.Show();
    ASSERT_EQ(screen.lstEmployees->count(), 2);
    EXPECT_EQ(screen.lstEmployees->item(0)->text(), QStringLiteral("Zed Young").leftJustified(30));
    EXPECT_EQ(screen.lstEmployees->item(1)->text(), QStringLiteral("Ann Bell").leftJustified(30));
    EXPECT_TRUE(screen.lstEmployees->selectedItems().isEmpty());
    EXPECT_TRUE(screen.fraEmployee->isHidden());
    EXPECT_TRUE(screen.lblNoEmployees->isHidden());
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(EmployeeScreen, LoadingAndSavingLeavesTheRecordByteForByte) {
    EmployeeRecord first = Employee(1);
    first.YTDGross = Money::fromRaw(4610255);
    first.YTDChildSupport = Money::fromCents(707);
    first.YTD401k = Money::fromCents(909);
    first.Percent401k = 3.3f;
    first.TerminationDate = QStringLiteral("12/31/2025");
    EmployeeRecord second = Employee(2, QStringLiteral("Lee Park"));
    second.State = QStringLiteral("Ne"); // as older versions stored New York
    second.PayStatus = QStringLiteral("Flat Rate");
    second.PayFrequency = FlatRateFrequency;
    second.PayRate = QStringLiteral("$0.00");
    second.NonResident = -1;
    WriteEmployees({first, second});
    const QByteArray before = employeeFile();
    screen.Show();
    for (int row : {0, 1}) {
        loadRow(row);
        EXPECT_FALSE(screen.cmdEmployee[EmployeeButton::Load]->isEnabled());
        ASSERT_TRUE(screen.cmdEmployee[EmployeeButton::Save]->isEnabled());
        screen.cmdEmployee[EmployeeButton::Save]->click();
        EXPECT_EQ(employeeFile(), before) << "row " << row;
    }
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(EmployeeScreen, LoadedEmployeeShowsInEveryControl) {
    EmployeeRecord e = Employee(1);
    e.State = QStringLiteral("NY");
    e.MaritalStatus = 1;
    e.InsurancePerPay = Money::fromCents(2500);
    e.YTDFica = Money::fromCents(12345);
    e.TerminationDate = QStringLiteral("01/31/2026");
    WriteEmployees({e});
    screen.Show();
    loadRow(0);
    EXPECT_FALSE(screen.fraEmployee->isHidden());
    EXPECT_EQ(box(0)->text(), QStringLiteral("Pat Doe"));
    EXPECT_EQ(screen.cboStates->currentText(), QStringLiteral("New York"));
    EXPECT_EQ(screen.cboStatus->currentText(), QStringLiteral("Married"));
    EXPECT_EQ(screen.cboDependents->currentText(), QStringLiteral("2"));
    EXPECT_EQ(screen.cboPayStatus->currentText(), QStringLiteral("Hourly"));
    EXPECT_EQ(screen.cboFrequency->currentText(), QStringLiteral("Weekly"));
    EXPECT_EQ(box(EmployeeBox::PayRate)->text(), QStringLiteral("$18.50"));
    EXPECT_EQ(box(EmployeeBox::Insurance)->text(), QStringLiteral("$25.00"));
    EXPECT_EQ(box(EmployeeBox::Percent401k)->text(), QStringLiteral("3.5"));
    EXPECT_EQ(box(EmployeeBox::Label401k)->text(), QStringLiteral("401k Contribution"));
    EXPECT_EQ(box(EmployeeBox::YTDFica)->text(), QStringLiteral("$123.45"));
    EXPECT_EQ(screen.DTStart->date(), QDate(2020, 3, 2));
    EXPECT_EQ(screen.txtTermination->text(), QStringLiteral("01/31/2026"));
    EXPECT_TRUE(box(EmployeeBox::EmployeeNo)->isReadOnly());
    for (const auto& [index, field] : YearToDateBoxes)
        EXPECT_TRUE(box(index)->isReadOnly()) << index;
}

TEST_F(EmployeeScreen, NewEmployeeAfterALoadedOneStartsFromAClearedRecord) {
    EmployeeRecord loaded = Employee(1);
    for (const auto& [index, field] : YearToDateBoxes)
        loaded.*field = Money::fromCents(100 + index);
    loaded.NonResident = -1;
    loaded.TerminationDate = QStringLiteral("05/01/2026");
    WriteEmployees({loaded});
    screen.Show();
    loadRow(0);
    screen.mnuAdd->trigger();
    EXPECT_EQ(box(EmployeeBox::EmployeeNo)->text(), QStringLiteral("1002"));
    EXPECT_EQ(box(EmployeeBox::YTDGross)->text(), QStringLiteral("$0.00"));
    // No state is offered that the user did not choose.
    EXPECT_EQ(screen.cboStates->currentIndex(), -1);
    EXPECT_FALSE(screen.cmdEmployee[EmployeeButton::Save]->isEnabled());
    fillNewEmployee(QStringLiteral("New Hire"));
    EXPECT_TRUE(screen.cmdEmployee[EmployeeButton::Save]->isEnabled());
    screen.cmdEmployee[EmployeeButton::Save]->click();
    const EmployeeRecord saved = ReadEmployee(2);
    for (const auto& [index, field] : YearToDateBoxes)
        EXPECT_EQ(saved.*field, Money()) << index;
    EXPECT_EQ(saved.NonResident, 0);
    EXPECT_EQ(saved.TerminationDate.trimmed(), QString());
    EXPECT_EQ(saved.StartDate, OleDateOf(QDate(2026, 6, 15)));
    EXPECT_EQ(saved.State.trimmed(), QString()); // none chosen, none saved
    EXPECT_EQ(ReadEmployee(1).encode(), loaded.encode());
}

TEST_F(EmployeeScreen, ResettingTheListsClearsEveryChoiceTheStateIncluded) {
    EmployeeRecord e = Employee(1);
    e.MaritalStatus = 1;
    e.PayFrequency = 2;
    e.RateEffectiveDate = OleDateOf(QDate(2025, 1, 1));
    WriteEmployees({e});
    screen.Show();
    loadRow(0);
    screen.ResetEmployeeCombos();
    for (QComboBox* list :
         {screen.cboStates, screen.cboStatus, screen.cboDependents, screen.cboPayStatus, screen.cboFrequency})
        EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();
    EXPECT_EQ(screen.DTStart->date(), QDate(2026, 6, 15));
    EXPECT_EQ(screen.dtEffective->date(), QDate(2026, 6, 15));
}

TEST_F(EmployeeScreen, NameOfThirtyOneCharactersIsCutToThirty) {
    screen.Show();
    const QString name = QStringLiteral("Maximilian Bartholomew Fitzroy");
    fillNewEmployee(name + QStringLiteral("X"));
    EXPECT_EQ(box(0)->text(), name);
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(ReadEmployee(1).Name, name);
    EXPECT_EQ(screen.lstEmployees->item(0)->text(), name);
}

TEST_F(EmployeeScreen, FlatRateInEitherListSetsTheOtherAndLocksPayRate) {
    screen.Show();
    QLineEdit* payRate = box(EmployeeBox::PayRate);
    payRate->setText(QStringLiteral("$12.00"));
    screen.cboFrequency->setCurrentIndex(FlatRateFrequency);
    EXPECT_EQ(screen.cboPayStatus->currentText(), QStringLiteral("Flat Rate"));
    EXPECT_EQ(payRate->text(), QStringLiteral("$0.00"));
    EXPECT_FALSE(payRate->isEnabled());
    screen.cboPayStatus->setCurrentIndex(0);
    EXPECT_TRUE(payRate->isEnabled());

    screen.cboFrequency->setCurrentIndex(0);
    payRate->setText(QStringLiteral("$12.00"));
    screen.cboPayStatus->setCurrentIndex(FlatRateStatus);
    EXPECT_EQ(screen.cboFrequency->currentText(), QStringLiteral("Flat Rate"));
    EXPECT_EQ(payRate->text(), QStringLiteral("$0.00"));
    EXPECT_FALSE(payRate->isEnabled());
    screen.cboPayStatus->setCurrentText(QStringLiteral("Hourly"));
    EXPECT_TRUE(payRate->isEnabled());

    screen.cboFrequency->setCurrentIndex(DailyFrequency);
    EXPECT_EQ(screen.cboPayStatus->currentText(), QStringLiteral("Daily"));
    screen.cboPayStatus->setCurrentIndex(1);
    screen.cboPayStatus->setCurrentIndex(DailyStatus);
    EXPECT_EQ(screen.cboFrequency->currentText(), QStringLiteral("Daily"));
}

TEST_F(EmployeeScreen, LoadedFlatRateEmployeeHasPayRateLocked) {
    EmployeeRecord e = Employee(1);
    e.PayStatus = QStringLiteral("Flat Rate");
    e.PayFrequency = FlatRateFrequency;
    e.PayRate = QStringLiteral("$0.00");
    WriteEmployees({Employee(1, QStringLiteral("Hourly One")), e});
    screen.Show();
    loadRow(1);
    EXPECT_FALSE(box(EmployeeBox::PayRate)->isEnabled());
    loadRow(0);
    EXPECT_TRUE(box(EmployeeBox::PayRate)->isEnabled());
}

TEST_F(EmployeeScreen, MoneyBoxPassedThroughKeepsItsAmountAndRestoreBringsBackTheOneItHad) {
    EmployeeRecord e = Employee(1);
    e.InsurancePerPay = Money::fromCents(2500);
    WriteEmployees({e});
    screen.Show();
    loadRow(0);
    EXPECT_FALSE(screen.mnuRestore->isEnabled());
    screen.txtEmployee_GotFocus(EmployeeBox::Insurance);
    EXPECT_EQ(box(EmployeeBox::Insurance)->text(), QStringLiteral("$25.00"));
    EXPECT_TRUE(screen.mnuRestore->isEnabled());
    screen.txtEmployee_LostFocus(EmployeeBox::Insurance);
    EXPECT_EQ(box(EmployeeBox::Insurance)->text(), QStringLiteral("$25.00"));
    box(EmployeeBox::Insurance)->setText(QStringLiteral("30"));
    screen.txtEmployee_LostFocus(EmployeeBox::Insurance);
    EXPECT_EQ(box(EmployeeBox::Insurance)->text(), QStringLiteral("$30.00"));
    screen.mnuRestore->trigger();
    EXPECT_EQ(box(EmployeeBox::Insurance)->text(), QStringLiteral("$25.00"));
    EXPECT_FALSE(screen.mnuRestore->isEnabled());

    // Pay Rate keeps its amount in view when it gets the focus.
    screen.txtEmployee_GotFocus(EmployeeBox::PayRate);
    EXPECT_EQ(box(EmployeeBox::PayRate)->text(), QStringLiteral("$18.50"));
}

TEST_F(EmployeeScreen, RestoreWithoutARememberedMoneyBoxChangesNothing) {
    WriteEmployees({Employee(1)});
    screen.Show();
    loadRow(0);
    screen.txtEmployee_GotFocus(EmployeeBox::Name);
    EXPECT_TRUE(screen.mnuRestore->isEnabled());
    screen.mnuRestore->trigger();
    EXPECT_EQ(box(EmployeeBox::Name)->text(), QStringLiteral("Pat Doe"));
}

TEST_F(EmployeeScreen, MoneyKeysEmptyAZeroAmountAndAreFiltered) {
    screen.Show();
    QLineEdit* fee = box(EmployeeBox::SupportFee);
    EXPECT_EQ(fee->text(), QStringLiteral("$0.00"));
    Press(fee, Qt::Key_Tab);
    EXPECT_EQ(fee->text(), QStringLiteral("$0.00"));
    Type(fee, QStringLiteral("12a.345"));
    EXPECT_EQ(fee->text(), QStringLiteral("12.34"));
    Type(fee, QStringLiteral("$"), Qt::ShiftModifier);
    EXPECT_EQ(fee->text(), QString());
    Type(fee, QStringLiteral("12345678.99"));
    EXPECT_EQ(fee->text(), QStringLiteral("12345678.9"));
    // Ten typed characters shown in currency form are not cut.
    fee->setText(QStringLiteral("123456.78"));
    screen.txtEmployee_LostFocus(EmployeeBox::SupportFee);
    EXPECT_EQ(fee->text(), QStringLiteral("$123,456.78"));
}

TEST_F(EmployeeScreen, TabbingThroughTheMoneyBoxesFollowsTheirFocusRules) {
    EmployeeRecord e = Employee(1);
    e.InsurancePerPay = Money::fromCents(2500);
    WriteEmployees({e});
    screen.Show();
    screen.activateWindow();
    // Focus moves within the active window only: wait for the window to become active.
    for (int i = 0; i < 100 && QApplication::activeWindow() != &screen; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(QApplication::activeWindow(), &screen);
    loadRow(0);
    screen.cmdEmployee[EmployeeButton::TogglePersonal]->click();
    QLineEdit* insurance = box(EmployeeBox::Insurance);
    insurance->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(insurance->hasFocus());
    // Passing through keeps the amount; it comes in selected, so a typed one replaces it.
    EXPECT_EQ(insurance->text(), QStringLiteral("$25.00"));
    EXPECT_EQ(insurance->selectedText(), QStringLiteral("$25.00"));
    Press(insurance, Qt::Key_Tab);
    EXPECT_EQ(insurance->text(), QStringLiteral("$25.00"));
    QLineEdit* support = box(EmployeeBox::ChildSupport);
    ASSERT_EQ(QApplication::focusWidget(), support);
    // Emptied and left: a beep, and the box keeps the focus.
    Press(support, Qt::Key_Backspace);
    Press(support, Qt::Key_Tab);
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), support);
    Type(support, QStringLiteral("5"));
    Press(support, Qt::Key_Tab);
    EXPECT_EQ(support->text(), QStringLiteral("$5.00"));
    dialogs->answer(MsgAnswer::No);
    Press(box(EmployeeBox::SupportFee), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), box(EmployeeBox::Percent401k));
    EXPECT_EQ(dialogs->messages(),
              std::vector<QString>{QStringLiteral("Would you like to Clear Percentage?")});
    screen.mnuRestore->trigger();
    EXPECT_EQ(box(EmployeeBox::SupportFee)->text(), QStringLiteral("$0.00"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(ReadEmployee(1).InsurancePerPay, Money::fromCents(2500));
    EXPECT_EQ(ReadEmployee(1).ChildSupportPerPay, Money::fromCents(500));
}

TEST_F(EmployeeScreen, NonNumericAmountBeepsAndIsEmptied) {
    screen.Show();
    QLineEdit* support = box(EmployeeBox::ChildSupport);
    support->setText(QStringLiteral("1.2.3"));
    screen.txtEmployee_LostFocus(EmployeeBox::ChildSupport);
    EXPECT_EQ(support->text(), QString());
    EXPECT_EQ(dialogs->beeps, 1);
    AlarmsOn = false;
    support->setText(QStringLiteral("x"));
    screen.txtEmployee_LostFocus(EmployeeBox::ChildSupport);
    EXPECT_EQ(dialogs->beeps, 1);
    // Additional withholding left empty shows zero.
    box(EmployeeBox::ExtraWithholding)->clear();
    screen.txtEmployee_LostFocus(EmployeeBox::ExtraWithholding);
    EXPECT_EQ(box(EmployeeBox::ExtraWithholding)->text(), QStringLiteral("$0.00"));
}

TEST_F(EmployeeScreen, EmptyPayRateAndClearedPercentageSaveAsZero) {
    WriteEmployees({Employee(1)});
    screen.Show();
    loadRow(0);
    box(EmployeeBox::PayRate)->clear();
    dialogs->answer(MsgAnswer::Yes);
    screen.txtEmployee_GotFocus(EmployeeBox::Percent401k);
    EXPECT_EQ(dialogs->shown.back().text, QStringLiteral("Would you like to Clear Percentage?"));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Clear 401k Percentage"));
    EXPECT_EQ(box(EmployeeBox::Percent401k)->text(), QString());
    box(EmployeeBox::Insurance)->setText(QStringLiteral("n/a"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    const EmployeeRecord saved = ReadEmployee(1);
    EXPECT_EQ(saved.PayRate.trimmed(), QStringLiteral("$0.00"));
    EXPECT_EQ(saved.Percent401k, 0.0f);
    EXPECT_EQ(saved.InsurancePerPay, Money());
    EXPECT_EQ(dialogs->messages().size(), 1u);
}

TEST_F(EmployeeScreen, PercentageKeptWhenTheClearQuestionIsAnsweredNo) {
    WriteEmployees({Employee(1)});
    screen.Show();
    loadRow(0);
    dialogs->answer(MsgAnswer::No);
    screen.txtEmployee_GotFocus(EmployeeBox::Percent401k);
    EXPECT_EQ(box(EmployeeBox::Percent401k)->text(), QStringLiteral("3.5"));
}

TEST_F(EmployeeScreen, SaveWithoutAValidEmployeeNumberIsRefused) {
    WriteEmployees({Employee(1)});
    const QByteArray before = employeeFile();
    screen.Show();
    screen.mnuAdd->trigger();
    fillNewEmployee(QStringLiteral("Never Saved"));
    screen.cmdEmployee[EmployeeButton::CancelAdd]->click(); // Cancel Add New empties the number
    EXPECT_EQ(box(EmployeeBox::EmployeeNo)->text(), QString());
    EXPECT_FALSE(screen.cmdEmployee[EmployeeButton::Save]->isEnabled());
    fillNewEmployee(QStringLiteral("Never Saved"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    ASSERT_EQ(dialogs->messages().size(), 1u);
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Save Employee"));
    EXPECT_TRUE(dialogs->shown.back().text.contains(QStringLiteral("no valid Employee No.")));
    EXPECT_EQ(employeeFile(), before);
    EXPECT_FALSE(screen.fraEmployee->isHidden());
}

TEST_F(EmployeeScreen, NewEmployeeWithoutThePayRunChoicesIsRefused) {
    screen.Show();
    Type(box(0), QStringLiteral("Half Done"));
    screen.cboDependents->setCurrentIndex(0);
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(
        dialogs->shown.back().text,
        QStringLiteral("Please choose the Marital Status, Pay Status and Pay Frequency before saving."));
    EXPECT_FALSE(exists(QStringLiteral("/Employees.txt")) && !employeeFile().isEmpty());
}

TEST_F(EmployeeScreen, LoadedEmployeeSavesWhatItHoldsWithoutThePayRunChoices) {
    EmployeeRecord e = Employee(1);
    e.PayStatus = QStringLiteral("Commission"); // not a word of the list; the pay run takes it
    e.Dependents = QString();
    e.MaritalStatus = 7;
    WriteEmployees({e});
    screen.Show();
    loadRow(0);
    EXPECT_EQ(screen.cboPayStatus->currentIndex(), -1);
    EXPECT_EQ(screen.cboStatus->currentIndex(), -1);
    box(EmployeeBox::City)->setText(QStringLiteral("Peoria"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_TRUE(dialogs->shown.empty());
    const EmployeeRecord saved = ReadEmployee(1);
    EXPECT_EQ(saved.City.trimmed(), QStringLiteral("Peoria"));
    EXPECT_EQ(saved.PayStatus.trimmed(), QStringLiteral("Commission"));
    EXPECT_EQ(saved.Dependents.trimmed(), QString());
    EXPECT_EQ(saved.MaritalStatus, 7);
    EXPECT_TRUE(screen.fraEmployee->isHidden());
}

TEST_F(EmployeeScreen, PayRateOfAHundredThousandOrMoreKeepsItsCents) {
    screen.Show();
    fillNewEmployee(QStringLiteral("Top Earner"));
    box(EmployeeBox::PayRate)->setText(QStringLiteral("123456.78"));
    screen.txtEmployee_LostFocus(EmployeeBox::PayRate);
    EXPECT_EQ(box(EmployeeBox::PayRate)->text(), QStringLiteral("$123,456.78"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(ReadEmployee(1).PayRate.trimmed(), QStringLiteral("123456.78"));
    EXPECT_EQ(MoneyOf(ReadEmployee(1).PayRate), Money::fromCents(12345678));
    // Loaded and saved again, the record stays as it is.
    const QByteArray before = employeeFile();
    loadRow(0);
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(employeeFile(), before);
    EXPECT_EQ(dialogs->messages().size(), 1u); // "Create your 1st Employee Now" only
}

TEST_F(EmployeeScreen, PayRateTooLargeEvenAsPlainDigitsIsRefused) {
    WriteEmployees({Employee(1)});
    const QByteArray before = employeeFile();
    screen.Show();
    loadRow(0);
    box(EmployeeBox::PayRate)->setText(QStringLiteral("$12,345,678.91"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown.back().text, QStringLiteral("The Pay Rate is too large to be saved.\r\n"
                                                         "A Pay Rate holds at most 10 characters, such as "
                                                         "1234567.89."));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Save Employee"));
    EXPECT_EQ(employeeFile(), before);
    EXPECT_FALSE(screen.fraEmployee->isHidden());
    EXPECT_TRUE(screen.cmdEmployee[EmployeeButton::Save]->isEnabled());
}

TEST_F(EmployeeScreen, StateIsSavedAsItsPostalCode) {
    screen.Show();
    fillNewEmployee(QStringLiteral("Ny Person"));
    screen.cboStates->setCurrentText(QStringLiteral("New York"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(ReadEmployee(1).State, QStringLiteral("NY"));
}

TEST_F(EmployeeScreen, TerminationDateIsSavedAsTypedOrBlank) {
    screen.Show();
    fillNewEmployee(QStringLiteral("Still Here"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(ReadEmployee(1).TerminationDate, QString(10, u' '));
    loadRow(0);
    screen.txtTermination->setCursorPosition(0);
    Type(screen.txtTermination, QStringLiteral("06302026"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    EXPECT_EQ(ReadEmployee(1).TerminationDate, QStringLiteral("06/30/2026"));
}

TEST_F(EmployeeScreen, FrameTogglesAndThePrivacyShade) {
    WriteEmployees({Employee(1)});
    screen.Show();
    loadRow(0);
    screen.cmdEmployee[EmployeeButton::TogglePersonal]->click();
    EXPECT_FALSE(screen.fraPersonal->isHidden());
    screen.mnuTaxes->trigger();
    EXPECT_FALSE(screen.fraTaxes->isHidden());
    EXPECT_TRUE(screen.fraPersonal->isHidden());
    EXPECT_TRUE(screen.fraEmployee->isHidden());
    screen.mnuShade->trigger();
    EXPECT_FALSE(screen.fraHide->isHidden());
    EXPECT_TRUE(screen.fraTaxes->isHidden());
    EXPECT_FALSE(screen.fraEmployee->isHidden()); // under the shade
    screen.mnuPersonal->trigger();
    EXPECT_TRUE(screen.fraHide->isHidden());
    EXPECT_FALSE(screen.fraPersonal->isHidden());
    screen.mnuPersonal->trigger();
    EXPECT_TRUE(screen.fraPersonal->isHidden());
    screen.mnuTaxes->trigger();
    screen.mnuTaxes->trigger();
    EXPECT_TRUE(screen.fraTaxes->isHidden());
    EXPECT_FALSE(screen.fraEmployee->isHidden());

    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(screen.imgShade, &click);
    EXPECT_FALSE(screen.fraHide->isHidden());
    QApplication::sendEvent(screen.imgHide, &click);
    EXPECT_TRUE(screen.fraHide->isHidden());
}

TEST_F(EmployeeScreen, SpinnerMovesTheSelectionAndLoadsEachEmployee) {
    WriteEmployees({Employee(1, QStringLiteral("First")), Employee(2, QStringLiteral("Second"))});
    screen.Show();
    screen.UpDown1Up->click();
    EXPECT_TRUE(screen.fraEmployee->isHidden());
    screen.UpDown1Down->click();
    EXPECT_EQ(box(0)->text(), QStringLiteral("First"));
    screen.UpDown1Down->click();
    EXPECT_EQ(box(0)->text(), QStringLiteral("Second"));
    EXPECT_EQ(box(EmployeeBox::EmployeeNo)->text(), QStringLiteral("1002"));
    screen.UpDown1Down->click();
    EXPECT_EQ(screen.lstEmployees->currentRow(), 1);
    screen.UpDown1Up->click();
    EXPECT_EQ(box(0)->text(), QStringLiteral("First"));
    EXPECT_TRUE(screen.cmdEmployee[EmployeeButton::Save]->isEnabled());
}

TEST_F(EmployeeScreen, PhotoFromThePicturesFolderOrNoPictureFound) {
    WriteEmployees({Employee(1), Employee(2, QStringLiteral("No Photo"))});
    makeFolder(QStringLiteral("/Pictures/1001"));
    QImage photo(60, 80, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(path(QStringLiteral("/Pictures/1001/Picture.jpg")), "JPG"));
    screen.Show();
    loadRow(0);
    EXPECT_FALSE(screen.picEmployee->pixmap().isNull());
    EXPECT_TRUE(screen.lblNoPicture->isHidden());
    loadRow(1);
    EXPECT_TRUE(screen.picEmployee->pixmap().isNull());
    EXPECT_FALSE(screen.lblNoPicture->isHidden());
    EXPECT_EQ(screen.lblNoPicture->text(), QStringLiteral("No Picture Found"));
}

TEST_F(EmployeeScreen, W4MenuOpensTheFormAndMenuButtonReturnsToTheMainMenu) {
    LinkScreens();
    QString opened;
    const UrlOpener previous = SetUrlOpener([&opened](const QString& address) { opened = address; });
    WriteEmployees({Employee(1)});
    screen.Show();
    screen.mnuW4->trigger();
    EXPECT_EQ(opened, Pages::IrsW4);
    screen.cmdEmployee[EmployeeButton::Menu]->click();
    EXPECT_TRUE(screen.isHidden());
    EXPECT_TRUE(Form<frmStartup>().isActiveScreen());
    SetUrlOpener(previous);
}

TEST_F(EmployeeScreen, MenuButtonRefreshesThePayRunEmployeeList) {
    LinkScreens();
    WriteEmployees({Employee(1)});
    FlexGrid& grid = *Form<frmPayroll>().fgEmployees;
    ASSERT_TRUE(Form<frmPayroll>().LoadEmployees());
    ASSERT_EQ(grid.rows(), 2);
    screen.Show();
    screen.cmdEmployee[EmployeeButton::CreateNew]->click();
    fillNewEmployee(QStringLiteral("New Hire"));
    screen.cmdEmployee[EmployeeButton::Save]->click();
    ASSERT_EQ(ReadEmployee(2).Name.trimmed(), QStringLiteral("New Hire"));
    EXPECT_EQ(grid.rows(), 2); // not yet: the pay-run screen is refreshed on leaving
    screen.cmdEmployee[EmployeeButton::Menu]->click();
    ASSERT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.textMatrix(1, PayCol::Name), QStringLiteral("Pat Doe"));
    EXPECT_EQ(grid.textMatrix(2, PayCol::Name), QStringLiteral("New Hire"));
    EXPECT_EQ(grid.textMatrix(2, PayCol::Number), QStringLiteral("1002"));
}

} // namespace
