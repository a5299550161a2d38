#include "LabelSheet.h"

#include "Dialogs.h"
#include "PrintRoutines.h"
#include "Printer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array<float, LabelColumns> ColumnX = {0.35f, 3.1f, 5.8f};

// The stock: 2.625 in wide labels from 0.1875 in off the left edge of the paper, 0.125 in
// apart. A line ends this far short of its label's right edge, so that a sheet fed a
// little askew still keeps it on the label.
constexpr double StockLeft = 0.1875;
constexpr double StockLabelWidth = 2.625;
constexpr double StockColumnGap = 0.125;
constexpr double RightClearance = 0.03;

// Advances through the sheet; a full sheet closes its job.
class SheetCursor {
public:
    explicit SheetCursor(int start) : position_(start) { jobs_.emplace_back(); }
    void place(const LabelLines& lines, const QString& notice = {}) {
        jobs_.back().push_back({position_, lines, notice});
        if (++position_ == LabelsPerSheet) {
            position_ = 0;
            jobs_.emplace_back();
        }
    }
    LabelJobs finish() {
        if (jobs_.back().empty()) jobs_.pop_back();
        return std::move(jobs_);
    }

private:
    int position_;
    LabelJobs jobs_;
};

QString SecondaryNotice(const CustomerEntry& customer) {
    return customer.displayName + QStringLiteral("'s") + QStringLiteral(" Secondary Address is empty") +
           QStringLiteral("\r\nThe Primary Address will be used");
}

} // namespace

float LabelX(int column) {
    return ColumnX.at(size_t(column - 1));
}

float LabelY(int row) {
    return 0.58f + 1.001f * float(row - 1);
}

int LabelFontSize(const LabelLines& lines) {
    return lines[0].size() >= 26 || lines[1].size() >= 26 ? 8 : 10;
}

QStringList PrintedLines(const LabelLines& lines, AddressStyle style) {
    QStringList printed{lines[0], lines[1]};
    if (!lines[2].isEmpty()) printed.append(lines[2]);
    if (style == AddressStyle::USA) {
        QString last;
        if (!lines[3].isEmpty()) last = lines[3] + QStringLiteral(", ");
        last += lines[4].isEmpty() ? lines[5] : lines[4] + QStringLiteral(". ") + lines[5];
        if (!last.isEmpty()) printed.append(last);
    } else {
        for (const QString& line : {lines[3], lines[4]})
            if (!line.isEmpty()) printed.append(line);
    }
    return printed;
}

int LabelsNeeded(const LabelRunRequest& r) {
    const int perCustomer = 1 + (r.mailingSet ? 1 : 0) + (r.returnLabel ? 1 : 0);
    // Employee labels take positions like any other, so they count as well.
    return r.vendorCopies * int(r.vendors.size()) + r.generalCopies +
           r.customerCopies * int(r.customers.size()) * perCustomer +
           r.employeeCopies * int(r.employees.size());
}

LabelJobs PlanLabelRun(const LabelRunRequest& r) {
    SheetCursor sheet(r.start);
    for (const CustomerEntry& customer : r.customers) {
        for (int copy = 0; copy < r.customerCopies; ++copy) {
            if (!r.secondAddress)
                sheet.place(customer.primaryLabel());
            else if (!customer.secondAddress.isEmpty())
                sheet.place(customer.secondaryLabel());
            else
                sheet.place(customer.primaryLabel(), SecondaryNotice(customer));
            if (!r.mailingSet) continue;
            sheet.place(r.business);
            if (r.returnLabel) sheet.place(r.business);
        }
    }
    for (const auto& [labels, copies] : {std::pair{&r.employees, r.employeeCopies}, std::pair{&r.vendors, r.vendorCopies}})
        for (const LabelLines& lines : *labels)
            for (int copy = 0; copy < copies; ++copy)
                sheet.place(lines);
    for (int copy = 0; copy < r.generalCopies; ++copy)
        sheet.place(r.general);
    return sheet.finish();
}

LabelJobs PlanBusinessSheet(const LabelLines& business) {
    SheetCursor sheet(0);
    for (int i = 0; i < LabelsPerSheet; ++i)
        sheet.place(business);
    return sheet.finish();
}

namespace {

// The width a line of a label in the column may take, in twips: up to its label's right
// edge, or to the printable area's where the printer cannot reach that far.
double LineRoom(int column) {
    const Printer& printer = ThePrinter();
    const double labelRight =
        (StockLeft + (column - 1) * (StockLabelWidth + StockColumnGap) + StockLabelWidth) * TwipsPerInch;
    const double printableRight = printer.printableOrigin().x() + printer.scaleWidth();
    return std::min(labelRight, printableRight) - RightClearance * TwipsPerInch -
           static_cast<double>(LabelX(column)) * TwipsPerInch;
}

// Sets the largest size, from the label's own down by half points, at which the line fits.
void FitLine(const QString& line, double size, double room) {
    Printer& printer = ThePrinter();
    printer.setFontSize(size);
    for (double width = printer.textWidth(line); width > room && size > 0.5; width = printer.textWidth(line)) {
        // Widths grow with the size: start near the fitting size rather than half a point down.
        size = std::max(0.5, std::min(size - 0.5, std::floor(2.0 * size * room / width) / 2.0));
        printer.setFontSize(size);
    }
}

} // namespace

void PrintOneLabel(const LabelLines& lines, int column, int row, AddressStyle style) {
    Printer& printer = ThePrinter();
    const double room = LineRoom(column);
    SetPagePosition(LabelX(column), LabelY(row));
    for (const QString& line : PrintedLines(lines, style)) {
        SetPagePosition(LabelX(column), 0);
        FitLine(line, LabelFontSize(lines), room);
        printer.print(line);
    }
}

void PrintLabelJobs(const LabelJobs& jobs, AddressStyle style) {
    ShowPrinterDialog();
    SetupPrinter(QStringLiteral("Portrait"));
    Printer& printer = ThePrinter();
    printer.setFontName(LabelFace);
    // A sheet is printed once: copies of the dialog are not taken.
    printer.setCopies(1);
    for (const auto& job : jobs) {
        for (const PlacedLabel& label : job) {
            if (!label.notice.isEmpty()) MsgBox(label.notice);
            PrintOneLabel(label.lines, LabelColumn(label.position), LabelRow(label.position), style);
        }
        printer.endDoc();
    }
}
