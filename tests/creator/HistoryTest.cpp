#include "CreatorFixture.h"

#include "DataFileNames.h"
#include "Dates.h"
#include "FlexGrid.h"
#include "HistorySheet.h"
#include "PayFiles.h"
#include "frmHistory.h"
#include "frmStartup.h"

#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace AuxCol = creator::AuxCol;
using creator::frmHistory;
namespace HistoryButton = creator::HistoryButton;
namespace HistoryCol = creator::HistoryCol;

namespace {

Money Cents(std::int64_t cents) {
    return Money::fromCents(cents);
}

class HistoryTest : public CreatorTest {
protected:
    // The creator started on three employees, the second with $6,500.00 of wages this year
    // stored in its totals but no pay record: its bases count only the pay records.
    frmHistory& open() {
        EmployeeRecord second = testrecords::Employee(2, QStringLiteral("Ben Cole"));
        second.YTDGross = Cents(650000);
        testrecords::WriteEmployees({testrecords::Employee(1, QStringLiteral("Ada Brook")), second,
                                     testrecords::Employee(3, QStringLiteral("Cy Dunn"))});
        creator::Main();
        creator::ShowOptionScreen(creator::MenuOption::GroupSummary);
        return Form<frmHistory>();
    }
    static void click(frmHistory& h, FlexGrid* grid, int row, int col) {
        grid->setRow(row);
        grid->setCol(col);
        if (grid == h.fgEmployees)
            h.fgEmployees_Click(row, col);
        else
            h.fgAux_Click(row, col);
    }
    static void post(frmHistory& h, const QString& text) {
        h.txtAmount->setText(text);
        h.cmdPayroll->click();
    }
    QByteArray payRecords(const char* number) const {
        return readFile(QStringLiteral("Employees/%1/PayRecords.txt").arg(QLatin1String(number)));
    }
};

PayRecord Pay(const char* name, const char* number, const char* hours, std::array<std::int64_t, 11> cents) {
    PayRecord p;
    p.PayDate = OleDateOf(QDate(2026, 1, 31));
    p.EmployeeName = QString::fromLatin1(name);
    p.EmployeeNo = QString::fromLatin1(number);
    p.Hours = QString::fromLatin1(hours);
    Money* amounts[] = {&p.Gross, &p.FederalTax, &p.ExtraFederal, &p.Fica, &p.Medicare, &p.StateTax,
                        &p.LocalTax, &p.ChildSupport, &p.SupportFee, &p.Deduction401k, &p.Insurance};
    for (std::size_t i = 0; i < cents.size(); ++i)
        *amounts[i] = Cents(cents[i]);
    return p;
}

} // namespace

