// The purge of a payroll made in error (by its date, or of every payroll record) and the
// voiding of its paychecks in the check register.
#include "Checkbook.h"
#include "Checking.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "PrinterSupport.h"
#include "Purge.h"
#include "RecordSupport.h"
#include "Register.h"
#include "Globals.h"
#include "PayFiles.h"
#include "frmPurge.h"
#include "frmSetup.h"

#include <QDateEdit>
#include <QDirIterator>
#include <QGroupBox>
#include <QMap>

#include <gtest/gtest.h>

using namespace testrecords;

namespace {

// Dates are days of June 2026; a record's second number is its place in the file before
// the purge, stored as its amount, so that order and identity show: "12.2".
QDate June(int day) {
    return QDate(2026, 6, day);
}

class PurgeTest : public PrintingTest {
protected:
    static void writeRuns(const QString& days) {
        QByteArray bytes;
        int place = 0;
        for (const QString& day : days.split(u' ', Qt::SkipEmptyParts)) {
            SummaryRecord run;
            run.PayDate = OleDateOf(June(day.toInt()));
            run.TotalWages = Money::fromDollars(++place);
            bytes += run.encode();
        }
        WriteWholeFile(SummaryRecordsFile, bytes);
    }
    // "x": no pay history at all.
    static void writeHistory(int n, const QString& days) {
        DeleteDataFile(PayRecordsFile(QString::number(1000 + n)));
        if (days == u"x") return;
        std::vector<PayRecord> records;
        int place = 0;
        for (const QString& day : days.split(u' ', Qt::SkipEmptyParts))
            records.push_back(Paycheck(June(day.toInt()), Money::fromDollars(++place)));
        AppendPayRecords(QString::number(1000 + n), records);
        if (records.empty()) WriteWholeFile(PayRecordsFile(QString::number(1000 + n)), {});
    }
    void writeFolder(const QString& runs, const std::vector<QString>& histories) const {
        std::vector<EmployeeRecord> employees;
        for (std::size_t n = 1; n <= histories.size(); ++n)
            employees.push_back(Employee(static_cast<int>(n)));
        WriteEmployees(employees);
        writeRuns(runs);
        for (std::size_t n = 1; n <= histories.size(); ++n)
            writeHistory(static_cast<int>(n), histories[n - 1]);
    }
    // "-": no file.
    QString runsOnFile() const {
        if (!exists(SummaryRecordsFile)) return QStringLiteral("-");
        return described<SummaryRecord>(readFile(SummaryRecordsFile), &SummaryRecord::TotalWages);
    }
    QString historyOnFile(int n) const {
        const QString name = PayRecordsFile(QString::number(1000 + n));
        if (!exists(name)) return QStringLiteral("-");
        return described<PayRecord>(readFile(name), &PayRecord::Gross);
    }
    template <class R> static QString described(const QByteArray& bytes, Money R::*place) {
        QStringList records;
        for (qsizetype at = 0; at + R::Length <= bytes.size(); at += R::Length) {
            const R r = R::decode(QByteArrayView(bytes).sliced(at, R::Length));
            records << QStringLiteral("%1.%2").arg(DateOfOle(r.PayDate).day()).arg((r.*place).raw() / 10000);
        }
        return records.join(u' ');
    }
    // Every file of the program folder but the window layouts, with its bytes.
    QMap<QString, QByteArray> folderBytes() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (!file.endsWith(QStringLiteral("/Layout.txt"))) files[file] = readFile(file.mid(dir.path().size()));
        }
        return files;
    }
};

// ---- The dated purge -----------------------------------------------------------------------

