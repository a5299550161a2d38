#pragma once

#include "Recipients.h"

#include <QString>

#include <vector>

// Sheets of 30 address labels, 3 across and 10 down. Positions count across, then down,
// from 0 to 29.
inline constexpr int LabelsPerSheet = 30;
inline constexpr int LabelColumns = 3;

// The face labels print in: an installed sans-serif that every machine of the suite has.
inline const QString LabelFace = QStringLiteral("Liberation Sans");

// Row and column (from 1) of a position.
inline int LabelRow(int position) { return position / LabelColumns + 1; }
inline int LabelColumn(int position) { return position % LabelColumns + 1; }
// The label origin in inches from the top-left corner of the paper, whatever the
// printer's margins: the labels lie at fixed places on the sheet.
float LabelX(int column);
float LabelY(int row);

enum class AddressStyle { USA, International };

// The point size of a label: 8 when line 1 or line 2 has 26 characters or more, else 10.
int LabelFontSize(const LabelLines& lines);
// The lines a label prints, in order: line 1, line 2, line 3 when not empty, then in the
// USA style "city, state. zip" (parts left out as they are empty), in the International
// style line 4 and line 5 each when not empty (line 6 not printed).
QStringList PrintedLines(const LabelLines& lines, AddressStyle style);

// One label of a run: where it goes, what it says, and the message to show first (the
// empty secondary address), if any.
struct PlacedLabel {
    int position = 0;
    LabelLines lines;
    QString notice;
};
// A run as it reaches the printer: one job per sheet, the first starting at the start
// position, every later one at position 0.
using LabelJobs = std::vector<std::vector<PlacedLabel>>;

// The selected recipients of a run, each list in list order, with the options of the screen.
struct LabelRunRequest {
    int start = 0;
    std::vector<CustomerEntry> customers;
    std::vector<LabelLines> employees;
    std::vector<LabelLines> vendors;
    LabelLines general;
    LabelLines business;
    int customerCopies = 1;
    int employeeCopies = 1;
    int vendorCopies = 1;
    int generalCopies = 1;
    bool mailingSet = false;
    bool returnLabel = false;
    bool secondAddress = false;
};

// The labels a request needs; more than the positions left on the sheet warn the user.
int LabelsNeeded(const LabelRunRequest& request);
// The run in order: customers (each followed by its mailing set's business labels),
// employees, vendors, then the General label.
LabelJobs PlanLabelRun(const LabelRunRequest& request);
// Thirty business labels, row by row, whatever the start position.
LabelJobs PlanBusinessSheet(const LabelLines& business);

// Printing through the program's printer (PrintRoutines): the print dialog, the set-up
// for labels, then every job of the plan. Cancelling the dialog throws PrintCancelled;
// callers run it inside RunPrintJob.
void PrintLabelJobs(const LabelJobs& jobs, AddressStyle style);
// Prints one label at a column and row (from 1) in the current job. A line wider than
// its label prints in a smaller size, half a point at a time, until it fits.
void PrintOneLabel(const LabelLines& lines, int column, int row, AddressStyle style);
