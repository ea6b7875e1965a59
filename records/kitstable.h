#pragma once
// The Kits table (store BRANDS4, prefix BRW): names of kits and recipes, unique whatever
// their letter case.

#include "records/catalogrecords.h"
#include "records/recordtable.h"

enum class KitKey { RecordKey, BrewKey };

class KitsTable : public RecordTable<KitRecord, KitKey>
{
public:
    using Key = KitKey;
    static const TableDef &definition();
    static const std::vector<FieldBinding<KitRecord>> &fields();
    explicit KitsTable(const QString &dataFolder);

    // Every kit name in name order (blank names are not in the key): the choices the brew
    // edit form offers for a brew's kit/recipe.
    Expected<QStringList> names() const;
};
