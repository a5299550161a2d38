// The run's two reports: the payroll summary and the employee deduction report.
#include "RunReports.h"

#include "FlexGrid.h"
#include "Globals.h"
#include "PaintingPrinter.h"
#include "PayEngine.h"
#include "PrintRoutines.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"
#include "Screen.h"
#include "frmPayroll.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const Captions[15] = {"Total Employee Wages",
                                  "Total FIT Withheld",
                                  "Total Additional FIT Withheld",
                                  "Total FICA (both)",
                                  "Total Medicare (both)",
                                  "Total State Withheld",
                                  "Total Local Withheld",
                                  "Total Federal FUTA Payment",
                                  "Total Payroll Funds Required",
                                  "Total Child Support Withholding",
                                  "Total Child Support Fees",
                                  "Total 401k Deductions",
                                  "Total State Unemployment Payment",
                                  "Total Insurance Deductions",
                                  "Total Matching 401k"};

constexpr double SummaryLimit = 9.5 * 1440;
constexpr double DeductionLimit = 7.5 * 1440;

QString Dollars(int cents) {
    return CurrencyText(Money::fromCents(cents));
}

QString NameOf(int row) {
    return QStringLiteral("Employee %1").arg(row);
}

// A run of n employees, none of them paid yet; amount i of the summary is $(i+1)00.00.
PayRunReportView RunOf(int employees) {
    PayRunReportView run;
    const auto rows = static_cast<std::size_t>(employees + 1);
    run.Employees.assign(rows, std::vector<QString>(12));
    run.Aux.assign(rows, std::vector<QString>(7));
    run.Gross.assign(rows, Money());
    run.NetPay.assign(rows, Money());
    for (std::size_t i = 0; i < 15; ++i) {
        run.Captions[i] = QString::fromUtf8(Captions[i]);
        run.Amounts[i] = Dollars(static_cast<int>(i + 1) * 10000);
    }
    run.PeriodEnding = QDate(2026, 6, 12);
    return run;
}

// Marks row r as paid, with amounts that tell the rows and columns apart:
// 401k $r.00, insurance $2r.00, child support $3r.00, fee $0.50.
void Pay(PayRunReportView& run, int r) {
    auto& e = run.Employees[static_cast<std::size_t>(r)];
    auto& a = run.Aux[static_cast<std::size_t>(r)];
    e[PayCol::Mark] = PayMark;
    e[PayCol::Name] = a[AuxCol::Name] = NameOf(r);
    e[PayCol::Number] = a[AuxCol::Number] = QString::number(1000 + r);
    e[PayCol::Hours] = QStringLiteral("40");
    const char* taxes[6] = {"$41.00", "$5.00", "$37.20", "$8.70", "$18.00", "$6.00"};
    for (int c = PayCol::Federal; c <= PayCol::Local; ++c)
        e[static_cast<std::size_t>(c)] = QString::fromUtf8(taxes[c - PayCol::Federal]);
    a[AuxCol::Deduction401k] = Dollars(100 * r);
    a[AuxCol::Insurance] = Dollars(200 * r);
    a[AuxCol::ChildSupport] = Dollars(300 * r);
    a[AuxCol::SupportFee] = Dollars(50);
    a[AuxCol::Match401k] = Dollars(9999);
    run.Gross[static_cast<std::size_t>(r)] = Money::fromCents(60000 + r);
    run.NetPay[static_cast<std::size_t>(r)] = Money::fromCents(45000 + r);
}

PayRunReportView PaidRun(int employees) {
    PayRunReportView run = RunOf(employees);
    for (int r = 1; r <= employees; ++r)
        Pay(run, r);
    return run;
}

QStringList TextsOf(const std::vector<RecordedText>& texts) {
    QStringList list;
    for (const RecordedText& t : texts)
        list << t.text;
    return list;
}

class RunReportsTest : public PrintingTest {
protected:
    RunReportsTest() {
        BusinessName = QStringLiteral("Harbor Lane Bakery");
        BusinessAddress = QStringLiteral("12 Harbor Lane");
        BusinessCity = QStringLiteral("Springfield");
        BusinessState = QStringLiteral("IL");
        BusinessZip = QStringLiteral("62701");
        BusinessPhone = QStringLiteral("(217) 555-0100");
        // As the checks leave the printer before the reports.
        SetupPrinter(QStringLiteral("Portrait"));
    }

