// The files behind the tax-table store: TaxVariables.txt (and its master copy),
// TaxTable.txt, PercentageTable.txt and Deductions.txt.

#include "frmTables.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Money.h"

#include <QCheckBox>
#include <QLineEdit>

#include <optional>
#include <vector>

namespace {

constexpr int TaxVariableCount = 14;
constexpr int TableRows = 16;
constexpr int TableCols = 14;

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

// Up to count items of a file. Reading stops at the end of a short file, which is
// reported to the user; what was read is kept. A file that cannot be read is
// reported too and gives nullopt.
std::optional<std::vector<DelimitedReader::Read>> ReadItems(const QString& fileName, int count) {
    std::vector<DelimitedReader::Read> items;
    try {
        TextInput in = OpenInput(fileName);
        while (static_cast<int>(items.size()) < count) {
            DelimitedReader::Read item = in.next();
            if (in.isShort()) break;
            items.push_back(std::move(item));
        }
    } catch (const FileError& error) {
        ReportFileError(error);
        return std::nullopt;
    }
    if (static_cast<int>(items.size()) < count) ReportShortFile(fileName);
    return items;
}

// A check box item: 0/1 as written, or a flag.
bool Ticked(const DelimitedReader::Read& item) {
    if (item.kind == Item::Kind::Flag) return item.flag;
    const auto number = ParseNumber(item.text);
    return number && !number->isZero();
}

// Rewrites a table file. The live file is replaced in one step once the new one is
// complete, so a failed save loses nothing; only then is the outdated backup copy
// deleted (the next start-up backs the new file up again).
template <class WriteItems> void SaveFile(const QString& fileName, WriteItems writeItems) {
    try {
        TextOutput out = OpenOutput(fileName);
        writeItems(out);
        out.close();
        DeleteDataFile(QStringLiteral("/Backup") + fileName);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

} // namespace

void frmTables::LoadTables() {
    // The row labels are put in when the grids are built. A file that is missing (or
    // cannot be read) leaves the zero defaults of a first start.
    defaultTaxVariables();
    defaultGrid(*fgTaxTable, false);
    defaultGrid(*fgPercentage, true);
    if (FileExists(TaxVariablesFile)) LoadTaxVariables(true);
    if (FileExists(TaxTableFile)) LoadTaxTable();
    if (FileExists(PercentageTableFile)) LoadPercentageTable();
    LoadAllowanceTable();
}

// ---- Tax variables ------------------------------------------------------------------------------

void frmTables::defaultTaxVariables() {
    for (int i = 0; i < TaxBox::RateCount; ++i)
        TxtTables[i]->setText(ZeroPercent2());
    for (int i = TaxBox::RateCount; i < TaxBox::Count; ++i)
        TxtTables[i]->setText(ZeroCurrency());
    txtEIN->clear();
    ckState->setChecked(false);
    ckLocal->setChecked(false);
}

void frmTables::LoadTaxVariables(bool current) {
    const QString fileName = current ? TaxVariablesFile : MasterTaxVariablesFile;
    if (!current && !FileExists(fileName)) {
        MsgBox(QStringLiteral("The Default Tax Table (Backup\\MasterTaxVariables.txt) was not found.\r\n"
                              "The Tax Settings were not changed."),
               MsgButtons::OK, QStringLiteral("Load Default Table"));
        return;
    }
    readTaxVariables(fileName);
}

void frmTables::readTaxVariables(const QString& fileName) {
    const auto items = ReadItems(fileName, TaxVariableCount);
    if (!items) return;
    // What a short file does not hold shows the zero defaults of a first start.
    defaultTaxVariables();
    const int read = static_cast<int>(items->size());
    for (int i = 0; i < read; ++i) {
        const DelimitedReader::Read& item = (*items)[i];
        const QString& text = item.text;
        if (i < TaxBox::RateCount)
            TxtTables[i]->setText(PercentText2(text));
        else if (i < TaxBox::Count)
            TxtTables[i]->setText(CurrencyOrAsRead(text));
        else if (i == TaxBox::Count)
            txtEIN->setText(text);
        else
            (i == 12 ? ckState : ckLocal)->setChecked(Ticked(item));
    }
}

void frmTables::SaveTaxVariables() {
    // A maximum of zero means no maximum.
    for (int i = TaxBox::RateCount; i < TaxBox::Count; ++i)
        if (TxtTables[i]->text() == ZeroCurrency()) TxtTables[i]->setText(QStringLiteral("None"));
    SaveFile(TaxVariablesFile, [this](TextOutput& out) {
        for (QLineEdit* box : TxtTables)
            out.write(Item::text(box->text()));
        out.write(Item::text(txtEIN->text()));
        out.write(Item::number(ckState->isChecked() ? 1 : 0));
        out.write(Item::number(ckLocal->isChecked() ? 1 : 0));
    });
}

// ---- The two federal tables ------------------------------------------------------------------------

void frmTables::defaultGrid(FlexGrid& grid, bool percentColumns) {
    for (int r = 1; r <= TableRows; ++r)
        for (int c = 1; c <= TableCols; ++c)
            grid.setTextMatrix(r, c, percentColumns && c % 2 == 0 ? ZeroPercent1() : ZeroCurrency());
}

void frmTables::readGrid(FlexGrid& grid, const QString& fileName, bool percentColumns) {
    const auto items = ReadItems(fileName, TableRows * TableCols);
    if (!items) return;
    defaultGrid(grid, percentColumns);
    for (std::size_t i = 0; i < items->size(); ++i) {
        const int row = static_cast<int>(i) / TableCols + 1;
        const int col = static_cast<int>(i) % TableCols + 1;
        const QString& text = (*items)[i].text;
        if (!IsNumeric(text))
            grid.setTextMatrix(row, col, text);
        else if (percentColumns && col % 2 == 0)
            grid.setTextMatrix(row, col, PercentText1(text));
        else
            grid.setTextMatrix(row, col, CurrencyText(*ParseMoney(text)));
    }
}

void frmTables::saveGrid(const FlexGrid& grid, const QString& fileName) {
    SaveFile(fileName, [&grid](TextOutput& out) {
        for (int r = 1; r <= TableRows; ++r)
            for (int c = 1; c <= TableCols; ++c)
                out.write(Item::text(grid.textMatrix(r, c)));
    });
}

void frmTables::LoadTaxTable() {
    readGrid(*fgTaxTable, TaxTableFile, false);
}
void frmTables::SaveTaxTable() {
    saveGrid(*fgTaxTable, TaxTableFile);
}
void frmTables::LoadPercentageTable() {
    readGrid(*fgPercentage, PercentageTableFile, true);
}
void frmTables::SavePercentageTable() {
    saveGrid(*fgPercentage, PercentageTableFile);
}

// ---- Allowances ------------------------------------------------------------------------------------

void frmTables::LoadAllowanceTable() {
    if (!FileExists(DeductionsFile)) {
        for (std::size_t i = 0; i < txtAllowance.size(); ++i)
            txtAllowance[i]->setText(CurrencyText(Money::fromCents(DefaultAllowanceCents[i])));
        SaveAllowanceTable();
        return;
    }
    const auto items = ReadItems(DeductionsFile, static_cast<int>(txtAllowance.size()));
    if (!items) return;
    for (std::size_t i = 0; i < txtAllowance.size(); ++i)
        txtAllowance[i]->setText(i < items->size() ? CurrencyOrAsRead((*items)[i].text) : ZeroCurrency());
}

void frmTables::SaveAllowanceTable() {
    SaveFile(DeductionsFile, [this](TextOutput& out) {
        for (QLineEdit* box : txtAllowance)
            out.write(Item::text(box->text()));
    });
}

void frmTables::ClearAllowanceTable() {
    for (QLineEdit* box : txtAllowance)
        box->setText(ZeroCurrency());
    txtAllowance[AllowanceBox::Weekly]->setFocus();
}
