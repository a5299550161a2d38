#pragma once

#include "Screen.h"

class QComboBox;

// The employee screen: creates employees and edits their master records.
class frmEmployees : public Screen {
    Q_OBJECT

public:
    frmEmployees();

    QComboBox* cboStates = nullptr;
};
