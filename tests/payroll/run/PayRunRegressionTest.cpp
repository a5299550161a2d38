// Ten thousand random employees, in forty runs of random tax settings, each calculated
// twice with changes in between: every figure of every row and every total is written to
// a dump whose hash is pinned here. Any change in a figure changes the hash.
//
// To find the first differing cell: on the commit that gives the pinned hash, run
//   KESTROVA_PAYRUN_DUMP=/tmp/before.txt test_payroll_run --gtest_filter='PayRunRegression*'
// then on the changed code
//   KESTROVA_PAYRUN_BASELINE=/tmp/before.txt test_payroll_run --gtest_filter='PayRunRegression*'
#include "DataFiles.h"
#include "Globals.h"
#include "PayEngine.h"
#include "Posting.h"
#include "Register.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

constexpr int Runs = 40;
constexpr int RunSize = 250;
const char* const PinnedHash = "fbaeb9746c16916a7cf685a1ee7a7cf8c24a8d5ca9c5f8dd289d134980b2812f";

// Raw generator outputs only, so that the cases are the same with every standard library.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : rng_(seed) {}
    // A draw of 2^31 or more wraps round to a negative number (a negative year-to-date
    // gross among the cases).
    int below(std::int64_t n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& pick(std::initializer_list<T> items) {
        return items.begin()[below(static_cast<int>(items.size()))];
    }
    Money cents(int maxDollars) { return Money::fromCents(below(maxDollars * 100 + 1)); }
    Money raw(int maxDollars) { return Money::fromRaw(below(std::int64_t{maxDollars} * 10000 + 1)); }
    QString amountText(int maxDollars) { return CurrencyText(cents(maxDollars)); }

private:
    std::mt19937 rng_;
};

// One employee and what the user enters for it in the run.
struct Case {
    EmployeeRecord record;
    bool marked = true;
    QString numberCell;  // the number the row shows (may name no record)
    QString hours;       // the Hours cell of an hourly row
    Money bonus;         // hourly and salaried rows
    std::vector<std::optional<QString>> answers; // days or flat amount, asked in turn
    std::map<int, Money> typedTaxes;            // employee-grid column -> amount typed
    std::map<int, Money> typedDeductions;       // deduction-grid column -> amount typed
    // Between the two calculations.
    bool toggleMark = false;
    QString newHours;
};

TaxSettings RandomSettings(Draw& d) {
    TaxSettings s;
    const auto rate = [&] { return PercentText2(d.below(1000) / 10000.0); };
    const auto maximum = [&] { return d.chance(30) ? QStringLiteral("None") : d.amountText(200000); };
    s.Tables = {rate(),    rate(),    rate(),    rate(),    rate(),   rate(),
                maximum(), d.chance(50) ? QStringLiteral("Table") : maximum(),
                maximum(), maximum(), maximum()};
    s.StateFlat = d.chance(30);
    s.LocalFlat = d.chance(50);
    s.TaxTable.assign(17, std::vector<QString>(15));
    s.Percentage.assign(17, std::vector<QString>(15));
    for (std::size_t row = 1; row <= 16; ++row) {
        Money over = d.cents(200);
        Money base;
        for (std::size_t b = 0; b < 7; ++b) {
            const Money next = over + d.cents(3000) + Money::fromDollars(1);
            s.TaxTable[row][2 * b + 1] = CurrencyText(over);
            s.TaxTable[row][2 * b + 2] = CurrencyText(next);
            s.Percentage[row][2 * b + 1] = CurrencyText(base);
            s.Percentage[row][2 * b + 2] = QStringLiteral("%1.%2%").arg(5 + d.below(35)).arg(d.below(10));
            base += d.cents(900);
            over = next;
        }
    }
    for (std::size_t k = 1; k <= 8; ++k)
        s.Allowance[k] = d.cents(400);
    if (d.chance(80))
        for (int i = 0; i < 8; ++i)
            s.NonResident << d.amountText(300);
    s.Match401k = d.chance(60);
    s.MatchingPercent = d.pick({QStringLiteral("3"), QStringLiteral("4.5"), QStringLiteral("6"), QString()});
    s.StateIndex = d.pick({1, 5, 13, 14, 22, 30});
    if (d.chance(80)) {
        s.StateTable.assign(3, {});
        for (std::size_t row = 1; row <= 2; ++row) {
            s.StateTable[row] = {QStringLiteral("Status")};
            Money over;
            for (int b = 0; b < 4; ++b) {
                s.StateTable[row].push_back(rate());
                s.StateTable[row].push_back(CurrencyText(over));
                over += d.cents(20000);
            }
        }
    }
    return s;
}

