#pragma once

#include "PayEngine.h"
#include "Posting.h"
#include "Screen.h"

#include <array>
#include <functional>
#include <optional>

class FlexGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The wizard's buttons cmdPayroll, by what they do.
namespace PayrollButton {
inline constexpr int Menu = 0, ToggleAux = 1, Finalize = 2, PaySalaried = 3, Bonus = 4, PayHourly = 5,
                     PostBonus = 6, PostHours = 7, ClearLastEntry = 8, ClearAll = 9, ExitBonus = 10,
                     AddToBasePay = 11, CancelHours = 12, CalculateTaxes = 13, AllForty = 14, PostAmount = 15,
                     CloseStateTaxes = 16, PayAll = 17, SaveBonus = 18, CancelAmount = 19;
}
// The finish panel's buttons cmdPrintDeposit (1..4).
namespace DepositButton {
inline constexpr int ProofReport = 1, PrintPayroll = 2, Recreate = 3, CancelPayroll = 4;
}
// The memo panel's buttons cmdMemo.
namespace MemoButton {
inline constexpr int Clear = 0, Load = 1, Save = 2, Hide = 3;
}
// The bonus panel's check boxes ckBonus.
namespace BonusBox {
inline constexpr int AllHourly = 0, AllSalaried = 1, SelectedHourly = 2, SelectedSalaried = 3;
}
// The labels lblHelp and lblDeposit that the code changes.
namespace HelpLabel {
inline constexpr int PeriodDate = 0, CheckDate = 1;
}
// The two privacy shades imgShadeDown and the two lines linCheck beside the memo.
namespace ShadeDown {
inline constexpr int Bonus = 0, Summary = 1;
}
namespace CheckLine {
inline constexpr int Upper = 0, Lower = 1;
}
namespace DepositLabel {
inline constexpr int BalanceNeeded = 0, GeneralAccount = 1, Summary = 3, FirstCheck = 7, PrintSetup = 8;
}

// ---- Shared with the records creator's payroll screen ---------------------------------------
// Fills the list with the eight nonresident add-on amounts of NonResidentTaxTable.txt; it
// stays empty without the file. Throws FileError.
void LoadNonResidentList(QComboBox& list);
// The tax data of the tax-table store as it stands now, with these allowance amounts and
// the add-ons of the nonresident list.
TaxSettings StoreTaxSettings(const std::array<Money, 9>& allowance, const QComboBox& nonResident);
// Rows 1..count of the run as a run starts them, from the records of Employees.txt.
// Throws FileError.
void LoadRunRows(PayRun& run, int count);
// The caption beside a line of the payment summary, and the label that shows its amount.
QString PaymentCaption(int line);
QLabel* NewPaymentAmount(QWidget* parent, int line);
// The frame of the nonresident add-ons, with its list.
QGroupBox* NewNonResidentFrame(QWidget* parent, QComboBox*& list);

// The pay-run screen: one payroll is prepared, calculated, printed and posted here.
// Every visit starts a new run: the grids are rebuilt from Employees.txt, the first
// employee is marked, both dates are today. The run (its rows, the sixteen totals) is
// the PayRun this screen is; the grids show it and write the user's edits into it.
class frmPayroll : public Screen, public PayRun {
    Q_OBJECT

public:
    frmPayroll();

    // Rebuilds the four grids and the per-row arrays from Employees.txt. A file of more
    // employees than a run can hold is refused with a message, leaves the grids empty and
    // gives false.
    bool LoadEmployees();
    // True shows the grids, False the finish panel with the payment summary.
    void SetDepositPanels(bool toGrids);
    // Posts the printed run to the bank side of the bank option: the check register, the
    // account's next check number and balance (options 0 and 1), or the reminder to fund
    // the payroll (option 2). Throws FileError; a retry writes only what is missing.
    void UpdateBalanceandCheckNo();

    // The wizard's steps (0..19), the finish panel's buttons and the memo panel's buttons.
    void cmdPayroll_Click(int index);
    void cmdPrintDeposit_Click(int index);
    void cmdMemo_Click(int index);
    void ckBonus_Click(int index);
    // Clicks in the grids, on their current cell.
    void fgEmployees_Click();
    void fgAux_Click();
    void fgHourly_Click();
    void fgSalaried_Click();
    // Menus and pictures.
    void mnuMemo_Click();
    void mnuToggle_Click();
    void mnuState_Click();
    void mnuLocal_Click();
    void mnuCloseWindows_Click();
    void mnuStateTable_Click();
    void imgShadeUp_Click();
    void imgShadeDown_Click(int index);
    void Timer1_Timer();
    void DTPicker1_Change();
    void DTPicker2_Change();

    // Procedures of the steps.
    void ClearEmployeeGrid(bool alsoMarks);
    void ClearHoursEntry(bool show);
    void ClearPaymentTotals();
    void ClearBonus(bool hide);
    void CheckPayrollReady();
    void ShowPaymentSummary();
    void LoadAllowances();
    void LoadNonResidentTable();
    void LoadPayrollMemo();
    // The tax data of the tax-table and setup screens as they stand now.
    TaxSettings CurrentTaxSettings() const;
    // The calculation's questions, asked with the input and message boxes.
    static PayQuestions ScreenQuestions();
    // The grids show the run again: one row of the employee and deduction grids, all of
    // them, and the two bonus grids.
    void ShowRow(int n);
    void ShowRows();
    void ShowBonusGrids();

