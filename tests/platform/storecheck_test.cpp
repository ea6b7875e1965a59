// The command-line store check: one line per store, exit code, nothing repaired.
#include "platform/storecheck.h"
#include "storefixture.h"

#include <QDir>
#include <QFileInfo>

using namespace storetest;

namespace
{

TableDef otherDef()
{
    TableDef def;
    def.store = QStringLiteral("OTHER");
    def.prefix = QStringLiteral("OTH");
    def.fields = { FieldDef::longField(QStringLiteral("NUMBER")) };
    def.keys = { { QStringLiteral("KeyNumber"), { { 0, false } }, true, true, true } };
    return def;
}

std::pair<int, QStringList> check(const QString &folder)
{
    QString text;
    QTextStream out(&text);
    const int code = runStoreCheck({ itemsDef(), otherDef() }, folder, out);
    return { code, text.split(QLatin1Char('\n'), Qt::SkipEmptyParts) };
}

TEST(StoreCheck, ReportsEachStoreAndChangesNothing)
{
    QTemporaryDir dir;
    const QString items = RecordStore::filePath(itemsDef(), dir.path());
    using Lines = QStringList;

    EXPECT_EQ(check(dir.path()),
        std::pair(0,
            Lines { QStringLiteral("ITEMS: 0 rows, created empty"), QStringLiteral("OTHER: 0 rows, created empty") }));
    {
        RecordStore store(itemsDef(), dir.path());
        ASSERT_TRUE(store.open());
        ScriptedPrompter p;
        Row row = item(0, 0, QStringLiteral("a"), 1);
        ASSERT_TRUE(store.insert(row, p).ok());
    }
    EXPECT_EQ(check(dir.path()),
        std::pair(0, Lines { QStringLiteral("ITEMS: 1 rows, ok"), QStringLiteral("OTHER: 0 rows, ok") }));

    // An older store is reported, not upgraded: no copy, no new version.
    QFile::remove(items);
    sql(items, kVersion0);
    EXPECT_EQ(check(dir.path()),
        std::pair(0,
            Lines { QStringLiteral("ITEMS: 3 rows, version 0, upgraded when the program next opens it"),
                QStringLiteral("OTHER: 0 rows, ok") }));
    EXPECT_EQ(sqlInt(items, "PRAGMA user_version"), 0);
    EXPECT_EQ(QDir(dir.path()).entryList({ QStringLiteral("*.v0*") }), QStringList());

    writeFile(
        items, QByteArrayLiteral("not a store at all, just some text that is long enough to hold a header........"));
    const QByteArray before = fileBytes(items);
    EXPECT_EQ(check(dir.path()),
        std::pair(1,
            Lines { QStringLiteral("ITEMS: DAMAGED (file is not a database); left as it is"),
                QStringLiteral("OTHER: 0 rows, ok") }));
    EXPECT_EQ(fileBytes(items), before);

    const QString missing = dir.filePath(QStringLiteral("missing"));
    EXPECT_EQ(
        check(missing), std::pair(2, Lines { QStringLiteral("The data folder %1 does not exist.").arg(missing) }));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

} // namespace