    static double LineHeight(double size, bool bold, bool underline = false) {
        const PrintFont font{QStringLiteral("Ariel"), PrintFace(QStringLiteral("Ariel")), size, bold,
                             underline};
        return ThePrinter().backend().lineHeight(font);
    }
    static double Body() { return LineHeight(10, false); }
    static double Small() { return LineHeight(6, true); }

    const RecordedText& text(const QString& t) {
        const RecordedText* found = printer->find(t);
        if (!found) throw std::runtime_error("not printed: " + t.toStdString());
        return *found;
    }
    // The texts of one job printed on the line at y.
    std::vector<RecordedText> onLine(int job, int page, double y) {
        std::vector<RecordedText> line;
        for (const RecordedText& t : printer->textsOnPage(job, page))
            if (qAbs(t.y - y) < 0.01) line.push_back(t);
        return line;
    }
    void expectAt(const QString& t, float x, double y) {
        SCOPED_TRACE(t.toStdString());
        const RecordedText& found = text(t);
        EXPECT_DOUBLE_EQ(found.x, Twips(x));
        EXPECT_NEAR(found.y, y, 0.01);
    }
    // Writes employees 1..n with year-to-date totals that name the employee and the field.
    static void WriteEmployeesWithTotals(int n) {
        std::vector<EmployeeRecord> employees;
        for (int k = 1; k <= n; ++k) {
            EmployeeRecord e = testrecords::Employee(k, NameOf(k));
            int field = 1;
            for (Money EmployeeRecord::*total :
                 {&EmployeeRecord::YTDGross, &EmployeeRecord::YTDFederal, &EmployeeRecord::YTDExtraFederal,
                  &EmployeeRecord::YTDFica, &EmployeeRecord::YTDMedicare, &EmployeeRecord::YTDState,
                  &EmployeeRecord::YTDLocal, &EmployeeRecord::YTD401k, &EmployeeRecord::YTDChildSupport,
                  &EmployeeRecord::YTDSupportFee, &EmployeeRecord::YTDInsurance})
                e.*total = Money::fromCents(k * 100000 + field++ * 100);
            employees.push_back(e);
        }
        testrecords::WriteEmployees(employees);
    }
};

} // namespace

// ---- Payroll summary report -------------------------------------------------------------------

