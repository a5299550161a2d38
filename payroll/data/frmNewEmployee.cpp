#include "frmNewEmployee.h"

#include "Controls.h"
#include "Dialogs.h"
#include "MainMenu.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "Suppliers.h"
#include "WebPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString W4Title = QStringLiteral("On-Line W-4");

QLabel* Note(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

void PrintHeading(const QString& text) {
    SetPrintFont(12, true, true);
    SetPrintPosition(1.0f, 0);
    ThePrinter().print(text);
    ThePrinter().print();
}

void PrintFieldLine(const QString& label) {
    SetPrintPosition(1.0f, 0);
    ThePrinter().printSameLine(label);
    PrintBlankLine(3.5f, 60);
}

void PrintCircleLine(const QString& label) {
    SetPrintPosition(1.0f, 0);
    ThePrinter().printSameLine(label);
    SetPrintPosition(3.5f, 0);
    ThePrinter().print(QStringLiteral("Circle   YES   or   NO"));
    ThePrinter().print();
}

void PrintFieldLines(std::initializer_list<const char*> labels) {
    SetPrintFont(10, true, false);
    for (const char* label : labels)
        PrintFieldLine(QString::fromLatin1(label));
}

} // namespace

void PrintBlankLine(float x, int count) {
    SetPrintPosition(x, 0);
    ThePrinter().print(QString(count, u'_'));
    ThePrinter().print();
}

