// The stores as an outside tool sees them: the sqlite3 program lists every field as a
// column by its name in row order, every key as an index, and the values as written.
#include "records/alltables.h"
#include "records/kitstable.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"
#include "tablefixture.h"

#include <QFileInfo>
#include <QProcess>

using namespace tabletest;

namespace
{

const QString kSqlite = QStringLiteral("/usr/bin/sqlite3");

QStringList sqlite3(const QString &file, const QString &sql)
{
    QProcess p;
    p.start(kSqlite, { QStringLiteral("-batch"), QStringLiteral("-noheader"), QStringLiteral("-readonly"), file, sql });
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList words(const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

struct Layout {
    const char *store;
    const char *columns; // field names in row order, memos, then the revision
    const char *indexes; // key names, sorted
};

const Layout kLayouts[] = {
    { "BREWSV3",
        "RECORDNUMBER BATCHNUMBER BREWKIT WATERVOLUMELTR YEAST BREWSUGARTYPE BREWSUGARKG PRIMERSUGARTYPE PRIMERSUGARKG "
        "ADDITIVE1 ADDITIVE2 ADDITIVE3 ADDITIVE4 ADDITIVE5 DATEDOWN ORIGINALGRAVITY DATEBOTTLED BREWTEMP FINALGRAVITY "
        "BREWPERIOD BREWPERIOD2 MINUSE MAXUSE ESTIMATEDALC APPEARANCE AROMA TASTE OVERALL BREWBATCHNAME BREWCOST "
        "SPAREDEC1 SPAREDEC2 SPAREDEC3 SPAREREAL1 SPAREREAL2 SPAREREAL3 SPARELONG1 SPARESHORT1 SPARESHORT2 SPARESHORT3 "
        "SPARELONG2 SPARELONG3 SPAREBYTE1 SPAREBYTE2 SPAREBYTE3 SPAREBYTE4 SPAREBYTE5 SPARESTRG1 SPARESTRG2 SPARESTRG3 "
        "SPARESTRG4 SPARESTRG5 SPAREFIELD1 SPAREFIELD2 SPAREFIELD3 SPAREFIELD4 STOCKONHAND NOTES NOTESBIG revision",
        "ByBrewKey ByBrewKey_InStock ByDateKey ByDateKey_InStock CostKey CostKey_InStock KeyBrewNumber "
        "KeyBrewNumber_InStock KeyRecord KeyRecord_InStock QualityKey QualityKey_InStock" },
    { "BRANDS4", "RECORDNUMBER NAMEOFBREW revision", "BrewKey RecordKey" },
    { "SHOPPING", "RECORDNUMBER ITEM SIZE QTY PRICE AMOUNT revision", "KeyRecordNumber" },
    { "W_LINK", "RECORDNUMBER WEBADDRESS NAMECOMMENT revision", "KeyName KeyRecordNumber KeyWeb" },
};

TEST(TableLayout, TheSqliteToolSeesEveryFieldAndKeyByName)
{
    if (!QFileInfo::exists(kSqlite))
        GTEST_SKIP() << "no sqlite3 program";
    QTemporaryDir dir;
    const std::vector<TableDef> defs = allTableDefinitions();
    ASSERT_EQ(defs.size(), std::size(kLayouts));
    for (std::size_t i = 0; i < defs.size(); ++i) {
        RecordStore store(defs[i], dir.path());
        ASSERT_TRUE(store.open());
        const QString file = store.filePath();
        const QString name = QString::fromLatin1(kLayouts[i].store);
        EXPECT_EQ(defs[i].store, name);
        EXPECT_EQ(QFileInfo(file).fileName(), name + QStringLiteral(".sqlite"));
        EXPECT_EQ(sqlite3(file, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(name)),
            words(kLayouts[i].columns))
            << kLayouts[i].store;
        EXPECT_EQ(sqlite3(file,
                      QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = "
                                     "'%1' ORDER BY name")
                          .arg(name)),
            words(kLayouts[i].indexes))
            << kLayouts[i].store;
    }
}

TEST(TableLayout, TheSqliteToolReadsTheValuesAndTheKeyOrder)
{
    if (!QFileInfo::exists(kSqlite))
        GTEST_SKIP() << "no sqlite3 program";
    QTemporaryDir dir;
    BrewsTable brews(dir.path());
    ASSERT_TRUE(brews.open());
    ScriptedPrompter prompter;
    for (const char *kitName : { "stout", "Bitter", "amber", "  " }) {
        BrewRecord b;
        ASSERT_TRUE(brews.reserveNew(b, prompter).ok());
        b.BREWKIT = QString::fromLatin1(kitName);
        b.BREWCOST = dec("12.50");
        b.ESTIMATEDALC = dec("4.07");
        b.STOCKONHAND = QStringLiteral("1   ");
        ASSERT_TRUE(brews.update(b, prompter, WriteKind::CompleteInsert).ok());
    }
    const QString file = brews.store().filePath();
    EXPECT_EQ(sqlite3(file,
                  QStringLiteral("SELECT RECORDNUMBER, BATCHNUMBER, BREWCOST, ESTIMATEDALC, STOCKONHAND, "
                                 "length(BREWKIT) FROM BREWSV3 WHERE RECORDNUMBER = 1")),
        QStringList { QStringLiteral("1|1|12.5|4.07|1|5") });
    // The tool orders kits without regard to case and finds the blank one left out of the key.
    EXPECT_EQ(sqlite3(file,
                  QStringLiteral("SELECT BREWKIT FROM BREWSV3 INDEXED BY ByBrewKey WHERE BREWKIT <> '' "
                                 "ORDER BY BREWKIT")),
        (QStringList { QStringLiteral("amber"), QStringLiteral("Bitter"), QStringLiteral("stout") }));
    EXPECT_EQ(sqlite3(file, QStringLiteral("SELECT count(*) FROM BREWSV3 WHERE BREWKIT = ''")),
        QStringList { QStringLiteral("1") });
    EXPECT_EQ(sqlite3(file, QStringLiteral("PRAGMA integrity_check")), QStringList { QStringLiteral("ok") });
}

} // namespace
