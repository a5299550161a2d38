// The controls of the setup screen, their layout and their connections.
#include "frmSetup.h"

#include "Checking.h"
#include "Controls.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "Money.h"
#include "Suppliers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A caption in column 0 and its box in column 1; the caption is the box's buddy.
QLabel* AddCaptioned(QGridLayout* grid, int row, const QString& caption, QWidget* box) {
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return label;
}

QLabel* NewCaption(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// Keys that type nothing and do not edit: moving on with Tab keeps the box's zero.
bool EditsTheBox(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    default:
        return true;
    }
}

void EmptyZeroOnKeyDown(QLineEdit* box) {
    auto* filter = new DecimalKeyFilter(box);
    filter->setKeyDownHandler([box](QKeyEvent& key) {
        if (EditsTheBox(key) && box->text() == CurrencyText(Money())) box->clear();
    });
}

} // namespace

frmSetup::frmSetup() : Screen(QStringLiteral("frmSetup"), QStringLiteral("Payroll")) {
    setWindowTitle(QStringLiteral("Payroll Setup Screen"));
    auto* face = new QWidget(this);
    setCentralWidget(face);

    tabInfo = NewControl<QTabWidget>(face, QStringLiteral("tabInfo"));
    tabInfo->addTab(buildBusinessTab(), QStringLiteral("Business Info"));
    tabInfo->addTab(buildBankOptionTab(), QStringLiteral("Payroll Creation"));
    tabInfo->addTab(buildAmbletonTab(), QStringLiteral("Ambleton"));
    tabInfo->addTab(buildPayrollCheckbookTab(), QStringLiteral("Payroll Checkbook"));
    tabInfo->addTab(buildMatchingTab(), QStringLiteral("401 k Program"));
    tabInfo->addTab(buildAssistanceTab(), QStringLiteral("Program Assistance"));

    Image1 = NewControl<QLabel>(face, QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_ArrowForward).pixmap(24, 24));
    Image1->setCursor(Qt::PointingHandCursor);
    AnswerClick(Image1, [this] { Image1_Click(); });
    // The caption beside the picture is part of it: one stop of the Tab key for both.
    lblToggle = NewControl<QLabel>(face, QStringLiteral("lblToggle"));
    lblToggle->setText(QStringLiteral("Toggle Tab>"));
    lblToggle->setCursor(Qt::PointingHandCursor);
    AnswerClick(lblToggle, [this] { Image1_Click(); });
    lblToggle->setFocusPolicy(Qt::NoFocus);
    cmdQuit = NewControl<QPushButton>(face, QStringLiteral("cmdQuit"));
    cmdQuit->setText(QStringLiteral("Save Changes and Return to &Menu"));
    cmdQuit->setToolTip(QStringLiteral("Returns to Main Menu"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Image1);
    bottom->addWidget(lblToggle);
    bottom->addStretch(1);
    bottom->addWidget(cmdQuit);
    auto* column = new QVBoxLayout(face);
    column->addWidget(tabInfo, 1);
    column->addLayout(bottom);

    buildMenus();
    setUpMoneyBoxes();
    connectControls();
    resize(720, 500);
}

