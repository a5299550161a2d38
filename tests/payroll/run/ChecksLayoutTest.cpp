// The pages of the paychecks: stubs, check body, pay-slip address, memo band and photo.
#include "Checks.h"

#include "DataFiles.h"
#include "PaintingPrinter.h"
#include "PrintRoutines.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QColor Blue(0, 0, 255);

class ChecksLayoutTest : public PrintingTest {
protected:
    ChecksLayoutTest() {
        page.row = 1;
        page.employee = testrecords::Employee(1, QStringLiteral("Ann Able"));
        page.employee.Address2 = QStringLiteral("Apt 4");
        page.employee.SSN = QStringLiteral("123-45-6789");
        page.employee.YTDGross = Money::fromCents(1234500);
        page.employee.YTDLocal = Money::fromCents(777);
        page.employee.YTD401k = Money::fromCents(40000);
        page.employee.YTDInsurance = Money::fromCents(24000);
        page.employeeNo = QStringLiteral("1001");
        page.hours = QStringLiteral("42.5");
        page.taxes = {QStringLiteral("$60.00"), QStringLiteral("$5.00"),  QStringLiteral("$49.60"),
                      QStringLiteral("$11.60"), QStringLiteral("$24.00"), QStringLiteral("$3.00")};
        page.gross = Money::fromRaw(8001250);
        page.netPay = Money::fromCents(56280);
        page.deduction401k = QStringLiteral("$40.00");
        page.childSupport = QStringLiteral("$25.00");
        page.supportFee = QStringLiteral("$2.00");
        page.insurance = QStringLiteral("$20.00");
        page.periodEnding = QDate(2026, 6, 12);
        page.checkDate = QDate(2026, 6, 15);
    }
    const RecordedText& At(const QString& text) {
        const RecordedText* found = printer->find(text);
        EXPECT_NE(found, nullptr) << text.toStdString();
        static const RecordedText none;
        return found ? *found : none;
    }
    static double LineHeight(double size, bool bold) {
        Printer& p = ThePrinter();
        p.setFontSize(size);
        p.setFontBold(bold);
        return p.textHeight(QString());
    }
    std::vector<RecordedText> AtX(float inches) {
        std::vector<RecordedText> found;
        for (const RecordedText& t : printer->texts)
            if (t.x == Twips(inches)) found.push_back(t);
        return found;
    }

    PayPage page;
};

} // namespace

TEST_F(ChecksLayoutTest, StubHeaderNamesTheEmployeeThePeriodAndTheCopy) {
    PrintPaySlip(0.5f, page);
    const RecordedText& name = At(QStringLiteral("Ann Able"));
    EXPECT_EQ(name.x, Twips(2.75f));
    EXPECT_EQ(name.y, Twips(0.5f));
    EXPECT_EQ(name.font.size, 10);
    EXPECT_TRUE(name.font.bold);
    const RecordedText& period = At(QStringLiteral("Pay Period Ending: 6/12/2026"));
    EXPECT_EQ(period.x, Twips(6.0f));
    EXPECT_EQ(period.y, name.y);
    const double line = LineHeight(10, true);
    const RecordedText& address = At(QStringLiteral("12 Elm Street"));
    EXPECT_EQ(address.x, Twips(2.75f));
    EXPECT_DOUBLE_EQ(address.y, name.y + line);
    EXPECT_EQ(At(QStringLiteral("(Employee Copy)")).y, address.y);
    EXPECT_EQ(At(QStringLiteral("(Employee Copy)")).x, Twips(6.0f));
    EXPECT_DOUBLE_EQ(At(QStringLiteral("Apt 4")).y, name.y + 2 * line);
    EXPECT_DOUBLE_EQ(At(QStringLiteral("Springfield, IL 62701")).y, name.y + 3 * line);

    PrintPaySlip(7.0f, page);
    EXPECT_EQ(At(QStringLiteral("(File Copy)")).y, Twips(7.0f) + line);
}

TEST_F(ChecksLayoutTest, BlankAddress2AndCityLeaveATwoLineHeader) {
    page.employee.Address2 = QStringLiteral("     ");
    page.employee.City.clear();
    PrintPaySlip(0.5f, page);
    EXPECT_EQ(AtX(2.75f).size(), 2u);
    EXPECT_EQ(printer->find(QStringLiteral(", IL 62701")), nullptr);
}

