#include "YearEndSupport.h"

#include "FlexGrid.h"
#include "PaintingPrinter.h"
#include "PayFiles.h"

#include <QFile>

namespace {

QString Cash(double dollars) {
    return CurrencyText(Money::fromCents(static_cast<std::int64_t>(dollars * 100)));
}

class W2Summary : public YearEndTest {
protected:
    void taxVariables(const char* socialSecurityMaximum) {
        writeFile(QStringLiteral("TaxVariables.txt"),
                  QByteArray("\"6.20%\",\"1.45%\",\"3.00%\",\"0.00%\",\"0.60%\",\"2.70%\",\"") + socialSecurityMaximum +
                      "\",\"None\",\"None\",\"$7,000.00\",\"$12,000.00\",\"12-3456789\",0,0\r\n");
    }
    void business() {
        writeFile(QStringLiteral("MyBusinessData.txt"), "\"Harbor Lane Bakery\",\"4 Quay Street\",\"\",\"Portland\","
                                                        "\"ME\",\"04101\",\"207-555-0101\",\"\",\"12-3456789\"\r\n");
    }
    void print(yearend::frmMain& s) {
        dialogs->answerPrintDialog(true);
        s.cmdOffload_Click(yearend::frmMain::PrintButton);
    }
};

TEST_F(W2Summary, GridShowsTheChosenYearWithSocialSecurityWagesUpToTheMaximum) {
    struct Case {
        const char* maximum;
        QString ficaWages;
    };
    const Case cases[] = {{"$128,400.00", Cash(128400.00)}, {"None", Cash(130000.00)}};
    employees(2);
    pays(1, {D(2025, 12, 31)}, 130000.00);
    pays(1, {D(2026, 1, 2)}, 500.00);
    pays(2, {D(2024, 6, 7)}, 800.00);
    for (const Case& c : cases) {
        taxVariables(c.maximum);
        yearend::frmMain& s = screen();
        EXPECT_EQ(s.LoadW2Grid(), 2) << c.maximum;
        const FlexGrid& grid = *s.fgEmployeeData;
        EXPECT_EQ(grid.rows(), 3);
        const QString row1[] = {QStringLiteral("1001"), QStringLiteral("123-45-6789"), QStringLiteral("Employee 1"),
                                Cash(130000.00),        Cash(12.03),                   c.ficaWages,
                                Cash(3.03),             Cash(4.04),                    Cash(5.05),
                                Cash(6.06),             Cash(11.11)};
        for (int col = 0; col < 11; ++col)
            EXPECT_EQ(grid.textMatrix(1, col), row1[col]) << c.maximum << " column " << col;
        // Paid only in another year: zeros.
        for (int col = 3; col < 11; ++col)
            EXPECT_EQ(grid.textMatrix(2, col), Cash(0)) << c.maximum << " column " << col;
    }
    // The chosen year's totals stay in the file until the main program's next start
    // rebuilds this year's.
    EXPECT_EQ(testrecords::ReadEmployee(1).YTDGross, Money::fromDollars(130000));
    MakeYTDs(Today());
    EXPECT_EQ(testrecords::ReadEmployee(1).YTDGross, Money::fromDollars(500));
}

TEST_F(W2Summary, PrintsLandscapeWithHeadingsOnEveryPageAndTheLastRowBold) {
    taxVariables("$128,400.00");
    business();
    employees(30);
    for (int e = 1; e <= 30; ++e)
        pays(e, {D(2025, 3, 7)});
    print(screen());
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("The Report has been Printed\r\nCheck Your Printer")});
    ASSERT_EQ(printer->jobs.size(), 1u);
    const RecordedJob& job = printer->jobs[0];
    EXPECT_EQ(job.orientation, PageOrientation::Landscape);
    ASSERT_GT(job.pages, 1);

    std::vector<int> headingPages;
    std::vector<double> rowTops;
    for (const RecordedText& t : printer->texts) {
        EXPECT_LT(t.y, 7.5 * 1440) << t.text.toStdString();
        if (t.text == QStringLiteral("Employee W-2 Summary Report")) {
            EXPECT_DOUBLE_EQ(t.y, 1440);
            EXPECT_TRUE(t.font.bold && t.font.underline);
            EXPECT_EQ(t.font.size, 14);
            EXPECT_NEAR(t.x + t.width / 2, 10.5 * 1440 / 2, 1);
        }
        if (t.text == QStringLiteral("For the Period Ending 12/31/ 2025")) {
            EXPECT_DOUBLE_EQ(t.x, Twips(8.0f));
        }
        if (t.text == QStringLiteral("Emp No")) {
            headingPages.push_back(t.page);
            EXPECT_TRUE(t.font.bold);
            EXPECT_EQ(t.font.size, 6);
        }
        if (t.text.startsWith(QStringLiteral("Employee ")) && t.x == Twips(2.75f)) {
            EXPECT_EQ(t.font.bold, t.text == QStringLiteral("Employee 30")) << t.text.toStdString();
            if (t.page == 1) rowTops.push_back(t.y);
        }
    }
    EXPECT_EQ(static_cast<int>(headingPages.size()), job.pages);
    ASSERT_GE(rowTops.size(), 2u);
    // Double-spaced: every row two lines below the one before.
    const double step = rowTops[1] - rowTops[0];
    for (std::size_t i = 1; i < rowTops.size(); ++i)
        EXPECT_DOUBLE_EQ(rowTops[i] - rowTops[i - 1], step);
    EXPECT_NEAR(step, 2 * ThePrinter().textHeight(QStringLiteral("ABC")), 1);
    // One rule under the headings of every page, from 0.5 to 10.25 in.
    ASSERT_EQ(static_cast<int>(printer->lines.size()), job.pages);
    for (const RecordedLine& line : printer->lines) {
        EXPECT_DOUBLE_EQ(line.from.x(), 720);
        EXPECT_DOUBLE_EQ(line.to.x(), 14760);
    }
    // The business heading, read from the file when printing.
    const bool heading = std::any_of(printer->texts.begin(), printer->texts.end(), [](const RecordedText& t) {
        return t.text == QStringLiteral("Portland, ME 04101") && t.x == Twips(0.5f);
    });
    EXPECT_TRUE(heading);
}

TEST_F(W2Summary, RendersToPdfThroughThePaintingPrinter) {
    taxVariables("$128,400.00");
    business();
    employees(3);
    pays(1, {D(2025, 12, 31)}, 130000.00);
    pays(2, {D(2025, 6, 6)}, 1234.56);
    const QString pdf = path(QStringLiteral("w2.pdf"));
    {
        PrinterScope painting(std::make_unique<PaintingBackend>(MakePdfPrinter(pdf)));
        print(screen());
    }
    EXPECT_TRUE(readFile(QStringLiteral("w2.pdf")).startsWith("%PDF"));
    // For looking at the page: KESTROVA_SCREEN_SHOTS names a folder for it.
    const QString folder = qEnvironmentVariable("KESTROVA_SCREEN_SHOTS");
    if (!folder.isEmpty()) {
        QFile::remove(folder + QStringLiteral("/yearend-w2.pdf"));
        QFile::copy(pdf, folder + QStringLiteral("/yearend-w2.pdf"));
    }
}

TEST_F(W2Summary, WithoutEmployeesTheUserIsToldAndNothingIsListed) {
    taxVariables("None");
    yearend::frmMain& s = screen();
    EXPECT_EQ(s.LoadW2Grid(), 0);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("No Employee Records exist for the date range Selected")});
}

} // namespace
