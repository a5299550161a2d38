#pragma once

#include "Hook.h"

// Shows the main menu of the running program. Every routine's screen returns to it
// when the user is done without knowing which screen that is: each program registers
// its menu at start-up.
inline Hook ShowMainMenu;