TEST_F(ChecksLayoutTest, HeadingsStandAnInchAndAHalfBelowTheStubTopInSixPointBold) {
    PrintPaySlip(0.5f, page);
    const RecordedText& first = At(QStringLiteral("Emp No."));
    EXPECT_EQ(first.x, Twips(0.5f));
    EXPECT_EQ(first.y, Twips(2.0f));
    EXPECT_EQ(first.font.size, 6);
    EXPECT_TRUE(first.font.bold);
    const char* row1[] = {"Hours", "Net Pay",  "Gross Pay", "FIT",      "Add'l FIT",
                          "FICA",  "Medicare", "State Tax", "Local Tax"};
    const float x1[] = {1.0f, 1.8f, 2.6f, 3.6f, 4.4f, 5.2f, 6.0f, 6.8f, 7.6f};
    for (int i = 0; i < 9; ++i) {
        const RecordedText& t = At(QString::fromUtf8(row1[i]));
        EXPECT_EQ(t.x, Twips(x1[i])) << row1[i];
        EXPECT_EQ(t.y, first.y) << row1[i];
    }
    EXPECT_EQ(At(QStringLiteral("Net Pay")).colour, Blue);
    EXPECT_EQ(At(QStringLiteral("FIT")).colour, QColor(Qt::black));
    const double line = LineHeight(6, true);
    const char* row2[] = {"SSN",       "Gross(YTD)", "FIT(YTD)",   "Add'l (YTD)",
                          "FICA(YTD)", "Med(YTD)",   "State(YTD)", "Local(YTD)"};
    const float x2[] = {1.8f, 2.6f, 3.6f, 4.4f, 5.2f, 6.0f, 6.8f, 7.6f};
    for (int i = 0; i < 8; ++i) {
        const RecordedText& t = At(QString::fromUtf8(row2[i]));
        EXPECT_EQ(t.x, Twips(x2[i])) << row2[i];
        EXPECT_DOUBLE_EQ(t.y, first.y + line) << row2[i];
    }
    ASSERT_EQ(printer->lines.size(), 2u);
    const RecordedLine& rule = printer->lines[0];
    EXPECT_EQ(rule.from, QPointF(720, first.y + 2 * line));
    EXPECT_EQ(rule.to, QPointF(14760, first.y + 2 * line));
    EXPECT_EQ(rule.colour, QColor(Qt::black));
}

TEST_F(ChecksLayoutTest, AmountsShowThisPayAndTheTotalsBeforeIt) {
    page.employee.SSN = QStringLiteral("123-45-6789  ");
    PrintPaySlip(0.5f, page);
    const RecordedLine& rule = printer->lines[0];
    const double line = LineHeight(6, false);
    const RecordedText& number = At(QStringLiteral("1001"));
    EXPECT_EQ(number.x, Twips(0.5f));
    EXPECT_DOUBLE_EQ(number.y, rule.from.y() + LineHeight(6, true));
    EXPECT_EQ(At(QStringLiteral("42.5")).x, Twips(1.0f));
    EXPECT_EQ(At(QStringLiteral("$562.80")).x, Twips(1.8f));
    EXPECT_EQ(At(QStringLiteral("$800.13")).x, Twips(2.6f));
    EXPECT_EQ(At(QStringLiteral("$3.00")).x, Twips(7.6f));
    EXPECT_EQ(At(QStringLiteral("$3.00")).y, number.y);
    const RecordedText& ssn = At(QStringLiteral("XXX-XX-6789"));
    EXPECT_EQ(ssn.x, Twips(1.8f));
    EXPECT_DOUBLE_EQ(ssn.y, number.y + line);
    EXPECT_EQ(At(QStringLiteral("$12,345.00")).x, Twips(2.6f));
    EXPECT_EQ(At(QStringLiteral("$7.77")).x, Twips(7.6f));
    EXPECT_EQ(printer->find(QStringLiteral("123-45-6789")), nullptr);
}

TEST_F(ChecksLayoutTest, StubAmountsAreBoldUpToTheBlueNetPayThenPlainBlackToTheStubsEnd) {
    PrintPaySlip(0.5f, page);
    PrintPaySlip(7.0f, page);
    // The font of every printing of the text, one per stub (four "YTD" each).
    const auto fonts = [&](const char* text) {
        QStringList found;
        for (const RecordedText& t : printer->textsEqual(QString::fromUtf8(text)))
            found << QStringLiteral("%1%2 %3")
                         .arg(t.font.size)
                         .arg(t.font.bold ? QStringLiteral(" bold") : QString(), t.colour.name());
        found.removeDuplicates();
        return found.join(u'|').toStdString();
    };
    // The employee number and hours in the headings' font, the net pay in blue bold ...
    EXPECT_EQ(fonts("1001"), "6 bold #000000");
    EXPECT_EQ(fonts("42.5"), "6 bold #000000");
    EXPECT_EQ(fonts("$562.80"), "6 bold #0000ff");
    // ... then everything else of the stub plain black, the deduction headings too.
    for (const char* text : {"$800.13", "$60.00", "$3.00", "XXX-XX-6789", "$12,345.00", "401k",
                             "Collection Fee", "YTD", "$40.00", "$2.00", "$400.00", "$240.00"})
        EXPECT_EQ(fonts(text), "6 #000000") << text;
    EXPECT_EQ(printer->textsEqual(QStringLiteral("YTD")).size(), 8u);
    // The next stub's header sets its own font.
    EXPECT_EQ(fonts("(File Copy)"), "10 bold #000000");
}

