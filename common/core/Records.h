#pragma once

#include "Money.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

// The fixed-length records of the shared record files. Each record type lists its
// fields once, in file order (RecordLayout below); encoding, decoding and field
// offsets all follow from that list. Text fields keep the stored characters as read
// (blanks and all), so that a record read and written back is byte for byte the
// same; readers trim them when they use them (TrimmedField). Flags are int16, -1 true.

struct EmployeeRecord {
    static constexpr int Length = 414;

    QString Name;
    QString Address;
    QString Address2;
    QString City;
    QString State;
    QString Zip;
    QString HomePhone;
    QString CellPhone;
    QString EmergencyContact;
    QString EmergencyPhone;
    QString EmployeeNo;
    QString SSN;
    std::int16_t NonResident = 0;
    double StartDate = 0;
    QString TerminationDate;
    double RateEffectiveDate = 0;
    std::int32_t MaritalStatus = 0;
    QString Dependents;
    Money InsurancePerPay;
    Money ChildSupportPerPay;
    Money SupportFeePerPay;
    QString DeductionLabel401k;
    float Percent401k = 0;
    QString PayStatus;
    QString PayRate;
    std::int32_t PayFrequency = 0;
    Money ExtraWithholding;
    Money YTDGross;
    Money YTDFederal;
    Money YTDExtraFederal;
    Money YTDFica;
    Money YTDMedicare;
    Money YTDState;
    Money YTDLocal;
    Money YTDChildSupport;
    Money YTDSupportFee;
    Money YTD401k;
    Money YTDInsurance;

    QByteArray encode() const;
    static EmployeeRecord decode(QByteArrayView bytes);
    friend bool operator==(const EmployeeRecord&, const EmployeeRecord&) = default;
};

// One paycheck in an employee's PayRecords.txt.
struct PayRecord {
    static constexpr int Length = 151;

    double PayDate = 0;
    QString EmployeeName;
    QString EmployeeNo;
    QString Hours;
    Money Gross;
    Money FederalTax;
    Money ExtraFederal;
    Money Fica;
    Money Medicare;
    Money StateTax;
    Money LocalTax;
    Money ChildSupport;
    Money SupportFee;
    Money Deduction401k;
    Money Match401k;
    Money Insurance;

    QByteArray encode() const;
    static PayRecord decode(QByteArrayView bytes);
    friend bool operator==(const PayRecord&, const PayRecord&) = default;
};

// One payroll run in SummaryRecords.txt.
struct SummaryRecord {
    static constexpr int Length = 120;

    double PayDate = 0;
    Money TotalWages;
    Money TotalFederal;
    Money TotalExtraFederal;
    Money TotalFica;
    Money TotalMedicare;
    Money TotalState;
    Money TotalLocal;
    Money TotalFuta;
    Money TotalSuta;
    Money TotalChildSupport;
    Money TotalSupportFees;
    Money Total401k;
    Money TotalInsurance;
    Money TotalMatch401k;

    QByteArray encode() const;
    static SummaryRecord decode(QByteArrayView bytes);
    friend bool operator==(const SummaryRecord&, const SummaryRecord&) = default;
};

// One check in a check register (TempRegister.txt, CheckRegister.txt, PayrollCheckRegister.txt).
struct RegisterEntry {
    static constexpr int Length = 115;

    QString CheckNo;
    QString CheckDate;
    QString Payee;
    QString Amount;
    QString Category;
    QString Status;

    QByteArray encode() const;
    static RegisterEntry decode(QByteArrayView bytes);
    friend bool operator==(const RegisterEntry&, const RegisterEntry&) = default;
};

// ---- Layouts -------------------------------------------------------------------------------

// One stored field: its name, the member that holds it and its width in bytes.
template <class R, class T> struct RecordField {
    std::string_view name;
    T R::*member;
    int width;
};

// A fixed-width single-byte text field.
template <class R>
constexpr RecordField<R, QString> TextField(std::string_view name, QString R::*member, int width) {
    return {name, member, width};
}
// A binary field; its width is that of its type.
template <class R, class T> constexpr RecordField<R, T> BinaryField(std::string_view name, T R::*member) {
    static_assert(std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t> ||
                      std::is_same_v<T, float> || std::is_same_v<T, double> || std::is_same_v<T, Money>,
                  "stored binary fields are int16, int32, float32, date or money");
    return {name, member, static_cast<int>(sizeof(T))};
}

template <class R> struct RecordLayout;

