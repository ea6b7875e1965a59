// Record store figures on a Brews table of 1,000,000 rows: one 30-row page at or after a
// key value in each of the six brew keys, the in-stock count, and opening the store with
// its first page at 10,000 and at 1,000,000 rows. Each figure is set against the same work
// hand-written against SQLite in the same run (median of repeated runs).

#include "records/brewstable.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sqlite3.h>
#include <unistd.h>

#include "benchtiming.h"

namespace
{

using benchtiming::report;
using benchtiming::seconds;

// Three untimed rounds first, so the page and statement caches are filled for both sides.
std::pair<double, double> warmMedians(
    int runs, const std::function<void()> &ours, const std::function<void()> &baseline)
{
    return benchtiming::medians(runs, ours, baseline, 3);
}

using Clock = std::chrono::steady_clock;

void exec(sqlite3 *db, const char *sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, err ? err : "");
        std::exit(1);
    }
}

// Fills the (empty, freshly created) store with `rows` brews in one transaction.
void generate(const QString &folder, int rows)
{
    {
        BrewsTable brews(folder);
        if (!brews.open()) {
            std::fprintf(stderr, "cannot create the store in %s\n", qPrintable(folder));
            std::exit(1);
        }
    }
    sqlite3 *db = nullptr;
    sqlite3_open(qPrintable(BrewsTable(folder).store().filePath()), &db);
    exec(db, "PRAGMA synchronous=OFF");
    exec(db, "PRAGMA cache_size=-262144");
    // The keys are built after the rows: one sort per key instead of a million scattered inserts.
    QStringList indexes, names;
    {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(
            db, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND tbl_name = 'BREWSV3'", -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
            indexes << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1)));
        }
        sqlite3_finalize(s);
    }
    exec(db, "BEGIN");
    for (const QString &name : names)
        exec(db, QStringLiteral("DROP INDEX \"%1\"").arg(name).toUtf8().constData());
    const QByteArray sql = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, BREWKIT, WATERVOLUMELTR, YEAST, BREWSUGARTYPE, "
        "BREWSUGARKG, DATEDOWN, ORIGINALGRAVITY, FINALGRAVITY, ESTIMATEDALC, OVERALL, BREWBATCHNAME, BREWCOST, "
        "STOCKONHAND, NOTES) "
        "SELECT i, CASE WHEN i <= 30000 THEN i ELSE 0 END, "
        "CASE WHEN i % 97 = 0 THEN '' ELSE (CASE WHEN i % 2 THEN 'Kit ' ELSE 'kit ' END) || (i * 7919 % 500) END, "
        "23.00, 'Ale yeast', 'Brewing sugar', 1.25, "
        "CASE WHEN i % 11 = 0 THEN 0 ELSE 80000 + (i * 31 % 9000) END, 1045, 1010, 4.59, i % 51, "
        "'Batch ' || i, (i * 13 % 5000) / 100.0, CASE WHEN i % 3 = 0 THEN '1' ELSE '0' END, "
        "'Notes for brew ' || i FROM n")
                               .arg(rows)
                               .toUtf8();
    exec(db, sql.constData());
    for (const QString &index : indexes)
        exec(db, index.toUtf8().constData());
    exec(db, "COMMIT");
    exec(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    sqlite3_close(db);
}

// The hand-written reader: one prepared query, rows read straight into BrewRecord.
class Baseline
{
public:
    explicit Baseline(const QString &path) { sqlite3_open_v2(qPrintable(path), &m_db, SQLITE_OPEN_READWRITE, nullptr); }
    ~Baseline()
    {
        for (sqlite3_stmt *s : m_statements)
            sqlite3_finalize(s);
        sqlite3_close(m_db);
    }
    sqlite3_stmt *prepare(const char *sql)
    {
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(m_db));
            std::exit(1);
        }
        m_statements.push_back(s);
        return s;
    }
    sqlite3 *db() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
    std::vector<sqlite3_stmt *> m_statements;
};

