#include "frmStartup.h"

frmStartup::frmStartup() : Screen(QStringLiteral("frmStartup"), QStringLiteral("Payroll")) {}
