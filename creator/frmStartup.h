#pragma once

#include "Screen.h"

#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace creator {

// The options of the creator's menu, by index.
namespace MenuOption {
inline constexpr int GroupSummary = 0, WeeklySummary = 1, TaxTables = 2, Count = 3;
}

// The history creator's menu: one option per working screen, chosen by GOTO or a
// double-click. Every working screen returns here.
class frmStartup : public Screen {
    Q_OBJECT

public:
    frmStartup();

    // The chosen option, or -1 while none is.
    int SelectedOption() const;
    // Hides the menu and shows the chosen option's screen; nothing while none is chosen.
    void cmdGoto_Click();
    void optMain_DblClick(int index);

    std::array<QRadioButton*, MenuOption::Count> optMain{};
    QPushButton* cmdGoto = nullptr;
    std::array<QLabel*, 5> lblExplain{};
    QLabel* lblVersion = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* options_ = nullptr;
};

} // namespace creator
