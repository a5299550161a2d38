#include "CreatorPayroll.h"

void LoadCreatorPayroll() {}

void ShowCreatorPayroll() {}
