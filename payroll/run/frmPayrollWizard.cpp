// The wizard's steps and the editing events of the pay-run screen.
#include "frmPayroll.h"

#include "Dialogs.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "MainMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QString ZeroText() {
    return CurrencyText(Money());
}

bool IsPayWord(const QString& hours) {
    return hours == SalaryWord || hours == DayWord || hours == FlatWord;
}

void Toggle(QWidget* widget) {
    widget->setHidden(!widget->isHidden());
}

} // namespace

// The figures on the grids no longer answer the entries. Finalizing waits for a new
// calculation, so the user must be able to make one whenever there is a row to pay.
void frmPayroll::RunChanged() {
    CalculationCurrent = false;
    if (AnyMarked()) cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(true);
}

void frmPayroll::cmdPayroll_Click(int index) {
    switch (index) {
    case PayrollButton::Menu:
        ClearEmployeeGrid(true);
        Hide();
        ShowMainMenu();
        break;
    case PayrollButton::ToggleAux:
        Toggle(fraAux);
        Toggle(fgEmployees);
        break;
    case PayrollButton::Finalize:
        if (!CalculationCurrent) {
            MsgBox(QStringLiteral("Calculate the Taxes before you Finalize the Payroll\r\n"
                                  "(the entries have changed since the last calculation)"),
                   MsgButtons::OK, QStringLiteral("Finalize Payroll"));
            break;
        }
        SetDepositPanels(false);
        mnuMemo->setEnabled(true);
        mnuBonus->setEnabled(false);
        ShowPaymentSummary();
        cmdPrintDeposit[DepositButton::Recreate]->setEnabled(true);
        cmdPrintDeposit[DepositButton::CancelPayroll]->setEnabled(true);
        break;
    case PayrollButton::PaySalaried:
        MarkRows({SalaryWord}, true);
        break;
    case PayrollButton::Bonus:
        fraBonus->show();
        ckBonus[BonusBox::AllHourly]->setEnabled(fgHourly->rows() > 1);
        ckBonus[BonusBox::SelectedHourly]->setEnabled(fgHourly->rows() > 1);
        ckBonus[BonusBox::AllSalaried]->setEnabled(fgSalaried->rows() > 1);
        ckBonus[BonusBox::SelectedSalaried]->setEnabled(fgSalaried->rows() > 1);
        mnuMemo->setEnabled(false);
        break;
    case PayrollButton::PayHourly:
        MarkRows({SalaryWord, DayWord, FlatWord}, false);
        break;
    case PayrollButton::PostBonus:
        PostBonus();
        break;
    case PayrollButton::PostHours:
        PostHours();
        break;
    case PayrollButton::ClearLastEntry:
        ClearLastEntry();
        break;
    case PayrollButton::ClearAll:
        ClearEmployeeGrid(true);
        cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(false);
        break;
    case PayrollButton::ExitBonus:
        AddBonusToBasePay(false);
        break;
    case PayrollButton::AddToBasePay:
        AddBonusToBasePay(true);
        break;
    case PayrollButton::CancelHours:
        fraHours->hide();
        break;
    case PayrollButton::CalculateTaxes:
        CalculateTaxes();
        break;
    case PayrollButton::AllForty:
        SetAllHoursToForty();
        break;
    case PayrollButton::PostAmount:
        PostAmount();
        break;
    case PayrollButton::CloseStateTaxes:
        fraStateTaxes->hide();
        break;
    case PayrollButton::PayAll:
        PayAll();
        break;
    case PayrollButton::SaveBonus:
        ClearBonus(true);
        fraBonus->hide();
        break;
    case PayrollButton::CancelAmount:
        CancelAmount();
        break;
    default:
        break;
    }
}

// ---- Marking rows ------------------------------------------------------------------------------------

void frmPayroll::MarkRows(const QStringList& kinds, bool matching) {
    for (PayRow& row : Rows)
        if (&row != &Rows.front() && kinds.contains(row.Hours) == matching) row.Marked = true;
    ShowRows();
    cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(true);
    RunChanged();
}