TEST_F(ChecksLayoutTest, DeductionsFollowWithTheirTotalsAndWithoutTheMatch) {
    PrintPaySlip(0.5f, page);
    const char* headings[] = {"401k", "Child Support", "Collection Fee", "Insurance"};
    const char* amounts[] = {"$40.00", "$25.00", "$2.00", "$20.00"};
    const float x[] = {3.6f, 4.4f, 5.2f, 6.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(At(QString::fromUtf8(headings[i])).x, Twips(x[i]));
        EXPECT_EQ(At(QString::fromUtf8(amounts[i])).x, Twips(x[i]));
        EXPECT_EQ(printer->textsEqual(QStringLiteral("YTD"))[static_cast<std::size_t>(i)].x, Twips(x[i]));
    }
    ASSERT_EQ(printer->lines.size(), 2u);
    EXPECT_DOUBLE_EQ(printer->lines[1].from.y(), At(QStringLiteral("YTD")).y + LineHeight(6, false));
    EXPECT_DOUBLE_EQ(At(QStringLiteral("$40.00")).y, printer->lines[1].from.y() + LineHeight(6, false));
    EXPECT_EQ(At(QStringLiteral("$400.00")).x, Twips(3.6f));
    EXPECT_EQ(At(QStringLiteral("$240.00")).x, Twips(6.0f));
    EXPECT_EQ(At(QStringLiteral("$240.00")).y, At(QStringLiteral("$400.00")).y);
}

TEST_F(ChecksLayoutTest, CheckPageHasTheBodyBetweenTwoStubs) {
    PrintPayPage(page, false, {});
    const RecordedText& date = At(QStringLiteral("6/15/2026"));
    EXPECT_EQ(date.x, Twips(5.4f));
    EXPECT_EQ(date.y, Twips(5.2f));
    EXPECT_EQ(At(QStringLiteral("$562.80")).x, Twips(1.8f)); // the stub's net pay
    const std::vector<RecordedText> amount = printer->textsEqual(QStringLiteral("$562.80"));
    ASSERT_EQ(amount.size(), 3u);
    EXPECT_EQ(amount[1].x, Twips(7.0f));
    EXPECT_EQ(amount[1].y, date.y);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("Ann Able"))[1].y, Twips(5.5f));
    EXPECT_EQ(printer->textsEqual(QStringLiteral("Ann Able"))[2].y, Twips(7.0f));
    EXPECT_NE(printer->find(QStringLiteral("(File Copy)")), nullptr);
    EXPECT_EQ(printer->lines.size(), 4u);
    EXPECT_EQ(printer->jobs.size(), 1u);
    EXPECT_EQ(printer->jobs[0].pages, 1);
}

TEST_F(ChecksLayoutTest, PaySlipHasTheAddressInsteadOfACheck) {
    PrintPayPage(page, true, {});
    EXPECT_EQ(printer->find(QStringLiteral("(File Copy)")), nullptr);
    EXPECT_EQ(printer->find(QStringLiteral("6/15/2026")), nullptr);
    const RecordedText name = printer->textsEqual(QStringLiteral("Ann Able"))[1];
    EXPECT_EQ(name.x, Twips(1.0f));
    EXPECT_EQ(name.y, Twips(5.5f));
    EXPECT_TRUE(name.font.bold);
    const double line = LineHeight(10, true);
    EXPECT_DOUBLE_EQ(printer->textsEqual(QStringLiteral("Apt 4"))[1].y, name.y + 2 * line);
    EXPECT_DOUBLE_EQ(printer->textsEqual(QStringLiteral("Springfield, IL 62701"))[1].y, name.y + 3 * line);
    EXPECT_EQ(printer->lines.size(), 2u);
}

