#pragma once

// The state lists of StateTaxes.txt: fills the state choices of the employee and
// setup screens and the rate and maximum arrays, then loads the business data.
void LoadStateTaxes();