const QString Statuses[] = {QStringLiteral("Hourly"), QStringLiteral("Salary"), QStringLiteral("Daily"),
                            QStringLiteral("Flat Rate"), QString(), QStringLiteral("Weekly")};

Case RandomCase(Draw& d, int n) {
    Case c;
    EmployeeRecord& e = c.record;
    e.Name = QStringLiteral("E%1").arg(n);
    e.EmployeeNo = QString::number(1000 + n);
    e.PayStatus = Statuses[d.below(6)];
    e.PayFrequency = d.below(9);
    e.MaritalStatus = d.below(3);
    e.NonResident = static_cast<std::int16_t>(d.chance(20) ? -1 : 0);
    e.Dependents = d.pick({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2.5"),
                           QString(), QStringLiteral("x")});
    e.PayRate = d.pick({QStringLiteral("$18.75"), QStringLiteral("1,250.00"), QStringLiteral("10.005"),
                        QString(), QStringLiteral("abc"), CurrencyText(d.cents(4000)),
                        QString::number(d.below(90000) / 1000.0)});
    e.Percent401k = static_cast<float>(d.below(41)) / 4.0f;
    e.ChildSupportPerPay = d.chance(30) ? d.raw(200) : Money();
    e.SupportFeePerPay = d.chance(20) ? d.raw(20) : Money();
    e.InsurancePerPay = d.chance(50) ? d.raw(150) : Money();
    e.ExtraWithholding = d.chance(30) ? Money::fromRaw(d.below(600000) - 100000) : Money();
    e.YTDGross = d.pick({Money(), d.raw(10000), d.raw(250000), Money::fromDollars(6900) + d.cents(300),
                         Money::fromDollars(128300) + d.cents(300), Money::fromDollars(199500) + d.cents(1000)});
    c.marked = d.chance(85);
    c.numberCell = d.chance(2) ? d.pick({QStringLiteral("99999"), QStringLiteral("12"), QString()}) : e.EmployeeNo;
    c.hours = d.pick({QStringLiteral("40"), QStringLiteral("37.33"), QStringLiteral("45.5"), QStringLiteral("0"),
                      QStringLiteral("60"), QString::number(d.below(8000) / 100.0)});
    c.bonus = d.chance(20) ? d.cents(500) : Money();
    const int asks = 1 + (d.chance(20) ? d.below(3) : 0);
    for (int i = 0; i < asks; ++i) {
        const int kind = d.below(10);
        if (i + 1 < asks)
            c.answers.push_back(d.pick({QString(), QStringLiteral("three"), QStringLiteral("-1")}));
        else if (kind == 0)
            c.answers.push_back(std::nullopt);
        else
            c.answers.push_back(d.pick({QStringLiteral("3"), QStringLiteral("2.5"), QStringLiteral(" 1.25 "),
                                        QStringLiteral("0"), QString::number(d.below(200000) / 100.0)}));
    }
    if (d.chance(10)) c.typedTaxes[PayCol::FirstTax + d.below(6)] = d.cents(90);
    if (d.chance(10))
        c.typedDeductions[d.pick({AuxCol::ChildSupport, AuxCol::SupportFee, AuxCol::Insurance})] = d.cents(60);
    c.toggleMark = d.chance(10);
    if (d.chance(15)) c.newHours = QString::number(d.below(6000) / 100.0);
    return c;
}

