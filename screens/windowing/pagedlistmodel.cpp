#include "screens/windowing/pagedlistmodel.h"

#include "platform/picture.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace
{

// Place of a key value on a line, for estimating where a row stands between the first and
// the last row of the list. Texts are placed by their first characters, case ignored.
constexpr int kTextPlaces = 4;
constexpr int kTextRadix = 95; // printable ASCII

double ordinal(const FieldValue &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return double(*i);
    if (const auto *d = std::get_if<double>(&value))
        return *d;
    if (const auto *dec = std::get_if<Decimal>(&value))
        return dec->toDouble();
    const QString text = std::get<QString>(value).toLower();
    double place = 0;
    double scale = 1;
    for (int i = 0; i < kTextPlaces; ++i) {
        scale /= kTextRadix;
        const int code = i < text.size() ? std::clamp(int(text[i].unicode()), 32, 126) - 32 : 0;
        place += code * scale;
    }
    return place;
}

// The key value at a place on the line of `ordinal`, of the same kind as `like`.
FieldValue valueAt(double place, const FieldValue &like)
{
    if (std::holds_alternative<std::int64_t>(like))
        return std::int64_t(std::llround(place));
    if (std::holds_alternative<double>(like))
        return place;
    if (std::holds_alternative<Decimal>(like))
        return Decimal::fromDouble(place);
    QString text;
    for (int i = 0; i < kTextPlaces; ++i) {
        place *= kTextRadix;
        const int code = std::clamp(int(std::floor(place)), 0, kTextRadix - 1);
        place -= code;
        text += QChar(code + 32);
    }
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString cellText(const Picture &picture, const FieldValue &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return picture.text(static_cast<long long>(*i));
    if (const auto *d = std::get_if<double>(&value))
        return picture.text(*d);
    if (const auto *dec = std::get_if<Decimal>(&value))
        return picture.text(*dec);
    return picture.text(std::get<QString>(value));
}

} // namespace

// Resets the views around a change of the shown rows, also when the change stops half way.
class PagedListModel::Reset
{
public:
    explicit Reset(PagedListModel *model)
        : m_model(model)
    {
        m_model->beginResetModel();
    }
    ~Reset() { m_model->endResetModel(); }

private:
    PagedListModel *m_model;
};

ColumnLayout ColumnLayout::designed(const std::vector<ListColumn> &columns)
{
    ColumnLayout layout;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        layout.order.push_back(int(i));
        layout.widths.push_back(columns[i].width);
    }
    return layout;
}

QString ColumnLayout::toFormat(const std::vector<ListColumn> &columns) const
{
    QStringList parts;
    for (std::size_t place = 0; place < order.size() && place < columns.size(); ++place) {
        const auto column = std::size_t(order[place]);
        parts << QStringLiteral("%1:%2@%3").arg(columns[column].field).arg(widths[column]).arg(columns[column].picture);
    }
    return parts.join(QLatin1Char('|'));
}

std::optional<ColumnLayout> ColumnLayout::fromFormat(const QString &format, const std::vector<ListColumn> &columns)
{
    static const QRegularExpression item(QStringLiteral("^([A-Z0-9_]+):(\\d{1,4})@[A-Za-z0-9.\\-]+$"));
    const QStringList parts = format.split(QLatin1Char('|'));
    if (parts.size() != qsizetype(columns.size()))
        return std::nullopt;
    ColumnLayout layout = designed(columns);
    std::vector<bool> seen(columns.size());
    for (std::size_t place = 0; place < columns.size(); ++place) {
        const auto match = item.match(parts[qsizetype(place)]);
        if (!match.hasMatch())
            return std::nullopt;
        const auto field = std::find_if(
            columns.begin(), columns.end(), [&](const ListColumn &c) { return match.captured(1) == c.field; });
        if (field == columns.end())
            return std::nullopt;
        const auto column = std::size_t(field - columns.begin());
        const int width = match.captured(2).toInt();
        if (seen[column] || width < 1)
            return std::nullopt;
        seen[column] = true;
        layout.order[place] = int(column);
        layout.widths[column] = width;
    }
    return layout;
}

