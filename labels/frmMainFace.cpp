#include "frmMain.h"

#include "Controls.h"
#include "Tessaly.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace labels {

namespace {

const std::array<const char*, frmMain::ButtonCount> ButtonCaptions = {
    "Select All",          "Clear Al",
    "Find by Criteria",    "Select All",
    "Clear All",           "Cancel",
    "Search ",             "Select All",
    "Clear All",           "Toggle Recipient List",
    "Search by Contract Service", "&Clear All Recipients",
    "Toggle Search",       "Delete Selected  Recipient",
    "Search",              "Load Selected to Customer Labels",
    "Close",               "Clear All",
    "Select All",
};

const std::array<const char*, frmMain::TabCount> TabCaptions = {
    "Instructions", "Print Setup", "Business Labels", "Customer Labels",
    "Vendor Labels", " Statement Labels", "General", "Employee Labels",
};

const char* const Instructions =
    "1. On the Print Setup tab, click the first unprinted label of your sheet of labels "
    "(Avery 8160 or 5260, 30 to a page) and choose the address style.\n\n"
    "2. On the label tabs, select the recipients and choose how many copies of each label to print.\n\n"
    "3. Customer labels can be printed as a mail out set: each customer's label is followed by "
    "your business label, and by a second one for a return envelope.\n\n"
    "4. Click Print on the Print Setup tab. Each full sheet prints as a print job of its own.";

template <class W> W* Captioned(QWidget* parent, const QString& name, const QString& caption) {
    W* control = NewControl<W>(parent, name);
    control->setText(caption);
    return control;
}

QListWidget* NewList(QWidget* parent, const QString& name, bool multiple) {
    auto* list = NewControl<QListWidget>(parent, name);
    list->setSelectionMode(multiple ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    return list;
}

// A copies list: short, one number a row.
QWidget* CopiesBox(QWidget* parent, QListWidget* list) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Copies of each"), box);
    caption->setBuddy(list);
    column->addWidget(caption);
    list->setParent(box);
    list->setFixedWidth(caption->sizeHint().width());
    list->setMinimumHeight(list->fontMetrics().height() * 6);
    column->addWidget(list, 1);
    return box;
}

} // namespace

frmMain::frmMain() : Screen(QStringLiteral("frmMain"), TessalyName) {
    setWindowTitle(QStringLiteral("Marrowby Main Screen"));
    buildFace();
    connectControls();
}

void frmMain::buildFace() {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    for (size_t i = 0; i < Command1.size(); ++i)
        Command1[i] = Captioned<QPushButton>(face, ControlName(QStringLiteral("Command1"), int(i)),
                                             QString::fromLatin1(ButtonCaptions[i]));
    for (size_t i = 0; i < lstLabelsNeeded.size(); ++i)
        lstLabelsNeeded[i] = NewList(face, ControlName(QStringLiteral("lstLabelsNeeded"), int(i)), false);

    SSTab1 = NewControl<QTabWidget>(face, QStringLiteral("SSTab1"));
    const std::array<QWidget*, TabCount> pages = {instructionsPage(), printSetupPage(), businessPage(),
                                                  customerPage(),     vendorPage(),     statementPage(),
                                                  generalPage(),      employeePage()};
    for (size_t i = 0; i < pages.size(); ++i)
        SSTab1->addTab(pages[i], QString::fromLatin1(TabCaptions[i]));
    // Every tab in sight: the screen is as wide as its row of tabs.
    SSTab1->tabBar()->setUsesScrollButtons(false);

    cmdLabel = Captioned<QPushButton>(face, QStringLiteral("cmdLabel"), QStringLiteral("&Exit"));
    auto* page = new QVBoxLayout(face);
    page->addWidget(SSTab1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdLabel);
    page->addLayout(bottom);

    mnuLabels = menuBar()->addAction(QStringLiteral("Address Labels"));
    mnuLabels->setObjectName(QStringLiteral("mnuLabels"));
}

QWidget* frmMain::instructionsPage() {
    auto* page = new QWidget;
    auto* text = new QLabel(QString::fromLatin1(Instructions), page);
    text->setObjectName(QStringLiteral("lblInstructions"));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* column = new QVBoxLayout(page);
    column->addWidget(text, 1);
    return page;
}