TEST_F(RunReportsTest, SummaryPrintsItsBlocksInTheirOrder) {
    PayRunReportView run = RunOf(2);
    Pay(run, 1);
    PrintPayrollSummary(run);

    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_TRUE(printer->jobs[0].ended);
    EXPECT_EQ(printer->jobs[0].orientation, PageOrientation::Portrait);
    EXPECT_EQ(printer->jobs[0].pages, 1);
    const QStringList expected{"Payroll Summary Report",
                               "Created 6/15/2026",
                               "Pay Period Ending 6/12/2026",
                               "Harbor Lane Bakery",
                               "12 Harbor Lane",
                               "Springfield, IL 62701",
                               "(217) 555-0100",
                               "Total Federal Tax Commitment",
                               "Total FIT Withheld",
                               "$200.00",
                               "Total Additional FIT Withheld",
                               "$300.00",
                               "Total FICA (both)",
                               "$400.00",
                               "Total Medicare (both)",
                               "$500.00",
                               "Total",
                               "$1,400.00",
                               "Total Wages and Deductions",
                               "Total Employee Wages",
                               "$100.00",
                               "Total State Withheld",
                               "$600.00",
                               "Total Local Withheld",
                               "$700.00",
                               "Total Federal FUTA Payment",
                               "$800.00",
                               "Total Child Support Fees",
                               "$1,100.00",
                               "Total 401k Deductions",
                               "$1,200.00",
                               "Total Matching 401k",
                               "$1,500.00",
                               "Total State Unemployment Payment",
                               "$1,300.00",
                               "Total Insurance Deductions",
                               "$1,400.00",
                               "Total Payroll Funds Required",
                               "$900.00",
                               "Individual Deductions",
                               "Emp No",
                               "Employee",
                               "401k",
                               "Insurance",
                               "Child Support",
                               "1001",
                               "Employee 1",
                               "$1.00",
                               "$2.00",
                               "$3.00",
                               "TOTALS",
                               "$1.00",
                               "$2.00",
                               "$3.00"};
    EXPECT_EQ(TextsOf(printer->texts), expected);
    // The withholding is shown per employee only; the summary shows no message.
    EXPECT_EQ(printer->find(QStringLiteral("Total Child Support Withholding")), nullptr);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(RunReportsTest, SummaryTitleBlockAndAmountsStandAtTheirPositions) {
    PrintPayrollSummary(PaidRun(1));
    const RecordedText& title = text(QStringLiteral("Payroll Summary Report"));
    EXPECT_DOUBLE_EQ(title.x, RecordingBackend::PortraitWidth / 2 - title.width / 2);
    EXPECT_DOUBLE_EQ(title.y, 1440);
    EXPECT_EQ(title.font.size, 14);
    EXPECT_TRUE(title.font.bold && title.font.underline);
    const double created = 1440 + 2 * LineHeight(14, true, true);
    expectAt(QStringLiteral("Created 6/15/2026"), 5.5f, created);
    expectAt(QStringLiteral("Pay Period Ending 6/12/2026"), 5.5f, created + Body());
    expectAt(QStringLiteral("Harbor Lane Bakery"), 1.0f, created + 2 * Body());
    EXPECT_FALSE(text(QStringLiteral("Created 6/15/2026")).font.bold);

    // Two rules across the page: under the heading and over the funds required.
    ASSERT_EQ(printer->lines.size(), 2u);
    const double phone = text(QStringLiteral("(217) 555-0100")).y;
    EXPECT_NEAR(printer->lines[0].from.y(), phone + 2 * Body(), 0.01);
    for (const RecordedLine& rule : printer->lines) {
        EXPECT_DOUBLE_EQ(rule.from.x(), 1440);
        EXPECT_DOUBLE_EQ(rule.to.x(), Twips(6.5f));
        EXPECT_DOUBLE_EQ(rule.from.y(), rule.to.y());
    }
    EXPECT_NEAR(text(QStringLiteral("Total Payroll Funds Required")).y, printer->lines[1].from.y() + Body(),
                0.01);

    // Every caption at 1.5 in with its amount ending at 6.0 in on the same line.
    for (const char* caption : Captions) {
        const RecordedText* c = printer->find(QString::fromUtf8(caption));
        if (!c) continue;
        SCOPED_TRACE(caption);
        EXPECT_DOUBLE_EQ(c->x, Twips(1.5f));
        const std::vector<RecordedText> line = onLine(1, 1, c->y);
        ASSERT_EQ(line.size(), 2u);
        EXPECT_NEAR(line[1].x + line[1].width, Twips(6.0f), 0.01);
    }
}

TEST_F(RunReportsTest, FederalLinesAreSingleSpacedAndTheOthersDoubleSpaced) {
    PrintPayrollSummary(PaidRun(1));
    const auto y = [&](const char* t) { return text(QString::fromUtf8(t)).y; };
    EXPECT_NEAR(y("Total FIT Withheld"),
                y("Total Federal Tax Commitment") + LineHeight(14, true, true) + Body(), 0.01);
    EXPECT_NEAR(y("Total Medicare (both)"), y("Total FIT Withheld") + 3 * Body(), 0.01);
    EXPECT_NEAR(y("Total"), y("Total Medicare (both)") + 2 * Body(), 0.01);
    EXPECT_NEAR(y("Total Wages and Deductions"), y("Total") + 2 * Body(), 0.01);
    EXPECT_NEAR(y("Total Employee Wages"),
                y("Total Wages and Deductions") + LineHeight(14, true, true) + 2 * Body(), 0.01);
    // The employer's match follows the employees' 401k directly.
    EXPECT_NEAR(y("Total Matching 401k"), y("Total 401k Deductions") + 2 * Body(), 0.01);
    EXPECT_NEAR(y("Total State Unemployment Payment"), y("Total Matching 401k") + 2 * Body(), 0.01);
}

TEST_F(RunReportsTest, FederalTotalIsTheSumOfTheFourFederalAmountsShown) {
    PayRunReportView run = PaidRun(2);
    run.Amounts[1] = QStringLiteral("$1,100.10");
    run.Amounts[2] = QStringLiteral("$20.20");
    run.Amounts[3] = QStringLiteral("$306.00");
    run.Amounts[4] = QStringLiteral("$71.56");
    PrintPayrollSummary(run);
    const RecordedText& total = text(QStringLiteral("Total"));
    const std::vector<RecordedText> line = onLine(1, 1, total.y);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[1].text, QStringLiteral("$1,497.86"));

    // An amount that is not money adds nothing.
    run.Amounts[3] = QStringLiteral("n/a");
    PrintPayrollSummary(run);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("$1,191.86")).size(), 1u);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("n/a")).size(), 1u);
}

