#include "PrinterSupport.h"
#include "Main.h"
#include "Suppliers.h"
#include "WebPage.h"
#include "frmNewEmployee.h"
#include "frmStartup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString Circle = QStringLiteral("Circle   YES   or   NO");
const QString Underscores = QString(60, u'_');

class NewEmployeeWorksheet : public PrintingTest {
protected:
    double lineHeight(double size, bool bold, bool underline) const {
        PrintFont font;
        font.name = QStringLiteral("Ariel");
        font.face = PrintFace(font.name);
        font.size = size;
        font.bold = bold;
        font.underline = underline;
        return ThePrinter().backend().lineHeight(font);
    }

    // The texts printed at the left margin (labels and headings), in order.
    std::vector<RecordedText> leftTexts() {
        std::vector<RecordedText> left;
        for (const RecordedText& t : printer->texts)
            if (t.x == Twips(1.0f)) left.push_back(t);
        return left;
    }

    // The text printed on the same line as the given one, right of it.
    const RecordedText* besides(const RecordedText& label) {
        for (const RecordedText& t : printer->texts)
            if (t.y == label.y && t.x > label.x) return &t;
        return nullptr;
    }

    frmNewEmployee& screen = Form<frmNewEmployee>();
};

TEST_F(NewEmployeeWorksheet, ReturnListHoldsItsTwoEntriesFirstChosen) {
    ASSERT_EQ(screen.cboReturnto->count(), 2);
    EXPECT_EQ(screen.cboReturnto->itemText(0), QStringLiteral("Return Completed Form to the Office"));
    EXPECT_EQ(screen.cboReturnto->itemText(1), QStringLiteral("Return Completed Form to your Supervisor"));
    EXPECT_EQ(screen.cboReturnto->currentIndex(), 0);
    EXPECT_TRUE(screen.cboReturnto->isEditable());
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("New Employee"));
}

