#pragma once

#include "Money.h"
#include "Records.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

struct PayRow;

// The pages of a run's paychecks: a check with two stubs on check stock, or a pay slip
// (one stub and the address) on blank paper. Positions are inches on the page; each
// routine draws on ThePrinter() and leaves the job open.

// What one page shows of one paid row of a run.
struct PayPage {
    int row = 0;
    // The employee record as it stands while the page prints: its year-to-date totals do
    // not hold this pay yet.
    EmployeeRecord employee;
    QString employeeNo;
    QString hours;                // hours, or "N/A", "Day", "Flat"
    std::array<QString, 6> taxes; // Federal .. Local, as shown
    Money gross;
    Money netPay;
    // The deductions as shown.
    QString deduction401k;
    QString childSupport;
    QString supportFee;
    QString insurance;
    QDate periodEnding;
    QDate checkDate;
};

// The page of one row; the employee record is read by the caller.
PayPage PayPageOfRow(const PayRow& payRow, int row, const EmployeeRecord& employee);

// The photo's place on the page: 9144 by 1300 twips from the top left; the photo is fitted
// into a box of 0.8 by 1.0 in, keeping its proportions, so that it stays clear of the stub's
// headings below it.
inline constexpr double PictureX = 9144;
inline constexpr double PictureY = 1300;
inline constexpr double PictureWidth = 0.8 * 1440;
inline constexpr double PictureHeight = 1.0 * 1440;

// Prints the photo Pictures/<row + 1000>/Picture.jpg when there is one (restored from
// Backup when need be); a missing or unreadable photo prints nothing.
void LoadEmployeePicture(int row);
// Prints the memo items from 1.25 in down, wrapped between 1.0 and 6.0 in, while the
// position has not passed 1.75 in; what does not fit is left off.
void PrintMemo(const QStringList& items);
// The memo of the run's checks: the items of the saved memo PayrollMemo.txt, or the
// lines of the memo box when no memo has been saved. Throws FileError.
QStringList MemoToPrint(const QString& memoBox);

// One stub at the top position (0.5 in: "(Employee Copy)"; any other: "(File Copy)").
void PrintPaySlip(float top, const PayPage& page);
// The name and address of a pay slip at 1.0 in, 5.5 in.
void PrintSlipAddress(const EmployeeRecord& employee);
// A whole page: photo, memo, top stub, then the check body and the file-copy stub of a
// check, or the address of a pay slip. The page is not ended.
void PrintPayPage(const PayPage& page, bool paySlip, const QStringList& memo);

// The masked Social Security number of a stub: "XXX-XX-" and the last four characters.
QString MaskedSsn(const QString& ssn);
