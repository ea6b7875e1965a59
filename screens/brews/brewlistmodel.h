#pragma once
// The list of the brew browse: the rows the list shows, read from the Brews table a page at a
// time through one key (and the in-stock filter), never the whole table. It keeps a bounded
// window of rows around what is shown and estimates where that window stands in the whole list,
// so a log of any size opens at once and a scroll bar can follow it.

#include "records/brewstable.h"

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <deque>

// The widths and order of the list's three columns, kept in the window-state file as a text
// such as "BATCHNUMBER:100@N4B|BREWKIT:220@S45|DATEDOWN:90@D017B" (columns in the order shown,
// each with its width and its picture).
struct ColumnLayout {
    std::array<int, 3> order { 0, 1, 2 }; // model column shown at each visual place
    std::array<int, 3> widths { 100, 220, 90 };

    QString toFormat() const;
    // Nothing when the text is not a layout of exactly these three columns.
    static std::optional<ColumnLayout> fromFormat(const QString &format);
    friend bool operator==(const ColumnLayout &, const ColumnLayout &) = default;
};

class BrewListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { BatchNumberColumn, BrewKitColumn, DateDownColumn, ColumnCount };

    // Row colours: in stock, consumed.
    static const QColor kInStockColour;
    static const QColor kConsumedColour;

    // `table` is the window's own open handle; it outlives the model.
    explicit BrewListModel(BrewsTable &table, QObject *parent = nullptr);

    // The read the list shows. Re-reads from the first row and recounts.
    Result setOrder(BrewKey key, bool inStockOnly);
    BrewKey key() const { return m_key; }
    bool inStockOnly() const { return m_inStockOnly; }

    // How many rows the list shows at once (at least 1). Keeps the first shown row.
    Result setVisibleRows(int rows);
    int visibleRows() const { return m_visible; }

    // Moves of the shown rows. Each that succeeds returns the shown row of its target.
    Expected<int> toFirst();
    Expected<int> toLast();
    // The first row whose key is at or after `keyValues` (leading components), shown at
    // `screenRow` when rows before it allow; past the end of the list, the last row.
    Expected<int> locate(const std::vector<FieldValue> &keyValues, int screenRow = 0);
    // The row of `record` in key order (or, when it is gone, the row after its place),
    // shown at `screenRow` when rows before it allow.
    Expected<int> showRecord(const BrewRecord &record, int screenRow);
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

    const BrewRecord &record(int row) const { return m_rows[std::size_t(m_first + row)]; }
    // The shown row holding record number `recordNumber`, or -1.
    int rowOfRecord(std::int32_t recordNumber) const;
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
    double fractionOf(const BrewRecord &record) const;
    Result readEnds();

    BrewsTable &m_table;
    BrewKey m_key = BrewKey::KeyBrewNumber;
    bool m_inStockOnly = false;
    int m_visible = 20;

    std::deque<BrewRecord> m_rows; // shown rows and some read ahead on each side
    int m_first = 0; // buffer index of the first shown row
    int m_shown = 0;
    bool m_startReached = true; // nothing lies before the buffer's first row
    bool m_endReached = true; // nothing lies after its last row
    std::int64_t m_count = 0;
    std::int64_t m_top = 0;
    // The first and last rows of the whole list, for estimating places between them.
    std::optional<BrewRecord> m_firstRow, m_lastRow;
};
