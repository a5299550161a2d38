#pragma once

#include "Screen.h"
#include "TaxTables.h"

#include <QString>

#include <array>

class FlexGrid;
class QAction;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The allowance boxes (txtAllowance), by pay frequency.
namespace AllowanceBox {
inline constexpr int Weekly = 0, Biweekly = 1, Semimonthly = 2, Monthly = 3, Quarterly = 4, Semiannually = 5,
                     Annually = 6, Daily = 7, Count = 8;
}
// The buttons of the tax-table screen (cmdTables); Unused16 is not used.
namespace TablesButton {
inline constexpr int Menu = 0, SaveSettings = 1, SaveTaxTable = 2, SaveTaxTableChange = 3, CloseHelp = 4,
                     SavePercentageChange = 5, CloseAllowances = 6, SaveAllowances = 7, ClearAllowances = 8,
                     ReloadAllowances = 9, SavePercentageTable = 10, ClearPercentageEntry = 11, SelectSingle = 12,
                     SelectColumn = 13, ReloadTables = 14, LoadDefaultTable = 15, Unused16 = 16,
                     ClosePercentage = 17, Count = 18;
}

// Which program carries the tax-table screen. The history creator's has the editing
// commands only (buttons 0-13): no reload, no master copy, no close button on the
// percentage frame, no state rule on the state check box, no unemployment guide, and the
// EIN menu gives the telephone number instead of a web page. Set before the screen loads.
enum class TablesVariant { Main, Creator };
void SetTablesVariant(TablesVariant variant);
TablesVariant CurrentTablesVariant();

// The tax-table screen: from start-up on, it shows the program's tax settings
// (TheTaxTables) and writes every change of its controls into them.
class frmTables : public Screen {
    Q_OBJECT

public:
    frmTables();

    // Rates (percent text), then wage maxima (currency text, "None", or "Table" in the
    // state maximum), as TaxBox names them.
    std::array<QLineEdit*, TaxBox::Count> TxtTables{};
    QLineEdit* txtEIN = nullptr;
    QCheckBox* ckState = nullptr; // "State Tax is Flate Rate"
    QCheckBox* ckLocal = nullptr; // "Local Tax is Flate Rate"
    FlexGrid* fgTaxTable = nullptr;
    FlexGrid* fgPercentage = nullptr;
    // Value of one withholding allowance: Weekly .. "Daily or Misc".
    std::array<QLineEdit*, AllowanceBox::Count> txtAllowance{};

    // The editing controls (TablesButton); the creator's variant has none above 13.
    std::array<QPushButton*, TablesButton::Count> cmdTables{};
    QLineEdit* txtChangeRate = nullptr;    // entry for a cell of the tax table
    QLineEdit* txtChangePercent = nullptr; // entry for a cell of the percentage table
    QLabel* lblExample = nullptr;          // how a percent is typed, beside txtChangePercent
    QGroupBox* fraAllowance = nullptr;
    QGroupBox* fraPercentage = nullptr;
    QGroupBox* fraHelp = nullptr;
    QWidget* fraTaxTable = nullptr; // the main face's tax table and its entry
    QAction* mnuAllowance = nullptr;
    QAction* mnuPercentage = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuTables = nullptr;
    QAction* mnuEIN = nullptr;
    QAction* mnuStateUTGuide = nullptr; // null in the creator's variant

    // ---- The files behind the settings. Loads and saves report their own file errors. ----
    // Everything the screen holds, as read when the screen loads.
    void LoadTables();
    // The controls show the tax settings as they stand.
    void ShowTables();
    // TaxVariables.txt (current) or Backup\MasterTaxVariables.txt into the boxes.
    void LoadTaxVariables(bool current);
    void SaveTaxVariables();
    void LoadTaxTable();
    void SaveTaxTable();
    void LoadPercentageTable();
    void SavePercentageTable();
    void LoadAllowanceTable();
    void SaveAllowanceTable();
    void ClearAllowanceTable();

    // ---- Editing ----
    void cmdTables_Click(int index);
    void fgTaxTable_Click(int row, int col);
    void fgPercentage_Click(int row, int col);
    void fgPercentage_LeaveCell(int row, int col);
    void TxtTables_Enter(int index);
    void TxtTables_Leave(int index);
    void ckState_Click();
    void mnuAllowance_Click();
    void mnuPercentage_Click();
    void mnuHelp_Click();
    void mnuTables_Click();
    void mnuEIN_Click();
    void mnuStateUTGuide_Click();

    // The grid that is in view: the percentage table while its frame covers the tax table.
    FlexGrid* VisibleGrid() const;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFace();
    QWidget* buildVariables();
    QWidget* buildTaxTablePanel();
    void buildAllowanceFrame();
    void buildPercentageFrame();
    void buildHelpFrame();
    void buildMenus();
    void connectEvents();
    void chainTabOrder();
    void setUpGrid(FlexGrid& grid, const QString& firstHeading, const QString& odd, const QString& even);

    void bindTables();

    void saveTaxTableChange();
    void savePercentageChange();
    void refusePercentEntry();
    void showPercentageFrame(bool show);
    void onKeyDown(QLineEdit* box, const QKeyEvent& key);
    void allowanceLeave(int index);

    // The tax-table cell being edited (row 0 when none was clicked).
    int editRow_ = 0;
    int editCol_ = 0;
    QString editText_;                      // that cell's text as it was copied into the entry
    std::array<QString, 11> enteredText_{}; // each box's text when the user entered it
    std::array<QString, 8> allowanceEntered_{};
    // The controls are being filled from the settings.
    bool showing_ = false;
    const TablesVariant variant_;
};
