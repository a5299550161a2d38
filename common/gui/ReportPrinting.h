#pragma once

#include <QDate>
#include <QString>

#include <vector>

class FlexGrid;

// The three landscape printouts of the payroll reports screen, each one print job
// printed from the cell texts of its grid ([row][col], row 0 the headings). The last
// row of the period and unemployment grids is their totals row and prints bold. None
// of them catches an error: the screen runs them inside RunPrintJob.
using GridCells = std::vector<std::vector<QString>>;

// The cell texts of a grid, as the printouts take them.
GridCells CellsOf(const FlexGrid& grid);

// How a program lays out its W-2 summary page.
struct W2SummaryLook {
    QString subTitle;
    double titleDrop = 0; // twips the title is printed below the current line
    bool underlinedTitle = false;
    // A blank line above the business heading; the column headings between blank lines,
    // with a rule under them from 0.5 to 10.25 in.
    bool ruledHeadings = false;
    bool doubleSpaced = false;
    bool boldLastRow = false;
};
// "Employee W-2 Summary Report" from the W-2 year-to-date grid.
void PrintW2Summary(const GridCells& employees, const W2SummaryLook& look);
// The payroll reports screen's summary, for the period ending on the end date.
void PrintW2Summary(const GridCells& employees, QDate end);
// "Withholding Summary Report" from the period grid.
void PrintWithholdingSummary(const GridCells& reports, QDate start, QDate end);
// "Unemployment Withholding Summary Report" from the unemployment detail grid.
void PrintUnemploymentReport(const GridCells& unemployment, QDate start, QDate end);
