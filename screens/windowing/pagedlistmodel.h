#pragma once
// The list of a browse: the rows of one table in one key order (optionally filtered), read from
// the store a page at a time, never the whole table. It keeps a bounded window of rows around
// what is shown and estimates where that window stands in the whole list, so a table of any
// size opens at once and a scroll bar can follow it. RecordListModel gives the rows as the
// table's record structure.

#include "platform/picture.h"
#include "platform/recordstore.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// One column of a list: the field it shows (name without prefix), its heading, its display
// picture, its designed width and the side its text keeps to.
struct ListColumn {
    QString field;
    QString heading;
    QString picture;
    int width = 100;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The widths and order of a list's columns, kept in the window-state file as a text such as
// "BATCHNUMBER:100@N4B|BREWKIT:220@S45|DATEDOWN:90@D017B" (columns in the order shown, each
// with its width and its picture).
struct ColumnLayout {
    std::vector<int> order; // model column shown at each visual place
    std::vector<int> widths; // by model column

    static ColumnLayout designed(const std::vector<ListColumn> &columns);
    QString toFormat(const std::vector<ListColumn> &columns) const;
    // Nothing when the text is not a layout of exactly these columns.
    static std::optional<ColumnLayout> fromFormat(const QString &format, const std::vector<ListColumn> &columns);
    friend bool operator==(const ColumnLayout &, const ColumnLayout &) = default;
};

class PagedListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // `store` is the window's own open handle; it outlives the model.
    PagedListModel(const RecordStore &store, std::vector<ListColumn> columns, QObject *parent = nullptr);

    const std::vector<ListColumn> &columns() const { return m_columns; }
    QString designedFormat() const { return ColumnLayout::designed(m_columns).toFormat(m_columns); }
    // The colour of a row's text (nothing: the view's own).
    void setRowColour(std::function<std::optional<QColor>(const Row &)> colour) { m_rowColour = std::move(colour); }

    // The read the list shows: a key of the store's table and a filter. Re-reads from the
    // first row and recounts.
    Result setOrder(int key, Filter filter = {});
    int keyIndex() const { return m_key; }
    const Filter &filter() const { return m_filter; }

    // How many rows the list shows at once (at least 1). Keeps the first shown row.
    Result setVisibleRows(int rows);
    int visibleRows() const { return m_visible; }

    // Moves of the shown rows. Each that succeeds returns the shown row of its target.
    Expected<int> toFirst();
    Expected<int> toLast();
    // The first row whose key is at or after `keyValues` (leading components), shown at
    // `screenRow` when rows before it allow; past the end of the list, the last row.
    Expected<int> locate(const std::vector<FieldValue> &keyValues, int screenRow = 0);
    // The place of `row` in key order (or, when it is gone, the row after its place), shown at
    // `screenRow` when rows before it allow.
    Expected<int> showRow(const Row &row, int screenRow);
    // A place in the whole list, 0 (first row) to 1 (last row), as a scroll bar gives it.
    Expected<int> toFraction(double fraction);
    // Moves the shown rows by `rows` (negative: towards the first); returns the rows moved.
    Expected<int> scroll(int rows);
    // Reads the shown rows again from the table (after a called window wrote to it), keeping
    // the first shown row where it still exists, and recounts.
    Result reread();

    // The rows the current key and filter deliver, as counted by the store.
    std::int64_t count() const { return m_count; }
    // Estimated place of the first shown row in the whole list (exact while the list has been
    // paged from one of its ends).
    std::int64_t estimatedTop() const { return m_top; }
    bool atStart() const { return m_startReached && m_first == 0; }
    bool atEnd() const { return m_endReached && m_first + m_shown == int(m_rows.size()); }

    const Row &row(int shownRow) const { return m_rows[std::size_t(m_first + shownRow)]; }
    // The primary key value of a row (its record number).
    FieldValue primaryValue(const Row &row) const;
    // The shown row whose primary key value is `value`, or -1.
    int rowOfPrimary(const FieldValue &value) const;
    // Rows held in memory, shown or read ahead (bounded, whatever the size of the table).
    int bufferedRows() const { return int(m_rows.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    class Reset;
    int readAhead() const;
    Result recount();
    // Places the shown rows at the buffer's row `first`, reading more where needed, and tells
    // the views. Returns the shown row of buffer row `target`.
    Expected<int> settle(int target, int screenRow);
    Result extendForward(int rows);
    Result extendBackward(int rows);
    void trim();
    void updateTop(std::int64_t estimate);
    const FieldValue &keyValue(const Row &row) const;
    double fractionOf(const Row &row) const;
    Result readEnds();

    const RecordStore &m_store;
    std::vector<ListColumn> m_columns;
    std::vector<int> m_columnFields;
    std::vector<Picture> m_pictures;
    std::function<std::optional<QColor>(const Row &)> m_rowColour;
    int m_key = 0;
    Filter m_filter;
    int m_visible = 20;

    std::deque<Row> m_rows; // shown rows and some read ahead on each side
    int m_first = 0; // buffer index of the first shown row
    int m_shown = 0;
    bool m_startReached = true; // nothing lies before the buffer's first row
    bool m_endReached = true; // nothing lies after its last row
    std::int64_t m_count = 0;
    std::int64_t m_top = 0;
    // The first and last rows of the whole list, for estimating places between them.
    std::optional<Row> m_firstRow, m_lastRow;
};

// The paged list of one table with its rows as the table's records (`Table` is one of the
// typed tables: BrewsTable, KitsTable, ...).
template <class Table> class RecordListModel : public PagedListModel
{
public:
    using Record = decltype(std::declval<const Table &>().fromRow(Row {}));
    using Key = typename Table::Key;

    RecordListModel(Table &table, std::vector<ListColumn> columns, QObject *parent = nullptr)
        : PagedListModel(table.store(), std::move(columns), parent)
        , m_table(table)
    {
    }

    Result setOrder(Key key, Filter filter = {}) { return PagedListModel::setOrder(int(key), std::move(filter)); }
    Key key() const { return Key(keyIndex()); }
    Record record(int shownRow) const { return m_table.fromRow(row(shownRow)); }
    Expected<int> showRecord(const Record &record, int screenRow) { return showRow(m_table.toRow(record), screenRow); }
    int rowOfRecord(const Record &record) const { return rowOfPrimary(primaryValue(m_table.toRow(record))); }

protected:
    Table &m_table;
};
