// The run's summary record, pay records and year-to-date additions, read from the run's rows.
#include "Posting.h"

#include "DataFiles.h"
#include "Dates.h"
#include "PayrollTestSupport.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace payrolltest;
using testrecords::ReadEmployee;
using testrecords::WriteEmployees;

namespace {

// The run's check date, 15 June 2026, as a stored day count.
constexpr double CheckDate = 46188;

class PostingGridTest : public ProgramFolderTest {
protected:
    PostingGridTest() {
        payRun.ResetRows(5);
        for (int n = 1; n <= 5; ++n)
            staff.push_back(Worker(n, QStringLiteral("Worker %1").arg(n), QStringLiteral("Hourly"),
                                   QStringLiteral("$20.00")));
        WriteEmployees(staff);
    }
    // Marks the row with amounts that tell the columns apart: tax column c holds $c.0r,
    // the deductions $1x.0r.
    void Pay(int row) {
        const EmployeeRecord& e = staff[static_cast<std::size_t>(row - 1)];
        run.put(row, e, QStringLiteral("40"));
        payRun.Row(row).Name = TrimmedField(e.Name);
        for (int c = PayCol::FirstTax; c <= PayCol::LastTax; ++c)
            run.setCell(row, c, CurrencyText(Money::fromCents(c * 100 + row)));
        for (int c : {AuxCol::ChildSupport, AuxCol::SupportFee, AuxCol::Deduction401k, AuxCol::Match401k,
                      AuxCol::Insurance})
            run.setAux(row, c, CurrencyText(Money::fromCents(1000 + c * 100 + row)));
        payRun.Row(row).Gross = Money::fromRaw(5000125 + row);
    }
    std::vector<PayRecord> Records() { return PayRecordsOfRun(payRun, CheckDate); }
    int PayRecordCount(int employee) const {
        return static_cast<int>(readFile(QStringLiteral("Employees/%1/PayRecords.txt").arg(employee)).size() /
                                PayRecord::Length);
    }

    std::vector<EmployeeRecord> staff;
    PayRun payRun;
    RunRows run{payRun};
};

} // namespace

TEST_F(PostingGridTest, PayRecordTakesEveryColumnFromItsPlace) {
    Pay(2);
    const PayRecord p = PayRecordOfRow(payRun.Row(2), CheckDate);
    EXPECT_EQ(CheckDate, OleDateOf(QDate(2026, 6, 15)));
    EXPECT_EQ(p.PayDate, CheckDate);
    EXPECT_EQ(p.EmployeeName, QStringLiteral("Worker 2"));
    EXPECT_EQ(p.EmployeeNo, QStringLiteral("1002"));
    EXPECT_EQ(p.Hours, QStringLiteral("40"));
    EXPECT_EQ(p.Gross, Money::fromRaw(5000127)); // the row's calculated gross, not the one shown
    EXPECT_EQ(p.FederalTax, Money::fromCents(402));
    EXPECT_EQ(p.ExtraFederal, Money::fromCents(502));
    EXPECT_EQ(p.Fica, Money::fromCents(602));
    EXPECT_EQ(p.Medicare, Money::fromCents(702));
    EXPECT_EQ(p.StateTax, Money::fromCents(802));
    EXPECT_EQ(p.LocalTax, Money::fromCents(902));
    EXPECT_EQ(p.ChildSupport, Money::fromCents(1202));
    EXPECT_EQ(p.SupportFee, Money::fromCents(1302));
    EXPECT_EQ(p.Deduction401k, Money::fromCents(1402));
    EXPECT_EQ(p.Match401k, Money::fromCents(1502));
    EXPECT_EQ(p.Insurance, Money::fromCents(1602));
}

TEST_F(PostingGridTest, ThreeMarkedRowsOfFiveWriteThreeRecordsAndThreeTotals) {
    for (int row : {1, 3, 5})
        Pay(row);
    const std::vector<PayRecord> records = Records();
    ASSERT_EQ(records.size(), 3u);
    std::vector<bool> written;
    std::vector<bool> added;
    SavePayRecords(records, written);
    AddToYTDs(records, added);
    for (int n : {1, 3, 5})
        EXPECT_EQ(PayRecordCount(1000 + n), 1) << n;
    EXPECT_FALSE(exists(QStringLiteral("Employees/1002/PayRecords.txt")));
    EXPECT_EQ(ReadEmployee(3).YTDGross, Money::fromRaw(5000128));
    EXPECT_EQ(ReadEmployee(3).YTDLocal, Money::fromCents(903));
    EXPECT_EQ(ReadEmployee(2).YTDGross, Money());
    EXPECT_EQ(written, (std::vector<bool>{true, true, true}));
}

TEST_F(PostingGridTest, MatchIsStoredButNeverEntersATotal) {
    Pay(1);
    EmployeeRecord typed = staff[0];
    typed.YTD401k = Money::fromCents(10000);
    WriteEmployees({typed});
    std::vector<bool> written;
    std::vector<bool> added;
    SavePayRecords(Records(), written);
    AddToYTDs(Records(), added);
    const EmployeeRecord e = ReadEmployee(1);
    EXPECT_EQ(e.YTD401k, Money::fromCents(10000 + 1401));
    EXPECT_EQ(e.YTDInsurance, Money::fromCents(1601));
    EXPECT_EQ(e.YTDChildSupport, Money::fromCents(1201));
    EXPECT_EQ(e.YTDSupportFee, Money::fromCents(1301));
    const PayRecord stored =
        *OpenRandomFile(u"/Employees/1001/PayRecords.txt", PayRecord::Length).get<PayRecord>(1);
    EXPECT_EQ(stored.Match401k, Money::fromCents(1501));
}

