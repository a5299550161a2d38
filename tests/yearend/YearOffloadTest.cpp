#include "YearEndSupport.h"
#include "YearOffload.h"

#include "Annual.h"
#include "FileErrors.h"
#include "SingleInstance.h"

#include <QFile>

namespace {

const QString OffLoaded = QStringLiteral("The Payroll Records have been Off Loaded");
const QString Restored = QStringLiteral("The Payroll Records have been Restored");
const QString Refused = QStringLiteral("2025 has been previously offloaded\r\nProcess will be aborted");

using Dates = std::vector<QDate>;

class YearOffload : public YearEndTest {
protected:
    // Four employees: one paid across the year's edges, one paid only in the year, one
    // paid only before it, one never paid.
    void payHistories() {
        employees(4);
        pays(1, {D(2024, 12, 31), D(2025, 1, 1), D(2025, 12, 31), D(2026, 1, 1)});
        pays(2, {D(2025, 3, 7), D(2025, 3, 14)});
        pays(3, {D(2024, 5, 3)});
    }
    void click(int button, const QString& year = QStringLiteral("2025")) { screen(year).cmdOffload_Click(button); }
};

TEST_F(YearOffload, SplitsEveryFileByTheCalendarYearOfItsPayDate) {
    struct Case {
        const char* label;
        Dates runs;
        Dates kept; // empty: no summary file is left
        Dates offloaded;
    };
    const Case cases[] = {
        {"some runs of other years", {D(2024, 12, 31), D(2025, 6, 6), D(2026, 1, 2), D(2025, 12, 31)},
         {D(2024, 12, 31), D(2026, 1, 2)}, {D(2025, 6, 6), D(2025, 12, 31)}},
        {"every run in the year", {D(2025, 1, 3), D(2025, 2, 3)}, {}, {D(2025, 1, 3), D(2025, 2, 3)}},
    };
    for (const Case& c : cases) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path() + QStringLiteral("/Backup"));
        payHistories();
        runs(c.runs);
        QFile::copy(path(QStringLiteral("SummaryRecords.txt")), path(QStringLiteral("Backup/SummaryRecords.txt")));
        dialogs->shown.clear();
        click(yearend::frmMain::OffloadButton);
        EXPECT_EQ(dialogs->messages(), std::vector<QString>{OffLoaded}) << c.label;
        EXPECT_EQ(exists(QStringLiteral("SummaryRecords.txt")), !c.kept.empty()) << c.label;
        EXPECT_EQ(summaryDates(), c.kept) << c.label;
        EXPECT_FALSE(exists(QStringLiteral("Backup/SummaryRecords.txt"))) << c.label;
        EXPECT_EQ(summaryDates(QStringLiteral("Backup/PayrollRecords 2025/SummaryOffload 2025.txt")), c.offloaded)
            << c.label;
        EXPECT_EQ(payDates(1), (Dates{D(2024, 12, 31), D(2026, 1, 1)})) << c.label;
        EXPECT_EQ(offloadedPays(1), (Dates{D(2025, 1, 1), D(2025, 12, 31)})) << c.label;
        // Everything went: an empty pay history is left.
        EXPECT_TRUE(exists(QStringLiteral("Employees/1002/PayRecords.txt"))) << c.label;
        EXPECT_TRUE(payDates(2).empty()) << c.label;
        EXPECT_EQ(offloadedPays(2), (Dates{D(2025, 3, 7), D(2025, 3, 14)})) << c.label;
        // Nothing of the year: all kept, and an empty offload file all the same.
        EXPECT_EQ(payDates(3), Dates{D(2024, 5, 3)}) << c.label;
        for (int e : {3, 4}) {
            EXPECT_TRUE(exists(QStringLiteral("Backup/PayrollRecords 2025/%1/PayrollRecords 2025.txt").arg(1000 + e)))
                << c.label << e;
            EXPECT_TRUE(offloadedPays(e).empty()) << c.label;
        }
        EXPECT_FALSE(exists(QStringLiteral("SummaryUpdate.txt"))) << c.label;
        EXPECT_FALSE(exists(QStringLiteral("Backup/PayrollRecords 2025.offloading"))) << c.label;
    }
}

