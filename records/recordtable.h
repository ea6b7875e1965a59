#pragma once
// The typed face of a store handle: rows as the record structures (BrewRecord, KitRecord,
// ...) instead of generic rows. Each table's fields are listed once, with the member each
// binds to, so the layout and the binding cannot drift apart. The handle remembers the
// revision of every row it fetched or wrote, so an update of a record it read is refused
// when another handle changed that row in the meantime.

#include "platform/recordstore.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <type_traits>

template <class R> struct FieldBinding {
    FieldDef def;
    std::function<FieldValue(const R &)> get;
    // Sets the member; false when the member cannot hold the value and holds the nearest one.
    std::function<bool(R &, const FieldValue &)> set;
};

namespace binding
{

template <class M> FieldValue toValue(const M &m)
{
    if constexpr (std::is_integral_v<M>)
        return static_cast<std::int64_t>(m);
    else
        return m; // double, Decimal, QString
}

// The value held at the nearest end of the member's range, never wrapped.
template <class M> bool fromValue(const FieldValue &v, M &m)
{
    if constexpr (std::is_integral_v<M>) {
        constexpr auto low = std::numeric_limits<M>::min();
        constexpr auto high = std::numeric_limits<M>::max();
        if (const auto *i = std::get_if<std::int64_t>(&v)) {
            m = static_cast<M>(std::clamp<std::int64_t>(*i, std::int64_t(low), std::int64_t(high)));
            return *i >= std::int64_t(low) && *i <= std::int64_t(high);
        }
        if (const auto *d = std::get_if<double>(&v)) {
            if (std::isnan(*d)) {
                m = 0;
                return false;
            }
            m = *d <= double(low) ? low : *d >= double(high) ? high : static_cast<M>(*d);
            return *d == std::trunc(*d) && *d >= double(low) && *d <= double(high);
        }
        if (const auto *dec = std::get_if<Decimal>(&v)) {
            const long long t = dec->truncated();
            m = static_cast<M>(std::clamp<long long>(t, low, high));
            return t >= low && t <= high && *dec == Decimal(t);
        }
        m = 0; // a text where a number belongs
        return false;
    } else if constexpr (std::is_same_v<M, Decimal>) {
        if (const auto *dec = std::get_if<Decimal>(&v)) {
            m = *dec;
            return true;
        }
        if (const auto *i = std::get_if<std::int64_t>(&v)) {
            m = Decimal((long long)*i);
            return true;
        }
        if (const auto *d = std::get_if<double>(&v); d && std::isfinite(*d)) {
            constexpr double kHeld = 1e15;
            m = Decimal::fromDouble(std::clamp(*d, -kHeld, kHeld));
            return false; // more digits or places than the field has
        }
        m = Decimal();
        return false;
    } else if constexpr (std::is_same_v<M, double>) {
        if (const auto *d = std::get_if<double>(&v)) {
            m = *d;
            return true;
        }
        if (const auto *i = std::get_if<std::int64_t>(&v)) {
            m = double(*i);
            return true;
        }
        if (const auto *dec = std::get_if<Decimal>(&v)) {
            m = dec->toDouble();
            return true;
        }
        m = 0;
        return false;
    } else {
        if (const auto *t = std::get_if<QString>(&v)) {
            m = *t;
            return true;
        }
        m = std::visit(
            [](const auto &x) -> QString {
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, std::int64_t>)
                    return QString::number(x);
                else if constexpr (std::is_same_v<T, double>)
                    return QString::number(x, 'g', 15);
                else if constexpr (std::is_same_v<T, Decimal>)
                    return x.toPlainText();
                else
                    return x;
            },
            v);
        return true;
    }
}

} // namespace binding

template <class R, class M> FieldBinding<R> bindField(FieldDef def, M R::*member)
{
    return { std::move(def), [member](const R &r) { return binding::toValue(r.*member); },
        [member](R &r, const FieldValue &v) { return binding::fromValue(v, r.*member); } };
}

// A key in a table's field list: field names without prefix; "-" before a name makes the
// component descending.
struct KeyLayout {
    QString name;
    QStringList components;
    bool unique = false;
    bool primary = false;
    bool autoNumbered = false;
};

template <class R>
TableDef makeTableDef(const QString &store, const QString &prefix, const std::vector<FieldBinding<R>> &fields,
    const std::vector<KeyLayout> &keys)
{
    TableDef def { store, prefix, {}, {}, {} };
    for (const FieldBinding<R> &f : fields)
        def.fields.push_back(f.def);
    for (const KeyLayout &k : keys) {
        KeyDef key { k.name, {}, k.unique, k.primary, k.autoNumbered };
        for (QString c : k.components) {
            const bool descending = c.startsWith(QLatin1Char('-'));
            if (descending)
                c.remove(0, 1);
            key.components.push_back({ def.fieldIndex(c), descending });
        }
        def.keys.push_back(key);
    }
    return def;
}

template <class R> struct RecordPage {
    std::vector<R> rows;
    bool atEnd = true;
};