QString text(sqlite3_stmt *s, int c)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c));
}
Decimal money(sqlite3_stmt *s, int c)
{
    return Decimal::fromScaled(std::llround(sqlite3_column_double(s, c) * 100), 2);
}

BrewRecord readBrew(sqlite3_stmt *s)
{
    BrewRecord b;
    int c = 0;
    b.RECORDNUMBER = sqlite3_column_int(s, c++);
    b.BATCHNUMBER = std::int16_t(sqlite3_column_int(s, c++));
    b.BREWKIT = text(s, c++);
    b.WATERVOLUMELTR = money(s, c++);
    b.YEAST = text(s, c++);
    b.BREWSUGARTYPE = text(s, c++);
    b.BREWSUGARKG = money(s, c++);
    b.PRIMERSUGARTYPE = text(s, c++);
    b.PRIMERSUGARKG = money(s, c++);
    for (QString *a : { &b.ADDITIVE1, &b.ADDITIVE2, &b.ADDITIVE3, &b.ADDITIVE4, &b.ADDITIVE5 })
        *a = text(s, c++);
    b.DATEDOWN = sqlite3_column_int(s, c++);
    b.ORIGINALGRAVITY = std::int16_t(sqlite3_column_int(s, c++));
    b.DATEBOTTLED = sqlite3_column_int(s, c++);
    b.BREWTEMP = std::int16_t(sqlite3_column_int(s, c++));
    b.FINALGRAVITY = std::int16_t(sqlite3_column_int(s, c++));
    b.BREWPERIOD = std::uint8_t(sqlite3_column_int(s, c++));
    b.BREWPERIOD2 = std::uint8_t(sqlite3_column_int(s, c++));
    b.MINUSE = sqlite3_column_int(s, c++);
    b.MAXUSE = sqlite3_column_int(s, c++);
    b.ESTIMATEDALC = money(s, c++);
    b.APPEARANCE = sqlite3_column_double(s, c++);
    b.AROMA = sqlite3_column_double(s, c++);
    b.TASTE = sqlite3_column_double(s, c++);
    b.OVERALL = std::int16_t(sqlite3_column_int(s, c++));
    b.BREWBATCHNAME = text(s, c++);
    b.BREWCOST = money(s, c++);
    for (Decimal *d : { &b.SPAREDEC1, &b.SPAREDEC2, &b.SPAREDEC3 })
        *d = money(s, c++);
    for (double *d : { &b.SPAREREAL1, &b.SPAREREAL2, &b.SPAREREAL3 })
        *d = sqlite3_column_double(s, c++);
    b.SPARELONG1 = sqlite3_column_int(s, c++);
    for (std::int16_t *v : { &b.SPARESHORT1, &b.SPARESHORT2, &b.SPARESHORT3 })
        *v = std::int16_t(sqlite3_column_int(s, c++));
    b.SPARELONG2 = sqlite3_column_int(s, c++);
    b.SPARELONG3 = sqlite3_column_int(s, c++);
    for (std::uint8_t *v : { &b.SPAREBYTE1, &b.SPAREBYTE2, &b.SPAREBYTE3, &b.SPAREBYTE4, &b.SPAREBYTE5 })
        *v = std::uint8_t(sqlite3_column_int(s, c++));
    for (QString *t : { &b.SPARESTRG1, &b.SPARESTRG2, &b.SPARESTRG3, &b.SPARESTRG4, &b.SPARESTRG5, &b.SPAREFIELD1,
             &b.SPAREFIELD2, &b.SPAREFIELD3, &b.SPAREFIELD4, &b.STOCKONHAND, &b.NOTES, &b.NOTESBIG })
        *t = text(s, c++);
    return b;
}

