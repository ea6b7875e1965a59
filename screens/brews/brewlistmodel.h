#pragma once
// The list of the brew browse: the shared paged list over the Brews table, with its three
// columns, the stock filter and the row colours of brews in stock and consumed.

#include "records/brewstable.h"
#include "screens/windowing/pagedlistmodel.h"

class BrewListModel : public RecordListModel<BrewsTable>
{
public:
    enum Column { BatchNumberColumn, BrewKitColumn, DateDownColumn, ColumnCount };

    // Row colours: in stock, consumed.
    static const QColor kInStockColour;
    static const QColor kConsumedColour;

    static const std::vector<ListColumn> &listColumns();
    // The designed column layout as kept in the window-state file.
    static QString designedColumnFormat();

    // `table` is the window's own open handle; it outlives the model.
    explicit BrewListModel(BrewsTable &table, QObject *parent = nullptr);

    // The read the list shows: a key and, with `inStockOnly`, the in-stock filter.
    Result setOrder(BrewKey key, bool inStockOnly);
    bool inStockOnly() const { return !filter().isEmpty(); }
    // The shown row holding record number `recordNumber`, or -1.
    int rowOfRecord(std::int32_t recordNumber) const { return rowOfPrimary(std::int64_t(recordNumber)); }
};