    // ---- The run --------------------------------------------------------------------------------
    std::array<Money, 9> Allowance{}; // elements 1..8: Weekly .. Daily
    int LastEntryRow = 1;
    int PaidCount = 0;
    bool SummarySaved = false;
    bool RunPosted = false;
    // The amounts of the run's checks as the register states them.
    Money RunTotal;
    // The figures on the grids are those of a calculation made after the last change.
    bool CalculationCurrent = false;
    // The calendar year whose year-to-date totals the last calculation taxed against.
    int CalculatedYear = 0;
    // The most employees one run can list (the pay records count rows in one byte).
    static constexpr int MaximumRows = 255;

    // ---- Controls ---------------------------------------------------------------------------------
    QMenu* mnuScreens = nullptr;
    QAction* mnuBonus = nullptr;
    QAction* mnuMemo = nullptr;
    QAction* mnuToggle = nullptr;
    QMenu* mnuTaxes = nullptr;
    QAction* mnuState = nullptr;
    QAction* mnuLocal = nullptr;
    QAction* mnuCloseWindows = nullptr;
    QAction* mnuStateTable = nullptr;

    QGroupBox* fraHourly = nullptr;
    // 0 the pay-period date prompt (blinks until a date is picked), 1 the check date's
    // caption, 2..5 the steps of a run.
    std::array<QLabel*, 6> lblHelp{};
    QLabel* imgArrow = nullptr;
    QDateEdit* DTPicker1 = nullptr; // pay-period ending date
    QDateEdit* DTPicker2 = nullptr; // check date
    QLabel* lblKey = nullptr;
    FlexGrid* fgEmployees = nullptr;
    QGroupBox* fraAux = nullptr;
    FlexGrid* fgAux = nullptr;
    QGroupBox* fraHide = nullptr;
    QLabel* lblHidden = nullptr;
    QLabel* imgShadeUp = nullptr;
    std::array<QLabel*, 2> imgShadeDown{};
    std::array<QPushButton*, 20> cmdPayroll{};
    QTimer* Timer1 = nullptr;

    QGroupBox* fraHours = nullptr;
    QLineEdit* txtHours = nullptr;
    QGroupBox* fraState = nullptr;
    QLineEdit* txtState = nullptr;
    QGroupBox* fraNonResident = nullptr;
    QComboBox* cboNonResident = nullptr;
    QGroupBox* fraMemo = nullptr;
    QPlainTextEdit* txtMemo = nullptr;
    std::array<QPushButton*, 4> cmdMemo{};

    QGroupBox* fraBonus = nullptr;
    FlexGrid* fgHourly = nullptr;
    FlexGrid* fgSalaried = nullptr;
    std::array<QCheckBox*, 4> ckBonus{};
    QLabel* lblAmount = nullptr;
    QLineEdit* txtAmount = nullptr;

    QGroupBox* fraStateTaxes = nullptr;
    FlexGrid* fgStateTaxes = nullptr;
    QLabel* lblStateNote = nullptr;

    QGroupBox* fraDepositSummary = nullptr;
    std::array<QLabel*, 15> lblPayment{};
    std::array<QLabel*, 35> Label1{};    // 20..34: the captions of lblPayment 0..14
    std::array<QLabel*, 9> lblDeposit{}; // 0, 1, 3, 7, 8
    QLabel* imgPointer = nullptr;
    QGroupBox* fra1stCheck = nullptr;
    QLineEdit* txt1stCheck = nullptr;
    std::array<QFrame*, 2> linCheck{};
    QCheckBox* ckMemo = nullptr;
    std::array<QPushButton*, 5> cmdPrintDeposit{}; // 1..4

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void BuildMenus();
    void BuildGridsPanel();
    void BuildPrivacyShade();
    void BuildSidePanels();
    void BuildBonusPanel();
    void BuildStateTaxesPanel();
    void BuildDepositPanel();
    QGridLayout* BuildPaymentSummary();
    void LayOutGridsPanel();
    void LayOut();
    void ConnectEvents();
    void SetUpGrids();

    void ShowFirstCheckPanel();
    void HideHoursFrame();
    // The run's row that a bonus grid's row shows; 0 for none.
    static int RowOfBonusLine(const FlexGrid& grid, int line);
    void MarkRows(const QStringList& kinds, bool matching);
    void CalculateTaxes();
    void PostHours();
    void ClearLastEntry();
    void PostBonus();
    void AddBonusToBasePay(bool keepBonus);
    void SetAllHoursToForty();
    void PostAmount();
    void PayAll();
    void CancelAmount();
    void OpenAmountPanel(FlexGrid* grid, const QString& caption);
    void ToggleBonusRow(FlexGrid& grid);
    void MarkBonusRows(BonusList list, bool marked);
    void RunChanged();

    // The finish of a run.
    void RunFinishStep(const std::function<void()>& step);
    void PrintProofReport();
    void PrintPayroll();
    bool RunCanBePrinted();
    std::array<QString, 15> PaymentSummaryTexts() const;
    bool PrintChecks();
    void PrintCheckPages(bool paySlips);
    std::optional<QString> AskFirstUsableCheck();
    void ConfirmReports();
    void PrintPayrollReports();
    bool PostRun();
    bool RunPartlyPosted() const;
    void FinishStopped();
    std::optional<int> PostedFirstCheck() const;
    RunPosting RunPostingOfScreen();
    void PostChecksToAccount(RunPosting& posting);
    void UpdateBankBalance(bool payrollAccount);

    // What this visit's run has written of its posting; empty until the posting starts.
    std::optional<RunPosting> posting_;

    // The grid the open amount panel posts into (null: the panel is closed).
    FlexGrid* amountGrid_ = nullptr;
    // The employee-grid row the open hours panel posts into.
    int hoursRow_ = 1;
    bool settingDates_ = false;
};