const char *kColumns
    = "RECORDNUMBER, BATCHNUMBER, BREWKIT, WATERVOLUMELTR, YEAST, BREWSUGARTYPE, BREWSUGARKG, PRIMERSUGARTYPE, "
      "PRIMERSUGARKG, ADDITIVE1, ADDITIVE2, ADDITIVE3, ADDITIVE4, ADDITIVE5, DATEDOWN, ORIGINALGRAVITY, DATEBOTTLED, "
      "BREWTEMP, FINALGRAVITY, BREWPERIOD, BREWPERIOD2, MINUSE, MAXUSE, ESTIMATEDALC, APPEARANCE, AROMA, TASTE, "
      "OVERALL, BREWBATCHNAME, BREWCOST, SPAREDEC1, SPAREDEC2, SPAREDEC3, SPAREREAL1, SPAREREAL2, SPAREREAL3, "
      "SPARELONG1, SPARESHORT1, SPARESHORT2, SPARESHORT3, SPARELONG2, SPARELONG3, SPAREBYTE1, SPAREBYTE2, SPAREBYTE3, "
      "SPAREBYTE4, SPAREBYTE5, SPARESTRG1, SPARESTRG2, SPARESTRG3, SPARESTRG4, SPARESTRG5, SPAREFIELD1, SPAREFIELD2, "
      "SPAREFIELD3, SPAREFIELD4, STOCKONHAND, NOTES, NOTESBIG";

std::vector<BrewRecord> readPage(sqlite3_stmt *s, const std::function<void(sqlite3_stmt *)> &bind)
{
    std::vector<BrewRecord> rows;
    rows.reserve(30);
    bind(s);
    while (rows.size() < 30 && sqlite3_step(s) == SQLITE_ROW)
        rows.push_back(readBrew(s));
    sqlite3_reset(s);
    return rows;
}

