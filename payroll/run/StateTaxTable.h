#pragma once

// Loads the business state's bracket table into the pay-run screen's state grid.
void LoadStateTaxTable();
// The fallback when StateTaxTables.txt is missing: a flat state rate without maximum.
void LoadStateMarginalTax();
