#pragma once

// The state lists of StateTaxes.txt: fills the state choices of the employee and
// setup screens and the rate and maximum arrays, then loads the business data.
void LoadStateTaxes();
// Loads the business state's bracket table into the pay-run screen's state grid.
void LoadStateTaxTable();
// The fallback when StateTaxTables.txt is missing: a flat state rate without maximum.
void LoadStateMarginalTax();
