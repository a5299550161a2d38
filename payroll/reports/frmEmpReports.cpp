#include "frmEmpReports.h"

#include "Controls.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "EmployeeHistory.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "MainMenu.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "Records.h"

#include <QAbstractItemModel>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr int ReportColumns = 16;
// The report is printed on landscape paper and breaks its pages itself here.
constexpr float PageLimit = 7.5f;

// Where each column of the report prints, with its printed heading.
struct PrintColumn {
    float x;
    const char* heading;
};
constexpr std::array<PrintColumn, ReportColumns> PrintColumns{{{0.5f, "Pay Date"},
                                                               {1.1f, "Emp No"},
                                                               {1.6f, "Employee"},
                                                               {2.5f, "Gross"},
                                                               {3.15f, "Hours"},
                                                               {3.8f, "FIT"},
                                                               {4.3f, "FICA"},
                                                               {5.0f, "Medicare"},
                                                               {5.6f, "State Tax"},
                                                               {6.3f, "Local Tax"},
                                                               {7.0f, "Add'l Fed"},
                                                               {7.8f, "Support"},
                                                               {8.4f, "Fee"},
                                                               {9.1f, "Insurance"},
                                                               {9.8f, "401k"},
                                                               {10.2f, "401k Match"}}};

const char* const Quarters[8] = {"1stQ, Current Year", "2ndQ, Current Year", "3rdQ, Current Year",
                                 "4thQ, Current Year", "1stQ, Last Year",    "2ndQ, Last Year",
                                 "3rdQ, Last Year",    "4thQ, Last Year"};

struct ButtonText {
    const char* caption;
    const char* tip;
};
constexpr ButtonText Buttons[8] = {{"&Menu", "Return to Main Menu"},
                                   {"&Create Report", ""},
                                   {"&Print Report", ""},
                                   {"&Close Screen", ""},
                                   {"&YTD", ""},
                                   {"&Last Year", ""},
                                   {"Select All", ""},
                                   {"Deselect All", ""}};

// The employee's name: the one column that gives way, cut to its room, when the figures
// beside it need the space.
constexpr std::size_t NameColumn = 2;
// The least room between the end of one column's text and the next column.
constexpr double ColumnGap = 72.0;

using ColumnPlaces = std::array<double, ReportColumns>;

QString Heading(std::size_t col) {
    return QString::fromLatin1(PrintColumns[col].heading);
}

// Where each column prints, in twips, in the printer's current font: at its place in the
// layout above, moved right where the widest text of the column before would run into it,
// and moved left where the columns would run past the printable width. Amounts, dates and
// hours are thus never cut; a name is cut only when the page has no room for it.
ColumnPlaces PlaceColumns(const std::vector<QStringList>& rows) {
    const Printer& printer = ThePrinter();
    std::array<double, ReportColumns> widest{};
    for (std::size_t col = 0; col < ReportColumns; ++col)
        widest[col] = printer.textWidth(Heading(col));
    for (const QStringList& cells : rows)
        for (std::size_t col = 0; col < ReportColumns; ++col)
            widest[col] = std::max(widest[col], printer.textWidth(cells.value(static_cast<qsizetype>(col))));
    ColumnPlaces x{};
    for (std::size_t col = 0; col < ReportColumns; ++col) {
        x[col] = PrintColumns[col].x * 1440.0f;
        if (col > 0) x[col] = std::max(x[col], x[col - 1] + widest[col - 1] + ColumnGap);
    }
    double limit = printer.scaleWidth();
    for (std::size_t col = ReportColumns; col-- > 0;) {
        // The name keeps at least the room of its heading.
        const double least = col == NameColumn ? printer.textWidth(Heading(col)) : widest[col];
        x[col] = std::max(0.0, std::min(x[col], limit - least));
        limit = x[col] - ColumnGap;
    }
    return x;
}

// The text cut to the room before the next column.
QString FitBefore(const QString& text, double room) {
    const Printer& printer = ThePrinter();
    // The room was worked out from the same width: rounding must not cut a name that fits.
    constexpr double Rounding = 0.01;
    qsizetype keep = text.size();
    while (keep > 0 && printer.textWidth(text.left(keep)) > room + Rounding)
        --keep;
    return text.left(keep);
}

