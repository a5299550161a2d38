// The wizard's steps and the editing events of the pay-run screen.
#include "frmPayroll.h"

#include "Dialogs.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "MainMenu.h"

#include <QAction>
#include <QCheckBox>
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

bool AnyRowMarked(const FlexGrid& grid) {
    for (int row = 1; row < grid.rows(); ++row)
        if (grid.textMatrix(row, PayCol::Mark) == PayMark) return true;
    return false;
}

} // namespace

// The figures on the grids no longer answer the entries. Finalizing waits for a new
// calculation, so the user must be able to make one whenever there is a row to pay.
void frmPayroll::RunChanged() {
    CalculationCurrent = false;
    if (AnyRowMarked(*fgEmployees)) cmdPayroll[13]->setEnabled(true);
}

void frmPayroll::cmdPayroll_Click(int index) {
    switch (index) {
    case 0:
        ClearEmployeeGrid(true);
        Hide();
        ShowMainMenu();
        break;
    case 1:
        Toggle(fraAux);
        Toggle(fgEmployees);
        break;
    case 2:
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
        cmdPrintDeposit[3]->setEnabled(true);
        cmdPrintDeposit[4]->setEnabled(true);
        break;
    case 3:
        MarkRows({SalaryWord}, true);
        break;
    case 4:
        fraBonus->show();
        ckBonus[0]->setEnabled(fgHourly->rows() > 1);
        ckBonus[2]->setEnabled(fgHourly->rows() > 1);
        ckBonus[1]->setEnabled(fgSalaried->rows() > 1);
        ckBonus[3]->setEnabled(fgSalaried->rows() > 1);
        mnuMemo->setEnabled(false);
        break;
    case 5:
        MarkRows({SalaryWord, DayWord, FlatWord}, false);
        break;
    case 6:
        PostBonus();
        break;
    case 7:
        PostHours();
        break;
    case 8:
        ClearLastEntry();
        break;
    case 9:
        ClearEmployeeGrid(true);
        cmdPayroll[13]->setEnabled(false);
        break;
    case 10:
        AddBonusToBasePay(false);
        break;
    case 11:
        AddBonusToBasePay(true);
        break;
    case 12:
        fraHours->hide();
        break;
    case 13:
        CalculateTaxes();
        break;
    case 14:
        SetAllHoursToForty();
        break;
    case 15:
        PostAmount();
        break;
    case 16:
        fraStateTaxes->hide();
        break;
    case 17:
        PayAll();
        break;
    case 18:
        ClearBonus(true);
        fraBonus->hide();
        break;
    case 19:
        CancelAmount();
        break;
    default:
        break;
    }
}

// ---- Marking rows ------------------------------------------------------------------------------------

void frmPayroll::MarkRows(const QStringList& kinds, bool matching) {
    for (int row = 1; row < fgEmployees->rows(); ++row)
        if (kinds.contains(fgEmployees->textMatrix(row, PayCol::Hours)) == matching)
            fgEmployees->setTextMatrix(row, PayCol::Mark, PayMark);
    cmdPayroll[13]->setEnabled(true);
    RunChanged();
}

void frmPayroll::PayAll() {
    cmdPayroll[13]->setEnabled(true);
    for (int row = 1; row < fgEmployees->rows(); ++row) {
        if (fgEmployees->textMatrix(row, PayCol::Hours) != DayWord) {
            fgEmployees->setTextMatrix(row, PayCol::Mark, PayMark);
        } else if (fgEmployees->textMatrix(row, PayCol::Federal).isEmpty()) {
            fgEmployees->setTextMatrix(row, PayCol::Mark, QString());
            MsgBox(QStringLiteral("Day Employees must be selected individually"));
        }
    }
    RunChanged();
}

void frmPayroll::CheckPayrollReady() {
    if (!AnyRowMarked(*fgEmployees)) cmdPayroll[13]->setEnabled(false);
}

void frmPayroll::ClearEmployeeGrid(bool alsoMarks) {
    for (int row = 1; row < fgEmployees->rows(); ++row) {
        for (int col = PayCol::FirstTax; col <= PayCol::Net; ++col)
            fgEmployees->setTextMatrix(row, col, QString());
        if (alsoMarks) fgEmployees->setTextMatrix(row, PayCol::Mark, QString());
    }
    ClearManualTaxes();
    RunChanged();
}

