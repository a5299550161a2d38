// The finish panel of the pay-run screen: the proof report, and the finish of a run:
// summary record, checks or pay slips with their confirmation and reprint, posting,
// then the run's reports with theirs.
#include "FileErrors.h"
#include "frmPayroll.h"

#include "Checks.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FlexGrid.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "Register.h"
#include "RunReports.h"
#include "frmSetup.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {


bool PaySlipMode() {
    return Form<frmSetup>().optAccount[BankChoice::OtherProgram]->isChecked();
}

QString ChecksOnFileText(int first, int count) {
    if (count == 1)
        return QStringLiteral("Check %1 of this Payroll is already in the Check Register,\r\n"
                              "so it cannot be printed again from a new number")
            .arg(first);
    return QStringLiteral("Checks %1 to %2 of this Payroll are already in the Check Register,\r\n"
                          "so they cannot be printed again from a new number")
        .arg(first)
        .arg(first + count - 1);
}

} // namespace

// Every step of the finish panel runs under one trap: a cancelled print dialog ends the
// step with a message, a file error is shown as such, anything else as a print error.
// What was written before the failure stays written.
void frmPayroll::RunFinishStep(const std::function<void()>& step) {
    try {
        step();
    } catch (const PrintCancelled&) {
        ThePrinter().abandonJob();
        MsgBox(QStringLiteral("The Payroll will not be Printed"));
        if (RunPartlyPosted())
            FinishStopped();
        else
            cmdPrintDeposit_Click(DepositButton::Recreate);
    } catch (const FileError& error) {
        ThePrinter().abandonJob();
        ReportFileError(error);
        FinishStopped();
    } catch (const std::exception&) {
        ThePrinter().abandonJob();
        MsgBox(QStringLiteral("A Print Error has occurred"), MsgButtons::OK, QStringLiteral("Print Error"));
        FinishStopped();
    }
}

// A run that has any of its posting on file is not reopened for changes: its checks and
// the rest of its posting must stay those of what was written.
bool frmPayroll::RunPartlyPosted() const {
    return RunPosted || (posting_ && posting_->anythingWritten());
}

// The finish stopped short of its end: the user may leave the run, and go back to the
// grids while nothing of its posting is on file.
void frmPayroll::FinishStopped() {
    cmdPrintDeposit[DepositButton::Recreate]->setEnabled(!RunPartlyPosted());
    cmdPrintDeposit[DepositButton::CancelPayroll]->setEnabled(true);
}

// The first check of a run whose checks are already in the register or counted in the
// account: a printing of the run uses those numbers.
std::optional<int> frmPayroll::PostedFirstCheck() const {
    if (posting_ && posting_->checkNumbersFixed() && posting_->firstCheck > 0) return posting_->firstCheck;
    return std::nullopt;
}

void frmPayroll::PrintProofReport() {
    RunFinishStep([] {
        ShowPrinterDialog();
        SetupPrinter(QStringLiteral("Portrait"));
        PrintDeductionReport(false);
    });
}

void frmPayroll::PrintPayroll() {
    if (const std::optional<int> first = PostedFirstCheck()) txt1stCheck->setText(QString::number(*first));
    if (!RunCanBePrinted()) return;
    cmdPrintDeposit[DepositButton::Recreate]->setEnabled(false);
    cmdPrintDeposit[DepositButton::CancelPayroll]->setEnabled(false);
    RunFinishStep([this] {
        ShowPrinterDialog();
        if (!SummarySaved) {
            SaveSummaryRecord(OleDateOf(DTPicker2->date()), PaymentSummaryTexts());
            SummarySaved = true;
        }
        PaidCount = MarkedCount();
        if (!PrintChecks()) {
            // The posting could not be completed: the finish stops on this panel, from which
            // "Print Payroll" writes the rest, or the user leaves knowing what is missing.
            FinishStopped();
            return;
        }
        MsgBox(QStringLiteral("Insert Blank Paper into the Printer"), MsgButtons::OK,
               QStringLiteral("Printer Setup"));
        PrintPayrollReports();
        ConfirmReports();
    });
}

// Refuses, before anything is printed or written, a run whose checks cannot be right.
bool frmPayroll::RunCanBePrinted() {
    const int paid = MarkedCount();
    if (paid == 0) {
        MsgBox(QStringLiteral("No Employee is marked to be Paid"), MsgButtons::OK,
               QStringLiteral("Print Payroll"));
        return false;
    }
    QStringList negative;
    for (const PayRow& row : Rows)
        if (row.Marked && row.NetPay < Money()) negative << row.Name + QStringLiteral(" ") + CurrencyText(row.NetPay);
    if (!negative.isEmpty()) {
        MsgBox(QStringLiteral("The Net Pay is below zero for:\r\n") + negative.join(QStringLiteral("\r\n")) +
                   QStringLiteral("\r\nNo check or pay slip can be printed for a negative amount.\r\n"
                                  "Correct the deductions and Calculate the Taxes again"),
               MsgButtons::OK, QStringLiteral("Negative Net Pay"));
        return false;
    }
    if (PaySlipMode()) return true;
    const QString problem = CheckNumberProblem(txt1stCheck->text(), paid);
    if (problem.isEmpty()) return true;
    MsgBox(problem, MsgButtons::OK, QStringLiteral("1st Check No"));
    txt1stCheck->setFocus();
    return false;
}