void frmPayroll::PayAll() {
    cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(true);
    for (int n = 1; n <= RowCount(); ++n) {
        PayRow& row = Row(n);
        if (row.Hours != DayWord) {
            row.Marked = true;
        } else if (!row.Tax(PayCol::Federal)) {
            row.Marked = false;
            ShowRow(n);
            MsgBox(QStringLiteral("Day Employees must be selected individually"));
        }
    }
    ShowRows();
    RunChanged();
}

void frmPayroll::CheckPayrollReady() {
    if (!AnyMarked()) cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(false);
}

void frmPayroll::ClearEmployeeGrid(bool alsoMarks) {
    for (PayRow& row : Rows) {
        row.ClearFigures();
        if (alsoMarks) row.Marked = false;
    }
    ClearManualTaxes();
    ShowRows();
    RunChanged();
}

void frmPayroll::ClearLastEntry() {
    fraHours->hide();
    const int row = LastEntryRow;
    if (row < 1 || row > RowCount()) return;
    Row(row).ClearFigures();
    Row(row).Marked = false;
    ClearManualTaxes(row);
    ShowRow(row);
    CheckPayrollReady();
    RunChanged();
}

// ---- Hours ---------------------------------------------------------------------------------------------

void frmPayroll::ClearHoursEntry(bool show) {
    txtHours->clear();
    fraHours->setVisible(show);
    if (show) txtHours->setFocus();
}

void frmPayroll::PostHours() {
    const QString hours = txtHours->text().trimmed();
    if (!IsHoursEntry(hours)) {
        AlarmBeep();
        txtHours->setFocus();
        return;
    }
    // Into the row the panel was opened for, whatever cell the user has clicked since.
    const int row = hoursRow_;
    if (row >= 1 && row <= RowCount()) {
        Row(row).Hours = hours;
        ShowRow(row);
        fgEmployees->setCellFontBold(row, PayCol::Hours, true);
        fgEmployees->setCellFontSize(row, PayCol::Hours, 12);
        LastEntryRow = row;
    }
    ClearHoursEntry(false);
    fraHours->hide();
    RunChanged();
}

void frmPayroll::SetAllHoursToForty() {
    for (int row = 1; row < fgEmployees->rows(); ++row) {
        fgEmployees->setCellFontSize(row, PayCol::Hours, 9);
        fgEmployees->setCellFontBold(row, PayCol::Hours, false);
    }
    for (PayRow& row : Rows)
        if (&row != &Rows.front() && !IsPayWord(row.Hours)) row.Hours = QStringLiteral("40");
    fraHours->hide();
    ClearEmployeeGrid(false);
}

// ---- Typed amounts -------------------------------------------------------------------------------------

void frmPayroll::OpenAmountPanel(FlexGrid* grid, const QString& caption) {
    fraState->setTitle(caption);
    fraState->show();
    amountGrid_ = grid;
    txtState->setText(ZeroText());
    txtState->setFocus();
}

void frmPayroll::PostAmount() {
    FlexGrid* grid = amountGrid_ ? amountGrid_ : fgEmployees;
    const int row = grid->row();
    const int col = grid->col();
    const auto amount = ParseMoney(txtState->text());
    const bool taxCell = grid == fgEmployees && col >= PayCol::FirstTax && col <= PayCol::LastTax;
    const bool deductionCell = grid == fgAux && (col == AuxCol::ChildSupport || col == AuxCol::SupportFee ||
                                                 col == AuxCol::Insurance);
    const bool marked = row >= 1 && row <= RowCount() && Row(row).Marked;
    if (!amount || amount->raw() < 0 || !marked || !(taxCell || deductionCell)) {
        txtState->clear();
        AlarmBeep();
        return;
    }
    PayRow& payRow = Row(row);
    const Money typed = amount->roundedToCents();
    if (taxCell) {
        payRow.Tax(col) = payRow.ManualTax(col) = typed;
        LastEntryRow = row;
    } else if (col == AuxCol::ChildSupport) {
        payRow.ChildSupport = typed;
    } else if (col == AuxCol::SupportFee) {
        payRow.SupportFee = typed;
    } else {
        payRow.Insurance = typed;
    }
    ShowRow(row);
    grid->setEnabled(true);
    txtState->clear();
    fraState->hide();
    amountGrid_ = nullptr;
    RunChanged();
    cmdPayroll_Click(PayrollButton::CalculateTaxes);
}

