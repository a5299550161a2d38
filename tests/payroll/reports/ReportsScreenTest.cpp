// The payroll reports screen: its grids, its year-to-date round trip, its printouts
// and its reference pages.
#include "frmReports.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "FlexGrid.h"
#include "PaintingPrinter.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"
#include "WebPage.h"
#include "frmTables.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

using testrecords::AppendPayRecords;
using testrecords::Paycheck;

namespace {

QString Cash(double d) {
    return CurrencyText(Money::fromDouble(d));
}

class ReportsScreen : public PrintingTest {
protected:
    ReportsScreen() {
        for (const char* file : {"TaxVariables.txt", "TaxTable.txt", "PercentageTable.txt", "Deductions.txt",
                                 "StateTaxes.txt", "NonResidentTaxTable.txt", "StateTaxTables.txt"})
            copyShipped(QString::fromLatin1(file));
        frmTables& tables = Form<frmTables>();
        const std::pair<int, const char*> boxes[] = {
            {4, "0.60%"}, {5, "2.70%"}, {6, "$128,400.00"}, {9, "$7,000.00"}, {10, "$7,000.00"}};
        for (const auto& [box, text] : boxes)
            tables.TxtTables[static_cast<std::size_t>(box)]->setText(QString::fromLatin1(text));
        dialogs->clear();
    }

    static void WriteRuns(const std::vector<std::pair<QDate, double>>& runs) {
        RandomFile file = OpenRandomFile(SummaryRecordsFile, SummaryRecord::Length);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            SummaryRecord s;
            s.PayDate = OleDateOf(runs[i].first);
            s.TotalWages = Money::fromDouble(runs[i].second);
            s.TotalFederal = Money::fromDouble(runs[i].second / 10);
            s.TotalExtraFederal = Money::fromDollars(5);
            s.TotalFuta = Money::fromDouble(runs[i].second * 0.006);
            s.TotalInsurance = Money::fromDollars(12);
            file.put(static_cast<std::int32_t>(i + 1), s);
        }
    }

    // Employees 1..n, each paid gross in 2025 and a tenth of that in 2026.
    static void PayEmployees(int n, double gross) {
        std::vector<EmployeeRecord> employees;
        for (int r = 1; r <= n; ++r) {
            employees.push_back(testrecords::Employee(r, QStringLiteral("Employee %1").arg(r)));
            AppendPayRecords(QString::number(1000 + r), {Paycheck(QDate(2025, 5, 2), Money::fromDouble(gross)),
                                                         Paycheck(QDate(2026, 2, 6), Money::fromDouble(gross / 10))});
        }
        testrecords::WriteEmployees(employees);
    }

    frmReports& shown() {
        frmReports& screen = Form<frmReports>();
        screen.Show();
        return screen;
    }

    // Chooses a report option as the user does (the annual ones say so first).
    static void Choose(frmReports& screen, int option, DateRange range) {
        screen.optReports_Click(option);
        screen.DTStart->setDate(range.first);
        screen.DTEnd->setDate(range.second);
        screen.cmdReports_Click(1);
    }

    static std::vector<std::vector<QString>> Cells(const FlexGrid& grid) {
        std::vector<std::vector<QString>> cells;
        for (int r = 0; r < grid.rows(); ++r) {
            cells.emplace_back();
            for (int c = 0; c < grid.cols(); ++c)
                cells.back().push_back(grid.textMatrix(r, c));
        }
        return cells;
    }
};

