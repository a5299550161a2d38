#include "frmStartup.h"

#include "Controls.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dialogs.h"
#include "ExitProgram.h"
#include "FileErrors.h"
#include "MenuRoutines.h"
#include "Picture.h"
#include "Records.h"
#include "Suppliers.h"
#include "WebPage.h"
#include "frmAbout.h"
#include "frmSetup.h"

#include <QAction>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

namespace {

const std::array<const char*, RoutineCount> RoutineCaptions = {
    "Create/Manage &Employee Records", "&Backup or Restore Files",        "&Create  a Payroll",
    "&Generate Payroll Reports",       "Generate Employee &Reports",      "Create/&Modify &Tax Files",
    "&Print New Employee Worksheet",   "Delete Payroll (Made in Error) ",
};

const std::array<const char*, frmStartup::LabelCount> LabelCaptions = {
    "Kestrova Sub-routines",    "Select Routine Then Click    >",
    "Create/Manage a Payroll ", "(or Practice Payrolls)",
    "Reports and Files",
};

} // namespace

frmStartup::frmStartup() : Screen(QStringLiteral("frmStartup"), QStringLiteral("Payroll")) {
    setWindowTitle(QStringLiteral("Kestrova Main Menu"));
    buildFace();
    buildMenus();
    connectControls();
}

void frmStartup::buildFace() {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    for (std::size_t i = 0; i < Label.size(); ++i) {
        Label[i] = NewControl<QLabel>(face, ControlName(QStringLiteral("Label"), int(i)));
        Label[i]->setText(QString::fromLatin1(LabelCaptions[i]));
    }
    QFont heading = Label[Heading]->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    Label[Heading]->setFont(heading);
    for (QLabel* section : {Label[PayrollSection], Label[ReportsSection]}) {
        QFont bold = section->font();
        bold.setBold(true);
        section->setFont(bold);
    }
    Image1 = NewControl<ClickablePicture>(face, QStringLiteral("Image1"));
    Image1->setPixmap(KestrovaLogo(64));
    Image1->setToolTip(QStringLiteral("Click to Show Setup Screen"));

    routines_ = new QButtonGroup(this);
    NewControls(optProgramRoutine, face, QStringLiteral("optProgramRoutine"));
    for (std::size_t i = 0; i < optProgramRoutine.size(); ++i) {
        optProgramRoutine[i]->setText(QString::fromLatin1(RoutineCaptions[i]));
        optProgramRoutine[i]->installEventFilter(this);
        routines_->addButton(optProgramRoutine[i], int(i));
    }
    cmdStart = NewControl<QPushButton>(face, QStringLiteral("cmdStart"));
    cmdStart->setText(QStringLiteral("&Goto"));
    cmdStart->setToolTip(QStringLiteral("Starts the Selected Routine"));
    layOut(face);
}

void frmStartup::layOut(QWidget* face) {
    auto* header = new QHBoxLayout;
    header->addWidget(Image1);
    header->addWidget(Label[Heading], 1);

    // Payroll work on the left, reports and files on the right.
    auto* routines = new QGridLayout;
    routines->addWidget(Label[PayrollSection], 0, 0);
    routines->addWidget(Label[PracticeNote], 1, 0);
    routines->addWidget(Label[ReportsSection], 0, 1);
    int row = 2;
    using namespace Routine;
    for (int i : {EmployeeRecords, CreatePayroll, TaxFiles, NewEmployeeWorksheet, DeletePayroll})
        routines->addWidget(optProgramRoutine[std::size_t(i)], row++, 0);
    routines->setRowStretch(row, 1);
    row = 2;
    for (int i : {BackupRestore, PayrollReports, EmployeeReports})
        routines->addWidget(optProgramRoutine[std::size_t(i)], row++, 1);
    routines->setHorizontalSpacing(32);

    auto* start = new QHBoxLayout;
    start->addStretch(1);
    start->addWidget(Label[SelectHint]);
    start->addWidget(cmdStart);

    auto* page = new QVBoxLayout(face);
    page->addLayout(header);
    page->addSpacing(8);
    page->addLayout(routines, 1);
    page->addLayout(start);

    QWidget* previous = optProgramRoutine[Routine::EmployeeRecords];
    for (std::size_t i = 1; i < optProgramRoutine.size(); ++i) {
        setTabOrder(previous, optProgramRoutine[i]);
        previous = optProgramRoutine[i];
    }
    setTabOrder(previous, cmdStart);
}