// Answers the days and flat amounts from each employee's list and logs every message.
struct Answers {
    std::map<QString, std::vector<std::optional<QString>>> byName;
    QStringList log;

    static QString OneLine(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")); }
    PayQuestions questions() {
        return {[this](const QString& prompt, const QString& title) -> std::optional<QString> {
                    log << QStringLiteral("input|") + title + u'|' + OneLine(prompt);
                    auto& answers = byName[prompt.section(QStringLiteral("Period for "), 1)];
                    if (answers.empty()) return std::nullopt;
                    const auto answer = answers.front();
                    answers.erase(answers.begin());
                    return answer;
                },
                [this](const QString& text, const QString& title) {
                    log << QStringLiteral("message|") + title + u'|' + OneLine(text);
                }};
    }
};

QString Join(const std::vector<QString>& items) {
    QStringList list(items.begin(), items.end());
    return list.join(u'|');
}

QString Raw(Money m) {
    return QString::number(m.raw());
}

class PayRunRegression : public ProgramFolderTest {
protected:
    // One run of the batch: the rows as the pay-run screen loads them, two calculations.
    void Run(int batch, Draw& d) {
        const TaxSettings settings = RandomSettings(d);
        std::vector<Case> cases;
        std::vector<EmployeeRecord> records;
        for (int n = 1; n <= RunSize; ++n) {
            cases.push_back(RandomCase(d, n));
            records.push_back(cases.back().record);
        }
        DeleteDataFile(u"/Employees.txt");
        RandomFile file = OpenRandomFile(u"/Employees.txt", EmployeeRecord::Length);
        for (std::size_t i = 0; i < records.size(); ++i)
            file.put(static_cast<std::int32_t>(i + 1), records[i]);

        Answers answers;
        for (const Case& c : cases)
            answers.byName[c.record.Name] = c.answers;

        PayRun run;
        run.ResetRows(RunSize);
        for (int n = 1; n <= RunSize; ++n) {
            const Case& c = cases[static_cast<std::size_t>(n - 1)];
            const EmployeeRecord e = EmployeeRecord::decode(c.record.encode());
            PayRow& row = run.Row(n) = PayRowOf(e);
            row.Marked = c.marked;
            row.Number = c.numberCell;
            if (row.BonusIn == BonusList::Hourly) row.Hours = c.hours;
            if (row.BonusIn != BonusList::None) row.Bonus = c.bonus;
            for (const auto& [col, amount] : c.typedTaxes)
                row.Tax(col) = row.ManualTax(col) = amount;
            for (const auto& [col, amount] : c.typedDeductions)
                (col == AuxCol::ChildSupport ? row.ChildSupport
                 : col == AuxCol::SupportFee ? row.SupportFee
                                             : row.Insurance) = amount;
        }

        for (int calculation = 1; calculation <= 2; ++calculation) {
            if (calculation == 2) {
                for (int n = 1; n <= RunSize; ++n) {
                    const Case& c = cases[static_cast<std::size_t>(n - 1)];
                    PayRow& row = run.Row(n);
                    if (c.toggleMark) {
                        // As a click on the mark column does.
                        row.Marked = !row.Marked;
                        if (!row.Marked) {
                            row.Taxes = {};
                            run.ClearManualTaxes(n);
                        }
                    }
                    if (!c.newHours.isEmpty() && TrimmedField(c.record.PayStatus) == u"Hourly")
                        row.Hours = c.newHours;
                }
            }
            run.Totals = RunTotals{};
            PayEngine engine(run, settings, answers.questions());
            engine.CalculatePayroll();
            engine.TotalDeductions();

            const QString head = QStringLiteral("%1.%2|").arg(batch).arg(calculation);
            for (const QString& line : answers.log)
                dump_ << head + line;
            answers.log.clear();
            const RunTotals& t = run.Totals;
            dump_ << head + QStringLiteral("totals|") +
                         QStringList{Raw(t.Gross), Raw(t.Federal), Raw(t.ExtraFederal), Raw(t.FicaBoth),
                                     Raw(t.FicaEmployee), Raw(t.MedicareBoth), Raw(t.MedicareEmployee),
                                     Raw(t.State), Raw(t.Local), Raw(t.Futa), Raw(t.Suta),
                                     Raw(t.ChildSupport), Raw(t.SupportFee), Raw(t.Deduction401k),
                                     Raw(t.Insurance), Raw(t.Match401k), Raw(t.FundsRequired())}
                             .join(u'|');
            for (int n = 1; n <= RunSize; ++n) {
                const PayRow& row = run.Row(n);
                std::vector<QString> cells;
                for (int col = 0; col < 12; ++col)
                    cells.push_back(row.EmployeeText(col));
                for (int col = AuxCol::ChildSupport; col <= AuxCol::Insurance; ++col)
                    cells.push_back(row.AuxText(col));
                cells.push_back(Raw(row.Gross));
                cells.push_back(Raw(row.NetPay));
                cells.push_back(row.Entry);
                dump_ << head + QStringLiteral("row %1|").arg(n) + Join(cells);
            }
            dump_ << head + QStringLiteral("days|") + run.DaysWorked;
            // What posting and the register take from the run.
            for (const PayRecord& p : PayRecordsOfRun(run, 46000))
                dump_ << head + QStringLiteral("pay|") + QString::fromLatin1(p.encode().toHex());
            const RegisterRun checks = RegisterEntriesOfRun(run, 100, QDate(2026, 1, 9));
            for (const RegisterEntry& entry : checks.entries)
                dump_ << head + QStringLiteral("check|") + QString::fromLatin1(entry.encode().toHex());
            dump_ << head + QStringLiteral("checks total|") + Raw(checks.runTotal);
        }
    }

