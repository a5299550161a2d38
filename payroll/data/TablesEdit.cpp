// The editing commands of the tax-table screen: cell edits of the two federal tables,
// the tax-variable and allowance boxes, the frames, and the web menus.

#include "frmTables.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "MainMenu.h"
#include "Money.h"
#include "Suppliers.h"
#include "WebPage.h"

#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <optional>

namespace {

const QColor Green = VbColor(0xFF00);
const QColor White = VbColor(0xFFFFFF);
const QString None = QStringLiteral("None");
const QString TableWord = QStringLiteral("Table");

bool IsRateBox(int index) {
    return index < TaxBox::RateCount;
}

// A key that changes the text: one that types a character, Backspace or Delete.
// Tab, the cursor keys and shortcuts leave a box as it is.
bool EditingKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return !key.text().isEmpty() && key.text().front().isPrint();
}

template <std::size_t N> int IndexOf(const std::array<QLineEdit*, N>& boxes, const QObject* object) {
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i] == object) return static_cast<int>(i);
    return -1;
}

// Another window or a context menu taking the focus for a moment is no leaving.
bool IsMomentary(const QFocusEvent& event) {
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

bool AllSelected(const QLineEdit& box) {
    return !box.text().isEmpty() && box.selectedText() == box.text();
}

// n percent, as a percent text with two decimals: 6.2 gives "6.20%".
QString PercentOfNumber(const Decimal& n) {
    if (n.scale <= 16) return PercentText2(PlainNumberText(Decimal{n.mantissa, n.scale + 2}));
    return PercentText2(n.toDouble() / 100.0);
}

// "7.5%" typed with its sign reads as 7.5 percent.
std::optional<Decimal> PercentTyped(const QString& text) {
    const QString t = text.trimmed();
    if (!t.endsWith(u'%')) return std::nullopt;
    return ParseNumber(QStringView(t).chopped(1));
}

} // namespace

void frmTables::cmdTables_Click(int index) {
    if (index < 0 || index >= TablesButton::Count || !cmdTables[static_cast<std::size_t>(index)]) return;
    switch (index) {
    case TablesButton::Menu:
        Hide();
        ShowMainMenu();
        break;
    case TablesButton::SaveSettings:
        SaveTaxVariables();
        break;
    case TablesButton::SaveTaxTable:
        SaveTaxTable();
        break;
    case TablesButton::SaveTaxTableChange:
        saveTaxTableChange();
        break;
    case TablesButton::CloseHelp:
        fraHelp->hide();
        break;
    case TablesButton::SavePercentageChange:
        savePercentageChange();
        break;
    case TablesButton::CloseAllowances:
        fraAllowance->hide();
        break;
    case TablesButton::SaveAllowances:
        SaveAllowanceTable();
        break;
    case TablesButton::ClearAllowances:
        ClearAllowanceTable();
        break;
    case TablesButton::ReloadAllowances:
        LoadAllowanceTable();
        txtAllowance[AllowanceBox::Weekly]->setFocus();
        break;
    case TablesButton::SavePercentageTable:
        SavePercentageTable();
        showPercentageFrame(false);
        break;
    case TablesButton::ClearPercentageEntry:
        txtChangePercent->clear();
        break;
    case TablesButton::SelectSingle:
        fgPercentage->setSelectionMode(FlexGrid::SelectionFree);
        break;
    case TablesButton::SelectColumn:
        fgPercentage->setSelectionMode(FlexGrid::SelectionByColumn);
        break;
    case TablesButton::ReloadTables:
        // The tax variables only: edits of the grids stay on the screen.
        if (FileExists(TaxVariablesFile)) LoadTaxVariables(true);
        break;
    case TablesButton::LoadDefaultTable:
        LoadTaxVariables(false);
        break;
    case TablesButton::ClosePercentage:
        showPercentageFrame(false);
        break;
    default:
        break;
    }
}

// ---- The tax table ---------------------------------------------------------------------------------

void frmTables::fgTaxTable_Click(int row, int col) {
    if (row < 1 || col < 1) return;
    // One cell at a time is marked for editing.
    if (editRow_ > 0 && (editRow_ != row || editCol_ != col))
        fgTaxTable->setCellBackColor(editRow_, editCol_, White);
    editRow_ = row;
    editCol_ = col;
    editText_ = fgTaxTable->textMatrix(row, col);
    txtChangeRate->setText(editText_);
    fgTaxTable->setCellBackColor(row, col, Green);
    txtChangeRate->setFocus();
}

