#include "frmTables.h"

#include "Controls.h"
#include "FlexGrid.h"

#include <QCheckBox>
#include <QLineEdit>

frmTables::frmTables() : Screen(QStringLiteral("frmTables"), QStringLiteral("Payroll")) {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    NewControls(TxtTables, face, QStringLiteral("TxtTables"));
    txtEIN = NewControl<QLineEdit>(face, QStringLiteral("txtEIN"));
    ckState = NewControl<QCheckBox>(face, QStringLiteral("ckState"));
    ckLocal = NewControl<QCheckBox>(face, QStringLiteral("ckLocal"));
    fgTaxTable = NewControl<FlexGrid>(face, QStringLiteral("fgTaxTable"));
    fgPercentage = NewControl<FlexGrid>(face, QStringLiteral("fgPercentage"));
    NewControls(txtAllowance, face, QStringLiteral("txtAllowance"));
}
