#include "frmPurge.h"

#include "Checking.h"
#include "Controls.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "MainMenu.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "Purge.h"
#include "Register.h"
#include "frmSetup.h"

#include <QColor>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

struct ButtonText {
    const char* caption;
    const char* hint;
};
constexpr ButtonText Buttons[PurgeButton::Count] = {
    {"Menu", ""},
    {"Purge All Payroll Records", "Danger! - Purges ALL Payroll Records"},
    {"Purge Dated Payroll", "Purges payroll for selected date"},
    {"&Exit w/o Voiding", "Checks will not be voided"},
    {"&Void Check Entries", "All listed checks will be voided"},
};

const QString RestartText = QStringLiteral("You must restart the program");
const QString CompletePurgeTitle = QStringLiteral("Complete Purge");
const QString VoidChecksTitle = QStringLiteral("Void Checks");

bool Yes(const QString& text, const QString& title) {
    return MsgBox(text, MsgButtons::YesNo, title) == MsgAnswer::Yes;
}

// Where the user really changes each account's balance.
QString AccountPlace(bool payrollAccount) {
    return payrollAccount ? QStringLiteral("on the Payroll Checkbook tab of the Setup screen")
                          : QStringLiteral("in Ambleton, which keeps your general checking account");
}

// The setup screen shows the account as credited.
void ShowCreditedAccount(bool payrollAccount) {
    if (payrollAccount)
        ShowPayrollAccount();
    else
        ReportFileErrors(LoadCheckbookInfo);
}

// The credit a stopped void left owed, as settled now.
void TellEarlierCredit(const AccountCredit& credit) {
    ShowCreditedAccount(credit.payrollAccount);
    const QString amount = CurrencyText(credit.amount);
    if (credit.made == CreditMade::Credited)
        MsgBox(
            QStringLiteral("Your Checkbook Balance has been credited %1 for the checks of %2 voided earlier")
                .arg(amount, credit.checkDate),
            MsgButtons::OK, QStringLiteral("Purging Completed"));
    else if (credit.made == CreditMade::Unsure)
        MsgBox(QStringLiteral(
                   "The checks of %1 were voided earlier, but their credit of %2 may not have reached "
                   "your Checkbook Balance: the balance has changed since (it is now %3).\r\n"
                   "Check it, and if the credit is not in it, add %2 %4.")
                   .arg(credit.checkDate, amount, credit.balance, AccountPlace(credit.payrollAccount)),
               MsgButtons::OK, QStringLiteral("Void Checks"));
}

const QString CreditStaysOwed =
    QStringLiteral("The credit stays owed to your Checkbook Balance, and is made the next "
                   "time you open the Payroll Purge screen.");

// A purge that a file error stopped part-way: what it was, and that running it again
// finishes it (every step of it can run twice).
void ReportStoppedPurge(const FileError& error, const QString& again) {
    MsgBox(error.userMessage() + QStringLiteral("\r\n\r\nThe purge stopped before it was complete.\r\n") + again,
           MsgButtons::OK, QStringLiteral("File Error"));
}

} // namespace

frmPurge::frmPurge() : Screen(QStringLiteral("frmPurge"), QStringLiteral("Payroll")) {
    buildControls();
}