// Drops the store's files from the operating system's page cache, as after a restart.
void dropFromCache(const QString &path)
{
    for (const QString &f : { path, path + QStringLiteral("-wal") }) {
        const int fd = ::open(QFile::encodeName(f).constData(), O_RDONLY);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}

// Medians of the two, each timed after `before` ran untimed.
std::pair<double, double> mediansAfter(int runs, const std::function<void()> &before, const std::function<void()> &ours,
    const std::function<void()> &baseline)
{
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        before();
        a.push_back(seconds(ours));
        before();
        b.push_back(seconds(baseline));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return { a[a.size() / 2], b[b.size() / 2] };
}

// Single-row writes written by hand: each in its own transaction on a connection with the
// store's durability (write-ahead log, synchronous=FULL), finding its row through the key.
class HandWriter
{
public:
    explicit HandWriter(const QString &path)
    {
        sqlite3_open_v2(qPrintable(path), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(m_db, 10000);
        exec(m_db, "PRAGMA synchronous=FULL");
        QStringList sets, params;
        const TableDef &def = BrewsTable::definition();
        for (std::size_t i = 0; i < def.fields.size(); ++i) {
            sets << QStringLiteral("%1 = ?%2").arg(def.fields[i].name).arg(i + 1);
            params << QStringLiteral("?%1").arg(i + 1);
        }
        const int n = int(def.fields.size());
        m_save = prepare(QStringLiteral("UPDATE BREWSV3 SET %1, revision = revision + 1 WHERE RECORDNUMBER = ?%2 AND "
                                        "RECORDNUMBER <> 0")
                             .arg(sets.join(QStringLiteral(", ")))
                             .arg(n + 1));
        m_delete = prepare(QStringLiteral("DELETE FROM BREWSV3 WHERE RECORDNUMBER = ?1 AND RECORDNUMBER <> 0"));
        m_highRecord = prepare(QStringLiteral(
            "SELECT RECORDNUMBER FROM BREWSV3 WHERE RECORDNUMBER <> 0 ORDER BY RECORDNUMBER DESC LIMIT 1"));
        m_highBatch = prepare(
            QStringLiteral("SELECT BATCHNUMBER FROM BREWSV3 WHERE BATCHNUMBER <> 0 ORDER BY BATCHNUMBER DESC LIMIT 1"));
        QStringList columns;
        for (const FieldDef &f : def.fields)
            columns << f.name;
        m_insert = prepare(QStringLiteral("INSERT INTO BREWSV3 (%1) VALUES (%2)")
                               .arg(columns.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))));
    }
    ~HandWriter()
    {
        for (sqlite3_stmt *st : { m_save, m_delete, m_highRecord, m_highBatch, m_insert })
            sqlite3_finalize(st);
        sqlite3_close(m_db);
    }
    // Each returns the rows it changed.
    int save(const Row &row, std::int64_t record)
    {
        exec(m_db, "BEGIN IMMEDIATE");
        bindRow(m_save, row);
        sqlite3_bind_int64(m_save, int(row.values.size()) + 1, record);
        return finish(m_save);
    }
    int remove(std::int64_t record)
    {
        exec(m_db, "BEGIN IMMEDIATE");
        sqlite3_bind_int64(m_delete, 1, record);
        return finish(m_delete);
    }
    int copy(Row row)
    {
        exec(m_db, "BEGIN IMMEDIATE");
        row.values[0] = highest(m_highRecord) + 1;
        row.values[1] = highest(m_highBatch) + 1;
        bindRow(m_insert, row);
        return finish(m_insert);
    }

private:
    sqlite3_stmt *prepare(const QString &sql)
    {
        sqlite3_stmt *st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(sql), sqlite3_errmsg(m_db));
            std::exit(1);
        }
        return st;
    }
    static void bindRow(sqlite3_stmt *st, const Row &row)
    {
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            const FieldValue &v = row.values[i];
            const int at = int(i) + 1;
            if (const auto *n = std::get_if<std::int64_t>(&v))
                sqlite3_bind_int64(st, at, *n);
            else if (const auto *d = std::get_if<double>(&v))
                sqlite3_bind_double(st, at, *d);
            else if (const auto *dec = std::get_if<Decimal>(&v))
                sqlite3_bind_double(st, at, dec->toDouble());
            else
                sqlite3_bind_text(st, at, std::get<QString>(v).toUtf8().constData(), -1, SQLITE_TRANSIENT);
        }
    }
    std::int64_t highest(sqlite3_stmt *st)
    {
        const std::int64_t v = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : 0;
        sqlite3_reset(st);
        return v;
    }
    int finish(sqlite3_stmt *st)
    {
        const bool done = sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        const int changed = done ? sqlite3_changes(m_db) : -1;
        exec(m_db, done ? "COMMIT" : "ROLLBACK");
        return changed;
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_save = nullptr, *m_delete = nullptr, *m_highRecord = nullptr, *m_highBatch = nullptr,
                 *m_insert = nullptr;
};