TEST_F(ChecksLayoutTest, MemoFillsItsBandAndTheRestIsLeftOff) {
    const QStringList memo{QStringLiteral("Thanks"),
                           QStringLiteral("for a great quarter"),
                           QString(),
                           QStringLiteral("Picnic on Friday"),
                           QStringLiteral("Bring a dish"),
                           QStringLiteral("Not printed")};
    PrintMemo(memo);
    const double line = LineHeight(10, true);
    const RecordedText& first = At(QStringLiteral("Thanks"));
    EXPECT_EQ(first.x, 1440);
    EXPECT_EQ(first.y, 1800);
    EXPECT_TRUE(first.font.bold);
    EXPECT_EQ(first.font.size, 10);
    EXPECT_DOUBLE_EQ(At(QStringLiteral("for a great quarter")).y, 1800 + line);
    EXPECT_DOUBLE_EQ(At(QStringLiteral("Picnic on Friday")).y, 1800 + 2 * line);
    // Each item starts while the position is still within 1.75 in; the last does not.
    for (const RecordedText& t : printer->texts)
        EXPECT_LE(t.y, 2520) << t.text.toStdString();
    EXPECT_EQ(printer->find(QStringLiteral("Not printed")), nullptr);
}

TEST_F(ChecksLayoutTest, LongMemoItemWrapsWithinTheBand) {
    PrintMemo(
        {QStringLiteral("Please remember that the office will be closed on Monday for the holiday and that "
                        "timesheets are due on Tuesday")});
    ASSERT_GE(printer->texts.size(), 2u);
    for (const RecordedText& t : printer->texts) {
        EXPECT_EQ(t.x, 1440);
        EXPECT_LE(t.width, 7200 - 20) << t.text.toStdString();
    }
}

TEST_F(ChecksLayoutTest, MemoComesFromTheSavedFileItemByItem) {
    writeFile(QStringLiteral("PayrollMemo.txt"), "Thanks, team\r\nSee you Friday\r\n");
    EXPECT_EQ(
        MemoToPrint(QStringLiteral("edited but not saved")),
        (QStringList{QStringLiteral("Thanks"), QStringLiteral("team"), QStringLiteral("See you Friday")}));
}

TEST_F(ChecksLayoutTest, UnsavedMemoPrintsAsTheBoxShowsIt) {
    EXPECT_EQ(MemoToPrint(QStringLiteral("First line\nSecond, line")),
              (QStringList{QStringLiteral("First line"), QStringLiteral("Second, line")}));
}

TEST_F(ChecksLayoutTest, PhotoIsFittedIntoItsBoxBesideTheHeader) {
    QImage photo(200, 300, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    makeFolder(QStringLiteral("Backup/Pictures/1002"));
    makeFolder(QStringLiteral("Pictures/1002")); // made at start-up for every employee
    ASSERT_TRUE(photo.save(path(QStringLiteral("Backup/Pictures/1002/Picture.jpg")), "JPG"));
    LoadEmployeePicture(1); // no photo
    EXPECT_TRUE(printer->pictures.empty());
    LoadEmployeePicture(2); // restored from Backup
    ASSERT_EQ(printer->pictures.size(), 1u);
    EXPECT_EQ(printer->pictures[0].target, QRectF(9144, 1300, 960, 1440));
    EXPECT_TRUE(exists(QStringLiteral("Pictures/1002/Picture.jpg")));

    writeFile(QStringLiteral("Pictures/1003/Picture.jpg"), "not a picture");
    LoadEmployeePicture(3);
    EXPECT_EQ(printer->pictures.size(), 1u);
}

TEST_F(ChecksLayoutTest, CheckAndPaySlipPrintThroughTheRealPrinter) {
    QImage photo(240, 300, QImage::Format_RGB32);
    photo.fill(QColor(90, 130, 180));
    makeFolder(QStringLiteral("Pictures/1001"));
    ASSERT_TRUE(photo.save(path(QStringLiteral("Pictures/1001/Picture.jpg")), "JPG"));
    for (bool paySlip : {false, true}) {
        const QString name = paySlip ? QStringLiteral("PaySlip.pdf") : QStringLiteral("Check.pdf");
        const QString file = path(name);
        {
            PrinterScope scope(std::make_unique<PaintingBackend>(MakePdfPrinter(file)));
            SetupPrinter(QStringLiteral("Portrait"));
            PrintPayPage(page, paySlip,
                         {QStringLiteral("Thank you for a great quarter"),
                          QStringLiteral("The office is closed on Monday")});
            ThePrinter().newPage();
            ThePrinter().endDoc();
        }
        QFile pdf(file);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_TRUE(pdf.readAll().startsWith("%PDF")) << file.toStdString();
    }
}
