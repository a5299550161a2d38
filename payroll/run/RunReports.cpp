#include "RunReports.h"

#include "Dates.h"
#include "Dialogs.h"
#include "FlexGrid.h"
#include "PayEngine.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "Records.h"
#include "Screen.h"
#include "frmPayroll.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

#include <cstdint>
#include <limits>
#include <utility>

namespace {

using Grid = std::vector<std::vector<QString>>;

// The summary report is a portrait page, the deduction report a landscape one.
constexpr float SummaryPageLimit = 9.5f;
constexpr float DeductionPageLimit = 7.5f;
// Where the summary report's amounts end.
constexpr float AmountEdge = 6.0f;
// The least room between a cut name and the next column, in twips.
constexpr double ColumnGap = 72;

// The twips of a position in inches, in single precision as the positions are kept.
double Twips(float inches) {
    return static_cast<double>(inches * 1440.0f);
}

// A cell of a grid's texts; empty outside the grid.
QString Cell(const Grid& grid, int row, int col) {
    if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= grid.size()) return {};
    const std::vector<QString>& cells = grid[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : QString();
}

bool Paid(const PayRunReportView& run, int row) {
    return !Cell(run.Employees, row, PayCol::Mark).isEmpty();
}

// The text as far as it fits before the next column (a small gap kept), so that a
// long name never runs into the figures beside it.
QString Fitted(const QString& text, float x, float nextColumn) {
    const Printer& printer = ThePrinter();
    const double room = Twips(nextColumn) - Twips(x) - ColumnGap;
    QString fitted = text;
    while (!fitted.isEmpty() && printer.textWidth(fitted) > room)
        fitted.chop(1);
    return fitted;
}

// Whether one more line in the current font would reach the page's limit.
bool LineWouldReach(float limit) {
    const Printer& printer = ThePrinter();
    return printer.currentY() + printer.textHeight(QString()) >= Twips(limit);
}

// The statements of a printed page. A pen that passes over errors runs every
// statement on its own: one that fails leaves a gap and the page goes on. Otherwise
// the first error goes to the caller and ends the report.
class Pen {
public:
    explicit Pen(bool passOver) : passOver_(passOver) {}

    static void TitleFont() { SetPrintFont(14, true, true); }
    static void BodyFont() { SetPrintFont(10, false, false); }

    // The text at x; the line goes on after it.
    void At(float x, const QString& text) const {
        Run([&] {
            SetPrintPosition(x, 0);
            ThePrinter().printSameLine(text);
        });
    }
    // The text at x, ending the line.
    void LastAt(float x, const QString& text) const {
        Run([&] {
            SetPrintPosition(x, 0);
            ThePrinter().print(text);
        });
    }
    // The text ending at x, ending the line.
    void EndingAt(float x, const QString& text) const {
        Run([&] {
            Printer& printer = ThePrinter();
            printer.setCurrentX(Twips(x) - printer.textWidth(text));
            printer.print(text);
        });
    }
    // The text centred on the printable width.
    void Centred(const QString& text, bool endLine) const {
        Run([&] {
            Printer& printer = ThePrinter();
            printer.setCurrentX(printer.scaleWidth() / 2 - printer.textWidth(text) / 2);
            if (endLine)
                printer.print(text);
            else
                printer.printSameLine(text);
        });
    }
    void Blank() const {
        Run([] { ThePrinter().print(); });
    }
    // A rule at the current vertical position.
    void Rule(float fromX, float toX) const {
        Run([&] {
            Printer& printer = ThePrinter();
            const double y = printer.currentY();
            printer.line(Twips(fromX), y, Twips(toX), y);
        });
    }
    void Down(float inches) const {
        Run([&] { ThePrinter().setCurrentY(ThePrinter().currentY() + Twips(inches)); });
    }
    void BusinessHeading(float x) const {
        Run([&] { PrintBusinessHeading(x); });
    }
    void NewPage() const {
        Run([] { ThePrinter().newPage(); });
    }
    void EndDoc() const {
        Run([] { ThePrinter().endDoc(); });
    }

private:
    template <class Statement> void Run(Statement&& statement) const {
        if (!passOver_) {
            statement();
            return;
        }
        try {
            statement();
        } catch (const std::exception&) {
            // Passed over: the summary report prints what it can.
        }
    }