frmNewEmployee::frmNewEmployee() : Screen(QStringLiteral("frmNewEmployee"), QStringLiteral("Payroll")) {
    setWindowTitle(QStringLiteral("New Employee"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* column = new QVBoxLayout(face);

    auto* worksheet = new QGroupBox(face);
    auto* sheet = new QVBoxLayout(worksheet);
    sheet->addWidget(Note(QStringLiteral("Create a blank New Employee Form")));
    sheet->addWidget(Note(QStringLiteral("The Blank Form will be prepared by the Employee")));
    sheet->addWidget(Note(QStringLiteral("Use the completed form to create a New Employee Record")));
    sheet->addSpacing(8);
    sheet->addWidget(Note(QStringLiteral("You can add Return to Info:")));
    ckReturn = NewControl<QCheckBox>(worksheet, QStringLiteral("ckReturn"));
    ckReturn->setText(QStringLiteral("Check this Box to Add Return Info"));
    sheet->addWidget(ckReturn);
    auto* returnCaption = Note(QStringLiteral("Select or Enter Return to Info"));
    sheet->addWidget(returnCaption);
    cboReturnto = NewControl<QComboBox>(worksheet, QStringLiteral("cboReturnto"));
    cboReturnto->setEditable(true);
    cboReturnto->lineEdit()->setPlaceholderText(QStringLiteral("Return To Info"));
    SelectWholeTextOnFocus(cboReturnto->lineEdit());
    cboReturnto->setToolTip(QStringLiteral("Return To Info"));
    returnCaption->setBuddy(cboReturnto);
    sheet->addWidget(cboReturnto);
    sheet->addSpacing(8);
    sheet->addWidget(Note(QStringLiteral("Create Multiple forms using the Print Selection Screen ")));
    column->addWidget(worksheet);

    auto* w4 = new QGroupBox(face);
    auto* w4Notes = new QVBoxLayout(w4);
    w4Notes->addWidget(Note(QStringLiteral("To prepare a W-4 Form  for a new employee,")));
    w4Notes->addWidget(Note(QStringLiteral("Click (Menu above) Prepare W-4 Form")));
    w4Notes->addWidget(Note(QStringLiteral("You can Print the W-4 Form after completing it")));
    column->addWidget(w4);

    auto* buttons = new QHBoxLayout;
    static const char* const captions[] = {"&Menu", "&Print a Blank Form"};
    for (int i = 0; i < NewEmployeeButton::Count; ++i) {
        cmdNewEmp[i] = NewControl<QPushButton>(face, ControlName(QStringLiteral("cmdNewEmp"), i));
        cmdNewEmp[i]->setText(QString::fromLatin1(captions[i]));
        connect(cmdNewEmp[i], &QPushButton::clicked, this, [this, i] { cmdNewEmp_Click(i); });
    }
    buttons->addWidget(cmdNewEmp[NewEmployeeButton::PrintForm]);
    buttons->addStretch();
    buttons->addWidget(cmdNewEmp[NewEmployeeButton::Menu]);
    column->addLayout(buttons);
    column->addStretch();
    QWidget::setTabOrder(ckReturn, cboReturnto);
    QWidget::setTabOrder(cboReturnto, cmdNewEmp[NewEmployeeButton::PrintForm]);
    QWidget::setTabOrder(cmdNewEmp[NewEmployeeButton::PrintForm], cmdNewEmp[NewEmployeeButton::Menu]);

    mnuW4 = new QAction(QStringLiteral("Prepare W-4 Form"), this);
    mnuW4->setObjectName(QStringLiteral("mnuW4"));
    menuBar()->addAction(mnuW4);
    connect(mnuW4, &QAction::triggered, this, &frmNewEmployee::mnuW4_Click);
    resize(520, 400);
}

void frmNewEmployee::Form_Load() {
    cboReturnto->clear();
    cboReturnto->addItem(QStringLiteral("Return Completed Form to the Office"));
    cboReturnto->addItem(QStringLiteral("Return Completed Form to your Supervisor"));
    cboReturnto->setCurrentIndex(0);
}

void frmNewEmployee::cmdNewEmp_Click(int index) {
    if (index == NewEmployeeButton::Menu) {
        ShowMainMenu();
        Unload();
    } else if (index == NewEmployeeButton::PrintForm) {
        PrintNewEmployeeForm();
    }
}

void frmNewEmployee::mnuW4_Click() {
    if (MsgBox(QStringLiteral("Click YES to Prepare a W-4 Form On-line"), MsgButtons::YesNo, W4Title) !=
        MsgAnswer::Yes)
        return;
    MsgBox(QStringLiteral("Connection may take some time"), MsgButtons::OK, W4Title);
    ConnecttoInternet(Pages::IrsW4);
}

void frmNewEmployee::PrintNewEmployeeForm() {
    RunPrintJob([this] { printPage(); });
}

void frmNewEmployee::printPage() {
    ShowPrinterDialog();
    SetupPrinter(QStringLiteral("Portrait"));
    Printer& printer = ThePrinter();

    SetPrintFont(14, true, true);
    printer.print();
    const QString title = QStringLiteral("New Employee Summary");
    printer.setCurrentX(printer.scaleWidth() / 2 - printer.textWidth(title) / 2);
    printer.print(title);
    printer.print();
    printer.print();

    PrintHeading(QStringLiteral("Personal Information"));
    PrintFieldLines(
        {"Name", "Address", "Apt (etc)", "City", "State", "Zip Code", "Home Phone", "Cell Phone"});
    printer.print();
    PrintHeading(QStringLiteral("Emegency Contact Information"));
    PrintFieldLines({"Emegency Contact (Name)", "Emegency Contact (Number)"});
    printer.print();
    PrintHeading(QStringLiteral("Withholding Information"));
    PrintFieldLines({"Social Security No"});
    PrintCircleLine(QStringLiteral("US Citizen"));
    PrintFieldLines({"Marital Status", "Total Dependents to Claim"});
    PrintCircleLine(QStringLiteral("Participate in 401k Plan"));
    PrintCircleLine(QStringLiteral("Participate in Insurance Plan"));

    if (ckReturn->isChecked()) {
        SetPrintFont(12, true, false);
        printer.print();
        printer.print();
        SetPrintPosition(1.0f, 0);
        printer.print(cboReturnto->currentText());
    }
    printer.endDoc();
}