template <> struct RecordLayout<EmployeeRecord> {
    using R = EmployeeRecord;
    static constexpr auto fields = std::tuple{
        TextField("Name", &R::Name, 30),
        TextField("Address", &R::Address, 35),
        TextField("Address2", &R::Address2, 25),
        TextField("City", &R::City, 20),
        TextField("State", &R::State, 2),
        TextField("Zip", &R::Zip, 10),
        TextField("HomePhone", &R::HomePhone, 13),
        TextField("CellPhone", &R::CellPhone, 13),
        TextField("EmergencyContact", &R::EmergencyContact, 30),
        TextField("EmergencyPhone", &R::EmergencyPhone, 13),
        TextField("EmployeeNo", &R::EmployeeNo, 10),
        TextField("SSN", &R::SSN, 11),
        BinaryField("NonResident", &R::NonResident),
        BinaryField("StartDate", &R::StartDate),
        TextField("TerminationDate", &R::TerminationDate, 10),
        BinaryField("RateEffectiveDate", &R::RateEffectiveDate),
        BinaryField("MaritalStatus", &R::MaritalStatus),
        TextField("Dependents", &R::Dependents, 2),
        BinaryField("InsurancePerPay", &R::InsurancePerPay),
        BinaryField("ChildSupportPerPay", &R::ChildSupportPerPay),
        BinaryField("SupportFeePerPay", &R::SupportFeePerPay),
        TextField("DeductionLabel401k", &R::DeductionLabel401k, 20),
        BinaryField("Percent401k", &R::Percent401k),
        TextField("PayStatus", &R::PayStatus, 10),
        TextField("PayRate", &R::PayRate, 10),
        BinaryField("PayFrequency", &R::PayFrequency),
        BinaryField("ExtraWithholding", &R::ExtraWithholding),
        BinaryField("YTDGross", &R::YTDGross),
        BinaryField("YTDFederal", &R::YTDFederal),
        BinaryField("YTDExtraFederal", &R::YTDExtraFederal),
        BinaryField("YTDFica", &R::YTDFica),
        BinaryField("YTDMedicare", &R::YTDMedicare),
        BinaryField("YTDState", &R::YTDState),
        BinaryField("YTDLocal", &R::YTDLocal),
        BinaryField("YTDChildSupport", &R::YTDChildSupport),
        BinaryField("YTDSupportFee", &R::YTDSupportFee),
        BinaryField("YTD401k", &R::YTD401k),
        BinaryField("YTDInsurance", &R::YTDInsurance),
    };
};

template <> struct RecordLayout<PayRecord> {
    using R = PayRecord;
    static constexpr auto fields = std::tuple{
        BinaryField("PayDate", &R::PayDate),
        TextField("EmployeeName", &R::EmployeeName, 30),
        TextField("EmployeeNo", &R::EmployeeNo, 10),
        TextField("Hours", &R::Hours, 7),
        BinaryField("Gross", &R::Gross),
        BinaryField("FederalTax", &R::FederalTax),
        BinaryField("ExtraFederal", &R::ExtraFederal),
        BinaryField("Fica", &R::Fica),
        BinaryField("Medicare", &R::Medicare),
        BinaryField("StateTax", &R::StateTax),
        BinaryField("LocalTax", &R::LocalTax),
        BinaryField("ChildSupport", &R::ChildSupport),
        BinaryField("SupportFee", &R::SupportFee),
        BinaryField("Deduction401k", &R::Deduction401k),
        BinaryField("Match401k", &R::Match401k),
        BinaryField("Insurance", &R::Insurance),
    };
};

template <> struct RecordLayout<SummaryRecord> {
    using R = SummaryRecord;
    static constexpr auto fields = std::tuple{
        BinaryField("PayDate", &R::PayDate),
        BinaryField("TotalWages", &R::TotalWages),
        BinaryField("TotalFederal", &R::TotalFederal),
        BinaryField("TotalExtraFederal", &R::TotalExtraFederal),
        BinaryField("TotalFica", &R::TotalFica),
        BinaryField("TotalMedicare", &R::TotalMedicare),
        BinaryField("TotalState", &R::TotalState),
        BinaryField("TotalLocal", &R::TotalLocal),
        BinaryField("TotalFuta", &R::TotalFuta),
        BinaryField("TotalSuta", &R::TotalSuta),
        BinaryField("TotalChildSupport", &R::TotalChildSupport),
        BinaryField("TotalSupportFees", &R::TotalSupportFees),
        BinaryField("Total401k", &R::Total401k),
        BinaryField("TotalInsurance", &R::TotalInsurance),
        BinaryField("TotalMatch401k", &R::TotalMatch401k),
    };
};

