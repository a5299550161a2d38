#include "LabelSheet.h"

#include "Dialogs.h"
#include "PrintRoutines.h"
#include "Printer.h"

#include <array>

namespace {

constexpr std::array<float, LabelColumns> ColumnX = {0.35f, 3.1f, 5.8f};

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

void PrintOneLabel(const LabelLines& lines, int column, int row, AddressStyle style) {
    Printer& printer = ThePrinter();
    printer.setFontSize(LabelFontSize(lines));
    SetPrintPosition(LabelX(column), LabelY(row));
    for (const QString& line : PrintedLines(lines, style)) {
        SetPrintPosition(LabelX(column), 0);
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