void frmStartup::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    mnuFiles = menuBar()->addMenu(QStringLiteral("Files"));
    mnuFiles->setObjectName(QStringLiteral("mnuFiles"));
    mnuShowSetup = action(mnuFiles, "mnuShowSetup", "Show Setup");
    mnuExit = action(mnuFiles, "mnuExit", "Exit");
    mnuOrderForms = menuBar()->addMenu(QStringLiteral("Order Forms"));
    mnuOrderForms->setObjectName(QStringLiteral("mnuOrderForms"));
    mnuSupplier = mnuOrderForms->addMenu(Pages::SupplierName);
    mnuSupplier->setObjectName(QStringLiteral("mnuSupplier"));
    mnuChecks = action(mnuSupplier, "mnuChecks", "Checks");
    mnuDeposit = action(mnuSupplier, "mnuDeposit", "Deposit Slips");
    mnuEnvelopes = action(mnuSupplier, "mnuEnvelopes", "Envelopes");
    mnuW2 = action(mnuOrderForms, "mnuW2", "W2 Forms");
    mnuAbout = menuBar()->addAction(QStringLiteral("About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmStartup::connectControls() {
    connect(cmdStart, &QPushButton::clicked, this, &frmStartup::cmdStart_Click);
    connect(Image1, &ClickablePicture::clicked, this, &frmStartup::Image1_Click);
    connect(mnuShowSetup, &QAction::triggered, this, &frmStartup::mnuShowSetup_Click);
    connect(mnuExit, &QAction::triggered, this, &frmStartup::mnuExit_Click);
    connect(mnuChecks, &QAction::triggered, this, &frmStartup::mnuChecks_Click);
    connect(mnuDeposit, &QAction::triggered, this, &frmStartup::mnuDeposit_Click);
    connect(mnuEnvelopes, &QAction::triggered, this, &frmStartup::mnuEnvelopes_Click);
    connect(mnuW2, &QAction::triggered, this, &frmStartup::mnuW2_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmStartup::mnuAbout_Click);
}

// ---- Routines ----------------------------------------------------------------------------------

void frmStartup::Form_Activate() {
    EnableRoutines();
}

void frmStartup::EnableRoutines() {
    using namespace Routine;
    for (int i : {EmployeeRecords, BackupRestore, TaxFiles, NewEmployeeWorksheet, DeletePayroll})
        optProgramRoutine[std::size_t(i)]->setEnabled(true);
    optProgramRoutine[Routine::PayrollReports]->setEnabled(false);
    const bool employees = FileExists(EmployeeFile);
    optProgramRoutine[Routine::CreatePayroll]->setEnabled(employees);
    optProgramRoutine[Routine::EmployeeReports]->setEnabled(employees);
    optProgramRoutine[employees ? CreatePayroll : EmployeeRecords]->setChecked(true);
    try {
        if (FileExists(SummaryRecordsFile) &&
            RecordCount(SummaryRecordsFile, SummaryRecord::Length) >= 1)
            optProgramRoutine[Routine::PayrollReports]->setEnabled(true);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

int frmStartup::SelectedRoutine() const {
    for (std::size_t i = 0; i < optProgramRoutine.size(); ++i)
        if (optProgramRoutine[i]->isChecked()) return int(i);
    return -1;
}

void frmStartup::cmdStart_Click() {
    const int routine = SelectedRoutine();
    if (routine < 0) return;
    const ShowRoutine showScreen = RoutineScreen(routine);
    if (showScreen == nullptr) return;
    Hide();
    showScreen();
}

void frmStartup::optProgramRoutine_DblClick(int index) {
    if (!optProgramRoutine[std::size_t(index)]->isEnabled()) return;
    optProgramRoutine[std::size_t(index)]->setChecked(true);
    cmdStart_Click();
}

bool frmStartup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (std::size_t i = 0; i < optProgramRoutine.size(); ++i) {
            if (watched != optProgramRoutine[i]) continue;
            optProgramRoutine_DblClick(int(i));
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

// ---- Pictures and menus -------------------------------------------------------------------------

void frmStartup::Image1_Click() {
    mnuShowSetup_Click();
}

void frmStartup::mnuShowSetup_Click() {
    Hide();
    ShowScreen<frmSetup>();
}

void frmStartup::mnuExit_Click() {
    ExitProgram();
}

void frmStartup::mnuChecks_Click() {
    if (MsgBox(Pages::OrderChecksMessage(), MsgButtons::OKCancel) != MsgAnswer::OK) return;
    ConnecttoInternet(Pages::LaserChecks);
}

void frmStartup::mnuDeposit_Click() {
    MsgBox(QStringLiteral("Deposit Tickets are # 80200"));
    ConnecttoInternet(Pages::DepositTickets);
}

void frmStartup::mnuEnvelopes_Click() {
    MsgBox(QStringLiteral("Deposit Envelopes are # 91500"));
    ConnecttoInternet(Pages::Envelopes);
}

void frmStartup::mnuW2_Click() {
    ConnecttoInternet(Pages::W2Forms);
}

void frmStartup::mnuAbout_Click() {
    Hide();
    ShowScreen<frmAbout>();
}