void frmPayroll::CancelAmount() {
    txtState->clear();
    fraState->hide();
    fgEmployees->setEnabled(true);
    fgAux->setEnabled(true);
    amountGrid_ = nullptr;
}

// ---- Bonuses -------------------------------------------------------------------------------------------

void frmPayroll::ClearBonus(bool hide) {
    for (QCheckBox* box : ckBonus)
        box->setChecked(false);
    if (hide) fraBonus->hide();
}

void frmPayroll::MarkBonusRows(BonusList list, bool marked) {
    for (PayRow& row : Rows)
        if (row.BonusIn == list) row.BonusMarked = marked;
    ShowBonusGrids();
}

void frmPayroll::ckBonus_Click(int index) {
    cmdPayroll[PayrollButton::PostBonus]->setEnabled(false);
    if (ckBonus[static_cast<std::size_t>(index)]->isChecked()) {
        switch (index) {
        case BonusBox::AllHourly:
            ckBonus[BonusBox::SelectedHourly]->setChecked(false);
            MarkBonusRows(BonusList::Hourly, true);
            break;
        case BonusBox::AllSalaried:
            ckBonus[BonusBox::SelectedSalaried]->setChecked(false);
            MarkBonusRows(BonusList::Salaried, true);
            break;
        case BonusBox::SelectedHourly:
            ckBonus[BonusBox::AllHourly]->setChecked(false);
            MarkBonusRows(BonusList::Hourly, false);
            break;
        case BonusBox::SelectedSalaried:
            ckBonus[BonusBox::AllSalaried]->setChecked(false);
            MarkBonusRows(BonusList::Salaried, false);
            break;
        default:
            break;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!ckBonus[static_cast<std::size_t>(i)]->isChecked()) continue;
        txtAmount->setText(ZeroText());
        if (i <= BonusBox::AllSalaried) txtAmount->setFocus();
        break;
    }
}

void frmPayroll::ToggleBonusRow(FlexGrid& grid) {
    const int n = grid.rows() > 1 ? RowOfBonusLine(grid, grid.row()) : 0;
    if (n < 1 || n > RowCount()) return;
    PayRow& row = Row(n);
    row.BonusMarked = !row.BonusMarked;
    if (row.BonusMarked) {
        txtAmount->setFocus();
        txtAmount->setText(ZeroText());
    } else {
        row.Bonus = Money();
    }
    ShowBonusGrids();
    if (!row.BonusMarked) RunChanged();
}

void frmPayroll::fgHourly_Click() {
    ToggleBonusRow(*fgHourly);
}
void frmPayroll::fgSalaried_Click() {
    ToggleBonusRow(*fgSalaried);
}

void frmPayroll::PostBonus() {
    const Money bonus = MoneyOf(txtAmount->text()).roundedToCents();
    for (PayRow& row : Rows) {
        if (row.BonusIn == BonusList::None || !row.BonusMarked) continue;
        row.Bonus = bonus;
        row.BonusMarked = false;
    }
    ShowBonusGrids();
    txtAmount->setText(ZeroText());
    cmdPayroll[PayrollButton::PostBonus]->setEnabled(false);
    RunChanged();
    cmdPayroll_Click(PayrollButton::AddToBasePay);
}

// Shows base pay plus bonus (keepBonus) or puts every bonus back to zero. The sum always
// starts from the stored base pay, so adding twice shows the bonus once.
void frmPayroll::AddBonusToBasePay(bool keepBonus) {
    for (PayRow& row : Rows) {
        if (row.BonusIn == BonusList::None) continue;
        if (!keepBonus) row.Bonus = Money();
        row.BasePayShown = row.BasePay + row.Bonus;
    }
    ShowBonusGrids();
    if (!keepBonus) RunChanged();
    ClearBonus(!keepBonus);
}

// ---- Clicks in the grids ---------------------------------------------------------------------------------

