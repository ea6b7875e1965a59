#include "records/alltables.h"
#include "records/brewstable.h"
#include "records/kitstable.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"

std::vector<TableDef> allTableDefinitions()
{
    return { BrewsTable::definition(), KitsTable::definition(), ShoppingTable::definition(),
        WebLinksTable::definition() };
}
