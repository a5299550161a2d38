// The files behind the tax settings: TaxVariables.txt (and its master copy),
// TaxTable.txt, PercentageTable.txt and Deductions.txt.

#include "TaxTables.h"

#include "DataFileNames.h"
#include "DataFiles.h"

#include <optional>
#include <vector>

namespace {

constexpr int TaxVariableCount = 14;
constexpr int TableRows = TaxTables::TableRows;
constexpr int TableCols = TaxTables::TableCols;

// The allowance amounts of a first start, Weekly .. Daily, in cents.
constexpr std::int64_t DefaultAllowanceCents[] = {7980, 15960, 17290, 34580, 103750, 207500, 415000, 1600};

QString ZeroCurrency() {
    return CurrencyText(Money());
}
QString ZeroPercent2() {
    return PercentText2(0.0);
}
QString ZeroPercent1() {
    return PercentText1(0.0);
}

// A number shown in currency format; any other text as it stands.
QString CurrencyOrAsRead(const QString& item) {
    const auto amount = ParseMoney(item);
    return amount ? CurrencyText(*amount) : item;
}

// A check box item: 0/1 as written, or a flag.
bool Ticked(const DelimitedReader::Read& item) {
    if (item.kind == Item::Kind::Flag) return item.flag;
    const auto number = ParseNumber(item.text);
    return number && !number->isZero();
}

using Table = std::vector<std::vector<QString>>;

Table DefaultTable(bool percentColumns) {
    Table table(TableRows + 1, std::vector<QString>(TableCols + 1));
    for (std::size_t r = 1; r <= TableRows; ++r)
        for (std::size_t c = 1; c <= TableCols; ++c)
            table[r][c] = percentColumns && c % 2 == 0 ? ZeroPercent1() : ZeroCurrency();
    return table;
}

} // namespace

// Up to count items of a file. Reading stops at the end of a short file, which is a
// problem; what was read is kept. A file that cannot be read gives nullopt.
std::optional<std::vector<DelimitedReader::Read>> TaxTables::readItems(const QString& fileName, int count) {
    std::vector<DelimitedReader::Read> items;
    try {
        TextInput in = OpenInput(fileName);
        while (static_cast<int>(items.size()) < count) {
            DelimitedReader::Read item = in.next();
            if (in.isShort()) break;
            items.push_back(std::move(item));
        }
    } catch (const FileError& error) {
        Problems.push_back({error, {}, false});
        return std::nullopt;
    }
    if (static_cast<int>(items.size()) < count) Problems.push_back({std::nullopt, fileName, false});
    return items;
}

// Rewrites a table file. The live file is replaced in one step once the new one is
// complete, so a failed save loses nothing; only then is the outdated backup copy
// deleted (the next start-up backs the new file up again).
template <class WriteItems> void TaxTables::saveFile(const QString& fileName, WriteItems writeItems) {
    try {
        TextOutput out = OpenOutput(fileName);
        writeItems(out);
        out.close();
        DeleteDataFile(QStringLiteral("/Backup") + fileName);
    } catch (const FileError& error) {
        Problems.push_back({error, {}, false});
    }
}

void TaxTables::readTable(Table& table, const QString& fileName, bool percentColumns) {
    const auto items = readItems(fileName, TableRows * TableCols);
    if (!items) return;
    table = DefaultTable(percentColumns);
    for (std::size_t i = 0; i < items->size(); ++i) {
        const std::size_t row = i / TableCols + 1;
        const std::size_t col = i % TableCols + 1;
        const QString& text = (*items)[i].text;
        if (!IsNumeric(text))
            table[row][col] = text;
        else if (percentColumns && col % 2 == 0)
            table[row][col] = PercentText1(text);
        else
            table[row][col] = CurrencyText(*ParseMoney(text));
    }
}

void TaxTables::saveTable(const Table& table, const QString& fileName) {
    saveFile(fileName, [&table](TextOutput& out) {
        for (std::size_t r = 1; r <= TableRows; ++r)
            for (std::size_t c = 1; c <= TableCols; ++c)
                out.write(Item::text(table[r][c]));
    });
}

TaxTables::TaxTables() : TaxTable(DefaultTable(false)), Percentage(DefaultTable(true)) {
    defaultTaxVariables();
    Allowances.fill(ZeroCurrency());
}

