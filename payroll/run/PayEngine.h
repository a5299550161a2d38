#pragma once

#include "Money.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class FlexGrid;
struct EmployeeRecord;

// ---- The pay-run grids -------------------------------------------------------------------
// Columns of the employee grid fgEmployees.
namespace PayCol {
enum : int { Mark = 0, Name, Number, Hours, Federal, ExtraFederal, Fica, Medicare, State, Local, Gross, Net };
inline constexpr int FirstTax = Federal;
inline constexpr int LastTax = Local;
} // namespace PayCol
// Columns of the deduction grid fgAux.
namespace AuxCol {
enum : int { Name = 0, Number, ChildSupport, SupportFee, Deduction401k, Match401k, Insurance };
}
// Columns of the two bonus grids fgHourly and fgSalaried; Row (hidden) is the employee-grid row.
namespace BonusCol {
enum : int { Mark = 0, Name, BasePay, Bonus, Row };
}

// The words the Hours column shows for employees who are not paid by the hour.
inline const QString SalaryWord = QStringLiteral("N/A");
inline const QString DayWord = QStringLiteral("Day");
inline const QString FlatWord = QStringLiteral("Flat");

// The grids of one run: row n of each of the first two is employee record n.
struct PayGrids {
    FlexGrid& employees;
    FlexGrid& aux;
    FlexGrid& hourly;
    FlexGrid& salaried;
};

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

// The state of one run that the calculation reads and writes, indexed by employee-grid row.
struct PayRunState {
    std::vector<Money> EmployeeGross;
    std::vector<Money> EmployeeNetPay;
    std::vector<Money> EmployeeYTDGross;
    // The employee's 401k percent exactly as elected (3.5 is 3.5 %).
    std::vector<Decimal> EmployeePercent401k;
    // The days (daily rows) or the flat amount (flat-rate rows) answered for the row in
    // this run; empty until asked. A repeated calculation pays the same answer again.
    std::vector<QString> EmployeeEntry;
    // Amounts typed over the calculated taxes of a row (columns Federal .. Local); they
    // stand through every calculation until the row's amounts are cleared.
    std::vector<std::array<std::optional<Money>, 6>> ManualTaxes;
    // The days answered for the last daily-paid employee.
    QString DaysWorked;
    RunTotals Totals;

    // Sizes every per-row array for rows 0..count and blanks it.
    void ResetRows(int count);
    std::optional<Money>& ManualTax(int row, int col);
    // Forgets the typed taxes of one row, or of every row.
    void ClearManualTaxes(int row);
    void ClearManualTaxes();
};

// ---- The tax data of a calculation ---------------------------------------------------------
// The store's display texts as they stand when the calculation starts.
struct TaxSettings {
    // The tax variables: 0-5 rates, 6-10 wage maxima ("None", or "Table" in 7).
    std::array<QString, 11> Tables;
    bool StateFlat = false; // "State Tax is Flate Rate"
    bool LocalFlat = false;
    // The federal bracket and percentage tables, [row][col], rows 0..16, columns 0..14.
    std::vector<std::vector<QString>> TaxTable;
    std::vector<std::vector<QString>> Percentage;
    // One withholding allowance per pay period, elements 1..8 (Weekly .. Daily).
    std::array<Money, 9> Allowance{};
    // The nonresident add-on per pay, list index = pay frequency 0..7.
    QStringList NonResident;
    bool Match401k = false;
    QString MatchingPercent;
    int StateIndex = 0;
    // The business state's brackets, rows 1 (Single) and 2 (Married): [row][col] texts
    // with the rate in odd and the "greater than" amount in even columns.
    std::vector<std::vector<QString>> StateTable;
};

// The employee's 401k percent as elected: the shortest decimal that reads back as the
// stored float (3.5 is 3.5, 4.25 is 4.25).
Decimal PercentOf401k(float stored);

// The cell texts of a grid, [row][col].
std::vector<std::vector<QString>> GridTexts(const FlexGrid& grid);

// A rate box's text as a fraction: "6.20%" gives 0.062. A text without the percent
// sign is read whole. nullopt when no number is left.
std::optional<Decimal> RateFromText(const QString& text);
// A wage-maximum box that says "None": no maximum.
bool IsNoMaximum(const QString& text);

