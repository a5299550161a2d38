// The tax-table screen shows the program's tax settings and writes every change of its
// boxes, check boxes and tables into them at once, so that the routines that read the
// settings see what the screen shows.

#include "frmTables.h"

#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "TaxTables.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QAbstractItemModel>
#include <QTableView>

namespace {

// Tells the user what the last loads and saves of the settings could not do.
void ReportProblems() {
    std::vector<TaxTables::Problem> problems;
    problems.swap(TheTaxTables().Problems);
    for (const TaxTables::Problem& problem : problems) {
        if (problem.error)
            ReportFileError(*problem.error);
        else if (!problem.shortFile.isEmpty())
            ReportShortFile(problem.shortFile);
        else if (problem.noMaster)
            MsgBox(QStringLiteral("The Default Tax Table (Backup\\MasterTaxVariables.txt) was not found.\r\n"
                                  "The Tax Settings were not changed."),
                   MsgButtons::OK, QStringLiteral("Load Default Table"));
    }
}

} // namespace

void frmTables::bindTables() {
    TaxTables& tables = TheTaxTables();
    for (std::size_t i = 0; i < TxtTables.size(); ++i)
        connect(TxtTables[i], &QLineEdit::textChanged, this,
                [&tables, i](const QString& text) { tables.Variables[i] = text; });
    for (std::size_t i = 0; i < txtAllowance.size(); ++i)
        connect(txtAllowance[i], &QLineEdit::textChanged, this,
                [&tables, i](const QString& text) { tables.Allowances[i] = text; });
    connect(txtEIN, &QLineEdit::textChanged, this, [&tables](const QString& text) { tables.EIN = text; });
    connect(ckState, &QCheckBox::toggled, this, [&tables](bool on) { tables.StateFlat = on; });
    connect(ckLocal, &QCheckBox::toggled, this, [&tables](bool on) { tables.LocalFlat = on; });
    const auto bindGrid = [this](FlexGrid* grid, std::vector<std::vector<QString>>& table) {
        connect(grid->view()->model(), &QAbstractItemModel::dataChanged, this, [this, grid, &table] {
            if (showing_) return;
            for (int r = 1; r <= TaxTables::TableRows; ++r)
                for (int c = 1; c <= TaxTables::TableCols; ++c)
                    table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = grid->textMatrix(r, c);
        });
    };
    bindGrid(fgTaxTable, tables.TaxTable);
    bindGrid(fgPercentage, tables.Percentage);
}

void frmTables::ShowTables() {
    const TaxTables tables = TheTaxTables();
    showing_ = true;
    for (std::size_t i = 0; i < TxtTables.size(); ++i)
        TxtTables[i]->setText(tables.Variables[i]);
    txtEIN->setText(tables.EIN);
    ckState->setChecked(tables.StateFlat);
    ckLocal->setChecked(tables.LocalFlat);
    for (int r = 1; r <= TaxTables::TableRows; ++r)
        for (int c = 1; c <= TaxTables::TableCols; ++c) {
            const auto row = static_cast<std::size_t>(r);
            const auto col = static_cast<std::size_t>(c);
            fgTaxTable->setTextMatrix(r, c, tables.TaxTable[row][col]);
            fgPercentage->setTextMatrix(r, c, tables.Percentage[row][col]);
        }
    for (std::size_t i = 0; i < txtAllowance.size(); ++i)
        txtAllowance[i]->setText(tables.Allowances[i]);
    showing_ = false;
}

void frmTables::LoadTables() {
    TheTaxTables().Load();
    ReportProblems();
    ShowTables();
}

void frmTables::LoadTaxVariables(bool current) {
    TheTaxTables().LoadTaxVariables(current);
    ReportProblems();
    ShowTables();
}

void frmTables::SaveTaxVariables() {
    TheTaxTables().SaveTaxVariables();
    ReportProblems();
    ShowTables();
}

void frmTables::LoadTaxTable() {
    TheTaxTables().LoadTaxTable();
    ReportProblems();
    ShowTables();
}

void frmTables::SaveTaxTable() {
    TheTaxTables().SaveTaxTable();
    ReportProblems();
}

void frmTables::LoadPercentageTable() {
    TheTaxTables().LoadPercentageTable();
    ReportProblems();
    ShowTables();
}

void frmTables::SavePercentageTable() {
    TheTaxTables().SavePercentageTable();
    ReportProblems();
}

void frmTables::LoadAllowanceTable() {
    TheTaxTables().LoadAllowanceTable();
    ReportProblems();
    ShowTables();
}

void frmTables::SaveAllowanceTable() {
    TheTaxTables().SaveAllowanceTable();
    ReportProblems();
}

void frmTables::ClearAllowanceTable() {
    TheTaxTables().ClearAllowanceTable();
    ShowTables();
    txtAllowance[AllowanceBox::Weekly]->setFocus();
}
