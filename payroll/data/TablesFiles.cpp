// The tax-table screen shows the program's tax settings and writes every change of its
// boxes, check boxes and tables into them at once, so that the routines that read the
// settings see what the screen shows.

#include "frmTables.h"

#include "FlexGrid.h"
#include "TaxTables.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>

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
        connect(grid->view(), &QTableWidget::itemChanged, this, [this, grid, &table] {
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
    ShowTables();
}

void frmTables::LoadTaxVariables(bool current) {
    TheTaxTables().LoadTaxVariables(current);
    ShowTables();
}

void frmTables::SaveTaxVariables() {
    TheTaxTables().SaveTaxVariables();
    ShowTables();
}

void frmTables::LoadTaxTable() {
    TheTaxTables().LoadTaxTable();
    ShowTables();
}

void frmTables::SaveTaxTable() {
    TheTaxTables().SaveTaxTable();
}

void frmTables::LoadPercentageTable() {
    TheTaxTables().LoadPercentageTable();
    ShowTables();
}

void frmTables::SavePercentageTable() {
    TheTaxTables().SavePercentageTable();
}

void frmTables::LoadAllowanceTable() {
    TheTaxTables().LoadAllowanceTable();
    ShowTables();
}

void frmTables::SaveAllowanceTable() {
    TheTaxTables().SaveAllowanceTable();
}

void frmTables::ClearAllowanceTable() {
    TheTaxTables().ClearAllowanceTable();
    ShowTables();
    txtAllowance[0]->setFocus();
}