// The part of this pay's wage that lies under a yearly maximum.
Money WageUnderMaximum(Money ytd, Money gross, Money maximum);
// The state tax of the three flat-rate states, or nullopt for any other state.
std::optional<Decimal> FlatStateRate(int stateIndex);
// The federal table row of an employee (1..16): 2 x frequency + status + 1; Flat Rate
// employees use the Weekly rows.
int FederalTableRow(const EmployeeRecord& e);

// The federal and state taxable wages of one pay.
struct TaxableWage {
    Money Federal; // with the nonresident add-on
    Money Other;   // the wage less allowances, for the state and local steps
};

// The pay computation over the grids of one run. Every amount written into a cell is
// its currency text; the unrounded amount goes into the totals and per-row arrays.
class PayEngine {
public:
    PayEngine(PayRunState& state, PayGrids grids, const TaxSettings& settings);

    // The first rate or maximum that the calculation needs and cannot read, as words
    // for the user; empty when the settings are complete.
    QString SettingsProblem() const;

    // Calculates every marked row (reads Employees.txt). Throws FileError.
    void CalculatePayroll();
    // One marked row whose record is in e: gross pay, then everything that depends on it.
    void CalculateRow(int row, const EmployeeRecord& e);

    // Gross pay of the row (asks for days or a flat amount); false when the row is not paid.
    bool ComputeGrossPay(int row, const EmployeeRecord& e);
    TaxableWage ComputeTaxableWage(Money gross, const EmployeeRecord& e, const Decimal& days) const;
    void ComputeWithholdings(int row, TaxableWage taxable, Money gross, const EmployeeRecord& e);
    void ComputeFederalTax(int row, int tableRow, Money taxable);
    void AddExtraWithholding(int row, const EmployeeRecord& e);
    void ComputeFicaMedicare(int row, Money gross, Money ytd);
    void ComputeStateTax(int row, Money taxable, Money gross, const EmployeeRecord& e);
    void ComputeLocalTax(int row, Money taxable, Money gross, Money ytd);
    void Compute401k(int row);
    void ComputeNetPay(int row);
    void ComputeEmployerUnemployment(Money gross, Money ytd);
    void TotalDeductions();

    // The figures alone, without cells or totals.
    Money FederalTax(int tableRow, Money taxable) const;
    Money StateTax(Money taxable, Money gross, Money ytd, const EmployeeRecord& e) const;
    Money LocalTax(Money taxable, Money gross, Money ytd) const;
    Money Bonus(const FlexGrid& bonusGrid, int row) const;
    // The days of a daily-paid pay: the row's answer for a "Day" row, else one day.
    Decimal DaysOf(int row) const;

private:
    struct Bracket {
        Money over;
        Money lessThan;
        Money base;
        Decimal percent; // of the excess over the lower bound, as a fraction
    };
    void PrepareSettings();
    std::optional<QString> AskEntry(int row, const QString& prompt, const QString& refusal) const;
    bool AskDays(int row);
    std::optional<Money> FlatGross(int row);
    // The typed amount of the cell when there is one, else the computed amount; written
    // into the cell and returned.
    Money PutTax(int row, int col, Money computed);
    // Blanks the row's amount columns and zeroes its gross and net pay.
    void ClearFigures(int row);
    // The row is not paid in this calculation: unmarked, no figures, no typed taxes.
    void MarkUnpaid(int row);
    QString Cell(int row, int col) const;
    void SetCell(int row, int col, Money amount);
    Money AuxAmount(int row, int col) const;

    PayRunState& state_;
    PayGrids grids_;
    const TaxSettings& settings_;
    // Read once per calculation from the settings' texts.
    std::array<std::array<Bracket, 7>, 17> federal_{};
    float socialSecurityRate_ = 0;
    float medicareRate_ = 0;
    float stateRate_ = 0;
    float localRate_ = 0;
    Decimal futaRate_;
    Decimal sutaRate_;
    Decimal matchPercent_;
    std::optional<Money> socialSecurityMaximum_;
    std::optional<Money> stateMaximum_;
    bool stateByTable_ = false;
    std::optional<Money> localMaximum_;
    bool localNoMaximum_ = false;
    std::optional<Money> futaMaximum_;
    std::optional<Money> sutaMaximum_;
    // The state brackets per filing status: the amount the annual wage must exceed, the rate.
    std::array<std::vector<std::pair<Money, float>>, 2> stateBrackets_;
};