TEST_F(RunReportsTest, RunWithNoPaidEmployeePrintsTheHeadingsAndZeroTotals) {
    PrintPayrollSummary(RunOf(3));
    EXPECT_NE(printer->find(QStringLiteral("Individual Deductions")), nullptr);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(printer->find(NameOf(r)), nullptr);
    const RecordedText& totals = text(QStringLiteral("TOTALS"));
    EXPECT_NEAR(totals.y, text(QStringLiteral("Child Support")).y + 3 * Body(), 0.01);
    const std::vector<RecordedText> line = onLine(1, 1, totals.y);
    ASSERT_EQ(line.size(), 4u);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(line[static_cast<std::size_t>(i)].text, QStringLiteral("$0.00"));
    EXPECT_TRUE(printer->jobs[0].ended);
}

TEST_F(RunReportsTest, DeductionTableListsOnlyPaidRowsAndTotalsThem) {
    PayRunReportView run = PaidRun(3);
    run.Employees[2][PayCol::Mark].clear();
    PrintPayrollSummary(run);

    const RecordedText& heading = text(QStringLiteral("Individual Deductions"));
    EXPECT_NEAR(heading.y, text(QStringLiteral("Total Payroll Funds Required")).y + Body() + 720, 0.01);
    const double headings = heading.y + LineHeight(14, true, true) + Body();
    for (auto [t, x] : {std::pair{"Emp No", 1.1f},
                        {"Employee", 2.1f},
                        {"401k", 3.95f},
                        {"Insurance", 5.0f},
                        {"Child Support", 6.0f}})
        expectAt(QString::fromUtf8(t), x, headings);

    EXPECT_EQ(printer->find(NameOf(2)), nullptr);
    const double first = headings + 2 * Body();
    const std::vector<RecordedText> row1 = onLine(1, 1, first);
    ASSERT_EQ(row1.size(), 5u);
    const float xs[5] = {1.2f, 2.1f, 3.9f, 5.2f, 6.3f};
    const QStringList values{"1001", "Employee 1", "$1.00", "$2.00", "$3.00"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(row1[i].x, Twips(xs[i]));
        EXPECT_EQ(row1[i].text, values[static_cast<qsizetype>(i)]);
    }
    EXPECT_EQ(TextsOf(onLine(1, 1, first + Body())),
              (QStringList{"1003", "Employee 3", "$3.00", "$6.00", "$9.00"}));
    EXPECT_EQ(TextsOf(onLine(1, 1, first + 3 * Body())), (QStringList{"TOTALS", "$4.00", "$8.00", "$12.00"}));
}

TEST_F(RunReportsTest, ManyPaidEmployeesContinueOnPagesThatStartWithTheHeadings) {
    constexpr int count = 70;
    PrintPayrollSummary(PaidRun(count));
    const RecordedJob& job = printer->jobs.at(0);
    ASSERT_GE(job.pages, 3);
    EXPECT_TRUE(job.ended);

    int lastPage = 1;
    double lastY = 0;
    for (int r = 1; r <= count; ++r) {
        SCOPED_TRACE(r);
        ASSERT_EQ(printer->textsEqual(NameOf(r)).size(), 1u);
        const RecordedText& row = text(NameOf(r));
        EXPECT_LT(row.y + Body(), SummaryLimit);
        if (row.page != lastPage) {
            // The page before was full: one more row would have reached 9.5 in.
            EXPECT_GE(lastY + 2 * Body(), SummaryLimit);
            const std::vector<RecordedText> top = printer->textsOnPage(1, row.page);
            ASSERT_GE(top.size(), 6u);
            EXPECT_EQ(top[0].text, QStringLiteral("Individual Deductions"));
            EXPECT_DOUBLE_EQ(top[0].y, 720);
            EXPECT_DOUBLE_EQ(top[0].x, RecordingBackend::PortraitWidth / 2 - top[0].width / 2);
            EXPECT_EQ(TextsOf({top.begin() + 1, top.begin() + 6}),
                      (QStringList{"Emp No", "Employee", "401k", "Insurance", "Child Support"}));
            EXPECT_NEAR(top[1].y, 720 + LineHeight(14, true, true) + Body(), 0.01);
            EXPECT_NEAR(row.y, top[1].y + 2 * Body(), 0.01);
        } else if (r > 1) {
            EXPECT_NEAR(row.y, lastY + Body(), 0.01);
        }
        lastPage = row.page;
        lastY = row.y;
    }
    // The totals follow the last row on its page, and the title block stands on the first page only.
    const RecordedText& totals = text(QStringLiteral("TOTALS"));
    EXPECT_EQ(totals.page, lastPage);
    EXPECT_NEAR(totals.y, lastY + 2 * Body(), 0.01);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("Payroll Summary Report")).size(), 1u);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("Individual Deductions")).size(),
              static_cast<std::size_t>(job.pages));
}

