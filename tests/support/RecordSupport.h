#pragma once

// Builders for employee and pay records in a test's program folder.

#include "DataFiles.h"
#include "Dates.h"
#include "Records.h"

#include <QDate>
#include <QDir>
#include <QString>

#include <vector>

namespace testrecords {

// An hourly employee numbered 1000 + recordNumber, as the employee screen saves one.
inline EmployeeRecord Employee(int recordNumber, const QString& name = QStringLiteral("Pat Doe")) {
    EmployeeRecord e;
    e.Name = name;
    e.Address = QStringLiteral("12 Elm Street");
    e.City = QStringLiteral("Springfield");
    e.State = QStringLiteral("IL");
    e.Zip = QStringLiteral("62701");
    e.EmployeeNo = QString::number(1000 + recordNumber);
    e.SSN = QStringLiteral("123-45-6789");
    e.StartDate = OleDateOf(QDate(2020, 3, 2));
    e.RateEffectiveDate = OleDateOf(QDate(2024, 1, 1));
    e.Dependents = QStringLiteral("2");
    e.DeductionLabel401k = QStringLiteral("401k Contribution");
    e.Percent401k = 3.5f;
    e.PayStatus = QStringLiteral("Hourly");
    e.PayRate = QStringLiteral("$18.50");
    return e;
}

// Writes the employees as records 1, 2, ... of Employees.txt.
inline void WriteEmployees(const std::vector<EmployeeRecord>& employees) {
    RandomFile file = OpenRandomFile(u"/Employees.txt", EmployeeRecord::Length);
    for (size_t i = 0; i < employees.size(); ++i)
        file.put(static_cast<std::int32_t>(i + 1), employees[i]);
}

inline EmployeeRecord ReadEmployee(int recordNumber) {
    return *OpenRandomFile(u"/Employees.txt", EmployeeRecord::Length).get<EmployeeRecord>(recordNumber);
}

// A paycheck of the given gross; the other amounts are set apart so that sums show
// which field went where.
inline PayRecord Paycheck(QDate date, Money gross) {
    PayRecord p;
    p.PayDate = OleDateOf(date);
    p.EmployeeName = QStringLiteral("Pat Doe");
    p.Hours = QStringLiteral("40");
    p.Gross = gross;
    p.FederalTax = Money::fromCents(1001);
    p.ExtraFederal = Money::fromCents(202);
    p.Fica = Money::fromCents(303);
    p.Medicare = Money::fromCents(404);
    p.StateTax = Money::fromCents(505);
    p.LocalTax = Money::fromCents(606);
    p.ChildSupport = Money::fromCents(707);
    p.SupportFee = Money::fromCents(808);
    p.Deduction401k = Money::fromCents(909);
    p.Match401k = Money::fromCents(5000);
    p.Insurance = Money::fromCents(1111);
    return p;
}

// Appends pay records to the employee's PayRecords.txt, making its folder first.
inline void AppendPayRecords(const QString& employeeNo, const std::vector<PayRecord>& records) {
    QDir().mkpath(DataPath(QStringLiteral("/Employees/") + employeeNo));
    const QString name = QStringLiteral("/Employees/") + employeeNo + QStringLiteral("/PayRecords.txt");
    RandomFile file = OpenRandomFile(name, PayRecord::Length);
    std::int32_t next = file.count() + 1;
    for (PayRecord record : records) {
        record.EmployeeNo = employeeNo;
        file.put(next++, record);
    }
}

} // namespace testrecords