PagedListModel::PagedListModel(const RecordStore &store, std::vector<ListColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_store(store)
    , m_columns(std::move(columns))
{
    for (const ListColumn &c : m_columns) {
        m_columnFields.push_back(m_store.definition().fieldIndex(c.field));
        m_pictures.emplace_back(c.picture);
    }
}

int PagedListModel::readAhead() const { return std::max(m_visible, 16); }

const FieldValue &PagedListModel::keyValue(const Row &row) const
{
    const int field = m_store.definition().keys[std::size_t(m_key)].components.front().field;
    return row.values[std::size_t(field)];
}

FieldValue PagedListModel::primaryValue(const Row &row) const
{
    const TableDef &def = m_store.definition();
    return row.values[std::size_t(def.keys[std::size_t(def.primaryKey())].components.front().field)];
}

Result PagedListModel::recount()
{
    const Expected<std::int64_t> n = m_store.count(m_key, m_filter);
    if (!n)
        return n.result();
    m_count = *n;
    return {};
}

Result PagedListModel::readEnds()
{
    m_firstRow.reset();
    m_lastRow.reset();
    for (const Direction direction : { Direction::Forward, Direction::Backward }) {
        const Expected<Page> page = m_store.readPage(m_key, Bound::edge(), direction, 1, m_filter);
        if (!page)
            return page.result();
        if (!page->rows.empty())
            (direction == Direction::Forward ? m_firstRow : m_lastRow) = page->rows.front();
    }
    return {};
}

Result PagedListModel::setOrder(int key, Filter filter)
{
    m_key = key;
    m_filter = std::move(filter);
    if (Result r = recount(); !r)
        return r;
    if (Result r = readEnds(); !r)
        return r;
    return toFirst().result();
}

Result PagedListModel::setVisibleRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == m_visible)
        return {};
    m_visible = rows;
    Reset reset(this);
    const std::int64_t top = m_top;
    const Expected<int> shown = settle(m_first, 0);
    updateTop(top);
    return shown.result();
}

Result PagedListModel::extendForward(int rows)
{
    const Bound from = m_rows.empty() ? Bound::edge() : Bound::after(m_store.cursorOf(m_key, m_rows.back()));
    const Expected<Page> page = m_store.readPage(m_key, from, Direction::Forward, rows, m_filter);
    if (!page)
        return page.result();
    m_rows.insert(m_rows.end(), page->rows.begin(), page->rows.end());
    m_endReached = page->atEnd;
    return {};
}

Result PagedListModel::extendBackward(int rows)
{
    const Bound from = m_rows.empty() ? Bound::edge() : Bound::after(m_store.cursorOf(m_key, m_rows.front()));
    const Expected<Page> page = m_store.readPage(m_key, from, Direction::Backward, rows, m_filter);
    if (!page)
        return page.result();
    m_rows.insert(m_rows.begin(), page->rows.rbegin(), page->rows.rend());
    m_first += int(page->rows.size());
    m_startReached = page->atEnd;
    return {};
}

void PagedListModel::trim()
{
    const int before = m_first - readAhead();
    if (before > 0) {
        m_rows.erase(m_rows.begin(), m_rows.begin() + before);
        m_first -= before;
        m_startReached = false;
    }
    const int after = int(m_rows.size()) - (m_first + m_shown) - readAhead();
    if (after > 0) {
        m_rows.erase(m_rows.end() - after, m_rows.end());
        m_endReached = false;
    }
}

Expected<int> PagedListModel::settle(int target, int screenRow)
{
    // Rows before the target, so it can stand at `screenRow`.
    if (target - screenRow < 0 && !m_startReached) {
        const int held = m_first;
        if (Result r = extendBackward(screenRow - target); !r)
            return r;
        target += m_first - held;
    }
    int first = std::max(target - screenRow, 0);
    // Rows after it, so the list is full.
    if (first + m_visible > int(m_rows.size()) && !m_endReached)
        if (Result r = extendForward(first + m_visible - int(m_rows.size())); !r)
            return r;
    // Near the end of the list: show a full list ending at its last row.
    if (int(m_rows.size()) - first < m_visible) {
        if (int(m_rows.size()) < m_visible && !m_startReached) {
            const int held = m_first;
            if (Result r = extendBackward(m_visible - int(m_rows.size())); !r)
                return r;
            target += m_first - held;
        }
        first = std::max(int(m_rows.size()) - m_visible, 0);
    }
    m_first = first;
    m_shown = std::min(m_visible, int(m_rows.size()) - first);
    trim();
    return std::clamp(target - m_first, 0, std::max(m_shown - 1, 0));
}

void PagedListModel::updateTop(std::int64_t estimate)
{
    const std::int64_t last = std::max<std::int64_t>(m_count - m_shown, 0);
    if (atStart())
        m_top = 0;
    else if (atEnd())
        m_top = last;
    else
        // Somewhere inside: never shown as standing at either end while rows lie beyond.
        m_top = std::clamp<std::int64_t>(estimate, std::min<std::int64_t>(1, last),
            std::max<std::int64_t>(last - 1, std::min<std::int64_t>(1, last)));
}

double PagedListModel::fractionOf(const Row &row) const
{
    if (!m_firstRow || !m_lastRow)
        return 0;
    const double a = ordinal(keyValue(*m_firstRow));
    const double b = ordinal(keyValue(*m_lastRow));
    if (a == b)
        return 0;
    return std::clamp((ordinal(keyValue(row)) - a) / (b - a), 0.0, 1.0);
}

