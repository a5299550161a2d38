#include "StateTaxTable.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "Money.h"
#include "frmPayroll.h"
#include "frmTables.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

// The states taxed at a flat rate by the pay run; they have no bracket table.
bool IsFlatRateState(int index) {
    return index == 13 || index == 14 || index == 22;
}
bool IsState(int index) {
    return index >= 1 && index <= StateCount;
}

struct Bracket {
    QString singleRate;
    Money singleOver;
    QString marriedRate;
    Money marriedOver;
};

// Neither the brackets nor the fallback rate: the state rate box keeps what it shows.
void ReportMissingStateTables() {
    MsgBox(
        QStringLiteral("The State Tax files StateTaxTables.txt and StateTaxesMarginal.txt were not found in "
                       "the Program Folder or in its Backup Folder.\r\nThe State Tax Rate was not loaded."),
        MsgButtons::OK, QStringLiteral("Missing File"));
}

// ---- The bracket table -------------------------------------------------------------------------

// A block's bracket count; a negative count holds no brackets.
int ReadBracketCount(DelimitedReader& in) {
    const std::int64_t n = in.readWhole();
    return static_cast<int>(std::clamp<std::int64_t>(n, 0, std::numeric_limits<std::int16_t>::max()));
}

// The brackets of the state at index (1..51). A short file is reported: nullopt when
// it ends before the state's block, else the state's whole brackets read before its end.
std::optional<std::vector<Bracket>> ReadBrackets(DelimitedReader& in, int index) {
    for (int k = 1; k < index; ++k) {
        in.readText();
        const int n = ReadBracketCount(in);
        for (int i = 0; i < 4 * n && !in.isShort(); ++i)
            in.readText();
        if (in.isShort()) break;
    }
    in.readText();
    const int n = ReadBracketCount(in);
    if (in.isShort()) {
        ReportShortFile(StateTaxTablesFile);
        return std::nullopt;
    }
    std::vector<Bracket> brackets;
    for (int b = 0; b < n; ++b) {
        Bracket bracket;
        bracket.singleRate = in.readText();
        bracket.singleOver = MoneyOf(in.readText());
        bracket.marriedRate = in.readText();
        bracket.marriedOver = MoneyOf(in.readText());
        if (in.isShort()) {
            ReportShortFile(StateTaxTablesFile);
            break;
        }
        brackets.push_back(bracket);
    }
    return brackets;
}

// Status column, then a rate and an "over" amount column per bracket; the empty
// column after the last heading separator is hidden.
void ShowBrackets(FlexGrid& grid, const std::vector<Bracket>& brackets) {
    QString format = QStringLiteral("^Status   |");
    for (std::size_t b = 0; b < brackets.size(); ++b)
        format += QStringLiteral("^Rate      |^on Amount Greater Than|");
    grid.setFormatString(format);
    grid.setFixedCols(1);
    grid.setTextMatrix(1, 0, QStringLiteral("Single"));
    grid.setTextMatrix(2, 0, QStringLiteral("Married"));
    for (std::size_t b = 0; b < brackets.size(); ++b) {
        const int c = 2 * static_cast<int>(b) + 1;
        grid.setTextMatrix(1, c, brackets[b].singleRate);
        grid.setTextMatrix(2, c, brackets[b].marriedRate);
        grid.setTextMatrix(1, c + 1, CurrencyText(brackets[b].singleOver));
        grid.setTextMatrix(2, c + 1, CurrencyText(brackets[b].marriedOver));
    }
    grid.setColWidth(2 * static_cast<int>(brackets.size()) + 1, 0);
    StateBracketCount = static_cast<std::int16_t>(brackets.size());
}

} // namespace

void LoadStateTaxTable() {
    frmPayroll& payroll = Form<frmPayroll>();
    payroll.mnuStateTable->setEnabled(true);
    if (IsFlatRateState(StateIndex)) {
        payroll.mnuStateTable->setEnabled(false);
        return;
    }
    if (!FileExists(StateTaxTablesFile)) return LoadStateMarginalTax();

    FlexGrid& grid = *payroll.fgStateTaxes;
    if (grid.rows() < 3) grid.setRows(3);
    // No business state chosen yet: no state's brackets apply.
    if (!IsState(StateIndex)) return ShowBrackets(grid, {});
    try {
        TextInput in = OpenInput(StateTaxTablesFile);
        if (const auto brackets = ReadBrackets(in, StateIndex)) ShowBrackets(grid, *brackets);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void LoadStateMarginalTax() {
    if (!IsState(StateIndex)) return;
    if (!FileExists(StateTaxesMarginalFile)) return ReportMissingStateTables();
    QString value;
    try {
        TextInput in = OpenInput(StateTaxesMarginalFile);
        for (int k = 1; k <= StateIndex; ++k) {
            in.readText();
            value = in.readText();
        }
        // A short file would give another state's rate: nothing is changed.
        if (in.isShort()) return ReportShortFile(StateTaxesMarginalFile);
    } catch (const FileError& error) {
        return ReportFileError(error);
    }
    frmTables& tables = Form<frmTables>();
    tables.TxtTables[TaxBox::StateRate]->setText(value);
    tables.TxtTables[TaxBox::StateMaximum]->setText(QStringLiteral("None"));
    tables.ckState->setChecked(true);
}