TEST_F(ReportsScreen, PeriodGridListsTheRangeThenABlankRowAndTheTotals) {
    WriteRuns({{QDate(2026, 4, 3), 1000.00}, {QDate(2026, 4, 10), 1500.00}, {QDate(2026, 5, 1), 2000.25}});
    frmReports& screen = shown();
    const std::vector<QString> zeros(12, Cash(0));
    struct Case {
        const char* name;
        DateRange range;
        std::vector<QString> dates;
        QString firstIncomeTax; // with the additional withholding
    } cases[] = {
        {"three runs", {QDate(2026, 4, 3), QDate(2026, 5, 1)}, {"4/3/2026", "4/10/2026", "5/1/2026"}, Cash(105.00)},
        {"then one run: nothing of the first load stays",
         {QDate(2026, 4, 10), QDate(2026, 4, 10)},
         {"4/10/2026"},
         Cash(155.00)},
        {"then none", {QDate(2026, 7, 1), QDate(2026, 9, 30)}, {}, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Choose(screen, 3, c.range);
        const FlexGrid& grid = *screen.fgReports;
        const int n = static_cast<int>(c.dates.size());
        ASSERT_EQ(grid.rows(), n + 3);
        EXPECT_EQ(grid.textMatrix(1, 2), c.firstIncomeTax);
        for (int r = 1; r <= n; ++r)
            EXPECT_EQ(grid.textMatrix(r, 0), c.dates[static_cast<std::size_t>(r - 1)]);
        for (int col = 0; col < grid.cols(); ++col)
            EXPECT_EQ(grid.textMatrix(n + 1, col), QString()) << "blank row, column " << col;
        EXPECT_EQ(grid.textMatrix(n + 2, 0), QStringLiteral("Totals"));
        for (int col = 1; col < grid.cols(); ++col) {
            Money sum;
            for (int r = 1; r <= n; ++r)
                sum += MoneyOf(grid.textMatrix(r, col));
            EXPECT_EQ(grid.textMatrix(n + 2, col), CurrencyText(sum)) << "column " << col;
            // Form 941 needs wages, income tax, Social Security and Medicare.
            EXPECT_EQ(grid.cellBackColor(n + 2, col) == VbColor(0xFF0000), col <= 4) << "column " << col;
        }
        if (n == 0) {
            for (int col = 1; col < grid.cols(); ++col)
                EXPECT_EQ(grid.textMatrix(2, col), Cash(0));
        }
    }
}

TEST_F(ReportsScreen, W2LoadOfLastYearThenMenuLeavesThisYearsTotals) {
    PayEmployees(2, 130000.00);
    // Never paid here: only the totals typed for this year, which must survive.
    EmployeeRecord typed = testrecords::Employee(3);
    typed.YTDGross = Money::fromDollars(4321);
    OpenRandomFile(EmployeeFile, EmployeeRecord::Length).put(3, typed);
    frmReports& screen = shown();
    Choose(screen, 0, LastYearRange(fixedToday()));
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{QStringLiteral("This is an Annual Report\r\nLast Year will be Selected"),
                                                         QStringLiteral("No Payroll Summary Records Exist")}));
    EXPECT_EQ(screen.fgEmployeeData->textMatrix(1, 3), Cash(130000.00));
    EXPECT_EQ(screen.fgEmployeeData->textMatrix(1, 5), Cash(128400.00)); // the Social Security maximum
    EXPECT_EQ(screen.fgEmployeeData->textMatrix(3, 3), Cash(0));
    EXPECT_EQ(testrecords::ReadEmployee(2).YTDGross, Money::fromDollars(130000));
    screen.cmdReports_Click(0);
    EXPECT_FALSE(IsLoaded<frmReports>());
    for (int r = 1; r <= 2; ++r)
        EXPECT_EQ(testrecords::ReadEmployee(r).YTDGross, Money::fromDollars(13000));
    EXPECT_EQ(testrecords::ReadEmployee(3).YTDGross, Money::fromDollars(4321));
}

TEST_F(ReportsScreen, EachReportOptionPresetsItsDates) {
    frmReports& screen = shown();
    const DateRange lastYear{QDate(2025, 1, 1), QDate(2025, 12, 31)};
    const DateRange lastQuarter{QDate(2026, 1, 1), QDate(2026, 3, 31)}; // today is in June
    struct Case {
        int option;
        DateRange range;
        bool quarters;
        bool pickers;
    } cases[] = {{0, lastYear, false, false}, {1, lastYear, false, false}, {2, lastQuarter, true, true},
                 {7, lastQuarter, true, true}, {8, lastYear, false, true}};
    for (const Case& c : cases) {
        screen.optReports_Click(c.option);
        EXPECT_EQ(DateRange(screen.StartDate(), screen.EndDate()), c.range) << c.option;
        EXPECT_EQ(screen.lstQuarter->isEnabled(), c.quarters) << c.option;
        EXPECT_EQ(screen.DTStart->isEnabled(), c.pickers) << c.option;
    }
    screen.Label1[YearToDateLabelIndex]->setEnabled(true);
    screen.Label1_Click(YearToDateLabelIndex);
    EXPECT_EQ(DateRange(screen.StartDate(), screen.EndDate()), DateRange(QDate(2026, 1, 1), fixedToday()));
}

