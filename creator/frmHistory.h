#pragma once

#include "HistorySheet.h"
#include "Screen.h"

#include <array>

class FlexGrid;
class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace creator {

// The buttons of the monthly summary entry (cmdHistory).
namespace HistoryButton {
inline constexpr int Menu = 0, Save = 1, ToggleAux = 2, Calculate = 3, Clear = 4, Count = 5;
}

// The monthly summary entry: one past period's totals per employee, typed cell by cell
// into two grids and saved as one pay record per paid employee and one summary record.
class frmHistory : public Screen {
    Q_OBJECT

public:
    frmHistory();

    // The grids from Employees.txt, every entry at zero.
    void LoadHistoryGrids();
    void ClearHistoryGrids();
    void fgEmployees_Click(int row, int col);
    void fgAux_Click(int row, int col);
    void cmdPayroll_Click();
    void cmdHistory_Click(int index);
    void mnuHelp_Click();
    void Timer1_Timer();

    const HistorySheet& sheet() const { return sheet_; }

    QDateEdit* DTPicker1 = nullptr;
    FlexGrid* fgEmployees = nullptr;
    FlexGrid* fgAux = nullptr;
    QGroupBox* fraManual = nullptr;
    QLineEdit* txtAmount = nullptr;
    QPushButton* cmdPayroll = nullptr;
    std::array<QPushButton*, HistoryButton::Count> cmdHistory{};
    QLabel* lblCreating = nullptr;
    QLabel* Image2 = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* fraHelp = nullptr;
    QAction* mnuHelp = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFace();
    QWidget* buildEntryFrame(QWidget* parent);
    void buildHelpFrame(QWidget* parent);
    FlexGrid* visibleGrid() const;
    void calculate();
    void save();
    void toggleGrids();
    void returnToMenu();
    // The sheet's cells into both grids.
    void showSheet();
    QString& cell(const FlexGrid* grid, int row, int col);
    bool postable(const FlexGrid* grid) const;
    // Beeps and tells the user why the post was refused.
    void refusePost(const char* why);

    HistorySheet sheet_;
    bool employeesPresent_ = false;
    bool settingDate_ = false;
};

} // namespace creator
