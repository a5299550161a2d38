#pragma once

#include "Records.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// The benchmarks' shared ground: an application for the screens, and large folders of
// employees with long pay histories.
namespace bench {

inline constexpr int Employees = 255;

// The screens need an application; the benchmark program has none of its own.
void EnsureApplication();

// An hourly employee numbered 1000 + n, paid at the given rate.
EmployeeRecord Employee(int n, const QString& rate = QStringLiteral("$18.50"));

// Weekly pay records from the first pay day on, one per week.
QByteArray WeeklyPayHistory(const EmployeeRecord& e, QDate firstPayDay, int weeks);

// Writes Employees.txt with the employees and, when weeks > 0, each one's folder with
// a weekly pay history, in the current program folder.
void WriteEmployees(const std::vector<EmployeeRecord>& employees, QDate firstPayDay, int weeks);

// A folder of Employees employees, each with ten years of weekly pay records up to
// 12/25/2026, built once for the whole program and made the program folder.
inline constexpr int TenYearsOfWeeks = 520;
void UseTenYearFolder();

} // namespace bench