TEST_F(RunReportsTest, SummaryPassesOverAFailingStepAndShowsNothing) {
    printer->failToStart = true;
    PrintPayrollSummary(PaidRun(1));
    // The title could not start the job: it is missing (its line not taken), and the
    // report goes on from the blank line after it.
    EXPECT_EQ(printer->find(QStringLiteral("Payroll Summary Report")), nullptr);
    EXPECT_NEAR(text(QStringLiteral("Created 6/15/2026")).y, 1440 + LineHeight(14, true, true), 0.01);
    EXPECT_NE(printer->find(QStringLiteral("TOTALS")), nullptr);
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_TRUE(printer->jobs[0].ended);
    EXPECT_TRUE(dialogs->shown.empty());
}

// ---- Employee deduction report ----------------------------------------------------------------

TEST_F(RunReportsTest, ProofReportPrintsItsTitleBlockAndOneHeadingRowOnALandscapePage) {
    WriteEmployeesWithTotals(1);
    PrintDeductionReport(false, PaidRun(1));

    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_EQ(printer->jobs[0].orientation, PageOrientation::Landscape);
    EXPECT_TRUE(printer->jobs[0].ended);
    const RecordedText& title = text(QStringLiteral("Employee Deduction Proof Report"));
    EXPECT_DOUBLE_EQ(title.x, RecordingBackend::PortraitHeight / 2 - title.width / 2);
    EXPECT_DOUBLE_EQ(title.y, 1440);
    EXPECT_TRUE(title.font.bold && title.font.underline && title.font.size == 14);
    expectAt(QStringLiteral("Created 6/15/2026"), 8.0f, 1440);
    expectAt(QStringLiteral("Pay Period Ending 6/12/2026"), 8.0f, 1440 + Body());
    expectAt(QStringLiteral("Harbor Lane Bakery"), 0.5f, 1440 + 2 * Body());

    const double headings = text(QStringLiteral("(217) 555-0100")).y + 2 * Body();
    const std::vector<RecordedText> row = onLine(1, 1, headings);
    const float xs[15] = {0.5f, 1.1f, 2.0f,  2.5f, 3.1f, 3.7f, 4.25f, 5.0f,
                          5.6f, 6.3f, 7.05f, 7.8f, 8.4f, 9.1f, 9.8f};
    ASSERT_EQ(row.size(), 15u);
    EXPECT_EQ(TextsOf(row), (QStringList{"Emp No", "Employee", "Hours", "Gross", "Net Pay", "FIT",
                                         "Add'l Tax", "FICA", "Medicare", "State Tax", "Local Tax", "401k",
                                         "Child Support", "Support Fee", "Insurance"}));
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_DOUBLE_EQ(row[i].x, Twips(xs[i]));
        EXPECT_TRUE(row[i].font.bold && !row[i].font.underline && row[i].font.size == 6);
    }
    EXPECT_EQ(printer->find(QStringLiteral("Check #")), nullptr);
    EXPECT_EQ(printer->find(QStringLiteral("(YTD)")), nullptr);
    ASSERT_EQ(printer->lines.size(), 1u);
    EXPECT_NEAR(printer->lines[0].from.y(), headings + Small(), 0.01);
    EXPECT_DOUBLE_EQ(printer->lines[0].from.x(), Twips(0.5f));
    EXPECT_DOUBLE_EQ(printer->lines[0].to.x(), Twips(10.25f));
    EXPECT_NEAR(text(QStringLiteral("Employee 1")).y, headings + 2 * Small(), 0.01);
    // The proof has no year-to-date line.
    EXPECT_EQ(printer->find(Dollars(100100)), nullptr);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("The Report is on your Printer"));
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Report Printed"));
}