TEST_F(PostingGridTest, RecordsAreAppendedAfterTheOnesOnFile) {
    testrecords::AppendPayRecords(QStringLiteral("1001"),
                                  {testrecords::Paycheck(QDate(2026, 1, 2), Money())});
    Pay(1);
    std::vector<bool> written;
    SavePayRecords(Records(), written);
    ASSERT_EQ(PayRecordCount(1001), 2);
    EXPECT_EQ(OpenRandomFile(u"/Employees/1001/PayRecords.txt", PayRecord::Length).get<PayRecord>(2)->Gross,
              Money::fromRaw(5000126));
}

TEST_F(PostingGridTest, RetryAfterAFailureWritesOnlyTheMissingRecords) {
    for (int row : {1, 2, 3})
        Pay(row);
    makeFolder(QStringLiteral("Employees/1002/PayRecords.txt")); // cannot be opened as a file
    const std::vector<PayRecord> records = Records();
    std::vector<bool> written;
    EXPECT_THROW(SavePayRecords(records, written), FileError);
    EXPECT_EQ(written, (std::vector<bool>{true, false, false}));
    ASSERT_TRUE(QDir(path(QStringLiteral("Employees/1002/PayRecords.txt"))).removeRecursively());
    SavePayRecords(records, written);
    for (int n = 1001; n <= 1003; ++n)
        EXPECT_EQ(PayRecordCount(n), 1) << n;
}

TEST_F(PostingGridTest, MissingEmployeeFolderIsMadeRatherThanStoppingThePosting) {
    Pay(4);
    std::vector<bool> written;
    SavePayRecords(Records(), written);
    EXPECT_EQ(PayRecordCount(1004), 1);
}

TEST_F(PostingGridTest, RowWithoutAnEmployeeNumberWritesNothing) {
    Pay(1);
    payRun.Row(1).Number = QStringLiteral("abc");
    std::vector<bool> written;
    std::vector<bool> added;
    EXPECT_THROW(SavePayRecords(Records(), written), FileError);
    EXPECT_THROW(AddToYTDs(Records(), added), FileError);
    EXPECT_EQ(ReadEmployee(1), EmployeeRecord::decode(staff[0].encode()));
}

TEST_F(PostingGridTest, SummaryRecordTakesTheStoredLinesOfThePaymentSummary) {
    std::array<QString, 15> lines;
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = CurrencyText(Money::fromCents(static_cast<std::int64_t>(i + 1) * 1111));
    SaveSummaryRecord(CheckDate, lines);
    SaveSummaryRecord(CheckDate + 7, lines);
    ASSERT_EQ(readFile(QStringLiteral("SummaryRecords.txt")).size(), 2 * SummaryRecord::Length);
    const SummaryRecord s =
        *OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length).get<SummaryRecord>(2);
    EXPECT_EQ(s.PayDate, CheckDate + 7);
    const auto line = [](int i) { return Money::fromCents(static_cast<std::int64_t>(i + 1) * 1111); };
    EXPECT_EQ(s.TotalWages, line(0));
    EXPECT_EQ(s.TotalMedicare, line(4));
    EXPECT_EQ(s.TotalFuta, line(7));
    EXPECT_EQ(s.TotalSuta, line(12)); // the state unemployment line comes after the deductions
    EXPECT_EQ(s.TotalChildSupport, line(9));
    EXPECT_EQ(s.TotalSupportFees, line(10));
    EXPECT_EQ(s.Total401k, line(11));
    EXPECT_EQ(s.TotalInsurance, line(13));
    EXPECT_EQ(s.TotalMatch401k, line(14));
    EXPECT_EQ(CurrentSummary, s);
}

TEST_F(PostingGridTest, PostingGoesOnWhereAFailureStoppedIt) {
    for (int row : {1, 2})
        Pay(row);
    RunPosting posting;
    posting.payRecords = Records();
    posting.checkDate = QDate(2026, 6, 15);
    makeFolder(QStringLiteral("Employees/1002/PayRecords.txt"));
    EXPECT_THROW(posting.PostPayRecordsAndTotals(), FileError);
    EXPECT_TRUE(posting.anythingWritten());
    EXPECT_FALSE(posting.payRecordsDone());
    EXPECT_EQ(posting.written(), QStringList{QStringLiteral("the pay records of Worker 1")});
    ASSERT_TRUE(QDir(path(QStringLiteral("Employees/1002/PayRecords.txt"))).removeRecursively());
    posting.PostPayRecordsAndTotals();
    EXPECT_TRUE(posting.payRecordsDone());
    EXPECT_EQ(PayRecordCount(1001), 1);
    EXPECT_EQ(ReadEmployee(1).YTDGross, Money::fromRaw(5000126));
    EXPECT_EQ(ReadEmployee(2).YTDGross, Money::fromRaw(5000127));
    EXPECT_EQ(posting.written(), (QStringList{QStringLiteral("the pay records of all 2 employees"),
                                              QStringLiteral("the year-to-date totals, rebuilt for 2026")}));
    EXPECT_TRUE(posting.missing().isEmpty());
}