TEST_F(YearOffload, RestoreAppendsAfterNewPayrollsAndTheYearCanThenBeOffloadedAgain) {
    payHistories();
    runs({D(2024, 11, 1), D(2025, 1, 3), D(2025, 2, 3), D(2024, 12, 1), D(2025, 3, 3)});
    click(yearend::frmMain::OffloadButton);
    const auto offloaded = files();
    click(yearend::frmMain::OffloadButton);
    EXPECT_EQ(dialogs->messages(), (std::vector<QString>{OffLoaded, Refused}));
    EXPECT_EQ(files(), offloaded);

    // New payrolls after the offload, and an employee hired since.
    runs({D(2026, 1, 9), D(2026, 1, 16), D(2026, 1, 23)});
    pays(1, {D(2026, 1, 9)});
    employees(5);
    pays(5, {D(2026, 1, 9)});
    dialogs->shown.clear();
    click(yearend::frmMain::RestoreButton);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{Restored});
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(IsLoaded<yearend::frmMain>());
    // Five live runs: the three of the year become records 6 to 8, in their order.
    EXPECT_EQ(summaryDates(), (Dates{D(2024, 11, 1), D(2024, 12, 1), D(2026, 1, 9), D(2026, 1, 16), D(2026, 1, 23),
                                     D(2025, 1, 3), D(2025, 2, 3), D(2025, 3, 3)}));
    EXPECT_EQ(payDates(1), (Dates{D(2024, 12, 31), D(2026, 1, 1), D(2026, 1, 9), D(2025, 1, 1), D(2025, 12, 31)}));
    EXPECT_EQ(payDates(2), (Dates{D(2025, 3, 7), D(2025, 3, 14)}));
    EXPECT_EQ(payDates(5), Dates{D(2026, 1, 9)});
    EXPECT_FALSE(exists(QStringLiteral("Backup/PayrollRecords 2025")));

    dialogs->shown.clear();
    click(yearend::frmMain::OffloadButton);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{OffLoaded});
    EXPECT_EQ(offloadedPays(1), (Dates{D(2025, 1, 1), D(2025, 12, 31)}));
}

TEST_F(YearOffload, RestoreRefusesAYearWithoutRecordsOrHoldingFilesItDidNotWrite) {
    payHistories();
    runs({D(2025, 1, 3)});
    click(yearend::frmMain::OffloadButton);
    click(yearend::frmMain::RestoreButton, QStringLiteral("2024"));
    writeFile(QStringLiteral("Backup/PayrollRecords 2025/notes.txt"), "mine");
    writeFile(QStringLiteral("Backup/PayrollRecords 2025/1001/copy.txt"), "mine");
    makeFolder(QStringLiteral("Backup/PayrollRecords 2025/1009"));
    const auto before = files();
    click(yearend::frmMain::RestoreButton);
    const std::vector<QString> shown = dialogs->messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1], QStringLiteral("No Payrolls for this year Exist"));
    EXPECT_EQ(shown[2], QStringLiteral("The folder Backup/PayrollRecords 2025 holds what no Offload put there:\r\n"
                                       "1001/copy.txt\r\n1009\r\nnotes.txt\r\nNothing has been restored. Move these "
                                       "out of the folder, then Restore again."));
    EXPECT_EQ(files(), before);
    EXPECT_EQ(ended, 0);
}