// K is the table's key enumeration, its values in the order of the definition's keys.
template <class R, class K> class RecordTable
{
public:
    RecordTable(const TableDef &def, const std::vector<FieldBinding<R>> &fields, const QString &dataFolder)
        : m_fields(fields)
        , m_store(def, dataFolder)
    {
    }

    const TableDef &definition() const { return m_store.definition(); }
    RecordStore &store() { return m_store; }
    const RecordStore &store() const { return m_store; }

    Result open() { return m_store.open(); }
    Result open(Prompter &prompter) { return m_store.open(prompter); }
    void close() { m_store.close(); }
    bool isOpen() const { return m_store.isOpen(); }

    Row toRow(const R &record) const
    {
        Row row;
        row.values.reserve(m_fields.size());
        for (const FieldBinding<R> &f : m_fields)
            row.values.push_back(f.get(record));
        // A value its member could not hold goes back as it was stored, unless the member
        // was given another value since.
        if (const std::shared_ptr<const Row> &stored = record.stored.row) {
            for (int i : record.stored.unfit) {
                R held;
                m_fields[std::size_t(i)].set(held, stored->values[std::size_t(i)]);
                if (m_fields[std::size_t(i)].get(held) == row.values[std::size_t(i)])
                    row.values[std::size_t(i)] = stored->values[std::size_t(i)];
            }
        }
        return row;
    }
    R fromRow(const Row &row) const
    {
        R record;
        std::vector<int> unfit;
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            if (!m_fields[i].set(record, row.values[i]))
                unfit.push_back(int(i));
        if (!unfit.empty())
            record.stored = { std::make_shared<const Row>(row), std::move(unfit) };
        return record;
    }
    // The fields of a record read from the store whose stored values its members cannot
    // hold ("ALE:BATCHNUMBER"), for the windows to flag.
    QStringList unfitFields(const R &record) const
    {
        QStringList out;
        for (int i : record.stored.unfit)
            out << definition().fieldName(i);
        return out;
    }

    Expected<RecordPage<R>> readPage(
        K key, const Bound &from, Direction direction, int limit, const Filter &filter = {}) const
    {
        Expected<Page> page = m_store.readPage(int(key), from, direction, limit, filter);
        if (!page)
            return page.result();
        RecordPage<R> out;
        out.atEnd = page->atEnd;
        out.rows.reserve(page->rows.size());
        for (const Row &row : page->rows)
            out.rows.push_back(fromRow(row));
        return out;
    }
    Cursor cursorOf(K key, const R &record) const { return m_store.cursorOf(int(key), toRow(record)); }
    Expected<std::int64_t> count(K key, const Filter &filter = {}) const { return m_store.count(int(key), filter); }
    Expected<std::int64_t> countAll() const { return m_store.countAll(); }

    // The first record whose key equals `values`; remembers its revision for a later update.
    Expected<std::optional<R>> fetch(K key, const std::vector<FieldValue> &values)
    {
        Expected<std::optional<Row>> row = m_store.fetch(int(key), values);
        if (!row)
            return row.result();
        if (!row->has_value())
            return std::optional<R>();
        remember(**row);
        return std::optional<R>(fromRow(**row));
    }

    std::optional<Message> validate(const R &record) const { return m_store.validate(toRow(record)); }

    StoreResult insert(R &record, Prompter &prompter)
    {
        Row row = toRow(record);
        StoreResult r = m_store.insert(row, prompter);
        if (r)
            remember(row);
        return r;
    }
    // Numbers a new record (the auto-numbered members are set) and writes it at once.
    StoreResult reserve(R &seed, Prompter &prompter)
    {
        Row row = toRow(seed);
        StoreResult r = m_store.reserve(row, prompter);
        if (r) {
            remember(row);
            seed = fromRow(row);
        }
        return r;
    }
    // Writes a record this handle fetched, reserved or wrote before; refused when the row
    // was changed through another handle since.
    StoreResult update(R &record, Prompter &prompter, WriteKind kind = WriteKind::Change)
    {
        Row row = toRow(record);
        const auto known = m_revisions.find(primaryValue(row));
        row.revision = known == m_revisions.end() ? 0 : known->second;
        StoreResult r = m_store.update(row, prompter, kind);
        if (r)
            remember(row);
        return r;
    }
    // Gives back a record reserved for an insert that was abandoned (see RecordStore::release).
    void release(const R &record)
    {
        const Row row = toRow(record);
        m_store.release(row);
        m_revisions.erase(primaryValue(row));
    }
    StoreResult remove(const R &record, Prompter &prompter)
    {
        const Row row = toRow(record);
        StoreResult r = m_store.remove(row, prompter);
        if (r)
            m_revisions.erase(primaryValue(row));
        return r;
    }

    // Every row at once, in one transaction (the shopping list's "Delete All").
    Result removeAll()
    {
        Result r = m_store.removeAllRows();
        if (r)
            m_revisions.clear();
        return r;
    }

private:
    FieldValue primaryValue(const Row &row) const
    {
        return row.values[definition().keys[definition().primaryKey()].components.front().field];
    }
    void remember(const Row &row) { m_revisions[primaryValue(row)] = row.revision; }

    std::vector<FieldBinding<R>> m_fields;
    RecordStore m_store;
    std::map<FieldValue, std::int64_t> m_revisions;
};
