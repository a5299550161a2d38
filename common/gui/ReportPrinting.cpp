#include "ReportPrinting.h"

#include "Dates.h"
#include "FlexGrid.h"
#include "PrintRoutines.h"
#include "Printer.h"

#include <utility>

namespace {

// Rows stop at 7.5 in on a landscape page; the headings start the next page.
constexpr double PageLimit = 7.5 * 1440;

struct Column {
    int gridCol;
    float x;
};

struct TableLayout {
    QString title;
    QString subTitle;
    std::vector<std::pair<QString, float>> headings;
    std::vector<Column> columns;
    // The grid ends in a totals row (the W-2 grid does not: its last employee stays plain).
    bool totalsRow = true;
    double titleDrop = 0;
    bool underlinedTitle = false;
    bool ruledHeadings = false;
    bool doubleSpaced = false;
};

QString CellOf(const GridCells& grid, std::size_t row, int col) {
    const auto& cells = grid[row];
    return col >= 0 && static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : QString();
}

void PrintHeadings(const TableLayout& layout) {
    Printer& printer = ThePrinter();
    if (layout.ruledHeadings) printer.print();
    SetPrintFont(6, true, false);
    for (const auto& [text, x] : layout.headings) {
        SetPrintPosition(x, 0);
        printer.printSameLine(text);
    }
    printer.print();
    if (layout.ruledHeadings) {
        printer.line(0.5 * TwipsPerInch, printer.currentY(), 10.25 * TwipsPerInch, printer.currentY());
        printer.print();
    }
}

void PrintTable(const TableLayout& layout, const GridCells& grid) {
    SetupPrinter(QStringLiteral("Landscape"));
    Printer& printer = ThePrinter();
    SetPrintFont(14, true, layout.underlinedTitle);
    printer.setCurrentY(printer.currentY() + layout.titleDrop);
    printer.setCurrentX(printer.scaleWidth() / 2 - printer.textWidth(layout.title) / 2);
    printer.print(layout.title);
    SetPrintFont(10, false, false);
    SetPrintPosition(8.0f, 0);
    printer.print(layout.subTitle);
    if (layout.ruledHeadings) printer.print();
    PrintBusinessHeading(0.5f);
    if (!layout.ruledHeadings) printer.print();
    PrintHeadings(layout);
    for (std::size_t row = 1; row < grid.size(); ++row) {
        const bool bold = layout.totalsRow && row + 1 == grid.size();
        SetPrintFont(6, bold, false);
        if (printer.currentY() + printer.textHeight(QStringLiteral("ABC")) >= PageLimit) {
            printer.newPage();
            PrintHeadings(layout);
            SetPrintFont(6, bold, false);
        }
        for (const Column& column : layout.columns) {
            SetPrintPosition(column.x, 0);
            printer.printSameLine(CellOf(grid, row, column.gridCol));
        }
        printer.print();
        if (layout.doubleSpaced) printer.print();
    }
    printer.endDoc();
}

QString RangeText(QDate start, QDate end) {
    return QStringLiteral("For ") + ShortDateText(start) + QStringLiteral(" to ") + ShortDateText(end);
}

} // namespace

GridCells CellsOf(const FlexGrid& grid) {
    GridCells cells(static_cast<std::size_t>(grid.rows()));
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            cells[static_cast<std::size_t>(r)].push_back(grid.textMatrix(r, c));
    return cells;
}

void PrintW2Summary(const GridCells& employees, QDate end) {
    PrintW2Summary(employees, W2SummaryLook{QStringLiteral("For the Period Ending ") + ShortDateText(end)});
}

void PrintW2Summary(const GridCells& employees, const W2SummaryLook& look) {
    PrintTable({QStringLiteral("Employee W-2 Summary Report"),
                look.subTitle,
                {{QStringLiteral("Emp No"), 0.5f},
                 {QStringLiteral("SSI No"), 1.75f},
                 {QStringLiteral("Employee"), 2.75f},
                 {QStringLiteral("Gross(YTD)"), 4.0f},
                 {QStringLiteral("FIT(YTD)"), 5.6f},
                 {QStringLiteral("SS Wages(YTD)"), 6.4f},
                 {QStringLiteral("FICA(YTD)"), 7.2f},
                 {QStringLiteral("Med(YTD)"), 8.0f},
                 {QStringLiteral("State(YTD)"), 8.8f},
                 {QStringLiteral("Local(YTD)"), 9.6f}},
                {{0, 0.5f}, {1, 1.75f}, {2, 2.75f}, {3, 4.0f}, {4, 5.6f}, {5, 6.4f}, {6, 7.2f}, {7, 8.0f},
                 {8, 8.8f}, {9, 9.6f}},
                look.boldLastRow,
                look.titleDrop,
                look.underlinedTitle,
                look.ruledHeadings,
                look.doubleSpaced},
               employees);
}

void PrintWithholdingSummary(const GridCells& reports, QDate start, QDate end) {
    PrintTable({QStringLiteral("Withholding Summary Report"),
                RangeText(start, end),
                {{QStringLiteral("Pay Period"), 1.0f},
                 {QStringLiteral("Gross Pay"), 1.7f},
                 {QStringLiteral("Fed Tax"), 2.5f},
                 {QStringLiteral("FICA"), 3.35f},
                 {QStringLiteral("Medicare"), 4.1f},
                 {QStringLiteral("Fed Unemployment"), 4.7f},
                 {QStringLiteral("State Tax"), 5.7f},
                 {QStringLiteral("State Unemployement"), 6.2f},
                 {QStringLiteral("Local Tax"), 7.3f},
                 {QStringLiteral("Child Support"), 8.0f},
                 {QStringLiteral(" 401k"), 9.0f},
                 {QStringLiteral(" 401k Contribution"), 9.7f}},
                {{0, 1.0f}, {1, 1.8f}, {2, 2.6f}, {3, 3.4f}, {4, 4.2f}, {5, 5.0f}, {6, 5.8f}, {7, 6.6f},
                 {8, 7.4f}, {9, 8.2f}, {10, 9.0f}, {11, 10.0f}}},
               reports);
}

void PrintUnemploymentReport(const GridCells& unemployment, QDate start, QDate end) {
    PrintTable({QStringLiteral("Unemployment Withholding Summary Report"),
                RangeText(start, end),
                {{QStringLiteral("Employee No"), 1.6f},
                 {QStringLiteral("Employee"), 2.6f},
                 {QStringLiteral("Report Wages"), 4.4f},
                 {QStringLiteral("Applicable State Tax"), 5.4f},
                 {QStringLiteral("StateUnEmploy Tax"), 6.5f},
                 {QStringLiteral("Applicable Federal Tax"), 7.4f},
                 {QStringLiteral("Federal UnEmploy Tax"), 8.7f}},
                {{0, 1.8f}, {2, 2.6f}, {3, 4.4f}, {4, 5.6f}, {5, 6.8f}, {6, 7.8f}, {7, 9.0f}}},
               unemployment);
}
