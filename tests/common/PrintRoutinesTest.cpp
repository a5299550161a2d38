#include "PrintRoutines.h"

#include "Globals.h"
#include "PrinterSupport.h"

namespace {

QStringList TextsOf(const std::vector<RecordedText>& texts) {
    QStringList list;
    for (const RecordedText& t : texts)
        list << t.text;
    return list;
}

void SetBusiness(const QString& address2) {
    BusinessName = QStringLiteral("Harbor Lane Bakery");
    BusinessAddress = QStringLiteral("12 Harbor Lane");
    BusinessAddress2 = address2;
    BusinessCity = QStringLiteral("Springfield");
    BusinessState = QStringLiteral("IL");
    BusinessZip = QStringLiteral("62701");
    BusinessPhone = QStringLiteral("(217) 555-0100");
}

} // namespace

using PrintRoutinesTest = PrintingTest;

TEST_F(PrintRoutinesTest, PositionOfZeroOrLessLeavesThatCoordinate) {
    Printer& p = ThePrinter();
    p.setCurrentX(777);
    p.setCurrentY(100);
    SetPrintPosition(0, 2.5f);
    EXPECT_EQ(p.currentX(), 777);
    EXPECT_EQ(p.currentY(), 3600);

    SetPrintPosition(1.5f, 0);
    EXPECT_EQ(p.currentX(), 2160);
    EXPECT_EQ(p.currentY(), 3600);

    SetPrintPosition(-1, -1);
    EXPECT_EQ(p.currentX(), 2160);
    EXPECT_EQ(p.currentY(), 3600);

    SetPrintPosition(5.4f, 5.2f);
    EXPECT_NEAR(p.currentX(), 7776, 0.01);
    EXPECT_NEAR(p.currentY(), 7488, 0.01);
}

TEST_F(PrintRoutinesTest, SetupPrinterGivesLandscapeForAnyWordButPortrait) {
    Printer& p = ThePrinter();
    SetupPrinter(QStringLiteral("Portrait"));
    EXPECT_EQ(p.orientation(), PageOrientation::Portrait);
    for (const QString& word : {QStringLiteral("Landscape"), QStringLiteral("portrait"), QString()}) {
        SetupPrinter(QStringLiteral("Portrait"));
        SetupPrinter(word);
        EXPECT_EQ(p.orientation(), PageOrientation::Landscape) << word.toStdString();
    }
}

TEST_F(PrintRoutinesTest, SetupPrinterResetsTheFontAndTakesTheDialogsCopies) {
    dialogs->answerPrintDialog(true, 3);
    ShowPrinterDialog();
    Printer& p = ThePrinter();
    p.setCopies(1);
    SetPrintFont(14, true, true);
    SetupPrinter(QStringLiteral("Portrait"));

    EXPECT_EQ(p.fontName(), QStringLiteral("Ariel"));
    EXPECT_EQ(p.fontSize(), 10);
    EXPECT_FALSE(p.fontBold());
    EXPECT_FALSE(p.fontUnderline());
    EXPECT_EQ(p.copies(), 3);
    p.print(QStringLiteral("x"));
    EXPECT_EQ(printer->jobs.at(0).copies, 3);
}

TEST_F(PrintRoutinesTest, CancelledPrintDialogRaisesPrintCancelled) {
    dialogs->answerPrintDialog(false);
    EXPECT_THROW(ShowPrinterDialog(), PrintCancelled);
    EXPECT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, ScriptedDialogs::Kind::PrintDialog);
    EXPECT_EQ(ThePrinter().copies(), 1);

    dialogs->answerPrintDialog(false);
    EXPECT_EQ(RunPrintJob(
                  [] {
                      ShowPrinterDialog();
                      ThePrinter().print(QStringLiteral("never printed"));
                  },
                  QStringLiteral("The Payroll will not be Printed")),
              PrintOutcome::Cancelled);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("The Payroll will not be Printed")});
    EXPECT_TRUE(printer->texts.empty());
}

TEST_F(PrintRoutinesTest, SetPrintFontKeepsTheSizeForZero) {
    Printer& p = ThePrinter();
    SetPrintFont(14, true, true);
    SetPrintFont(0, false, true);
    EXPECT_EQ(p.fontSize(), 14);
    EXPECT_FALSE(p.fontBold());
    EXPECT_TRUE(p.fontUnderline());
    SetPrintFont(6, true, false);
    EXPECT_EQ(p.fontSize(), 6);
    EXPECT_TRUE(p.fontBold());
    EXPECT_FALSE(p.fontUnderline());
}

TEST_F(PrintRoutinesTest, BusinessHeadingHasFourLinesWithoutSecondAddress) {
    SetBusiness(QString());
    SetPrintPosition(3.0f, 1.0f);
    PrintBusinessHeading(1.0f);

    EXPECT_EQ(TextsOf(printer->texts),
              (QStringList{QStringLiteral("Harbor Lane Bakery"), QStringLiteral("12 Harbor Lane"),
                           QStringLiteral("Springfield, IL 62701"), QStringLiteral("(217) 555-0100")}));
    const double line = ThePrinter().textHeight(QString());
    for (size_t i = 0; i < printer->texts.size(); ++i) {
        EXPECT_EQ(printer->texts[i].x, 1440);
        EXPECT_DOUBLE_EQ(printer->texts[i].y, 1440 + static_cast<double>(i) * line);
    }
    EXPECT_DOUBLE_EQ(ThePrinter().currentY(), 1440 + 4 * line);
}

