// Check numbers, register entries, the staging file and the append to the registers.
#include "Register.h"

#include "DataFiles.h"
#include "PayrollTestSupport.h"
#include "Posting.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace payrolltest;

namespace {

class RegisterTest : public ProgramFolderTest {
protected:
    static std::vector<QString> Numbers(const QString& file) {
        std::vector<QString> numbers;
        RandomFile r = OpenRandomFile(file, RegisterEntry::Length);
        for (std::int32_t n = 1; n <= r.count(); ++n)
            numbers.push_back(TrimmedField(r.get<RegisterEntry>(n)->CheckNo));
        return numbers;
    }
    static std::vector<RegisterEntry> Run(int first, int count) {
        std::vector<RegisterEntry> entries;
        for (int n = 0; n < count; ++n)
            entries.push_back(PaycheckEntry(first + n, QDate(2026, 6, 15), QStringLiteral("Payee %1").arg(n),
                                            Money::fromCents(10000 + n)));
        return entries;
    }
};

} // namespace

TEST_F(RegisterTest, CheckNumbersAreSixteenBitWholeNumbers) {
    for (const char* bad : {"", "  ", "abc", "10a", "1001.5", "1,001", "-5", "0", "$1001", "99999999999"})
        EXPECT_FALSE(CheckNumberProblem(QString::fromUtf8(bad), 1).isEmpty()) << bad;
    EXPECT_TRUE(CheckNumberProblem(QStringLiteral(" 1001 "), 3).isEmpty());
    EXPECT_EQ(FirstCheckNumber(QStringLiteral(" 1001 "), 3), 1001);
    // The next check number must fit as well: 32764 to 32766 leave 32767 for the next run.
    EXPECT_TRUE(CheckNumberProblem(QStringLiteral("32764"), 3).isEmpty());
    EXPECT_EQ(CheckNumberProblem(QStringLiteral("32765"), 3),
              QStringLiteral("3 checks starting with Check No 32765 would pass Check No 32767,\r\n"
                             "the highest number that can be kept"));
    EXPECT_FALSE(FirstCheckNumber(QStringLiteral("32765"), 3).has_value());
}

TEST_F(RegisterTest, NextCheckNumberFollowsTheChecksPrintedLast) {
    EXPECT_EQ(NextCheckNumber(QStringLiteral("1001"), 1001, 3), 1004);
    // Reprinted from 1010 after spoiling checks: the next number comes after 1012.
    EXPECT_EQ(NextCheckNumber(QStringLiteral("1001"), 1010, 3), 1013);
    // Printed on older stock: the account's sequence is not set back.
    EXPECT_EQ(NextCheckNumber(QStringLiteral("2001"), 501, 3), 2001);
    EXPECT_EQ(NextCheckNumber(QStringLiteral("none"), 501, 3), 504);
}

TEST_F(RegisterTest, EntriesOfTheRunAreNumberedInRowOrderAndTotalledAtCents) {
    PayRun run;
    run.ResetRows(4);
    const std::vector<Money> net{Money(), Money::fromRaw(4812150), Money::fromCents(56280),
                                 Money::fromCents(99), Money::fromCents(80850)};
    for (int row = 1; row <= 4; ++row)
        run.Row(row).NetPay = net[static_cast<std::size_t>(row)];
    for (int row : {1, 2, 4}) {
        run.Row(row).Marked = true;
        run.Row(row).Name = QStringLiteral("Employee %1 with a rather long name").arg(row);
    }
    const RegisterRun r = RegisterEntriesOfRun(run, 1001, QDate(2026, 6, 5));
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(r.entries[0].CheckNo, QStringLiteral("1001"));
    EXPECT_EQ(r.entries[2].CheckNo, QStringLiteral("1003"));
    EXPECT_EQ(r.entries[2].Payee.left(10), QStringLiteral("Employee 4"));
    EXPECT_EQ(r.entries[0].Amount, QStringLiteral("$481.22"));
    EXPECT_EQ(r.entries[0].CheckDate, QStringLiteral("6/5/2026"));
    EXPECT_EQ(r.entries[0].Category, QStringLiteral("Employee Paycheck"));
    EXPECT_EQ(r.entries[0].Status, QStringLiteral("Printed"));
    EXPECT_EQ(r.runTotal, Money::fromCents(48122 + 56280 + 80850));
    // The payee is cut to its field's 25 characters in the file.
    EXPECT_EQ(TrimmedField(RegisterEntry::decode(r.entries[0].encode()).Payee),
              QStringLiteral("Employee 1 with a rather"));
}

