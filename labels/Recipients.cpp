#include "Recipients.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "DelimitedFile.h"
#include "Globals.h"
#include "Records.h"
#include "SiblingRecords.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace {

// The whole file, or nullopt when it is missing or cannot be read. Opened read-only:
// this program never changes a file it reads.
std::optional<QByteArray> ReadBytes(const QString& name) {
    if (!FileExists(name)) return std::nullopt;
    QFile file(DataPath(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

template <class R> std::optional<std::vector<R>> ReadRecords(const QString& name) {
    const std::optional<QByteArray> bytes = ReadBytes(name);
    if (!bytes) return std::nullopt;
    std::vector<R> records;
    const qsizetype whole = bytes->size() / R::Length;
    records.reserve(static_cast<size_t>(whole));
    for (qsizetype n = 0; n < whole; ++n)
        records.push_back(R::decode(QByteArrayView(*bytes).sliced(n * R::Length, R::Length)));
    return records;
}

template <class R> std::optional<std::vector<NamedAddress>> ReadAddresses(const QString& name) {
    const auto records = ReadRecords<R>(name);
    if (!records) return std::nullopt;
    std::vector<NamedAddress> addresses;
    for (const R& r : *records)
        addresses.push_back({TrimmedField(r.Name), TrimmedField(r.Address), TrimmedField(r.City),
                             TrimmedField(r.State), TrimmedField(r.Zip)});
    return addresses;
}

std::optional<QStringList> ReadItems(const QString& name, qsizetype most) {
    const std::optional<QByteArray> bytes = ReadBytes(name);
    if (!bytes) return std::nullopt;
    DelimitedReader in(*bytes, name);
    QStringList items;
    while (!in.atEnd() && items.size() < most)
        items.append(in.readText());
    return items;
}

const QString& Field(const CustomerEntry& c, SearchField field) {
    switch (field) {
    case SearchField::Name: return c.displayName;
    case SearchField::Address: return c.address;
    case SearchField::City: return c.city;
    case SearchField::State: return c.state;
    case SearchField::Zip: return c.zip;
    case SearchField::ContractService: break;
    }
    return c.serviceName;
}

} // namespace

QString CustomerDisplayName(const CustomerRecord& record) {
    if (TrimmedField(record.Type) == QLatin1String("Business")) return TrimmedField(record.CompanyName);
    QStringList parts;
    for (const QString* part : {&record.Title, &record.FirstName, &record.MiddleInitial, &record.LastName})
        if (const QString trimmed = TrimmedField(*part); !trimmed.isEmpty()) parts.append(trimmed);
    return parts.join(u' ');
}

std::optional<std::vector<NamedAddress>> ReadEmployeeAddresses() {
    return ReadAddresses<EmployeeRecord>(EmployeeFile);
}

std::optional<std::vector<NamedAddress>> ReadVendorAddresses() {
    return ReadAddresses<VendorRecord>(VendorDataFile);
}

std::optional<std::vector<CustomerEntry>> ReadCustomers() {
    const auto records = ReadRecords<CustomerRecord>(CustomerDataFile);
    if (!records) return std::nullopt;
    std::vector<CustomerEntry> customers;
    for (const CustomerRecord& r : *records) {
        CustomerEntry c;
        c.displayName = CustomerDisplayName(r);
        c.address = TrimmedField(r.Address);
        c.address2 = TrimmedField(r.Address2);
        c.city = TrimmedField(r.City);
        c.state = TrimmedField(r.State);
        c.zip = TrimmedField(r.Zip);
        customers.push_back(std::move(c));
    }
    return customers;
}

std::optional<std::vector<CycleRecord>> ReadCycles() {
    return ReadRecords<CycleRecord>(CycleInfoFile);
}

std::optional<QStringList> ReadServiceNames() {
    const auto records = ReadRecords<ServiceRecord>(ServicesFile);
    if (!records) return std::nullopt;
    QStringList names;
    for (const ServiceRecord& r : *records) {
        if (names.size() == MaxServices) break;
        names.append(TrimmedField(r.Description));
    }
    return names;
}

std::optional<QStringList> ReadStatementNames() {
    return ReadItems(StatementFile, std::numeric_limits<qsizetype>::max());
}

bool AddContractAddresses(std::vector<CustomerEntry>& customers) {
    const auto records = ReadRecords<ContractRecord>(ContractInfoFile);
    if (!records) return false;
    const size_t shared = std::min(customers.size(), records->size());
    for (size_t i = 0; i < shared; ++i) {
        const ContractRecord& r = (*records)[i];
        CustomerEntry& c = customers[i];
        c.serviceName = TrimmedField(r.ServiceName);
        c.secondAddress = TrimmedField(r.SecondAddress);
        c.secondAddress2 = TrimmedField(r.SecondAddress2);
        c.secondCity = TrimmedField(r.SecondCity);
        c.secondState = TrimmedField(r.SecondState);
        c.secondZip = TrimmedField(r.SecondZip);
    }
    return true;
}

bool AddCycles(std::vector<CustomerEntry>& customers) {
    const auto records = ReadCycles();
    if (!records) return false;
    const size_t shared = std::min(customers.size(), records->size());
    for (size_t i = 0; i < shared; ++i) {
        customers[i].billingCode = (*records)[i].BillingCode;
        customers[i].startMonth = (*records)[i].StartMonth;
    }
    return true;
}

bool ReadSenderData() {
    const auto items = ReadItems(BusinessDataFile, 8);
    if (!items) return false;
    const std::array<QString*, 8> sender = {&BusinessName, &BusinessAddress, &BusinessAddress2, &BusinessCity,
                                            &BusinessState, &BusinessZip, &BusinessPhone, &BusinessFax};
    for (size_t i = 0; i < sender.size(); ++i)
        *sender[i] = i < size_t(items->size()) ? items->at(qsizetype(i)).trimmed() : QString();
    return true;
}

LabelLines SenderLabel() {
    return {BusinessName, BusinessAddress, BusinessAddress2, BusinessCity, BusinessState, BusinessZip};
}

bool SearchMatches(const CustomerEntry& customer, SearchField field, const QString& text) {
    return Field(customer, field).trimmed().toUpper().contains(text.trimmed().toUpper());
}

bool BillingCycleMatches(const CycleRecord& cycle, int frequency, int month) {
    if (frequency == AllFrequencies) return true;
    if (cycle.BillingCode != frequency) return false;
    const int start = cycle.StartMonth;
    switch (frequency) {
    case Monthly: return true;
    case Quarterly:
        return start == month - 6 || start == month - 3 || start == month || start == month + 3 ||
               start == month + 6;
    case SemiAnnually: return start == month - 6 || start == month || start == month + 6;
    case Annually: return start == month;
    default: return false;
    }
}

std::vector<int> StatementMatches(const std::vector<CustomerEntry>& customers, const QStringList& names) {
    const QSet<QString> wanted(names.begin(), names.end());
    std::vector<int> matches;
    for (size_t i = 0; i < customers.size(); ++i)
        if (wanted.contains(customers[i].displayName)) matches.push_back(int(i));
    return matches;
}