TEST_F(RunReportsTest, EmployeeLineHoldsTheRunsFiguresAtTheirColumns) {
    WriteEmployeesWithTotals(1);
    PrintDeductionReport(false, PaidRun(1));
    const std::vector<RecordedText> line = onLine(1, 1, text(QStringLiteral("Employee 1")).y);
    EXPECT_EQ(TextsOf(line),
              (QStringList{"1001", "Employee 1", "40", "$600.01", "$450.01", "$41.00", "$5.00", "$37.20",
                           "$8.70", "$18.00", "$6.00", "$1.00", "$3.00", "$0.50", "$2.00"}));
    const float xs[15] = {0.5f, 1.0f, 2.1f, 2.5f, 3.1f, 3.7f, 4.3f, 5.0f,
                          5.7f, 6.4f, 7.1f, 7.8f, 8.5f, 9.2f, 9.9f};
    for (std::size_t i = 0; i < line.size() && i < 15; ++i)
        EXPECT_DOUBLE_EQ(line[i].x, Twips(xs[i])) << line[i].text.toStdString();
    // The employer's match is not an employee deduction.
    EXPECT_EQ(printer->find(Dollars(9999)), nullptr);
}

TEST_F(RunReportsTest, SummaryFormNumbersEachPaidEmployeesCheckAndShowsTheYearToDate) {
    WriteEmployeesWithTotals(4);
    PayRunReportView run = PaidRun(4);
    run.Employees[2][PayCol::Mark].clear();
    run.FirstCheck = QStringLiteral("1201");
    PrintDeductionReport(true, run);

    const RecordedText& checkHeading = text(QStringLiteral("Check #"));
    EXPECT_DOUBLE_EQ(checkHeading.x, Twips(1.1f));
    const std::vector<RecordedText> ytd = printer->textsEqual(QStringLiteral("(YTD)"));
    const float ytdXs[11] = {2.52f, 3.65f, 4.3f, 5.0f, 5.65f, 6.35f, 7.095f, 7.8f, 8.5f, 9.2f, 9.9f};
    ASSERT_EQ(ytd.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_DOUBLE_EQ(ytd[i].x, Twips(ytdXs[i]));
        EXPECT_DOUBLE_EQ(ytd[i].y, checkHeading.y);
    }
    EXPECT_NEAR(checkHeading.y, text(QStringLiteral("Emp No")).y + Small(), 0.01);
    EXPECT_NEAR(printer->lines.at(0).from.y(), checkHeading.y + Small(), 0.01);

    // Unpaid employee 2 takes no check number: 1201, 1202, 1203 go to employees 1, 3, 4.
    EXPECT_EQ(printer->find(NameOf(2)), nullptr);
    const std::pair<int, const char*> checks[3] = {{1, "(1201)"}, {3, "(1202)"}, {4, "(1203)"}};
    const float xs[11] = {2.5f, 3.7f, 4.3f, 5.0f, 5.7f, 6.4f, 7.1f, 7.8f, 8.5f, 9.2f, 9.9f};
    for (auto [employee, number] : checks) {
        SCOPED_TRACE(number);
        const double y = text(NameOf(employee)).y + Small();
        const std::vector<RecordedText> line = onLine(1, 1, y);
        ASSERT_EQ(line.size(), 12u);
        EXPECT_EQ(line[0].text, QString::fromUtf8(number));
        EXPECT_DOUBLE_EQ(line[0].x, Twips(1.1f));
        for (std::size_t i = 0; i < 11; ++i) {
            EXPECT_EQ(line[i + 1].text, Dollars(employee * 100000 + static_cast<int>(i + 1) * 100));
            EXPECT_DOUBLE_EQ(line[i + 1].x, Twips(xs[i]));
        }
    }
    EXPECT_EQ(printer->find(QStringLiteral("(1204)")), nullptr);
    EXPECT_NEAR(text(NameOf(3)).y, text(NameOf(1)).y + 3 * Small(), 0.01);
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{QStringLiteral("The Report is on your Printer")}));
}

TEST_F(RunReportsTest, EmptyFirstCheckNumberLeavesTheYearToDateLineWithoutANumber) {
    WriteEmployeesWithTotals(2);
    PrintDeductionReport(true, PaidRun(2));
    for (const RecordedText& t : printer->texts)
        EXPECT_FALSE(t.text.startsWith(u'(') && t.text != QStringLiteral("(YTD)") &&
                     t.text != QStringLiteral("(217) 555-0100"))
            << t.text.toStdString();
    const std::vector<RecordedText> line = onLine(1, 1, text(NameOf(2)).y + Small());
    ASSERT_EQ(line.size(), 11u);
    EXPECT_DOUBLE_EQ(line[0].x, Twips(2.5f));
    EXPECT_EQ(line[0].text, Dollars(200100));
    EXPECT_TRUE(printer->jobs[0].ended);
}