TaxTables& TheTaxTables() {
    static TaxTables tables;
    return tables;
}

void TaxTables::Load() {
    // A file that is missing (or cannot be read) leaves the zero defaults of a first start.
    defaultTaxVariables();
    TaxTable = DefaultTable(false);
    Percentage = DefaultTable(true);
    if (FileExists(TaxVariablesFile)) LoadTaxVariables(true);
    if (FileExists(TaxTableFile)) LoadTaxTable();
    if (FileExists(PercentageTableFile)) LoadPercentageTable();
    LoadAllowanceTable();
}

// ---- Tax variables ------------------------------------------------------------------------------

void TaxTables::defaultTaxVariables() {
    for (std::size_t i = 0; i < 6; ++i)
        Variables[i] = ZeroPercent2();
    for (std::size_t i = 6; i < 11; ++i)
        Variables[i] = ZeroCurrency();
    EIN.clear();
    StateFlat = false;
    LocalFlat = false;
}

void TaxTables::LoadTaxVariables(bool current) {
    const QString fileName = current ? TaxVariablesFile : MasterTaxVariablesFile;
    if (!current && !FileExists(fileName)) {
        Problems.push_back({std::nullopt, {}, true});
        return;
    }
    readTaxVariables(fileName);
}

void TaxTables::readTaxVariables(const QString& fileName) {
    const auto items = readItems(fileName, TaxVariableCount);
    if (!items) return;
    // What a short file does not hold shows the zero defaults of a first start.
    defaultTaxVariables();
    const std::size_t read = items->size();
    for (std::size_t i = 0; i < read; ++i) {
        const DelimitedReader::Read& item = (*items)[i];
        const QString& text = item.text;
        if (i < 6)
            Variables[i] = PercentText2(text);
        else if (i < 11)
            Variables[i] = CurrencyOrAsRead(text);
        else if (i == 11)
            EIN = text;
        else
            (i == 12 ? StateFlat : LocalFlat) = Ticked(item);
    }
}

void TaxTables::SaveTaxVariables() {
    // A maximum of zero means no maximum.
    for (std::size_t i = 6; i < 11; ++i)
        if (Variables[i] == ZeroCurrency()) Variables[i] = QStringLiteral("None");
    saveFile(TaxVariablesFile, [this](TextOutput& out) {
        for (const QString& text : Variables)
            out.write(Item::text(text));
        out.write(Item::text(EIN));
        out.write(Item::number(StateFlat ? 1 : 0));
        out.write(Item::number(LocalFlat ? 1 : 0));
    });
}

// ---- The two federal tables ------------------------------------------------------------------------

void TaxTables::LoadTaxTable() {
    readTable(TaxTable, TaxTableFile, false);
}
void TaxTables::SaveTaxTable() {
    saveTable(TaxTable, TaxTableFile);
}
void TaxTables::LoadPercentageTable() {
    readTable(Percentage, PercentageTableFile, true);
}
void TaxTables::SavePercentageTable() {
    saveTable(Percentage, PercentageTableFile);
}

// ---- Allowances ------------------------------------------------------------------------------------

void TaxTables::LoadAllowanceTable() {
    if (!FileExists(DeductionsFile)) {
        for (std::size_t i = 0; i < Allowances.size(); ++i)
            Allowances[i] = CurrencyText(Money::fromCents(DefaultAllowanceCents[i]));
        SaveAllowanceTable();
        return;
    }
    const auto items = readItems(DeductionsFile, static_cast<int>(Allowances.size()));
    if (!items) return;
    for (std::size_t i = 0; i < Allowances.size(); ++i)
        Allowances[i] = i < items->size() ? CurrencyOrAsRead((*items)[i].text) : ZeroCurrency();
}

void TaxTables::SaveAllowanceTable() {
    saveFile(DeductionsFile, [this](TextOutput& out) {
        for (const QString& text : Allowances)
            out.write(Item::text(text));
    });
}

void TaxTables::ClearAllowanceTable() {
    Allowances.fill(ZeroCurrency());
}

std::array<Money, 9> TaxTables::AllowanceAmounts() const {
    std::array<Money, 9> amounts{};
    for (std::size_t k = 1; k <= 8; ++k)
        amounts[k] = MoneyOf(Allowances[k - 1]);
    return amounts;
}
