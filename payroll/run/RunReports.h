#pragma once

#include "Money.h"

#include <QDate>
#include <QString>

#include <array>
#include <vector>

class frmPayroll;

// The two printed reports of a pay run: the one-page-or-more "Payroll Summary Report"
// for the employer, and the landscape employee deduction report in its proof form
// (before posting) and its summary form (after posting, with check numbers and
// year-to-date totals). Both read the pay-run screen as the run left it.

// What the run's reports read of the pay-run screen.
struct PayRunReportView {
    // Cell texts [row][col] of fgEmployees and fgAux; row 0 is the heading row.
    std::vector<std::vector<QString>> Employees;
    std::vector<std::vector<QString>> Aux;
    // The payment summary: the captions of Label1 20..34 and the amounts of lblPayment 0..14.
    std::array<QString, 15> Captions;
    std::array<QString, 15> Amounts;
    // Gross and net pay by fgEmployees row.
    std::vector<Money> Gross;
    std::vector<Money> NetPay;
    // The run's first check number as typed (empty for pay slips).
    QString FirstCheck;
    // The last date of the pay period.
    QDate PeriodEnding;
};

// The pay-run screen's run as the reports read it.
PayRunReportView ViewOfPayRun(const frmPayroll& screen);

// Prints the "Payroll Summary Report" of the pay-run screen's run as one job on the
// printer as the caller set it up (portrait, the set-up font). A step that fails is
// passed over and leaves a gap on the page; nothing is ever shown.
void PrintPayrollSummary();
void PrintPayrollSummary(const PayRunReportView& run);
// The title and column headings of the "Individual Deductions" table, 0.5 in below
// the current line.
void PrintDeductionHeadings();

// Prints the "Employee Deduction Summary Report" (summary) or the "Employee Deduction
// Proof Report" as one landscape job, then tells the user it is on the printer. The
// first error ends it: a cancelled print dialog quietly, any other with the
// print-error message; the unfinished pages are dropped.
void PrintDeductionReport(bool summary);
void PrintDeductionReport(bool summary, const PayRunReportView& run);
// The column headings: the second row (check number and year-to-date) only in the
// summary form; the rule beneath and a blank line.
void PrintDeductionReportHeadings(bool summary);
// One line per paid employee, and in the summary form the employee's check number and
// year-to-date line beneath it, breaking pages at 7.5 in. Throws on the first error.
void PrintDeductionReportRows(bool summary);
void PrintDeductionReportRows(bool summary, const PayRunReportView& run);
// A new page with the headings again (no title, no business heading).
void NewDeductionReportPage(bool summary);
