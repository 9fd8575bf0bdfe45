// The object and table definitions of the simulated switch (each list ends with a null record).
#pragma once

#include "simstore.h"

const SimObjectDef *simObjects();
const SimTableDef *simTables();
const char *const *simSubtrees();
