#include "MenuRoutines.h"

#include "Screen.h"
#include "frmArchive.h"
#include "frmEmpReports.h"
#include "frmEmployees.h"
#include "frmNewEmployee.h"
#include "frmPayroll.h"
#include "frmPurge.h"
#include "frmReports.h"
#include "frmTables.h"

#include <array>

namespace {

template <class F> void Show() {
    ShowScreen<F>();
}

constexpr std::array<ShowRoutine, RoutineCount> Routines = {
    Show<frmEmployees>,
    Show<frmArchive>,
    Show<frmPayroll>,
    Show<frmReports>,
    Show<frmEmpReports>,
    Show<frmTables>,
    Show<frmNewEmployee>,
    Show<frmPurge>,
};

} // namespace

ShowRoutine RoutineScreen(int routine) {
    if (routine < 0 || routine >= RoutineCount) return nullptr;
    return Routines[static_cast<std::size_t>(routine)];
}
