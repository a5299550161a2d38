#pragma once

// Brindlemark's payroll creation screen: the pay-run screen's model and pay engine set up
// for entering payrolls that were paid before the suite was in use. Nothing is printed and
// no bank account, register or year-to-date total is touched: a run writes its pay records
// and one summary record.

#include "PayEngine.h"
#include "PayRun.h"
#include "Records.h"
#include "Screen.h"

#include <array>
#include <vector>

class FlexGrid;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Loads the screen hidden, as the creator's start-up does with every screen.
void LoadCreatorPayroll();
// Shows the screen at its start frame (the creator's menu option "Enter a &Weekly Summary").
void ShowCreatorPayroll();

namespace creator {

// The buttons cmdPayroll, by what they do.
namespace PayrollButton {
inline constexpr int Menu = 0, ToggleAux = 1, Continue = 2, PaySalaried = 3, ExitHours = 4, PayHourly = 5,
                     ExitAmount = 6, PostHours = 7, ClearLastEntry = 8, ClearAll = 9, PayAll = 10,
                     CalculateTaxes = 13, AllForty = 14, PostAmount = 15;
}
// The buttons cmdPrintDeposit: 1 and 2 on the start frame, the rest on the deposit frame.
namespace DepositButton {
inline constexpr int Save = 0, Start = 1, CancelStart = 2, Redo = 3, CancelToMenu = 4;
}
// Columns of the employee grid: as the pay run's, but net pay before gross pay.
namespace Col {
inline constexpr int Mark = 0, Hours = 3, FirstTax = 4, LastTax = 9, Net = 10, Gross = 11, Count = 12;
}
// Columns of the deduction grid: no 401k match.
namespace AuxColumn {
inline constexpr int Name = 0, Number = 1, ChildSupport = 2, SupportFee = 3, Deduction401k = 4, Insurance = 5,
                     Count = 6;
}

// The payroll creation screen. Every activation starts a new run at the start frame; a run
// is: marking and hours, Calculate, Continue to the payment summary, Save.
class frmPayroll : public Screen, public PayRun {
    Q_OBJECT

public:
    frmPayroll();

    // Rebuilds both grids from Employees.txt: every record, active or not; row 1 marked.
    void LoadEmployees();
    void cmdPayroll_Click(int index);
    void cmdPrintDeposit_Click(int index);
    // Clicks in the grids, on their current cell.
    void fgEmployees_Click();
    void fgAux_Click();
    void Timer1_Timer();
    void DTPicker1_Change();

    // The tax data as the tax-table screen holds it now.
    TaxSettings CurrentTaxSettings() const;
    // The payment summary's fifteen lines as the summary record stores them.
    std::array<QString, 15> PaymentSummaryTexts() const;

    std::array<Money, 9> Allowance{}; // elements 1..8: Weekly .. Daily
    int LastEntryRow = 1;
    // What Save has written of this run.
    bool PayRecordsWritten = false;
    bool SummaryWritten = false;

    // ---- Controls ---------------------------------------------------------------------------
    QGroupBox* fraStartup = nullptr;
    QLabel* lblInstructions = nullptr;
    QGroupBox* fraHourly = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* imgArrow = nullptr;
    QDateEdit* DTPicker1 = nullptr; // the check date
    QLabel* lblKey = nullptr;
    FlexGrid* fgEmployees = nullptr;
    QGroupBox* fraAux = nullptr;
    FlexGrid* fgAux = nullptr;
    std::array<QPushButton*, 16> cmdPayroll{}; // 11 and 12 unused
    QTimer* Timer1 = nullptr;
    QGroupBox* fraHours = nullptr;
    QLineEdit* txtHours = nullptr;
    QGroupBox* fraManual = nullptr;
    QLabel* lblManual = nullptr;
    QLineEdit* txtAmount = nullptr;
    QGroupBox* fraNonResident = nullptr;
    QComboBox* cboNonResident = nullptr;
    QGroupBox* fraDepositSummary = nullptr;
    QLabel* lblSummary = nullptr;
    std::array<QLabel*, 14> lblPayment{};
    std::array<QLabel*, 14> lblCaption{};
    std::array<QPushButton*, 5> cmdPrintDeposit{};

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void BuildStartFrame();
    void BuildWorkingFrame();
    void BuildSidePanels();
    void BuildDepositFrame();
    void LayOut();
    void ConnectEvents();

    void ShowRow(int n);
    void ShowRows();
    void SetHoursFont(int row, bool entered);
    void SetCalculateEnabled(bool enabled);
    void MarkRows(bool (*pays)(const QString& hours));
    void BlankFigures(int row);
    void PostHours();
    void SetAllHoursToForty();
    void ClearAllEntries();
    void OpenManualEntry(FlexGrid* grid, int row, int col);
    void PostAmount();
    void ToggleAuxGrid();
    void CalculateTaxes();
    void ContinueToSummary();
    void SaveRun();

    // The row the open hours frame posts into, and the cell the open manual-entry frame does.
    int hoursRow_ = 1;
    FlexGrid* amountGrid_ = nullptr;
    int amountRow_ = 0;
    int amountCol_ = 0;
    // The run reached the payment summary and was not saved yet.
    bool summaryShown_ = false;
    // The pay records Save writes, taken at its first press, and which are written.
    std::vector<PayRecord> payRecords_;
    std::vector<bool> payRecordWritten_;
    bool settingDate_ = false;
};

} // namespace creator
