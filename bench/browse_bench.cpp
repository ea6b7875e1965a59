// Brew browse figures on a log of 1,000,000 brews: opening the list on each tab with and
// without the in-stock filter (list set up, first rows, count), moving by the locator, going to
// the last row and paging down, each set against the same reads hand-written against SQLite in
// the same run (median of repeated runs); and the rows the list holds at 10,000 and at 1,000,000
// brews, which must not grow with the log.

#include "records/brewstable.h"
#include "screens/brews/brewlistmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

#include "benchtiming.h"

namespace
{

using benchtiming::medians;
using benchtiming::seconds;

void report(const QString &name, std::pair<double, double> m) { benchtiming::report(qPrintable(name), m); }

constexpr int kRows = 30; // lines of the list

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "browse_bench: %s\n", what);
        std::exit(1);
    }
}

void exec(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "browse_bench: %s: %s\n", qPrintable(sql), err ? err : "");
        std::exit(1);
    }
}

// A log of `rows` brews, written straight into a freshly created store in one transaction with
// the keys built afterwards. Batch numbers are 16 bits, so only the first 32,000 brews have one;
// a tenth have no date down, one in 97 no kit, a third no score; a third are in stock.
void generate(const QString &folder, int rows)
{
    {
        BrewsTable brews(folder);
        check(bool(brews.open()), "the store cannot be created");
    }
    sqlite3 *db = nullptr;
    check(sqlite3_open(qPrintable(BrewsTable(folder).store().filePath()), &db) == SQLITE_OK, "cannot open the store");
    exec(db, QStringLiteral("PRAGMA synchronous=OFF"));
    QStringList keys, names;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(
        db, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
        keys << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1)));
    }
    sqlite3_finalize(s);
    exec(db, QStringLiteral("BEGIN"));
    for (const QString &name : names)
        exec(db, QStringLiteral("DROP INDEX \"%1\"").arg(name));
    exec(db,
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                       "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, BREWKIT, DATEDOWN, DATEBOTTLED, "
                       "ORIGINALGRAVITY, FINALGRAVITY, OVERALL, BREWBATCHNAME, STOCKONHAND, NOTES) "
                       "SELECT i, CASE WHEN i <= 32000 THEN i ELSE 0 END, "
                       "CASE WHEN i % 97 = 0 THEN '' ELSE (CASE WHEN i % 2 THEN 'Stout ' ELSE 'bitter ' END) "
                       "|| (i * 7919 % 600) END, "
                       "CASE WHEN i % 10 = 0 THEN 0 ELSE 80000 + (i * 37 % 9000) END, "
                       "CASE WHEN i % 10 = 0 THEN 0 ELSE 80007 + (i * 37 % 9000) END, 1048, 1011, "
                       "CASE WHEN i % 3 = 1 THEN 0 ELSE i % 51 END, 'Brew ' || i, "
                       "CASE WHEN i % 3 = 0 THEN '1' ELSE '0' END, 'Notes of brew ' || i FROM n")
            .arg(rows));
    for (const QString &key : keys)
        exec(db, key);
    exec(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
}