TEST_F(ReportsScreen, UnemploymentDetailShowsEachEmployeeAndTheTotalsOfTheShownCents) {
    PayEmployees(3, 100.75);
    frmReports& screen = shown();
    Choose(screen, 4, LastYearRange(fixedToday()));
    const FlexGrid& grid = *screen.fgUnemployment;
    ASSERT_EQ(grid.rows(), 6);
    EXPECT_EQ(grid.textMatrix(1, 2), QStringLiteral("Employee 1"));
    EXPECT_EQ(grid.textMatrix(1, 7), Cash(0.60));
    EXPECT_EQ(grid.textMatrix(5, 2), QStringLiteral("TOTALS"));
    EXPECT_EQ(grid.textMatrix(5, 3), Cash(302.25));
    EXPECT_EQ(grid.textMatrix(5, 7), Cash(1.80));
    // The report loaded next shows alone: the detail and its W-2 grid go.
    WriteRuns({{LastYearRange(fixedToday()).first, 1000.00}});
    Choose(screen, 3, LastYearRange(fixedToday()));
    EXPECT_TRUE(screen.fraReports->isVisibleTo(&screen));
    EXPECT_FALSE(screen.fraUnemployment->isVisibleTo(&screen));
    EXPECT_FALSE(screen.fraEmployees->isVisibleTo(&screen));
}

TEST_F(ReportsScreen, PrintingTheW2OptionPrintsBothSummariesWithHeadingsOnEveryPage) {
    PayEmployees(90, 1000.00);
    WriteRuns({{QDate(2025, 5, 2), 90000.00}});
    frmReports& screen = shown();
    Choose(screen, 0, LastYearRange(fixedToday()));
    dialogs->answerPrintDialog(true);
    screen.cmdReports_Click(6);
    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_FALSE(screen.cmdReports[2]->isEnabled());
    for (const RecordedJob& job : printer->jobs)
        EXPECT_EQ(job.orientation, PageOrientation::Landscape);
    ASSERT_GT(printer->jobs[0].pages, 1);
    std::vector<int> headingPages;
    const RecordedText* last = nullptr;
    for (const RecordedText& t : printer->texts) {
        if (t.job == 1 && t.text == QStringLiteral("Employee 90")) {
            EXPECT_FALSE(t.font.bold); // the W-2 grid has no totals row
        }
        if (t.job != 1) {
            last = &t;
            continue;
        }
        EXPECT_LT(t.y, 7.5 * 1440) << t.text.toStdString();
        if (t.text == QStringLiteral("Emp No")) {
            headingPages.push_back(t.page);
            EXPECT_TRUE(t.font.bold);
            EXPECT_EQ(t.font.size, 6);
        }
    }
    EXPECT_EQ(static_cast<int>(headingPages.size()), printer->jobs[0].pages);
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->font.bold); // the withholding summary's totals row
    EXPECT_EQ(printer->texts.front().text, QStringLiteral("Employee W-2 Summary Report"));
    EXPECT_EQ(printer->texts.front().font.size, 14);
    const auto second = std::find_if(printer->texts.begin(), printer->texts.end(),
                                     [](const RecordedText& t) { return t.job == 2; });
    ASSERT_NE(second, printer->texts.end());
    EXPECT_EQ(second->text, QStringLiteral("Withholding Summary Report"));
}

TEST_F(ReportsScreen, AllThreePrintoutsPrintThroughThePaintingPrinter) {
    PayEmployees(90, 1000.00);
    WriteRuns({{QDate(2025, 5, 2), 90000.00}, {QDate(2025, 5, 9), 1234.56}});
    frmReports& screen = shown();
    const std::pair<int, QString> jobs[] = {{0, QStringLiteral("/w2.pdf")}, {4, QStringLiteral("/detail.pdf")}};
    for (const auto& [option, name] : jobs) {
        PrinterScope scope(std::make_unique<PaintingBackend>(MakePdfPrinter(path(name))));
        Choose(screen, option, LastYearRange(fixedToday()));
        dialogs->answerPrintDialog(true);
        screen.cmdReports_Click(option == 0 ? 6 : 7);
        EXPECT_TRUE(readFile(name).startsWith("%PDF")) << name.toStdString();
    }
}

TEST_F(ReportsScreen, EveryReferenceItemOpensItsOwnSecurePage) {
    QStringList opened;
    const UrlOpener previous = SetUrlOpener([&](const QString& address) { opened << address; });
    frmReports& screen = shown();
    for (QAction* item : screen.mnuPages)
        item->trigger();
    SetUrlOpener(previous);
    ASSERT_EQ(opened.size(), 16);
    EXPECT_EQ(opened.removeDuplicates(), 0);
    for (const QString& address : opened)
        EXPECT_EQ(QUrl(address).scheme(), QStringLiteral("https")) << address.toStdString();
}

} // namespace
