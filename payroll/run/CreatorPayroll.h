#pragma once

// Brindlemark's payroll creation screen: the pay-run screen and pay engine set up for
// entering payrolls that were paid before the suite was in use.

// Loads the screen hidden, as the creator's start-up does with every screen.
void LoadCreatorPayroll();
// Shows the screen at its start frame (the creator's menu option "Enter a &Weekly Summary").
void ShowCreatorPayroll();
