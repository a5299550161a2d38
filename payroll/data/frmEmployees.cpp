#include "frmEmployees.h"

#include "Controls.h"

#include <QComboBox>

frmEmployees::frmEmployees() : Screen(QStringLiteral("frmEmployees"), QStringLiteral("Payroll")) {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    cboStates = NewControl<QComboBox>(face, QStringLiteral("cboStates"));
}
