#include "Posting.h"

#include "DataFiles.h"
#include "Globals.h"
#include "RecordSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using testrecords::AppendPayRecords;
using testrecords::Employee;
using testrecords::Paycheck;
using testrecords::ReadEmployee;
using testrecords::WriteEmployees;

namespace {

class PostingTest : public ProgramFolderTest {
protected:
    // An employee whose totals were typed in by hand.
    static EmployeeRecord WithTypedTotals(int recordNumber) {
        EmployeeRecord e = Employee(recordNumber);
        for (const auto& field : YearToDateFields)
            e.*(field.second) = Money::fromCents(777);
        return e;
    }
};

} // namespace

TEST_F(PostingTest, TotalsCoverOnlyTheCalendarYearOfTheDate) {
    WriteEmployees({Employee(1)});
    AppendPayRecords(QStringLiteral("1001"), {Paycheck(QDate(2025, 12, 31), Money::fromCents(50000)),
                                              Paycheck(QDate(2026, 1, 2), Money::fromCents(61234))});
    MakeYTDs(QDate(2026, 6, 15));
    const EmployeeRecord e = ReadEmployee(1);
    EXPECT_EQ(e.YTDGross, Money::fromCents(61234));
    EXPECT_EQ(e.YTDFederal, Money::fromCents(1001));
    EXPECT_EQ(EmployeeCount, 1);

    MakeYTDs(OleDateOf(QDate(2025, 1, 1)) + 0.75);
    EXPECT_EQ(ReadEmployee(1).YTDGross, Money::fromCents(50000));
}

TEST_F(PostingTest, ElevenAmountsAddUpFieldForFieldAndTheMatchNever) {
    WriteEmployees({Employee(1)});
    AppendPayRecords(QStringLiteral("1001"), {Paycheck(QDate(2026, 3, 6), Money::fromRaw(5000125)),
                                              Paycheck(QDate(2026, 3, 13), Money::fromRaw(4000000))});
    MakeYTDs(QDate(2026, 12, 31));
    const EmployeeRecord e = ReadEmployee(1);
    EXPECT_EQ(e.YTDGross, Money::fromRaw(9000125));
    EXPECT_EQ(e.YTDFederal, Money::fromCents(2002));
    EXPECT_EQ(e.YTDExtraFederal, Money::fromCents(404));
    EXPECT_EQ(e.YTDFica, Money::fromCents(606));
    EXPECT_EQ(e.YTDMedicare, Money::fromCents(808));
    EXPECT_EQ(e.YTDState, Money::fromCents(1010));
    EXPECT_EQ(e.YTDLocal, Money::fromCents(1212));
    EXPECT_EQ(e.YTDChildSupport, Money::fromCents(1414));
    EXPECT_EQ(e.YTDSupportFee, Money::fromCents(1616));
    // 401k deductions only: the employer's match of $50.00 a check is not in here.
    EXPECT_EQ(e.YTD401k, Money::fromCents(1818));
    EXPECT_EQ(e.YTDInsurance, Money::fromCents(2222));
}

TEST_F(PostingTest, NeverPaidEmployeeKeepsTypedTotals) {
    WriteEmployees({WithTypedTotals(1), WithTypedTotals(2), WithTypedTotals(3)});
    // 1001 has no pay-record file, 1002 an empty one, 1003 only last year's pay.
    makeFolder(QStringLiteral("Employees/1002"));
    writeFile(QStringLiteral("Employees/1002/PayRecords.txt"), QByteArray());
    AppendPayRecords(QStringLiteral("1003"), {Paycheck(QDate(2025, 7, 4), Money::fromCents(100))});
    const QByteArray before = readFile(QStringLiteral("Employees.txt"));
    MakeYTDs(QDate(2026, 6, 15));
    MakeYTDs(QDate(2026, 6, 15));
    EXPECT_EQ(readFile(QStringLiteral("Employees.txt")).left(2 * EmployeeRecord::Length),
              before.left(2 * EmployeeRecord::Length));
    const EmployeeRecord paidLastYear = ReadEmployee(3);
    for (const auto& field : YearToDateFields)
        EXPECT_EQ(paidLastYear.*(field.second), Money());
    EXPECT_EQ(paidLastYear.Name, WithTypedTotals(3).Name.leftJustified(30));
}

TEST_F(PostingTest, RebuildLeavesEverythingButTheTotalsAlone) {
    EmployeeRecord e = EmployeeRecord::decode(Employee(1).encode());
    WriteEmployees({e});
    AppendPayRecords(QStringLiteral("1001"), {Paycheck(QDate(2026, 2, 6), Money::fromCents(90000))});
    MakeYTDs(QDate(2026, 2, 6));
    EmployeeRecord after = ReadEmployee(1);
    EXPECT_EQ(after.YTDGross, Money::fromCents(90000));
    for (const auto& field : YearToDateFields)
        after.*(field.second) = Money();
    EXPECT_EQ(after, e);
}

TEST_F(PostingTest, NoEmployeeFileIsNothingToRebuild) {
    MakeYTDs(QDate(2026, 6, 15));
    ClearYTDs();
    EXPECT_FALSE(exists(QStringLiteral("Employees.txt")));
    EXPECT_EQ(EmployeeCount, 0);
}

TEST_F(PostingTest, ClearYTDsZeroesEveryEmployeesTotalsOnly) {
    WriteEmployees({WithTypedTotals(1), WithTypedTotals(2)});
    ClearYTDs();
    for (int n = 1; n <= 2; ++n) {
        const EmployeeRecord e = ReadEmployee(n);
        for (const auto& field : YearToDateFields)
            EXPECT_EQ(e.*(field.second), Money());
        EXPECT_EQ(TrimmedField(e.EmployeeNo), QString::number(1000 + n));
        EXPECT_EQ(e.Percent401k, 3.5f);
    }
}

TEST_F(PostingTest, MemoIsWrittenAsItStandsAndReadsBackSplitAtItsComma) {
    writeFile(QStringLiteral("Backup/PayrollMemo.txt"), "stale\r\n");
    SaveMemoText(QStringLiteral("/PayrollMemo.txt"), QStringLiteral("Thanks, team"));
    EXPECT_EQ(readFile(QStringLiteral("PayrollMemo.txt")), QByteArray("Thanks, team\r\n"));
    EXPECT_FALSE(exists(QStringLiteral("Backup/PayrollMemo.txt")));
    TextInput memo = OpenInput(u"/PayrollMemo.txt");
    EXPECT_EQ(memo.readText(), QStringLiteral("Thanks"));
    EXPECT_EQ(memo.readText(), QStringLiteral("team"));
    EXPECT_TRUE(memo.atEnd());
    EXPECT_FALSE(memo.isShort());
}

TEST_F(PostingTest, MemoThatCannotBeWrittenKeepsTheOldOne) {
    const QString longName = QStringLiteral("/") + QString(250, u'M') + QStringLiteral(".txt");
    writeFile(longName, "old memo\r\n");
    EXPECT_THROW(SaveMemoText(longName, QStringLiteral("new")), FileError);
    EXPECT_EQ(readFile(longName), QByteArray("old memo\r\n"));
}