// Save, delete and copy of one brew through the store against the same writes by hand, on the
// store in `folder` of `rows` brews; with the file in the page cache, and dropped from it
// before each write.
bool writeFigures(const QString &folder, int rows, const char *size)
{
    BrewsTable brews(folder);
    if (!brews.open())
        return false;
    HandWriter hand(brews.store().filePath());
    ScriptedPrompter prompter;
    const std::int32_t oursSaved = rows / 2, handSaved = rows / 2 + 1;
    BrewRecord brew = **brews.fetch(oursSaved);
    const Row handRow = brews.toRow(**brews.fetch(handSaved));
    int serial = 0;
    bool same = true;
    // Both sides write every field of one brew, found by its record number.
    auto saveOurs = [&] {
        brew.BREWBATCHNAME = QStringLiteral("Saved %1").arg(++serial);
        same = same && brews.update(brew, prompter).ok();
    };
    auto saveHand = [&] {
        Row row = handRow;
        row.values[28] = QStringLiteral("Saved %1").arg(++serial); // BREWBATCHNAME
        same = same && hand.save(row, handSaved) == 1;
    };
    // Each delete takes a brew of its own side: ours from the front, the hand's from further on.
    std::int32_t oursNext = 2, handNext = rows / 4;
    auto deleteOurs = [&] { same = same && brews.remove(oursNext++, prompter).ok(); };
    auto deleteHand = [&] { same = same && hand.remove(handNext++) == 1; };
    const BrewRecord source = **brews.fetch(rows / 3);
    auto copyOurs = [&] {
        BrewRecord seed = source;
        same = same && brews.reserveNew(seed, prompter).ok();
    };
    auto copyHand = [&] { same = same && hand.copy(brews.toRow(source)) == 1; };

    const QString path = brews.store().filePath();
    const std::int64_t before = *brews.countAll();
    const auto none = [] {};
    const auto drop = [&] { dropFromCache(path); };
    const int runs = 15;
    for (const bool cold : { false, true }) {
        const char *cache = cold ? "cold" : "cached";
        const std::function<void()> prepare = cold ? std::function<void()>(drop) : std::function<void()>(none);
        report(QStringLiteral("write_save_%1_%2").arg(QLatin1String(size), QLatin1String(cache)).toUtf8().constData(),
            mediansAfter(runs, prepare, saveOurs, saveHand));
        report(QStringLiteral("write_delete_%1_%2").arg(QLatin1String(size), QLatin1String(cache)).toUtf8().constData(),
            mediansAfter(runs, prepare, deleteOurs, deleteHand));
        report(QStringLiteral("write_copy_%1_%2").arg(QLatin1String(size), QLatin1String(cache)).toUtf8().constData(),
            mediansAfter(runs, prepare, copyOurs, copyHand));
    }
    // Each side deleted and added as many brews as the other, every write met exactly one row.
    const std::int64_t after = *brews.countAll();
    if (!same || after != before || prompter.shown().size() != 0) {
        std::fprintf(stderr, "write figures at %s: the two sides did not do the same writes\n", size);
        return false;
    }
    const QString savedName = QStringLiteral("Saved %1").arg(serial);
    const QString lastOurs = (**brews.fetch(oursSaved)).BREWBATCHNAME,
                  lastHand = (**brews.fetch(handSaved)).BREWBATCHNAME;
    if (lastOurs == lastHand || (lastOurs != savedName && lastHand != savedName)) {
        std::fprintf(stderr, "write figures at %s: the saves did not reach the store\n", size);
        return false;
    }
    return true;
}

struct PageCase {
    const char *name;
    BrewKey key;
    FieldValue value;
    const char *where; // the hand-written query's condition and order
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir big, small;
    std::fprintf(stderr, "generating 1,000,000 brews...\n");
    const double made = seconds([&] { generate(big.path(), 1000000); });
    std::fprintf(stderr, "generated in %.1f s\n", made);
    generate(small.path(), 10000);

    BrewsTable brews(big.path());
    if (!brews.open()) {
        std::fprintf(stderr, "cannot open the generated store\n");
        return 1;
    }
    Baseline base(brews.store().filePath());