// The same reads written by hand: one prepared query per read, every field of each row
// read into a BrewRecord, as the list does.
class Baseline
{
public:
    explicit Baseline(const QString &path)
    {
        check(sqlite3_open_v2(qPrintable(path), &m_db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK,
            "cannot open the store by hand");
        QStringList columns;
        for (const FieldDef &f : BrewsTable::definition().fields)
            columns << f.name;
        m_columns = columns.join(QStringLiteral(", "));
    }
    ~Baseline()
    {
        for (auto &[sql, s] : m_statements)
            sqlite3_finalize(s);
        sqlite3_close(m_db);
    }

    struct Order {
        QString field; // the key's field
        bool text; // compared without regard to case
        bool descending;
    };
    static Order orderOf(BrewKey key)
    {
        switch (key) {
        case BrewKey::KeyBrewNumber:
            return { QStringLiteral("BATCHNUMBER"), false, true };
        case BrewKey::KeyRecord:
            return { QStringLiteral("RECORDNUMBER"), false, false };
        case BrewKey::ByBrewKey:
            return { QStringLiteral("BREWKIT"), true, false };
        case BrewKey::ByDateKey:
            return { QStringLiteral("DATEDOWN"), false, true };
        default:
            return { QStringLiteral("OVERALL"), false, true };
        }
    }

    // The count through the key's index, or (`throughIndex` false) by one pass over the table.
    std::int64_t count(BrewKey key, bool inStock, bool throughIndex)
    {
        const Order o = orderOf(key);
        sqlite3_stmt *s = statement(QStringLiteral("SELECT COUNT(*) FROM BREWSV3 WHERE %1%2 <> %3%4")
                                        .arg(throughIndex ? QString() : QStringLiteral("+"), o.field,
                                            o.text ? QStringLiteral("''") : QStringLiteral("0"),
                                            inStock ? QStringLiteral(" AND STOCKONHAND = '1'") : QString()));
        sqlite3_step(s);
        const std::int64_t n = sqlite3_column_int64(s, 0);
        sqlite3_reset(s);
        return n;
    }

    // A page in the key's order (or against it), from the start, at or after a value, or after
    // the row (value, record number).
    enum class From { Start, AtOrAfter, After };
    std::vector<BrewRecord> page(
        BrewKey key, bool inStock, bool backward, From from, const QVariant &value = {}, int record = 0)
    {
        const Order o = orderOf(key);
        const bool desc = o.descending != backward;
        const QString &field = o.field; // a key's text column compares without regard to case
        QString where = QStringLiteral("%1 <> %2").arg(o.field, o.text ? QStringLiteral("''") : QStringLiteral("0"));
        if (inStock)
            where += QStringLiteral(" AND STOCKONHAND = '1'");
        const QString cmp = desc ? QStringLiteral("<") : QStringLiteral(">");
        const bool unique = key == BrewKey::KeyRecord || key == BrewKey::KeyBrewNumber;
        if (from == From::AtOrAfter)
            where += QStringLiteral(" AND %1 %2= ?1").arg(field, cmp);
        else if (from == From::After)
            where += unique ? QStringLiteral(" AND %1 %2 ?1").arg(field, cmp)
                            : QStringLiteral(" AND (%1, RECORDNUMBER) %2 (?1, ?2)").arg(field, cmp);
        const QString dir = desc ? QStringLiteral(" DESC") : QString();
        const QString order = unique ? field + dir : field + dir + QStringLiteral(", RECORDNUMBER") + dir;
        sqlite3_stmt *s = statement(QStringLiteral("SELECT %1 FROM BREWSV3 WHERE %2 ORDER BY %3 LIMIT %4")
                                        .arg(m_columns, where, order)
                                        .arg(kRows));
        if (from != From::Start) {
            if (value.typeId() == QMetaType::QString) {
                const QByteArray text = value.toString().toUtf8();
                sqlite3_bind_text(s, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_int64(s, 1, value.toLongLong());
            }
            if (from == From::After && !unique)
                sqlite3_bind_int64(s, 2, record);
        }
        std::vector<BrewRecord> rows;
        while (sqlite3_step(s) == SQLITE_ROW)
            rows.push_back(read(s));
        sqlite3_reset(s);
        return rows;
    }

private:
    sqlite3_stmt *statement(const QString &sql)
    {
        sqlite3_stmt *&s = m_statements[sql];
        if (!s)
            check(sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &s, nullptr) == SQLITE_OK, "bad query");
        return s;
    }
    static QString text(sqlite3_stmt *s, int i)
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, i)), sqlite3_column_bytes(s, i));
    }
    static Decimal decimal(sqlite3_stmt *s, int i)
    {
        return Decimal::fromScaled(std::llround(sqlite3_column_double(s, i) * 100), 2);
    }

    static BrewRecord read(sqlite3_stmt *s)
    {
        BrewRecord b;
        int i = 0;
        const auto integer = [&] { return sqlite3_column_int64(s, i++); };
        const auto real = [&] { return sqlite3_column_double(s, i++); };
        const auto str = [&] { return text(s, i++); };
        const auto dec = [&] { return decimal(s, i++); };
        b.RECORDNUMBER = std::int32_t(integer());
        b.BATCHNUMBER = std::int16_t(integer());
        b.BREWKIT = str();
        b.WATERVOLUMELTR = dec();
        b.YEAST = str();
        b.BREWSUGARTYPE = str();
        b.BREWSUGARKG = dec();
        b.PRIMERSUGARTYPE = str();
        b.PRIMERSUGARKG = dec();
        for (QString *a : { &b.ADDITIVE1, &b.ADDITIVE2, &b.ADDITIVE3, &b.ADDITIVE4, &b.ADDITIVE5 })
            *a = str();
        b.DATEDOWN = date::Day(integer());
        b.ORIGINALGRAVITY = std::int16_t(integer());
        b.DATEBOTTLED = date::Day(integer());
        b.BREWTEMP = std::int16_t(integer());
        b.FINALGRAVITY = std::int16_t(integer());
        b.BREWPERIOD = std::uint8_t(integer());
        b.BREWPERIOD2 = std::uint8_t(integer());
        b.MINUSE = date::Day(integer());
        b.MAXUSE = date::Day(integer());
        b.ESTIMATEDALC = dec();
        b.APPEARANCE = real();
        b.AROMA = real();
        b.TASTE = real();
        b.OVERALL = std::int16_t(integer());
        b.BREWBATCHNAME = str();
        b.BREWCOST = dec();
        for (Decimal *d : { &b.SPAREDEC1, &b.SPAREDEC2, &b.SPAREDEC3 })
            *d = dec();
        for (double *r : { &b.SPAREREAL1, &b.SPAREREAL2, &b.SPAREREAL3 })
            *r = real();
        b.SPARELONG1 = std::int32_t(integer());
        for (std::int16_t *v : { &b.SPARESHORT1, &b.SPARESHORT2, &b.SPARESHORT3 })
            *v = std::int16_t(integer());
        b.SPARELONG2 = std::int32_t(integer());
        b.SPARELONG3 = std::int32_t(integer());
        for (std::uint8_t *v : { &b.SPAREBYTE1, &b.SPAREBYTE2, &b.SPAREBYTE3, &b.SPAREBYTE4, &b.SPAREBYTE5 })
            *v = std::uint8_t(integer());
        for (QString *t : { &b.SPARESTRG1, &b.SPARESTRG2, &b.SPARESTRG3, &b.SPARESTRG4, &b.SPARESTRG5, &b.SPAREFIELD1,
                 &b.SPAREFIELD2, &b.SPAREFIELD3, &b.SPAREFIELD4, &b.STOCKONHAND, &b.NOTES, &b.NOTESBIG })
            *t = str();
        return b;
    }

    sqlite3 *m_db = nullptr;
    QString m_columns;
    std::map<QString, sqlite3_stmt *> m_statements;
};

