#pragma once

#include "Money.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The W-2 year-to-date grid of both programs that show one: a row per employee from
// the year-to-date totals in Employees.txt. QtCore only.

struct EmployeeYearRow {
    QString EmployeeNo;
    QString SSN;
    QString Name;
    Money Gross;
    Money Federal; // with the additional federal withholding
    Money FicaEarnings;
    Money Fica;
    Money Medicare;
    Money State;
    Money Local;
    Money Insurance;
};

// One row per record of Employees.txt from its year-to-date totals as they stand.
// The Social Security wages stop at the maximum; no maximum ("None") leaves them whole.
// An employee never paid through the program has only the totals typed for this year:
// for another year (thisYear false) those show as zeros. Throws FileError.
std::vector<EmployeeYearRow> GatherEmployeeYear(std::optional<Money> socialSecurityMaximum, bool thisYear = true);
// The grid's eleven cells of a row: number, SSN and name, then the amounts as currency.
std::array<QString, 11> W2GridCells(const EmployeeYearRow& row);
