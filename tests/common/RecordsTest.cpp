#include "Records.h"

#include "DataFiles.h"
#include "RecordSupport.h"
#include "TestSupport.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Offsets = std::vector<std::pair<std::string_view, int>>;

template <class R> void expectOffsets(const Offsets& table) {
    ASSERT_EQ(static_cast<int>(table.size()), FieldCount<R>());
    for (const auto& [name, offset] : table)
        EXPECT_EQ(FieldOffset<R>(name), offset) << name;
    EXPECT_EQ(FieldOffset<R>("NoSuchField"), -1);
}

class RecordsTest : public ProgramFolderTest {};

} // namespace

TEST(RecordLayout, EmployeeRecordOffsets) {
    expectOffsets<EmployeeRecord>({{"Name", 0},
                                   {"Address", 30},
                                   {"Address2", 65},
                                   {"City", 90},
                                   {"State", 110},
                                   {"Zip", 112},
                                   {"HomePhone", 122},
                                   {"CellPhone", 135},
                                   {"EmergencyContact", 148},
                                   {"EmergencyPhone", 178},
                                   {"EmployeeNo", 191},
                                   {"SSN", 201},
                                   {"NonResident", 212},
                                   {"StartDate", 214},
                                   {"TerminationDate", 222},
                                   {"RateEffectiveDate", 232},
                                   {"MaritalStatus", 240},
                                   {"Dependents", 244},
                                   {"InsurancePerPay", 246},
                                   {"ChildSupportPerPay", 254},
                                   {"SupportFeePerPay", 262},
                                   {"DeductionLabel401k", 270},
                                   {"Percent401k", 290},
                                   {"PayStatus", 294},
                                   {"PayRate", 304},
                                   {"PayFrequency", 314},
                                   {"ExtraWithholding", 318},
                                   {"YTDGross", 326},
                                   {"YTDFederal", 334},
                                   {"YTDExtraFederal", 342},
                                   {"YTDFica", 350},
                                   {"YTDMedicare", 358},
                                   {"YTDState", 366},
                                   {"YTDLocal", 374},
                                   {"YTDChildSupport", 382},
                                   {"YTDSupportFee", 390},
                                   {"YTD401k", 398},
                                   {"YTDInsurance", 406}});
    EXPECT_EQ(EmployeeRecord().encode().size(), 414);
}

TEST(RecordLayout, PayRecordOffsets) {
    expectOffsets<PayRecord>({{"PayDate", 0},
                              {"EmployeeName", 8},
                              {"EmployeeNo", 38},
                              {"Hours", 48},
                              {"Gross", 55},
                              {"FederalTax", 63},
                              {"ExtraFederal", 71},
                              {"Fica", 79},
                              {"Medicare", 87},
                              {"StateTax", 95},
                              {"LocalTax", 103},
                              {"ChildSupport", 111},
                              {"SupportFee", 119},
                              {"Deduction401k", 127},
                              {"Match401k", 135},
                              {"Insurance", 143}});
    EXPECT_EQ(PayRecord().encode().size(), 151);
}

TEST(RecordLayout, SummaryRecordOffsets) {
    expectOffsets<SummaryRecord>({{"PayDate", 0},
                                  {"TotalWages", 8},
                                  {"TotalFederal", 16},
                                  {"TotalExtraFederal", 24},
                                  {"TotalFica", 32},
                                  {"TotalMedicare", 40},
                                  {"TotalState", 48},
                                  {"TotalLocal", 56},
                                  {"TotalFuta", 64},
                                  {"TotalSuta", 72},
                                  {"TotalChildSupport", 80},
                                  {"TotalSupportFees", 88},
                                  {"Total401k", 96},
                                  {"TotalInsurance", 104},
                                  {"TotalMatch401k", 112}});
    EXPECT_EQ(SummaryRecord().encode().size(), 120);
}

TEST(RecordLayout, RegisterEntryOffsets) {
    expectOffsets<RegisterEntry>({{"CheckNo", 0},
                                  {"CheckDate", 20},
                                  {"Payee", 30},
                                  {"Amount", 55},
                                  {"Category", 70},
                                  {"Status", 105}});
    EXPECT_EQ(RegisterEntry().encode().size(), 115);
}

