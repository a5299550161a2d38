#pragma once

// The wages Brindlemark's entries count towards the yearly wage bases. The creator never
// writes year-to-date totals into Employees.txt; each entry's bases follow the pay records
// instead, so that the months entered one after another are taxed as the reports tax them.

#include "Money.h"
#include "Records.h"

#include <QString>

#include <vector>

namespace creator {

// The year's wages before an entry of the employee dated date: the pay records on file
// dated earlier in that calendar year, and the pay records of that year saved in this
// session on or after its day (entered out of order, they still count once towards the
// year's bases). Throws FileError.
Money YearToDateGross(const QString& employeeNo, double date);
// The pay records a save of this session has written.
void NoteSavedPayRecords(const std::vector<PayRecord>& records);

} // namespace creator