TEST_F(RunReportsTest, CheckNumberThatIsNotA16BitNumberStopsTheReportWithThePrintError) {
    WriteEmployeesWithTotals(2);
    struct Case {
        const char* first;
        int paid;
        bool prints;
    };
    for (Case c :
         {Case{"abc", 1, false}, Case{"40000", 1, false}, Case{"32766", 2, true}, Case{"32767", 2, false}}) {
        SCOPED_TRACE(c.first);
        dialogs->clear();
        PayRunReportView run = PaidRun(c.paid);
        run.FirstCheck = QString::fromUtf8(c.first);
        PrintDeductionReport(true, run);
        const RecordedJob& job = printer->jobs.back();
        ASSERT_EQ(dialogs->shown.size(), 1u);
        if (c.prints) {
            EXPECT_TRUE(job.ended);
            EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Report Printed"));
        } else {
            EXPECT_TRUE(job.abandoned);
            EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("A Print Error has occurred"));
            EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Print Error"));
        }
    }
    EXPECT_EQ(printer->textsEqual(QStringLiteral("(32767)")).size(), 2u);
    EXPECT_TRUE(printer->textsEqual(QStringLiteral("(32768)")).empty());
}

TEST_F(RunReportsTest, ProofFormRepeatsItsOneHeadingRowOnEveryPage) {
    constexpr int count = 60;
    WriteEmployeesWithTotals(count);
    PrintDeductionReport(false, PaidRun(count));
    const RecordedJob& job = printer->jobs.at(0);
    ASSERT_GE(job.pages, 2);
    for (int page = 1; page <= job.pages; ++page) {
        SCOPED_TRACE(page);
        const QStringList texts = TextsOf(printer->textsOnPage(1, page));
        EXPECT_EQ(texts.count(QStringLiteral("Emp No")), 1);
        EXPECT_EQ(texts.count(QStringLiteral("Check #")), 0);
        EXPECT_EQ(texts.contains(QStringLiteral("Employee Deduction Proof Report")), page == 1);
        EXPECT_EQ(texts.contains(QStringLiteral("Harbor Lane Bakery")), page == 1);
    }
    // A continuation page: blank line, headings, rule, blank line, then the next employee.
    const RecordedText heading = printer->textsOnPage(1, 2).front();
    EXPECT_EQ(heading.text, QStringLiteral("Emp No"));
    EXPECT_NEAR(heading.y, Small(), 0.01);
    ASSERT_EQ(printer->lines.size(), static_cast<std::size_t>(job.pages));
    EXPECT_EQ(printer->lines[1].page, 2);
    EXPECT_NEAR(printer->lines[1].from.y(), 2 * Small(), 0.01);
    EXPECT_NEAR(printer->textsOnPage(1, 2)[15].y, 3 * Small(), 0.01);
    for (int r = 1; r <= count; ++r)
        EXPECT_LT(text(NameOf(r)).y + Small(), DeductionLimit) << r;
}

TEST_F(RunReportsTest, SummaryFormRepeatsBothHeadingRowsOnEveryPage) {
    constexpr int count = 40;
    WriteEmployeesWithTotals(count);
    PayRunReportView run = PaidRun(count);
    run.FirstCheck = QStringLiteral("100");
    PrintDeductionReport(true, run);
    const RecordedJob& job = printer->jobs.at(0);
    ASSERT_GE(job.pages, 2);
    int lastPage = 1;
    for (int r = 1; r <= count; ++r) {
        const RecordedText& row = text(NameOf(r));
        if (row.page != lastPage) {
            SCOPED_TRACE(r);
            const QStringList texts = TextsOf(printer->textsOnPage(1, row.page));
            EXPECT_EQ(texts.count(QStringLiteral("Emp No")), 1);
            EXPECT_EQ(texts.count(QStringLiteral("Check #")), 1);
            EXPECT_EQ(texts.count(QStringLiteral("(YTD)")), 11);
            // Blank line, two heading rows, rule, blank line.
            EXPECT_NEAR(row.y, 4 * Small(), 0.01);
            // Check numbers go on across the pages.
            EXPECT_EQ(onLine(1, row.page, row.y + Small()).at(0).text, QStringLiteral("(%1)").arg(99 + r));
            lastPage = row.page;
        }
        EXPECT_LT(row.y + Small(), DeductionLimit);
    }
    EXPECT_EQ(printer->find(QStringLiteral("(139)"))->page, job.pages);
}

