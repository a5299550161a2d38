#pragma once

#include "Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <tuple>

// Record files that sibling programs of the family leave in the program folder. This
// suite only reads them; their fields named NotRead... are kept as stored, their
// meaning belongs to the writing program. Encoding exists so that a record read and
// written back (tests build their files that way) is byte for byte the same.

inline const QString CustomerDataFile = QStringLiteral("/CustomerData.txt");
inline const QString VendorDataFile = QStringLiteral("/VendorData.txt");
inline const QString ContractInfoFile = QStringLiteral("/ContractInfo.txt");
inline const QString CycleInfoFile = QStringLiteral("/CycleInfo.txt");
inline const QString ServicesFile = QStringLiteral("/Services.txt");
// Delimited text: one customer display name per item.
inline const QString StatementFile = QStringLiteral("/StatementFile.txt");

struct CustomerRecord {
    static constexpr int Length = 328;

    QString NotRead0;
    QString CompanyName;
    QString Address;
    QString Address2;
    QString City;
    QString NotRead150;
    QString State;
    QString NotRead172;
    QString Zip;
    QString NotRead207;
    QString NotRead220;
    QString NotRead233;
    QString Title;
    QString FirstName;
    QString MiddleInitial;
    QString LastName;
    QString Type; // "Business" or another word
    std::int16_t NotRead324 = 0;
    std::int16_t NotRead326 = 0;

    QByteArray encode() const;
    static CustomerRecord decode(QByteArrayView bytes);
};

struct VendorRecord {
    static constexpr int Length = 235;

    QString NotRead0;
    QString Name;
    QString Address;
    QString NotRead85;
    QString City;
    QString State;
    QString Zip;
    QString NotRead142;
    QString NotRead155;
    QString NotRead185;
    QString NotRead205;

    QByteArray encode() const;
    static VendorRecord decode(QByteArrayView bytes);
};

// Record n belongs to customer record n.
struct ContractRecord {
    static constexpr int Length = 386;

    QString ServiceName;
    QString NotRead35;
    double NotRead50 = 0;
    QString NotRead58;
    QString NotRead67;
    double NotRead107 = 0;
    double NotRead115 = 0;
    std::int16_t NotRead123 = 0;
    std::int16_t NotRead125 = 0;
    std::int16_t NotRead127 = 0;
    QString NotRead129;
    QString NotRead149;
    QString NotRead169;
    QString SecondAddress;
    QString SecondAddress2;
    QString SecondCity;
    QString SecondState;
    QString SecondZip;
    QString NotRead291;
    QString NotRead304;
    std::int16_t NotRead334 = 0;
    QString NotRead336;

    QByteArray encode() const;
    static ContractRecord decode(QByteArrayView bytes);
};

// Record n belongs to customer record n.
struct CycleRecord {
    static constexpr int Length = 69;

    QString NotRead0;
    double NotRead35 = 0;
    std::int16_t BillingCode = 0; // 0 monthly, 1 quarterly, 2 semi-annually, 3 annually
    QString NotRead45;
    std::int16_t StartMonth = 0; // 0 January to 11 December
    std::int16_t NotRead67 = 0;

    QByteArray encode() const;
    static CycleRecord decode(QByteArrayView bytes);
};

struct ServiceRecord {
    static constexpr int Length = 72;

    QString Description;
    QString NotRead60;
    std::int16_t NotRead70 = 0;

    QByteArray encode() const;
    static ServiceRecord decode(QByteArrayView bytes);
};

template <> struct RecordLayout<CustomerRecord> {
    using R = CustomerRecord;
    static constexpr auto fields = std::tuple{
        TextField("NotRead0", &R::NotRead0, 20),
        TextField("CompanyName", &R::CompanyName, 45),
        TextField("Address", &R::Address, 35),
        TextField("Address2", &R::Address2, 25),
        TextField("City", &R::City, 25),
        TextField("NotRead150", &R::NotRead150, 20),
        TextField("State", &R::State, 2),
        TextField("NotRead172", &R::NotRead172, 10),
        TextField("Zip", &R::Zip, 25),
        TextField("NotRead207", &R::NotRead207, 13),
        TextField("NotRead220", &R::NotRead220, 13),
        TextField("NotRead233", &R::NotRead233, 30),
        TextField("Title", &R::Title, 10),
        TextField("FirstName", &R::FirstName, 15),
        TextField("MiddleInitial", &R::MiddleInitial, 1),
        TextField("LastName", &R::LastName, 25),
        TextField("Type", &R::Type, 10),
        BinaryField("NotRead324", &R::NotRead324),
        BinaryField("NotRead326", &R::NotRead326),
    };
};