    QStringList dump_;
};

// The first line and cell of the dump that differ from the baseline file; empty when none.
QString FirstDifference(const QStringList& dump, const QString& baselineFile) {
    QFile file(baselineFile);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot read ") + baselineFile;
    const QStringList baseline = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype i = 0; i < dump.size(); ++i) {
        if (i >= baseline.size()) return QStringLiteral("the baseline ends before line %1").arg(i + 1);
        if (dump[i] == baseline[i]) continue;
        const QStringList now = dump[i].split(u'|');
        const QStringList before = baseline[i].split(u'|');
        for (qsizetype c = 0; c < std::max(now.size(), before.size()); ++c)
            if (now.value(c) != before.value(c))
                return QStringLiteral("line %1 (%2) cell %3: was \"%4\", now \"%5\"")
                    .arg(i + 1)
                    .arg(now.value(0) + u'|' + now.value(1), QString::number(c), before.value(c), now.value(c));
    }
    return {};
}

} // namespace

TEST_F(PayRunRegression, TenThousandRandomEmployeesKeepEveryFigure) {
    Draw d(20260101u);
    for (int batch = 1; batch <= Runs; ++batch)
        Run(batch, d);
    const QString text = dump_.join(u'\n');
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
    if (const QByteArray out = qgetenv("KESTROVA_PAYRUN_DUMP"); !out.isEmpty()) {
        QFile file(QString::fromLocal8Bit(out));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    if (const QByteArray baseline = qgetenv("KESTROVA_PAYRUN_BASELINE"); !baseline.isEmpty())
        if (const QString difference = FirstDifference(dump_, QString::fromLocal8Bit(baseline));
            !difference.isEmpty())
            ADD_FAILURE() << difference.toStdString();
    EXPECT_EQ(hash.toStdString(), PinnedHash) << dump_.size() << " lines";
}
