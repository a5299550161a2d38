#include "DataFiles.h"
#include "PaintingPrinter.h"
#include "PrintRoutines.h"
#include "PrinterSupport.h"

#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString ExpectedSubstitute() {
    return QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")) ? QStringLiteral("Liberation Sans")
                                                                       : QStringLiteral("DejaVu Sans");
}

// Output of a poppler tool run on a file; empty when the tool is not installed.
QString PopplerOutput(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return {};
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

using PrinterTest = PrintingTest;
using PdfPrinterTest = ProgramFolderTest;

TEST_F(PrinterTest, PrintDrawsAtTopOfLineThenEndsTheLine) {
    Printer& p = ThePrinter();
    p.setCurrentX(1440);
    p.setCurrentY(2880);
    const double lineHeight = p.textHeight(QString());
    p.print(QStringLiteral("Hello"));

    ASSERT_EQ(printer->texts.size(), 1u);
    EXPECT_EQ(printer->texts[0].x, 1440);
    EXPECT_EQ(printer->texts[0].y, 2880);
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_DOUBLE_EQ(p.currentY(), 2880 + lineHeight);
    EXPECT_GT(lineHeight, 200); // a 10-point line is about a sixth of an inch
    EXPECT_LT(lineHeight, 300);
}

TEST_F(PrinterTest, PrintingWithoutEndingTheLineLeavesXJustAfterTheText) {
    Printer& p = ThePrinter();
    p.setCurrentX(720);
    p.setCurrentY(1440);
    p.printSameLine(QStringLiteral("Pay Period Ending: "));
    const double width = p.textWidth(QStringLiteral("Pay Period Ending: "));
    EXPECT_DOUBLE_EQ(p.currentX(), 720 + width);
    EXPECT_EQ(p.currentY(), 1440);

    p.print(QStringLiteral("6/15/2026"));
    ASSERT_EQ(printer->texts.size(), 2u);
    EXPECT_DOUBLE_EQ(printer->texts[1].x, 720 + width);
    EXPECT_EQ(printer->texts[1].y, 1440);
}

TEST_F(PrinterTest, EmptyPrintMovesOneLineAndDrawsNothing) {
    Printer& p = ThePrinter();
    p.setCurrentX(3000);
    p.setCurrentY(500);
    p.print();
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_DOUBLE_EQ(p.currentY(), 500 + p.textHeight(QString()));
    EXPECT_TRUE(printer->texts.empty());
    EXPECT_FALSE(p.jobOpen());
}

TEST_F(PrinterTest, TextMeasuresGrowWithBoldAndSize) {
    Printer& p = ThePrinter();
    const QString text = QStringLiteral("Total Payroll Funds Required");
    p.setFontSize(10);
    const double plain = p.textWidth(text);
    const double plainHeight = p.textHeight(text);
    p.setFontBold(true);
    const double bold = p.textWidth(text);
    p.setFontSize(14);
    const double big = p.textWidth(text);

    EXPECT_GT(plain, 0);
    EXPECT_GT(bold, plain);
    EXPECT_GT(big, bold);
    EXPECT_GT(p.textHeight(text), plainHeight);
    EXPECT_DOUBLE_EQ(p.textHeight(QStringLiteral("a\r\nb")), 2 * p.textHeight(QStringLiteral("a")));
    EXPECT_DOUBLE_EQ(p.textWidth(QStringLiteral("ab\r\nabcd")), p.textWidth(QStringLiteral("abcd")));
}

TEST_F(PrinterTest, ArielIsDrawnWithTheSubstituteFace) {
    Printer& p = ThePrinter();
    p.setFontName(QStringLiteral("Ariel"));
    p.print(QStringLiteral("Name"));
    ASSERT_EQ(printer->texts.size(), 1u);
    EXPECT_EQ(printer->texts[0].font.name, QStringLiteral("Ariel"));
    EXPECT_EQ(printer->texts[0].font.face, ExpectedSubstitute());
    EXPECT_EQ(PrintFace(QStringLiteral("Label1")), ExpectedSubstitute());
    EXPECT_EQ(PrintFace(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
}

TEST_F(PrinterTest, PrintableAreaFollowsOrientation) {
    Printer& p = ThePrinter();
    EXPECT_EQ(p.scaleWidth(), 8.0 * 1440);
    EXPECT_EQ(p.scaleHeight(), 10.5 * 1440);
    p.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(p.scaleWidth(), 10.5 * 1440);
    EXPECT_EQ(p.scaleHeight(), 8.0 * 1440);
    // A landscape report prints up to 10.25 in.
    EXPECT_GT(p.scaleWidth(), 14760);
}

TEST_F(PrinterTest, PagesAndJobs) {
    Printer& p = ThePrinter();
    p.setCopies(2);
    p.print(QStringLiteral("first"));
    p.setCurrentY(5000);
    p.newPage();
    EXPECT_EQ(p.currentX(), 0);
    EXPECT_EQ(p.currentY(), 0);
    p.print(QStringLiteral("second"));
    EXPECT_EQ(p.page(), 2);
    p.newPage(); // directly before the end: no blank page
    p.endDoc();
    p.print(QStringLiteral("next job"));
    p.endDoc();

    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_EQ(printer->jobs[0].pages, 2);
    EXPECT_EQ(printer->jobs[0].copies, 2);
    EXPECT_TRUE(printer->jobs[0].ended);
    EXPECT_EQ(printer->jobs[1].pages, 1);
    EXPECT_EQ(printer->find(QStringLiteral("second"))->page, 2);
    EXPECT_EQ(printer->find(QStringLiteral("second"))->y, 0);
    EXPECT_EQ(printer->find(QStringLiteral("next job"))->job, 2);
    EXPECT_EQ(printer->find(QStringLiteral("next job"))->page, 1);
    EXPECT_EQ(p.page(), 0);
}

TEST_F(PrinterTest, TwoPageBreaksInARowLeaveABlankPage) {
    Printer& p = ThePrinter();
    p.print(QStringLiteral("one"));
    p.newPage();
    p.newPage();
    p.print(QStringLiteral("three"));
    p.endDoc();
    EXPECT_EQ(printer->jobs.at(0).pages, 3);
    EXPECT_EQ(printer->find(QStringLiteral("three"))->page, 3);
}

TEST_F(PrinterTest, ColourLinesAndPictures) {
    Printer& p = ThePrinter();
    p.setForeColor(Qt::blue);
    p.print(QStringLiteral("$512.00"));
    p.setForeColor(Qt::black);
    p.setCurrentY(3000);
    p.line(720, p.currentY(), 14760, p.currentY());
    EXPECT_EQ(p.currentX(), 14760); // the position moves to the rule's end
    EXPECT_EQ(p.currentY(), 3000);
    p.line(0, 0, 100, 100, QColor(Qt::red));
    QImage photo(40, 60, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    p.paintPicture(photo, 9144, 1300, 1800, 2100);

    EXPECT_EQ(printer->texts.at(0).colour, QColor(Qt::blue));
    ASSERT_EQ(printer->lines.size(), 2u);
    EXPECT_EQ(printer->lines[0].from, QPointF(720, 3000));
    EXPECT_EQ(printer->lines[0].to, QPointF(14760, 3000));
    EXPECT_EQ(printer->lines[0].colour, QColor(Qt::black));
    EXPECT_EQ(printer->lines[1].colour, QColor(Qt::red));
    ASSERT_EQ(printer->pictures.size(), 1u);
    EXPECT_EQ(printer->pictures[0].target, QRectF(9144, 1300, 1800, 2100));
    EXPECT_EQ(printer->pictures[0].imageSize, QSize(40, 60));
}

TEST_F(PrinterTest, CancelledJobEndsQuietlyOrWithTheCallersMessage) {
    auto cancelled = [] {
        ThePrinter().print(QStringLiteral("half a page"));
        throw PrintCancelled();
    };
    EXPECT_EQ(RunPrintJob(cancelled), PrintOutcome::Cancelled);
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_TRUE(printer->jobs.at(0).abandoned);
    EXPECT_FALSE(ThePrinter().jobOpen());

    EXPECT_EQ(RunPrintJob(cancelled, QStringLiteral("The Payroll will not be Printed")),
              PrintOutcome::Cancelled);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("The Payroll will not be Printed"));
    EXPECT_EQ(dialogs->shown[0].title, QString());
}

TEST_F(PrinterTest, FailedJobShowsThePrintErrorAndIsNotContinuedByTheNextJob) {
    const PrintOutcome outcome = RunPrintJob([] {
        ThePrinter().print(QStringLiteral("page of the failed report"));
        throw PrintError(QStringLiteral("paper jam"));
    });
    EXPECT_EQ(outcome, PrintOutcome::Failed);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("A Print Error has occurred"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Print Error"));
    EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::OK);

    EXPECT_EQ(RunPrintJob([] {
                  ThePrinter().print(QStringLiteral("next report"));
                  ThePrinter().endDoc();
              }),
              PrintOutcome::Printed);
    EXPECT_EQ(printer->find(QStringLiteral("next report"))->job, 2);
    EXPECT_EQ(printer->find(QStringLiteral("next report"))->y, 0);
}

TEST_F(PrinterTest, FileErrorInsideAPrintJobIsShownAsTheFileErrorAndDropsTheJob) {
    // A report that reads the employee file, which is not there.
    const PrintOutcome outcome = RunPrintJob([] {
        ThePrinter().print(QStringLiteral("first page of the report"));
        OpenInput(u"/Employees.txt");
        ThePrinter().endDoc();
    });
    EXPECT_EQ(outcome, PrintOutcome::Failed);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(dialogs->shown[0].text.startsWith(QStringLiteral("There is a problem with the file ") +
                                                  path(QStringLiteral("Employees.txt")) +
                                                  QStringLiteral("\r\n")))
        << dialogs->shown[0].text.toStdString();
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::OK);
    EXPECT_TRUE(printer->jobs.at(0).abandoned);
    EXPECT_FALSE(ThePrinter().jobOpen());

    // Cancelling and the printer's own failures are told as before.
    EXPECT_EQ(RunPrintJob([] { throw PrintCancelled(); }), PrintOutcome::Cancelled);
    EXPECT_EQ(RunPrintJob([] { throw PrintError(QStringLiteral("paper jam")); }), PrintOutcome::Failed);
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[1].text, QStringLiteral("A Print Error has occurred"));
}

TEST_F(PrinterTest, PrinterThatCannotStartIsAPrintError) {
    printer->failToStart = true;
    EXPECT_EQ(RunPrintJob([] { ThePrinter().print(QStringLiteral("x")); }), PrintOutcome::Failed);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("A Print Error has occurred")});
    // Any other failure inside a print job gets the same message.
    EXPECT_EQ(RunPrintJob([] { throw std::runtime_error("bad check number"); }), PrintOutcome::Failed);
    EXPECT_EQ(dialogs->messages().size(), 2u);
}

