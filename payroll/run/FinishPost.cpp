// The posting of a printed run: pay records, year-to-date totals, then the bank side
// (check register, next check number, balance) by the bank option of the setup screen.
#include "DataFileNames.h"
#include "frmPayroll.h"

#include "Checking.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Register.h"
#include "frmSetup.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString UpdateTitle = QStringLiteral("Update Bank Balance");

// The balance and next check number of one account, with the account's file: the
// payroll account or the general account; the setup screen shows what is set.
class Account {
public:
    explicit Account(bool payroll) : payroll_(payroll) {}

    QString balance() const { return info().Balance; }
    QString next() const { return info().NextCheck; }
    void show(const QString& balance, const QString& next) const {
        info().Balance = balance;
        info().NextCheck = next;
        if (payroll_)
            ShowPayrollAccount();
        else
            ShowGeneralAccount();
    }
    void load() const {
        if (payroll_)
            LoadPayrollCheckbookInfo();
        else
            LoadCheckbookInfo();
    }
    // Saves the account's file and reads it back.
    void save() const {
        if (payroll_) {
            SavePayrollCheckbookInfo();
            LoadPayrollCheckbookInfo();
        } else {
            SaveCheckbookInfo();
        }
    }
    // The bytes of the account's file as they are now (empty when it is missing).
    QByteArray fileBytes() const {
        QFile file(fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Whether the account's file is in the program folder now (an older copy in Backup
    // does not count: it cannot be newer than what the setup screen shows).
    bool onFile() const { return QFile::exists(fileName()); }

private:
    QString fileName() const {
        return DataPath(payroll_ ? PayrollCheckbookInfoFile : CheckbookInfoFile);
    }

    CheckbookInfo& info() const { return payroll_ ? PayrollAccount() : GeneralAccount(); }

    bool payroll_;
};

// Saves the figures shown. A save that did not reach the file puts the old figures back
// on the screen and throws, so that a retry debits the account once.
void SaveAccount(const Account& account, const QString& oldBalance, const QString& oldNext) {
    const QByteArray before = account.fileBytes();
    try {
        account.save();
    } catch (const FileError&) {
        // A file that changed holds the new figures; only reading them back failed.
        if (account.fileBytes() != before) return;
        account.show(oldBalance, oldNext);
        throw;
    }
}

} // namespace

// Posts the run once per visit, after the last printing. A failure tells the user exactly
// what reached the files and offers to write the rest; nothing is ever written twice.
// While nothing of the posting is on file it is taken from the screen as it stands now,
// so that a run changed since a failed try is posted as printed. Once something is on
// file the rest is written with the same figures (the grids stay closed, see
// RunPartlyPosted); only the check numbers may still follow a reprint.
bool frmPayroll::PostRun() {
    if (RunPosted) return true;
    if (!posting_ || !posting_->anythingWritten())
        posting_ = RunPostingOfScreen();
    else
        posting_->NumberChecksFrom(txt1stCheck->text());
    for (;;) {
        try {
            posting_->PostPayRecordsAndTotals();
            if (!posting_->bankDone) UpdateBalanceandCheckNo();
            RunPosted = posting_->complete();
            return RunPosted;
        } catch (const FileError& error) {
            const QString text = PostingFailureText(*posting_, error.userMessage()) +
                                 QStringLiteral("\r\n\r\nTry again to write what is missing?");
            if (MsgBox(text, MsgButtons::YesNo, QStringLiteral("Payroll Posting")) != MsgAnswer::Yes)
                return false;
        }
    }
}

// The run as it is posted, taken from the screen after the last printing, so that the
// register follows the check numbers of the pages printed last.
RunPosting frmPayroll::RunPostingOfScreen() {
    RunPosting posting;
    posting.payRecords = PayRecordsOfRun(*this, OleDateOf(DTPicker2->date()));
    posting.checkDate = DTPicker2->date();
    posting.bankOption = Form<frmSetup>().BankOption();
    // As the payment summary states it: at cents.
    posting.fundsRequired = Totals.FundsRequired().roundedToCents();
    if (posting.bankOption == 0 || posting.bankOption == 1) {
        posting.checks = RegisterEntriesOfRun(*this, 0, DTPicker2->date());
        posting.NumberChecksFrom(txt1stCheck->text());
    }
    return posting;
}

void frmPayroll::UpdateBalanceandCheckNo() {
    if (!posting_) posting_ = RunPostingOfScreen();
    RunPosting& posting = *posting_;
    if (posting.bankDone) return;
    RunTotal = posting.checks.runTotal;
    switch (posting.bankOption) {
    case 0:
    case 1:
        PostChecksToAccount(posting);
        break;
    case 2:
        posting.bankDone = true;
        MsgBox(QStringLiteral("Ensure that your General Account has ") + CurrencyText(posting.fundsRequired) +
                   QStringLiteral("\r\nin order to fund this Payroll"),
               MsgButtons::OK, QStringLiteral("Verify Funds"));
        break;
    default:
        // No bank option: nothing to post.
        posting.bankDone = true;
        break;
    }
}

void frmPayroll::PostChecksToAccount(RunPosting& posting) {
    if (posting.firstCheck == 0 && !posting.checks.entries.empty()) {
        // Only a first check number the run cannot use leaves a paid run without checks.
        MsgBox(CheckNumberProblem(txt1stCheck->text(), static_cast<int>(posting.payRecords.size())),
               MsgButtons::OK, QStringLiteral("1st Check No"));
        return;
    }
    if (!posting.registerStaged) {
        BuildRegisterRecords(posting.checks.entries);
        posting.registerStaged = true;
    }
    AppendRegister(RegisterFileOf(posting.bankOption), posting.registerAppended);
    if (!posting.accountSaved) UpdateBankBalance(posting.bankOption == 0);
    posting.bankDone = true;
}

// Debits the account by the run and moves its next check number past the run's checks,
// both in one save of the account file; then tells the user.
void frmPayroll::UpdateBankBalance(bool payrollAccount) {
    const Account account(payrollAccount);
    // The general account is shared with Ambleton, which may have written checks since the
    // setup screen read it: the debit goes on its file as it stands now. The payroll
    // account is kept by this program alone, and a missing file would read as a new,
    // empty account: the setup screen's figures are the account's.
    if (account.onFile()) {
        // A file that does not hold the whole account (cut short by a crash, say) is never
        // written over with what could be read of it: the posting stops and names it.
        ReadWholeAccount(payrollAccount);
        if (!payrollAccount) account.load();
    }
    const QString oldBalance = account.balance();
    const QString oldNext = account.next();
    const Money balance = DebitedBalance(MoneyOf(oldBalance), RunTotal);
    const int checks = static_cast<int>(posting_->checks.entries.size());
    account.show(CurrencyText(balance),
                 QString::number(NextCheckNumber(oldNext, posting_->firstCheck, checks)));
    SaveAccount(account, oldBalance, oldNext);
    posting_->accountSaved = true;

    MsgBox(QStringLiteral("Your Checking Account has been debited by ") + CurrencyText(RunTotal),
           MsgButtons::OK, UpdateTitle);
    if (balance <= Money())
        MsgBox(QStringLiteral("This Payroll will create a Negative Account Balance\r\n"
                              "Add Funds Immediately if account does not\r\n"
                              "use Overdraft Protection"),
               MsgButtons::OK, UpdateTitle);
}
