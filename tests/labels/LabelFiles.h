#pragma once

// Sibling files written record by record from their layouts, for the label program's tests.

#include "Recipients.h"
#include "SiblingRecords.h"
#include "TestSupport.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace labelfiles {

template <class R> QByteArray Bytes(const std::vector<R>& records) {
    QByteArray bytes;
    for (const R& record : records)
        bytes += record.encode();
    return bytes;
}

inline CustomerRecord Person(const QString& first, const QString& last, const QString& address = QStringLiteral("1 Oak Lane")) {
    CustomerRecord c;
    c.FirstName = first;
    c.LastName = last;
    c.Address = address;
    c.City = QStringLiteral("Springfield");
    c.State = QStringLiteral("IL");
    c.Zip = QStringLiteral("62701");
    c.Type = QStringLiteral("Home");
    return c;
}

inline CustomerRecord Business(const QString& company, const QString& address = QStringLiteral("9 Depot Street")) {
    CustomerRecord c = Person(QStringLiteral("Ann"), QStringLiteral("Ames"), address);
    c.CompanyName = company;
    c.Type = QStringLiteral("Business");
    return c;
}

inline ContractRecord Contract(const QString& service, const QString& secondStreet = {}) {
    ContractRecord c;
    c.ServiceName = service;
    c.SecondAddress = secondStreet;
    c.SecondAddress2 = secondStreet.isEmpty() ? QString() : QStringLiteral("Suite 4");
    c.SecondCity = QStringLiteral("Peoria");
    c.SecondState = QStringLiteral("IL");
    c.SecondZip = QStringLiteral("61602");
    return c;
}

inline CycleRecord Cycle(int code, int startMonth) {
    CycleRecord c;
    c.BillingCode = static_cast<std::int16_t>(code);
    c.StartMonth = static_cast<std::int16_t>(startMonth);
    return c;
}

inline VendorRecord Vendor(const QString& name) {
    VendorRecord v;
    v.Name = name;
    v.Address = QStringLiteral("400 Supply Road");
    v.City = QStringLiteral("Decatur");
    v.State = QStringLiteral("IL");
    v.Zip = QStringLiteral("62521");
    return v;
}

inline ServiceRecord Service(const QString& description) {
    ServiceRecord s;
    s.Description = description;
    return s;
}

inline const QByteArray BusinessData =
    "\"Harlan Feed & Seed\",\"14 Mill Road\",\"PO Box 7\",\"Macon\",\"GA\",\"31201\",\"478-555-0142\",\" \",\"58-1234567\"\r\n";

} // namespace labelfiles