QWidget* frmMain::printSetupPage() {
    auto* page = new QWidget;
    Frame1 = NewControl<QGroupBox>(page, QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("Click on the first unprinted Label"));
    auto* sheet = new QGridLayout(Frame1);
    NewControls(txtPrintLabel, Frame1, QStringLiteral("txtPrintLabel"));
    for (size_t i = 0; i < txtPrintLabel.size(); ++i) {
        QLineEdit* box = txtPrintLabel[i];
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        box->setText(QString::number(i + 1));
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) * 3);
        AnswerClick(box, [this, i] { txtPrintLabel_Click(int(i)); });
        sheet->addWidget(box, int(i) / LabelColumns, int(i) % LabelColumns);
    }
    txtPrintLabel_Click(0);

    auto* sheetType = new QLabel(QStringLiteral("Avery 8160 or 5260"), page);
    sheetType->setObjectName(QStringLiteral("lblSheetType"));
    optStyle[0] = Captioned<QRadioButton>(page, ControlName(QStringLiteral("optStyle"), 0), QStringLiteral("USA Style"));
    optStyle[1] = Captioned<QRadioButton>(page, ControlName(QStringLiteral("optStyle"), 1),
                                          QStringLiteral("International Style"));
    optStyle[0]->setChecked(true);
    ckReturn = Captioned<QCheckBox>(page, QStringLiteral("ckReturn"),
                                    QStringLiteral("Tick to Print a Sheet of Your Business Labels first"));
    lblFullSheet = Captioned<QLabel>(page, ControlName(QStringLiteral("Label3"), 10),
                                     QStringLiteral("Insert a Full sheet of"));
    lblFullSheet->hide();
    ckClear = Captioned<QCheckBox>(page, QStringLiteral("ckClear"), QStringLiteral("Clear ALL Selections after Printing"));
    cmdContinue = Captioned<QPushButton>(page, QStringLiteral("cmdContinue"), QStringLiteral("&Print"));

    auto* options = new QVBoxLayout;
    options->addWidget(sheetType);
    options->addSpacing(8);
    options->addWidget(optStyle[0]);
    options->addWidget(optStyle[1]);
    options->addSpacing(8);
    options->addWidget(ckReturn);
    options->addWidget(lblFullSheet);
    options->addWidget(ckClear);
    options->addStretch(1);
    options->addWidget(cmdContinue, 0, Qt::AlignLeft);
    auto* row = new QHBoxLayout(page);
    row->addWidget(Frame1);
    row->addLayout(options, 1);
    return page;
}

QWidget* frmMain::businessPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const std::array<const char*, 6> captions = {"Name", "Address", "Apt/Suite/PO Box", "City", "State", "Zip Code"};
    const std::array<const char*, 6> names = {"txtName", "txtAddress", "txtPOBox", "txtCity", "txtSt", "txtZip"};
    std::array<QLineEdit**, 6> boxes = {&txtName, &txtAddress, &txtPOBox, &txtCity, &txtSt, &txtZip};
    for (size_t i = 0; i < boxes.size(); ++i) {
        *boxes[i] = NewControl<QLineEdit>(page, QString::fromLatin1(names[i]));
        (*boxes[i])->setReadOnly(true);
        lblAddress[i] = Captioned<QLabel>(page, ControlName(QStringLiteral("lblAddress"), int(i)),
                                          QString::fromLatin1(captions[i]));
        lblAddress[i]->setBuddy(*boxes[i]);
        grid->addWidget(lblAddress[i], int(i), 0);
        grid->addWidget(*boxes[i], int(i), 1);
    }
    txtSt->setMaxLength(2);
    txtSt->setMaximumWidth(txtSt->fontMetrics().horizontalAdvance(u'W') * 4);
    txtName->setMinimumWidth(txtName->fontMetrics().horizontalAdvance(u'W') * 30);
    auto* note = new QLabel(QStringLiteral("Business Data cannot be modified"), page);
    note->setObjectName(QStringLiteral("lblNote"));
    grid->addWidget(note, int(boxes.size()), 1);
    grid->setRowStretch(int(boxes.size()) + 1, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* frmMain::sourcePage(QListWidget* list, int copies, std::initializer_list<int> buttons, QWidget* extra) {
    auto* page = new QWidget;
    list->setParent(page);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(30, u'n')));
    auto* side = new QVBoxLayout;
    for (int b : buttons) {
        Command1[size_t(b)]->setParent(page);
        side->addWidget(Command1[size_t(b)]);
    }
    side->addStretch(1);
    auto* row = new QHBoxLayout(page);
    row->addWidget(list, 2);
    row->addWidget(CopiesBox(page, lstLabelsNeeded[size_t(copies)]));
    row->addLayout(side);
    if (extra) row->addWidget(extra, 3);
    return page;
}