TEST(RecordEncoding, BinaryFieldsAreLittleEndian) {
    PayRecord p;
    p.PayDate = 46023.0;
    p.Gross = Money::fromRaw(0x0102030405060708);
    p.Insurance = Money::fromCents(-1);
    const QByteArray bytes = p.encode();
    EXPECT_EQ(qFromLittleEndian<double>(bytes.constData()), 46023.0);
    EXPECT_EQ(bytes.mid(55, 8), QByteArray("\x08\x07\x06\x05\x04\x03\x02\x01", 8));
    EXPECT_EQ(qFromLittleEndian<qint64>(bytes.constData() + 143), -100);

    EmployeeRecord e;
    e.NonResident = -1;
    e.MaritalStatus = 1;
    e.PayFrequency = 8;
    const QByteArray eb = e.encode();
    EXPECT_EQ(eb.mid(212, 2), QByteArray("\xFF\xFF", 2));
    EXPECT_EQ(eb.mid(240, 4), QByteArray("\x01\0\0\0", 4));
    EXPECT_EQ(eb.mid(314, 4), QByteArray("\x08\0\0\0", 4));
}

TEST(RecordEncoding, TextIsBlankPaddedCutToWidthAndWindows1252) {
    RegisterEntry r;
    r.CheckNo = QStringLiteral("1001");
    r.Payee = QStringLiteral("Jos\u00E9 \u00B1 \u20AC and a name far too long");
    const QByteArray bytes = r.encode();
    EXPECT_EQ(bytes.mid(0, 20), QByteArray("1001") + QByteArray(16, ' '));
    EXPECT_EQ(bytes.mid(30, 25), QByteArray("Jos\xE9 \xB1 \x80 and a name far t"));
    EXPECT_EQ(bytes.mid(105, 10), QByteArray(10, ' '));
    const RegisterEntry back = RegisterEntry::decode(bytes);
    EXPECT_EQ(back.Payee, QStringLiteral("Jos\u00E9 \u00B1 \u20AC and a name far t"));
    EXPECT_EQ(back.CheckNo, QStringLiteral("1001") + QString(16, u' '));
    EXPECT_EQ(TrimmedField(back.CheckNo), QStringLiteral("1001"));
}

TEST(RecordEncoding, ShortInputDecodesAsZeros) {
    const PayRecord p = PayRecord::decode(QByteArray(10, '\0'));
    EXPECT_EQ(p.PayDate, 0.0);
    EXPECT_EQ(p.Gross, Money());
    EXPECT_EQ(TrimmedField(p.EmployeeName), QString());
}

TEST(RecordEncoding, YearToDateTotalsLeaveOutTheMatch) {
    for (const auto& [pay, total] : YearToDateFields)
        EXPECT_NE(pay, &PayRecord::Match401k);
    EXPECT_EQ(YearToDateFields.size(), 11u);
}

TEST_F(RecordsTest, EveryRecordTypeRoundTripsThroughItsFile) {
    EmployeeRecord e = testrecords::Employee(1, QStringLiteral("Ana Lu\u00EDsa"));
    e.NonResident = -1;
    e.TerminationDate = QStringLiteral("12/31/2026");
    e.MaritalStatus = 1;
    e.InsurancePerPay = Money::fromCents(2550);
    e.ExtraWithholding = Money::fromRaw(123456789);
    e.YTDInsurance = Money::fromCents(-5);
    e = EmployeeRecord::decode(e.encode()); // as stored: padded text
    testrecords::WriteEmployees({e});
    EXPECT_EQ(testrecords::ReadEmployee(1), e);

    PayRecord p =
        PayRecord::decode(testrecords::Paycheck(QDate(2026, 1, 2), Money::fromRaw(81234567)).encode());
    SummaryRecord s;
    s.PayDate = 46024.5;
    s.TotalWages = Money::fromCents(123456);
    s.TotalMatch401k = Money::fromCents(4200);
    RegisterEntry r;
    r.CheckNo = QStringLiteral("1001");
    r.CheckDate = QStringLiteral("1/2/2026");
    r.Payee = QStringLiteral("Ana");
    r.Amount = QStringLiteral("$612.35");
    r.Category = QStringLiteral("Employee Paycheck");
    r.Status = QStringLiteral("Printed");
    r = RegisterEntry::decode(r.encode());
    {
        RandomFile pays = OpenRandomFile(u"/Pay.txt", PayRecord::Length);
        pays.put(1, p);
        RandomFile summaries = OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length);
        summaries.put(1, s);
        RandomFile register_ = OpenRandomFile2(u"/CheckRegister.txt", RegisterEntry::Length);
        register_.put(1, r);
    }
    EXPECT_EQ(*OpenRandomFile(u"/Pay.txt", PayRecord::Length).get<PayRecord>(1), p);
    EXPECT_EQ(*OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length).get<SummaryRecord>(1), s);
    EXPECT_EQ(*OpenRandomFile(u"/CheckRegister.txt", RegisterEntry::Length).get<RegisterEntry>(1), r);
    EXPECT_EQ(RecordCount(u"/CheckRegister.txt", RegisterEntry::Length), 1);
}

