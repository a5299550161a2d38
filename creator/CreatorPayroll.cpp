#include "CreatorPayroll.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "MainMenu.h"
#include "PayFiles.h"
#include "Posting.h"
#include "SessionWages.h"
#include "TaxTables.h"
#include "frmPayroll.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

void LoadCreatorPayroll() {
    Form<creator::frmPayroll>();
}

void ShowCreatorPayroll() {
    ShowScreen<creator::frmPayroll>();
}

namespace creator {

namespace {

// The pay run's column of what a column of this screen's grids shows.
int RunColumn(int col) {
    if (col == Col::Net) return PayCol::Net;
    if (col == Col::Gross) return PayCol::Gross;
    return col;
}
int RunAuxColumn(int col) {
    return col == AuxColumn::Insurance ? ::AuxCol::Insurance : col;
}

bool IsSalaryOrDay(const QString& hours) {
    return hours == SalaryWord || hours == DayWord;
}

bool IsPaidByTheHour(const PayRow& row) {
    return !IsSalaryOrDay(row.Hours) && row.Hours != FlatWord && !row.FlatPay;
}

} // namespace

// ---- Load and activation ---------------------------------------------------------------------

void frmPayroll::Form_Load() {
    lblKey->setText(PayMark + QStringLiteral("   = Pay Employee"));
    Allowance = TheTaxTables().AllowanceAmounts();
    try {
        LoadNonResidentList(*cboNonResident);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void frmPayroll::Form_Activate() {
    HookGridWheel(this, fgEmployees);
    settingDate_ = true;
    // Payrolls paid before today only.
    DTPicker1->setMaximumDate(Today().addDays(-1));
    settingDate_ = false;
    fraStartup->show();
    fraHourly->hide();
    fraDepositSummary->hide();
    fraHours->hide();
    fraManual->hide();
    fraAux->hide();
    fgEmployees->show();
    lblDate->setText(QStringLiteral("Select the Pay Period Ending Date"));
    lblDate->show();
    imgArrow->show();
    Timer1->start();
    PayRecordsWritten = SummaryWritten = summaryShown_ = false;
    payRecords_.clear();
    payRecordWritten_.clear();
    if (!FileExists(EmployeeFile)) {
        MsgBox(QStringLiteral("There are no Employees to Pay"));
        return cmdPayroll_Click(PayrollButton::Menu);
    }
    LoadEmployees();
    settingDate_ = true;
    DTPicker1->setDate(Today().addDays(-1));
    settingDate_ = false;
}

void frmPayroll::LoadEmployees() {
    ResetRows(0); // an unreadable file lists no one rather than the last run's rows
    try {
        const int count = EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
        ResetRows(count);
        LoadRunRows(*this, count);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    Totals = RunTotals{};
    for (FlexGrid* grid : {fgEmployees, fgAux}) {
        ClearGrid(*grid);
        grid->setRows(RowCount() + 1);
    }
    if (RowCount() >= 1) Row(1).Marked = true;
    ShowRows();
    for (int n = 1; n <= RowCount(); ++n)
        SetHoursFont(n, false); // hours posted in an earlier run are gone with it
    if (RowCount() >= 1) fgEmployees->setRow(1);
    LastEntryRow = 1;
    SetCalculateEnabled(true);
}

// ---- The grids show the run ---------------------------------------------------------------------

void frmPayroll::ShowRow(int n) {
    const PayRow& row = Row(n);
    for (int c = 0; c < Col::Count; ++c)
        fgEmployees->setTextMatrix(n, c, row.EmployeeText(RunColumn(c)));
    for (int c = 0; c < AuxColumn::Count; ++c)
        fgAux->setTextMatrix(n, c, row.AuxText(RunAuxColumn(c)));
}

void frmPayroll::ShowRows() {
    for (int n = 1; n <= RowCount() && n < fgEmployees->rows(); ++n)
        ShowRow(n);
}

void frmPayroll::SetHoursFont(int row, bool entered) {
    fgEmployees->setCellFontBold(row, Col::Hours, entered);
    fgEmployees->setCellFontSize(row, Col::Hours, entered ? 12 : 9);
}

void frmPayroll::SetCalculateEnabled(bool enabled) {
    cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(enabled);
}

void frmPayroll::BlankFigures(int row) {
    PayRow& r = Row(row);
    r.ClearFigures();
    r.Gross = r.NetPay = Money();
    ClearManualTaxes(row);
}

// ---- The buttons --------------------------------------------------------------------------------

void frmPayroll::cmdPayroll_Click(int index) {
    switch (index) {
    case PayrollButton::Menu:
        Hide();
        ShowMainMenu();
        break;
    case PayrollButton::ToggleAux:
        ToggleAuxGrid();
        break;
    case PayrollButton::Continue:
        ContinueToSummary();
        break;
    case PayrollButton::PaySalaried:
        MarkRows([](const QString& hours) { return hours == SalaryWord; });
        break;
    case PayrollButton::PayHourly:
        MarkRows([](const QString& hours) { return !IsSalaryOrDay(hours); });
        break;
    case PayrollButton::PayAll:
        MarkRows([](const QString&) { return true; });
        break;
    case PayrollButton::ExitHours:
        fraHours->hide();
        break;
    case PayrollButton::ExitAmount:
        fraManual->hide();
        amountGrid_ = nullptr;
        break;
    case PayrollButton::PostHours:
        PostHours();
        break;
    case PayrollButton::ClearLastEntry:
        if (LastEntryRow >= 1 && LastEntryRow <= RowCount()) {
            BlankFigures(LastEntryRow);
            Row(LastEntryRow).Marked = false;
            ShowRow(LastEntryRow);
        }
        break;
    case PayrollButton::ClearAll:
        ClearAllEntries();
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
    default:
        break;
    }
}

void frmPayroll::cmdPrintDeposit_Click(int index) {
    switch (index) {
    case DepositButton::Save:
        SaveRun();
        break;
    case DepositButton::Start:
        lblDate->setText(QStringLiteral("Select the CHECK Date"));
        fraStartup->hide();
        fraHourly->show();
        Timer1->start();
        break;
    case DepositButton::CancelStart:
    case DepositButton::CancelToMenu:
        cmdPayroll_Click(PayrollButton::Menu);
        break;
    case DepositButton::Redo:
        summaryShown_ = false;
        fraDepositSummary->hide();
        fraHourly->show();
        break;
    default:
        break;
    }
}

void frmPayroll::MarkRows(bool (*pays)(const QString& hours)) {
    for (int n = 1; n <= RowCount(); ++n)
        if (pays(Row(n).Hours)) Row(n).Marked = true;
    ShowRows();
    SetCalculateEnabled(true);
}

void frmPayroll::PostHours() {
    const QString hours = txtHours->text().trimmed();
    if (!IsHoursEntry(hours)) {
        AlarmBeep();
        txtHours->setFocus();
        return;
    }
    // Into the row the frame was opened for, whatever cell was clicked since.
    if (hoursRow_ >= 1 && hoursRow_ <= RowCount()) {
        Row(hoursRow_).Hours = hours;
        ShowRow(hoursRow_);
        SetHoursFont(hoursRow_, true);
    }
    txtHours->clear();
    fraHours->hide();
}

void frmPayroll::SetAllHoursToForty() {
    bool any = false;
    for (int n = 1; n <= RowCount(); ++n) {
        if (!IsPaidByTheHour(Row(n))) continue;
        Row(n).Hours = QStringLiteral("40");
        SetHoursFont(n, true);
        any = true;
    }
    if (any) SetCalculateEnabled(true);
    fraHours->hide();
    for (int n = 1; n <= RowCount(); ++n) {
        BlankFigures(n);
        Row(n).Marked = false;
    }
    ShowRows();
}

void frmPayroll::ClearAllEntries() {
    for (int n = 1; n <= RowCount(); ++n) {
        BlankFigures(n);
        Row(n).Marked = false;
    }
    ShowRows();
    for (int n = 1; n < fgEmployees->rows(); ++n)
        SetHoursFont(n, false);
    SetCalculateEnabled(false);
}

void frmPayroll::ToggleAuxGrid() {
    UnhookGridWheel();
    const bool auxShown = !fraAux->isVisible();
    fraAux->setVisible(auxShown);
    fgEmployees->setVisible(!auxShown);
    HookGridWheel(this, auxShown ? fgAux : fgEmployees);
}

// ---- Clicks in the grids --------------------------------------------------------------------------

void frmPayroll::fgEmployees_Click() {
    const int row = fgEmployees->row();
    const int col = fgEmployees->col();
    if (row < 1 || row > RowCount()) return;
    PayRow& payRow = Row(row);
    if (col == Col::Mark) {
        LastEntryRow = row;
        payRow.Marked = !payRow.Marked;
        if (!payRow.Marked) BlankFigures(row);
        ShowRow(row);
        if (payRow.Marked || !AnyMarked()) SetCalculateEnabled(payRow.Marked);
    } else if (col == Col::Hours) {
        fraManual->hide();
        payRow.Marked = true;
        if (IsSalaryOrDay(payRow.Hours)) {
            AlarmBeep();
            if (PromptsOn) MsgBox(QStringLiteral("Only hourly employees (Hours) can be changed"));
            fraHours->hide();
            payRow.Marked = false;
            BlankFigures(row);
        } else {
            hoursRow_ = row;
            txtHours->clear();
            fraHours->show();
            txtHours->setFocus();
        }
        ShowRow(row);
    } else if (col >= Col::FirstTax && col <= Col::Gross) {
        // Net pay follows the other amounts; it is not typed.
        if (payRow.Marked && col != Col::Net)
            OpenManualEntry(fgEmployees, row, col);
        else
            AlarmBeep();
    }
}

void frmPayroll::fgAux_Click() {
    const int row = fgAux->row();
    const int col = fgAux->col();
    if (row >= 1 && row <= RowCount() && col >= AuxColumn::ChildSupport && col <= AuxColumn::Insurance)
        OpenManualEntry(fgAux, row, col);
}

void frmPayroll::OpenManualEntry(FlexGrid* grid, int row, int col) {
    amountGrid_ = grid;
    amountRow_ = row;
    amountCol_ = col;
    lblManual->setText(QStringLiteral("Enter ") + grid->textMatrix(0, col).trimmed() + QStringLiteral(" for\r\n") +
                       Row(row).Name);
    txtAmount->clear();
    fraManual->show();
    txtAmount->setFocus();
}

// A typed amount stands in the cell and in the run's row, and through every later
// Calculate as the typed taxes do; net pay follows it. The totals stay those of the last
// calculation until Continue sums the rows again.
void frmPayroll::PostAmount() {
    const auto amount = ParseMoney(txtAmount->text());
    if (!amountGrid_ || !amount || amount->raw() < 0 || amountRow_ < 1 || amountRow_ > RowCount()) {
        AlarmBeep();
        txtAmount->setFocus();
        return;
    }
    const Money typed = amount->roundedToCents();
    PayRow& r = Row(amountRow_);
    if (amountGrid_ == fgEmployees) {
        if (amountCol_ == Col::Gross) {
            r.Gross = typed;
            r.GrossShown = r.ManualGross = typed;
        } else {
            r.Tax(amountCol_) = r.ManualTax(amountCol_) = typed;
        }
    } else if (amountCol_ == AuxColumn::ChildSupport) {
        r.ChildSupport = typed;
    } else if (amountCol_ == AuxColumn::SupportFee) {
        r.SupportFee = typed;
    } else if (amountCol_ == AuxColumn::Deduction401k) {
        r.Deduction401k = r.Manual401k = typed;
    } else {
        r.Insurance = typed;
    }
    if (r.GrossShown) r.ComputeNet();
    ShowRow(amountRow_);
    txtAmount->clear();
    fraManual->hide();
    amountGrid_ = nullptr;
}

// ---- Calculate, Continue, Save ---------------------------------------------------------------------

TaxSettings frmPayroll::CurrentTaxSettings() const {
    TaxSettings settings = StoreTaxSettings(Allowance, *cboNonResident);
    settings.Match401k = false; // the creator's records carry no employer match
    return settings;
}

void frmPayroll::CalculateTaxes() {
    Totals = RunTotals{};
    // The allowances as the tax-table screen shows them now, edited or not.
    Allowance = TheTaxTables().AllowanceAmounts();
    const TaxSettings settings = CurrentTaxSettings();
    PayRules rules = PayRules::ForRecordsCreator();
    // The wage bases follow the pay records, the stored totals being Kestrova's.
    const double checkDate = OleDateOf(DTPicker1->date());
    rules.YearToDateGross = [checkDate](const EmployeeRecord& e) {
        return YearToDateGross(TrimmedField(e.EmployeeNo), checkDate);
    };
    PayEngine engine(*this, settings, ::frmPayroll::ScreenQuestions(), rules);
    if (const QString problem = engine.SettingsProblem(); !problem.isEmpty()) {
        MsgBox(problem + QStringLiteral("\r\nCorrect it, then Calculate the Taxes again"), MsgButtons::OK,
               QStringLiteral("Tax Tables"));
        return;
    }
    try {
        engine.CalculatePayroll();
        engine.TotalDeductions();
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    ShowRows();
}

// The withholdings and deductions of the summary are those of the pay records as the grids
// show them, typed amounts included, so that the summary record and the pay records of the
// run agree; the unemployment taxes are the last calculation's.
void frmPayroll::ContinueToSummary() {
    RunTotals& t = Totals;
    const Money futa = t.Futa;
    const Money suta = t.Suta;
    t = RunTotals{};
    t.Futa = futa;
    t.Suta = suta;
    for (int n = 1; n <= RowCount(); ++n) {
        const PayRow& r = Row(n);
        if (!r.Marked) continue;
        t.Gross += r.Gross;
        t.Federal += r.TaxAmount(PayCol::Federal);
        t.ExtraFederal += r.TaxAmount(PayCol::ExtraFederal);
        t.FicaEmployee += r.TaxAmount(PayCol::Fica);
        t.MedicareEmployee += r.TaxAmount(PayCol::Medicare);
        t.State += r.TaxAmount(PayCol::State);
        t.Local += r.TaxAmount(PayCol::Local);
        t.ChildSupport += r.ChildSupport.value_or(Money());
        t.SupportFee += r.SupportFee.value_or(Money());
        t.Deduction401k += r.Deduction401k.value_or(Money());
        t.Insurance += r.Insurance.value_or(Money());
    }
    // Both shares: the employer matches the employee's Social Security and Medicare.
    t.FicaBoth = t.FicaEmployee + t.FicaEmployee;
    t.MedicareBoth = t.MedicareEmployee + t.MedicareEmployee;
    fraHourly->hide();
    fraDepositSummary->show();
    SetCalculateEnabled(true);
    const std::array<Money, 15> lines = t.PaymentSummary();
    for (std::size_t i = 0; i < lblPayment.size(); ++i)
        lblPayment[i]->setText(CurrencyText(lines[i]));
    for (int i : {DepositButton::Save, DepositButton::Redo, DepositButton::CancelToMenu})
        cmdPrintDeposit[static_cast<std::size_t>(i)]->setEnabled(true);
    summaryShown_ = true;
}

std::array<QString, 15> frmPayroll::PaymentSummaryTexts() const {
    std::array<QString, 15> texts;
    for (std::size_t i = 0; i < lblPayment.size(); ++i)
        texts[i] = lblPayment[i]->text();
    texts[PaymentLine::Match401k] = CurrencyText(Money());
    return texts;
}

void frmPayroll::SaveRun() {
    // Only a run on its payment summary is saved, and each of its records once.
    if (!summaryShown_) return;
    const double checkDate = OleDateOf(DTPicker1->date());
    try {
        if (!PayRecordsWritten) {
            if (payRecords_.empty()) payRecords_ = PayRecordsOfRun(*this, checkDate);
            // A run that pays no one is no payroll.
            if (std::ranges::none_of(payRecords_, [](const PayRecord& p) { return p.Gross > Money(); })) {
                payRecords_.clear();
                MsgBox(QStringLiteral("There are no entries to Save"), MsgButtons::OK, QStringLiteral("Save Payroll"));
                return;
            }
            SavePayRecords(payRecords_, payRecordWritten_);
            PayRecordsWritten = true;
            NoteSavedPayRecords(payRecords_);
        }
        if (!SummaryWritten) {
            SaveSummaryRecord(checkDate, PaymentSummaryTexts());
            SummaryWritten = true;
            MsgBox(QStringLiteral("The Payroll Summary Record has been written"), MsgButtons::OK,
                   QStringLiteral("Record Written"));
        }
    } catch (const FileError& error) {
        // What is written stays flagged: pressing Save again writes only the rest.
        ReportFileError(error);
        return;
    }
    for (int i : {DepositButton::Redo, DepositButton::CancelToMenu, DepositButton::Save})
        cmdPrintDeposit[static_cast<std::size_t>(i)]->setEnabled(false);
    MsgBox(QStringLiteral("Employee Records have been updated"), MsgButtons::OK, QStringLiteral("Update Complete"));
    Form_Activate();
}

// ---- The date ------------------------------------------------------------------------------------

void frmPayroll::Timer1_Timer() {
    lblDate->setVisible(lblDate->isHidden());
    imgArrow->setVisible(imgArrow->isHidden());
}

void frmPayroll::DTPicker1_Change() {
    if (settingDate_) return;
    Timer1->stop();
    lblDate->setText(QStringLiteral("Check Date is ") + DTPicker1->date().toString(QStringLiteral("M/d/yyyy")));
    lblDate->show();
    imgArrow->hide();
}

} // namespace creator
