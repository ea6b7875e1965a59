// The brew export and the backup against the sqlite3 tool in the same run: the export of
// 100,000 brews against `sqlite3 -csv` writing the same 34 columns, and the backup of a
// 1,000,000-brew store against `sqlite3 FILE ".backup COPY"` (medians of repeated runs).

#include "exchange/csvexport.h"
#include "exchange/databackup.h"
#include "records/brewstable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

#include "benchtiming.h"

namespace
{

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "exchange_bench: %s\n", what);
        std::exit(1);
    }
}

void exec(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "exchange_bench: %s: %s\n", qPrintable(sql), err ? err : "");
        std::exit(1);
    }
}

// A log of `rows` brews with every exported column filled, written in one transaction with
// the keys built afterwards.
void generate(const QString &folder, int rows)
{
    {
        BrewsTable brews(folder);
        check(bool(brews.open()), "the store cannot be created");
    }
    sqlite3 *db = nullptr;
    check(sqlite3_open(qPrintable(BrewsTable(folder).store().filePath()), &db) == SQLITE_OK, "cannot open the store");
    exec(db, QStringLiteral("PRAGMA synchronous=OFF"));
    QStringList keys;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW)
        keys << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    exec(db, QStringLiteral("BEGIN"));
    for (const KeyDef &k : BrewsTable::definition().keys)
        exec(db, QStringLiteral("DROP INDEX \"%1\"").arg(k.name));
    exec(db,
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, BREWKIT, BREWBATCHNAME, BREWSUGARTYPE, BREWSUGARKG, "
            "WATERVOLUMELTR, YEAST, DATEDOWN, ORIGINALGRAVITY, SPAREFIELD1, STOCKONHAND, ADDITIVE1, ADDITIVE2, "
            "ADDITIVE3, PRIMERSUGARTYPE, PRIMERSUGARKG, BREWTEMP, DATEBOTTLED, MINUSE, MAXUSE, BREWPERIOD, "
            "BREWPERIOD2, FINALGRAVITY, SPAREFIELD2, ESTIMATEDALC, APPEARANCE, AROMA, TASTE, OVERALL, SPAREFIELD4, "
            "BREWCOST, NOTES) "
            "SELECT i, CASE WHEN i <= 32000 THEN i ELSE 0 END, "
            "CASE WHEN i % 2 THEN 'Stout \"Export\" ' ELSE 'Bitter, best ' END || (i * 7919 % 600), "
            "'Brew ' || i, 'Brewing sugar', 1.25, 23.5, 'Ale yeast', "
            "CASE WHEN i % 10 = 0 THEN 0 ELSE 80000 + (i * 37 % 9000) END, 1048, '20C', "
            "CASE WHEN i % 3 = 0 THEN '1' ELSE '0' END, 'Hops', 'Finings', '', 'Priming sugar', 0.1, 20, "
            "CASE WHEN i % 10 < 3 THEN 0 ELSE 80010 + (i * 37 % 9000) END, 80040, 80200, 7, 30, 1011, '18C', 4.9, "
            "5, 6, 28, i % 51, '6 months', (i % 5000) / 100.0, 'Notes of brew ' || i FROM n")
            .arg(rows));
    for (const QString &key : keys)
        exec(db, key);
    exec(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
}

