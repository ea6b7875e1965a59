#pragma once
// The Shopping table (store SHOPPING, prefix SHO): the shopping list.

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

    // "Delete All": removes the whole store (this handle must be closed; no other handle
    // may have it open). The next open creates it again, empty, and numbering restarts at 1.
    static Result removeStore(const QString &dataFolder);
};