TEST_F(PdfPrinterTest, PaintingBackendWritesAPdf) {
    const QString file = path(QStringLiteral("/Report.pdf"));
    PrinterScope scope(std::make_unique<PaintingBackend>(MakePdfPrinter(file)));
    Printer& p = ThePrinter();
    EXPECT_NEAR(p.scaleWidth(), 8.0 * 1440, 1);
    EXPECT_NEAR(p.scaleHeight(), 10.5 * 1440, 1);

    SetupPrinter(QStringLiteral("Portrait"));
    SetPrintFont(14, true, true);
    SetPrintPosition(1.0f, 1.0f);
    p.print(QStringLiteral("Kestrova Payroll Summary"));
    p.line(1440, p.currentY(), 9360, p.currentY());
    p.newPage();
    p.setOrientation(PageOrientation::Landscape);
    SetPrintFont(6, false, false);
    p.print(QStringLiteral("Second page"));
    p.endDoc();

    const QByteArray bytes = readFile(QStringLiteral("/Report.pdf"));
    ASSERT_TRUE(bytes.startsWith("%PDF")) << bytes.left(20).toStdString();
    const QString text = PopplerOutput(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains(QStringLiteral("Kestrova Payroll Summary"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Second page"))) << text.toStdString();
    }
    const QString info =
        PopplerOutput(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                  QStringLiteral("-l"), QStringLiteral("2"), file});
    if (!info.isEmpty()) {
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +1 size: +612 x 792"))))
            << info.toStdString();
        // The orientation changed between pages reaches the second page.
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page +2 size: +792 x 612"))))
            << info.toStdString();
    }
    const QString fonts = PopplerOutput(QStringLiteral("pdffonts"), {file});
    if (!fonts.isEmpty()) {
        EXPECT_TRUE(fonts.contains(QString(ExpectedSubstitute()).remove(u' '))) << fonts.toStdString();
    }
}

TEST_F(PdfPrinterTest, EachJobToAPdfGoesToAFileOfItsOwn) {
    PrinterScope scope(std::make_unique<PaintingBackend>(MakePdfPrinter(path(QStringLiteral("/Report.pdf")))));
    for (const char* text : {"first job", "second job", "third job"}) {
        ThePrinter().print(QString::fromLatin1(text));
        ThePrinter().endDoc();
    }
    for (const char* file : {"/Report.pdf", "/Report-2.pdf", "/Report-3.pdf"})
        EXPECT_TRUE(readFile(QString::fromLatin1(file)).startsWith("%PDF")) << file;
    const QString second = PopplerOutput(QStringLiteral("pdftotext"), {path(QStringLiteral("/Report-2.pdf")), QStringLiteral("-")});
    if (!second.isEmpty()) {
        EXPECT_TRUE(second.contains(QStringLiteral("second job"))) << second.toStdString();
    }
}

TEST_F(PdfPrinterTest, PaintingBackendMeasuresInTwipsLikeTheRecordingPrinter) {
    PaintingBackend painting(MakePdfPrinter(path(QStringLiteral("/Unused.pdf"))));
    RecordingBackend recording;
    PrintFont font{QStringLiteral("Ariel"), PrintFace(QStringLiteral("Ariel")), 10, false, false};
    const QString text = QStringLiteral("Employee Deduction Summary Report");
    EXPECT_NEAR(painting.textWidth(font, text), recording.textWidth(font, text),
                0.02 * recording.textWidth(font, text));
    EXPECT_NEAR(painting.lineHeight(font), recording.lineHeight(font), 0.05 * recording.lineHeight(font));
}

TEST_F(PdfPrinterTest, PdfInAMissingFolderIsAPrintErrorNotACrash) {
    PrinterScope scope(
        std::make_unique<PaintingBackend>(MakePdfPrinter(path(QStringLiteral("/No/Such/Out.pdf")))));
    EXPECT_THROW(ThePrinter().print(QStringLiteral("x")), PrintError);
    EXPECT_FALSE(ThePrinter().jobOpen());

    EXPECT_EQ(RunPrintJob([] {
                  ThePrinter().print(QStringLiteral("x"));
                  ThePrinter().endDoc();
              }),
              PrintOutcome::Failed);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("A Print Error has occurred")});
    EXPECT_FALSE(exists(QStringLiteral("/No/Such/Out.pdf")));
}