// The same 34 columns as the export, written by the sqlite3 tool in CSV mode.
QString baselineQuery()
{
    const QString day
        = QStringLiteral("CASE WHEN %1 = 0 THEN '' ELSE strftime('%d/%m/%Y', julianday('1801-01-01') + %1 - 4) END");
    const QString money = QStringLiteral("printf('%.2f', %1)");
    QStringList c { QStringLiteral("row_number() OVER (ORDER BY RECORDNUMBER)"), QStringLiteral("BATCHNUMBER"),
        QStringLiteral("BREWKIT"), QStringLiteral("BREWBATCHNAME"), QStringLiteral("BREWSUGARTYPE"),
        money.arg(QStringLiteral("BREWSUGARKG")), money.arg(QStringLiteral("WATERVOLUMELTR")), QStringLiteral("YEAST"),
        day.arg(QStringLiteral("DATEDOWN")), QStringLiteral("ORIGINALGRAVITY"), QStringLiteral("SPAREFIELD1"),
        QStringLiteral("CASE WHEN STOCKONHAND = '1' THEN 'Yes' ELSE 'No' END"), QStringLiteral("ADDITIVE1"),
        QStringLiteral("ADDITIVE2"), QStringLiteral("ADDITIVE3"), QStringLiteral("ADDITIVE4"),
        QStringLiteral("ADDITIVE5"), QStringLiteral("PRIMERSUGARTYPE"), money.arg(QStringLiteral("PRIMERSUGARKG")),
        QStringLiteral("BREWTEMP"), day.arg(QStringLiteral("DATEBOTTLED")), day.arg(QStringLiteral("MINUSE")),
        day.arg(QStringLiteral("MAXUSE")), QStringLiteral("BREWPERIOD"), QStringLiteral("BREWPERIOD2"),
        QStringLiteral("FINALGRAVITY"), QStringLiteral("SPAREFIELD2"), money.arg(QStringLiteral("ESTIMATEDALC")),
        QStringLiteral("CAST(APPEARANCE AS INTEGER)"), QStringLiteral("CAST(AROMA AS INTEGER)"),
        QStringLiteral("CAST(TASTE AS INTEGER)"), QStringLiteral("OVERALL"), QStringLiteral("SPAREFIELD4"),
        money.arg(QStringLiteral("BREWCOST")) };
    return QStringLiteral("SELECT %1 FROM BREWSV3 WHERE RECORDNUMBER <> 0 ORDER BY RECORDNUMBER;")
        .arg(c.join(QStringLiteral(", ")));
}

void runTool(const QString &tool, const QStringList &args, const QString &stdoutFile = {})
{
    QProcess p;
    if (!stdoutFile.isEmpty())
        p.setStandardOutputFile(stdoutFile);
    p.start(tool, args);
    check(p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
        "the sqlite3 tool failed");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    check(!tool.isEmpty(), "the sqlite3 tool (Debian package sqlite3) is not installed");

    {
        QTemporaryDir dir;
        generate(dir.path(), 100000);
        const QString store = BrewsTable(dir.path()).store().filePath();
        const QString baselineOut = QDir(dir.path()).filePath(QStringLiteral("baseline.csv"));
        const QString query = baselineQuery();
        auto ours = [&] {
            CsvExport run(dir.path(), 0);
            check(bool(run.start()), "the export cannot start");
            run.runToEnd();
            check(bool(run.finish()) && run.linesWritten() == 100000, "the export failed");
        };
        auto baseline = [&] {
            runTool(tool, { QStringLiteral("-csv"), QStringLiteral("-readonly"), store, query }, baselineOut);
        };
        const auto m = benchtiming::medians(7, ours, baseline);
        QFile a(CsvExport::filePath(dir.path())), b(baselineOut);
        check(a.size() > 0 && b.size() > a.size() / 2, "the two exports differ in size");
        benchtiming::report("csv_export_100k", m);
    }
    {
        QTemporaryDir dir;
        generate(dir.path(), 1000000);
        const QString store = BrewsTable(dir.path()).store().filePath();
        const QString oursCopy = QDir(dir.path()).filePath(QStringLiteral("ours.sqlite"));
        const QString baselineCopy = QDir(dir.path()).filePath(QStringLiteral("baseline.sqlite"));
        auto ours = [&] { check(bool(DataBackup::copyStore(store, oursCopy, [](int, int) {})), "the backup failed"); };
        auto baseline = [&] {
            QFile::remove(baselineCopy);
            runTool(tool, { store, QStringLiteral(".backup '%1'").arg(baselineCopy) });
        };
        const auto m = benchtiming::medians(5, ours, baseline);
        check(QFile(oursCopy).size() == QFile(baselineCopy).size(), "the two copies differ in size");
        benchtiming::report("backup_1m", m);
    }
    return 0;
}
