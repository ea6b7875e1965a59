#pragma once
// The Brews table (store BREWSV3, prefix ALE): the brew log. Its layout and keys, the
// binding to BrewRecord, and the calls the brew browse and the brew edit form make.

#include "records/brewrecord.h"
#include "records/recordtable.h"

enum class BrewKey { KeyRecord, KeyBrewNumber, ByDateKey, ByBrewKey, QualityKey, CostKey };

class BrewsTable : public RecordTable<BrewRecord, BrewKey>
{
public:
    using Key = BrewKey;
    using Page = RecordPage<BrewRecord>;

    static const TableDef &definition();
    static const std::vector<FieldBinding<BrewRecord>> &fields();
    // "(ALE:StockOnHand = 1)": brews still in stock.
    static Filter inStockFilter();

    explicit BrewsTable(const QString &dataFolder);

    using RecordTable::count;
    using RecordTable::readPage;
    // The browse's reads: `inStockOnly` applies the in-stock filter.
    Expected<Page> readPage(Key key, const Bound &from, Direction direction, int limit, bool inStockOnly) const;
    Expected<std::int64_t> count(Key key, bool inStockOnly) const;

    using RecordTable::fetch;
    using RecordTable::remove;
    // One brew with both memos by its record number; nothing when there is none.
    Expected<std::optional<BrewRecord>> fetch(std::int32_t recordNumber);
    // The brew again as the store holds it now, found by the record number it is stored
    // under (also one that another tool wrote beyond the field's range).
    Expected<std::optional<BrewRecord>> fetch(const BrewRecord &brew);
    // Begins a new brew: the seed (blank for a new brew, a copy of another brew for a copy)
    // gets the next record and batch numbers and is written at once to reserve them.
    StoreResult reserveNew(BrewRecord &seed, Prompter &prompter) { return reserve(seed, prompter); }
    // Deletes a brew (also an abandoned new brew).
    StoreResult remove(std::int32_t recordNumber, Prompter &prompter);
    // Whether another brew than `exceptRecord` has batch number `batchNumber` (0 is never in use).
    Expected<bool> batchNumberInUse(int batchNumber, std::int32_t exceptRecord) const;
};