void frmTables::saveTaxTableChange() {
    const int row = editRow_ > 0 ? editRow_ : fgTaxTable->row();
    const int col = editRow_ > 0 ? editCol_ : fgTaxTable->col();
    const auto amount = ParseMoney(txtChangeRate->text());
    if (!amount || col < 1) {
        AlarmBeep();
        txtChangeRate->clear();
        txtChangeRate->setFocus();
        return;
    }
    fgTaxTable->setCellBackColor(row, col, White);
    fgTaxTable->setTextMatrix(row, col, CurrencyText(*amount));
}

// ---- The percentage table --------------------------------------------------------------------------

void frmTables::fgPercentage_Click(int row, int col) {
    cmdTables[TablesButton::SavePercentageChange]->setEnabled(true);
    fgPercentage->setCellBackColor(row, col, Green);
    txtChangePercent->clear();
    txtChangePercent->setFocus();
}

void frmTables::fgPercentage_LeaveCell(int row, int col) {
    if (row >= 1 && col >= 1) fgPercentage->setCellBackColor(row, col, White);
}

void frmTables::refusePercentEntry() {
    AlarmBeep();
    fraHelp->show();
    txtChangePercent->clear();
    txtChangePercent->setFocus();
}

void frmTables::savePercentageChange() {
    const int row = fgPercentage->row();
    const int col = fgPercentage->col();
    const QString entry = txtChangePercent->text();
    const bool percentColumn = col % 2 == 0;
    // A percent is typed as a decimal fraction (28% as .28); an amount as a number.
    const bool valid = IsNumeric(entry) && (!percentColumn || entry.startsWith(u'.'));
    if (!valid || col < 1) return refusePercentEntry();

    lblExample->hide();
    const QString text = percentColumn ? PercentText2(entry) : CurrencyText(*ParseMoney(entry));
    fgPercentage->setTextMatrix(row, col, text);
    fgPercentage->setCellBackColor(row, col, White);
    if (fgPercentage->selectionMode() == FlexGrid::SelectionByColumn)
        for (int r = 1; r <= 16; ++r)
            fgPercentage->setTextMatrix(r, col, text);
    cmdTables[TablesButton::SavePercentageChange]->setEnabled(false);
    cmdTables[TablesButton::SavePercentageTable]->setEnabled(true);
}

void frmTables::showPercentageFrame(bool show) {
    // The leaving panel goes first: for a moment with both in view the window would grow
    // to hold both, and keep that height.
    QWidget* leaving = show ? fraTaxTable : fraPercentage;
    QWidget* coming = show ? fraPercentage : fraTaxTable;
    leaving->hide();
    coming->show();
    if (isActiveScreen()) HookGridWheel(this, VisibleGrid());
}

// ---- The tax-variable boxes ------------------------------------------------------------------------

void frmTables::TxtTables_Enter(int index) {
    QLineEdit* box = TxtTables[index];
    enteredText_[index] = box->text();
    if (IsRateBox(index)) {
        if (box->text() == PercentText2(0.0)) box->clear();
        return;
    }
    // A zero or empty maximum shows "None" while the user edits it.
    if (box->text() == CurrencyText(Money()) || box->text().isEmpty()) box->setText(None);
}

void frmTables::TxtTables_Leave(int index) {
    QLineEdit* box = TxtTables[index];
    const QString text = box->text();
    if (!IsRateBox(index)) {
        if (const auto amount = ParseMoney(text))
            box->setText(CurrencyText(*amount));
        else if (index == TaxBox::StateMaximum && text.trimmed().compare(TableWord, Qt::CaseInsensitive) == 0)
            box->setText(TableWord); // the state's bracket table stays in use
        else
            box->setText(None);
        return;
    }
    // The pay run reads a rate box as a number and a percent sign: nothing else may stay.
    if (const auto n = ParseNumber(text))
        box->setText(PercentOfNumber(*n));
    else if (const auto typed = PercentTyped(text))
        box->setText(PercentOfNumber(*typed));
    else if (text.trimmed().isEmpty())
        box->setText(PercentText2(0.0));
    else
        box->setText(enteredText_[index]);
}