// The sixteen texts on one printed line at their columns' places.
void PrintColumnsLine(const ColumnPlaces& x, const std::function<QString(std::size_t)>& cell) {
    Printer& printer = ThePrinter();
    for (std::size_t col = 0; col < ReportColumns; ++col) {
        printer.setCurrentX(x[col]);
        QString text = cell(col);
        if (col == NameColumn) text = FitBefore(text, x[col + 1] - ColumnGap - x[col]);
        if (col + 1 < ReportColumns)
            printer.printSameLine(text);
        else
            printer.print(text);
    }
}

void PrintHeadings(const ColumnPlaces& x) {
    PrintColumnsLine(x, Heading);
}

} // namespace

const QString frmEmpReports::SelectedMark = QString(QChar(0x00AB));

frmEmpReports::frmEmpReports() : Screen(QStringLiteral("frmEmpReports"), QStringLiteral("Payroll")) {
    buildControls();
}

void frmEmpReports::buildControls() {
    setWindowTitle(QStringLiteral("Employee Reports"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* column = new QVBoxLayout(face);
    auto* top = new QHBoxLayout;
    column->addLayout(top);

    fgEmployees = NewControl<FlexGrid>(face, QStringLiteral("fgEmployees"));
    fgEmployees->setFormatString(QStringLiteral(
        "^Selected|^Employee No|^SSN                    |<Employee                             "));
    fgEmployees->setSelectionMode(FlexGrid::SelectionByRow);
    connect(fgEmployees, &FlexGrid::clicked, this, &frmEmpReports::fgEmployees_Click);
    top->addWidget(fgEmployees, 1);

    auto* controls = new QGridLayout;
    top->addLayout(controls);
    for (std::size_t i = 0; i < cmdEmplloyee.size(); ++i) {
        const int index = static_cast<int>(i);
        cmdEmplloyee[i] = NewControl<QPushButton>(face, ControlName(QStringLiteral("cmdEmplloyee"), index));
        cmdEmplloyee[i]->setText(QString::fromLatin1(Buttons[i].caption));
        cmdEmplloyee[i]->setToolTip(QString::fromLatin1(Buttons[i].tip));
        connect(cmdEmplloyee[i], &QPushButton::clicked, this, [this, index] { cmdEmplloyee_Click(index); });
    }
    auto* startLabel = new QLabel(QStringLiteral("Start Date"), face);
    auto* endLabel = new QLabel(QStringLiteral("End Date"), face);
    DTStart = NewControl<QDateEdit>(face, QStringLiteral("DTStart"));
    DTEnd = NewControl<QDateEdit>(face, QStringLiteral("DTEnd"));
    for (QDateEdit* picker : {DTStart, DTEnd}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    }
    DTStart->setToolTip(QStringLiteral("1st date of the report"));
    DTEnd->setToolTip(QStringLiteral("Final Date of the report"));
    startLabel->setBuddy(DTStart);
    endLabel->setBuddy(DTEnd);
    lstQuarter = NewControl<QListWidget>(face, QStringLiteral("lstQuarter"));
    lstQuarter->setToolTip(QStringLiteral("Select a Quarter for the report"));
    AnswerChoice(lstQuarter, [this](int item) { lstQuarter_Click(item); });

    controls->addWidget(startLabel, 0, 0);
    controls->addWidget(DTStart, 0, 1);
    controls->addWidget(endLabel, 1, 0);
    controls->addWidget(DTEnd, 1, 1);
    controls->addWidget(cmdEmplloyee[4], 2, 0);
    controls->addWidget(cmdEmplloyee[5], 2, 1);
    controls->addWidget(lstQuarter, 3, 0, 1, 2);
    controls->addWidget(cmdEmplloyee[6], 4, 0);
    controls->addWidget(cmdEmplloyee[7], 4, 1);
    controls->addWidget(cmdEmplloyee[1], 5, 0);
    controls->addWidget(cmdEmplloyee[0], 5, 1);
    controls->setRowStretch(6, 1);

    fraReport = NewControl<QGroupBox>(face, QStringLiteral("fraReport"));
    fraReport->setTitle(QStringLiteral("Employee Report"));
    auto* report = new QVBoxLayout(fraReport);
    fgReport = NewControl<FlexGrid>(fraReport, QStringLiteral("fgReport"));
    fgReport->setFormatString(QStringLiteral(
        "^Pay Date     |^Emp No|<Employee                     |^Gross Pay   |^Hours|^  Fed Tax        "
        "|^ FICA      |^Medicare|^State Tax|^Local Tax|^Add'l Fed |^Support|^CS Fee  |^Insurance|^401k  "
        "|^Matching"));
    fgReport->setSelectionMode(FlexGrid::SelectionByRow);
    // A year of 401k deductions is wider than its heading.
    fgReport->setColWidth(14, fgReport->colWidth(13));
    report->addWidget(fgReport, 1);
    auto* reportButtons = new QHBoxLayout;
    reportButtons->addStretch();
    reportButtons->addWidget(cmdEmplloyee[2]);
    reportButtons->addWidget(cmdEmplloyee[3]);
    report->addLayout(reportButtons);
    column->addWidget(fraReport, 2);
    fraReport->hide();
    resize(1240, 720);
}

void frmEmpReports::Form_Load() {
    HookGridWheel(this, fgReport);
    DTStart->setDate(Today().addDays(-30));
    DTEnd->setDate(Today());
    lstQuarter->clear();
    for (const char* quarter : Quarters)
        lstQuarter->addItem(QString::fromLatin1(quarter));
    LoadEmployeeGrid();
    cmdEmplloyee_Click(7);
}

// Leaving the screen takes the wheel from the report; each visit gives it back.
void frmEmpReports::Form_Activate() {
    HookGridWheel(this, fgReport);
}

void frmEmpReports::LoadEmployeeGrid() {
    fgEmployees->setRows(1);
    ReportFileErrors([this] {
        EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
        if (EmployeeCount < 1) return;
        RandomFile file = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
        fgEmployees->setRows(EmployeeCount + 1);
        for (std::int32_t i = 1; i <= EmployeeCount; ++i) {
            CurrentEmployee = file.get<EmployeeRecord>(i).value_or(EmployeeRecord{});
            fgEmployees->setTextMatrix(i, 0, QString());
            fgEmployees->setTextMatrix(i, 1, TrimmedField(CurrentEmployee.EmployeeNo));
            fgEmployees->setTextMatrix(i, 2, TrimmedField(CurrentEmployee.SSN));
            fgEmployees->setTextMatrix(i, 3, TrimmedField(CurrentEmployee.Name));
        }
    });
}

bool frmEmpReports::AnyEmployeeSelected() const {
    for (int row = 1; row < fgEmployees->rows(); ++row)
        if (fgEmployees->textMatrix(row, 0) == SelectedMark) return true;
    return false;
}

void frmEmpReports::fgEmployees_Click(int row, int col) {
    if (col == 0 && row >= 1) {
        if (fgEmployees->textMatrix(row, 0) == SelectedMark) {
            fgEmployees->setTextMatrix(row, 0, QString());
        } else {
            fgEmployees->setTextMatrix(row, 0, SelectedMark);
            cmdEmplloyee[1]->setEnabled(true);
        }
    }
    if (!AnyEmployeeSelected()) cmdEmplloyee[1]->setEnabled(false);
}

void frmEmpReports::markAll(const QString& mark) {
    for (int row = 1; row < fgEmployees->rows(); ++row)
        fgEmployees->setTextMatrix(row, 0, mark);
    // An employee file without a record leaves nothing to select.
    cmdEmplloyee[1]->setEnabled(AnyEmployeeSelected());
}

void frmEmpReports::lstQuarter_Click(int item) {
    if (item < 0 || item > 7) return;
    const int year = Today().year() - (item >= 4 ? 1 : 0);
    const int firstMonth = 3 * (item % 4) + 1;
    DTStart->setDate(QDate(year, firstMonth, 1));
    const QDate lastMonth(year, firstMonth + 2, 1);
    DTEnd->setDate(QDate(year, firstMonth + 2, lastMonth.daysInMonth()));
}

void frmEmpReports::cmdEmplloyee_Click(int index) {
    const int thisYear = Today().year();
    switch (index) {
    case 0:
        Hide();
        ShowMainMenu();
        break;
    case 1:
        fraReport->show();
        BuildReport();
        break;
    case 2:
        PrintReport();
        break;
    case 3:
        fraReport->hide();
        break;
    case 4:
        DTStart->setDate(QDate(thisYear, 1, 1));
        DTEnd->setDate(Today());
        break;
    case 5:
        DTStart->setDate(QDate(thisYear - 1, 1, 1));
        DTEnd->setDate(QDate(thisYear - 1, 12, 31));
        break;
    case 6:
        markAll(SelectedMark);
        break;
    case 7:
        markAll(QString());
        break;
    default:
        break;
    }
}

void frmEmpReports::BuildReport() {
    // Years of many employees take a while: the user sees that the screen is at work.
    const WaitCursor wait;
    fgReport->setRows(1);
    // The grid takes its rows at once (each paycheck, a totals line and a blank line an
    // employee): grown employee by employee it would move its cells again and again,
    // which the first report of a run pays for most.
    int rows = 1;
    try {
        forEachSelected([&](int row) {
            if (const std::optional<int> paychecks = CountPaychecks(row, DTStart->date(), DTEnd->date()))
                rows += *paychecks + 2;
        });
    } catch (const FileError&) {
        // Reading the histories below meets the same file and tells the user, once.
    }
    fgReport->setRows(rows);
    int next = 1;
    // A history that cannot be read whole leaves no report to print in part.
    if (!ReportFileErrors([&] { forEachSelected([&](int row) { next = AddEmployeeRows(row, next); }); }))
        next = 1;
    // A history changed between the count and the reading leaves no rows to spare.
    fgReport->setRows(next);
}

void frmEmpReports::forEachSelected(const std::function<void(int)>& action) {
    for (int row = 1; row < fgEmployees->rows(); ++row)
        if (!fgEmployees->textMatrix(row, 0).isEmpty()) action(row);
}

int frmEmpReports::AddEmployeeRows(int row, int next) {
    const std::optional<EmployeePayHistory> history = GatherPayHistory(row, DTStart->date(), DTEnd->date());
    if (!history) return next;
    const int first = next;
    // The paychecks, the totals line and a blank line.
    const int needed = first + static_cast<int>(history->Paychecks.size()) + 2;
    if (fgReport->rows() < needed) fgReport->setRows(needed);
    // A year of every employee's paychecks is many thousand cells: the view hears of
    // them once, when they are all in place.
    QAbstractItemModel* model = fgReport->view()->model();
    const QSignalBlocker quiet(model);
    const auto fill = [&](const QStringList& cells) {
        for (int col = 0; col < cells.size(); ++col) {
            // A text equal to the one above (the name, the hours, a regular deduction)
            // shares its memory: a year of paychecks repeats most of its cells.
            const QString above = fgReport->textMatrix(next - 1, col);
            fgReport->setTextMatrix(next, col, above == cells[col] ? above : cells[col]);
        }
        ++next;
    };
    for (const PayRecord& paycheck : history->Paychecks)
        fill(PaycheckCells(paycheck));
    fill(TotalsCells(*history));
    model->blockSignals(false);
    Q_EMIT model->dataChanged(model->index(first - 1, 0), model->index(next - 2, ReportColumns - 1));
    // The blank line.
    return next + 1;
}

void frmEmpReports::PrintReport() {
    RunPrintJob([this] { printPages(); });
}

void frmEmpReports::printPages() {
    ShowPrinterDialog();
    SetupPrinter(QStringLiteral("Landscape"));
    Printer& printer = ThePrinter();

    SetPrintFont(14, true, true);
    printer.print();
    const QString title = QStringLiteral("Employee Payroll Summary Report");
    printer.setCurrentX(printer.scaleWidth() / 2 - printer.textWidth(title) / 2);
    printer.print(title);
    SetPrintFont(10, false, false);
    SetPrintPosition(4.25f, 0);
    printer.print(QStringLiteral("from - ") + ShortDateText(DTStart->date()) + QStringLiteral(" to ") +
                  ShortDateText(DTEnd->date()));
    printer.print();
    SetPrintFont(6, true, false);

    // The rows that print: a zero gross (a paycheck of nothing, an empty range's totals)
    // is left off.
    const QString zero = CurrencyText(Money());
    std::vector<QStringList> rows;
    for (int row = 1; row < fgReport->rows(); ++row) {
        if (fgReport->textMatrix(row, 3) == zero) continue;
        QStringList cells;
        for (int col = 0; col < ReportColumns; ++col)
            cells << fgReport->textMatrix(row, col);
        rows.push_back(cells);
    }
    const ColumnPlaces places = PlaceColumns(rows);
    PrintHeadings(places);
    for (const QStringList& cells : rows) {
        // Rows that would run off the page go on a new one under the headings again.
        if (printer.currentY() + printer.textHeight(QString()) >= PageLimit * 1440.0f) {
            printer.newPage();
            PrintHeadings(places);
        }
        PrintColumnsLine(places, [&](std::size_t col) { return cells[static_cast<qsizetype>(col)]; });
    }
    printer.endDoc();
}
