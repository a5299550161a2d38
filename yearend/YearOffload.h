#pragma once

// Moving a finished year's summary and pay records out of the live files into a
// folder of its own under Backup, and back. No window: the screen asks and tells.
//
// The year folder "Backup/PayrollRecords <yyyy>" exists only for a finished offload.
// While an offload is under way its files grow in "PayrollRecords <yyyy>.offloading",
// which takes the final name in one rename once every live file has been rewritten;
// a restore first renames the year folder to "PayrollRecords <yyyy>.restoring". So
// after an interruption at any point the folder's name tells what was going on, and
// running the same action again finishes it: every record ends in the live files or in
// the year folder, never in both and never twice.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace yearend {

// "/Backup/PayrollRecords 2025", and the names of the year's files in it.
QString YearFolder(const QString& year);
QString OffloadingFolder(const QString& year);
QString RestoringFolder(const QString& year);
QString SummaryOffloadName(const QString& year); // "SummaryOffload 2025.txt"
QString PayOffloadName(const QString& year);     // "PayrollRecords 2025.txt"

// The year has been offloaded (also when its restore is unfinished).
bool YearOffloaded(const QString& year);
// What finishes an offload or a restore of the year that stopped part-way: "Offload" or
// "Restore"; empty when neither is unfinished. Until then the live files hold only part
// of the year.
QString UnfinishedAction(const QString& year);
// The years whose offload or restore stopped part-way, oldest first.
QStringList UnfinishedYears();

// Offloads the year for the first employeeCount employees, or finishes an offload of it
// that stopped part-way. The caller has refused a year already offloaded. Throws
// FileError; what was done stays done and running it again goes on from there.
void OffloadYear(const QString& year, std::int32_t employeeCount);

// Whether a restore of the year can start: the year folder holds records, and nothing
// in it that an offload did not write for one of the employees.
struct RestoreCheck {
    bool anyRecords = false;
    QStringList strangers; // entries of the year folder, named relative to it
};
RestoreCheck CheckRestore(const QString& year, std::int32_t employeeCount);

// Appends the year's records after the live ones and removes the year folder, or
// finishes a restore that stopped part-way (an offload that stopped part-way is
// finished first). The caller has checked the folder (CheckRestore). Throws FileError;
// running it again goes on from there.
void RestoreYear(const QString& year, std::int32_t employeeCount);

} // namespace yearend
