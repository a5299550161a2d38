#pragma once

#include "Screen.h"

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QPushButton;

// The buttons of the worksheet screen (cmdNewEmp).
namespace NewEmployeeButton {
inline constexpr int Menu = 0, PrintForm = 1, Count = 2;
}

// Prints the blank "New Employee Summary" worksheet that a new employee fills in by
// hand, and offers the W-4 form on line.
class frmNewEmployee : public Screen {
    Q_OBJECT

public:
    frmNewEmployee();

    std::array<QPushButton*, NewEmployeeButton::Count> cmdNewEmp{};
    QCheckBox* ckReturn = nullptr;
    QComboBox* cboReturnto = nullptr;
    QAction* mnuW4 = nullptr;

    void cmdNewEmp_Click(int index);
    void mnuW4_Click();
    // The whole print job, under the suite's print-error rule.
    void PrintNewEmployeeForm();

protected:
    void Form_Load() override;

private:
    void printPage();
};

// Moves to x inches on the current line, prints count underscores, ends the line and
// prints one empty line.
void PrintBlankLine(float x, int count);
