#pragma once

#include "Money.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// ---- The pay-run grids -------------------------------------------------------------------
// Columns of the employee grid fgEmployees.
namespace PayCol {
enum : int { Mark = 0, Name, Number, Hours, Federal, ExtraFederal, Fica, Medicare, State, Local, Gross, Net };
inline constexpr int FirstTax = Federal;
inline constexpr int LastTax = Local;
inline constexpr int Count = Net + 1;
} // namespace PayCol
// Columns of the deduction grid fgAux.
namespace AuxCol {
enum : int { Name = 0, Number, ChildSupport, SupportFee, Deduction401k, Match401k, Insurance };
inline constexpr int Count = Insurance + 1;
} // namespace AuxCol
// Columns of the two bonus grids fgHourly and fgSalaried; Row (hidden) is the employee-grid row.
namespace BonusCol {
enum : int { Mark = 0, Name, BasePay, Bonus, Row };
inline constexpr int Count = Row + 1;
} // namespace BonusCol

// The words the Hours column shows for employees who are not paid by the hour.
inline const QString SalaryWord = QStringLiteral("N/A");
inline const QString DayWord = QStringLiteral("Day");
inline const QString FlatWord = QStringLiteral("Flat");

// ---- The run's figures --------------------------------------------------------------------
// The sixteen totals of a run; "Both" totals hold the employee's and the employer's share.
struct RunTotals {
    Money Gross;
    Money Federal;
    Money ExtraFederal;
    Money FicaBoth;
    Money FicaEmployee;
    Money MedicareBoth;
    Money MedicareEmployee;
    Money State;
    Money Local;
    Money Futa;
    Money Suta;
    Money ChildSupport;
    Money SupportFee;
    Money Deduction401k;
    Money Insurance;
    Money Match401k;

    // What the run costs the business beyond the wages: the wages, the employer's
    // Social Security and Medicare shares, both unemployment taxes and the 401k match.
    Money FundsRequired() const;
    // The fifteen amounts of the payment summary, in the order of its labels.
    std::array<Money, 15> PaymentSummary() const;
};

// The bonus list a row belongs to, by the pay status it was loaded with.
enum class BonusList { None, Hourly, Salaried };

// One employee of a run: what the run reads (the employee record as loaded, then the
// user's entries) and every figure the calculation gives it. An amount the grids show is
// held as they show it, at cents; nullopt is a blank cell.
struct PayRow {
    bool Marked = false;
    QString Name;
    QString Number;
    // Hours worked, or the word of a row not paid by the hour; empty for an unknown status.
    QString Hours;
    // Paid a flat amount per pay (asked at the calculation), whatever its Hours cell says.
    bool FlatPay = false;
    BonusList BonusIn = BonusList::None;
    bool BonusMarked = false;
    Money BasePay;      // as loaded: the rate, or forty hours of it
    Money BasePayShown; // the base pay, with the bonus once it is added
    Money Bonus;
    // The employee's 401k percent exactly as elected (3.5 is 3.5 %).
    Decimal Percent401k;
    Money YTDGross;
    // The days (daily rows) or the flat amount (flat-rate rows) answered in this run;
    // empty until asked. A repeated calculation pays the same answer again.
    QString Entry;
    // Amounts typed over the calculated taxes (Federal .. Local); they stand through
    // every calculation until the row's amounts are cleared.
    std::array<std::optional<Money>, 6> ManualTaxes;
    // A 401k deduction typed over the calculated one; it stands like the typed taxes.
    std::optional<Money> Manual401k;
    // A gross typed over the calculated one (the records creator); it stands like the
    // typed taxes, and the taxes not typed are figured on it.
    std::optional<Money> ManualGross;

    // The deduction grid's amounts.
    std::optional<Money> ChildSupport;
    std::optional<Money> SupportFee;
    std::optional<Money> Deduction401k;
    std::optional<Money> Match401k;
    std::optional<Money> Insurance;
    // The employee grid's amounts: the six taxes, gross and net pay as shown.
    std::array<std::optional<Money>, 6> Taxes;
    std::optional<Money> GrossShown;
    std::optional<Money> NetShown;
    // Gross and net pay as calculated, to four decimals.
    Money Gross;
    Money NetPay;

    std::optional<Money>& Tax(int col);
    const std::optional<Money>& Tax(int col) const;
    std::optional<Money>& ManualTax(int col);
    // The amount a column holds for the sums: zero when blank.
    Money TaxAmount(int col) const;
    // The cell texts the grids show for the row.
    QString EmployeeText(int col) const;
    QString AuxText(int col) const;
    // Blanks the taxes, gross and net pay.
    void ClearFigures();
    // Net pay: the gross less the six withholdings and the four deductions the row shows.
    void ComputeNet();
};

// Hours as a row takes them: a number that the pay record's Hours field holds whole.
bool IsHoursEntry(const QString& hours);

struct EmployeeRecord;
// The row of an employee as a run starts it: unmarked, forty hours for an hourly
// employee, the deductions and the 401k percent of the record.
PayRow PayRowOf(const EmployeeRecord& e);
// The employee's 401k percent as elected: the shortest decimal that reads back as the
// stored float (3.5 is 3.5, 4.25 is 4.25).
Decimal PercentOf401k(float stored);

// The run: row n is the n-th employee record (row 0 is the grids' heading row), the
// totals, and the days answered last.
struct PayRun {
    std::vector<PayRow> Rows;
    RunTotals Totals;
    // The days answered for the last daily-paid employee.
    QString DaysWorked;

    // Rows 0..count, every one blank.
    void ResetRows(int count);
    int RowCount() const { return static_cast<int>(Rows.size()) - 1; }
    PayRow& Row(int n) { return Rows.at(static_cast<std::size_t>(n)); }
    const PayRow& Row(int n) const { return Rows.at(static_cast<std::size_t>(n)); }
    bool AnyMarked() const;
    int MarkedCount() const;
    // Forgets the typed taxes of one row, or of every row.
    void ClearManualTaxes(int row);
    void ClearManualTaxes();
};

// The text of an amount cell: its currency text, or empty when blank.
QString AmountText(const std::optional<Money>& amount);
