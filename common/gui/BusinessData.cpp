#include "BusinessData.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "Globals.h"

#include <array>

namespace {

std::array<QString*, 9> BusinessGlobals() {
    return {&BusinessName, &BusinessAddress, &BusinessAddress2, &BusinessCity, &BusinessState,
            &BusinessZip,  &BusinessPhone,   &BusinessFax,      &BusinessFein};
}

} // namespace

bool ReadBusinessData() {
    if (!FileExists(BusinessDataFile)) return false;
    TextInput in = OpenInput(BusinessDataFile);
    for (QString* global : BusinessGlobals())
        *global = in.readText();
    if (in.isShort()) ReportShortFile(BusinessDataFile);
    return true;
}

void WriteBusinessData() {
    TextOutput out = OpenOutput(BusinessDataFile);
    const auto g = BusinessGlobals();
    out.write({Item::text(*g[0]), Item::text(*g[1]), Item::text(*g[2]), Item::text(*g[3]), Item::text(*g[4]),
               Item::text(*g[5]), Item::text(*g[6]), Item::text(*g[7]), Item::text(*g[8])});
    out.close();
}