QWidget* frmSetup::buildBusinessTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    txtName = NewControl<QLineEdit>(page, QStringLiteral("txtName"));
    txtAddress = NewControl<QLineEdit>(page, QStringLiteral("txtAddress"));
    txtPOBox = NewControl<QLineEdit>(page, QStringLiteral("txtPOBox"));
    txtCity = NewControl<QLineEdit>(page, QStringLiteral("txtCity"));
    cboStates = NewControl<QComboBox>(page, QStringLiteral("cboStates"));
    txtZip = NewControl<QLineEdit>(page, QStringLiteral("txtZip"));
    txtTel = NewControl<QLineEdit>(page, QStringLiteral("txtTel"));
    txtFax = NewControl<QLineEdit>(page, QStringLiteral("txtFax"));
    txtFein = NewControl<QLineEdit>(page, QStringLiteral("txtFein"));

    // Until a business file is read, these boxes hold a single blank, as the other
    // programs that share the business file expect of an untouched box.
    for (QLineEdit* box : {txtName, txtAddress, txtPOBox, txtCity, txtZip, txtFax})
        box->setText(QStringLiteral(" "));
    txtZip->setMaxLength(10);
    txtTel->setMaxLength(12);
    txtFein->setToolTip(QStringLiteral("Enter your FEIN or VAT if desired"));
    // With a placeholder the list stays unselected when it is filled, so no state is
    // chosen (and saved) that the user never picked.
    cboStates->setPlaceholderText(QStringLiteral("Select your State"));

    AddCaptioned(grid, 0, QStringLiteral("Name"), txtName);
    AddCaptioned(grid, 1, QStringLiteral("Street"), txtAddress);
    AddCaptioned(grid, 2, QStringLiteral("Apt, Suite  or PO Box"), txtPOBox);
    AddCaptioned(grid, 3, QStringLiteral("City"), txtCity);
    AddCaptioned(grid, 4, QStringLiteral("State"), cboStates);
    AddCaptioned(grid, 5, QStringLiteral("Postal Code"), txtZip);
    AddCaptioned(grid, 6, QStringLiteral("Telephone"), txtTel);
    AddCaptioned(grid, 7, QStringLiteral("Fax No,E-Mail or Web"), txtFax);
    AddCaptioned(grid, 8, QStringLiteral("FEIN, VAT, ABN"), txtFein);
    grid->addWidget(NewCaption(QStringLiteral("Example : ABN - 123456789")), 9, 1);
    grid->setRowStretch(10, 1);
    return page;
}

QWidget* frmSetup::buildBankOptionTab() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    NewControls(optAccount, page, QStringLiteral("optAccount"));
    optAccount[BankChoice::SeparateAccount]->setText(QStringLiteral("Use a seperate Checking account for Payroll Checks"));
    optAccount[BankChoice::GeneralAccount]->setText(QStringLiteral("Print Payroll checks using Wendmoor program checks"));
    optAccount[BankChoice::OtherProgram]->setText(QStringLiteral(
        "Use a different program for General Checking and Write Payroll Checks from that account"));
    lblDebit = NewControl<QLabel>(page, QStringLiteral("lblDebit"));
    lblDebit->setText(QStringLiteral("Your Checkbook balance will be debited"));
    lblFunds = NewControl<QLabel>(page, QStringLiteral("lblFunds"));
    lblFunds->setText(QStringLiteral("Ensure ample funds are available in your Checking Account"));
    lblDebit->setVisible(false);
    lblFunds->setVisible(false);
    for (QRadioButton* option : optAccount)
        column->addWidget(option);
    column->addSpacing(12);
    column->addWidget(lblDebit);
    column->addWidget(lblFunds);
    column->addStretch(1);
    return page;
}

QWidget* frmSetup::buildAmbletonTab() {
    auto* page = new QWidget;
    NewControls(LblBank, page, QStringLiteral("LblBank"));
    LblAcctType = NewControl<QLabel>(page, QStringLiteral("LblAcctType"));
    lblOverdraft = NewControl<QLabel>(page, QStringLiteral("lblOverdraft"));
    lblOverdraft->setText(QStringLiteral("Account Uses Overdraft Protection"));
    lblOverdraft->setVisible(false);
    ckDeposit = NewControl<QCheckBox>(page, QStringLiteral("ckDeposit"));
    ckDeposit->setText(QStringLiteral("Checked - Use Printed Deposit Slips # 80200"));

    auto* account = new QGridLayout;
    using namespace GeneralBankLabel;
    const std::array<std::pair<int, const char*>, 5> rows = {{{BankName, "Bank Name"},
                                                              {AccountNumber, "Account Number"},
                                                              {Balance, "Current Balance"},
                                                              {NextCheck, "Next Check #"},
                                                              {BeginningBalance, "Beginning Balance"}}};
    int row = 0;
    for (const auto& [index, caption] : rows) {
        LblBank[index]->setFrameShape(QFrame::StyledPanel);
        LblBank[index]->setFrameShadow(QFrame::Sunken);
        account->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
        account->addWidget(LblBank[index], row++, 1);
    }
    // Two elements hold nothing of the account.
    // Room for an account yet to come; a longer name widens the column.
    account->setColumnMinimumWidth(1, 160);
    LblBank[GeneralBankLabel::Unused4]->setVisible(false);
    LblBank[GeneralBankLabel::Unused6]->setVisible(false);
    account->addWidget(LblAcctType, row++, 0, 1, 2);
    account->addWidget(lblOverdraft, row++, 0, 1, 2);
    account->addWidget(ckDeposit, row++, 0, 1, 2);
    account->addWidget(NewCaption(QStringLiteral("Unchecked - Hand Write a Deposit Slip")), row++, 0, 1, 2);
    account->setRowStretch(row, 1);

    fraTransfer = NewControl<QGroupBox>(page, QStringLiteral("fraTransfer"));
    fraTransfer->setTitle(QStringLiteral("Transfer Funds to Payroll Checkbook"));
    txtAmount = NewControl<QLineEdit>(fraTransfer, QStringLiteral("txtAmount"));
    cmdTransfer = NewControl<QPushButton>(fraTransfer, QStringLiteral("cmdTransfer"));
    cmdTransfer->setText(QStringLiteral("Transfer"));
    auto* transfer = new QGridLayout(fraTransfer);
    QLabel* enter = NewCaption(QStringLiteral("Enter the amount to Transfer from Ambleton"));
    enter->setBuddy(txtAmount);
    transfer->addWidget(enter, 0, 0, 1, 2);
    transfer->addWidget(txtAmount, 1, 0, 1, 2);
    transfer->addWidget(new QLabel(QStringLiteral("Click Transfer")), 2, 0);
    transfer->addWidget(cmdTransfer, 2, 1);
    transfer->addWidget(new QLabel(QStringLiteral("to Payroll Checkbook")), 3, 0, 1, 2);
    transfer->setRowStretch(4, 1);
    fraTransfer->setVisible(false);

    auto* sides = new QHBoxLayout(page);
    sides->addLayout(account, 3);
    sides->addSpacing(12);
    sides->addWidget(fraTransfer, 2, Qt::AlignTop);
    return page;
}

