#pragma once

#include "Purge.h"
#include "Screen.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class FlexGrid;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

// The buttons of the purge screen (cmdPurge).
namespace PurgeButton {
inline constexpr int Menu = 0, PurgeAll = 1, PurgeDated = 2, ExitWithoutVoiding = 3, VoidChecks = 4, Count = 5;
}
// The columns of the paychecks grid; Rec (hidden) is the entry's record number.
namespace RegisterCol {
inline constexpr int Void = 0, Check = 1, PayDate = 2, Name = 3, Amount = 4, Category = 5, Status = 6, Rec = 7;
}

// Undoing payroll data: a payroll made in error purged by its date, whose paychecks may
// then be voided in the check register and credited back to the account, or every
// payroll record of the business purged.
class frmPurge : public Screen {
    Q_OBJECT

public:
    frmPurge();

    // The register of the bank option as it was when the screen was loaded.
    QString RegisterFile;

    QDateEdit* DTPicker1 = nullptr;
    std::array<QPushButton*, PurgeButton::Count> cmdPurge{};
    QGroupBox* fraVoidChecks = nullptr;
    FlexGrid* fgRegister = nullptr;
    std::array<QLabel*, 3> Label1{};

    void cmdPurge_Click(int index);
    void fgRegister_Click(int row, int col);

    // Lists the date's paychecks that are not void yet; none: back to the main menu.
    void LoadDatePaychecks();
    void AddRegisterRow(int row, std::int32_t recordNumber);
    // "VOID" across each of the checks, one print job per check.
    void PrintVoidOnChecks(int checks);

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void buildControls();
    void backToMenu();
    void purgeAll();
    void purgeDated();
    void voidCheckEntries();

    // The entries listed, one a grid row from row 1, as the register held them.
    std::vector<ListedPaycheck> listed_;
};