TEST_F(NewEmployeeWorksheet, TitleIsCentredAndEveryFieldLineStartsAtOneAndThreeAndAHalfInches) {
    dialogs->answerPrintDialog(true);
    screen.cmdNewEmp[NewEmployeeButton::PrintForm]->click();
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_EQ(printer->jobs[0].orientation, PageOrientation::Portrait);
    EXPECT_TRUE(printer->jobs[0].ended);
    EXPECT_EQ(printer->jobs[0].pages, 1);

    const RecordedText* title = printer->find(QStringLiteral("New Employee Summary"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font.size, 14);
    EXPECT_TRUE(title->font.bold && title->font.underline);
    EXPECT_DOUBLE_EQ(title->x, RecordingBackend::PortraitWidth / 2 - title->width / 2);
    EXPECT_DOUBLE_EQ(title->y, lineHeight(14, true, true));

    const QStringList expected{QStringLiteral("Personal Information"),
                               QStringLiteral("Name"),
                               QStringLiteral("Address"),
                               QStringLiteral("Apt (etc)"),
                               QStringLiteral("City"),
                               QStringLiteral("State"),
                               QStringLiteral("Zip Code"),
                               QStringLiteral("Home Phone"),
                               QStringLiteral("Cell Phone"),
                               QStringLiteral("Emegency Contact Information"),
                               QStringLiteral("Emegency Contact (Name)"),
                               QStringLiteral("Emegency Contact (Number)"),
                               QStringLiteral("Withholding Information"),
                               QStringLiteral("Social Security No"),
                               QStringLiteral("US Citizen"),
                               QStringLiteral("Marital Status"),
                               QStringLiteral("Total Dependents to Claim"),
                               QStringLiteral("Participate in 401k Plan"),
                               QStringLiteral("Participate in Insurance Plan")};
    const std::vector<RecordedText> left = leftTexts();
    QStringList printed;
    for (const RecordedText& t : left)
        printed << t.text;
    EXPECT_EQ(printed, expected);

    for (const RecordedText& t : left) {
        const bool heading = t.text.endsWith(QStringLiteral("Information"));
        EXPECT_EQ(t.font.size, heading ? 12 : 10) << t.text.toStdString();
        EXPECT_TRUE(t.font.bold) << t.text.toStdString();
        EXPECT_EQ(t.font.underline, heading) << t.text.toStdString();
        const RecordedText* line = besides(t);
        if (heading) {
            EXPECT_EQ(line, nullptr) << t.text.toStdString();
            continue;
        }
        ASSERT_NE(line, nullptr) << t.text.toStdString();
        EXPECT_EQ(line->x, Twips(3.5f));
        const bool circled =
            t.text == QStringLiteral("US Citizen") || t.text.startsWith(QStringLiteral("Participate"));
        EXPECT_EQ(line->text, circled ? Circle : Underscores) << t.text.toStdString();
    }
    // A field line, then one empty line.
    EXPECT_DOUBLE_EQ(left[2].y - left[1].y, 2 * lineHeight(10, true, false));
    EXPECT_EQ(printer->textsEqual(Underscores).size(), 13u);
    EXPECT_EQ(printer->textsEqual(Circle).size(), 3u);
    // Without the return line the page ends with the insurance line.
    EXPECT_EQ(printer->texts.back().text, Circle);
    EXPECT_EQ(printer->texts.back().y, left.back().y);
}

TEST_F(NewEmployeeWorksheet, ReturnLineIsPrintedTwoEmptyLinesBelowAtOneInch) {
    screen.ckReturn->setChecked(true);
    screen.cboReturnto->setCurrentIndex(1);
    dialogs->answerPrintDialog(true).answerPrintDialog(true);
    screen.PrintNewEmployeeForm();
    const RecordedText& last = printer->texts.back();
    EXPECT_EQ(last.text, QStringLiteral("Return Completed Form to your Supervisor"));
    EXPECT_EQ(last.x, Twips(1.0f));
    EXPECT_EQ(last.font.size, 12);
    EXPECT_TRUE(last.font.bold);
    EXPECT_FALSE(last.font.underline);
    const RecordedText& insurance = printer->texts[printer->texts.size() - 2];
    ASSERT_EQ(insurance.text, Circle);
    EXPECT_DOUBLE_EQ(last.y, insurance.y + 2 * lineHeight(10, true, false) + 2 * lineHeight(12, true, false));

    screen.cboReturnto->setEditText(QStringLiteral("Bring it to Room 12"));
    screen.PrintNewEmployeeForm();
    EXPECT_EQ(printer->texts.back().text, QStringLiteral("Bring it to Room 12"));
    EXPECT_EQ(printer->texts.back().job, 2);
}

TEST_F(NewEmployeeWorksheet, CancelledPrintDialogPrintsNothingAndSaysNothing) {
    dialogs->answerPrintDialog(false);
    screen.PrintNewEmployeeForm();
    EXPECT_TRUE(printer->jobs.empty());
    EXPECT_TRUE(printer->texts.empty());
    EXPECT_TRUE(dialogs->messages().empty());
}

TEST_F(NewEmployeeWorksheet, PrinterFailureShowsThePrintError) {
    printer->failToStart = true;
    dialogs->answerPrintDialog(true).answerPrintDialog(true);
    screen.PrintNewEmployeeForm();
    ASSERT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("A Print Error has occurred")});
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Print Error"));
    // The next job starts clean.
    screen.PrintNewEmployeeForm();
    EXPECT_DOUBLE_EQ(printer->find(QStringLiteral("New Employee Summary"))->y, lineHeight(14, true, true));
}

TEST_F(NewEmployeeWorksheet, W4MenuOpensTheFormOnlyOnYes) {
    QStringList opened;
    const UrlOpener previous = SetUrlOpener([&opened](const QString& address) { opened << address; });
    dialogs->answer(MsgAnswer::No);
    screen.mnuW4->trigger();
    EXPECT_EQ(dialogs->messages(),
              std::vector<QString>{QStringLiteral("Click YES to Prepare a W-4 Form On-line")});
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("On-Line W-4"));
    EXPECT_EQ(dialogs->shown.back().buttons, MsgButtons::YesNo);
    EXPECT_TRUE(opened.isEmpty());

    dialogs->clear();
    dialogs->answer(MsgAnswer::Yes);
    screen.mnuW4->trigger();
    EXPECT_EQ(dialogs->messages(),
              (std::vector<QString>{QStringLiteral("Click YES to Prepare a W-4 Form On-line"),
                                    QStringLiteral("Connection may take some time")}));
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("On-Line W-4"));
    EXPECT_EQ(opened, QStringList{Pages::IrsW4});
    SetUrlOpener(previous);
}

TEST_F(NewEmployeeWorksheet, MenuButtonShowsTheMainMenuAndUnloadsTheWorksheet) {
    LinkScreens();
    screen.Show();
    screen.cmdNewEmp[NewEmployeeButton::Menu]->click();
    EXPECT_FALSE(IsLoaded<frmNewEmployee>());
    EXPECT_TRUE(Form<frmStartup>().isActiveScreen());
}

} // namespace
