#pragma once

// Puts tax data into the live store (the tax-table and setup screens), as the pay run
// reads it, whatever those screens loaded for themselves.

#include "DataFiles.h"
#include "FlexGrid.h"
#include "PayEngine.h"
#include "frmSetup.h"
#include "frmTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace payrolltest {

inline void ShapeStoreGrids(frmTables& tables) {
    for (FlexGrid* grid : {tables.fgTaxTable, tables.fgPercentage}) {
        if (grid->rows() < 17) grid->setRows(17);
        if (grid->cols() < 15) grid->setCols(15);
    }
}

inline void FillStore(const TaxSettings& s) {
    frmTables& tables = Form<frmTables>();
    ShapeStoreGrids(tables);
    for (std::size_t i = 0; i < s.Tables.size(); ++i)
        tables.TxtTables[i]->setText(s.Tables[i]);
    tables.ckState->setChecked(s.StateFlat);
    tables.ckLocal->setChecked(s.LocalFlat);
    for (int r = 1; r <= 16; ++r)
        for (int c = 1; c <= 14; ++c) {
            tables.fgTaxTable->setTextMatrix(
                r, c, s.TaxTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            tables.fgPercentage->setTextMatrix(
                r, c, s.Percentage[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    for (std::size_t k = 1; k <= 8; ++k)
        tables.txtAllowance[k - 1]->setText(CurrencyText(s.Allowance[k]));
}

// The matching offer of the setup screen.
inline void SetMatching(bool offered, const QString& percent) {
    frmSetup& setup = Form<frmSetup>();
    setup.ck401->setChecked(offered);
    if (setup.cboMatching->findText(percent) < 0) setup.cboMatching->addItem(percent);
    setup.cboMatching->setCurrentIndex(setup.cboMatching->findText(percent));
}

// Reads the tax files of the program folder into the store, item by item.
inline void FillStoreFromFiles() {
    frmTables& tables = Form<frmTables>();
    ShapeStoreGrids(tables);
    TextInput variables = OpenInput(u"/TaxVariables.txt");
    for (QLineEdit* box : tables.TxtTables)
        box->setText(variables.readText());
    tables.txtEIN->setText(variables.readText());
    tables.ckState->setChecked(variables.readWhole() != 0);
    tables.ckLocal->setChecked(variables.readWhole() != 0);
    for (auto [file, grid] : {std::pair{u"/TaxTable.txt", tables.fgTaxTable},
                              std::pair{u"/PercentageTable.txt", tables.fgPercentage}}) {
        TextInput cells = OpenInput(file);
        for (int r = 1; r <= 16; ++r)
            for (int c = 1; c <= 14; ++c)
                grid->setTextMatrix(r, c, cells.readText());
    }
    TextInput allowances = OpenInput(u"/Deductions.txt");
    for (QLineEdit* box : tables.txtAllowance)
        box->setText(allowances.readText());
}

} // namespace payrolltest
