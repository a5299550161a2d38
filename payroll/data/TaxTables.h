#pragma once

#include "DataFiles.h"
#include "Money.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The program folder's tax settings as the tax-table screen shows them: the tax
// variables of TaxVariables.txt (or its master copy), the federal bracket tables of
// TaxTable.txt and PercentageTable.txt, and the allowances of Deductions.txt. Every
// value is held as its display text. What a load or save cannot do is kept in Problems
// for the caller to tell the user; it goes on with what it could read.
struct TaxTables {
    struct Problem {
        std::optional<FileError> error; // a file that could not be read or written
        QString shortFile;               // a file that ended before all its items
        bool noMaster = false;           // Backup\MasterTaxVariables.txt is missing
    };

    static constexpr int TableRows = 16;
    static constexpr int TableCols = 14;

    // 0-5 rates (percent text), 6-10 wage maxima (currency text, "None", or "Table" in 7).
    std::array<QString, 11> Variables;
    QString EIN;
    bool StateFlat = false; // "State Tax is Flate Rate"
    bool LocalFlat = false; // "Local Tax is Flate Rate"
    // The federal tables, [row][col]: rows 1..16 (Single-Weekly .. Married-Daily), columns
    // 1..14; row 0 and column 0 are the screen's headings and stay empty here.
    std::vector<std::vector<QString>> TaxTable;
    std::vector<std::vector<QString>> Percentage;
    // Value of one withholding allowance: Weekly .. "Daily or Misc".
    std::array<QString, 8> Allowances;
    // In the order they happened, since the caller last took them.
    std::vector<Problem> Problems;

    TaxTables();

    // Everything, as the program reads it at start-up: a missing file leaves the zero
    // defaults of a first start (a missing allowance file is written with the defaults).
    void Load();
    // TaxVariables.txt (current) or Backup\MasterTaxVariables.txt; a missing master copy
    // changes nothing.
    void LoadTaxVariables(bool current);
    // A maximum of zero is saved as "None".
    void SaveTaxVariables();
    void LoadTaxTable();
    void SaveTaxTable();
    void LoadPercentageTable();
    void SavePercentageTable();
    void LoadAllowanceTable();
    void SaveAllowanceTable();
    void ClearAllowanceTable();

    // The allowance amounts, elements 1..8 (Weekly .. Daily).
    std::array<Money, 9> AllowanceAmounts() const;

private:
    void defaultTaxVariables();
    void readTaxVariables(const QString& fileName);
    std::optional<std::vector<DelimitedReader::Read>> readItems(const QString& fileName, int count);
    void readTable(std::vector<std::vector<QString>>& table, const QString& fileName, bool percentColumns);
    template <class WriteItems> void saveFile(const QString& fileName, WriteItems writeItems);
    void saveTable(const std::vector<std::vector<QString>>& table, const QString& fileName);
};

// The program's tax settings, shared by the screens and the routines.
TaxTables& TheTaxTables();
