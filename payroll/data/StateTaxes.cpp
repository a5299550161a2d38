#include "StateTaxes.h"

void LoadStateTaxes() {}
void LoadStateTaxTable() {}
void LoadStateMarginalTax() {}