QWidget* frmMain::customerPage() {
    lstAccounts = NewList(nullptr, QStringLiteral("lstAccounts"), true);
    auto* extra = new QWidget;
    ckMailingSet = Captioned<QCheckBox>(extra, QStringLiteral("ckMailingSet"), QStringLiteral("Print a Mail Out Set"));
    ckReturnLabel = Captioned<QCheckBox>(extra, QStringLiteral("ckReturnLabel"), QStringLiteral("a Return Envelope Label"));
    ck2ndAddress = Captioned<QCheckBox>(extra, QStringLiteral("ck2ndAddress"), QStringLiteral("Print Secondary Address"));
    ckReset = Captioned<QCheckBox>(extra, QStringLiteral("ckReset"), QStringLiteral("TICK to CLEAR ALL Previous Search Results"));
    ckReset->setChecked(true);
    auto* column = new QVBoxLayout(extra);
    column->setContentsMargins(0, 0, 0, 0);
    for (QCheckBox* box : {ckMailingSet, ckReturnLabel, ck2ndAddress, ckReset})
        column->addWidget(box);
    column->addWidget(searchFrame());
    column->addWidget(recipientsFrame());
    column->addStretch(1);
    fraSearch->hide();
    fraRecipients->hide();
    return sourcePage(lstAccounts, CustomerCopies, {2, 3, 4, 9}, extra);
}

QGroupBox* frmMain::searchFrame() {
    fraSearch = NewControl<QGroupBox>(nullptr, QStringLiteral("fraSearch"));
    fraSearch->setTitle(QStringLiteral("Search"));
    txtSearchfor = NewControl<QLineEdit>(fraSearch, QStringLiteral("txtSearchfor"));
    const std::array<const char*, SearchOptionCount> fields = {" Name", "Address", "City", "State", "Zip Code"};
    auto* options = new QHBoxLayout;
    for (size_t k = 0; k < optSearch.size(); ++k) {
        optSearch[k] = Captioned<QRadioButton>(fraSearch, ControlName(QStringLiteral("optSearch"), int(k)),
                                               QString::fromLatin1(fields[k]));
        options->addWidget(optSearch[k]);
    }
    optSearch[0]->setChecked(true);
    auto* buttons = new QHBoxLayout;
    for (int b : {6, 5, 12}) {
        Command1[size_t(b)]->setParent(fraSearch);
        buttons->addWidget(Command1[size_t(b)]);
    }
    buttons->addStretch(1);

    fraServices = NewControl<QGroupBox>(fraSearch, QStringLiteral("fraServices"));
    fraServices->setTitle(QStringLiteral("Contract Services"));
    lstServices = NewList(fraServices, QStringLiteral("lstServices"), false);
    Command1[10]->setParent(fraServices);
    auto* services = new QVBoxLayout(fraServices);
    services->addWidget(lstServices);
    services->addWidget(Command1[10], 0, Qt::AlignLeft);

    fraBilling = NewControl<QGroupBox>(fraSearch, QStringLiteral("fraBilling"));
    fraBilling->setTitle(QStringLiteral("Billing Cycle"));
    lstFrequency = NewList(fraBilling, QStringLiteral("lstFrequency"), false);
    lstMonth = NewList(fraBilling, QStringLiteral("lstMonth"), false);
    Command1[14]->setParent(fraBilling);
    auto* billing = new QGridLayout(fraBilling);
    billing->addWidget(lstFrequency, 0, 0);
    billing->addWidget(lstMonth, 0, 1);
    billing->addWidget(Command1[14], 1, 0, Qt::AlignLeft);
    fraBilling->hide();

    auto* column = new QVBoxLayout(fraSearch);
    auto* caption = new QLabel(QStringLiteral("Search for"), fraSearch);
    caption->setBuddy(txtSearchfor);
    column->addWidget(caption);
    column->addWidget(txtSearchfor);
    column->addLayout(options);
    column->addLayout(buttons);
    column->addWidget(fraServices);
    column->addWidget(fraBilling);
    return fraSearch;
}