template <> struct RecordLayout<RegisterEntry> {
    using R = RegisterEntry;
    // clang-format off
    static constexpr auto fields = std::tuple{
        TextField("CheckNo", &R::CheckNo, 20),
        TextField("CheckDate", &R::CheckDate, 10),
        TextField("Payee", &R::Payee, 25),
        TextField("Amount", &R::Amount, 15),
        TextField("Category", &R::Category, 35),
        TextField("Status", &R::Status, 10),
    };
    // clang-format on
};

template <class R> constexpr int FieldCount() {
    return static_cast<int>(std::tuple_size_v<decltype(RecordLayout<R>::fields)>);
}

// The sum of the field widths: the record length the layout describes.
template <class R> constexpr int LayoutLength() {
    return std::apply([](const auto&... field) { return (0 + ... + field.width); }, RecordLayout<R>::fields);
}

// The byte offset of the named field in the record; -1 for a name the record does not have.
template <class R> constexpr int FieldOffset(std::string_view name) {
    int offset = 0;
    int found = -1;
    std::apply(
        [&](const auto&... field) {
            (
                [&] {
                    if (found < 0 && field.name == name) found = offset;
                    offset += field.width;
                }(),
                ...);
        },
        RecordLayout<R>::fields);
    return found;
}

// The byte offset of the field held in the member; -1 when the layout has no such field.
template <class R, class T> constexpr int FieldOffsetOf(T R::*member) {
    int offset = 0;
    int found = -1;
    std::apply(
        [&](const auto&... field) {
            (
                [&] {
                    if constexpr (std::is_same_v<decltype(field.member), T R::*>)
                        if (found < 0 && field.member == member) found = offset;
                    offset += field.width;
                }(),
                ...);
        },
        RecordLayout<R>::fields);
    return found;
}

static_assert(LayoutLength<EmployeeRecord>() == EmployeeRecord::Length && FieldCount<EmployeeRecord>() == 38);
static_assert(LayoutLength<PayRecord>() == PayRecord::Length && FieldCount<PayRecord>() == 16);
static_assert(LayoutLength<SummaryRecord>() == SummaryRecord::Length && FieldCount<SummaryRecord>() == 15);
static_assert(LayoutLength<RegisterEntry>() == RegisterEntry::Length && FieldCount<RegisterEntry>() == 6);

// One binary field read straight from a stored record's bytes at its offset, for
// sweeps over many records that need only a few fields.
Money StoredMoney(QByteArrayView record, int offset);
double StoredDate(QByteArrayView record, int offset);
// Adds an amount read from a record file to a sum. Amounts no payroll comes near that
// add up beyond what money can hold are damaged: FileError names the file.
void AddStoredAmount(Money& sum, Money amount, QStringView file);

// A text field as readers use it: without the blanks (and the zero bytes of a record
// that was never written) around it.
QString TrimmedField(const QString& field);

// The eleven pay-record amounts that the year-to-date totals add up, each with its
// total; the employer's 401k match has none.
inline constexpr std::array<std::pair<Money PayRecord::*, Money EmployeeRecord::*>, 11> YearToDateFields{{
    {&PayRecord::Gross, &EmployeeRecord::YTDGross},
    {&PayRecord::FederalTax, &EmployeeRecord::YTDFederal},
    {&PayRecord::ExtraFederal, &EmployeeRecord::YTDExtraFederal},
    {&PayRecord::Fica, &EmployeeRecord::YTDFica},
    {&PayRecord::Medicare, &EmployeeRecord::YTDMedicare},
    {&PayRecord::StateTax, &EmployeeRecord::YTDState},
    {&PayRecord::LocalTax, &EmployeeRecord::YTDLocal},
    {&PayRecord::ChildSupport, &EmployeeRecord::YTDChildSupport},
    {&PayRecord::SupportFee, &EmployeeRecord::YTDSupportFee},
    {&PayRecord::Deduction401k, &EmployeeRecord::YTD401k},
    {&PayRecord::Insurance, &EmployeeRecord::YTDInsurance},
}};

// ---- The shared record buffers ---------------------------------------------------------------
// One in-memory record of each type, shared by every screen and routine of a program.
inline EmployeeRecord CurrentEmployee;
inline PayRecord CurrentPayRecord;
inline SummaryRecord CurrentSummary;
inline RegisterEntry CurrentRegisterEntry;

// Reads record n of Employees.txt into CurrentEmployee. False when there is no such
// record (CurrentEmployee is then blank) or no employee file (none is created).
bool LoadEmployee(std::int32_t recordNumber);
// Writes CurrentEmployee as record n of Employees.txt. Throws FileError on failure.
void SaveEmployee(std::int32_t recordNumber);
// Blanks the four shared buffers (tests start each case clean).
void ResetRecordBuffers();
