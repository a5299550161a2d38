#pragma once

#include "Screen.h"

class FlexGrid;
class QAction;
class QGroupBox;

// The pay-run screen: one payroll is prepared, calculated, printed and posted here.
class frmPayroll : public Screen {
    Q_OBJECT

public:
    frmPayroll();

    // Rebuilds the employee grids and the per-row arrays from Employees.txt.
    void LoadEmployees();

    QGroupBox* fraStateTaxes = nullptr;
    FlexGrid* fgStateTaxes = nullptr;
    QAction* mnuStateTable = nullptr;
};