// An offload or a restore that stops at any step (a file that cannot be written or
// renamed) leaves each record in the live files or the year's files; run again, it
// ends exactly as one that never stopped.
TEST_F(YearOffload, AnInterruptionAtAnyStepLosesAndDoublesNothingWhenRunAgain) {
    const auto start = [this] {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path() + QStringLiteral("/Backup"));
        payHistories();
        runs({D(2024, 11, 1), D(2025, 1, 3), D(2026, 1, 2), D(2025, 3, 3)});
    };
    start();
    const auto original = files();
    click(yearend::frmMain::OffloadButton);
    const auto offloaded = files();
    click(yearend::frmMain::RestoreButton);
    const auto restored = files();
    dialogs->shown.clear();

    // Every record of the original files is still somewhere.
    const auto nothingLost = [this, &original](const std::string& label) {
        QByteArray everything;
        for (const auto& [name, bytes] : files())
            everything += bytes;
        for (const auto& [name, bytes] : original) {
            const int length = name.startsWith(QStringLiteral("Employees/")) ? PayRecord::Length
                               : name == QStringLiteral("SummaryRecords.txt") ? SummaryRecord::Length
                                                                               : 0;
            for (qsizetype at = 0; length > 0 && at < bytes.size(); at += length)
                EXPECT_TRUE(everything.contains(bytes.mid(at, length))) << label << " lost a record of "
                                                                        << name.toStdString();
        }
    };
    const auto run = [&](const std::vector<WriteFault>& faults, int button, const std::map<QString, QByteArray>& end) {
        for (const WriteFault& fault : faults) {
            const std::string label = Described(fault);
            if (button == yearend::frmMain::OffloadButton) start();
            InjectWriteFault(fault);
            click(button);
            InjectWriteFault(std::nullopt);
            // A fault on writing after no bytes does not fire for an empty file.
            const bool stopped = dialogs->shown.front().title == QStringLiteral("File Error");
            EXPECT_EQ(dialogs->shown.size(), stopped ? 2u : 1u) << label;
            nothingLost(label);
            dialogs->shown.clear();
            click(button);
            EXPECT_EQ(files(), end) << label;
            if (button == yearend::frmMain::RestoreButton) click(yearend::frmMain::OffloadButton);
            dialogs->shown.clear();
        }
    };

    std::vector<WriteFault> offloadFaults;
    for (const char* name : {"SummaryUpdate.txt", "SummaryOffload 2025.txt", "1002/EmployeeUpdate.txt",
                             "1002/PayrollRecords 2025.txt"})
        for (const WriteFault& fault : FaultsAtEveryStep(QString::fromLatin1(name)))
            offloadFaults.push_back(fault);
    for (const char* name : {"SummaryRecords.txt", "1002/PayRecords.txt", "PayrollRecords 2025"})
        offloadFaults.push_back({QString::fromLatin1(name), WriteStep::Rename});
    run(offloadFaults, yearend::frmMain::OffloadButton, offloaded);

    start();
    click(yearend::frmMain::OffloadButton);
    dialogs->shown.clear();
    std::vector<WriteFault> restoreFaults = FaultsAtEveryStep(QStringLiteral("1001/PayRecords.txt"));
    for (const WriteFault& fault : FaultsAtEveryStep(QStringLiteral("SummaryRecords.txt")))
        restoreFaults.push_back(fault);
    restoreFaults.push_back({QStringLiteral("PayrollRecords 2025.restoring"), WriteStep::Rename});
    run(restoreFaults, yearend::frmMain::RestoreButton, restored);

    // Stopped after the records were appended and before their offload file went: run
    // again, the records are not appended twice.
    const QString folder = QStringLiteral("Backup/PayrollRecords 2025");
    const QString summaryOffload = folder + QStringLiteral("/SummaryOffload 2025.txt");
    writeFile(QStringLiteral("SummaryRecords.txt"), readFile(QStringLiteral("SummaryRecords.txt")) + readFile(summaryOffload));
    ASSERT_TRUE(QDir(dir.path()).rename(folder, folder + QStringLiteral(".restoring")));
    click(yearend::frmMain::RestoreButton);
    EXPECT_EQ(files(), restored);
}

// A pay history found only in Backup whose copy back fails: the offload stops on the
// screen thread with the file named, before any record moves.
TEST_F(YearOffload, ALiveFileThatCannotBePutBackStopsTheOffloadBeforeAnyRecordMoves) {
    payHistories();
    runs({D(2024, 11, 1), D(2025, 1, 3)});
    makeFolder(QStringLiteral("Backup/Employees"));
    makeFolder(QStringLiteral("Backup/Employees/1002"));
    ASSERT_TRUE(QDir(dir.path()).rename(QStringLiteral("Employees/1002/PayRecords.txt"),
                                        QStringLiteral("Backup/Employees/1002/PayRecords.txt")));
    const auto before = files();
    InjectWriteFault(WriteFault{QStringLiteral("1002/PayRecords.txt"), WriteStep::Open});
    click(yearend::frmMain::OffloadButton);
    InjectWriteFault(std::nullopt);
    EXPECT_EQ(files(), before);
    EXPECT_FALSE(exists(QStringLiteral("Backup/PayrollRecords 2025.offloading")));
    ASSERT_FALSE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->shown.front().title, QStringLiteral("File Error"));
    EXPECT_TRUE(dialogs->shown.front().text.contains(QStringLiteral("Employees/1002/PayRecords.txt")));
    for (const QString& text : dialogs->messages())
        EXPECT_NE(text, OffLoaded);
}

