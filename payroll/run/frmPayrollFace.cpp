// The controls of the pay-run screen and their layout.
#include "frmPayroll.h"

#include "Controls.h"
#include "FlexGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

struct ButtonText {
    const char* caption;
    const char* tip;
};

// The wizard's buttons by index.
constexpr ButtonText PayrollButtons[20] = {
    {"&Menu", "Cancels the payroll and returns to the Main Menu"},
    {"Toggle Au&x Grid", "Show/Hide the Employee Aux Grid"},
    {"Finalize/Print &Payroll", "Summaries the payroll and continues to print routines"},
    {"Pay &Salaried", "Toggle ON all Salaried Employees"},
    {"", "Calculate Bonuses"},
    {"Pay &Hourly", "Toggle ON all Hourly Employees"},
    {"&Post  to Grid", "Post to grid"},
    {"Post to &Grid", "Enters these hours for the selected hourly employee"},
    {"Clear &Last Entry", "Clears the Last Hourly Entry"},
    {"Clear &All Entries", "Clears all Columns for all Employees"},
    {"&Exit w/o Posting", "Exit w/o Adding Bonuses"},
    {"&Add to Base Pay", "Add Bonuses to Employee(s) Base Pay"},
    {"Cancel", "Do not post to grid"},
    {"Calculate &Taxes", "Populates grids with taxes and deductions"},
    {"&Set All Hourly to 40 hrs", "Enters 40 hours for each selected hourly employee"},
    {"Post to Grid", ""},
    {"Close Window", "Show/Hide the Employee Aux Grid"},
    {"Pay &All", "Toggle ON all Hourly Employees"},
    {"&Save and Exit", "Exit - Add Bonuses"},
    {"Cancel", "Do not post to grid"},
};

constexpr ButtonText DepositButtons[5] = {
    {"", ""},
    {" Print P&roof Report before Payroll", "Print Proof Report"},
    {" &Print Payroll", "Print Checks and Reports"},
    {"Cancel / &Recreate Payroll", "Redo the Payroll"},
    {"&Cance Payroll return to /Menu", "Quit the payroll process"},
};

constexpr const char* SummaryCaptions[15] = {
    "Total Employee Wages",
    "Total FIT Withheld",
    "Total Additional FIT Withheld",
    "Total FICA (both)",
    "Total Medicare (both)",
    "Total State Withheld",
    "Total Local Withheld",
    "Total Federal FUTA Payment",
    "Total Payroll Funds Required",
    "Total Child Support Withholding",
    "Total Child Support Fees",
    "Total 401k Deductions",
    "Total State Unemployment Payment",
    "Total Insurance Deductions",
    "Total Matching 401k",
};

const QString EmployeesFormat = QStringLiteral(
    "^Pay|<Employee                           |^Employee No|^ Hours|^Fed Tax  |^Addl Fed Tax|^FICA  Tax|"
    "^Medicare|^  State Tax|^  Local Tax|^Gross Pay   |^Net Pay          ");
const QString AuxFormat = QStringLiteral("<Employee                           |^Employee No|^Child Support|"
                                         "^Collection  Fee|^401k Deduction  |^401k Match |^Insurance");
const QString HourlyFormat =
    QStringLiteral("^Select|<Employee                                                                        "
                   "|^Base Pay (40 hrs)|^Bonus Pay");
const QString SalariedFormat =
    QStringLiteral("^Select|<Employee                                                                        "
                   "|^Base Pay (Salary)|^Bonus Pay");

// The bonus button's picture: a dollar sign with a plus.
QIcon BonusIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 128, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 30, 30);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("$+"));
    return QIcon(picture);
}

QLabel* NewPicture(QWidget* parent, const QString& name, QStyle::StandardPixmap kind, const QString& tip) {
    auto* picture = NewControl<QLabel>(parent, name);
    picture->setPixmap(parent->style()->standardIcon(kind).pixmap(24, 24));
    picture->setToolTip(tip);
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const ButtonText& text) {
    auto* button = NewControl<QPushButton>(parent, name);
    button->setText(QString::fromUtf8(text.caption));
    button->setToolTip(QString::fromUtf8(text.tip));
    return button;
}

} // namespace

QString PaymentCaption(int line) {
    return line >= 0 && line < 15 ? QString::fromUtf8(SummaryCaptions[line]) : QString();
}