    bool passOver_;
};

// ---- The payroll summary report -----------------------------------------------------------------

void PrintSummaryTitleBlock(const Pen& pen, const PayRunReportView& run) {
    Pen::TitleFont();
    pen.Down(1.0f);
    pen.Centred(QStringLiteral("Payroll Summary Report"), true);
    pen.Blank();
    Pen::BodyFont();
    pen.LastAt(5.5f, QStringLiteral("Created ") + ShortDateText(Today()));
    pen.LastAt(5.5f, QStringLiteral("Pay Period Ending ") + ShortDateText(run.PeriodEnding));
    pen.BusinessHeading(1.0f);
    pen.Blank();
    pen.Rule(1.0f, 6.5f);
    pen.Blank();
}

void PrintBlockTitle(const Pen& pen, const QString& title) {
    Pen::TitleFont();
    pen.Centred(title, true);
    Pen::BodyFont();
    pen.Blank();
}

// A caption of the payment summary with its amount ending at the amount edge.
void PrintSummaryLine(const Pen& pen, const PayRunReportView& run, std::size_t i) {
    pen.At(1.5f, run.Captions[i]);
    pen.EndingAt(AmountEdge, run.Amounts[i]);
}

// What the run commits the business to deposit: the federal amounts as the screen shows them.
void PrintFederalBlock(const Pen& pen, const PayRunReportView& run) {
    PrintBlockTitle(pen, QStringLiteral("Total Federal Tax Commitment"));
    Money total;
    for (std::size_t i = 1; i <= 4; ++i) {
        PrintSummaryLine(pen, run, i);
        total += MoneyOf(run.Amounts[i]);
    }
    pen.Blank();
    pen.At(1.5f, QStringLiteral("Total"));
    pen.EndingAt(AmountEdge, CurrencyText(total));
    pen.Blank();
}

void PrintWagesBlock(const Pen& pen, const PayRunReportView& run) {
    PrintBlockTitle(pen, QStringLiteral("Total Wages and Deductions"));
    // The employer's 401k match belongs beside the employees' 401k deductions.
    constexpr std::array<std::size_t, 8> lines{0, 5, 6, 7, 10, 11, 12, 13};
    for (std::size_t i : lines) {
        pen.Blank();
        PrintSummaryLine(pen, run, i);
        if (i == 11) {
            pen.Blank();
            PrintSummaryLine(pen, run, 14);
        }
    }
    pen.Blank();
    pen.Rule(1.0f, 6.5f);
    pen.Blank();
    PrintSummaryLine(pen, run, 8);
}

void PrintIndividualDeductions(const Pen& pen, const PayRunReportView& run) {
    PrintDeductionHeadings();
    Money plan, insurance, support;
    const int rows = static_cast<int>(run.Aux.size());
    for (int r = 1; r < rows; ++r) {
        if (!Paid(run, r)) continue;
        if (LineWouldReach(SummaryPageLimit)) {
            pen.NewPage();
            PrintDeductionHeadings();
        }
        pen.At(1.2f, Cell(run.Aux, r, AuxCol::Number));
        pen.At(2.1f, Fitted(Cell(run.Aux, r, AuxCol::Name), 2.1f, 3.9f));
        pen.At(3.9f, Cell(run.Aux, r, AuxCol::Deduction401k));
        pen.At(5.2f, Cell(run.Aux, r, AuxCol::Insurance));
        pen.LastAt(6.3f, Cell(run.Aux, r, AuxCol::ChildSupport));
        plan += MoneyOf(Cell(run.Aux, r, AuxCol::Deduction401k));
        insurance += MoneyOf(Cell(run.Aux, r, AuxCol::Insurance));
        support += MoneyOf(Cell(run.Aux, r, AuxCol::ChildSupport));
    }
    pen.Blank();
    pen.At(2.1f, QStringLiteral("TOTALS"));
    pen.At(3.9f, CurrencyText(plan));
    pen.At(5.2f, CurrencyText(insurance));
    pen.LastAt(6.3f, CurrencyText(support));
}

// ---- The employee deduction report ------------------------------------------------------------

void PrintDeductionTitleBlock(bool summary, const PayRunReportView& run) {
    const Pen pen(false);
    SetPrintFont(14, true, true);
    pen.Down(1.0f);
    pen.Centred(summary ? QStringLiteral("Employee Deduction Summary Report")
                        : QStringLiteral("Employee Deduction Proof Report"),
                false);
    SetPrintFont(10, false, false);
    pen.LastAt(8.0f, QStringLiteral("Created ") + ShortDateText(Today()));
    pen.LastAt(8.0f, QStringLiteral("Pay Period Ending ") + ShortDateText(run.PeriodEnding));
    pen.BusinessHeading(0.5f);
}

// Texts at their positions on one line; the last one ends the line.
template <std::size_t N> void PrintLine(const std::array<std::pair<float, QString>, N>& items) {
    const Pen pen(false);
    for (std::size_t i = 0; i + 1 < N; ++i)
        pen.At(items[i].first, items[i].second);
    pen.LastAt(items[N - 1].first, items[N - 1].second);
}

// Reads the employee record of a grid row's employee number into CurrentEmployee.
void ReadEmployeeOfRow(const QString& employeeNo) {
    const std::optional<Decimal> number = ParseNumber(employeeNo);
    const std::int64_t record = number ? RoundToWhole(*number) - 1000 : 0;
    if (record < 1 || record > std::numeric_limits<std::int32_t>::max())
        throw PrintError(
            QStringLiteral("The employee number \"%1\" names no employee record.").arg(employeeNo));
    LoadEmployee(static_cast<std::int32_t>(record));
}

// "(" check number ")" of the paid row counted so far. Check numbers are 16-bit: a
// first number that is not one, or a count that runs past 32767, stops the report.
QString CheckNumberText(const QString& firstCheck, int counter) {
    const std::optional<std::int16_t> first = ToInt16(firstCheck);
    if (!first) throw PrintError(QStringLiteral("The first check number is not a check number."));
    const int number = *first + counter - 1;
    if (number > std::numeric_limits<std::int16_t>::max())
        throw PrintError(QStringLiteral("The check numbers run past 32767."));
    return u'(' + QString::number(number) + u')';
}

void PrintEmployeeLine(const PayRunReportView& run, int r) {
    const auto employee = [&](int col) { return Cell(run.Employees, r, col); };
    const auto aux = [&](int col) { return Cell(run.Aux, r, col); };
    const auto row = static_cast<std::size_t>(r);
    PrintLine<15>({{{0.5f, employee(PayCol::Number)},
                    {1.0f, Fitted(employee(PayCol::Name), 1.0f, 2.1f)},
                    {2.1f, employee(PayCol::Hours)},
                    {2.5f, CurrencyText(run.Gross.at(row))},
                    {3.1f, CurrencyText(run.NetPay.at(row))},
                    {3.7f, employee(PayCol::Federal)},
                    {4.3f, employee(PayCol::ExtraFederal)},
                    {5.0f, employee(PayCol::Fica)},
                    {5.7f, employee(PayCol::Medicare)},
                    {6.4f, employee(PayCol::State)},
                    {7.1f, employee(PayCol::Local)},
                    {7.8f, aux(AuxCol::Deduction401k)},
                    {8.5f, aux(AuxCol::ChildSupport)},
                    {9.2f, aux(AuxCol::SupportFee)},
                    {9.9f, aux(AuxCol::Insurance)}}});
}

// The year-to-date totals of CurrentEmployee, which include this run once it is posted.
void PrintYearToDateLine() {
    const EmployeeRecord& e = CurrentEmployee;
    PrintLine<11>({{{2.5f, CurrencyText(e.YTDGross)},
                    {3.7f, CurrencyText(e.YTDFederal)},
                    {4.3f, CurrencyText(e.YTDExtraFederal)},
                    {5.0f, CurrencyText(e.YTDFica)},
                    {5.7f, CurrencyText(e.YTDMedicare)},
                    {6.4f, CurrencyText(e.YTDState)},
                    {7.1f, CurrencyText(e.YTDLocal)},
                    {7.8f, CurrencyText(e.YTD401k)},
                    {8.5f, CurrencyText(e.YTDChildSupport)},
                    {9.2f, CurrencyText(e.YTDSupportFee)},
                    {9.9f, CurrencyText(e.YTDInsurance)}}});
}

} // namespace

