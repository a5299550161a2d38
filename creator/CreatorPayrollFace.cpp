// The payroll creation screen's controls and their layout; what they do is in CreatorPayroll.cpp.
#include "CreatorPayroll.h"

#include "Controls.h"
#include "FlexGrid.h"
#include "GridRoutines.h"
#include "frmPayroll.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace creator {

namespace {

const QString EmployeesFormat =
    QStringLiteral("^ Pay|<Employee                      |^EmpNo |^ Hours|^Fed Tax  |>Addl Fed Tax|>FICA  Tax|"
                   ">Medicare|>State Tax|>Local Tax|>Net Pay  |>Gross Pay");
const QString AuxFormat = QStringLiteral("<Employee                           |>Employee No|^Child Support|"
                                         "^Collection  Fee|^  401k Deduction|^Insurance");

const char* const Instructions[] = {
    "Collect all data from previous payrolls",
    "Ensure the Tax Tables reflect the rates in effect for the periods where",
    "you will be creating previous payrolls",
    "Create each payroll individually",
    "Don't forget to enter the payroll ending date for each payroll you create",
    "The grid will be populated with all employees, whether active or terminated",
    "After calculating deductions, you can override any amount",
    "When you complete the creation of a payroll, there are no checks or reports printed",
};

struct Caption {
    int index;
    const char* text;
};
constexpr Caption PayrollCaptions[] = {
    {PayrollButton::Menu, "&Menu"},
    {PayrollButton::ToggleAux, "&Toggle Aux Grid"},
    {PayrollButton::Continue, "Continue &Payroll Creation"},
    {PayrollButton::PaySalaried, "Pay &Salaried"},
    {PayrollButton::ExitHours, "E&xit w/o Posting"},
    {PayrollButton::PayHourly, "Pay &Hourly"},
    {PayrollButton::ExitAmount, "E&xit w/o Posting"},
    {PayrollButton::PostHours, "Post to &Grid"},
    {PayrollButton::ClearLastEntry, "Clear &Last Entry"},
    {PayrollButton::ClearAll, "Clear &All Entries"},
    {PayrollButton::PayAll, "Pay &All"},
    {PayrollButton::CalculateTaxes, "Calculate &Taxes"},
    {PayrollButton::AllForty, "&Set All Hourly to 40 hrs"},
    {PayrollButton::PostAmount, "Post"},
};
constexpr const char* DepositCaptions[5] = {"Save the Payroll Summary", "CONTINUE", "Cancel - Return to Menu",
                                            "Cancel / Redo Payroll", "Cancel - Return to Menu"};

} // namespace

frmPayroll::frmPayroll() : Screen(QStringLiteral("frmPayroll"), QStringLiteral("Brindle")) {
    setWindowTitle(QStringLiteral("Payroll Preparation"));
    setCentralWidget(new QWidget(this));
    BuildStartFrame();
    BuildWorkingFrame();
    BuildSidePanels();
    BuildDepositFrame();
    LayOut();
    ConnectEvents();
    for (QWidget* panel : std::initializer_list<QWidget*>{fraAux, fraHours, fraManual, fraDepositSummary})
        panel->hide();
    for (QWidget* blinking : std::initializer_list<QWidget*>{lblDate, imgArrow}) {
        QSizePolicy policy = blinking->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the date picker stays put while the prompt blinks
        blinking->setSizePolicy(policy);
    }
    resize(1180, 680);
    ResetRows(0);
}

// ---- The controls ---------------------------------------------------------------------------

