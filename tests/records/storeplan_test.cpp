// How the store reads and writes, at any size: every statement it prepares for the four
// tables, run through each of its operations, must find its rows through an index (a search,
// or a walk of a key from one end), never by reading the whole table.
#include "records/alltables.h"
#include "records/brewstable.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace
{

// Drives every operation of the store over one table: each key both ways from each kind of
// start, limited to each subset and not, fetch, counts, numbering, insert, update, delete.
void exercise(RecordStore &store)
{
    const TableDef &def = store.definition();
    ScriptedPrompter prompter;
    // A row that keeps the table's rules: each listed field holds its first allowed value.
    Row row = Row::blank(def);
    for (std::size_t i = 0; i < def.fields.size(); ++i)
        if (def.fields[i].rule.kind == FieldRule::Kind::List)
            row.values[i]
                = def.fields[i].rule.listText.mid(1, def.fields[i].rule.listText.indexOf(QLatin1Char('[')) - 1);
    ASSERT_TRUE(store.reserve(row, prompter)) << def.store.toStdString();
    ASSERT_TRUE(store.update(row, prompter)) << def.store.toStdString();
    Row other = row;
    for (const KeyDef &k : def.keys)
        if (k.autoNumbered)
            other.values[k.components.front().field] = zeroValue(def.fields[k.components.front().field]);
    ASSERT_TRUE(store.insert(other, prompter)) << def.store.toStdString();

    std::vector<Filter> filters { Filter {} };
    for (const SubsetDef &s : def.subsets)
        filters.push_back(Filter::equal(s.field, s.value));
    for (std::size_t k = 0; k < def.keys.size(); ++k) {
        const int key = int(k);
        const FieldValue leading = row.values[def.keys[k].components.front().field];
        for (const Filter &filter : filters) {
            for (Direction d : { Direction::Forward, Direction::Backward }) {
                EXPECT_TRUE(store.readPage(key, Bound::edge(), d, 30, filter));
                EXPECT_TRUE(store.readPage(key, Bound::atOrAfter({ leading }), d, 30, filter));
                EXPECT_TRUE(store.readPage(key, Bound::after(store.cursorOf(key, row)), d, 30, filter));
            }
            EXPECT_TRUE(store.count(key, filter));
        }
        EXPECT_TRUE(store.fetch(key, { leading }));
        if (def.keys[k].autoNumbered) {
            EXPECT_TRUE(store.highest(key));
        }
    }
    EXPECT_TRUE(store.countAll());
    EXPECT_TRUE(store.remove(row, prompter)) << def.store.toStdString();
    EXPECT_TRUE(store.remove(other, prompter)) << def.store.toStdString();
}

// The lines of EXPLAIN QUERY PLAN that read the table `store` whole.
QStringList tableScans(sqlite3 *db, const QString &sql, const QString &store)
{
    sqlite3_stmt *s = nullptr;
    const QByteArray text = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), -1, &s, nullptr) != SQLITE_OK)
        return { QStringLiteral("cannot be explained: ") + QString::fromUtf8(sqlite3_errmsg(db)) };
    QStringList scans;
    while (sqlite3_step(s) == SQLITE_ROW) {
        const QString detail = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 3)));
        const bool wholeTable = detail == QStringLiteral("SCAN ") + store
            || (detail.startsWith(QStringLiteral("SCAN %1 ").arg(store))
                && !detail.contains(QStringLiteral(" INDEX ")));
        // Sorting means every matching row was read first.
        if (wholeTable || detail.contains(QStringLiteral("TEMP B-TREE")))
            scans << detail;
    }
    sqlite3_finalize(s);
    return scans;
}

TEST(StorePlan, EveryStatementOfEveryTableSearchesAnIndex)
{
    QTemporaryDir dir;
    for (const TableDef &def : allTableDefinitions()) {
        RecordStore store(def, dir.path());
        ASSERT_TRUE(store.open());
        exercise(store);
        const QStringList statements = store.preparedStatements();
        ASSERT_GE(statements.size(), 10) << def.store.toStdString();

        // Meant to read the whole table: the number of rows of every kind (the shopping list's
        // "Delete All" asks whether there is any).
        const QStringList wholeTable { QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(def.store) };
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(store.filePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
            SQLITE_OK);
        for (const QString &sql : statements) {
            if (wholeTable.contains(sql))
                continue;
            const QStringList scans = tableScans(db, sql, def.store);
            EXPECT_TRUE(scans.isEmpty()) << sql.toStdString() << "\n  "
                                         << scans.join(QStringLiteral("; ")).toStdString();
        }
        sqlite3_close(db);
    }
}

} // namespace
