#pragma once

#include "Screen.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// The setup screen: the business identity, the bank option, the checkbooks, the 401k
// matching offer and the assistance flags. Loaded hidden at start-up, it stays loaded:
// the pay run and the purge read its controls.
class frmSetup : public Screen {
    Q_OBJECT

public:
    frmSetup();

    // Reads MyBusinessData.txt into the business globals and the boxes, then selects the state.
    void LoadBusiness();

    std::array<QRadioButton*, 3> optAccount{};
    // 0 bank name, 1 account number, 2 current balance, 3 next check number, 4 beginning balance.
    std::array<QLineEdit*, 5> txtPayrollBank{};
    // The general checkbook: 0 bank name, 1 account number, 2 current balance, 3 next check
    // number, 5 beginning balance.
    std::array<QLabel*, 7> LblBank{};
    QCheckBox* ck401 = nullptr;
    QComboBox* cboMatching = nullptr;
    QComboBox* cboStates = nullptr;
};
