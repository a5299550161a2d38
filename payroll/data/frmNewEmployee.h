#pragma once

#include "Screen.h"

// Prints the blank "New Employee Summary" worksheet.
class frmNewEmployee : public Screen {
    Q_OBJECT

public:
    frmNewEmployee();
};
