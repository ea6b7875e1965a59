// The store file: creation, refusal of damaged and foreign files, schema versions,
// removal and backup.
#include "storefixture.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

using namespace storetest;

namespace
{

class StoreFile : public ::testing::Test
{
protected:
    QString path() const { return RecordStore::filePath(itemsDef(), m_dir.path()); }

    // Opening fails with the open-failure message and leaves the file's bytes as they were.
    void expectRefused(const QString &errorText, const char *what)
    {
        const QByteArray before = fileBytes(path());
        RecordStore store(itemsDef(), m_dir.path());
        ScriptedPrompter prompter;
        const Result r = store.open(prompter);
        EXPECT_FALSE(r.ok()) << what;
        EXPECT_FALSE(store.isOpen()) << what;
        const Message expected { QStringLiteral("File Error"),
            QStringLiteral("File ITEMS could not be opened.  Error: %1.").arg(errorText), MessageIcon::Error, {}, 1 };
        EXPECT_EQ(prompter.shown(), std::vector<Message> { expected }) << what;
        EXPECT_EQ(fileBytes(path()), before) << what;
        EXPECT_FALSE(QFileInfo::exists(path() + QStringLiteral("-journal"))) << what;
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

TEST_F(StoreFile, AMissingStoreIsCreatedEmptyAndKeepsWhatIsWritten)
{
    {
        RecordStore store(itemsDef(), m_dir.path());
        ASSERT_TRUE(store.open());
        EXPECT_TRUE(QFileInfo::exists(path()));
        EXPECT_EQ(*store.countAll(), 0);
        Row row = item(1, 1, QStringLiteral("kept"), 1);
        ASSERT_TRUE(store.insert(row, m_prompter).ok());
        // Opens are counted: the handle stays open until the last close.
        ASSERT_TRUE(store.open());
        store.close();
        EXPECT_TRUE(store.isOpen());
        store.close();
        EXPECT_FALSE(store.isOpen());
    }
    RecordStore again(itemsDef(), m_dir.path());
    ASSERT_TRUE(again.open());
    EXPECT_EQ(numbers(again.readPage(KeyNumber, Bound::edge(), Direction::Forward, 10)->rows),
        (std::vector<std::int64_t> { 1 }));
    EXPECT_EQ(sqlInt(path(), "PRAGMA user_version"), RecordStore::kSchemaVersion);
    // Nothing of the making of the store is left behind.
    EXPECT_EQ(QDir(m_dir.path()).entryList({ QStringLiteral("*.new-*") }, QDir::Files), QStringList());
}

TEST_F(StoreFile, AFileThatIsNotAStoreIsRefusedAndLeftUntouched)
{
    QByteArray random(4096, '\0');
    QRandomGenerator gen(7);
    for (char &c : random)
        c = char(gen.bounded(256));
    writeFile(path(), random);
    expectRefused(QStringLiteral("file is not a database"), "random bytes");

    writeFile(path(), QByteArrayLiteral("NUMBER,BATCH,NAME\n1,1,pear\n"));
    expectRefused(QStringLiteral("file is not a database"), "text file");

    writeFile(path(), QByteArray());
    expectRefused(QStringLiteral("file is not a database"), "empty file");

    QFile::remove(path());
    sql(path(), "CREATE TABLE other (a, b); INSERT INTO other VALUES (1, 2);");
    expectRefused(QStringLiteral("the file holds no ITEMS table"), "foreign SQLite file");

    QFile::remove(path());
    sql(path(), "CREATE TABLE ITEMS (NUMBER, NAME); PRAGMA user_version = 1;");
    expectRefused(QStringLiteral("the ITEMS table does not have the fields of this store"), "foreign columns");
}

TEST_F(StoreFile, ATruncatedStoreIsRefusedAndLeftUntouched)
{
    {
        RecordStore store(itemsDef(), m_dir.path());
        ASSERT_TRUE(store.open());
    }
    sql(path(),
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
        " INSERT INTO ITEMS (NUMBER, BATCH, NAME, SCORE, NOTE) SELECT i, i, 'name ' || i, i % 50,"
        " printf('%.40c', 'n') FROM n");
    const QByteArray whole = fileBytes(path());
    ASSERT_GT(whole.size(), 8 * 4096);
    writeFile(path(), whole.left(whole.size() / 2));
    expectRefused(QStringLiteral("database disk image is malformed"), "cut in half");
}

TEST_F(StoreFile, ANewerStoreIsRefusedAndLeftAsItIs)
{
    {
        RecordStore store(itemsDef(), m_dir.path());
        ASSERT_TRUE(store.open());
    }
    sql(path(), "PRAGMA user_version = 3");
    expectRefused(QStringLiteral("the store is of version 3; this program reads stores up to version 2"), "newer");
}

TEST_F(StoreFile, AnOlderStoreIsUpgradedAfterACopyIsKept)
{
    sql(path(), kVersion0);
    RecordStore store(itemsDef(), m_dir.path());
    ASSERT_TRUE(store.open(m_prompter));
    EXPECT_TRUE(m_prompter.shown().empty());

    const QString copy = QDir(m_dir.path()).filePath(QStringLiteral("ITEMS.v0.sqlite"));
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_EQ(sqlInt(copy, "PRAGMA user_version"), 0);
    EXPECT_EQ(sqlInt(copy, "SELECT COUNT(*) FROM ITEMS"), 3);
    EXPECT_EQ(sqlInt(copy, "SELECT COUNT(*) FROM pragma_table_info('ITEMS') WHERE name = 'revision'"), 0);

    EXPECT_EQ(sqlInt(path(), "PRAGMA user_version"), RecordStore::kSchemaVersion);
    Expected<Page> all = store.readPage(KeyNumber, Bound::edge(), Direction::Forward, 10);
    ASSERT_TRUE(all.ok());
    EXPECT_EQ(numbers(all->rows), (std::vector<std::int64_t> { 1, 2, 3 }));
    EXPECT_EQ(all->rows[0].values[NOTE], FieldValue(QStringLiteral("first")));
    EXPECT_EQ(all->rows[1].values[PRICE], FieldValue(dec("2.50")));
    // The keys exist now and the rows can be changed.
    EXPECT_EQ(numbers(store.readPage(KeyBatch, Bound::edge(), Direction::Forward, 10)->rows),
        (std::vector<std::int64_t> { 2, 1 }));
    Row first = all->rows[0];
    first.values[NAME] = QStringLiteral("changed");
    EXPECT_TRUE(store.update(first, m_prompter).ok());
    Row next = Row::blank(itemsDef());
    ASSERT_TRUE(store.reserve(next, m_prompter).ok());
    EXPECT_EQ(num(next), 4);
}

TEST_F(StoreFile, AnUpgradeThatCannotBeDoneLosesNothing)
{
    // Two rows with batch 5 cannot take the unique batch key.
    sql(path(), kVersion0);
    sql(path(), "UPDATE ITEMS SET BATCH = 5 WHERE NUMBER IN (1, 2)");
    RecordStore store(itemsDef(), m_dir.path());
    const Result r = store.open();
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().startsWith(QStringLiteral("the store could not be upgraded (")))
        << r.message().toStdString();
    EXPECT_EQ(sqlInt(path(), "PRAGMA user_version"), 0);
    EXPECT_EQ(sqlInt(path(), "SELECT COUNT(*) FROM ITEMS"), 3);
    EXPECT_TRUE(QFileInfo::exists(QDir(m_dir.path()).filePath(QStringLiteral("ITEMS.v0.sqlite"))));
}

TEST_F(StoreFile, RemovingTheStoreWaitsForEveryHandleToClose)
{
    RecordStore store(itemsDef(), m_dir.path());
    ASSERT_TRUE(store.open());
    Row row = item(0, 0, QStringLiteral("a"), 1);
    ASSERT_TRUE(store.insert(row, m_prompter).ok());
    ASSERT_TRUE(store.insert(row = item(0, 0, QStringLiteral("b"), 1), m_prompter).ok());

    const Result refused = RecordStore::removeStore(itemsDef(), m_dir.path());
    EXPECT_EQ(
        refused.message(), QStringLiteral("File ITEMS could not be removed.  Error: it is open in another window."));
    EXPECT_TRUE(QFileInfo::exists(path()));

    store.close();
    EXPECT_TRUE(RecordStore::removeStore(itemsDef(), m_dir.path()).ok());
    EXPECT_FALSE(QFileInfo::exists(path()));
    ASSERT_TRUE(store.open());
    EXPECT_EQ(*store.countAll(), 0);
    Row first = item(0, 0, QStringLiteral("again"), 1);
    ASSERT_TRUE(store.insert(first, m_prompter).ok());
    EXPECT_EQ(num(first), 1);
}

TEST_F(StoreFile, ABackupIsAStoreOfItsOwn)
{
    RecordStore store(itemsDef(), m_dir.path());
    ASSERT_TRUE(store.open());
    for (int i = 1; i <= 3; ++i) {
        Row row = item(i, i, QStringLiteral("r%1").arg(i), i);
        ASSERT_TRUE(store.insert(row, m_prompter).ok());
    }
    QTemporaryDir elsewhere;
    const QString target = RecordStore::filePath(itemsDef(), elsewhere.path());
    writeFile(target, QByteArrayLiteral("an older copy"));
    ASSERT_TRUE(store.backupTo(target).ok());
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral(".part")));

    RecordStore copy(itemsDef(), elsewhere.path());
    ASSERT_TRUE(copy.open());
    EXPECT_EQ(numbers(copy.readPage(KeyBatch, Bound::edge(), Direction::Forward, 10)->rows),
        (std::vector<std::int64_t> { 3, 2, 1 }));

    const Result bad = store.backupTo(QStringLiteral("/nonexistent-folder/ITEMS.sqlite"));
    EXPECT_FALSE(bad.ok());
    EXPECT_FALSE(bad.message().isEmpty());
}

} // namespace