void frmPayroll::ClearLastEntry() {
    fraHours->hide();
    const int row = LastEntryRow;
    if (row < 1 || row >= fgEmployees->rows()) return;
    for (int col = PayCol::FirstTax; col <= PayCol::Net; ++col)
        fgEmployees->setTextMatrix(row, col, QString());
    fgEmployees->setTextMatrix(row, PayCol::Mark, QString());
    ClearManualTaxes(row);
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
    if (!IsNumeric(hours)) {
        AlarmBeep();
        txtHours->setFocus();
        return;
    }
    // Into the row the panel was opened for, whatever cell the user has clicked since.
    const int row = hoursRow_;
    if (row >= 1 && row < fgEmployees->rows()) {
        fgEmployees->setTextMatrix(row, PayCol::Hours, hours);
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
        if (!IsPayWord(fgEmployees->textMatrix(row, PayCol::Hours)))
            fgEmployees->setTextMatrix(row, PayCol::Hours, QStringLiteral("40"));
    }
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
    const bool marked = !fgEmployees->textMatrix(row, PayCol::Mark).isEmpty();
    if (!amount || amount->raw() < 0 || !marked || !(taxCell || deductionCell)) {
        txtState->clear();
        AlarmBeep();
        return;
    }
    grid->setTextMatrix(row, col, CurrencyText(*amount));
    grid->setEnabled(true);
    if (taxCell) {
        ManualTax(row, col) = amount->roundedToCents();
        LastEntryRow = row;
    }
    txtState->clear();
    fraState->hide();
    amountGrid_ = nullptr;
    RunChanged();
    cmdPayroll_Click(13);
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

void frmPayroll::MarkBonusRows(FlexGrid& grid, bool marked) {
    for (int row = 1; row < grid.rows(); ++row)
        if (!grid.textMatrix(row, BonusCol::Row).isEmpty())
            grid.setTextMatrix(row, BonusCol::Mark, marked ? PayMark : QString());
}

void frmPayroll::ckBonus_Click(int index) {
    cmdPayroll[6]->setEnabled(false);
    if (ckBonus[static_cast<std::size_t>(index)]->isChecked()) {
        switch (index) {
        case 0:
            ckBonus[2]->setChecked(false);
            MarkBonusRows(*fgHourly, true);
            break;
        case 1:
            ckBonus[3]->setChecked(false);
            MarkBonusRows(*fgSalaried, true);
            break;
        case 2:
            ckBonus[0]->setChecked(false);
            MarkBonusRows(*fgHourly, false);
            break;
        case 3:
            ckBonus[1]->setChecked(false);
            MarkBonusRows(*fgSalaried, false);
            break;
        default:
            break;
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (!ckBonus[static_cast<std::size_t>(i)]->isChecked()) continue;
        txtAmount->setText(ZeroText());
        if (i <= 1) txtAmount->setFocus();
        break;
    }
}

void frmPayroll::ToggleBonusRow(FlexGrid& grid) {
    const int row = grid.row();
    if (grid.rows() <= 1 || grid.textMatrix(row, BonusCol::Row).isEmpty()) return;
    if (grid.textMatrix(row, BonusCol::Mark).isEmpty()) {
        grid.setTextMatrix(row, BonusCol::Mark, PayMark);
        txtAmount->setFocus();
        txtAmount->setText(ZeroText());
    } else {
        grid.setTextMatrix(row, BonusCol::Mark, QString());
        grid.setTextMatrix(row, BonusCol::Bonus, ZeroText());
        RunChanged();
    }
}

void frmPayroll::fgHourly_Click() {
    ToggleBonusRow(*fgHourly);
}
void frmPayroll::fgSalaried_Click() {
    ToggleBonusRow(*fgSalaried);
}

void frmPayroll::PostBonus() {
    const QString bonus = CurrencyText(MoneyOf(txtAmount->text()));
    for (FlexGrid* grid : {fgHourly, fgSalaried}) {
        for (int row = 1; row < grid->rows(); ++row) {
            if (grid->textMatrix(row, BonusCol::Mark).isEmpty()) continue;
            grid->setTextMatrix(row, BonusCol::Bonus, bonus);
            grid->setTextMatrix(row, BonusCol::Mark, QString());
        }
    }
    txtAmount->setText(ZeroText());
    cmdPayroll[6]->setEnabled(false);
    RunChanged();
    cmdPayroll_Click(11);
}

// Shows base pay plus bonus (keepBonus) or puts every bonus back to zero. The sum always
// starts from the stored base pay, so adding twice shows the bonus once.
void frmPayroll::AddBonusToBasePay(bool keepBonus) {
    const auto update = [&](FlexGrid& grid, const std::vector<Money>& basePay) {
        for (int row = 1; row < grid.rows(); ++row) {
            if (grid.textMatrix(row, BonusCol::Row).isEmpty()) continue;
            if (!keepBonus) grid.setTextMatrix(row, BonusCol::Bonus, ZeroText());
            const Money base = static_cast<std::size_t>(row) < basePay.size()
                                   ? basePay[static_cast<std::size_t>(row)]
                                   : Money();
            grid.setTextMatrix(row, BonusCol::BasePay,
                               CurrencyText(base + MoneyOf(grid.textMatrix(row, BonusCol::Bonus))));
        }
    };
    update(*fgHourly, HourlyBasePay);
    update(*fgSalaried, SalariedBasePay);
    if (!keepBonus) RunChanged();
    ClearBonus(!keepBonus);
}

// ---- Clicks in the grids ---------------------------------------------------------------------------------

void frmPayroll::fgEmployees_Click() {
    const int row = fgEmployees->row();
    const int col = fgEmployees->col();
    if (col == PayCol::Mark) {
        LastEntryRow = row;
        if (!fgEmployees->textMatrix(row, PayCol::Mark).isEmpty()) {
            fgEmployees->setTextMatrix(row, PayCol::Mark, QString());
            for (int c = PayCol::FirstTax; c <= PayCol::LastTax; ++c)
                fgEmployees->setTextMatrix(row, c, QString());
            ClearManualTaxes(row);
            CheckPayrollReady();
        } else {
            fgEmployees->setTextMatrix(row, PayCol::Mark, PayMark);
            cmdPayroll[13]->setEnabled(true);
        }
        RunChanged();
    } else if (col == PayCol::Hours) {
        fraState->hide();
        // Daily, flat-rate and salaried pay is not figured from hours.
        if (fgEmployees->textMatrix(row, PayCol::Mark).isEmpty() ||
            IsPayWord(fgEmployees->textMatrix(row, PayCol::Hours))) {
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
    Toggle(lblHelp[0]);
    Toggle(imgArrow);
}

void frmPayroll::DTPicker1_Change() {
    if (settingDates_ || !Timer1->isActive()) return;
    Timer1->stop();
    lblHelp[0]->setText(QStringLiteral("Pay Ending Date is "));
    lblHelp[0]->show();
    imgArrow->hide();
}