struct Tab {
    const char *name;
    BrewKey key;
    QVariant locate; // a value the locator is given
};

const Tab kTabs[] = {
    { "batch", BrewKey::KeyBrewNumber, 16000 },
    { "record", BrewKey::KeyRecord, 500000 },
    { "kits", BrewKey::ByBrewKey, QStringLiteral("Stout 3") },
    { "date", BrewKey::ByDateKey, 84500 },
    { "quality", BrewKey::QualityKey, 25 },
};

FieldValue fieldValue(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return std::int64_t(v.toLongLong());
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

// The rows the list holds, and how much the process grew, after opening it on every tab and
// moving to the last row and paging back up through 300 pages.
std::pair<int, long> footprint(BrewsTable &table)
{
    const long before = residentKiB();
    int most = 0;
    for (const Tab &tab : kTabs) {
        BrewListModel model(table);
        model.setVisibleRows(kRows);
        check(bool(model.setOrder(tab.key, false)), "open");
        check(bool(model.toLast()), "last");
        for (int i = 0; i < 300; ++i) {
            check(bool(model.scroll(-kRows)), "page up");
            most = std::max(most, model.bufferedRows());
        }
    }
    return { most, residentKiB() - before };
}

std::vector<std::int32_t> shownRecords(const BrewListModel &model)
{
    std::vector<std::int32_t> out;
    for (int i = 0; i < model.rowCount(); ++i)
        out.push_back(model.record(i).RECORDNUMBER);
    return out;
}

std::vector<std::int32_t> recordsOf(const std::vector<BrewRecord> &rows, std::size_t most = kRows)
{
    std::vector<std::int32_t> out;
    for (std::size_t i = 0; i < rows.size() && i < most; ++i)
        out.push_back(rows[i].RECORDNUMBER);
    return out;
}

// What one walk over a tab did: the count it showed and the rows it showed after each move.
struct Walk {
    std::int64_t count = 0;
    int rowsShown = 0;
    int moves = 0;
};

// The brewer's walk over a tab: open it (count and first rows), the last row, the locator,
// the first row, `pages` pages down and back up, then a brew saved and the list read again.
Walk walk(BrewsTable &table, const Tab &tab, bool inStock, int pages)
{
    Walk w;
    BrewListModel model(table);
    model.setVisibleRows(kRows);
    check(bool(model.setOrder(tab.key, inStock)), "open");
    w.count = model.count();
    const auto shown = [&] {
        w.rowsShown += model.rowCount();
        ++w.moves;
    };
    shown();
    check(bool(model.toLast()), "last");
    shown();
    check(bool(model.locate({ fieldValue(tab.locate) }, 0)), "locate");
    shown();
    check(bool(model.toFirst()), "first");
    shown();
    for (int i = 0; i < pages; ++i) {
        check(bool(model.scroll(kRows)), "page down");
        shown();
    }
    for (int i = 0; i < pages; ++i) {
        check(bool(model.scroll(-kRows)), "page up");
        shown();
    }
    check(model.rowCount() > 0, "an empty list");
    Expected<std::optional<BrewRecord>> fresh = table.fetch(model.record(0).RECORDNUMBER);
    check(fresh.ok() && fresh->has_value(), "fetch");
    BrewRecord brew = **fresh;
    brew.BREWBATCHNAME
        = brew.BREWBATCHNAME == QStringLiteral("Saved") ? QStringLiteral("Saved again") : QStringLiteral("Saved");
    ScriptedPrompter prompter;
    check(bool(table.update(brew, prompter)), "save");
    check(bool(model.reread()), "refresh");
    shown();
    return w;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir large, small;
    check(large.isValid() && small.isValid(), "no temporary folder");
    generate(large.path(), 1000000);
    generate(small.path(), 10000);

    BrewsTable table(large.path());
    check(bool(table.open()), "cannot open the store");
    Baseline hand(table.store().filePath());

    for (const Tab &tab : kTabs) {
        for (const bool inStock : { false, true }) {
            // The hand-written count takes whichever way is faster for this key and filter.
            const bool throughIndex = seconds([&] { hand.count(tab.key, inStock, true); })
                < seconds([&] { hand.count(tab.key, inStock, false); });
            {
                BrewListModel model(table);
                model.setVisibleRows(kRows);
                check(bool(model.setOrder(tab.key, inStock)), "open");
                check(model.count() == hand.count(tab.key, inStock, throughIndex), "open: the counts differ");
                check(shownRecords(model) == recordsOf(hand.page(tab.key, inStock, false, Baseline::From::Start)),
                    "open: the rows differ");
            }
            report(QStringLiteral("browse_open_%1_%2").arg(QLatin1String(tab.name), inStock ? "stock" : "all"),
                medians(
                    7,
                    [&] {
                        BrewListModel model(table);
                        model.setVisibleRows(kRows);
                        check(bool(model.setOrder(tab.key, inStock)), "open");
                    },
                    [&] {
                        hand.count(tab.key, inStock, throughIndex);
                        hand.page(tab.key, inStock, false, Baseline::From::Start);
                    }));
        }
    }

    for (const Tab &tab : kTabs) {
        BrewListModel model(table);
        model.setVisibleRows(kRows);
        check(bool(model.setOrder(tab.key, false)), "open");
        check(bool(model.locate({ fieldValue(tab.locate) }, 0)), "locate");
        check(shownRecords(model) == recordsOf(hand.page(tab.key, false, false, Baseline::From::AtOrAfter, tab.locate)),
            "locate: the rows differ");
        check(bool(model.toLast()), "last");
        {
            std::vector<std::int32_t> last = recordsOf(hand.page(tab.key, false, true, Baseline::From::Start));
            std::reverse(last.begin(), last.end());
            check(shownRecords(model) == last, "last: the rows differ");
        }
        report(QStringLiteral("browse_locate_%1").arg(QLatin1String(tab.name)),
            medians(
                51, [&] { check(bool(model.locate({ fieldValue(tab.locate) }, 0)), "locate"); },
                [&] { hand.page(tab.key, false, false, Baseline::From::AtOrAfter, tab.locate); }));
        report(QStringLiteral("browse_last_%1").arg(QLatin1String(tab.name)),
            medians(
                51, [&] { check(bool(model.toLast()), "last"); },
                [&] { hand.page(tab.key, false, true, Baseline::From::Start); }));
        // 200 pages down from the first row, each continuing after the last row shown.
        const auto keyOf = [&](const BrewRecord &b) -> QVariant {
            switch (tab.key) {
            case BrewKey::KeyBrewNumber:
                return b.BATCHNUMBER;
            case BrewKey::KeyRecord:
                return b.RECORDNUMBER;
            case BrewKey::ByBrewKey:
                return b.BREWKIT;
            case BrewKey::ByDateKey:
                return b.DATEDOWN;
            default:
                return b.OVERALL;
            }
        };
        report(QStringLiteral("browse_page_down_200_%1").arg(QLatin1String(tab.name)),
            medians(
                7,
                [&] {
                    check(bool(model.toFirst()), "first");
                    for (int i = 0; i < 200; ++i)
                        check(bool(model.scroll(kRows)), "page down");
                },
                [&] {
                    std::vector<BrewRecord> rows = hand.page(tab.key, false, false, Baseline::From::Start);
                    for (int i = 0; i < 200 && !rows.empty(); ++i)
                        rows = hand.page(
                            tab.key, false, false, Baseline::From::After, keyOf(rows.back()), rows.back().RECORDNUMBER);
                }));
    }

    BrewsTable smallTable(small.path());
    check(bool(smallTable.open()), "cannot open the small store");

    // Opening a tab at 1,000,000 brews against 10,000, the two timed in turn in one run.
    for (const Tab &tab : kTabs) {
        for (const bool inStock : { false, true }) {
            auto open = [&](BrewsTable &t) {
                BrewListModel model(t);
                model.setVisibleRows(kRows);
                check(bool(model.setOrder(tab.key, inStock)), "open");
                return model.rowCount();
            };
            check(open(table) == kRows && open(smallTable) == kRows, "growth: a list shows fewer rows");
            report(QStringLiteral("browse_open_growth_%1_%2_1M_vs_10k")
                       .arg(QLatin1String(tab.name), inStock ? "stock" : "all"),
                medians(
                    15, [&] { open(table); }, [&] { open(smallTable); }));
        }
    }

    const auto [smallRows, smallGrowth] = footprint(smallTable);
    const auto [largeRows, largeGrowth] = footprint(table);
    std::printf("bench browse_rows_held_1M_vs_10k ours=%d baseline=%d ratio=%.3f\n", largeRows, smallRows,
        double(largeRows) / smallRows);
    std::printf("bench browse_memory_growth_kib_1M_vs_10k ours=%ld baseline=%ld ratio=%.3f\n", largeGrowth, smallGrowth,
        double(std::max(largeGrowth, 1L)) / double(std::max(smallGrowth, 1L)));

    // The in-stock view against the whole log, through every tab, with 0.03 %, 3 %, 33 % and
    // all of the 1,000,000 brews in stock.
    struct Share {
        const char *name;
        int every; // every n-th record number is in stock
    };
    for (const Share share :
        { Share { "0.03pct", 3000 }, Share { "3pct", 33 }, Share { "33pct", 3 }, Share { "100pct", 1 } }) {
        {
            sqlite3 *db = nullptr;
            check(sqlite3_open(qPrintable(table.store().filePath()), &db) == SQLITE_OK, "cannot open the store");
            exec(db,
                QStringLiteral("UPDATE BREWSV3 SET STOCKONHAND = CASE WHEN RECORDNUMBER % %1 = 0 THEN '1' ELSE "
                               "'0' END")
                    .arg(share.every));
            sqlite3_close(db);
        }
        for (const Tab &tab : kTabs) {
            const std::int64_t inStock = *table.count(tab.key, true);
            check(inStock == hand.count(tab.key, true, true), "in stock: the counts differ");
            // As many pages as the shorter list holds, so both walks show the same number of rows.
            const int pages = int(std::clamp<std::int64_t>(inStock / kRows - 2, 0, 10));
            const Walk stock = walk(table, tab, true, pages);
            const Walk all = walk(table, tab, false, pages);
            check(stock.count == inStock, "in stock: the list's count is not the store's");
            check(stock.rowsShown == all.rowsShown && stock.moves == all.moves, "in stock: the walks differ");
            report(QStringLiteral("browse_instock_%1_%2").arg(QLatin1String(share.name), QLatin1String(tab.name)),
                medians(
                    7, [&] { walk(table, tab, true, pages); }, [&] { walk(table, tab, false, pages); }));
        }
    }
    return 0;
}