TEST_F(RecordsTest, LoadThenSaveLeavesTheEmployeeFileByteForByteUnchanged) {
    // Any bytes at all, such as another program may have left: undefined code-page
    // bytes, zero bytes, padding that is not blank, odd float and date patterns.
    std::mt19937 random(1001);
    QByteArray file(3 * EmployeeRecord::Length, Qt::Uninitialized);
    for (char& c : file)
        c = static_cast<char>(random() & 0xFF);
    file[EmployeeRecord::Length] = '\x81';
    file[EmployeeRecord::Length + 1] = '\0';
    writeFile(QStringLiteral("Employees.txt"), file);
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(LoadEmployee(n));
        SaveEmployee(n);
    }
    EXPECT_EQ(readFile(QStringLiteral("Employees.txt")), file);
}

TEST_F(RecordsTest, NameOfThirtyOneCharactersComesBackWithThirty) {
    CurrentEmployee = testrecords::Employee(1, QStringLiteral("Bartholomew Fitzgerald-Smithers"));
    ASSERT_EQ(CurrentEmployee.Name.size(), 31);
    SaveEmployee(1);
    ASSERT_TRUE(LoadEmployee(1));
    EXPECT_EQ(CurrentEmployee.Name, QStringLiteral("Bartholomew Fitzgerald-Smither"));
}

TEST_F(RecordsTest, Percent401kReadsBackAsTheFloatNearestTheTypedValue) {
    CurrentEmployee = testrecords::Employee(1);
    CurrentEmployee.Percent401k = static_cast<float>(ParseNumber(u"4.25")->toDouble());
    SaveEmployee(1);
    ResetRecordBuffers();
    ASSERT_TRUE(LoadEmployee(1));
    EXPECT_EQ(CurrentEmployee.Percent401k, 4.25f);
    EXPECT_EQ(readFile(QStringLiteral("Employees.txt")).mid(290, 4), QByteArray("\x00\x00\x88\x40", 4));
}

TEST_F(RecordsTest, NewEmployeesGoAtCountPlusOne) {
    for (int n = 1; n <= 10; ++n) {
        const int next = RecordCount(u"/Employees.txt", EmployeeRecord::Length) + 1;
        CurrentEmployee = testrecords::Employee(next);
        SaveEmployee(next);
    }
    ASSERT_TRUE(LoadEmployee(1));
    EXPECT_EQ(TrimmedField(CurrentEmployee.EmployeeNo), QStringLiteral("1001"));
    ASSERT_TRUE(LoadEmployee(10));
    EXPECT_EQ(TrimmedField(CurrentEmployee.EmployeeNo), QStringLiteral("1010"));
}

TEST_F(RecordsTest, LoadingAMissingRecordLeavesNoValidEmployee) {
    CurrentEmployee = testrecords::Employee(4);
    EXPECT_FALSE(LoadEmployee(1));
    EXPECT_FALSE(exists(QStringLiteral("Employees.txt")));
    EXPECT_EQ(CurrentEmployee, EmployeeRecord());
    testrecords::WriteEmployees({testrecords::Employee(1)});
    CurrentEmployee = testrecords::Employee(4);
    EXPECT_FALSE(LoadEmployee(2));
    EXPECT_EQ(CurrentEmployee, EmployeeRecord());
}

TEST_F(RecordsTest, ResetRecordBuffersBlanksAllFour) {
    CurrentEmployee.Name = QStringLiteral("x");
    CurrentPayRecord.Gross = Money::fromCents(1);
    CurrentSummary.TotalWages = Money::fromCents(1);
    CurrentRegisterEntry.Status = QStringLiteral("Void");
    ResetRecordBuffers();
    EXPECT_EQ(CurrentEmployee, EmployeeRecord());
    EXPECT_EQ(CurrentPayRecord, PayRecord());
    EXPECT_EQ(CurrentSummary, SummaryRecord());
    EXPECT_EQ(CurrentRegisterEntry, RegisterEntry());
}

TEST(RecordEncoding, TrimmedFieldDropsBlanksAndZeroBytesAroundOnly) {
    EXPECT_EQ(TrimmedField(QStringLiteral("  Ann Lee  ")), QStringLiteral("Ann Lee"));
    EXPECT_EQ(TrimmedField(QString(QStringLiteral("1001")) + QChar(u'\0') + QChar(u'\0')),
              QStringLiteral("1001"));
    EXPECT_EQ(TrimmedField(QString(10, u' ')), QString());
}