void frmPayroll::fgEmployees_Click() {
    const int row = fgEmployees->row();
    const int col = fgEmployees->col();
    const bool listed = row >= 1 && row <= RowCount();
    if (col == PayCol::Mark && listed) {
        PayRow& payRow = Row(row);
        LastEntryRow = row;
        payRow.Marked = !payRow.Marked;
        if (!payRow.Marked) {
            // The taxes go; gross and net pay stay shown until the next calculation.
            payRow.Taxes = {};
            ClearManualTaxes(row);
            ShowRow(row);
            CheckPayrollReady();
        } else {
            ShowRow(row);
            cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(true);
        }
        RunChanged();
    } else if (col == PayCol::Hours) {
        fraState->hide();
        // Daily, flat-rate and salaried pay is not figured from hours.
        if (!listed || !Row(row).Marked || IsPayWord(Row(row).Hours)) {
            AlarmBeep();
            if (PromptsOn) MsgBox(QStringLiteral("Only hourly employees (Hours) can be changed"));
            fraHours->hide();
            return;
        }
        hoursRow_ = row;
        ClearHoursEntry(true);
    } else if (col >= PayCol::FirstTax && col <= PayCol::LastTax) {
        OpenAmountPanel(fgEmployees, QStringLiteral("Enter New ") + fgEmployees->textMatrix(0, col));
        fgEmployees->setEnabled(false);
    }
}

void frmPayroll::fgAux_Click() {
    const int col = fgAux->col();
    if (col == AuxCol::ChildSupport || col == AuxCol::SupportFee || col == AuxCol::Insurance) {
        OpenAmountPanel(fgAux, QStringLiteral("Enter New ") + fgAux->textMatrix(0, col));
        fgAux->setEnabled(false);
    } else if (col == AuxCol::Deduction401k || col == AuxCol::Match401k) {
        MsgBox(QStringLiteral("The 401k values can not be modified\r\nThey are calculated automatically"));
    }
}

// ---- Menus, pictures, dates ----------------------------------------------------------------------------

void frmPayroll::mnuMemo_Click() {
    Toggle(fraMemo);
}
void frmPayroll::mnuToggle_Click() {
    Toggle(fraHide);
}
void frmPayroll::mnuStateTable_Click() {
    Toggle(fraStateTaxes);
}

void frmPayroll::mnuState_Click() {
    fraHours->hide();
    fraState->setTitle(QStringLiteral("Manually Enter State Tax"));
    fraState->show();
    amountGrid_ = fgEmployees;
    fgEmployees->setCol(PayCol::State);
    txtState->setFocus();
}

void frmPayroll::mnuLocal_Click() {
    fraHours->hide();
    fraState->setTitle(QStringLiteral("Manually Enter Local Tax"));
    fraState->show();
    amountGrid_ = fgEmployees;
    fgEmployees->setCol(PayCol::Local);
    txtState->setFocus();
}

void frmPayroll::mnuCloseWindows_Click() {
    // Closing the amount panel gives back the grid it disabled, as cancelling does.
    fraState->hide();
    fgEmployees->setEnabled(true);
    fgAux->setEnabled(true);
    amountGrid_ = nullptr;
}

void frmPayroll::imgShadeUp_Click() {
    fraHide->hide();
}
void frmPayroll::imgShadeDown_Click(int) {
    fraHide->show();
}

void frmPayroll::Timer1_Timer() {
    Toggle(lblHelp[HelpLabel::PeriodDate]);
    Toggle(imgArrow);
}

// Figures taxed against another year's totals are calculated again before the run goes on.
void frmPayroll::DTPicker2_Change() {
    if (CalculationCurrent && DTPicker2->date().year() != CalculatedYear) RunChanged();
}

void frmPayroll::DTPicker1_Change() {
    if (settingDates_ || !Timer1->isActive()) return;
    Timer1->stop();
    lblHelp[HelpLabel::PeriodDate]->setText(QStringLiteral("Pay Ending Date is "));
    lblHelp[HelpLabel::PeriodDate]->show();
    imgArrow->hide();
}