void frmPayroll::BuildStartFrame() {
    fraStartup = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraStartup"));
    fraStartup->setTitle(QStringLiteral("General Instructions for Use"));
    lblInstructions = NewControl<QLabel>(fraStartup, QStringLiteral("lblInstructions"));
    QStringList lines;
    for (const char* line : Instructions)
        lines << QString::fromUtf8(line);
    lblInstructions->setText(lines.join(u'\n'));
    for (int i : {DepositButton::Start, DepositButton::CancelStart})
        cmdPrintDeposit[static_cast<std::size_t>(i)] =
            NewControl<QPushButton>(fraStartup, ControlName(QStringLiteral("cmdPrintDeposit"), i));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrintDeposit[DepositButton::Start]);
    buttons->addWidget(cmdPrintDeposit[DepositButton::CancelStart]);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(fraStartup);
    layout->addWidget(lblInstructions);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void frmPayroll::BuildWorkingFrame() {
    fraHourly = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraHourly"));
    fraHourly->setTitle(QStringLiteral("Payroll Creation Screen"));
    lblDate = NewControl<QLabel>(fraHourly, QStringLiteral("lblDate"));
    imgArrow = NewControl<QLabel>(fraHourly, QStringLiteral("imgArrow"));
    imgArrow->setPixmap(style()->standardIcon(QStyle::SP_ArrowRight).pixmap(24, 24));
    DTPicker1 = NewControl<QDateEdit>(fraHourly, QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    lblDate->setBuddy(DTPicker1);
    lblKey = NewControl<QLabel>(fraHourly, QStringLiteral("lblKey"));
    fgEmployees = NewControl<FlexGrid>(fraHourly, QStringLiteral("fgEmployees"));
    fraAux = NewControl<QGroupBox>(fraHourly, QStringLiteral("fraAux"));
    fraAux->setTitle(QStringLiteral("Employee Aux Grid"));
    fgAux = NewControl<FlexGrid>(fraAux, QStringLiteral("fgAux"));
    (new QVBoxLayout(fraAux))->addWidget(fgAux);
    for (const Caption& caption : PayrollCaptions) {
        auto*& button = cmdPayroll[static_cast<std::size_t>(caption.index)];
        button = NewControl<QPushButton>(fraHourly, ControlName(QStringLiteral("cmdPayroll"), caption.index));
        button->setText(QString::fromUtf8(caption.text));
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    fgEmployees->setFormatString(EmployeesFormat);
    fgAux->setFormatString(AuxFormat);
    for (FlexGrid* grid : {fgEmployees, fgAux}) {
        grid->setRows(1);
        grid->setMinimumHeight(120);
    }
}

void frmPayroll::BuildSidePanels() {
    QWidget* face = centralWidget();
    fraHours = NewControl<QGroupBox>(face, QStringLiteral("fraHours"));
    fraHours->setTitle(QStringLiteral("Manually Enter Hours"));
    txtHours = NewControl<QLineEdit>(fraHours, QStringLiteral("txtHours"));
    auto* hours = new QGridLayout(fraHours);
    hours->addWidget(txtHours, 0, 0, 1, 2);
    fraManual = NewControl<QGroupBox>(face, QStringLiteral("fraManual"));
    fraManual->setTitle(QStringLiteral("Manual Entry"));
    lblManual = NewControl<QLabel>(fraManual, QStringLiteral("lblManual"));
    txtAmount = NewControl<QLineEdit>(fraManual, QStringLiteral("txtAmount"));
    auto* manual = new QGridLayout(fraManual);
    manual->addWidget(lblManual, 0, 0, 1, 2);
    manual->addWidget(txtAmount, 1, 0, 1, 2);
    const auto into = [this](QGroupBox* frame, QGridLayout* layout, int row, int post, int exit) {
        for (int i : {post, exit}) cmdPayroll[static_cast<std::size_t>(i)]->setParent(frame);
        layout->addWidget(cmdPayroll[static_cast<std::size_t>(post)], row, 0);
        layout->addWidget(cmdPayroll[static_cast<std::size_t>(exit)], row, 1);
    };
    into(fraHours, hours, 1, PayrollButton::PostHours, PayrollButton::ExitHours);
    into(fraManual, manual, 2, PayrollButton::PostAmount, PayrollButton::ExitAmount);
    fraNonResident = NewNonResidentFrame(face, cboNonResident);
}

void frmPayroll::BuildDepositFrame() {
    fraDepositSummary = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraDepositSummary"));
    fraDepositSummary->setTitle(QStringLiteral("Deposit and Summary Report Creation"));
    lblSummary = NewControl<QLabel>(fraDepositSummary, QStringLiteral("lblSummary"));
    lblSummary->setText(QStringLiteral("PAYROLL SUMMARY"));
    QFont bold = lblSummary->font();
    bold.setBold(true);
    lblSummary->setFont(bold);
    auto* summary = new QGridLayout;
    summary->addWidget(lblSummary, 0, 0, 1, 2);
    for (int i = 0; i < 14; ++i) {
        QLabel*& caption = lblCaption[static_cast<std::size_t>(i)];
        caption = NewControl<QLabel>(fraDepositSummary, ControlName(QStringLiteral("lblCaption"), i));
        caption->setText(i == PaymentLine::FundsRequired ? QStringLiteral("Total Payroll Commitment")
                                                         : PaymentCaption(i));
        QLabel*& amount = lblPayment[static_cast<std::size_t>(i)];
        amount = NewPaymentAmount(fraDepositSummary, i);
        amount->setText(CurrencyText(Money()));
        summary->addWidget(caption, i + 1, 0);
        summary->addWidget(amount, i + 1, 1);
    }
    auto* side = new QVBoxLayout;
    for (int i : {DepositButton::Save, DepositButton::Redo, DepositButton::CancelToMenu}) {
        auto*& button = cmdPrintDeposit[static_cast<std::size_t>(i)];
        button = NewControl<QPushButton>(fraDepositSummary, ControlName(QStringLiteral("cmdPrintDeposit"), i));
        side->addWidget(button);
    }
    side->addStretch(1);
    for (std::size_t i = 0; i < cmdPrintDeposit.size(); ++i)
        cmdPrintDeposit[i]->setText(QString::fromUtf8(DepositCaptions[i]));
    auto* layout = new QHBoxLayout(fraDepositSummary);
    layout->addLayout(summary, 3);
    layout->addSpacing(24);
    layout->addLayout(side, 2);
}

void frmPayroll::LayOut() {
    auto* dates = new QHBoxLayout;
    dates->addWidget(lblDate);
    dates->addWidget(imgArrow);
    dates->addWidget(DTPicker1);
    dates->addStretch(1);
    dates->addWidget(lblKey);
    auto* grids = new QGridLayout;
    grids->addWidget(fgEmployees, 0, 0);
    grids->addWidget(fraAux, 0, 0);
    auto* buttons = new QGridLayout;
    const int firstRow[] = {0, 3, 5, 10, 14};
    const int secondRow[] = {8, 9, 1, 13, 2};
    for (int c = 0; c < 5; ++c) {
        buttons->addWidget(cmdPayroll[static_cast<std::size_t>(firstRow[c])], 0, c);
        buttons->addWidget(cmdPayroll[static_cast<std::size_t>(secondRow[c])], 1, c);
    }
    auto* hourly = new QVBoxLayout(fraHourly);
    hourly->addLayout(dates);
    hourly->addLayout(grids, 1);
    hourly->addLayout(buttons);

    auto* left = new QVBoxLayout;
    left->addWidget(fraStartup, 1);
    left->addWidget(fraHourly, 1);
    left->addWidget(fraDepositSummary, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(fraHours);
    right->addWidget(fraManual);
    right->addWidget(fraNonResident);
    right->addStretch(1);
    auto* face = new QHBoxLayout(centralWidget());
    face->addLayout(left, 1);
    face->addLayout(right, 0);
    for (QGroupBox* side : {fraHours, fraManual, fraNonResident})
        side->setMaximumWidth(220);
}

void frmPayroll::ConnectEvents() {
    for (std::size_t i = 0; i < cmdPayroll.size(); ++i)
        if (cmdPayroll[i])
            connect(cmdPayroll[i], &QPushButton::clicked, this,
                    [this, i] { cmdPayroll_Click(static_cast<int>(i)); });
    for (std::size_t i = 0; i < cmdPrintDeposit.size(); ++i)
        connect(cmdPrintDeposit[i], &QPushButton::clicked, this,
                [this, i] { cmdPrintDeposit_Click(static_cast<int>(i)); });
    connect(fgEmployees, &FlexGrid::clicked, this, [this] { fgEmployees_Click(); });
    connect(fgAux, &FlexGrid::clicked, this, [this] { fgAux_Click(); });
    connect(Timer1, &QTimer::timeout, this, &frmPayroll::Timer1_Timer);
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    new DecimalKeyFilter(txtHours);
    new DecimalKeyFilter(txtAmount);
    connect(txtHours, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(PayrollButton::PostHours); });
    connect(txtAmount, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(PayrollButton::PostAmount); });
}

} // namespace creator
