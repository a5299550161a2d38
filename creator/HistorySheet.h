#pragma once

#include "Money.h"
#include "Records.h"

#include <QString>

#include <array>
#include <vector>

namespace creator {

// Columns of the employee grid (taxes, hours, gross) and of the auxiliary grid (deductions).
namespace HistoryCol {
inline constexpr int Name = 0, EmpNo = 1, Federal = 2, ExtraFederal = 3, Fica = 4, Medicare = 5, State = 6,
                     Local = 7, Hours = 8, Gross = 9, Count = 10;
}
namespace AuxCol {
inline constexpr int Name = 0, EmpNo = 1, ChildSupport = 2, SupportFee = 3, Deduction401k = 4, Insurance = 5,
                     Count = 6;
}

// The figures of one past period as the monthly summary entry's two grids hold them:
// the cell texts of each employee row (row n is record n of Employees.txt) and of the
// "Totals" row after them. Row 0 stands for the heading row and stays empty.
class HistorySheet {
public:
    using MainRow = std::array<QString, HistoryCol::Count>;
    using AuxRow = std::array<QString, AuxCol::Count>;

    // One row per employee record, whatever its status, then the Totals row; every entry
    // cell at zero. Throws FileError.
    void Load();
    int employees() const { return static_cast<int>(main.size()) - 2; }
    int totalsRow() const { return employees() + 1; }

    // Every entry cell of both grids (the Totals rows too) back to zero: currency zero,
    // hours "0". Forgets what a failed save had already written.
    void Clear();
    // True when some entry cell of an employee row holds an amount other than zero.
    bool HasEntries() const;

    // The Totals rows from the entry cells (FICA and Medicare doubled: both shares), then
    // the employer's unemployment taxes of a period dated date. Throws FileError.
    void Calculate(const std::array<QString, 11>& taxVariables, double date);
    // FUTA and SUTA of the rows with a gross, each on the part of the gross under its
    // wage base given the employee's wages of the year before it (YearToDateGross).
    // Throws FileError.
    void ComputeUnemploymentTaxes(const std::array<QString, 11>& taxVariables, double date);

    // One pay record per employee row with a gross, dated date.
    std::vector<PayRecord> PayRecords(double date) const;
    // The summary record from the Totals rows, each read at cents.
    SummaryRecord Summary(double date) const;
    // Appends the pay records, then the summary record, synced together, and notes the
    // pay records as saved in this session. After a FileError a retry writes only what is
    // not on the disk yet.
    void Save(double date);

    std::vector<MainRow> main;
    std::vector<AuxRow> aux;
    Money Futa;
    Money Suta;

private:
    std::vector<bool> written_;
    bool summaryWritten_ = false;
};

// The amount a cell holds: currency text and plain numbers alike; other text is zero.
Money CellAmount(const QString& text);
// The currency text of zero that empty entry cells show.
QString ZeroText();

} // namespace creator