template <> struct RecordLayout<VendorRecord> {
    using R = VendorRecord;
    static constexpr auto fields = std::tuple{
        TextField("NotRead0", &R::NotRead0, 20),
        TextField("Name", &R::Name, 30),
        TextField("Address", &R::Address, 35),
        TextField("NotRead85", &R::NotRead85, 25),
        TextField("City", &R::City, 20),
        TextField("State", &R::State, 2),
        TextField("Zip", &R::Zip, 10),
        TextField("NotRead142", &R::NotRead142, 13),
        TextField("NotRead155", &R::NotRead155, 30),
        TextField("NotRead185", &R::NotRead185, 20),
        TextField("NotRead205", &R::NotRead205, 30),
    };
};

template <> struct RecordLayout<ContractRecord> {
    using R = ContractRecord;
    static constexpr auto fields = std::tuple{
        TextField("ServiceName", &R::ServiceName, 35),
        TextField("NotRead35", &R::NotRead35, 15),
        BinaryField("NotRead50", &R::NotRead50),
        TextField("NotRead58", &R::NotRead58, 9),
        TextField("NotRead67", &R::NotRead67, 40),
        BinaryField("NotRead107", &R::NotRead107),
        BinaryField("NotRead115", &R::NotRead115),
        BinaryField("NotRead123", &R::NotRead123),
        BinaryField("NotRead125", &R::NotRead125),
        BinaryField("NotRead127", &R::NotRead127),
        TextField("NotRead129", &R::NotRead129, 20),
        TextField("NotRead149", &R::NotRead149, 20),
        TextField("NotRead169", &R::NotRead169, 30),
        TextField("SecondAddress", &R::SecondAddress, 35),
        TextField("SecondAddress2", &R::SecondAddress2, 25),
        TextField("SecondCity", &R::SecondCity, 20),
        TextField("SecondState", &R::SecondState, 2),
        TextField("SecondZip", &R::SecondZip, 10),
        TextField("NotRead291", &R::NotRead291, 13),
        TextField("NotRead304", &R::NotRead304, 30),
        BinaryField("NotRead334", &R::NotRead334),
        TextField("NotRead336", &R::NotRead336, 50),
    };
};

template <> struct RecordLayout<CycleRecord> {
    using R = CycleRecord;
    static constexpr auto fields = std::tuple{
        TextField("NotRead0", &R::NotRead0, 35),
        BinaryField("NotRead35", &R::NotRead35),
        BinaryField("BillingCode", &R::BillingCode),
        TextField("NotRead45", &R::NotRead45, 20),
        BinaryField("StartMonth", &R::StartMonth),
        BinaryField("NotRead67", &R::NotRead67),
    };
};

template <> struct RecordLayout<ServiceRecord> {
    using R = ServiceRecord;
    static constexpr auto fields = std::tuple{
        TextField("Description", &R::Description, 60),
        TextField("NotRead60", &R::NotRead60, 10),
        BinaryField("NotRead70", &R::NotRead70),
    };
};

static_assert(LayoutLength<CustomerRecord>() == CustomerRecord::Length && CustomerRecord::Length == 328);
static_assert(LayoutLength<VendorRecord>() == VendorRecord::Length && VendorRecord::Length == 235);
static_assert(LayoutLength<ContractRecord>() == ContractRecord::Length && ContractRecord::Length == 386);
static_assert(LayoutLength<CycleRecord>() == CycleRecord::Length && CycleRecord::Length == 69);
static_assert(LayoutLength<ServiceRecord>() == ServiceRecord::Length && ServiceRecord::Length == 72);
static_assert(FieldOffset<CustomerRecord>("Title") == 263 && FieldOffset<CustomerRecord>("Type") == 314);
static_assert(FieldOffset<ContractRecord>("SecondAddress") == 199 && FieldOffset<ContractRecord>("SecondZip") == 281);
static_assert(FieldOffset<CycleRecord>("BillingCode") == 43 && FieldOffset<CycleRecord>("StartMonth") == 65);
