// Record store figures on a Brews table of 1,000,000 rows: one 30-row page at or after a
// key value in each of the six brew keys, the in-stock count, and opening the store with
// its first page at 10,000 and at 1,000,000 rows. Each figure is set against the same work
// hand-written against SQLite in the same run (median of repeated runs).

#include "records/brewstable.h"

#include <QCoreApplication>
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
    QStringList indexes;
    {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(
            db, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND tbl_name = 'BREWSV3'", -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW)
            indexes << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1)));
        sqlite3_finalize(s);
    }
    exec(db, "BEGIN");
    for (const char *name : { "KeyRecord", "KeyBrewNumber", "ByDateKey", "ByBrewKey", "QualityKey", "CostKey" })
        exec(db, QStringLiteral("DROP INDEX \"%1\"").arg(QLatin1String(name)).toUtf8().constData());
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
    const auto small10k = warmMedians(51, openOurs(small.path()), openBase(smallPath));
    const auto big1m = warmMedians(51, openOurs(big.path()), openBase(bigPath));
    report("open_first_page_10k", small10k);
    report("open_first_page_1m", big1m);
    // Ours at 1,000,000 rows against ours at 10,000: a ratio near 1 means no growth.
    report("open_first_page_growth_1m_vs_10k", { big1m.first, small10k.first });
    return 0;
}
