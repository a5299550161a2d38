#pragma once

#include "Money.h"
#include "PayRun.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct EmployeeRecord;

// The questions a calculation asks the user: the screen answers them with its input and
// message boxes, tests with plain functions.
struct PayQuestions {
    // The days worked or the flat amount of a row; nullopt when the user cancels.
    std::function<std::optional<QString>(const QString& prompt, const QString& title)> Ask;
    // Why a row is not paid, or why an answer is refused (an empty title: the program's).
    std::function<void(const QString& text, const QString& title)> Tell;
};

// Where a calculation departs from the pay run's own rules. The defaults are the pay run's;
// the records creator, which enters payrolls paid before the suite was in use, takes
// ForRecordsCreator().
struct PayRules {
    // A cancelled (or empty) days answer pays one day instead of leaving the row unpaid.
    bool CancelledDaysPayOne = false;
    // The Additional Medicare Tax above the yearly threshold.
    bool AdditionalMedicare = true;
    // State and local tax are the rate boxes on the whole pay, each only when its
    // "flat rate" box is ticked and limited by its wage maximum box as Social Security
    // is; no state bracket table and no state of a fixed rate.
    bool FlatStateAndLocal = false;
    // The year's wages before this pay that the wage bases follow, when they are not the
    // employee record's stored total.
    std::function<Money(const EmployeeRecord&)> YearToDateGross;

    static PayRules ForRecordsCreator() { return {true, false, true, {}}; }
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

// A rate box's text as a fraction: "6.20%" gives 0.062. A text without the percent
// sign is read whole. nullopt when no number is left.
std::optional<Decimal> RateFromText(const QString& text);

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

// The pay computation of one run. Every amount a row shows is held at cents; the
// unrounded amounts go into the totals and the rows' gross and net pay.
class PayEngine {
public:
    PayEngine(PayRun& run, const TaxSettings& settings, PayQuestions questions, PayRules rules = {});

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
    // The bonus of the row from the bonus list of its kind of pay.
    Money Bonus(int row) const;
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
    // The typed amount of the column when there is one, else the computed amount; shown
    // in the row and returned.
    Money PutTax(int row, int col, Money computed);
    // Blanks the row's amounts and zeroes its gross and net pay.
    void ClearFigures(int row);
    // The row is not paid in this calculation: unmarked, no figures, no typed taxes.
    void MarkUnpaid(int row);
    PayRow& Row(int row) { return run_.Row(row); }
    const PayRow& Row(int row) const { return run_.Row(row); }

    PayRun& run_;
    const TaxSettings& settings_;
    PayQuestions questions_;
    PayRules rules_;
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
