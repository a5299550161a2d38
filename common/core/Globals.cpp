#include "Globals.h"

#include "Records.h"

void ResetGlobals() {
    LoopCounter = EmployeeCount = GridRow = GridCol = RecordNumber = 0;
    SourceFolder.clear();
    TargetFolder.clear();
    for (QString* s : {&BusinessName, &BusinessAddress, &BusinessAddress2, &BusinessCity, &BusinessState,
                       &BusinessZip, &BusinessPhone, &BusinessFax, &BusinessFein})
        s->clear();
    PromptsOn = AlarmsOn = true;
    Offer401kMatch = false;
    MatchPercent.clear();
    StateTaxRate.fill({});
    StateTaxMaximum.fill({});
    StateIndex = StateBracketCount = 0;
    ResetRecordBuffers();
}