TEST_F(PrintRoutinesTest, BusinessHeadingHasFiveLinesWithSecondAddress) {
    SetBusiness(QStringLiteral("Suite 4"));
    PrintBusinessHeading(0.5f);
    ASSERT_EQ(printer->texts.size(), 5u);
    EXPECT_EQ(printer->texts[2].text, QStringLiteral("Suite 4"));
    for (const RecordedText& t : printer->texts)
        EXPECT_EQ(t.x, 720);
}

TEST_F(PrintRoutinesTest, PayeeBlockPositionsAndFont) {
    SetPrintFont(6, false, true);
    PrintPayeeBlock(QDate(2026, 6, 5), QStringLiteral("Dana Whitfield   "), QStringLiteral(" 48 Elm Street "),
                    QStringLiteral("Springfield  "), QStringLiteral("IL "), QStringLiteral("62704 "),
                    Money::fromCents(123456));

    ASSERT_EQ(printer->texts.size(), 5u);
    const auto& t = printer->texts;
    EXPECT_EQ(t[0].text, QStringLiteral("6/5/2026"));
    EXPECT_NEAR(t[0].x, Twips(5.4f), 0.01);
    EXPECT_NEAR(t[0].y, Twips(5.2f), 0.01);
    EXPECT_EQ(t[1].text, QStringLiteral("$1,234.56"));
    EXPECT_EQ(t[1].x, 10080);
    EXPECT_EQ(t[1].y, t[0].y);
    EXPECT_EQ(t[2].text, QStringLiteral("Dana Whitfield"));
    EXPECT_EQ(t[2].x, 1440);
    EXPECT_EQ(t[2].y, 7920);
    EXPECT_EQ(t[3].text, QStringLiteral("48 Elm Street"));
    EXPECT_EQ(t[4].text, QStringLiteral("Springfield, IL 62704"));
    const double line = ThePrinter().textHeight(QString());
    for (size_t i = 2; i < t.size(); ++i) {
        EXPECT_EQ(t[i].x, 1440);
        EXPECT_DOUBLE_EQ(t[i].y, 7920 + static_cast<double>(i - 2) * line);
    }
    for (const RecordedText& text : t) {
        EXPECT_EQ(text.font.size, 10);
        EXPECT_TRUE(text.font.bold);
        EXPECT_FALSE(text.font.underline);
    }
}

TEST_F(PrintRoutinesTest, WrappedTextWithoutBlanksPrintsOnOneLine) {
    const QString text = QString(200, u'W');
    PrintWrapped(1440, 1800, 7200, 720, text);
    ASSERT_EQ(printer->texts.size(), 1u);
    EXPECT_EQ(printer->texts[0].text, text);
    EXPECT_EQ(printer->texts[0].x, 1440);
    EXPECT_EQ(printer->texts[0].y, 1800);
}

TEST_F(PrintRoutinesTest, WrappedParagraphFitsWithinWidthLessTwenty) {
    const QString text = QStringLiteral(
        "Thank you for your hard work this quarter. Payday moves to Friday from next month, and the "
        "holiday schedule is posted in the break room beside the time clock.");
    const std::int16_t width = 2880;
    PrintWrapped(1440, 1800, width, 720, text);

    ASSERT_GT(printer->texts.size(), 2u);
    const double line = ThePrinter().textHeight(QString());
    QString joined;
    for (size_t i = 0; i < printer->texts.size(); ++i) {
        const RecordedText& t = printer->texts[i];
        EXPECT_EQ(t.x, 1440);
        EXPECT_DOUBLE_EQ(t.y, 1800 + static_cast<double>(i) * line);
        EXPECT_LE(t.width, width - 20) << t.text.toStdString();
        if (i + 1 < printer->texts.size()) {
            EXPECT_TRUE(t.text.endsWith(u' ')) << t.text.toStdString();
            // The line is as long as fits: one more word would have been too wide.
            const QString next = printer->texts[i + 1].text.section(u' ', 0, 0) + u' ';
            EXPECT_GT(ThePrinter().textWidth(t.text + next), width - 20);
        }
        joined += t.text;
    }
    EXPECT_EQ(joined, text);
}

TEST_F(PrintRoutinesTest, WordWiderThanTheLinePrintsAloneAndPrintingGoesOn) {
    const QString longWord = QStringLiteral("Supercalifragilisticexpialidocious");
    PrintWrapped(720, 0, 1440, 0, QStringLiteral("See ") + longWord + QStringLiteral(" and ") + longWord);
    EXPECT_EQ(TextsOf(printer->texts),
              (QStringList{QStringLiteral("See "), longWord + u' ', QStringLiteral("and "), longWord}));

    printer->texts.clear();
    PrintWrapped(720, 0, 1440, 0, longWord + QStringLiteral("   ok"));
    EXPECT_EQ(TextsOf(printer->texts), (QStringList{longWord + u' ', QStringLiteral("ok")}));
}

TEST_F(PrintRoutinesTest, WrappedEmptyTextPrintsNothingAndSetsTheTop) {
    PrintWrapped(1440, 2000, 7200, 720, QString());
    EXPECT_TRUE(printer->texts.empty());
    EXPECT_EQ(ThePrinter().currentY(), 2000);
}

TEST_F(PrintRoutinesTest, LastWordThatDoesNotFitStartsTheNextLine) {
    const auto width = static_cast<std::int16_t>(ThePrinter().textWidth(QStringLiteral("Paid in ")) + 21);
    PrintWrapped(1440, 0, width, 720, QStringLiteral("Paid in full"));
    EXPECT_EQ(TextsOf(printer->texts), (QStringList{QStringLiteral("Paid in "), QStringLiteral("full")}));
}
