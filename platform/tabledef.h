#pragma once
// The description of one table of the record store: its fields in row order, its
// memos and its keys. The schema, the indexes, every read and every write of the
// store come from this description, so one mechanism serves every table.

#include "platform/decimal.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

enum class FieldType {
    Long, // signed 32-bit
    Short, // signed 16-bit
    Byte, // unsigned 8-bit
    Real, // 8-byte double
    Decimal, // DECIMAL(precision, places)
    String, // STRING(width): text of at most width characters, trailing spaces not kept
    Memo, // text of at most width characters, kept with the row
};

// A rule the table enforces on every write, besides the type's own range.
struct FieldRule {
    enum class Kind { None, Range, List };
    Kind kind = Kind::None;
    QString displayName; // the name the message shows, e.g. "ALE:PrimerSugarKG"
    Decimal low, high; // Range: low <= value <= high
    QString listText; // List: "]" + value + "[" must occur in this text, e.g. "]1[]0["
    QString description; // %Message of the message: "0 .. 100", "'Have Stock','Consumed'"
};

struct FieldDef {
    QString name; // without the prefix: "BATCHNUMBER"
    FieldType type = FieldType::Long;
    int width = 0; // String/Memo: characters; Decimal: digits (precision)
    int places = 0; // Decimal only
    FieldRule rule;

    static FieldDef make(QString n, FieldType t, int width = 0, int places = 0)
    {
        FieldDef f;
        f.name = std::move(n);
        f.type = t;
        f.width = width;
        f.places = places;
        return f;
    }
    static FieldDef longField(QString n) { return make(std::move(n), FieldType::Long); }
    static FieldDef shortField(QString n) { return make(std::move(n), FieldType::Short); }
    static FieldDef byteField(QString n) { return make(std::move(n), FieldType::Byte); }
    static FieldDef realField(QString n) { return make(std::move(n), FieldType::Real); }
    static FieldDef decimalField(QString n, int precision, int places)
    {
        return make(std::move(n), FieldType::Decimal, precision, places);
    }
    static FieldDef stringField(QString n, int width) { return make(std::move(n), FieldType::String, width); }
    static FieldDef memoField(QString n, int capacity) { return make(std::move(n), FieldType::Memo, capacity); }
};

struct KeyComponent {
    int field = 0; // index into TableDef::fields
    bool descending = false;
};

struct KeyDef {
    QString name; // without the prefix: "KeyBrewNumber"
    std::vector<KeyComponent> components;
    bool unique = false;
    bool primary = false; // exactly one key is primary; it identifies a row
    bool autoNumbered = false; // a new row gets the highest value + 1 (single numeric component)
};

// A share of the rows that lists are often limited to (brews in stock): the rows whose text
// field `field` is `value`. The store keeps an index of each key over these rows alone and
// counts them, so a list limited to them is as quick as the whole key, whatever their share.
struct SubsetDef {
    QString name; // "InStock"
    int field = 0;
    QString value; // "1"
};

struct TableDef {
    QString store; // "BREWSV3": the file is <store>.sqlite
    QString prefix; // "ALE"
    std::vector<FieldDef> fields; // row fields in row order, then the memos
    std::vector<KeyDef> keys;
    std::vector<SubsetDef> subsets;

    int fieldIndex(const QString &name) const; // name with or without prefix, any case; -1 if none
    int keyIndex(const QString &name) const; // likewise for keys
    int primaryKey() const; // index of the primary key
    QString qualified(const QString &name) const { return prefix + QLatin1Char(':') + name; }
    QString fieldName(int field) const { return qualified(fields[field].name); } // "ALE:BATCHNUMBER"
    QString keyName(int key) const { return qualified(keys[key].name); } // "ALE:KeyBrewNumber"
};

// One field's value in a generic row: integers (LONG, SHORT, BYTE) as int64,
// REAL as double, DECIMAL as Decimal, STRING and memos as text.
using FieldValue = std::variant<std::int64_t, double, Decimal, QString>;

// The zero value of a field's type (0, 0.0, Decimal 0, empty text).
FieldValue zeroValue(const FieldDef &field);
// True when the value is zero or blank: such a row is left out of a key on that field.
bool isBlank(const FieldValue &value);

// One row of a table: one value per field of the definition (memos included) and
// the revision the store gave it at its last write (0 for a row not yet written).
struct Row {
    std::vector<FieldValue> values;
    std::int64_t revision = 0;

    static Row blank(const TableDef &def);
    friend bool operator==(const Row &, const Row &) = default;
};

// A stored row that its record's members cannot hold whole: another tool wrote a value
// beyond a field's type (a batch number of 70000, a text where a number belongs). The
// record holds the nearest value its member can, and keeps the row as stored here, so the
// row is still found and paged over by what it holds, and a field the user leaves alone is
// written back as it was (where the store's rules then refuse it), never narrowed.
struct StoredRow {
    std::shared_ptr<const Row> row; // null when every value fits its member
    std::vector<int> unfit; // the fields whose member holds a nearest value

    friend bool operator==(const StoredRow &a, const StoredRow &b)
    {
        return a.unfit == b.unfit && (a.row == b.row || (a.row && b.row && *a.row == *b.row));
    }
};
