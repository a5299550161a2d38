#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Stored dates are day counts since 30 December 1899; the fraction is the time of day.
double OleDateOf(QDate date);
// The calendar date of a stored day count (its whole part); invalid for a non-finite value.
QDate DateOfOle(double serial);
int YearOfOle(double serial);

// Short date text: M/d/yyyy without leading zeros.
QString ShortDateText(QDate date);
QString ShortDateText(double serial);
// Reads M/d/yyyy (leading zeros allowed); nullopt for anything else or an impossible date.
std::optional<QDate> ParseShortDate(QStringView text);

// The local system date. Tests fix it with SetTodayForTesting.
QDate Today();
void SetTodayForTesting(std::optional<QDate> date);
