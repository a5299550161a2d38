#pragma once

#include <QDate>
#include <QString>

#include <vector>

// The three landscape printouts of the payroll reports screen, each one print job
// printed from the cell texts of its grid ([row][col], row 0 the headings). The last
// row of the period and unemployment grids is their totals row and prints bold. None
// of them catches an error: the screen runs them inside RunPrintJob.
using GridCells = std::vector<std::vector<QString>>;

// "Employee W-2 Summary Report" from the W-2 year-to-date grid.
void PrintW2Summary(const GridCells& employees, QDate end);
// "Withholding Summary Report" from the period grid.
void PrintWithholdingSummary(const GridCells& reports, QDate start, QDate end);
// "Unemployment Withholding Summary Report" from the unemployment detail grid.
void PrintUnemploymentReport(const GridCells& unemployment, QDate start, QDate end);