PayRunReportView ViewOfPayRun(const frmPayroll& screen) {
    PayRunReportView run;
    // The heading row as the grids show it, then the run's rows.
    run.Employees.resize(static_cast<std::size_t>(screen.RowCount() + 1));
    run.Aux.resize(run.Employees.size());
    for (int c = 0; c < PayCol::Count; ++c)
        run.Employees[0].push_back(screen.fgEmployees->textMatrix(0, c));
    for (int c = 0; c < AuxCol::Count; ++c)
        run.Aux[0].push_back(screen.fgAux->textMatrix(0, c));
    run.Gross.assign(1, Money());
    run.NetPay.assign(1, Money());
    for (int n = 1; n <= screen.RowCount(); ++n) {
        const PayRow& row = screen.Row(n);
        auto& employee = run.Employees[static_cast<std::size_t>(n)];
        auto& aux = run.Aux[static_cast<std::size_t>(n)];
        for (int c = 0; c < PayCol::Count; ++c)
            employee.push_back(row.EmployeeText(c));
        for (int c = 0; c < AuxCol::Count; ++c)
            aux.push_back(row.AuxText(c));
        run.Gross.push_back(row.Gross);
        run.NetPay.push_back(row.NetPay);
    }
    for (std::size_t i = 0; i < run.Captions.size(); ++i) {
        run.Captions[i] = screen.Label1[i + 20]->text();
        run.Amounts[i] = screen.lblPayment[i]->text();
    }
    run.FirstCheck = screen.txt1stCheck->text();
    run.PeriodEnding = screen.DTPicker1->date();
    return run;
}