TEST_F(RunReportsTest, NoPaidRowPrintsTheTitleBlockAndHeadingsOnly) {
    PrintDeductionReport(true, RunOf(2));
    EXPECT_EQ(printer->jobs.at(0).pages, 1);
    EXPECT_TRUE(printer->jobs[0].ended);
    EXPECT_EQ(TextsOf(printer->texts).back(), QStringLiteral("(YTD)"));
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{QStringLiteral("The Report is on your Printer")}));
    // Reading nothing, it creates no employee file either.
    EXPECT_FALSE(exists(QStringLiteral("/Employees.txt")));
}

TEST_F(RunReportsTest, PrinterThatCannotStartEndsTheDeductionReportWithThePrintError) {
    printer->failToStart = true;
    PrintDeductionReport(false, PaidRun(1));
    EXPECT_TRUE(printer->texts.empty());
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{QStringLiteral("A Print Error has occurred")}));
    EXPECT_EQ(dialogs->shown.at(0).title, QStringLiteral("Print Error"));
}

TEST_F(RunReportsTest, LongNameIsCutBeforeTheNextColumn) {
    WriteEmployeesWithTotals(1);
    const QString name = QStringLiteral("Christopher Alexander Montgome");
    PayRunReportView run = PaidRun(1);
    run.Employees[1][PayCol::Name] = run.Aux[1][AuxCol::Name] = name;
    PrintPayrollSummary(run);
    PrintDeductionReport(false, run);
    const std::pair<int, std::pair<float, float>> columns[2] = {{1, {2.1f, 3.9f}}, {2, {1.0f, 2.1f}}};
    for (auto [job, span] : columns) {
        SCOPED_TRACE(job);
        const RecordedText* cut = nullptr;
        for (const RecordedText& t : printer->texts)
            if (t.job == job && t.text.startsWith(QStringLiteral("Christopher")) && t.x == Twips(span.first))
                cut = &t;
        ASSERT_NE(cut, nullptr);
        EXPECT_TRUE(name.startsWith(cut->text));
        EXPECT_LT(cut->text.size(), name.size());
        EXPECT_LE(cut->x + cut->width, Twips(span.second) - 72);
    }
}

// ---- Through the pay-run screen and a real printer ------------------------------------------

TEST_F(RunReportsTest, ReportsReadThePayRunScreenAsTheRunLeftIt) {
    WriteEmployeesWithTotals(2);
    frmPayroll& f = ShowScreen<frmPayroll>();
    f.Row(2).Marked = true;
    f.Row(2).Deduction401k = Money::fromCents(1234);
    f.lblPayment[PaymentLine::Match401k]->setText(QStringLiteral("$77.00"));
    f.Row(2).Gross = Money::fromCents(81234);
    f.txt1stCheck->setText(QStringLiteral("501"));
    f.DTPicker1->setDate(QDate(2026, 6, 12));

    PrintPayrollSummary();
    PrintDeductionReport(true);
    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("Pay Period Ending 6/12/2026")).size(), 2u);
    const RecordedText& match = text(QStringLiteral("Total Matching 401k"));
    EXPECT_EQ(onLine(1, 1, match.y).at(1).text, QStringLiteral("$77.00"));
    // The summary's row and total, the deduction report's line.
    EXPECT_EQ(printer->textsEqual(QStringLiteral("$12.34")).size(), 3u);
    EXPECT_NE(printer->find(QStringLiteral("$812.34")), nullptr);
    EXPECT_NE(printer->find(QStringLiteral("(501)")), nullptr);
    EXPECT_NE(printer->find(QStringLiteral("(502)")), nullptr);
}

TEST_F(RunReportsTest, BothReportsPrintThroughThePaintingPrinter) {
    WriteEmployeesWithTotals(30);
    PayRunReportView run = PaidRun(30);
    run.FirstCheck = QStringLiteral("2001");
    const std::pair<QString, std::function<void()>> jobs[3] = {
        {QStringLiteral("/summary.pdf"), [&] { PrintPayrollSummary(run); }},
        {QStringLiteral("/deductions.pdf"), [&] { PrintDeductionReport(true, run); }},
        {QStringLiteral("/proof.pdf"), [&] { PrintDeductionReport(false, run); }}};
    for (const auto& [name, job] : jobs) {
        PrinterScope scope(std::make_unique<PaintingBackend>(MakePdfPrinter(path(name))));
        SetupPrinter(QStringLiteral("Portrait"));
        job();
        EXPECT_TRUE(readFile(name).startsWith("%PDF")) << name.toStdString();
    }
    EXPECT_EQ(dialogs->messages().size(), 2u);
}
