#pragma once
// How a TableDef becomes a SQLite schema and SQL text, and how values cross between
// generic rows and SQLite: the pieces RecordStore and the store check share.
//
// Layout of a store file (schema version 1):
//   table <STORE>: one column per field in field order, named as the field without its
//     prefix, memos after the fields, then "revision" (raised by every write);
//     LONG/SHORT/BYTE as INTEGER, REAL as REAL, DECIMAL(p,d) as a number read back
//     rounded to d places (exact: p <= 15 digits fit a double), STRING(n) as VARCHAR(n)
//     without trailing spaces, memos as TEXT; text that is part of a key compares NOCASE;
//   table store_revision: one row holding the last revision given out, so a revision is
//     never given twice, not even to a row that replaces a deleted one;
//   one index per key, named as the key without its prefix, leaving out rows whose key
//     value is zero or blank, with the primary key appended as the tie-break.
// Added in version 2:
//   for each subset of the rows (brews in stock) one more index per key over those rows
//     alone, named <Key>_<Subset>;
//   table store_counts: one row holding, for each key and each key within each subset, the
//     number of rows in it, kept by triggers on every insert, update and delete (also of
//     other tools), so a list knows its length without counting.

#include "platform/recordstore.h"

#include <QStringList>
#include <sqlite3.h>

namespace storeschema
{

inline const QString kRevisionTable = QStringLiteral("store_revision");
inline const QString kRevisionColumn = QStringLiteral("revision");
inline const QString kCountsTable = QStringLiteral("store_counts");

QString quoted(const QString &name);
QString columnType(const FieldDef &field);
QStringList schemaSql(const TableDef &def); // a fresh store of the current version
QStringList indexSql(const TableDef &def); // one CREATE INDEX per key
QString keyIndexSql(const TableDef &def, int key);
QString subsetIndexName(const TableDef &def, int key, int subset);
QString subsetIndexSql(const TableDef &def, int key, int subset);
// The name of the count of a key (subset -1) or of a key within a subset, a column of store_counts.
QString countName(const TableDef &def, int key, int subset = -1);
// The counts table, its first row (counted from the rows there are) and the triggers that keep it.
QStringList countsSql(const TableDef &def);
QStringList triggerSql(const TableDef &def);
// The condition that puts a row into a subset, as a literal ("STOCKONHAND" = '1').
QString subsetCondition(const TableDef &def, int subset, const QString &row = QString());
// The subset that a filter condition names, or -1.
int subsetOf(const TableDef &def, const Filter::Condition &condition);
QStringList expectedColumns(const TableDef &def, int version);

void configure(sqlite3 *db); // synchronous=FULL, busy timeout
Result createStore(const TableDef &def, const QString &path);
// A store file opened and checked to be a store of this table.
struct OpenedFile {
    sqlite3 *db = nullptr;
    int version = 0;
    bool recovered = false; // a write a crash interrupted was undone on opening
    QString readOnly; // why the store can only be read ("The data folder is read-only"); empty when it can be written
};
// Opens the file and checks that it is a store of this table, recovering what a crash left;
// a store that cannot be written here is opened for reading. The error text otherwise.
Expected<OpenedFile> openStoreFile(const TableDef &def, const QString &path);
// What a failed open or write of the store at `path` met, named for the brewer where it is a
// full disk or a read-only folder or file; SQLite's own text otherwise.
QString failureText(sqlite3 *db, const QString &path);
Expected<int> inspectSchema(const TableDef &def, sqlite3 *db);
Result upgradeStore(const TableDef &def, sqlite3 *db, const QString &path, int fromVersion);
Result copyDatabase(sqlite3 *source, const QString &destPath);
// <STORE>.v<version>.sqlite, then <STORE>.v<version>-<n>.sqlite for n >= 2.
QString upgradeCopyPath(const QString &path, int version, int n = 1);
// Keeps a copy of the store before it is upgraded; returns its path.
Expected<QString> keepUpgradeCopy(sqlite3 *db, const QString &path, int version);

// The order of a key: its components, then (for a key that is not unique) the primary
// key's components in the direction of the key's last component.
struct OrderPart {
    int field = 0;
    bool descending = false;
};
std::vector<OrderPart> orderParts(const TableDef &def, int key);
QString orderBy(const TableDef &def, const std::vector<OrderPart> &parts);
// The condition that leaves out the rows whose key value is zero or blank; the same text
// as the partial index's, so SQLite can read through the index (or, with `throughIndex`
// false, an equal condition that keeps SQLite off the index).
QString exclusion(const TableDef &def, int key, bool throughIndex = true);
// The same condition on the row named `row` ("NEW", "OLD") inside a trigger.
QString keyCondition(const TableDef &def, int key, const QString &row);
// Rows at or after (strict: after) parameters ?first.. in the order of `parts`.
QString boundCondition(const TableDef &def, const std::vector<OrderPart> &parts, bool strict, int firstParam);
Expected<QString> filterCondition(const TableDef &def, const Filter &filter, int firstParam);
QString selectList(const TableDef &def);
QString insertSql(const TableDef &def);
QString updateSql(const TableDef &def);

FieldValue columnValue(const FieldDef &field, sqlite3_stmt *s, int column);
Row readRow(const TableDef &def, sqlite3_stmt *s);
bool bindValue(sqlite3_stmt *s, int index, const FieldDef &field, const FieldValue &value);
// The value as it is stored: text without trailing spaces, decimals rounded to their places.
FieldValue storedValue(const FieldDef &field, const FieldValue &value);
// The key whose uniqueness a SQLite constraint message names, or -1.
int violatedKey(const TableDef &def, const QString &sqliteMessage);
// The first field (in field order) whose value breaks its type's limits or, with `rules`,
// its field rule.
std::optional<Message> validateRow(const TableDef &def, const Row &row, bool rules);
// highest + 1 for an auto-numbered field, nothing when the field cannot hold it.
std::optional<FieldValue> nextNumber(const FieldDef &field, const FieldValue &highest);
QString plainText(const FieldValue &value);
std::optional<Decimal> asNumber(const FieldValue &value);

} // namespace storeschema