TEST_F(RegisterTest, StagingFileHoldsOnlyTheLastRun) {
    writeFile(QStringLiteral("Backup/TempRegister.txt"), QByteArray(5 * RegisterEntry::Length, 'x'));
    BuildRegisterRecords(Run(1001, 3));
    BuildRegisterRecords(Run(2001, 2));
    EXPECT_EQ(Numbers(TempRegisterFile), (std::vector<QString>{"2001", "2002"}));
    EXPECT_FALSE(exists(QStringLiteral("Backup/TempRegister.txt")));
}

TEST_F(RegisterTest, AppendGoesAfterWhateverTheRegisterHoldsNow) {
    OpenRandomFile(GeneralRegisterFile, RegisterEntry::Length)
        .put(1, PaycheckEntry(900, QDate(2026, 6, 1), QStringLiteral("Power Company"), Money::fromCents(1)));
    BuildRegisterRecords(Run(1001, 3));
    int appended = 0;
    AppendRegister(GeneralRegisterFile, appended);
    EXPECT_EQ(appended, 3);
    EXPECT_EQ(Numbers(GeneralRegisterFile), (std::vector<QString>{"900", "1001", "1002", "1003"}));
    EXPECT_EQ(OpenRandomFile(GeneralRegisterFile, RegisterEntry::Length).get<RegisterEntry>(2),
              RegisterEntry::decode(Run(1001, 1)[0].encode()));
}

TEST_F(RegisterTest, AppendOnARetryWritesOnlyTheEntriesNotYetAppended) {
    BuildRegisterRecords(Run(1001, 3));
    int appended = 1;
    AppendRegister(PayrollRegisterFile, appended);
    EXPECT_EQ(appended, 3);
    EXPECT_EQ(Numbers(PayrollRegisterFile), (std::vector<QString>{"1002", "1003"}));
}

TEST_F(RegisterTest, LostRegisterComesBackFromBackupBeforeItGrows) {
    makeFolder(QStringLiteral("Backup"));
    OpenRandomFile(u"/Backup/PayrollCheckRegister.txt", RegisterEntry::Length).put(1, Run(500, 1)[0]);
    BuildRegisterRecords(Run(1001, 1));
    int appended = 0;
    AppendRegister(PayrollRegisterFile, appended);
    EXPECT_EQ(Numbers(PayrollRegisterFile), (std::vector<QString>{"500", "1001"}));
}

TEST_F(RegisterTest, RunChecksFollowTheLastFirstCheckUntilTheRegisterOrTheAccountHoldsThem) {
    RunPosting posting;
    posting.bankOption = 0;
    posting.checks.entries = Run(0, 3);
    const auto numbers = [&] {
        std::vector<QString> n;
        for (const RegisterEntry& e : posting.checks.entries)
            n.push_back(e.CheckNo);
        return n;
    };
    posting.NumberChecksFrom(QStringLiteral("1001"));
    EXPECT_EQ(posting.firstCheck, 1001);
    posting.registerStaged = true;
    posting.NumberChecksFrom(QStringLiteral(" 1010 "));
    EXPECT_EQ(numbers(), (std::vector<QString>{"1010", "1011", "1012"}));
    EXPECT_FALSE(posting.registerStaged); // staged again with the new numbers
    // A number that cannot number the run leaves the checks without one.
    posting.NumberChecksFrom(QStringLiteral("32766"));
    EXPECT_EQ(posting.firstCheck, 0);

    posting.NumberChecksFrom(QStringLiteral("1010"));
    posting.registerAppended = 1;
    posting.NumberChecksFrom(QStringLiteral("2001"));
    EXPECT_EQ(posting.firstCheck, 1010);
    EXPECT_EQ(numbers(), (std::vector<QString>{"1010", "1011", "1012"}));
    posting.registerAppended = 0;
    posting.accountSaved = true;
    posting.NumberChecksFrom(QStringLiteral("2001"));
    EXPECT_EQ(posting.firstCheck, 1010);

    // Pay slips have no check numbers.
    RunPosting slips;
    slips.bankOption = 2;
    slips.NumberChecksFrom(QStringLiteral("1001"));
    EXPECT_EQ(slips.firstCheck, 0);
}
