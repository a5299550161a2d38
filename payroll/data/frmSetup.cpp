#include "frmSetup.h"

#include "Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

frmSetup::frmSetup() : Screen(QStringLiteral("frmSetup"), QStringLiteral("Payroll")) {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    NewControls(optAccount, face, QStringLiteral("optAccount"));
    NewControls(txtPayrollBank, face, QStringLiteral("txtPayrollBank"));
    NewControls(LblBank, face, QStringLiteral("LblBank"));
    ck401 = NewControl<QCheckBox>(face, QStringLiteral("ck401"));
    cboMatching = NewControl<QComboBox>(face, QStringLiteral("cboMatching"));
    cboStates = NewControl<QComboBox>(face, QStringLiteral("cboStates"));
}

void frmSetup::LoadBusiness() {}