std::array<QString, 15> frmPayroll::PaymentSummaryTexts() const {
    const std::array<Money, 15> amounts = Totals.PaymentSummary();
    std::array<QString, 15> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = CurrencyText(amounts[i]);
    return texts;
}

// Prints the pages until the user confirms them or gives up reprinting, then posts the
// run once. False when the posting could not be completed.
bool frmPayroll::PrintChecks() {
    const bool paySlips = PaySlipMode();
    for (;;) {
        PrintCheckPages(paySlips);
        QString question = QStringLiteral("Check your Printer");
        if (PaidCount > 0)
            question += (paySlips ? QStringLiteral("\r\nWere the Pay Slips Printed Correctly?")
                                  : QStringLiteral("\r\nWere the Checks Printed Correctly?")) +
                        QStringLiteral("\r\nThere may be a print delay");
        if (MsgBox(question, MsgButtons::YesNo, QStringLiteral("Print Confirmation")) == MsgAnswer::Yes)
            break;
        if (txt1stCheck->text().isEmpty()) break;
        if (const std::optional<int> posted = PostedFirstCheck()) {
            // The register already names these checks; a new number would not match it.
            MsgBox(ChecksOnFileText(*posted, static_cast<int>(posting_->checks.entries.size())),
                   MsgButtons::OK, QStringLiteral("1st Check No"));
            break;
        }
        // Cancelling the number means no reprint: the run goes on with the pages printed.
        const std::optional<QString> first = AskFirstUsableCheck();
        if (!first) break;
        txt1stCheck->setText(*first);
    }
    return PostRun();
}

void frmPayroll::PrintCheckPages(bool paySlips) {
    SetupPrinter(QStringLiteral("Portrait"));
    const QString insert = paySlips ? QStringLiteral("Insert %1 Sheets of Blank Paper").arg(PaidCount)
                                    : QStringLiteral("Insert %1 checks starting with Check No %2")
                                          .arg(PaidCount)
                                          .arg(txt1stCheck->text());
    MsgBox(QStringLiteral("Remove all Paper and Forms from the Printer\r\n") + insert, MsgButtons::OK,
           QStringLiteral("Check Print Setup"));
    PaidCount = 0;
    const QString memoBox = txtMemo->toPlainText();
    const QStringList memo = ckMemo->isChecked() && !memoBox.isEmpty() ? MemoToPrint(memoBox) : QStringList();
    for (int row = 1; row <= RowCount(); ++row) {
        if (!Row(row).Marked) continue;
        const int record = Row(row).Number.trimmed().toInt() - 1000;
        if (record < 1 || !LoadEmployee(record)) CurrentEmployee = EmployeeRecord{};
        PayPage page = PayPageOfRow(Row(row), row, CurrentEmployee);
        page.periodEnding = DTPicker1->date();
        page.checkDate = DTPicker2->date();
        PrintPayPage(page, paySlips, memo);
        ++PaidCount;
        ThePrinter().newPage();
    }
    ThePrinter().endDoc();
}

// The first check of the reprint; asked again until it is a number the run can use.
std::optional<QString> frmPayroll::AskFirstUsableCheck() {
    for (;;) {
        const std::optional<QString> answer =
            InputBox(QStringLiteral("Enter the number of the 1st USABLE Check"));
        if (!answer) return std::nullopt;
        const QString problem = CheckNumberProblem(*answer, PaidCount);
        if (problem.isEmpty()) return answer->trimmed();
        MsgBox(problem, MsgButtons::OK, QStringLiteral("1st Check No"));
    }
}

void frmPayroll::ConfirmReports() {
    if (MsgBox(QStringLiteral("Were the Reports Printed Correctly?"), MsgButtons::YesNo,
               QStringLiteral("Print Confirmation")) == MsgAnswer::Yes) {
        cmdPayroll_Click(PayrollButton::Menu);
        return;
    }
    if (MsgBox(QStringLiteral("Would you like to Reprint the Reports?"), MsgButtons::YesNo,
               QStringLiteral("Reprint")) == MsgAnswer::Yes) {
        SetupPrinter(QStringLiteral("Portrait"));
        PrintPayrollReports();
    }
}

void frmPayroll::PrintPayrollReports() {
    PrintPayrollSummary();
    PrintDeductionReport(true);
}
