#pragma once

#include <QString>

// The data files of the program folder, named relative to it as the file routines
// take them ("/" and "\" both separate). Every program of the suite reads and writes
// these same files, so each name is written down here once.

// Employees and their pay.
inline const QString EmployeeFile = QStringLiteral("/Employees.txt");
inline const QString SummaryRecordsFile = QStringLiteral("/SummaryRecords.txt");
// An employee's pay records and picture, by employee number.
inline QString PayRecordsFile(const QString& employeeNo) {
    return QStringLiteral("/Employees/") + employeeNo + QStringLiteral("/PayRecords.txt");
}
// The update files that a record file is rewritten through: the summary's in the
// program folder, a pay history's in its employee's folder.
inline const QString SummaryUpdateFile = QStringLiteral("/SummaryUpdate.txt");
inline QString EmployeeUpdateFile(const QString& employeeNo) {
    return QStringLiteral("/Employees/") + employeeNo + QStringLiteral("/EmployeeUpdate.txt");
}
inline QString PictureFile(const QString& employeeNo) {
    return QStringLiteral("/Pictures/") + employeeNo + QStringLiteral("/Picture.jpg");
}

// The business and its settings.
inline const QString BusinessDataFile = QStringLiteral("/MyBusinessData.txt");
inline const QString PayrollInfoFile = QStringLiteral("/PayrollInfo.txt");
inline const QString PromptsFile = QStringLiteral("/Prompts.txt");
inline const QString MatchingInfoFile = QStringLiteral("/MatchingInfo.txt");
inline const QString PayrollMemoFile = QStringLiteral("/PayrollMemo.txt");

// Checkbooks and their registers.
inline const QString CheckbookInfoFile = QStringLiteral("/CheckbookInfo.txt");
inline const QString PayrollCheckbookInfoFile = QStringLiteral("/PayrollCheckbookInfo.txt");
inline const QString TempRegisterFile = QStringLiteral("\\TempRegister.txt");
inline const QString PayrollRegisterFile = QStringLiteral("\\PayrollCheckRegister.txt");
inline const QString GeneralRegisterFile = QStringLiteral("\\CheckRegister.txt");
// The purge's own: a credit owed to an account for paychecks voided in its register,
// from before the register is written until the account is credited.
inline const QString OwedCreditFile = QStringLiteral("/VoidCredit.txt");

// Tax tables.
inline const QString TaxVariablesFile = QStringLiteral("/TaxVariables.txt");
inline const QString MasterTaxVariablesFile = QStringLiteral("/Backup/MasterTaxVariables.txt");
inline const QString TaxTableFile = QStringLiteral("/TaxTable.txt");
inline const QString PercentageTableFile = QStringLiteral("/PercentageTable.txt");
inline const QString DeductionsFile = QStringLiteral("/Deductions.txt");
inline const QString NonResidentTaxTableFile = QStringLiteral("/NonResidentTaxTable.txt");
inline const QString StateTaxesFile = QStringLiteral("/StateTaxes.txt");
inline const QString StateTaxTablesFile = QStringLiteral("/StateTaxTables.txt");
inline const QString StateTaxesMarginalFile = QStringLiteral("/StateTaxesMarginal.txt");

// Window places and sizes; the shortcut handed to the web browser.
inline const QString LayoutFile = QStringLiteral("/Layout.txt");
inline const QString InternetShortcutFile = QStringLiteral("\\Temp.url");