QWidget* frmSetup::buildPayrollCheckbookTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    NewControls(txtPayrollBank, page, QStringLiteral("txtPayrollBank"));
    optOverdraft = NewControl<QRadioButton>(page, QStringLiteral("optOverdraft"));
    optOverdraft->setText(QStringLiteral("Use Overdraft Protection"));
    // A lone option: the user must be able to turn it off again.
    optOverdraft->setAutoExclusive(false);
    txtPayrollBank[PayrollBankBox::NextCheck]->setToolTip(QStringLiteral("Next check (Payroll or Tax Payment)"));
    txtPayrollBank[PayrollBankBox::BeginningBalance]->setToolTip(QStringLiteral("Your initial deposit into this account"));
    const std::array<const char*, PayrollBankBox::Count> captions = {"Bank Name", "Account Number", "Current Balance",
                                                 "Next Check #", "Beginning Balance"};
    for (int i = 0; i < PayrollBankBox::Count; ++i)
        AddCaptioned(grid, i, QString::fromLatin1(captions[static_cast<std::size_t>(i)]),
                     txtPayrollBank[static_cast<std::size_t>(i)]);
    grid->addWidget(optOverdraft, 5, 1);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* frmSetup::buildMatchingTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    ck401 = NewControl<QCheckBox>(page, QStringLiteral("ck401"));
    ck401->setText(QStringLiteral("401 k"));
    cboMatching = NewControl<QComboBox>(page, QStringLiteral("cboMatching"));
    cboMatching->setMinimumContentsLength(6);
    // The list shows a stored percent that is none of its entries, as the pay run reads
    // the list's text; the user still only picks entries, and the list never grows.
    cboMatching->setEditable(true);
    cboMatching->lineEdit()->setReadOnly(true);
    cboMatching->setInsertPolicy(QComboBox::NoInsert);
    auto* select = new QLabel(QStringLiteral("Select your matching Contribution (%)"));
    select->setBuddy(cboMatching);
    grid->addWidget(ck401, 0, 0);
    grid->addWidget(NewCaption(QStringLiteral("Click if you offer a 401 k program")), 0, 1);
    grid->addWidget(select, 1, 0, 1, 2);
    grid->addWidget(cboMatching, 2, 0, Qt::AlignLeft);
    grid->addWidget(NewCaption(QStringLiteral("(This is the maximun Percentage of employees Gross Pay")), 3,
                    0, 1, 2);
    grid->addWidget(NewCaption(QStringLiteral("you will contribute each pay period)")), 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* frmSetup::buildAssistanceTab() {
    auto* page = new QWidget;
    fraAssistance = NewControl<QGroupBox>(page, QStringLiteral("fraAssistance"));
    fraAssistance->setTitle(QStringLiteral("Program Assistance"));
    ckPrompts = NewControl<QCheckBox>(fraAssistance, QStringLiteral("ckPrompts"));
    ckPrompts->setText(QStringLiteral("Show Prompts and Confirmations"));
    ckAlarms = NewControl<QCheckBox>(fraAssistance, QStringLiteral("ckAlarms"));
    ckAlarms->setText(QStringLiteral("Sound Alarm on Errors"));
    auto* inFrame = new QVBoxLayout(fraAssistance);
    inFrame->addWidget(ckPrompts);
    inFrame->addWidget(ckAlarms);
    auto* column = new QVBoxLayout(page);
    column->addWidget(fraAssistance);
    column->addStretch(1);
    return page;
}

void frmSetup::buildMenus() {
    mnuSupplier = menuBar()->addMenu(Pages::SupplierName);
    mnuSupplier->setObjectName(QStringLiteral("mnuSupplier"));
    mnuChecks = mnuSupplier->addAction(QStringLiteral("Order Checks"));
    mnuChecks->setObjectName(QStringLiteral("mnuChecks"));
    mnuDeposit = mnuSupplier->addAction(QStringLiteral("Order Deposit Tickets"));
    mnuDeposit->setObjectName(QStringLiteral("mnuDeposit"));
    mnuEnvelopes = mnuSupplier->addAction(QStringLiteral("Buy Envelopes"));
    mnuEnvelopes->setObjectName(QStringLiteral("mnuEnvelopes"));
}

void frmSetup::setUpMoneyBoxes() {
    EmptyZeroOnKeyDown(txtAmount);
    EmptyZeroOnKeyDown(txtPayrollBank[PayrollBankBox::Balance]);
    EmptyZeroOnKeyDown(txtPayrollBank[PayrollBankBox::BeginningBalance]);
    new DecimalKeyFilter(txtPayrollBank[PayrollBankBox::NextCheck]);
    SelectWholeTextOnFocus(txtPayrollBank[PayrollBankBox::NextCheck]);
    txtPayrollBank[PayrollBankBox::Balance]->installEventFilter(this);
    txtPayrollBank[PayrollBankBox::BeginningBalance]->installEventFilter(this);
}

void frmSetup::connectControls() {
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
    connect(cmdTransfer, &QPushButton::clicked, this, [this] { cmdTransfer_Click(); });
    for (int i = 0; i < BankChoice::Count; ++i) {
        QRadioButton* option = optAccount[static_cast<std::size_t>(i)];
        connect(option, &QRadioButton::clicked, this, [this, i] { optAccount_Click(i); });
        // The labels follow the option however it is set (the loaders set it too).
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) showBankOptionLabels(i);
        });
    }
    connect(tabInfo, &QTabWidget::currentChanged, this, [this] { tabInfo_Click(); });
    connect(cboStates, &QComboBox::activated, this, [this] { SelectState(); });
    connect(ck401, &QCheckBox::toggled, this, [](bool on) { Offer401kMatch = on; });
    connect(cboMatching, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) MatchPercent = cboMatching->itemText(index);
    });
    connect(ckDeposit, &QCheckBox::toggled, this, [](bool on) { GeneralAccount().DepositSlips = on ? -1 : 0; });
    // The payroll account's boxes and option write every change into the account.
    connect(optOverdraft, &QRadioButton::toggled, this,
            [](bool on) { PayrollAccount().Overdraft = on ? -1 : 0; });
    const std::array<QString CheckbookInfo::*, 5> fields{&CheckbookInfo::Bank, &CheckbookInfo::Account,
                                                         &CheckbookInfo::Balance, &CheckbookInfo::NextCheck,
                                                         &CheckbookInfo::Deposit};
    for (std::size_t i = 0; i < fields.size(); ++i)
        connect(txtPayrollBank[i], &QLineEdit::textChanged, this,
                [field = fields[i]](const QString& text) { PayrollAccount().*field = text; });
    connect(mnuChecks, &QAction::triggered, this, [this] { mnuChecks_Click(); });
    connect(mnuDeposit, &QAction::triggered, this, [this] { mnuDeposit_Click(); });
    connect(mnuEnvelopes, &QAction::triggered, this, [this] { mnuEnvelopes_Click(); });
}