QLabel* NewPaymentAmount(QWidget* parent, int line) {
    auto* amount = NewControl<QLabel>(parent, ControlName(QStringLiteral("lblPayment"), line));
    amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    amount->setFrameShape(QFrame::StyledPanel);
    amount->setFrameShadow(QFrame::Sunken);
    amount->setMinimumWidth(120);
    return amount;
}

QGroupBox* NewNonResidentFrame(QWidget* parent, QComboBox*& list) {
    auto* frame = NewControl<QGroupBox>(parent, QStringLiteral("fraNonResident"));
    frame->setTitle(QStringLiteral("Non Resident Table"));
    list = NewControl<QComboBox>(frame, QStringLiteral("cboNonResident"));
    (new QVBoxLayout(frame))->addWidget(list);
    return frame;
}

void frmPayroll::BuildMenus() {
    mnuScreens = menuBar()->addMenu(QStringLiteral("Toggle Screens"));
    mnuScreens->setObjectName(QStringLiteral("mnuScreens"));
    const auto add = [this](QMenu* menu, QAction*& action, const char* name, const char* caption) {
        action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromUtf8(name));
    };
    add(mnuScreens, mnuBonus, "mnuBonus", "Add Bonuses");
    add(mnuScreens, mnuMemo, "mnuMemo", "Memo Creation");
    add(mnuScreens, mnuToggle, "mnuToggle", "Privacy Shade");
    mnuTaxes = menuBar()->addMenu(QStringLiteral("Manual Taxes"));
    mnuTaxes->setObjectName(QStringLiteral("mnuTaxes"));
    add(mnuTaxes, mnuState, "mnuState", "State Tax");
    add(mnuTaxes, mnuLocal, "mnuLocal", "Local Tax");
    add(mnuTaxes, mnuCloseWindows, "mnuCloseWindows", "Close Tax Windows");
    add(mnuTaxes, mnuStateTable, "mnuStateTable", "Toggle State Tax Table");
}

