#include "EmployeeHistory.h"
#include "FlexGrid.h"
#include "GridRoutines.h"
#include "PaintingPrinter.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"
#include "frmEmpReports.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

using namespace testrecords;

namespace {

// Today is 6/15/2026 in every test.
constexpr int ThisYear = 2026;

class EmpReportsTest : public PrintingTest {
protected:
    // Employees 1001..1000 + count, named so that each row shows whose it is.
    void writeEmployees(int count) const {
        QFile::remove(path(QStringLiteral("/Employees.txt")));
        std::vector<EmployeeRecord> employees;
        for (int n = 1; n <= count; ++n)
            employees.push_back(Employee(n, QStringLiteral("Employee %1").arg(n)));
        WriteEmployees(employees);
    }
    static PayRecord paycheck(QDate date, std::int64_t grossCents,
                              const QString& hours = QStringLiteral("40")) {
        PayRecord p = Paycheck(date, Money::fromCents(grossCents));
        p.Hours = hours;
        return p;
    }
    static frmEmpReports& open() { return ShowScreen<frmEmpReports>(); }
    static QStringList row(const FlexGrid& grid, int r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells << grid.textMatrix(r, c);
        return cells;
    }
    // One column of a grid's data rows.
    static QStringList column(const FlexGrid& grid, int col) {
        QStringList cells;
        for (int r = 1; r < grid.rows(); ++r)
            cells << grid.textMatrix(r, col);
        return cells;
    }
};

// ---- Selection ---------------------------------------------------------------------------------

TEST_F(EmpReportsTest, CreateReportIsEnabledExactlyWhenOneEmployeeIsMarked) {
    struct Case {
        const char* name;
        int employees;
        const char* steps; // "2": a click on row 2's mark; "2:3": on its column 3; "all", "none": the buttons
        const char* marks; // one character a row: x marked, . not
        bool create;
    };
    const Case cases[] = {
        {"just loaded", 3, "", "...", false},
        {"one ticked", 3, "2", ".x.", true},
        {"ticked and unticked", 3, "2 2", "...", false},
        {"a click outside the mark column", 3, "2:1 3:3", "...", false},
        {"the last of two unticked", 3, "1 3 1", "..x", true},
        {"select all", 3, "all", "xxx", true},
        {"deselect all", 3, "all none", "...", false},
        {"deselect all, then one", 3, "all none 3", "..x", true},
        {"no employee record", 0, "all", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeEmployees(c.employees);
        frmEmpReports& screen = open();
        for (const QString& step : QString::fromLatin1(c.steps).split(u' ', Qt::SkipEmptyParts)) {
            if (step == QStringLiteral("all") || step == QStringLiteral("none"))
                screen.cmdEmplloyee[step == QStringLiteral("all") ? 6 : 7]->click();
            else
                screen.fgEmployees_Click(step.section(u':', 0, 0).toInt(), step.section(u':', 1, 1).toInt());
        }
        QString marks;
        for (const QString& mark : column(*screen.fgEmployees, 0)) {
            EXPECT_TRUE(mark.isEmpty() || mark == QStringLiteral("\u00AB"));
            marks += mark.isEmpty() ? u'.' : u'x';
        }
        EXPECT_EQ(marks, QString::fromLatin1(c.marks));
        EXPECT_EQ(screen.cmdEmplloyee[1]->isEnabled(), c.create);
        screen.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// ---- Ranges ------------------------------------------------------------------------------------

TEST_F(EmpReportsTest, EveryPresetListsThePaychecksOnBothOfItsEnds) {
    writeEmployees(1);
    std::vector<PayRecord> checks;
    for (QDate d : {QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 3, 31), QDate(2026, 4, 1),
                    QDate(2026, 5, 16), QDate(2026, 6, 15), QDate(2026, 6, 30), QDate(2026, 7, 1)})
        checks.push_back(paycheck(d, 10000));
    // Posted with a time of day: still on its day.
    checks.back().PayDate += 0.75;
    AppendPayRecords(QStringLiteral("1001"), checks);
    struct Case {
        const char* name;
        std::function<void(frmEmpReports&)> preset;
        QDate start, end;
        QStringList listed;
    };
    const Case cases[] = {
        {"last 30 days",
         [](frmEmpReports&) {},
         QDate(ThisYear, 5, 16),
         QDate(ThisYear, 6, 15),
         {"5/16/2026", "6/15/2026"}},
        {"YTD",
         [](frmEmpReports& s) { s.cmdEmplloyee[4]->click(); },
         QDate(ThisYear, 1, 1),
         QDate(ThisYear, 6, 15),
         {"1/1/2026", "3/31/2026", "4/1/2026", "5/16/2026", "6/15/2026"}},
        {"last year",
         [](frmEmpReports& s) { s.cmdEmplloyee[5]->click(); },
         QDate(2025, 1, 1),
         QDate(2025, 12, 31),
         {"12/31/2025"}},
        {"1st quarter",
         [](frmEmpReports& s) { s.lstQuarter_Click(0); },
         QDate(ThisYear, 1, 1),
         QDate(ThisYear, 3, 31),
         {"1/1/2026", "3/31/2026"}},
        {"2nd quarter",
         [](frmEmpReports& s) { s.lstQuarter_Click(1); },
         QDate(ThisYear, 4, 1),
         QDate(ThisYear, 6, 30),
         {"4/1/2026", "5/16/2026", "6/15/2026", "6/30/2026"}},
        {"3rd quarter",
         [](frmEmpReports& s) { s.lstQuarter_Click(2); },
         QDate(ThisYear, 7, 1),
         QDate(ThisYear, 9, 30),
         {"7/1/2026"}},
        {"4th quarter of last year",
         [](frmEmpReports& s) { s.lstQuarter_Click(7); },
         QDate(2025, 10, 1),
         QDate(2025, 12, 31),
         {"12/31/2025"}},
    };
    frmEmpReports& screen = open();
    screen.fgEmployees_Click(1, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.preset(screen);
        EXPECT_EQ(screen.DTStart->date(), c.start);
        EXPECT_EQ(screen.DTEnd->date(), c.end);
        screen.cmdEmplloyee[1]->click();
        QStringList expected = c.listed;
        expected << QString() << QString(); // the totals row and the blank row
        EXPECT_EQ(column(*screen.fgReport, 0), expected);
    }
}

// ---- The report ----------------------------------------------------------------------------------

TEST_F(EmpReportsTest, OneRowAPaycheckThenTotalsAndAnEmployeeWithoutHistoryIsSkipped) {
    writeEmployees(4);
    // Amounts with four decimals: the totals add the cents that the rows show.
    PayRecord first = paycheck(QDate(2026, 5, 22), 0);
    first.Gross = Money::fromRaw(8123450);
    first.FederalTax = Money::fromRaw(123456789);
    PayRecord last = paycheck(QDate(2026, 6, 12), 0, QStringLiteral("37.25"));
    last.Gross = Money::fromRaw(4000050);
    AppendPayRecords(QStringLiteral("1001"),
                     {first, paycheck(QDate(2026, 5, 29), 0, QStringLiteral("N/A")),
                      paycheck(QDate(2026, 6, 5), 50000, QStringLiteral("Salary")), last});
    // Employee 1002 has no pay history; 1003 none in the range; 1004 an empty file.
    AppendPayRecords(QStringLiteral("1003"), {paycheck(QDate(2025, 6, 12), 40000)});
    AppendPayRecords(QStringLiteral("1004"), {});
    frmEmpReports& screen = open();
    screen.cmdEmplloyee[6]->click();
    screen.cmdEmplloyee[1]->click();
    EXPECT_TRUE(screen.fraReport->isVisible());
    const FlexGrid& grid = *screen.fgReport;
    ASSERT_EQ(grid.rows(), 1 + 6 + 2);
    EXPECT_EQ(row(grid, 1),
              (QStringList{"5/22/2026", "1001", "Pat Doe", "$812.35", "40.0", "$12,345.68", "$3.03", "$4.04",
                           "$5.05", "$6.06", "$2.02", "$7.07", "$8.08", "$11.11", "$9.09", "$50.00"}));
    EXPECT_EQ(column(grid, 4).mid(0, 5), (QStringList{"40.0", "N/A", "Salary", "37.3", "77.3"}));
    EXPECT_EQ(row(grid, 5).mid(2, 4), (QStringList{"TOTALS", "$1,712.36", "77.3", "$12,375.71"}));
    EXPECT_EQ(row(grid, 5).at(15), QString());
    // The totals row equals the sum of the paychecks above it in every amount column.
    for (int col = 3; col <= 14; ++col) {
        if (col == 4) continue;
        Money sum;
        for (int r = 1; r <= 4; ++r)
            sum += MoneyOf(grid.textMatrix(r, col));
        EXPECT_EQ(CurrencyText(sum), grid.textMatrix(5, col)) << col;
    }
    EXPECT_EQ(row(grid, 6), QStringList(16, QString()));
    // Employee 1003: a totals row of nothing, then the blank row.
    EXPECT_EQ(row(grid, 7).mid(2, 4), (QStringList{"TOTALS", "$0.00", "0.0", "$0.00"}));
    EXPECT_EQ(row(grid, 8), QStringList(16, QString()));
    // The same figures without a window.
    const std::optional<EmployeePayHistory> history =
        GatherPayHistory(1, QDate(2026, 5, 16), QDate(2026, 6, 15));
    ASSERT_TRUE(history.has_value());
    EXPECT_EQ(history->Paychecks.size(), 4u);
    EXPECT_EQ(TotalsCells(*history), row(grid, 5));
    EXPECT_FALSE(GatherPayHistory(2, QDate(2000, 1, 1), QDate(2030, 1, 1)).has_value());

    // A second report holds only the newly selected employee.
    screen.cmdEmplloyee[7]->click();
    screen.fgEmployees_Click(3, 0);
    screen.cmdEmplloyee[1]->click();
    EXPECT_EQ(grid.rows(), 3);
    screen.cmdEmplloyee[3]->click();
    EXPECT_FALSE(screen.fraReport->isVisible());
    // Back from the menu, the selection and the dates are as they were and the wheel
    // scrolls the report again.
    screen.cmdEmplloyee[0]->click();
    EXPECT_EQ(HookedGrid(), nullptr);
    screen.Show();
    EXPECT_EQ(HookedGrid(), screen.fgReport);
    EXPECT_EQ(column(*screen.fgEmployees, 0), (QStringList{"", "", "\u00AB", ""}));
}

// A report of years of paychecks takes a while: the screen shows that it is at work.
TEST_F(EmpReportsTest, CreateReportShowsAWaitCursorWhileItWorks) {
    writeEmployees(2);
    AppendPayRecords(QStringLiteral("1002"), {paycheck(QDate(2026, 6, 1), 10000)});
    frmEmpReports& screen = open();
    screen.cmdEmplloyee[6]->click();
    std::vector<bool> waiting;
    QObject::connect(screen.fgReport->view()->model(), &QAbstractItemModel::rowsInserted, [&waiting] {
        waiting.push_back(QApplication::overrideCursor() != nullptr &&
                          QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    });
    screen.cmdEmplloyee[1]->click();
    EXPECT_EQ(screen.fgReport->rows(), 1 + 1 + 2);
    ASSERT_FALSE(waiting.empty());
    EXPECT_EQ(waiting, std::vector<bool>(waiting.size(), true));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---- The printout ----------------------------------------------------------------------------

TEST_F(EmpReportsTest, PrintoutBreaksPagesAtSevenAndAHalfInchesRepeatingTheHeadings) {
    writeEmployees(2);
    std::vector<PayRecord> checks;
    for (int week = 0; week < 150; ++week)
        checks.push_back(paycheck(QDate(2024, 1, 5).addDays(7 * week), week == 3 ? 0 : 75000));
    checks[100].EmployeeName = QStringLiteral("Abigail Montgomery-Fairweather");
    AppendPayRecords(QStringLiteral("1001"), checks);
    AppendPayRecords(QStringLiteral("1002"), {paycheck(QDate(2020, 1, 3), 75000)});
    frmEmpReports& screen = open();
    screen.fgEmployees_Click(1, 0);
    screen.fgEmployees_Click(2, 0);
    screen.DTStart->setDate(QDate(2024, 1, 1));
    screen.DTEnd->setDate(QDate(2026, 12, 31));
    dialogs->answerPrintDialog(true).answerPrintDialog(true);
    screen.cmdEmplloyee[1]->click();
    screen.cmdEmplloyee[2]->click();

    ASSERT_EQ(printer->jobs.size(), 1u);
    const RecordedJob& job = printer->jobs[0];
    EXPECT_EQ(job.orientation, PageOrientation::Landscape);
    EXPECT_TRUE(job.ended);
    ASSERT_GE(job.pages, 2);
    const RecordedText* title = printer->find(QStringLiteral("Employee Payroll Summary Report"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->page, 1);
    EXPECT_EQ(title->font.size, 14);
    EXPECT_TRUE(title->font.underline);
    const RecordedText* range = printer->find(QStringLiteral("from - 1/1/2024 to 12/31/2026"));
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->x, Twips(4.25f));
    const std::vector<RecordedText> headings = printer->textsEqual(QStringLiteral("401k Match"));
    ASSERT_EQ(headings.size(), std::size_t(job.pages));
    for (int page = 1; page <= job.pages; ++page) {
        SCOPED_TRACE(page);
        const std::vector<RecordedText> texts = printer->textsOnPage(1, page);
        const RecordedText& first = texts.at(page == 1 ? 2 : 0);
        EXPECT_EQ(first.text, QStringLiteral("Pay Date"));
        EXPECT_EQ(headings[std::size_t(page - 1)].y, first.y);
        EXPECT_LE(headings[std::size_t(page - 1)].x + headings[std::size_t(page - 1)].width,
                  RecordingBackend::PortraitHeight);
        for (const RecordedText& t : texts) {
            if (t.font.size != 6) continue;
            EXPECT_TRUE(t.font.bold);
            EXPECT_LT(t.y, Twips(7.5f));
        }
    }
    // 149 paychecks with pay and their totals; the zero paycheck, the other employee's
    // zero totals and the report's blank rows are left off.
    EXPECT_EQ(printer->textsEqual(QStringLiteral("1001")).size(), 149u);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("TOTALS")).size(), 1u);
    EXPECT_EQ(printer->find(QStringLiteral("1002")), nullptr);
    EXPECT_EQ(printer->find(QStringLiteral("1/26/2024")), nullptr);
    // A long name prints whole where the page has room for it.
    EXPECT_NE(printer->find(QStringLiteral("Abigail Montgomery-Fairweather")), nullptr);

    // The same report through the real printer path, as a PDF file.
    const QString pdf =
        qEnvironmentVariable("KESTROVA_REPORT_PDF", path(QStringLiteral("/EmployeeReport.pdf")));
    PrinterScope painting(std::make_unique<PaintingBackend>(MakePdfPrinter(pdf)));
    screen.PrintReport();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), "%PDF");
}

// Every printed line of the report against the grid: amounts, dates and hours print whole,
// a name at most cut short, no text runs into the next, and all of it inside the printable
// width of the landscape page.
TEST_F(EmpReportsTest, PrintedFiguresAreWholeAndInsideThePage) {
    const QString longName = QStringLiteral("Maximiliana Montgomery-Fairweather Featherstonehaugh");
    struct Case {
        const char* name;
        int employees;
        std::int64_t grossCents;
        std::int64_t matchCents;
        QString employeeName;
    } cases[] = {
        {"a year of weekly pay for twenty", 20, 128000, 5000, QStringLiteral("Pat Doe")},
        {"large amounts and a long name", 2, 1234567, 123456, longName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        printer->texts.clear();
        QDir(path(QStringLiteral("/Employees"))).removeRecursively();
        writeEmployees(c.employees);
        for (int n = 1; n <= c.employees; ++n) {
            std::vector<PayRecord> checks;
            for (int week = 0; week < 52; ++week) {
                PayRecord p = paycheck(QDate(2025, 1, 3).addDays(7 * week), c.grossCents);
                p.Match401k = Money::fromCents(c.matchCents);
                p.FederalTax = Money::fromCents(c.grossCents / 7);
                p.Deduction401k = Money::fromCents(c.grossCents / 20);
                p.EmployeeName = c.employeeName;
                checks.push_back(p);
            }
            AppendPayRecords(QString::number(1000 + n), checks);
        }
        frmEmpReports& screen = open();
        screen.cmdEmplloyee[6]->click();
        screen.cmdEmplloyee[5]->click();
        screen.cmdEmplloyee[1]->click();
        dialogs->answerPrintDialog(true);
        screen.cmdEmplloyee[2]->click();

        // The texts of each printed row, in order of place.
        std::map<std::pair<int, double>, std::vector<RecordedText>> lines;
        for (const RecordedText& t : printer->texts)
            if (t.font.size == 6) lines[{t.page, t.y}].push_back(t);
        std::vector<QStringList> expected;
        for (int r = 1; r < screen.fgReport->rows(); ++r) {
            QStringList cells = row(*screen.fgReport, r);
            cells.removeAll(QString());
            if (!cells.isEmpty() && screen.fgReport->textMatrix(r, 3) != QStringLiteral("$0.00")) expected.push_back(cells);
        }
        std::size_t k = 0;
        for (auto& [where, texts] : lines) {
            std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
            EXPECT_LE(texts.back().x + texts.back().width, RecordingBackend::PortraitHeight);
            if (texts.front().text == QStringLiteral("Pay Date")) continue; // a page's headings
            ASSERT_LT(k, expected.size());
            const QStringList& cells = expected[k++];
            ASSERT_EQ(texts.size(), std::size_t(cells.size()));
            for (std::size_t i = 0; i < texts.size(); ++i) {
                SCOPED_TRACE(texts[i].text.toStdString());
                if (cells[qsizetype(i)] == c.employeeName) {
                    EXPECT_TRUE(cells[qsizetype(i)].startsWith(texts[i].text) && !texts[i].text.isEmpty());
                } else {
                    EXPECT_EQ(texts[i].text, cells[qsizetype(i)]);
                }
                if (i + 1 < texts.size()) {
                    EXPECT_LT(texts[i].x + texts[i].width, texts[i + 1].x);
                }
            }
        }
        EXPECT_EQ(k, expected.size());
        EXPECT_NE(printer->find(QStringLiteral("TOTALS")), nullptr);
        screen.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
