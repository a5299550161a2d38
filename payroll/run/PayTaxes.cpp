// Withholdings and employer taxes of the pay computation.
#include "PayEngine.h"

#include "Records.h"
#include "TaxTables.h"

#include <algorithm>

namespace {

// The Additional Medicare Tax: withheld from the wages an employee is paid above
// $200,000 in a calendar year, whatever the filing status; the employer pays no share.
// The tax tables hold no box for it, so the figures of the law stand here.
const Decimal AdditionalMedicareRate{9, 3};
constexpr Money AdditionalMedicareThreshold = Money::fromDollars(200000);

float FloatRate(const QString& text) {
    const auto rate = RateFromText(text);
    return rate ? static_cast<float>(rate->toDouble()) : 0.0f;
}

QString TextAt(const std::vector<std::vector<QString>>& table, int row, int col) {
    if (row < 0 || static_cast<std::size_t>(row) >= table.size()) return {};
    const auto& cells = table[static_cast<std::size_t>(row)];
    if (col < 0 || static_cast<std::size_t>(col) >= cells.size()) return {};
    return cells[static_cast<std::size_t>(col)];
}

Decimal Fraction(Decimal percent) {
    percent.scale += 2;
    return percent;
}

// Pays per year, for turning one pay's wage into a yearly one.
int PaysPerYear(int frequency) {
    static constexpr int pays[] = {52, 26, 24, 12, 4, 2, 1, 52, 52};
    return frequency >= 0 && frequency <= 8 ? pays[frequency] : 52;
}

// A rate on the whole pay, limited by a yearly wage maximum (none when the box holds no
// amount); nothing when the rate is not in use.
Money FlatRateTax(bool inUse, float rate, const std::optional<Money>& maximum, Money gross, Money ytd) {
    if (!inUse) return Money();
    const Money wage = maximum ? WageUnderMaximum(ytd, gross, *maximum) : gross;
    return wage.times(static_cast<double>(rate));
}

bool IsTableWord(const QString& text) {
    return text.trimmed().compare(u"Table", Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<Decimal> RateFromText(const QString& text) {
    QString number = text.trimmed();
    if (number.endsWith(u'%')) number.chop(1);
    auto rate = ParseNumber(number);
    if (!rate || rate->scale > 16) return std::nullopt;
    rate->scale += 2;
    return rate;
}

Money WageUnderMaximum(Money ytd, Money gross, Money maximum) {
    if (ytd >= maximum) return Money();
    if (ytd + gross >= maximum) return maximum - ytd;
    return gross;
}

std::optional<Decimal> FlatStateRate(int stateIndex) {
    switch (stateIndex) {
    case 13:
        return Decimal{495, 4};
    case 14:
        return Decimal{323, 4};
    case 22:
        return Decimal{425, 4};
    default:
        return std::nullopt;
    }
}

int FederalTableRow(const EmployeeRecord& e) {
    const int status = e.MaritalStatus == 1 ? 1 : 0;
    if (e.PayFrequency >= 0 && e.PayFrequency <= 7) return 2 * e.PayFrequency + status + 1;
    return status + 1; // Flat Rate: the Weekly rows
}

// ---- Reading the settings -----------------------------------------------------------------------

void PayEngine::PrepareSettings() {
    const auto& boxes = settings_.Tables;
    socialSecurityRate_ = FloatRate(boxes[TaxBox::SocialSecurityRate]);
    medicareRate_ = FloatRate(boxes[TaxBox::MedicareRate]);
    stateRate_ = FloatRate(boxes[TaxBox::StateRate]);
    localRate_ = FloatRate(boxes[TaxBox::LocalRate]);
    futaRate_ = RateFromText(boxes[TaxBox::FutaRate]).value_or(Decimal{});
    sutaRate_ = RateFromText(boxes[TaxBox::StateUnemploymentRate]).value_or(Decimal{});
    socialSecurityMaximum_ = MaximumOf(boxes[TaxBox::SocialSecurityMaximum]);
    stateMaximum_ = ParseMoney(boxes[TaxBox::StateMaximum]);
    stateByTable_ = IsTableWord(boxes[TaxBox::StateMaximum]);
    localNoMaximum_ = IsNoMaximum(boxes[TaxBox::LocalMaximum]);
    localMaximum_ = MaximumOf(boxes[TaxBox::LocalMaximum]);
    futaMaximum_ = MaximumOf(boxes[TaxBox::FutaMaximum]);
    sutaMaximum_ = MaximumOf(boxes[TaxBox::StateUnemploymentMaximum]);
    matchPercent_ = ParseNumber(settings_.MatchingPercent).value_or(Decimal{});

    for (int row = 1; row <= 16; ++row) {
        for (int b = 0; b < 7; ++b) {
            Bracket& bracket = federal_[static_cast<std::size_t>(row)][static_cast<std::size_t>(b)];
            bracket.over = MoneyOf(TextAt(settings_.TaxTable, row, 2 * b + 1));
            bracket.lessThan = MoneyOf(TextAt(settings_.TaxTable, row, 2 * b + 2));
            bracket.base = MoneyOf(TextAt(settings_.Percentage, row, 2 * b + 1));
            bracket.percent = Fraction(LeadingNumber(TextAt(settings_.Percentage, row, 2 * b + 2)));
        }
    }
    for (int status = 0; status < 2; ++status) {
        auto& brackets = stateBrackets_[static_cast<std::size_t>(status)];
        brackets.clear();
        const int row = status + 1;
        const auto cols = static_cast<int>(row < static_cast<int>(settings_.StateTable.size())
                                               ? settings_.StateTable[static_cast<std::size_t>(row)].size()
                                               : 0);
        for (int c = 1; c + 1 < cols; c += 2) {
            const auto amount = ParseMoney(TextAt(settings_.StateTable, row, c + 1));
            if (amount) brackets.emplace_back(*amount, FloatRate(TextAt(settings_.StateTable, row, c)));
        }
    }
}

QString PayEngine::SettingsProblem() const {
    const auto& boxes = settings_.Tables;
    const auto rateProblem = [&](int box, const char* name) -> QString {
        if (RateFromText(boxes[static_cast<std::size_t>(box)])) return {};
        return QStringLiteral("The %1 on the Tax Tables screen is not a number").arg(QLatin1String(name));
    };
    const auto maximumProblem = [&](int box, const char* name) -> QString {
        const QString& text = boxes[static_cast<std::size_t>(box)];
        if (IsNoMaximum(text) || IsNumeric(text)) return {};
        return QStringLiteral("The %1 on the Tax Tables screen must be an amount or the word None")
            .arg(QLatin1String(name));
    };
    const bool stateRateUsed =
        rules_.FlatStateAndLocal ? settings_.StateFlat
                                 : !FlatStateRate(settings_.StateIndex) && (settings_.StateFlat || IsNumeric(boxes[7]));
    const bool localRateUsed = rules_.FlatStateAndLocal
                                   ? settings_.LocalFlat
                                   : (settings_.LocalFlat && IsNoMaximum(boxes[8])) || IsNumeric(boxes[8]);
    for (const QString& problem :
         {rateProblem(0, "Social Security Rate"), rateProblem(1, "Medicare Rate"),
          stateRateUsed ? rateProblem(2, "State Tax Rate") : QString(),
          localRateUsed ? rateProblem(3, "Local Tax Rate") : QString(),
          rateProblem(4, "Federal Unemployment Rate"), rateProblem(5, "State Unemployment Rate"),
          maximumProblem(6, "Social Security Wage Maximum"), maximumProblem(8, "Local Wage Maximum"),
          maximumProblem(9, "Federal Unemployment Wage Maximum"),
          maximumProblem(10, "State Unemployment Wage Maximum")})
        if (!problem.isEmpty()) return problem;
    return {};
}

// ---- Taxable wage and federal tax ---------------------------------------------------------------

TaxableWage PayEngine::ComputeTaxableWage(Money gross, const EmployeeRecord& e, const Decimal& days) const {
    if (gross.isZero()) return {};
    const int frequency = e.PayFrequency;
    // The nonresident add-on raises only the wage the federal income tax is figured on;
    // a Flat Rate employee takes the weekly amount, as the weekly table and allowance.
    Money addOn;
    if (e.NonResident != 0) {
        const int entry = frequency >= 0 && frequency <= 7 ? frequency : 0;
        const Money amount =
            entry < settings_.NonResident.size() ? MoneyOf(settings_.NonResident[entry]) : Money();
        addOn = frequency == 7 ? amount.times(days) : amount;
    }
    std::int64_t count = RoundToWhole(LeadingNumber(TrimmedField(e.Dependents)));
    if (count < 0) count = 0; // the count as claimed: no allowance withholds the most
    Money allowance;
    if (frequency == 7)
        allowance = settings_.Allowance[8].mulDiv(count, 1).times(days);
    else if (frequency >= 0 && frequency <= 6)
        allowance = settings_.Allowance[static_cast<std::size_t>(frequency + 1)].mulDiv(count, 1);
    else
        allowance = settings_.Allowance[1].mulDiv(count, 1);
    const Money other = gross - allowance;
    return {other + addOn, other};
}

void PayEngine::ComputeWithholdings(int row, TaxableWage taxable, Money gross, const EmployeeRecord& e) {
    ComputeFederalTax(row, FederalTableRow(e), taxable.Federal);
    AddExtraWithholding(row, e);
    ComputeFicaMedicare(row, gross, e.YTDGross);
    ComputeStateTax(row, taxable.Other, gross, e);
    ComputeLocalTax(row, taxable.Other, gross, e.YTDGross);
}

Money PayEngine::FederalTax(int tableRow, Money taxable) const {
    if (tableRow < 1 || tableRow > 16) return Money();
    const auto& brackets = federal_[static_cast<std::size_t>(tableRow)];
    if (taxable < brackets[0].over) return Money();
    for (std::size_t b = 0; b < brackets.size(); ++b) {
        const Bracket& bracket = brackets[b];
        const bool last = b + 1 == brackets.size();
        const bool applies =
            last ? taxable > bracket.over : bracket.over < taxable && taxable <= bracket.lessThan;
        if (applies) return bracket.base + (taxable - bracket.over).times(bracket.percent);
    }
    return Money();
}

Money PayEngine::PutTax(int row, int col, Money computed) {
    const std::optional<Money>& typed = Row(row).ManualTax(col);
    const Money amount = typed ? *typed : computed;
    Row(row).Tax(col) = amount.roundedToCents();
    return amount;
}

void PayEngine::ComputeFederalTax(int row, int tableRow, Money taxable) {
    run_.Totals.Federal += PutTax(row, PayCol::Federal, FederalTax(tableRow, taxable));
}

void PayEngine::AddExtraWithholding(int row, const EmployeeRecord& e) {
    const Money extra = e.ExtraWithholding > Money() ? e.ExtraWithholding : Money();
    run_.Totals.ExtraFederal += PutTax(row, PayCol::ExtraFederal, extra);
}

// ---- Social Security, Medicare, state and local tax ----------------------------------------------

void PayEngine::ComputeFicaMedicare(int row, Money gross, Money ytd) {
    RunTotals& t = run_.Totals;
    const Money wage = socialSecurityMaximum_ ? WageUnderMaximum(ytd, gross, *socialSecurityMaximum_) : gross;
    const Money fica = PutTax(row, PayCol::Fica, wage.times(static_cast<double>(socialSecurityRate_)));
    t.FicaEmployee += fica;
    t.FicaBoth += fica + fica;

    const Money medicare = gross.times(static_cast<double>(medicareRate_));
    Money additional;
    if (rules_.AdditionalMedicare && ytd + gross > AdditionalMedicareThreshold) {
        const Money above =
            ytd >= AdditionalMedicareThreshold ? gross : ytd + gross - AdditionalMedicareThreshold;
        additional = above.times(AdditionalMedicareRate);
    }
    const bool typed = Row(row).ManualTax(PayCol::Medicare).has_value();
    const Money withheld = PutTax(row, PayCol::Medicare, medicare + additional);
    t.MedicareEmployee += withheld;
    t.MedicareBoth += typed ? withheld + withheld : medicare + medicare + additional;
}

Money PayEngine::StateTax(Money taxable, Money gross, Money ytd, const EmployeeRecord& e) const {
    if (rules_.FlatStateAndLocal) return FlatRateTax(settings_.StateFlat, stateRate_, stateMaximum_, gross, ytd);
    if (const auto flat = FlatStateRate(settings_.StateIndex)) return gross.times(*flat);
    const double rate = static_cast<double>(stateRate_);
    if (settings_.StateFlat && !stateMaximum_) return gross.times(rate);
    if (stateMaximum_) return WageUnderMaximum(ytd, gross, *stateMaximum_).times(rate);
    if (!stateByTable_) return Money();
    const Money annual = taxable.mulDiv(PaysPerYear(e.PayFrequency), 1);
    const auto& brackets = stateBrackets_[e.MaritalStatus == 1 ? 1 : 0];
    for (auto it = brackets.rbegin(); it != brackets.rend(); ++it)
        if (it->first < annual) return gross.times(static_cast<double>(it->second));
    return Money();
}

void PayEngine::ComputeStateTax(int row, Money taxable, Money gross, const EmployeeRecord& e) {
    run_.Totals.State += PutTax(row, PayCol::State, StateTax(taxable, gross, e.YTDGross, e));
}

Money PayEngine::LocalTax(Money taxable, Money gross, Money ytd) const {
    if (rules_.FlatStateAndLocal) return FlatRateTax(settings_.LocalFlat, localRate_, localMaximum_, gross, ytd);
    const double rate = static_cast<double>(localRate_);
    // A withholding is never negative, however far the allowances exceed the pay.
    if (localNoMaximum_) return settings_.LocalFlat ? std::max(taxable, Money()).times(rate) : Money();
    if (localMaximum_) return WageUnderMaximum(ytd, gross, *localMaximum_).times(rate);
    return Money();
}

void PayEngine::ComputeLocalTax(int row, Money taxable, Money gross, Money ytd) {
    run_.Totals.Local += PutTax(row, PayCol::Local, LocalTax(taxable, gross, ytd));
}

// ---- Employer unemployment taxes -------------------------------------------------------------------

void PayEngine::ComputeEmployerUnemployment(Money gross, Money ytd) {
    // The part of the pay under each yearly wage base, given the year's wages before it: the
    // pay that crosses the base is taxed up to it, so the runs of a year tax the base in full
    // and agree with the unemployment reports of any whole quarters.
    const auto belowMaximum = [&](const std::optional<Money>& maximum) {
        return maximum ? WageUnderMaximum(ytd, gross, *maximum) : gross;
    };
    const Money futaWage = belowMaximum(futaMaximum_);
    const Money sutaWage = belowMaximum(sutaMaximum_);
    run_.Totals.Futa += futaWage.times(futaRate_);
    run_.Totals.Suta += sutaWage.times(sutaRate_);
}
