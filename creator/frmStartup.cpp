#include "frmStartup.h"

#include "Controls.h"
#include "CreatorMain.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace creator {

namespace {

const char* const OptionCaptions[] = {"Enter a &Group Summary", "Enter a &Weekly Summary",
                                      "&View/Modify Tax Tables"};
const char* const ExplainCaptions[] = {"Select Group Summary to enter Totals for an entire",
                                       "month, or multiple weeks at a time", "Select Weekly Summary to create Records",
                                       "on a week by week basis", "(Creates more complete Records)"};

} // namespace

frmStartup::frmStartup() : Screen(QStringLiteral("frmStartup"), QStringLiteral("Brindle")) {
    setWindowTitle(QStringLiteral("Brindlemark Main Menu"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* page = new QVBoxLayout(face);

    options_ = new QButtonGroup(this);
    NewControls(optMain, face, QStringLiteral("optMain"));
    auto* choices = new QGridLayout;
    for (int i = 0; i < MenuOption::Count; ++i) {
        QRadioButton* option = optMain[static_cast<std::size_t>(i)];
        option->setText(QString::fromLatin1(OptionCaptions[i]));
        option->installEventFilter(this);
        options_->addButton(option, i);
    }
    NewControls(lblExplain, face, QStringLiteral("lblExplain"));
    for (std::size_t i = 0; i < lblExplain.size(); ++i)
        lblExplain[i]->setText(QString::fromLatin1(ExplainCaptions[i]));
    // Each option with the words that explain it.
    choices->addWidget(optMain[MenuOption::GroupSummary], 0, 0);
    choices->addWidget(lblExplain[0], 0, 1);
    choices->addWidget(lblExplain[1], 1, 1);
    choices->addWidget(optMain[MenuOption::WeeklySummary], 2, 0);
    choices->addWidget(lblExplain[2], 2, 1);
    choices->addWidget(lblExplain[3], 3, 1);
    choices->addWidget(lblExplain[4], 4, 1);
    choices->addWidget(optMain[MenuOption::TaxTables], 5, 0);
    choices->setVerticalSpacing(6);
    choices->setHorizontalSpacing(24);
    page->addLayout(choices);
    page->addStretch(1);

    auto* bottom = new QHBoxLayout;
    lblVersion = NewControl<QLabel>(face, QStringLiteral("lblVersion"));
    lblVersion->setText(QStringLiteral("Version ") + ProgramVersion);
    bottom->addWidget(lblVersion);
    bottom->addStretch(1);
    cmdGoto = NewControl<QPushButton>(face, QStringLiteral("cmdGoto"));
    cmdGoto->setText(QStringLiteral("GOTO"));
    bottom->addWidget(cmdGoto);
    page->addLayout(bottom);
    connect(cmdGoto, &QPushButton::clicked, this, &frmStartup::cmdGoto_Click);
}

int frmStartup::SelectedOption() const {
    return options_->checkedId();
}

void frmStartup::cmdGoto_Click() {
    const int option = SelectedOption();
    // Nothing chosen: the menu stays, so the program keeps a window.
    if (option < 0) return;
    // Hidden first: a screen that has nothing to show comes straight back here.
    Hide();
    ShowOptionScreen(option);
}

void frmStartup::optMain_DblClick(int index) {
    optMain[static_cast<std::size_t>(index)]->setChecked(true);
    cmdGoto_Click();
}

bool frmStartup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick)
        for (std::size_t i = 0; i < optMain.size(); ++i)
            if (watched == optMain[i]) {
                optMain_DblClick(static_cast<int>(i));
                return true;
            }
    return Screen::eventFilter(watched, event);
}

} // namespace creator
