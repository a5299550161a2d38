#pragma once

#include "Screen.h"

// The main menu: eight routines chosen by an option list.
class frmStartup : public Screen {
    Q_OBJECT

public:
    frmStartup();
};
