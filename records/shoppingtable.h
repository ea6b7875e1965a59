#pragma once
// The Shopping table (store SHOPPING, prefix SHO): the shopping list. "Delete All" is
// removeAll(): every item goes in one transaction and numbering starts again at 1.

#include "records/catalogrecords.h"
#include "records/recordtable.h"

enum class ShoppingKey { KeyRecordNumber };

class ShoppingTable : public RecordTable<ShoppingRecord, ShoppingKey>
{
public:
    using Key = ShoppingKey;
    static const TableDef &definition();
    static const std::vector<FieldBinding<ShoppingRecord>> &fields();
    explicit ShoppingTable(const QString &dataFolder);
};