QGroupBox* frmMain::recipientsFrame() {
    fraRecipients = NewControl<QGroupBox>(nullptr, QStringLiteral("fraRecipients"));
    fraRecipients->setTitle(QStringLiteral("Recipients"));
    lstRecipients = NewList(fraRecipients, QStringLiteral("lstRecipients"), false);
    auto* buttons = new QHBoxLayout;
    for (int b : {13, 11, 16}) {
        Command1[size_t(b)]->setParent(fraRecipients);
        buttons->addWidget(Command1[size_t(b)]);
    }
    auto* column = new QVBoxLayout(fraRecipients);
    column->addWidget(lstRecipients);
    column->addLayout(buttons);
    return fraRecipients;
}

QWidget* frmMain::vendorPage() {
    lstVendors = NewList(nullptr, QStringLiteral("lstVendors"), true);
    return sourcePage(lstVendors, VendorCopies, {7, 8});
}

QWidget* frmMain::statementPage() {
    lstStatementNames = NewList(nullptr, QStringLiteral("lstStatementNames"), true);
    auto* extra = new QWidget;
    ckDeleteStatementList = Captioned<QCheckBox>(extra, QStringLiteral("ckDeleteStatementList"),
                                                 QStringLiteral("After Selecting, DELETE Statement List"));
    Command1[15]->setParent(extra);
    auto* column = new QVBoxLayout(extra);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Command1[15], 0, Qt::AlignLeft);
    column->addWidget(ckDeleteStatementList);
    column->addStretch(1);
    auto* page = new QWidget;
    lstStatementNames->setParent(page);
    auto* side = new QVBoxLayout;
    for (int b : {0, 1}) {
        Command1[size_t(b)]->setParent(page);
        side->addWidget(Command1[size_t(b)]);
    }
    side->addStretch(1);
    auto* row = new QHBoxLayout(page);
    row->addWidget(lstStatementNames, 2);
    row->addLayout(side);
    extra->setParent(page);
    row->addWidget(extra, 2);
    return page;
}

QWidget* frmMain::generalPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    NewControls(txtGeneral, page, QStringLiteral("txtGeneral"));
    for (size_t i = 0; i < txtGeneral.size(); ++i) {
        auto* caption = new QLabel(QStringLiteral("Line %1").arg(i + 1), page);
        caption->setBuddy(txtGeneral[i]);
        grid->addWidget(caption, int(i), 0);
        grid->addWidget(txtGeneral[i], int(i), 1);
    }
    txtGeneral[0]->setMinimumWidth(txtGeneral[0]->fontMetrics().horizontalAdvance(u'W') * 30);
    cmdGeneral = Captioned<QPushButton>(page, QStringLiteral("cmdGeneral"), QStringLiteral("Clear"));
    grid->addWidget(cmdGeneral, int(txtGeneral.size()), 1, Qt::AlignLeft);
    grid->setRowStretch(int(txtGeneral.size()) + 1, 1);
    auto* row = new QHBoxLayout(page);
    row->addLayout(grid, 2);
    row->addWidget(CopiesBox(page, lstLabelsNeeded[GeneralCopies]));
    row->addStretch(1);
    return page;
}

QWidget* frmMain::employeePage() {
    lstEmployees = NewList(nullptr, QStringLiteral("lstEmployees"), true);
    return sourcePage(lstEmployees, EmployeeCopies, {18, 17});
}

void frmMain::connectControls() {
    for (size_t i = 0; i < Command1.size(); ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(int(i)); });
    connect(ckMailingSet, &QCheckBox::toggled, this, &frmMain::ckMailingSet_Click);
    connect(ckReturnLabel, &QCheckBox::toggled, this, &frmMain::ckReturnLabel_Click);
    connect(ckReturn, &QCheckBox::toggled, this, &frmMain::ckReturn_Click);
    connect(cmdGeneral, &QPushButton::clicked, this, &frmMain::cmdGeneral_Click);
    for (QRadioButton* option : optSearch)
        connect(option, &QRadioButton::clicked, this, &frmMain::optSearch_Click);
    for (size_t i = 0; i < optStyle.size(); ++i)
        connect(optStyle[i], &QRadioButton::clicked, this, [this, i] { optStyle_Click(int(i)); });
    connect(mnuLabels, &QAction::triggered, this, &frmMain::mnuLabels_Click);
    connect(cmdLabel, &QPushButton::clicked, this, &frmMain::cmdLabel_Click);
    connect(cmdContinue, &QPushButton::clicked, this, &frmMain::cmdContinue_Click);
}

} // namespace labels
