#pragma once

// Builders for pay-run tests: employees of each pay kind, the worked-example tax
// tables, and the rows of a run as the pay-run screen loads them.

#include "Dialogs.h"
#include "Globals.h"
#include "PayEngine.h"
#include "RecordSupport.h"

#include <QString>

#include <memory>
#include <optional>
#include <utility>

namespace payrolltest {

inline EmployeeRecord Worker(int n, const QString& name, const QString& status, const QString& rate,
                             int frequency = 0) {
    EmployeeRecord e = testrecords::Employee(n, name);
    e.PayStatus = status;
    e.PayRate = rate;
    e.PayFrequency = frequency;
    e.Dependents = QStringLiteral("1");
    e.Percent401k = 0;
    return e;
}

// A table row of seven brackets: the first two are the worked example's (over $100 up to
// $300 at 10 %, over $300 up to $800 at 12 % on a base of $20.00), the rest go on upwards.
inline void ExampleBrackets(TaxSettings& s, int row) {
    const char* over[7] = {"$100.00",   "$300.00",   "$800.00",  "$2,000.00",
                           "$4,000.00", "$6,000.00", "$9,000.00"};
    const char* less[7] = {"$300.00",   "$800.00",   "$2,000.00",    "$4,000.00",
                           "$6,000.00", "$9,000.00", "$9,999,999.99"};
    const char* base[7] = {"$0.00", "$20.00", "$80.00", "$344.00", "$824.00", "$1,464.00", "$2,514.00"};
    const char* pct[7] = {"10.0%", "12.0%", "22.0%", "24.0%", "32.0%", "35.0%", "37.0%"};
    for (int b = 0; b < 7; ++b) {
        s.TaxTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(2 * b + 1)] =
            QString::fromUtf8(over[b]);
        s.TaxTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(2 * b + 2)] =
            QString::fromUtf8(less[b]);
        s.Percentage[static_cast<std::size_t>(row)][static_cast<std::size_t>(2 * b + 1)] =
            QString::fromUtf8(base[b]);
        s.Percentage[static_cast<std::size_t>(row)][static_cast<std::size_t>(2 * b + 2)] =
            QString::fromUtf8(pct[b]);
    }
}

// The worked examples' tax data: every federal row carries the example brackets.
inline TaxSettings ExampleSettings() {
    TaxSettings s;
    s.Tables = {QStringLiteral("6.20%"),       QStringLiteral("1.45%"),    QStringLiteral("3.00%"),
                QStringLiteral("0.00%"),       QStringLiteral("0.60%"),    QStringLiteral("2.70%"),
                QStringLiteral("$128,400.00"), QStringLiteral("None"),     QStringLiteral("None"),
                QStringLiteral("$7,000.00"),   QStringLiteral("$7,000.00")};
    s.TaxTable.assign(17, std::vector<QString>(15));
    s.Percentage.assign(17, std::vector<QString>(15));
    for (int row = 1; row <= 16; ++row)
        ExampleBrackets(s, row);
    const double allowances[9] = {0, 79.80, 159.60, 172.90, 345.80, 1037.50, 2075, 4150, 16};
    for (int k = 1; k <= 8; ++k)
        s.Allowance[static_cast<std::size_t>(k)] = Money::fromDouble(allowances[k]);
    s.StateIndex = 1;
    return s;
}

// The rows of a run as the pay-run screen loads them; row n is employee n. Cells are
// read and written as the grids show them.
struct RunRows {
    PayRun& run;

    // A marked row for the employee, with the Hours cell given.
    void put(int row, const EmployeeRecord& e, const QString& hours) {
        PayRow& r = run.Row(row) = PayRowOf(e);
        r.Marked = true;
        r.Hours = hours;
    }
    QString cell(int row, int col) const { return run.Row(row).EmployeeText(col); }
    QString auxCell(int row, int col) const { return run.Row(row).AuxText(col); }
    // Types a cell's text over the row: the mark, the hours or an amount.
    void setCell(int row, int col, const QString& text) {
        PayRow& r = run.Row(row);
        const std::optional<Money> amount =
            text.isEmpty() ? std::nullopt : std::optional<Money>(MoneyOf(text).roundedToCents());
        if (col == PayCol::Mark) r.Marked = !text.isEmpty();
        else if (col == PayCol::Hours) r.Hours = text;
        else if (col == PayCol::Gross) r.GrossShown = amount;
        else if (col == PayCol::Net) r.NetShown = amount;
        else if (col >= PayCol::FirstTax && col <= PayCol::LastTax) r.Tax(col) = amount;
    }
    void setAux(int row, int col, const QString& text) {
        PayRow& r = run.Row(row);
        const std::optional<Money> amount =
            text.isEmpty() ? std::nullopt : std::optional<Money>(MoneyOf(text).roundedToCents());
        for (auto [c, field] : {std::pair{AuxCol::ChildSupport, &PayRow::ChildSupport},
                                {AuxCol::SupportFee, &PayRow::SupportFee},
                                {AuxCol::Deduction401k, &PayRow::Deduction401k},
                                {AuxCol::Match401k, &PayRow::Match401k}, {AuxCol::Insurance, &PayRow::Insurance}})
            if (c == col) r.*field = amount;
    }
    void setBonus(int row, BonusList list, Money bonus) {
        run.Row(row).BonusIn = list;
        run.Row(row).Bonus = bonus;
    }
};

// The calculation's questions go to the message and input boxes that the test scripts.
inline PayQuestions ScriptedQuestions() {
    return {[](const QString& prompt, const QString& title) { return InputBox(prompt, title); },
            [](const QString& text, const QString& title) { MsgBox(text, MsgButtons::OK, title); }};
}

} // namespace payrolltest