    const PageCase pages[] = {
        { "page_KeyRecord", BrewKey::KeyRecord, std::int64_t(500000),
            "RECORDNUMBER <> 0 AND RECORDNUMBER >= ?1 ORDER BY RECORDNUMBER" },
        { "page_KeyBrewNumber", BrewKey::KeyBrewNumber, std::int64_t(15000),
            "BATCHNUMBER <> 0 AND BATCHNUMBER <= ?1 ORDER BY BATCHNUMBER DESC" },
        { "page_ByDateKey", BrewKey::ByDateKey, std::int64_t(84500),
            "DATEDOWN <> 0 AND DATEDOWN <= ?1 ORDER BY DATEDOWN DESC, RECORDNUMBER DESC" },
        { "page_ByBrewKey", BrewKey::ByBrewKey, QStringLiteral("kit 250"),
            "BREWKIT <> '' AND BREWKIT >= ?1 ORDER BY BREWKIT, RECORDNUMBER" },
        { "page_QualityKey", BrewKey::QualityKey, std::int64_t(25),
            "OVERALL <> 0 AND OVERALL <= ?1 ORDER BY OVERALL DESC, RECORDNUMBER DESC" },
        { "page_CostKey", BrewKey::CostKey, Decimal(25),
            "BREWCOST <> 0 AND BREWCOST >= ?1 ORDER BY BREWCOST, RECORDNUMBER" },
    };
    for (const PageCase &c : pages) {
        const QByteArray sql = QStringLiteral("SELECT %1 FROM BREWSV3 WHERE %2 LIMIT 31")
                                   .arg(QLatin1String(kColumns), QLatin1String(c.where))
                                   .toUtf8();
        sqlite3_stmt *s = base.prepare(sql.constData());
        auto bind = [&](sqlite3_stmt *st) {
            if (const auto *i = std::get_if<std::int64_t>(&c.value))
                sqlite3_bind_int64(st, 1, *i);
            else if (const auto *t = std::get_if<QString>(&c.value))
                sqlite3_bind_text(st, 1, t->toUtf8().constData(), -1, SQLITE_TRANSIENT);
            else
                sqlite3_bind_double(st, 1, std::get<Decimal>(c.value).toDouble());
        };
        // Both must deliver the same brews, or the figure means nothing.
        Expected<BrewsTable::Page> check
            = brews.readPage(c.key, Bound::atOrAfter({ c.value }), Direction::Forward, 30, false);
        if (!check || check->rows != readPage(s, bind)) {
            std::fprintf(stderr, "%s: the two reads differ\n", c.name);
            return 1;
        }
        std::size_t sink = 0;
        report(c.name,
            warmMedians(
                201,
                [&] {
                    sink += brews.readPage(c.key, Bound::atOrAfter({ c.value }), Direction::Forward, 30, false)
                                ->rows.size();
                },
                [&] { sink += readPage(s, bind).size(); }));
    }

    // Counting the brews in stock, as the browse's count line does.
    {
        sqlite3_stmt *s = base.prepare("SELECT COUNT(*) FROM BREWSV3 WHERE STOCKONHAND = '1'");
        auto baseline = [&] {
            sqlite3_step(s);
            const std::int64_t n = sqlite3_column_int64(s, 0);
            sqlite3_reset(s);
            return n;
        };
        if (*brews.count(BrewKey::KeyRecord, true) != baseline()) {
            std::fprintf(stderr, "count: the two counts differ\n");
            return 1;
        }
        report("count_in_stock",
            warmMedians(
                9, [&] { (void)brews.count(BrewKey::KeyRecord, true); }, [&] { (void)baseline(); }));
    }

    // Opening a store and reading its first page does not grow with the rows.
    auto openOurs = [](const QString &folder) {
        return [folder] {
            BrewsTable t(folder);
            t.open();
            (void)t.readPage(BrewKey::KeyBrewNumber, Bound::edge(), Direction::Forward, 30, false);
            t.close();
        };
    };
    auto openBase = [](const QString &path) {
        return [path] {
            Baseline b(path);
            sqlite3_stmt *s = b.prepare(QStringLiteral("SELECT %1 FROM BREWSV3 WHERE BATCHNUMBER <> 0 ORDER BY "
                                                       "BATCHNUMBER DESC LIMIT 31")
                                            .arg(QLatin1String(kColumns))
                                            .toUtf8()
                                            .constData());
            (void)readPage(s, [](sqlite3_stmt *) {});
        };
    };
    brews.close();
    const QString smallPath = BrewsTable(small.path()).store().filePath();
    const QString bigPath = BrewsTable(big.path()).store().filePath();
    report("open_first_page_10k", warmMedians(51, openOurs(small.path()), openBase(smallPath)));
    report("open_first_page_1m", warmMedians(51, openOurs(big.path()), openBase(bigPath)));
    // Ours at 1,000,000 rows against ours at 10,000, timed in turn: a ratio near 1 means no growth.
    report("open_first_page_growth_1m_vs_10k", warmMedians(51, openOurs(big.path()), openOurs(small.path())));

    if (!writeFigures(small.path(), 10000, "10k") || !writeFigures(big.path(), 1000000, "1m"))
        return 1;
    return 0;
}
