#include "frmNewEmployee.h"

frmNewEmployee::frmNewEmployee() : Screen(QStringLiteral("frmNewEmployee"), QStringLiteral("Payroll")) {}
