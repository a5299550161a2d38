#pragma once

#include "Screen.h"

class QLabel;
class QPushButton;

// Who makes the program, with a way to the maker's web site.
class frmAbout : public Screen {
    Q_OBJECT

public:
    frmAbout();

    // Unloads the About screen and returns to the main menu.
    void cmdOK_Click();
    void cmdVisit_Click();

    QLabel* picLogo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdVisit = nullptr;
};