void frmPurge::buildControls() {
    setWindowTitle(QStringLiteral("Payroll Purge"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* column = new QVBoxLayout(face);

    for (int i = 0; i < PurgeButton::Count; ++i) {
        QPushButton*& button = cmdPurge[static_cast<std::size_t>(i)];
        button = NewControl<QPushButton>(face, ControlName(QStringLiteral("cmdPurge"), i));
        button->setText(QString::fromLatin1(Buttons[i].caption));
        button->setToolTip(QString::fromLatin1(Buttons[i].hint));
        connect(button, &QPushButton::clicked, this, [this, i] { cmdPurge_Click(i); });
    }
    DTPicker1 = NewControl<QDateEdit>(face, QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    DTPicker1->setAccessibleName(QStringLiteral("Pay date to purge"));

    // What to do first, read left to right: the date, then its purge.
    auto* steps = new QLabel(QStringLiteral("To remove a payroll made in error, first choose its pay date, "
                                            "then click Purge Dated Payroll."),
                             face);
    steps->setObjectName(QStringLiteral("lblSteps"));
    column->addWidget(steps);
    auto* caption = new QLabel(QStringLiteral("&Pay Date of the Payroll:"), face);
    caption->setObjectName(QStringLiteral("lblPayDate"));
    caption->setBuddy(DTPicker1);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(DTPicker1);
    top->addWidget(cmdPurge[PurgeButton::PurgeDated]);
    top->addStretch();
    top->addWidget(cmdPurge[PurgeButton::PurgeAll]);
    top->addWidget(cmdPurge[PurgeButton::Menu]);
    column->addLayout(top);

    fraVoidChecks = NewControl<QGroupBox>(face, QStringLiteral("fraVoidChecks"));
    fraVoidChecks->setTitle(QStringLiteral("Payroll Checks This Date"));
    auto* frame = new QGridLayout(fraVoidChecks);
    fgRegister = NewControl<FlexGrid>(fraVoidChecks, QStringLiteral("fgRegister"));
    fgRegister->setFormatString(QStringLiteral(
        "^Void|^Check   |^Pay Date      |<Name                                       |^Amount     "
        "|^Category                      |^Status              |>Rec"));
    fgRegister->setSelectionMode(FlexGrid::SelectionByRow);
    // A payee's whole name and a large check are wider than their headings.
    fgRegister->setColWidth(RegisterCol::Name, fgRegister->colWidth(RegisterCol::Name) * 5 / 4);
    fgRegister->setColWidth(RegisterCol::Amount, fgRegister->colWidth(RegisterCol::Amount) * 3 / 2);
    connect(fgRegister, &FlexGrid::clicked, this, &frmPurge::fgRegister_Click);
    frame->addWidget(fgRegister, 0, 0, 1, 3);

    const char* const instructions[] = {"Click the VOID Column to Remove (VOID)\na Check from the Check Register",
                                        "Click again to RESET VOID check", "Click to VOID all selected checks  >"};
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = NewControl<QLabel>(fraVoidChecks, ControlName(QStringLiteral("Label1"), static_cast<int>(i)));
        Label1[i]->setText(QString::fromLatin1(instructions[i]));
    }
    auto* hints = new QVBoxLayout;
    hints->addWidget(Label1[0]);
    hints->addWidget(Label1[1]);
    frame->addLayout(hints, 1, 0);
    frame->addWidget(cmdPurge[PurgeButton::ExitWithoutVoiding], 1, 1, Qt::AlignBottom | Qt::AlignHCenter);
    auto* voiding = new QHBoxLayout;
    voiding->addWidget(Label1[2]);
    voiding->addWidget(cmdPurge[PurgeButton::VoidChecks]);
    frame->addLayout(voiding, 1, 2, Qt::AlignBottom | Qt::AlignRight);
    frame->setRowStretch(0, 1);
    column->addWidget(fraVoidChecks, 1);
    fraVoidChecks->hide();
    resize(1100, 560);
}

void frmPurge::Form_Load() {
    HookGridWheel(this, fgRegister);
    RegisterFile = Form<frmSetup>().BankOption() == BankChoice::SeparateAccount ? PayrollRegisterFile
                                                                                 : GeneralRegisterFile;
    fgRegister->setColWidth(RegisterCol::Rec, 0);
}

void frmPurge::Form_Activate() {
    HookGridWheel(this, fgRegister);
    DTPicker1->setDate(Today());
    std::optional<AccountCredit> earlier;
    try {
        earlier = SettleOwedCredit();
    } catch (const FileError& error) {
        MsgBox(error.userMessage() + QStringLiteral("\r\n\r\nChecks voided earlier are not credited yet. ") +
                   CreditStaysOwed,
               MsgButtons::OK, QStringLiteral("File Error"));
    }
    if (earlier) TellEarlierCredit(*earlier);
}

void frmPurge::backToMenu() {
    ShowMainMenu();
    Unload();
}

void frmPurge::cmdPurge_Click(int index) {
    const bool counted = ReportFileErrors([] {
        EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
        RecordNumber = RecordCount(SummaryRecordsFile, SummaryRecord::Length);
    });
    // A file that cannot be counted (missing, and its copy in Backup cannot be put back)
    // is not purged as if it were empty.
    if (!counted && (index == PurgeButton::PurgeAll || index == PurgeButton::PurgeDated)) return;
    switch (index) {
    case PurgeButton::Menu:
        backToMenu();
        break;
    case PurgeButton::PurgeAll:
        purgeAll();
        break;
    case PurgeButton::PurgeDated:
        purgeDated();
        break;
    case PurgeButton::ExitWithoutVoiding:
        if (Yes(QStringLiteral("Cancel, DO NOT Void Checks"), QStringLiteral("Cancel Check Void")))
            fraVoidChecks->hide();
        break;
    case PurgeButton::VoidChecks:
        voidCheckEntries();
        break;
    default:
        break;
    }
}

// ---- The complete purge --------------------------------------------------------------------

void frmPurge::purgeAll() {
    if (!Yes(QStringLiteral("This will Purge all Payroll Records"), QStringLiteral("Purge All Payrolls")) ||
        !Yes(QStringLiteral("Are you Sure?"), QStringLiteral("Confirm Purge")) ||
        !Yes(QStringLiteral("Are you REALLY Sure?"), QStringLiteral("Re-Confirm Purge")))
        return;
    const QString again = QStringLiteral("Purge All Payroll Records again to finish it.");
    try {
        PurgeAllPayroll();
        if (FileExists(CheckbookFileOf(RegisterFile)) &&
            Yes(QStringLiteral("Would you like to Purge your Check Register?"),
                QStringLiteral("Purge Check Register")))
            PurgeCheckRegister(RegisterFile);
    } catch (const FileError& error) {
        ReportStoppedPurge(error, again);
        return;
    }
    MsgBox(RestartText, MsgButtons::OK, CompletePurgeTitle);
    RunExitProgram();
}

// ---- The dated purge -----------------------------------------------------------------------

void frmPurge::purgeDated() {
    const QDate payDate = DTPicker1->date();
    if (!Yes(QStringLiteral("This will Purge Payroll created ") + ShortDateText(payDate),
             QStringLiteral("Purge Payroll")) ||
        !Yes(QStringLiteral("Are you Sure?"), QStringLiteral("Confirm Purge")))
        return;
    try {
        PurgeDatedPayroll(payDate);
    } catch (const FileError& error) {
        ReportStoppedPurge(error, QStringLiteral("Purge the payroll of ") + ShortDateText(payDate) +
                                      QStringLiteral(" again to finish it."));
        return;
    }
    if (Form<frmSetup>().BankOption() == BankChoice::OtherProgram) return;
    fraVoidChecks->show();
    LoadDatePaychecks();
}

void frmPurge::LoadDatePaychecks() {
    listed_.clear();
    if (!ReportFileErrors([&] { listed_ = DatePaychecks(RegisterFile, DTPicker1->date()); })) return;
    ClearGrid(*fgRegister);
    fgRegister->setRows(static_cast<int>(listed_.size()) + 1);
    int row = 0;
    for (const ListedPaycheck& check : listed_) {
        CurrentRegisterEntry = check.entry;
        AddRegisterRow(++row, check.recordNumber);
    }
    if (listed_.empty()) backToMenu();
}

void frmPurge::AddRegisterRow(int row, std::int32_t recordNumber) {
    const RegisterEntry& entry = CurrentRegisterEntry;
    fgRegister->setTextMatrix(row, RegisterCol::Void, QString());
    fgRegister->setTextMatrix(row, RegisterCol::Check, TrimmedField(entry.CheckNo));
    fgRegister->setTextMatrix(row, RegisterCol::PayDate, entry.CheckDate);
    fgRegister->setTextMatrix(row, RegisterCol::Name, TrimmedField(entry.Payee));
    fgRegister->setTextMatrix(row, RegisterCol::Amount, CurrencyText(MoneyOf(TrimmedField(entry.Amount))));
    fgRegister->setTextMatrix(row, RegisterCol::Category, TrimmedField(entry.Category));
    fgRegister->setTextMatrix(row, RegisterCol::Status, TrimmedField(entry.Status));
    fgRegister->setTextMatrix(row, RegisterCol::Rec, QString::number(recordNumber));
}

void frmPurge::fgRegister_Click(int row, int /*col*/) {
    if (row < 1 || row >= fgRegister->rows() || fgRegister->textMatrix(row, RegisterCol::Rec).isEmpty()) return;
    const bool marked = !fgRegister->textMatrix(row, RegisterCol::Void).isEmpty();
    fgRegister->setTextMatrix(row, RegisterCol::Void, marked ? QString() : PayMark);
    fgRegister->setTextMatrix(row, RegisterCol::Status,
                              marked ? QStringLiteral("Printed") : QStringLiteral("Void"));
}

// ---- Voiding -------------------------------------------------------------------------------

void frmPurge::voidCheckEntries() {
    std::vector<ListedPaycheck> chosen;
    const int rows = std::min(fgRegister->rows() - 1, static_cast<int>(listed_.size()));
    for (int row = 1; row <= rows; ++row) {
        if (fgRegister->textMatrix(row, RegisterCol::Void).isEmpty()) continue;
        fgRegister->setTextMatrix(row, RegisterCol::Status, QStringLiteral("Void"));
        chosen.push_back(listed_[static_cast<std::size_t>(row - 1)]);
    }
    VoidedChecks voided;
    try {
        voided = VoidPaychecks(RegisterFile, chosen);
    } catch (const FileError& error) {
        MsgBox(error.userMessage() +
                   QStringLiteral("\r\n\r\nNo check was voided, and your Checkbook Balance is as it was."),
               MsgButtons::OK, QStringLiteral("File Error"));
        return;
    }
    if (voided.earlier) TellEarlierCredit(*voided.earlier);
    if (voided.credit) ShowCreditedAccount(voided.credit->payrollAccount);
    if (!voided.creditFailure.isEmpty()) {
        MsgBox(QStringLiteral(
                   "The checks are voided in the Check Register, but your Checkbook Balance could not be "
                   "credited ") +
                   CurrencyText(voided.total) + QStringLiteral(":\r\n") + voided.creditFailure +
                   QStringLiteral("\r\n\r\n") + CreditStaysOwed,
               MsgButtons::OK, QStringLiteral("Purging Completed"));
    } else {
        MsgBox(QStringLiteral("All Selected Checks have been voided\r\nYour Checkbook Balance has been credited ") +
                   CurrencyText(voided.total),
               MsgButtons::OK, QStringLiteral("Purging Completed"));
    }
    if (!voided.changed.isEmpty())
        MsgBox(QStringLiteral("These checks were changed in the Check Register by another program\r\n"
                              "since they were listed, and were not voided: ") +
                   voided.changed.join(QStringLiteral(", ")),
               MsgButtons::OK, VoidChecksTitle);

    if (voided.voided > 0 &&
        Yes(QStringLiteral("Do you have the pay checks (Not Distributed) ?"), VoidChecksTitle) &&
        Yes(QStringLiteral("Would you like to print VOID on the checks ?"), VoidChecksTitle)) {
        PrintVoidOnChecks(voided.voided);
        return;
    }
    backToMenu();
}

void frmPurge::PrintVoidOnChecks(int checks) {
    MsgBox(QStringLiteral("Put ") + QString::number(checks) + QStringLiteral(" printed Pay Checks into your Printer"),
           MsgButtons::YesNoCancel);
    RunPrintJob([checks] {
        ShowPrinterDialog();
        SetupPrinter(QStringLiteral("Portrait"));
        SetPrintFont(30, true, false);
        Printer& printer = ThePrinter();
        printer.setForeColor(QColor(255, 0, 0));
        for (int i = 0; i < checks; ++i) {
            SetPrintPosition(1.75f, 5.2f);
            printer.print(QStringLiteral("------------- VOID --------------------"));
            printer.endDoc();
        }
    });
}