void frmTables::ckState_Click() {
    if (ckState->isChecked()) TxtTables[TaxBox::StateMaximum]->setText(None);
}

// ---- Keys and focus ----------------------------------------------------------------------------------

// Money boxes: the key is checked against the box after this runs.
void frmTables::onKeyDown(QLineEdit* box, const QKeyEvent& key) {
    if (!EditingKey(key)) return;
    // An allowance of zero, and a maximum that shows a word ("None"), make way for the
    // entry; so does a text the user selected whole.
    const bool emptied =
        IndexOf(txtAllowance, box) >= 0 ? box->text() == CurrencyText(Money()) : !IsNumeric(box->text());
    if (emptied || AllSelected(*box)) box->clear();
}

void frmTables::allowanceLeave(int index) {
    QLineEdit* box = txtAllowance[index];
    if (const auto amount = ParseMoney(box->text()))
        box->setText(CurrencyText(*amount));
    else if (box->text().trimmed().isEmpty())
        box->setText(CurrencyText(Money()));
    else
        box->setText(allowanceEntered_[index]);
}

bool frmTables::eventFilter(QObject* watched, QEvent* event) {
    const int box = IndexOf(TxtTables, watched);
    const int allowance = IndexOf(txtAllowance, watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (IsMomentary(*static_cast<QFocusEvent*>(event))) break;
        if (box >= 0) TxtTables_Enter(box);
        if (allowance >= 0) allowanceEntered_[allowance] = txtAllowance[allowance]->text();
        break;
    case QEvent::FocusOut:
        if (IsMomentary(*static_cast<QFocusEvent*>(event))) break;
        if (box >= 0) TxtTables_Leave(box);
        if (allowance >= 0) allowanceLeave(allowance);
        break;
    case QEvent::KeyPress:
        if (!EditingKey(*static_cast<QKeyEvent*>(event))) break;
        // The first key in a rate box that shows a percent, and in the tax-table entry
        // while it shows the cell's text, starts a new entry.
        if (box >= 0 && IsRateBox(box) && TxtTables[box]->text().contains(u'%')) TxtTables[box]->clear();
        if (watched == txtChangeRate && !editText_.isEmpty() && txtChangeRate->text() == editText_)
            txtChangeRate->clear();
        break;
    default:
        break;
    }
    return Screen::eventFilter(watched, event);
}

// ---- Frames and menus --------------------------------------------------------------------------------

void frmTables::mnuAllowance_Click() {
    fraAllowance->setVisible(fraAllowance->isHidden());
    if (!fraAllowance->isHidden()) txtAllowance[AllowanceBox::Weekly]->setFocus();
}

void frmTables::mnuPercentage_Click() {
    showPercentageFrame(fraPercentage->isHidden());
}

void frmTables::mnuHelp_Click() {
    fraHelp->setVisible(fraHelp->isHidden());
}

void frmTables::mnuTables_Click() {
    const QString message =
        QStringLiteral("New Tax Tables can be Loaded directly from the QUILLMOORE Web Site\r\n"
                       "The Tables File is PayrollTables.exe\r\n"
                       "The File is self-extracting\r\n"
                       "It Unzips to the Program Folder ") +
        QDir::toNativeSeparators(ProgramFolder());
    if (MsgBox(message, MsgButtons::OKCancel, QStringLiteral("Load New Tables")) != MsgAnswer::OK) return;
    ConnecttoInternet(Pages::MakerTables);
    // The new tables replace the files: the program ends so that they are read afresh.
    RunExitProgram();
}

void frmTables::mnuEIN_Click() {
    if (variant_ == TablesVariant::Creator) {
        MsgBox(QStringLiteral("To obtain an Employer Identification Number (EIN) by telephone\r\n"
                              "call the IRS Business & Specialty Tax Line at 800-829-4933"),
               MsgButtons::OK, QStringLiteral("EIN Telephone"));
        return;
    }
    if (MsgBox(QStringLiteral("Click YES to connect to the IRS to obtain an EIN"), MsgButtons::YesNo,
               QStringLiteral("Obtain an EIN")) == MsgAnswer::Yes)
        ConnecttoInternet(Pages::IrsEin);
}

void frmTables::mnuStateUTGuide_Click() {
    ConnecttoInternet(Pages::StateUnemploymentAgencies);
}
