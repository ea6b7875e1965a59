#pragma once
// The definitions of the four tables of the data folder, in the order the store check
// reports them.

#include "platform/tabledef.h"

#include <vector>

std::vector<TableDef> allTableDefinitions();
