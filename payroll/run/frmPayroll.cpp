#include "frmPayroll.h"

#include "Controls.h"
#include "FlexGrid.h"

#include <QAction>
#include <QGroupBox>

frmPayroll::frmPayroll() : Screen(QStringLiteral("frmPayroll"), QStringLiteral("Payroll")) {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    fraStateTaxes = NewControl<QGroupBox>(face, QStringLiteral("fraStateTaxes"));
    fgStateTaxes = NewControl<FlexGrid>(fraStateTaxes, QStringLiteral("fgStateTaxes"));
    mnuStateTable = new QAction(this);
    mnuStateTable->setObjectName(QStringLiteral("mnuStateTable"));
}

void frmPayroll::LoadEmployees() {}