void PrintPayrollSummary() {
    PrintPayrollSummary(ViewOfPayRun(Form<frmPayroll>()));
}

void PrintPayrollSummary(const PayRunReportView& run) {
    const Pen pen(true);
    PrintSummaryTitleBlock(pen, run);
    PrintFederalBlock(pen, run);
    PrintWagesBlock(pen, run);
    PrintIndividualDeductions(pen, run);
    pen.EndDoc();
}

void PrintDeductionHeadings() {
    const Pen pen(true);
    pen.Down(0.5f);
    Pen::TitleFont();
    pen.Centred(QStringLiteral("Individual Deductions"), true);
    Pen::BodyFont();
    pen.Blank();
    pen.At(1.1f, QStringLiteral("Emp No"));
    pen.At(2.1f, QStringLiteral("Employee"));
    pen.At(3.95f, QStringLiteral("401k"));
    pen.At(5.0f, QStringLiteral("Insurance"));
    pen.LastAt(6.0f, QStringLiteral("Child Support"));
    pen.Blank();
}

void PrintDeductionReport(bool summary) {
    PrintDeductionReport(summary, ViewOfPayRun(Form<frmPayroll>()));
}

void PrintDeductionReport(bool summary, const PayRunReportView& run) {
    const PrintOutcome outcome = RunPrintJob([&] {
        SetupPrinter(QStringLiteral("Landscape"));
        PrintDeductionTitleBlock(summary, run);
        PrintDeductionReportHeadings(summary);
        PrintDeductionReportRows(summary, run);
        ThePrinter().endDoc();
    });
    if (outcome == PrintOutcome::Printed)
        MsgBox(QStringLiteral("The Report is on your Printer"), MsgButtons::OK,
               QStringLiteral("Report Printed"));
}

void PrintDeductionReportHeadings(bool summary) {
    ThePrinter().print();
    SetPrintFont(6, true, false);
    PrintLine<15>({{{0.5f, QStringLiteral("Emp No")},
                    {1.1f, QStringLiteral("Employee")},
                    {2.0f, QStringLiteral("Hours")},
                    {2.5f, QStringLiteral("Gross")},
                    {3.1f, QStringLiteral("Net Pay")},
                    {3.7f, QStringLiteral("FIT")},
                    {4.25f, QStringLiteral("Add'l Tax")},
                    {5.0f, QStringLiteral("FICA")},
                    {5.6f, QStringLiteral("Medicare")},
                    {6.3f, QStringLiteral("State Tax")},
                    {7.05f, QStringLiteral("Local Tax")},
                    {7.8f, QStringLiteral("401k")},
                    {8.4f, QStringLiteral("Child Support")},
                    {9.1f, QStringLiteral("Support Fee")},
                    {9.8f, QStringLiteral("Insurance")}}});
    if (summary) {
        const QString ytd = QStringLiteral("(YTD)");
        PrintLine<12>({{{1.1f, QStringLiteral("Check #")},
                        {2.52f, ytd},
                        {3.65f, ytd},
                        {4.3f, ytd},
                        {5.0f, ytd},
                        {5.65f, ytd},
                        {6.35f, ytd},
                        {7.095f, ytd},
                        {7.8f, ytd},
                        {8.5f, ytd},
                        {9.2f, ytd},
                        {9.9f, ytd}}});
    }
    const Pen pen(false);
    pen.Rule(0.5f, 10.25f);
    pen.Blank();
}

void PrintDeductionReportRows(bool summary) {
    PrintDeductionReportRows(summary, ViewOfPayRun(Form<frmPayroll>()));
}

void PrintDeductionReportRows(bool summary, const PayRunReportView& run) {
    int checks = 0;
    const int rows = static_cast<int>(run.Employees.size());
    for (int r = 1; r < rows; ++r) {
        if (!Paid(run, r)) continue;
        ReadEmployeeOfRow(Cell(run.Employees, r, PayCol::Number));
        if (LineWouldReach(DeductionPageLimit)) NewDeductionReportPage(summary);
        PrintEmployeeLine(run, r);
        if (summary) {
            ++checks;
            if (!run.FirstCheck.isEmpty()) {
                SetPrintPosition(1.1f, 0);
                ThePrinter().printSameLine(CheckNumberText(run.FirstCheck, checks));
            }
            PrintYearToDateLine();
        }
        ThePrinter().print();
    }
}

void NewDeductionReportPage(bool summary) {
    ThePrinter().newPage();
    PrintDeductionReportHeadings(summary);
}