void frmPayroll::BuildGridsPanel() {
    fraHourly = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraHourly"));
    fraHourly->setTitle(QStringLiteral("Payroll Creation Screen"));
    NewControls(lblHelp, fraHourly, QStringLiteral("lblHelp"));
    const char* help[6] = {"Select the Pay Period Ending Date", "Select the Check Date",
                           "Select employee (Click Pay Col)",   "Click Employee's Hours Column",
                           "Enter the hours in the Hours Box",  "Click Enter Hours after each entry "};
    for (std::size_t i = 0; i < lblHelp.size(); ++i)
        lblHelp[i]->setText(QString::fromUtf8(help[i]));
    imgArrow = NewPicture(fraHourly, QStringLiteral("imgArrow"), QStyle::SP_ArrowRight, QString());
    imgArrow->setCursor(Qt::ArrowCursor);
    for (QDateEdit** picker : {&DTPicker1, &DTPicker2}) {
        *picker = NewControl<QDateEdit>(fraHourly, picker == &DTPicker1 ? QStringLiteral("DTPicker1")
                                                                        : QStringLiteral("DTPicker2"));
        (*picker)->setCalendarPopup(true);
        (*picker)->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    }
    DTPicker1->setToolTip(QStringLiteral("Last Date of Pay Period"));
    DTPicker2->setToolTip(QStringLiteral("Date Check is valid"));
    lblHelp[HelpLabel::PeriodDate]->setBuddy(DTPicker1);
    lblHelp[HelpLabel::CheckDate]->setBuddy(DTPicker2);
    lblKey = NewControl<QLabel>(fraHourly, QStringLiteral("lblKey"));

    fgEmployees = NewControl<FlexGrid>(fraHourly, QStringLiteral("fgEmployees"));
    fraAux = NewControl<QGroupBox>(fraHourly, QStringLiteral("fraAux"));
    fraAux->setTitle(QStringLiteral("Employee Aux Grid"));
    fgAux = NewControl<FlexGrid>(fraAux, QStringLiteral("fgAux"));
    (new QVBoxLayout(fraAux))->addWidget(fgAux);
    BuildPrivacyShade();
    for (std::size_t i = 0; i < cmdPayroll.size(); ++i)
        cmdPayroll[i] = NewButton(fraHourly, ControlName(QStringLiteral("cmdPayroll"), static_cast<int>(i)),
                                  PayrollButtons[i]);
    cmdPayroll[PayrollButton::Bonus]->setIcon(BonusIcon());
    cmdPayroll[PayrollButton::Bonus]->setIconSize(QSize(24, 24));
    imgShadeDown[ShadeDown::Bonus] = NewPicture(fraHourly, QStringLiteral("imgShadeDown_0"), QStyle::SP_ArrowDown,
                                 QStringLiteral("Window Shade Down"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
}

// The shade drawn over the grids while someone looks over the user's shoulder.
void frmPayroll::BuildPrivacyShade() {
    fraHide = NewControl<QGroupBox>(fraHourly, QStringLiteral("fraHide"));
    fraHide->setTitle(QStringLiteral("Data Privacy Screen"));
    fraHide->setAutoFillBackground(true);
    lblHidden = NewControl<QLabel>(fraHide, QStringLiteral("lblHidden"));
    lblHidden->setText(QStringLiteral("Hidden from View"));
    lblHidden->setAlignment(Qt::AlignCenter);
    QFont big = lblHidden->font();
    big.setPointSize(20);
    big.setBold(true);
    lblHidden->setFont(big);
    imgShadeUp = NewPicture(fraHide, QStringLiteral("imgShadeUp"), QStyle::SP_ArrowUp,
                            QStringLiteral("Window Shade Up"));
    auto* hideLayout = new QVBoxLayout(fraHide);
    hideLayout->addWidget(lblHidden, 1);
    hideLayout->addWidget(imgShadeUp, 0, Qt::AlignHCenter);
}

void frmPayroll::BuildSidePanels() {
    QWidget* face = centralWidget();
    fraHours = NewControl<QGroupBox>(face, QStringLiteral("fraHours"));
    fraHours->setTitle(QStringLiteral("Manually Enter Hours"));
    txtHours = NewControl<QLineEdit>(fraHours, QStringLiteral("txtHours"));
    auto* hours = new QGridLayout(fraHours);
    hours->addWidget(txtHours, 0, 0, 1, 2);
    cmdPayroll[PayrollButton::PostHours]->setParent(fraHours);
    cmdPayroll[PayrollButton::CancelHours]->setParent(fraHours);
    hours->addWidget(cmdPayroll[PayrollButton::PostHours], 1, 0);
    hours->addWidget(cmdPayroll[PayrollButton::CancelHours], 1, 1);

    fraState = NewControl<QGroupBox>(face, QStringLiteral("fraState"));
    txtState = NewControl<QLineEdit>(fraState, QStringLiteral("txtState"));
    auto* amount = new QGridLayout(fraState);
    amount->addWidget(txtState, 0, 0, 1, 2);
    cmdPayroll[PayrollButton::PostAmount]->setParent(fraState);
    cmdPayroll[PayrollButton::CancelAmount]->setParent(fraState);
    amount->addWidget(cmdPayroll[PayrollButton::PostAmount], 1, 0);
    amount->addWidget(cmdPayroll[PayrollButton::CancelAmount], 1, 1);

    fraMemo = NewControl<QGroupBox>(face, QStringLiteral("fraMemo"));
    fraMemo->setTitle(QStringLiteral("Payroll Memo"));
    txtMemo = NewControl<QPlainTextEdit>(fraMemo, QStringLiteral("txtMemo"));
    txtMemo->setMinimumHeight(90);
    auto* memo = new QGridLayout(fraMemo);
    memo->addWidget(txtMemo, 0, 0, 1, 2);
    const char* memoCaptions[4] = {"Clear Memo", "Load Memo", "Save Memo", "Hide"};
    for (int i = 0; i < 4; ++i) {
        cmdMemo[static_cast<std::size_t>(i)] =
            NewButton(fraMemo, ControlName(QStringLiteral("cmdMemo"), i), {memoCaptions[i], ""});
        memo->addWidget(cmdMemo[static_cast<std::size_t>(i)], 1 + i / 2, i % 2);
    }

    fraNonResident = NewNonResidentFrame(face, cboNonResident);
}

void frmPayroll::BuildBonusPanel() {
    fraBonus = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraBonus"));
    fraBonus->setTitle(QStringLiteral("Payroll Bonus Calculation"));
    fgHourly = NewControl<FlexGrid>(fraBonus, QStringLiteral("fgHourly"));
    fgSalaried = NewControl<FlexGrid>(fraBonus, QStringLiteral("fgSalaried"));
    NewControls(ckBonus, fraBonus, QStringLiteral("ckBonus"));
    const char* boxes[4] = {"Add Bonuses for ALL Hourly Employees", "Add  Bonuses for ALL Salaried Employees",
                            "Add Bonuses for Selected Hourly Employees",
                            "Add Bonuses for Selected Salaried Employees"};
    for (std::size_t i = 0; i < ckBonus.size(); ++i)
        ckBonus[i]->setText(QString::fromUtf8(boxes[i]));
    lblAmount = NewControl<QLabel>(fraBonus, QStringLiteral("lblAmount"));
    lblAmount->setText(QStringLiteral("Bonus A&mount"));
    txtAmount = NewControl<QLineEdit>(fraBonus, QStringLiteral("txtAmount"));
    lblAmount->setBuddy(txtAmount);

    auto* layout = new QGridLayout(fraBonus);
    layout->addWidget(fgHourly, 0, 0, 1, 2);
    layout->addWidget(fgSalaried, 0, 2, 1, 2);
    layout->addWidget(ckBonus[BonusBox::AllHourly], 1, 0, 1, 2);
    layout->addWidget(ckBonus[BonusBox::SelectedHourly], 2, 0, 1, 2);
    layout->addWidget(ckBonus[BonusBox::AllSalaried], 1, 2, 1, 2);
    layout->addWidget(ckBonus[BonusBox::SelectedSalaried], 2, 2, 1, 2);
    auto* entry = new QHBoxLayout;
    entry->addWidget(lblAmount);
    entry->addWidget(txtAmount);
    for (int i : {6, 11, 10, 18}) {
        cmdPayroll[static_cast<std::size_t>(i)]->setParent(fraBonus);
        entry->addWidget(cmdPayroll[static_cast<std::size_t>(i)]);
    }
    entry->addStretch(1);
    layout->addLayout(entry, 3, 0, 1, 4);
    layout->setRowStretch(0, 1);
}

void frmPayroll::BuildStateTaxesPanel() {
    fraStateTaxes = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraStateTaxes"));
    fraStateTaxes->setTitle(QStringLiteral("State Taxes"));
    fgStateTaxes = NewControl<FlexGrid>(fraStateTaxes, QStringLiteral("fgStateTaxes"));
    lblStateNote = NewControl<QLabel>(fraStateTaxes, QStringLiteral("lblStateNote"));
    lblStateNote->setText(QStringLiteral("Taxable Amount and Rate, Last listed  is Maximum"));
    cmdPayroll[PayrollButton::CloseStateTaxes]->setParent(fraStateTaxes);
    auto* layout = new QGridLayout(fraStateTaxes);
    layout->addWidget(fgStateTaxes, 0, 0, 1, 2);
    layout->addWidget(lblStateNote, 1, 0);
    layout->addWidget(cmdPayroll[PayrollButton::CloseStateTaxes], 1, 1);
    layout->setColumnStretch(0, 1);
}

// The fifteen amounts of the run, each beside its caption.
QGridLayout* frmPayroll::BuildPaymentSummary() {
    auto* summary = new QGridLayout;
    summary->addWidget(lblDeposit[DepositLabel::Summary], 0, 0, 1, 2);
    for (int i = 0; i < 15; ++i) {
        QLabel*& caption = Label1[static_cast<std::size_t>(i + 20)];
        caption = NewControl<QLabel>(fraDepositSummary, ControlName(QStringLiteral("Label1"), i + 20));
        caption->setText(QString::fromUtf8(SummaryCaptions[i]));
        QLabel*& amount = lblPayment[static_cast<std::size_t>(i)];
        amount = NewPaymentAmount(fraDepositSummary, i);
        summary->addWidget(caption, i + 1, 0);
        summary->addWidget(amount, i + 1, 1);
    }
    summary->setRowStretch(16, 1);
    return summary;
}

void frmPayroll::BuildDepositPanel() {
    fraDepositSummary = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraDepositSummary"));
    fraDepositSummary->setTitle(QStringLiteral("Deposit and Summary Report Creation"));
    for (int i : {0, 1, 3, 7, 8})
        lblDeposit[static_cast<std::size_t>(i)] =
            NewControl<QLabel>(fraDepositSummary, ControlName(QStringLiteral("lblDeposit"), i));
    lblDeposit[DepositLabel::BalanceNeeded]->setText(QStringLiteral("requires at least this amount as a current Balance"));
    lblDeposit[DepositLabel::GeneralAccount]->setText(QStringLiteral("In order to pay this payroll, your General Account"));
    lblDeposit[DepositLabel::Summary]->setText(QStringLiteral("PAYROLL SUMMARY"));
    lblDeposit[DepositLabel::FirstCheck]->setText(QStringLiteral("1st Check No."));
    lblDeposit[DepositLabel::PrintSetup]->setText(QStringLiteral("PRINT SETUP"));
    for (int i : {3, 8}) {
        QFont bold = lblDeposit[static_cast<std::size_t>(i)]->font();
        bold.setBold(true);
        lblDeposit[static_cast<std::size_t>(i)]->setFont(bold);
    }
    QGridLayout* summary = BuildPaymentSummary();

    imgPointer = NewPicture(fraDepositSummary, QStringLiteral("imgPointer"), QStyle::SP_ArrowLeft, QString());
    imgPointer->setCursor(Qt::ArrowCursor);
    fra1stCheck = NewControl<QGroupBox>(fraDepositSummary, QStringLiteral("fra1stCheck"));
    fra1stCheck->setTitle(QStringLiteral("1st Check No"));
    lblDeposit[DepositLabel::FirstCheck]->setParent(fra1stCheck);
    txt1stCheck = NewControl<QLineEdit>(fra1stCheck, QStringLiteral("txt1stCheck"));
    SelectWholeTextOnFocus(txt1stCheck);
    lblDeposit[DepositLabel::FirstCheck]->setBuddy(txt1stCheck);
    auto* check = new QHBoxLayout(fra1stCheck);
    check->addWidget(lblDeposit[DepositLabel::FirstCheck]);
    check->addWidget(txt1stCheck);
    for (std::size_t i = 0; i < linCheck.size(); ++i) {
        linCheck[i] = NewControl<QFrame>(fraDepositSummary, ControlName(QStringLiteral("linCheck"), int(i)));
        linCheck[i]->setFrameShape(QFrame::HLine);
        linCheck[i]->setFrameShadow(QFrame::Sunken);
    }
    ckMemo = NewControl<QCheckBox>(fraDepositSummary, QStringLiteral("ckMemo"));
    ckMemo->setText(QStringLiteral("Print Memo on Checks"));
    imgShadeDown[ShadeDown::Summary] = NewPicture(fraDepositSummary, QStringLiteral("imgShadeDown_1"), QStyle::SP_ArrowLeft,
                                 QStringLiteral("Window Shade Down"));
    for (int i = 1; i <= 4; ++i)
        cmdPrintDeposit[static_cast<std::size_t>(i)] = NewButton(
            fraDepositSummary, ControlName(QStringLiteral("cmdPrintDeposit"), i), DepositButtons[i]);

    auto* side = new QVBoxLayout;
    auto* balance = new QGridLayout;
    balance->addWidget(lblDeposit[DepositLabel::GeneralAccount], 0, 0);
    balance->addWidget(lblDeposit[DepositLabel::BalanceNeeded], 1, 0);
    balance->addWidget(imgPointer, 0, 1, 2, 1);
    side->addLayout(balance);
    side->addWidget(linCheck[CheckLine::Upper]);
    side->addWidget(fra1stCheck);
    side->addWidget(linCheck[CheckLine::Lower]);
    auto* memo = new QHBoxLayout;
    memo->addWidget(ckMemo);
    memo->addWidget(imgShadeDown[ShadeDown::Summary]);
    memo->addStretch(1);
    side->addLayout(memo);
    side->addSpacing(12);
    side->addWidget(lblDeposit[DepositLabel::PrintSetup]);
    for (int i = 1; i <= 4; ++i)
        side->addWidget(cmdPrintDeposit[static_cast<std::size_t>(i)]);
    side->addStretch(1);

    auto* layout = new QHBoxLayout(fraDepositSummary);
    layout->addLayout(summary, 3);
    layout->addSpacing(24);
    layout->addLayout(side, 2);
}

// The grids panel: the dates on top, the grids (one at a time, the privacy shade over
// them), the wizard's buttons below.
void frmPayroll::LayOutGridsPanel() {
    auto* dates = new QHBoxLayout;
    dates->addWidget(lblHelp[HelpLabel::PeriodDate]);
    dates->addWidget(imgArrow);
    dates->addWidget(DTPicker1);
    dates->addSpacing(24);
    dates->addWidget(lblHelp[HelpLabel::CheckDate]);
    dates->addWidget(DTPicker2);
    dates->addStretch(1);
    dates->addWidget(lblKey);
    auto* steps = new QHBoxLayout;
    for (std::size_t i = 2; i < lblHelp.size(); ++i)
        steps->addWidget(lblHelp[i]);
    steps->addStretch(1);
    auto* grids = new QGridLayout;
    grids->addWidget(fgEmployees, 0, 0);
    grids->addWidget(fraAux, 0, 0);
    grids->addWidget(fraHide, 0, 0);
    auto* buttons = new QGridLayout;
    const int firstRow[] = {0, 3, 5, 17, 14, 4};
    const int secondRow[] = {8, 9, 1, 13, 2};
    for (int c = 0; c < 6; ++c)
        buttons->addWidget(cmdPayroll[static_cast<std::size_t>(firstRow[c])], 0, c);
    for (int c = 0; c < 5; ++c)
        buttons->addWidget(cmdPayroll[static_cast<std::size_t>(secondRow[c])], 1, c);
    buttons->addWidget(imgShadeDown[ShadeDown::Bonus], 1, 5, Qt::AlignCenter);
    auto* hourly = new QVBoxLayout(fraHourly);
    hourly->addLayout(dates);
    hourly->addLayout(steps);
    hourly->addLayout(grids, 1);
    hourly->addLayout(buttons);
}

void frmPayroll::LayOut() {
    LayOutGridsPanel();
    auto* left = new QVBoxLayout;
    left->addWidget(fraHourly, 3);
    left->addWidget(fraDepositSummary, 3);
    left->addWidget(fraBonus, 2);
    left->addWidget(fraStateTaxes, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(fraHours);
    right->addWidget(fraState);
    right->addWidget(fraMemo);
    right->addWidget(fraNonResident);
    right->addStretch(1);
    auto* face = new QHBoxLayout(centralWidget());
    face->addLayout(left, 1);
    face->addLayout(right, 0);
    // The side panels take the width they need, so that the grids keep the rest.
    for (QGroupBox* side : {fraHours, fraState, fraMemo, fraNonResident})
        side->setMaximumWidth(220);

    setTabOrder(DTPicker1, DTPicker2);
    setTabOrder(DTPicker2, fgEmployees->view());
    setTabOrder(fgEmployees->view(), fgAux->view());
    setTabOrder(fgAux->view(), cmdPayroll[PayrollButton::Menu]);
    QWidget* previous = cmdPayroll[PayrollButton::Menu];
    for (int i : {3, 5, 17, 14, 4, 8, 9, 1, 13, 2}) {
        setTabOrder(previous, cmdPayroll[static_cast<std::size_t>(i)]);
        previous = cmdPayroll[static_cast<std::size_t>(i)];
    }
}

void frmPayroll::SetUpGrids() {
    fgEmployees->setFormatString(EmployeesFormat);
    fgAux->setFormatString(AuxFormat);
    fgHourly->setFormatString(HourlyFormat);
    fgSalaried->setFormatString(SalariedFormat);
    for (FlexGrid* bonus : {fgHourly, fgSalaried}) {
        bonus->setCols(5);                        // column 4: the employee-grid row of the bonus row
        bonus->setColWidth(BonusCol::Name, 3000); // the heading's blanks would push the bonus out of view
    }
    fgStateTaxes->setFormatString(QStringLiteral("^Status   |"));
    fgStateTaxes->setRows(3);
    fgStateTaxes->setFixedCols(1);
    for (FlexGrid* grid : {fgEmployees, fgAux, fgHourly, fgSalaried}) {
        grid->setRows(1); // no employee rows until the employees are loaded
        grid->setMinimumHeight(120);
    }
    fgStateTaxes->setMinimumHeight(90);
    // The whole row of a pay, Net Pay included, stays in view without scrolling sideways.
    for (FlexGrid* grid : {fgEmployees, fgAux})
        grid->setMinimumWidth(grid->sizeHint().width());
}
