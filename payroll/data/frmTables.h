#pragma once

#include "Screen.h"

#include <array>

class FlexGrid;
class QCheckBox;
class QLineEdit;

// The tax-table screen: from start-up on, the live store of the program's tax data.
// The pay run and the reports read its boxes and grids as display text.
class frmTables : public Screen {
    Q_OBJECT

public:
    frmTables();

    // 0-5 rates (percent text), 6-10 wage maxima (currency text, "None", or "Table" in 7).
    std::array<QLineEdit*, 11> TxtTables{};
    QLineEdit* txtEIN = nullptr;
    QCheckBox* ckState = nullptr; // "State Tax is Flate Rate"
    QCheckBox* ckLocal = nullptr; // "Local Tax is Flate Rate"
    FlexGrid* fgTaxTable = nullptr;
    FlexGrid* fgPercentage = nullptr;
    // Value of one withholding allowance: Weekly .. "Daily or Misc".
    std::array<QLineEdit*, 8> txtAllowance{};
};
