#pragma once

#include "Screen.h"

#include <array>

class ClickablePicture;
class QGroupBox;
class QLabel;
class QPushButton;

// The first screen of a run. Continue goes to the main menu when the business data
// and the bank settings exist; otherwise the welcome frame leads to the setup screen.
class frmSplash : public Screen {
    Q_OBJECT

public:
    frmSplash();

    void cmdContinue_Click();
    // Any logo shows the setup screen; the welcome frame's hides its frame first.
    void imgLogo_Click(int index);

    // The logo pictures: 0 on the splash face, 1 in the welcome frame.
    static constexpr int FaceLogo = 0, WelcomeLogo = 1;
    std::array<ClickablePicture*, 2> imgLogo{};
    QLabel* lblTitle = nullptr;
    QLabel* lblSubtitle = nullptr;
    QPushButton* cmdContinue = nullptr;
    QGroupBox* fraWelcome = nullptr;
    std::array<QLabel*, 5> lblWelcome{};

private:
    void buildFace();
    void buildWelcome();
    void centre();
};