Expected<int> PagedListModel::toFirst()
{
    Reset reset(this);
    m_rows.clear();
    m_first = m_shown = 0;
    m_startReached = true;
    m_endReached = false;
    if (Result r = extendForward(m_visible); !r)
        return r;
    const Expected<int> shown = settle(0, 0);
    updateTop(0);
    return shown;
}

Expected<int> PagedListModel::toLast()
{
    Reset reset(this);
    m_rows.clear();
    m_first = m_shown = 0;
    m_startReached = false;
    m_endReached = true;
    if (Result r = extendBackward(m_visible); !r)
        return r;
    const Expected<int> shown = settle(int(m_rows.size()) - 1, m_visible - 1);
    updateTop(m_count);
    return shown;
}

Expected<int> PagedListModel::locate(const std::vector<FieldValue> &keyValues, int screenRow)
{
    const Expected<Page> page
        = m_store.readPage(m_key, Bound::atOrAfter(keyValues), Direction::Forward, m_visible, m_filter);
    if (!page)
        return page.result();
    if (page->rows.empty())
        return toLast();
    Reset reset(this);
    m_rows.assign(page->rows.begin(), page->rows.end());
    m_first = m_shown = 0;
    m_endReached = page->atEnd;
    // Rows before it are read when they are needed (a line above it, a scroll up).
    m_startReached = m_firstRow && primaryValue(*m_firstRow) == primaryValue(m_rows.front());
    const int target = m_first;
    const double fraction = fractionOf(m_rows[std::size_t(target)]);
    const Expected<int> shown = settle(target, screenRow);
    if (shown)
        updateTop(std::llround(fraction * double(std::max<std::int64_t>(m_count - 1, 0))) - *shown);
    return shown;
}

Expected<int> PagedListModel::showRow(const Row &row, int screenRow)
{
    return locate(m_store.cursorOf(m_key, row).values, screenRow);
}

Expected<int> PagedListModel::toFraction(double fraction)
{
    fraction = std::clamp(fraction, 0.0, 1.0);
    if (!m_firstRow || !m_lastRow || fraction == 0.0)
        return toFirst();
    if (fraction == 1.0)
        return toLast();
    // The bar's range ends where the last full list begins; the key is estimated for the row
    // that will stand at the top.
    const double top = fraction * double(std::max<std::int64_t>(m_count - m_visible, 0));
    const double keyFraction = top / double(std::max<std::int64_t>(m_count - 1, 1));
    const FieldValue &first = keyValue(*m_firstRow);
    const double a = ordinal(first);
    const double b = ordinal(keyValue(*m_lastRow));
    const Expected<int> shown = locate({ valueAt(a + keyFraction * (b - a), first) }, 0);
    // The scroll bar stays where the user put it.
    if (shown)
        updateTop(std::llround(top));
    return shown;
}

Expected<int> PagedListModel::scroll(int rows)
{
    if (rows == 0 || m_rows.empty())
        return 0;
    Reset reset(this);
    int moved = 0;
    if (rows > 0) {
        const int missing = m_first + m_shown + rows - int(m_rows.size());
        if (missing > 0 && !m_endReached)
            if (Result r = extendForward(std::max(missing, readAhead())); !r)
                return r;
        moved = std::min(rows, int(m_rows.size()) - m_first - m_shown);
    } else {
        if (m_first + rows < 0 && !m_startReached)
            if (Result r = extendBackward(std::max(-(m_first + rows), readAhead())); !r)
                return r;
        moved = -std::min(-rows, m_first);
    }
    m_first += moved;
    trim();
    updateTop(m_top + moved);
    return moved;
}

Result PagedListModel::reread()
{
    const std::int64_t top = m_top;
    if (Result r = recount(); !r)
        return r;
    if (Result r = readEnds(); !r)
        return r;
    if (m_shown == 0)
        return toFirst().result();
    const Row firstShown = row(0);
    const Expected<int> shown = showRow(firstShown, 0);
    if (shown)
        updateTop(top);
    return shown.result();
}

int PagedListModel::rowOfPrimary(const FieldValue &value) const
{
    for (int shown = 0; shown < m_shown; ++shown)
        if (primaryValue(row(shown)) == value)
            return shown;
    return -1;
}

int PagedListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_shown; }

int PagedListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant PagedListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_shown || index.column() >= int(m_columns.size()))
        return {};
    const auto column = std::size_t(index.column());
    const Row &shown = row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(m_pictures[column], shown.values[std::size_t(m_columnFields[column])]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | m_columns[column].alignment);
    case Qt::ForegroundRole:
        if (m_rowColour)
            if (const std::optional<QColor> colour = m_rowColour(shown))
                return *colour;
        return {};
    }
    return {};
}

QVariant PagedListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[std::size_t(section)].heading;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | m_columns[std::size_t(section)].alignment);
    return {};
}