TEST_F(PurgeTest, ADatedPurgeKeepsTheOtherDatesInOrderNumberedFromOne) {
    struct Case {
        const char* label;
        const char* runs;
        std::vector<QString> histories;
        int day;
        const char* runsAfter;
        std::vector<QString> historiesAfter;
    };
    const Case cases[] = {
        {"the only run", "12", {"12"}, 12, "-", {""}},
        {"some runs of the date", "5 12 5 19", {"5 12 5 19", "12 19", "x", ""}, 5, "12.2 19.4",
         {"12.2 19.4", "12.1 19.2", "", ""}},
        {"no run of the date", "5 12", {"5"}, 20, "5.1 12.2", {"5.1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        writeFolder(QString::fromLatin1(c.runs), c.histories);
        writeFile(QStringLiteral("Backup/SummaryRecords.txt"), readFile(SummaryRecordsFile));
        PurgeDatedPayroll(June(c.day));
        EXPECT_EQ(runsOnFile(), QString::fromLatin1(c.runsAfter));
        for (std::size_t n = 1; n <= c.histories.size(); ++n)
            EXPECT_EQ(historyOnFile(static_cast<int>(n)), c.historiesAfter[n - 1]) << n;
        // No purged record can come back from Backup, and no update file is left.
        EXPECT_FALSE(exists(QStringLiteral("Backup/SummaryRecords.txt")));
        EXPECT_FALSE(exists(SummaryUpdateFile));
        EXPECT_FALSE(exists(EmployeeUpdateFile(QStringLiteral("1001"))));
    }
}

TEST_F(PurgeTest, ADatedPurgeStoppedAtAnyStepFinishesWhenRunAgain) {
    std::vector<WriteFault> faults = FaultsAtEveryStep(QStringLiteral("SummaryUpdate.txt"));
    faults.push_back({QStringLiteral("SummaryRecords.txt"), WriteStep::Rename});
    // A pay history in the middle of the employee list, and the year-to-date totals.
    for (const QString& file : {QStringLiteral("1002/EmployeeUpdate.txt"), QStringLiteral("Employees.txt")})
        for (const WriteFault& fault : FaultsAtEveryStep(file))
            faults.push_back(fault);
    faults.push_back({QStringLiteral("1002/PayRecords.txt"), WriteStep::Rename});
    // The first employee's only paycheck is of the date; the last one was never paid here.
    const std::vector<QString> histories = {"12", "12 5 12", "19 5 12", "x"};
    EmployeeRecord typed = Employee(4);
    typed.YTDGross = Money::fromDollars(700);
    for (const WriteFault& fault : faults) {
        SCOPED_TRACE(Described(fault));
        writeFolder(QStringLiteral("5 12 19 12"), histories);
        WriteEmployees({Employee(1), Employee(2), Employee(3), typed});
        MakeYTDs(June(15));
        InjectWriteFault(fault);
        EXPECT_THROW(PurgeDatedPayroll(June(12)), FileError);
        InjectWriteFault(std::nullopt);
        // Every file is whole: as it was, or rid of the date.
        EXPECT_TRUE(runsOnFile() == u"5.1 12.2 19.3 12.4" || runsOnFile() == u"5.1 19.3") << runsOnFile().toStdString();
        EXPECT_TRUE(historyOnFile(2) == u"12.1 5.2 12.3" || historyOnFile(2) == u"5.2");
        PurgeDatedPayroll(June(12));
        EXPECT_EQ(runsOnFile(), QStringLiteral("5.1 19.3"));
        EXPECT_EQ(historyOnFile(1), QString());
        EXPECT_EQ(historyOnFile(2), QStringLiteral("5.2"));
        EXPECT_EQ(historyOnFile(3), QStringLiteral("19.1 5.2"));
        // The totals are those of the pay records left, whatever the first try got to.
        const Money left[] = {Money(), Money::fromDollars(2), Money::fromDollars(3), Money::fromDollars(700)};
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(ReadEmployee(n).YTDGross, left[n - 1]) << n;
    }
}

TEST_F(PurgeTest, ADatedPurgeLeavesTheTotalsOfThePayRecordsLeft) {
    // Typed on the screen, then one paycheck added; and typed for one never paid here.
    EmployeeRecord typed = Employee(2);
    typed.YTDGross = Money::fromDollars(900 + 1);
    EmployeeRecord neverPaid = Employee(3);
    neverPaid.YTDGross = Money::fromDollars(700);
    WriteEmployees({Employee(1), typed, neverPaid});
    writeHistory(1, QStringLiteral("5 12"));
    writeHistory(2, QStringLiteral("12"));
    writeHistory(3, QStringLiteral("x"));
    PurgeDatedPayroll(June(12));
    EXPECT_EQ(ReadEmployee(1).YTDGross, Money::fromDollars(1));
    EXPECT_EQ(ReadEmployee(1).YTDFica, Money::fromCents(303));
    EXPECT_EQ(ReadEmployee(2).YTDGross, Money());
    EXPECT_EQ(ReadEmployee(2).YTDFica, Money());
    EXPECT_EQ(ReadEmployee(3).YTDGross, Money::fromDollars(700));
}

// ---- The screen's questions ------------------------------------------------------------------

TEST_F(PurgeTest, EveryNoOfTheConfirmationsLeavesEveryFileAsItWas) {
    struct Case {
        int button;
        std::vector<MsgAnswer> answers;
    };
    const Case cases[] = {
        {PurgeButton::PurgeAll, {MsgAnswer::No}},
        {PurgeButton::PurgeAll, {MsgAnswer::Yes, MsgAnswer::No}},
        {PurgeButton::PurgeAll, {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::No}},
        {PurgeButton::PurgeDated, {MsgAnswer::No}},
        {PurgeButton::PurgeDated, {MsgAnswer::Yes, MsgAnswer::No}},
        {PurgeButton::ExitWithoutVoiding, {MsgAnswer::No}},
    };
    writeFolder(QStringLiteral("5 15"), {"5 15", "15"});
    writeFile(QStringLiteral("Backup/SummaryRecords.txt"), readFile(SummaryRecordsFile));
    writeFile(CheckbookInfoFile, "\"Bank\",\"1\",\"$10.00\",\"101\",\"$0.00\",0,0,0\r\n");
    frmPurge& purge = ShowScreen<frmPurge>();
    const QMap<QString, QByteArray> before = folderBytes();
    for (const Case& c : cases) {
        for (MsgAnswer answer : c.answers)
            dialogs->answer(answer);
        purge.cmdPurge_Click(c.button);
        EXPECT_EQ(dialogs->shown.size(), c.answers.size()) << c.button;
        EXPECT_TRUE(folderBytes() == before) << c.button << " after " << c.answers.size();
        dialogs->clear();
    }
}

// ---- The complete purge --------------------------------------------------------------------

TEST_F(PurgeTest, ACompletePurgeRemovesEveryPayrollRecordAndEndsTheProgram) {
    struct Case {
        const char* label;
        int bankOption;
        const char* checkbook; // the account file whose presence brings the question
        std::optional<MsgAnswer> purgeRegister;
        QStringList gone;
        QStringList kept;
    };
    const Case cases[] = {
        {"general register purged", BankChoice::GeneralAccount, "CheckbookInfo.txt", MsgAnswer::Yes,
         {"CheckRegister.txt", "Backup/CheckRegister.txt", "CheckbookInfo.txt"},
         {"PayrollCheckRegister.txt", "PayrollCheckbookInfo.txt"}},
        {"register kept", BankChoice::GeneralAccount, "CheckbookInfo.txt", MsgAnswer::No, {},
         {"CheckRegister.txt", "CheckbookInfo.txt"}},
        // The general account is Ambleton's too: purging the payroll account leaves it.
        {"payroll register purged", BankChoice::SeparateAccount, "PayrollCheckbookInfo.txt", MsgAnswer::Yes,
         {"PayrollCheckRegister.txt", "PayrollCheckbookInfo.txt"}, {"CheckRegister.txt", "CheckbookInfo.txt"}},
        {"no checkbook, no question", BankChoice::SeparateAccount, nullptr, std::nullopt, {},
         {"PayrollCheckRegister.txt", "CheckRegister.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EmployeeRecord paid = Employee(1);
        paid.YTDGross = Money::fromDollars(3);
        WriteEmployees({paid, Employee(2)});
        writeRuns(QStringLiteral("5 12"));
        writeHistory(1, QStringLiteral("5 12"));
        for (const char* file : {"Backup/SummaryRecords.txt", "Backup/Employees/1001/PayRecords.txt",
                                 "PayrollMemo.txt", "Backup/PayrollMemo.txt", "TempRegister.txt",
                                 "CheckRegister.txt", "Backup/CheckRegister.txt", "PayrollCheckRegister.txt"})
            writeFile(QString::fromLatin1(file), "x");
        makeFolder(QStringLiteral("Employees/1001/W-4"));
        for (const char* account : {"CheckbookInfo.txt", "PayrollCheckbookInfo.txt"})
            QFile::remove(path(QString::fromLatin1(account)));
        if (c.checkbook) writeFile(QString::fromLatin1(c.checkbook), "\"B\",\"1\",\"$1.00\",\"101\",\"$0.00\",0,0,0\r\n");
        if (c.bankOption == BankChoice::GeneralAccount)
            writeFile(QStringLiteral("PayrollCheckbookInfo.txt"), "\"P\",\"2\",\"$1.00\",\"101\",\"$0.00\",#FALSE#\r\n");
        else
            writeFile(QStringLiteral("CheckbookInfo.txt"), "\"B\",\"1\",\"$1.00\",\"101\",\"$0.00\",0,0,0\r\n");
        Form<frmSetup>().SelectBankOption(c.bankOption);
        int exits = 0;
        SetExitProgramHandler([&exits] { ++exits; });
        for (int i = 0; i < 3; ++i)
            dialogs->answer(MsgAnswer::Yes);
        if (c.purgeRegister) dialogs->answer(*c.purgeRegister);
        ShowScreen<frmPurge>().cmdPurge_Click(PurgeButton::PurgeAll);

        EXPECT_EQ(dialogs->messages().back(), QStringLiteral("You must restart the program"));
        EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Complete Purge"));
        EXPECT_EQ(exits, 1);
        for (const char* file : {"SummaryRecords.txt", "Backup/SummaryRecords.txt", "Employees/1001/PayRecords.txt",
                                 "Backup/Employees/1001/PayRecords.txt", "PayrollMemo.txt", "Backup/PayrollMemo.txt",
                                 "TempRegister.txt"})
            EXPECT_FALSE(exists(QString::fromLatin1(file))) << file;
        EXPECT_TRUE(exists(QStringLiteral("Employees/1001/W-4")));
        EXPECT_EQ(ReadEmployee(1).YTDGross, Money());
        EXPECT_EQ(TrimmedField(ReadEmployee(1).Name), QStringLiteral("Pat Doe"));
        for (const QString& file : c.gone)
            EXPECT_FALSE(exists(file)) << file.toStdString();
        for (const QString& file : c.kept)
            EXPECT_TRUE(exists(file)) << file.toStdString();
        UnloadAllScreens();
        dialogs->clear();
    }
}

TEST_F(PurgeTest, ACompletePurgeThatCannotClearTheTotalsRemovesNothing) {
    writeFolder(QStringLiteral("5 12"), {"5 12"});
    MakeYTDs(June(15));
    int exits = 0;
    SetExitProgramHandler([&exits] { ++exits; });
    frmPurge& purge = ShowScreen<frmPurge>();
    const QMap<QString, QByteArray> before = folderBytes();
    InjectWriteFault(WriteFault{QStringLiteral("Employees.txt"), WriteStep::Sync});
    for (int i = 0; i < 3; ++i)
        dialogs->answer(MsgAnswer::Yes);
    purge.cmdPurge_Click(PurgeButton::PurgeAll);
    InjectWriteFault(std::nullopt);
    EXPECT_TRUE(folderBytes() == before);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(dialogs->messages().back().endsWith(QStringLiteral("Purge All Payroll Records again to finish it.")));
}

// ---- Voiding the paychecks of the date ----------------------------------------------------------

RegisterEntry Check(const char* number, const char* date, const char* payee, const char* amount,
                    const char* category = "Employee Paycheck", const char* status = "Printed") {
    return {QString::fromLatin1(number), QString::fromLatin1(date), QString::fromLatin1(payee),
            QString::fromLatin1(amount), QString::fromLatin1(category), QString::fromLatin1(status)};
}

class VoidTest : public PurgeTest {
protected:
    // Paychecks of 6/12/2026 listed in rows 1 (101), 2 (104) and 3 (107); the others are
    // void already, of another date or category, or of a date that does not read.
    const std::vector<RegisterEntry> entries = {
        Check("101", "6/12/2026", "Ann Lee", "$500.00"),   Check("102", "6/12/2026", "Bo Ray", "$80.00",
                                                                 "Employee Paycheck", "Void"),
        Check("103", "6/5/2026", "Ann Lee", "$500.00"),    Check("104", "6/12/2026", "Cy Fox", "$250.25"),
        Check("105", "6/12/2026", "Power Co", "$75.00", "Utilities"), Check("106", "6/31/2026", "Di Orr", "$9.00"),
        Check("107", "06/12/2026", "Di Orr", "100.1"),
    };

    frmPurge& purgeWithVoiding(int bankOption) {
        writeFolder(QStringLiteral("12"), {"12"});
        QByteArray bytes;
        for (const RegisterEntry& e : entries)
            bytes += e.encode();
        writeFile(RegisterFileOf(bankOption), bytes);
        writeFile(CheckbookInfoFile, "\"Gen\",\"1\",\"$1,000.00\",\"201\",\"$0.00\",0,0,0\r\n");
        writeFile(PayrollCheckbookInfoFile, "\"Pay\",\"2\",\"$2,000.00\",\"301\",\"$0.00\",#FALSE#\r\n");
        Form<frmSetup>().SelectBankOption(bankOption);
        LoadCheckbookInfo();
        LoadPayrollCheckbookInfo();
        frmPurge& purge = ShowScreen<frmPurge>();
        purge.DTPicker1->setDate(June(12));
        dialogs->answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        purge.cmdPurge_Click(PurgeButton::PurgeDated);
        dialogs->clear();
        return purge;
    }
    static QStringList column(const FlexGrid& grid, int col) {
        QStringList cells;
        for (int r = 1; r < grid.rows(); ++r)
            cells << grid.textMatrix(r, col);
        return cells;
    }
};

TEST_F(VoidTest, TheDatesPaychecksNotVoidYetAreListedWithTheirRecordNumbers) {
    frmPurge& purge = purgeWithVoiding(BankChoice::GeneralAccount);
    EXPECT_TRUE(purge.fraVoidChecks->isVisibleTo(&purge));
    EXPECT_EQ(column(*purge.fgRegister, RegisterCol::Check), QStringList({"101", "104", "107"}));
    EXPECT_EQ(column(*purge.fgRegister, RegisterCol::Amount), QStringList({"$500.00", "$250.25", "$100.10"}));
    EXPECT_EQ(column(*purge.fgRegister, RegisterCol::Rec), QStringList({"1", "4", "7"}));
    EXPECT_EQ(purge.fgRegister->colWidth(RegisterCol::Rec), 0);
    // A click marks a row, a second click takes the mark back.
    for (int row : {1, 2, 2})
        purge.fgRegister_Click(row, 3);
    EXPECT_EQ(column(*purge.fgRegister, RegisterCol::Void), QStringList({PayMark, QString(), QString()}));
    EXPECT_EQ(column(*purge.fgRegister, RegisterCol::Status), QStringList({"Void", "Printed", "Printed"}));
}

TEST_F(VoidTest, VoidingTwoOfThreeMarksExactlyThoseAndCreditsTheChosenAccount) {
    struct Case {
        int bankOption;
        const QString& checkbook;
        const char* balanceAfter;
    };
    const Case cases[] = {{BankChoice::GeneralAccount, CheckbookInfoFile, "$1,600.10"},
                          {BankChoice::SeparateAccount, PayrollCheckbookInfoFile, "$2,600.10"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bankOption);
        frmPurge& purge = purgeWithVoiding(c.bankOption);
        const QByteArray otherCheckbook =
            readFile(c.bankOption == BankChoice::GeneralAccount ? PayrollCheckbookInfoFile : CheckbookInfoFile);
        purge.fgRegister_Click(1, 0);
        purge.fgRegister_Click(3, 0);
        dialogs->answer(MsgAnswer::No);
        purge.cmdPurge_Click(PurgeButton::VoidChecks);

        ASSERT_EQ(dialogs->shown.size(), 2u);
        EXPECT_EQ(dialogs->shown[0].text,
                  QStringLiteral("All Selected Checks have been voided\r\nYour Checkbook Balance has been credited $600.10"));
        EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Purging Completed"));
        EXPECT_EQ(dialogs->shown[1].text, QStringLiteral("Do you have the pay checks (Not Distributed) ?"));
        const QByteArray after = readFile(RegisterFileOf(c.bankOption));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            RegisterEntry expected = entries[i];
            if (i == 0 || i == 6) expected.Status = QStringLiteral("Void");
            EXPECT_EQ(after.mid(qsizetype(i) * RegisterEntry::Length, RegisterEntry::Length), expected.encode()) << i;
        }
        EXPECT_EQ(after.size(), qsizetype(entries.size()) * RegisterEntry::Length);
        const CheckbookRead account =
            c.bankOption == BankChoice::GeneralAccount ? ReadCheckbookInfo() : ReadPayrollCheckbookInfo();
        EXPECT_EQ(account.Info.Balance, QString::fromLatin1(c.balanceAfter));
        EXPECT_EQ(readFile(c.bankOption == BankChoice::GeneralAccount ? PayrollCheckbookInfoFile : CheckbookInfoFile),
                  otherCheckbook);
        UnloadAllScreens();
        dialogs->clear();
    }
}

TEST_F(VoidTest, TheAccountIsCreditedAsItsFileHoldsItWholeOrNothingChanges) {
    struct Case {
        const char* label;
        int bankOption;
        const QString& checkbook;
        const char* content; // written after the listing; nullptr: no file
        const char* after;   // nullptr: the void is refused
    };
    const Case cases[] = {
        {"general, empty", BankChoice::GeneralAccount, CheckbookInfoFile, "", nullptr},
        {"general, short", BankChoice::GeneralAccount, CheckbookInfoFile, "\"Gen\",\"1\",\"$1,000.00\"\r\n",
         nullptr},
        {"payroll, missing", BankChoice::SeparateAccount, PayrollCheckbookInfoFile, nullptr, nullptr},
        {"payroll, short", BankChoice::SeparateAccount, PayrollCheckbookInfoFile,
         "\"Pay\",\"2\",\"$2,000.00\"\r\n", nullptr},
        // Changed since the setup screen read it: Ambleton's own items stay.
        {"general, changed", BankChoice::GeneralAccount, CheckbookInfoFile,
         "\"Gen\",\"1\",\"$900.00\",\"205\",\"$0.00\",0,0,0,\"Amb\",7\r\n",
         "\"Gen\",\"1\",\"$1,500.10\",\"205\",\"$0.00\",0,0,0,\"Amb\",7\r\n"},
        {"payroll, changed", BankChoice::SeparateAccount, PayrollCheckbookInfoFile,
         "\"Pay\",\"2\",\"$1,000.00\",\"305\",\"$0.00\",#TRUE#\r\n",
         "\"Pay\",\"2\",\"$1,600.10\",\"305\",\"$0.00\",#TRUE#\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        frmPurge& purge = purgeWithVoiding(c.bankOption);
        if (c.content)
            writeFile(c.checkbook, c.content);
        else
            QFile::remove(path(c.checkbook));
        const QMap<QString, QByteArray> before = folderBytes();
        purge.fgRegister_Click(1, 0);
        purge.fgRegister_Click(3, 0);
        dialogs->answer(MsgAnswer::No);
        purge.cmdPurge_Click(PurgeButton::VoidChecks);
        if (c.after) {
            EXPECT_EQ(readFile(c.checkbook), QByteArray(c.after));
        } else {
            EXPECT_TRUE(folderBytes() == before);
            ASSERT_EQ(dialogs->shown.size(), 1u);
            EXPECT_TRUE(dialogs->shown[0].text.endsWith(
                QStringLiteral("No check was voided, and your Checkbook Balance is as it was.")));
        }
        UnloadAllScreens();
        dialogs->clear();
    }
}

TEST_F(VoidTest, ACreditStoppedAtAnyStepIsMadeOnceAtTheNextVisit) {
    const QString owedFile = QStringLiteral("VoidCredit.txt");
    struct Case {
        int bankOption;
        const char* account;
        const char* balanceAfter;
    };
    const Case cases[] = {{BankChoice::GeneralAccount, "CheckbookInfo.txt", "$1,600.10"},
                          {BankChoice::SeparateAccount, "PayrollCheckbookInfo.txt", "$2,600.10"}};
    for (const Case& c : cases) {
        const QString registerFile = RegisterFileOf(c.bankOption);
        std::vector<WriteFault> faults;
        for (const QString& file : {owedFile, registerFile.mid(1), QString::fromLatin1(c.account)})
            for (const WriteFault& fault : FaultsAtEveryStep(file))
                faults.push_back(fault);
        for (const WriteFault& fault : faults) {
            SCOPED_TRACE(Described(fault));
            frmPurge& purge = purgeWithVoiding(c.bankOption);
            purge.fgRegister_Click(1, 0);
            purge.fgRegister_Click(3, 0);
            InjectWriteFault(fault);
            dialogs->answer(MsgAnswer::No);
            purge.cmdPurge_Click(PurgeButton::VoidChecks);
            InjectWriteFault(std::nullopt);
            const QByteArray owed = exists(owedFile) ? readFile(owedFile) : QByteArray();
            UnloadAllScreens();
            dialogs->clear();

            // The next visit makes the credit; checks the register never took are voided again.
            ShowScreen<frmPurge>();
            std::vector<ListedPaycheck> again = DatePaychecks(registerFile, June(12));
            std::erase_if(again, [](const ListedPaycheck& p) { return p.recordNumber == 4; });
            VoidPaychecks(registerFile, again);
            // A stop after the credit, before its file went: the next visit credits nothing more.
            if (!owed.isEmpty()) {
                writeFile(owedFile, owed);
                UnloadAllScreens();
                ShowScreen<frmPurge>();
            }
            const CheckbookRead account =
                c.bankOption == BankChoice::GeneralAccount ? ReadCheckbookInfo() : ReadPayrollCheckbookInfo();
            EXPECT_EQ(account.Info.Balance, QString::fromLatin1(c.balanceAfter));
            EXPECT_FALSE(exists(owedFile));
            EXPECT_TRUE(DatePaychecks(registerFile, June(12)).size() == 1);
            UnloadAllScreens();
            dialogs->clear();
        }
    }
    // The balance changed since by another program: whether it holds the credit cannot be
    // told, and the user is sent where the account is really kept.
    frmPurge& purge = purgeWithVoiding(BankChoice::GeneralAccount);
    purge.fgRegister_Click(1, 0);
    InjectWriteFault(WriteFault{QStringLiteral("CheckbookInfo.txt"), WriteStep::Rename});
    dialogs->answer(MsgAnswer::No);
    purge.cmdPurge_Click(PurgeButton::VoidChecks);
    InjectWriteFault(std::nullopt);
    EXPECT_TRUE(
        dialogs->shown[0].text.endsWith(QStringLiteral("the next time you open the Payroll Purge screen.")));
    UnloadAllScreens();
    dialogs->clear();
    writeFile(CheckbookInfoFile, "\"Gen\",\"1\",\"$950.00\",\"201\",\"$0.00\",0,0,0\r\n");
    ShowScreen<frmPurge>();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(dialogs->shown[0].text.endsWith(
        QStringLiteral("add $500.00 in Ambleton, which keeps your general checking account.")));
    EXPECT_EQ(ReadCheckbookInfo().Info.Balance, QStringLiteral("$950.00"));
    EXPECT_FALSE(exists(owedFile));
}

TEST_F(VoidTest, VoidIsPrintedOnEachCheckAsAOnePageJobOfItsOwn) {
    struct Case {
        bool acceptDialog;
        std::size_t jobs;
    };
    for (const Case c : {Case{true, 3}, Case{false, 0}}) {
        printer->jobs.clear();
        printer->texts.clear();
        frmPurge& purge = ShowScreen<frmPurge>();
        dialogs->answer(MsgAnswer::Cancel).answerPrintDialog(c.acceptDialog);
        purge.PrintVoidOnChecks(3);
        EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("Put 3 printed Pay Checks into your Printer"));
        EXPECT_EQ(dialogs->shown[0].buttons, MsgButtons::YesNoCancel);
        ASSERT_EQ(printer->jobs.size(), c.jobs);
        ASSERT_EQ(printer->texts.size(), c.jobs);
        for (std::size_t i = 0; i < c.jobs; ++i) {
            EXPECT_EQ(printer->jobs[i].pages, 1);
            EXPECT_TRUE(printer->jobs[i].ended);
            const RecordedText& text = printer->texts[i];
            EXPECT_EQ(text.job, int(i) + 1);
            EXPECT_EQ(text.text, QStringLiteral("------------- VOID --------------------"));
            EXPECT_EQ(text.x, Twips(1.75f));
            EXPECT_EQ(text.y, Twips(5.2f));
            EXPECT_EQ(text.colour, QColor(255, 0, 0));
            EXPECT_EQ(text.font.size, 30);
            EXPECT_TRUE(text.font.bold);
        }
        dialogs->clear();
    }
}

} // namespace