TEST_F(HistoryTest, TheGridsListEveryEmployeeWithTheirHeadingsAndZeroEntries) {
    frmHistory& h = open();
    EXPECT_EQ(h.windowTitle(), QStringLiteral("Monthly Summary Entry"));
    EXPECT_EQ(h.settingsName(), QStringLiteral("Brindle"));
    EXPECT_EQ(h.fgEmployees->rows(), 5);
    EXPECT_EQ(h.fgAux->rows(), 5);
    EXPECT_EQ(h.fgEmployees->textMatrix(0, HistoryCol::Federal), QStringLiteral("Federal Tax  "));
    EXPECT_EQ(h.fgAux->textMatrix(0, AuxCol::Deduction401k), QStringLiteral("  401k Deduction"));
    EXPECT_EQ(h.fgEmployees->colAlignment(HistoryCol::Gross) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(h.fgEmployees->textMatrix(2, HistoryCol::Name), QStringLiteral("Ben Cole"));
    EXPECT_EQ(h.fgAux->textMatrix(3, AuxCol::EmpNo), QStringLiteral("1003"));
    EXPECT_EQ(h.fgEmployees->textMatrix(4, HistoryCol::Name), QStringLiteral("Totals"));
    EXPECT_EQ(h.fgEmployees->textMatrix(1, HistoryCol::Hours), QStringLiteral("0"));
    EXPECT_EQ(h.fgAux->textMatrix(4, AuxCol::Insurance), QStringLiteral("$0.00"));
    EXPECT_EQ(h.DTPicker1->date(), QDate(2026, 1, 31));
    EXPECT_EQ(h.DTPicker1->maximumDate(), QDate(2026, 6, 14));
    EXPECT_FALSE(h.fgAux->isVisible());
}

// Three employees' month posted cell by cell, calculated and saved: the pay records and the
// summary record are the shared layouts' bytes, and the main program's totals take them in.
TEST_F(HistoryTest, AMonthOfThreeEmployeesIsSavedAsPayRecordsAndOneSummary) {
    frmHistory& h = open();
    const std::vector<std::vector<const char*>> employeeRows = {
        {"120.00", "10", "62.00", "14.50", "30", "5", "160", "1000"},
        {"200", "", "124", "29", "60", "0", "173.33", "2000"},
        {"45.50", "0", "31", "7.25", "15", "2.50", "80", "500"}};
    const std::vector<std::vector<const char*>> auxRows = {
        {"0", "0", "35", "20"}, {"50", "2", "0", "40"}, {"", "", "", "10"}};
    click(h, h.fgEmployees, 1, HistoryCol::Federal);
    EXPECT_EQ(h.lblCreating->text(), QStringLiteral("Enter Federal Tax   for Ada Brook"));
    for (const auto& row : employeeRows)
        for (const char* value : row)
            post(h, QString::fromLatin1(value));
    // After the last gross the deductions follow, from the first employee's first one.
    ASSERT_TRUE(h.fgAux->isVisible());
    EXPECT_EQ(h.fgAux->row(), 1);
    EXPECT_EQ(h.fgAux->col(), AuxCol::ChildSupport);
    for (const auto& row : auxRows)
        for (const char* value : row)
            post(h, QString::fromLatin1(value));
    EXPECT_TRUE(h.fgEmployees->isVisible());
    EXPECT_EQ(h.fgEmployees->textMatrix(4, HistoryCol::Fica), QStringLiteral("$434.00"));
    EXPECT_EQ(h.fgEmployees->textMatrix(4, HistoryCol::Hours), QStringLiteral("413.33"));
    EXPECT_EQ(h.fgAux->textMatrix(4, AuxCol::Insurance), QStringLiteral("$70.00"));
    // Pressing Calculate again changes nothing.
    h.cmdHistory[HistoryButton::Calculate]->click();
    EXPECT_EQ(h.sheet().Futa, Cents(2100));
    EXPECT_EQ(h.sheet().Suta, Cents(9450));

    dialogs->answer(MsgAnswer::Yes);
    h.cmdHistory[HistoryButton::Save]->click();
    EXPECT_EQ(dialogs->messages().back(), QStringLiteral("The Payroll Summary Record has been written"));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Record Written"));

    EXPECT_EQ(payRecords("1001"),
              Pay("Ada Brook", "1001", "160", {100000, 12000, 1000, 6200, 1450, 3000, 500, 0, 0, 3500, 2000}).encode());
    EXPECT_EQ(payRecords("1002"), Pay("Ben Cole", "1002", "173.33",
                                      {200000, 20000, 0, 12400, 2900, 6000, 0, 5000, 200, 0, 4000})
                                      .encode());
    EXPECT_EQ(payRecords("1003"),
              Pay("Cy Dunn", "1003", "80", {50000, 4550, 0, 3100, 725, 1500, 250, 0, 0, 0, 1000}).encode());
    SummaryRecord summary;
    summary.PayDate = OleDateOf(QDate(2026, 1, 31));
    summary.TotalWages = Cents(350000);
    summary.TotalFederal = Cents(36550);
    summary.TotalExtraFederal = Cents(1000);
    summary.TotalFica = Cents(43400);
    summary.TotalMedicare = Cents(10150);
    summary.TotalState = Cents(10500);
    summary.TotalLocal = Cents(750);
    summary.TotalFuta = Cents(2100);
    summary.TotalSuta = Cents(9450);
    summary.TotalChildSupport = Cents(5000);
    summary.TotalSupportFees = Cents(200);
    summary.Total401k = Cents(3500);
    summary.TotalInsurance = Cents(7000);
    EXPECT_EQ(readFile(QStringLiteral("SummaryRecords.txt")), summary.encode());

    // The screen is ready for the next month; a second Save has nothing to write.
    EXPECT_EQ(h.DTPicker1->date(), QDate(2026, 2, 28));
    EXPECT_EQ(h.fgEmployees->textMatrix(1, HistoryCol::Gross), QStringLiteral("$0.00"));
    h.cmdHistory[HistoryButton::Save]->click();
    EXPECT_EQ(dialogs->messages().back(), QStringLiteral("There are no entries to Save"));
    EXPECT_EQ(readFile(QStringLiteral("SummaryRecords.txt")).size(), SummaryRecord::Length);
    EXPECT_EQ(payRecords("1001").size(), PayRecord::Length);

    // The main program's start-up rebuild finds the period in the year's totals.
    MakeYTDs(Today());
    const EmployeeRecord second = testrecords::ReadEmployee(2);
    EXPECT_EQ(second.YTDGross, Cents(200000));
    EXPECT_EQ(second.YTDFica, Cents(12400));
    EXPECT_EQ(second.YTDChildSupport, Cents(5000));
    EXPECT_EQ(second.YTDInsurance, Cents(4000));
}

TEST_F(HistoryTest, PostingRulesForTheEntryBox) {
    frmHistory& h = open();
    // Not a number: beep, box emptied, cell unchanged.
    click(h, h.fgEmployees, 1, HistoryCol::Gross);
    post(h, QStringLiteral("12x"));
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(h.txtAmount->text(), QString());
    EXPECT_EQ(h.fgEmployees->textMatrix(1, HistoryCol::Gross), QStringLiteral("$0.00"));
    // An empty post writes the zero text, in the hours column too.
    click(h, h.fgEmployees, 1, HistoryCol::Hours);
    post(h, QString());
    EXPECT_EQ(h.fgEmployees->textMatrix(1, HistoryCol::Hours), QStringLiteral("$0.00"));
    EXPECT_EQ(h.fgEmployees->col(), HistoryCol::Gross);
    // The name and number columns and the Totals row take no post.
    for (const auto& [row, col] : {std::pair{1, HistoryCol::Name}, {2, HistoryCol::EmpNo}, {4, HistoryCol::Fica}}) {
        const QString before = h.fgEmployees->textMatrix(row, col);
        click(h, h.fgEmployees, row, col);
        post(h, QStringLiteral("5"));
        EXPECT_EQ(h.fgEmployees->textMatrix(row, col), before) << row << "," << col;
    }
    EXPECT_EQ(dialogs->beeps, 4);
    // Each refusal says why, not with a beep alone.
    const std::vector<QString> messages = dialogs->messages();
    ASSERT_GE(messages.size(), 4u);
    const std::vector<QString> refusals(messages.end() - 4, messages.end());
    EXPECT_TRUE(refusals[0].startsWith(QStringLiteral("Only a number can be posted.")));
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(refusals[static_cast<std::size_t>(i)].startsWith(QStringLiteral("Only an employee's figures")));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Post"));
    // Both shares of FICA and Medicare in the totals; the employee's share in the row.
    click(h, h.fgEmployees, 3, HistoryCol::Fica);
    post(h, QStringLiteral("10"));
    post(h, QStringLiteral("2.5"));
    EXPECT_EQ(h.fgEmployees->textMatrix(3, HistoryCol::Medicare), QStringLiteral("$2.50"));
    EXPECT_EQ(h.fgEmployees->textMatrix(4, HistoryCol::Fica), QStringLiteral("$20.00"));
    EXPECT_EQ(h.fgEmployees->textMatrix(4, HistoryCol::Medicare), QStringLiteral("$5.00"));

    // Clear asks first; No keeps the entries.
    dialogs->answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    h.cmdHistory[HistoryButton::Clear]->click();
    EXPECT_EQ(h.fgEmployees->textMatrix(3, HistoryCol::Fica), QStringLiteral("$10.00"));
    h.cmdHistory[HistoryButton::Clear]->click();
    EXPECT_EQ(h.fgEmployees->textMatrix(3, HistoryCol::Fica), QStringLiteral("$0.00"));
    EXPECT_EQ(h.fgEmployees->textMatrix(4, HistoryCol::Fica), QStringLiteral("$0.00"));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Delete Payroll"));
}

// A new user's first figure is posted where it belongs, and the deductions grid is blue.
TEST_F(HistoryTest, TheScreenOpensOnTheFirstFigureAndTheAuxGridIsBlue) {
    frmHistory& h = open();
    EXPECT_EQ(h.fgEmployees->row(), 1);
    EXPECT_EQ(h.fgEmployees->col(), HistoryCol::Federal);
    EXPECT_EQ(h.focusWidget(), h.txtAmount);
    EXPECT_EQ(h.lblCreating->text(), QStringLiteral("Enter Federal Tax   for Ada Brook"));
    post(h, QStringLiteral("12.5"));
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(h.fgEmployees->textMatrix(1, HistoryCol::Federal), QStringLiteral("$12.50"));

    h.cmdHistory[HistoryButton::ToggleAux]->click();
    QWidget* viewport = h.fgAux->view()->viewport();
    const QImage shown = viewport->grab().toImage();
    EXPECT_EQ(shown.pixelColor(viewport->width() - 3, viewport->height() - 3), QColor(0, 0, 255));
}

TEST_F(HistoryTest, SuccessiveSavesDateThePeriodsMonthByMonth) {
    frmHistory& h = open();
    for (const QDate expected : {QDate(2026, 2, 28), QDate(2026, 3, 28)}) {
        click(h, h.fgEmployees, 1, HistoryCol::Gross);
        post(h, QStringLiteral("100"));
        dialogs->answer(MsgAnswer::Yes);
        h.cmdHistory[HistoryButton::Save]->click();
        EXPECT_EQ(h.DTPicker1->date(), expected);
    }
    EXPECT_EQ(RecordCount(SummaryRecordsFile, SummaryRecord::Length), 2);
    // A No to the question writes nothing.
    click(h, h.fgEmployees, 1, HistoryCol::Gross);
    post(h, QStringLiteral("100"));
    dialogs->answer(MsgAnswer::No);
    h.cmdHistory[HistoryButton::Save]->click();
    EXPECT_EQ(RecordCount(SummaryRecordsFile, SummaryRecord::Length), 2);
}

// Pay that crosses a wage base is taxed up to the base, as in the main program's pay run;
// the wages before it are the pay records on file earlier in the year.
TEST_F(CreatorTest, UnemploymentTaxesTakeThePartOfThePayUnderTheWageBase) {
    struct Case {
        std::int64_t ytdCents;
        std::int64_t grossCents;
        const char* maximum;
        std::int64_t futaRaw;
    };
    const Case cases[] = {{650000, 60000, "$7,000.00", 30000},  {650000, 40000, "$7,000.00", 24000},
                          {700000, 40000, "$7,000.00", 0},      {0, 40000, "None", 24000},
                          {690000, 12345, "$7,000.00", 6000},   {0, 12345, "$7,000.00", 7407}};
    std::array<QString, 11> variables;
    variables[TaxBox::FutaRate] = QStringLiteral("0.60%");
    variables[TaxBox::StateUnemploymentRate] = QStringLiteral("0.00%");
    testrecords::WriteEmployees({testrecords::Employee(1)});
    for (const Case& c : cases) {
        QFile::remove(DataPath(PayRecordsFile(QStringLiteral("1001"))));
        if (c.ytdCents != 0)
            testrecords::AppendPayRecords(QStringLiteral("1001"),
                                          {testrecords::Paycheck(QDate(2026, 1, 15), Money::fromCents(c.ytdCents))});
        creator::HistorySheet sheet;
        sheet.Load();
        sheet.main[1][HistoryCol::Gross] = CurrencyText(Money::fromCents(c.grossCents));
        variables[TaxBox::FutaMaximum] = QString::fromLatin1(c.maximum);
        sheet.Calculate(variables, OleDateOf(QDate(2026, 1, 31)));
        EXPECT_EQ(sheet.Futa, Money::fromRaw(c.futaRaw)) << c.ytdCents << " + " << c.grossCents;
    }
}

TEST_F(HistoryTest, TheEntryBoxThePointerAndTheHelp) {
    frmHistory& h = open();
    h.show();
    const auto type = [&h](Qt::Key key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(h.txtAmount, &press);
    };
    // A box showing zero empties at the first key; letters and a second point are refused.
    click(h, h.fgEmployees, 1, HistoryCol::Gross);
    ASSERT_EQ(h.txtAmount->text(), QStringLiteral("$0.00"));
    for (const auto& [key, text] : {std::pair{Qt::Key_1, "1"}, {Qt::Key_A, "a"}, {Qt::Key_Period, "."},
                                    {Qt::Key_5, "5"}, {Qt::Key_Period, "."}})
        type(key, QString::fromLatin1(text));
    EXPECT_EQ(h.txtAmount->text(), QStringLiteral("1.5"));
    // Left empty, it shows zero again.
    h.txtAmount->clear();
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(h.txtAmount, &out);
    EXPECT_EQ(h.txtAmount->text(), QStringLiteral("$0.00"));

    // The pointer blinks until the user picks a date.
    EXPECT_TRUE(h.Timer1->isActive());
    const bool shown = h.Image2->isVisible();
    h.Timer1_Timer();
    EXPECT_NE(h.Image2->isVisible(), shown);
    h.DTPicker1->setDate(QDate(2026, 2, 28));
    EXPECT_FALSE(h.Timer1->isActive());
    EXPECT_FALSE(h.Image2->isVisible());

    EXPECT_FALSE(h.fraHelp->isVisible());
    h.mnuHelp->trigger();
    EXPECT_TRUE(h.fraHelp->isVisible());
    EXPECT_EQ(h.fraHelp->title(), QStringLiteral("Monthly Summary Help"));
    h.cmdHistory[HistoryButton::ToggleAux]->click();
    EXPECT_TRUE(h.fgAux->isVisible());
    EXPECT_FALSE(h.fgEmployees->isVisible());
}