// An offload or restore stopped part-way is told at the start and when its year is
// chosen, its W-2 summary is refused, and the run that finishes it leaves no leftover.
TEST_F(YearOffload, AnUnfinishedOffloadOrRestoreIsToldAndRefusesTheW2UntilFinished) {
    struct Case {
        const char* label;
        bool restore;
        const char* fault;
        const char* action;
    };
    const Case cases[] = {{"offload", false, "1002/EmployeeUpdate.txt", "Offload"},
                          {"restore", true, "1001/PayRecords.txt", "Restore"}};
    for (const Case& c : cases) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path() + QStringLiteral("/Backup"));
        payHistories();
        runs({D(2024, 11, 1), D(2025, 1, 3)});
        if (c.restore) click(yearend::frmMain::OffloadButton);
        InjectWriteFault(WriteFault{QString::fromLatin1(c.fault), WriteStep::Open});
        click(c.restore ? yearend::frmMain::RestoreButton : yearend::frmMain::OffloadButton);
        InjectWriteFault(std::nullopt);
        const QString work = QStringLiteral("Backup/PayrollRecords 2025") +
                             (c.restore ? QStringLiteral(".restoring") : QStringLiteral(".offloading"));
        const QString leftover = work + QStringLiteral("/1001/PayrollRecords 2025.txt.partial-AbC123");
        writeFile(leftover, "cut off");
        const QString told = QStringLiteral("The %1 of 2025 did not finish.\r\nChoose 2025 and click %1 again to "
                                            "finish it.")
                                 .arg(QLatin1String(c.action));
        dialogs->shown.clear();
        yearend::frmMain& s = screen();
        s.TellUnfinishedYears();
        s.cboYear->setCurrentText(QStringLiteral("2024"));
        s.cboYear->setCurrentText(QStringLiteral("2025"));
        s.cmdOffload_Click(yearend::frmMain::PrintButton);
        EXPECT_EQ(dialogs->messages(),
                  (std::vector<QString>{told, told,
                                        told + QStringLiteral("\r\nUntil then its W-2 Summary cannot be printed.")}))
            << c.label;
        dialogs->shown.clear();
        click(c.restore ? yearend::frmMain::RestoreButton : yearend::frmMain::OffloadButton);
        EXPECT_EQ(dialogs->messages(), std::vector<QString>{c.restore ? Restored : OffLoaded}) << c.label;
        EXPECT_TRUE(yearend::UnfinishedYears().isEmpty()) << c.label;
        EXPECT_FALSE(exists(QStringLiteral("Backup/PayrollRecords 2025/1001/PayrollRecords 2025.txt.partial-AbC123")))
            << c.label;
    }
}

TEST_F(YearOffload, TheYearListHoldsTheTenYearsBeforeThisOne) {
    yearend::frmMain& s = screen(QString());
    ASSERT_EQ(s.cboYear->count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(s.cboYear->itemText(i), QString::number(2025 - i));
    EXPECT_EQ(s.cboYear->currentText(), QStringLiteral("2025"));
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Fenwright "));
    EXPECT_EQ(s.settingsName(), QStringLiteral("Annual"));
}

} // namespace

namespace {

TEST_F(YearOffload, AFileCountedAtAClickIsPutBackFromBackupWithTheFourLineMessage) {
    YearEndMain();
    ASSERT_TRUE(IsLoaded<yearend::frmMain>());
    writeFile(QStringLiteral("Backup/Employees.txt"), QByteArray(2 * EmployeeRecord::Length, ' '));
    click(yearend::frmMain::EndButton);
    const RestoreNotice installed = SetRestoreNotice(nullptr);
    ReleaseProgramLock();
    EXPECT_EQ(installed, &TellRestoredFromBackup);
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral(
                                       "The /Employees.txt was missing\r\na recent copy has been restored\r\nData may "
                                       "be missing from this file\r\nThis is normal when Deleting old Invoices etc")});
    EXPECT_EQ(readFile(QStringLiteral("Employees.txt")).size(), 2 * EmployeeRecord::Length);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(IsLoaded<yearend::frmMain>());
}

} // namespace
