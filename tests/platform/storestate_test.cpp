// Stores in the states that crashes, other tools and older versions leave behind: each is
// recovered or refused with a clear reason, and no row is lost or written twice.
#include "storefixture.h"

#include "platform/storecheck.h"

#include <QDir>
#include <QFileInfo>

#include <sys/wait.h>
#include <unistd.h>

using namespace storetest;

namespace
{

class StoreState : public ::testing::Test
{
protected:
    QString path() const { return RecordStore::filePath(itemsDef(), m_dir.path()); }
    QString file(const char *name) const { return QDir(m_dir.path()).filePath(QString::fromLatin1(name)); }

    // A store of `rows` items numbered 1.., half of them flagged, closed again.
    void makeStore(int rows)
    {
        RecordStore store(itemsDef(), m_dir.path());
        ASSERT_TRUE(store.open());
        for (int i = 1; i <= rows; ++i) {
            Row r = item(
                i, i, QStringLiteral("n%1").arg(i), i % 50, "1.25", i % 2 ? QStringLiteral("1") : QStringLiteral("0"));
            ASSERT_TRUE(store.insert(r, m_prompter));
        }
    }

    StoreReport check() const { return checkStore(itemsDef(), m_dir.path()); }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

// A process that changes every row in one transaction and dies before it commits, with so
// small a cache that changed pages already reached the file: what a crash leaves.
void crashMidWrite(const QString &path)
{
    const pid_t child = fork();
    if (child == 0) {
        sqlite3 *db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db,
            "PRAGMA cache_size = 1; BEGIN; UPDATE ITEMS SET NAME = 'lost', NOTE = printf('%.40c', 'x');"
            " DELETE FROM ITEMS WHERE NUMBER > 100;",
            nullptr, nullptr, nullptr);
        _exit(0); // no commit, no close
    }
    int status = 0;
    waitpid(child, &status, 0);
}

TEST_F(StoreState, AWriteACrashInterruptedIsUndoneOnOpenAndByTheCheck)
{
    makeStore(300);
    sql(path(), "PRAGMA journal_mode = DELETE");
    for (bool throughCheck : { true, false }) {
        crashMidWrite(path());
        ASSERT_GT(QFileInfo(path() + QStringLiteral("-journal")).size(), 0) << "no hot journal was left";
        if (throughCheck) {
            const StoreReport report = check();
            EXPECT_EQ(
                report.line(), QStringLiteral("ITEMS: 300 rows, ok; a write that was interrupted has been undone"));
        } else {
            RecordStore store(itemsDef(), m_dir.path());
            ASSERT_TRUE(store.open(m_prompter)) << m_prompter.captions().join(QLatin1Char(',')).toStdString();
            EXPECT_EQ(*store.countAll(), 300);
            EXPECT_EQ(*store.count(ByName), 300);
            EXPECT_EQ(*store.count(ByName, Filter::equal(FLAG, QStringLiteral("1"))), 150);
        }
        EXPECT_EQ(sqlInt(path(), "SELECT COUNT(*) FROM ITEMS WHERE NAME = 'lost'"), 0);
        EXPECT_EQ(sqlInt(path(), "SELECT COUNT(*) FROM ITEMS"), 300);
        sql(path(), "PRAGMA journal_mode = DELETE");
    }
    EXPECT_EQ(check().line(), QStringLiteral("ITEMS: 300 rows, ok"));
}

TEST_F(StoreState, AnInterruptedCopyBeforeAnUpgradeIsNeverKeptAndCopiesNeverMultiply)
{
    sql(path(), kVersion0);
    // What a kill while the copy was written leaves: a part of a file.
    writeFile(file("ITEMS.v0.sqlite.part"), fileBytes(path()).left(1500));
    // An upgrade that fails after its copy is kept (two rows under batch 5), tried twice.
    sql(path(), "UPDATE ITEMS SET BATCH = 5 WHERE NUMBER IN (1, 2)");
    for (int attempt = 0; attempt < 2; ++attempt) {
        RecordStore store(itemsDef(), m_dir.path());
        EXPECT_FALSE(store.open());
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList({ QStringLiteral("ITEMS.v*") }, QDir::Files),
        QStringList { QStringLiteral("ITEMS.v0.sqlite") });
    sql(path(), "UPDATE ITEMS SET BATCH = 2 WHERE NUMBER = 2");
    RecordStore store(itemsDef(), m_dir.path());
    ASSERT_TRUE(store.open());
    // The store changed since the first copy, so its copy is kept beside that one.
    EXPECT_EQ(QDir(m_dir.path()).entryList({ QStringLiteral("ITEMS.v*") }, QDir::Files),
        (QStringList { QStringLiteral("ITEMS.v0-2.sqlite"), QStringLiteral("ITEMS.v0.sqlite") }));
    EXPECT_EQ(sqlInt(file("ITEMS.v0-2.sqlite"), "SELECT COUNT(*) FROM ITEMS WHERE BATCH = 2"), 1);
    EXPECT_EQ(sqlInt(file("ITEMS.v0.sqlite"), "SELECT COUNT(*) FROM ITEMS"), 3);
    EXPECT_EQ(*store.countAll(), 3);
}

TEST_F(StoreState, AStoreWhoseKeyDiffersIsRefusedUntouched)
{
    makeStore(5);
    struct Case {
        const char *sql;
        const char *problem;
    };
    const Case cases[] = {
        { "DROP INDEX KeyNumber; CREATE INDEX KeyNumber ON ITEMS (NUMBER) WHERE NUMBER <> 0;"
          "INSERT INTO ITEMS (NUMBER, BATCH, NAME) VALUES (3, 0, 'second three')",
            "the index of the key ITM:KeyNumber is not the one this program keeps" },
        { "DROP INDEX ByScore; CREATE INDEX ByScore ON ITEMS (SCORE, NUMBER) WHERE SCORE <> 0",
            "the index of the key ITM:ByScore is not the one this program keeps" },
        { "DROP INDEX ByName; CREATE INDEX ByName ON ITEMS (NAME, NUMBER)",
            "the index of the key ITM:ByName is not the one this program keeps" },
        { "CREATE UNIQUE INDEX extra ON ITEMS (NAME)", "the store has a unique index extra" },
        { "DROP TRIGGER ITEMS_count_delete", "the row counts of the store are not kept" },
    };
    const QByteArray good = fileBytes(path());
    for (const Case &c : cases) {
        writeFile(path(), good);
        sql(path(), c.sql);
        const QByteArray before = fileBytes(path());
        RecordStore store(itemsDef(), m_dir.path());
        const Result r = store.open();
        EXPECT_FALSE(r.ok()) << c.sql;
        EXPECT_TRUE(r.message().startsWith(QString::fromLatin1(c.problem)))
            << r.message().toStdString() << " / " << c.sql;
        const StoreReport report = check();
        EXPECT_EQ(report.state, StoreReport::State::Damaged) << c.sql;
        EXPECT_TRUE(report.problem.startsWith(QString::fromLatin1(c.problem))) << report.problem.toStdString();
        EXPECT_EQ(fileBytes(path()), before) << c.sql;
    }
}

TEST_F(StoreState, AWriteThatWouldMeetOtherThanOneRowIsRefusedAndUndone)
{
    makeStore(5);
    RecordStore store(itemsDef(), m_dir.path());
    ASSERT_TRUE(store.open());
    Row three = **store.fetch(KeyNumber, { std::int64_t(3) });
    // Another tool takes the uniqueness off the key while the store is open.
    sql(path(),
        "DROP INDEX KeyNumber; CREATE INDEX KeyNumber ON ITEMS (NUMBER) WHERE NUMBER <> 0;"
        "INSERT INTO ITEMS (NUMBER, BATCH, NAME, revision) SELECT NUMBER, 0, 'twin', revision FROM ITEMS WHERE "
        "NUMBER = 3");
    three.values[NAME] = QStringLiteral("changed");
    three.values[BATCH] = std::int64_t(0);
    const StoreResult updated = store.update(three, m_prompter);
    EXPECT_EQ(updated.status, StoreStatus::Failed) << updated.message.text.toStdString();
    EXPECT_TRUE(updated.message.text.contains(QStringLiteral("would have changed 2 rows instead of one")))
        << updated.message.text.toStdString();
    const StoreResult removed = store.remove(three, m_prompter);
    EXPECT_EQ(removed.status, StoreStatus::Failed);
    EXPECT_EQ(sqlInt(path(), "SELECT COUNT(*) FROM ITEMS WHERE NUMBER = 3"), 2);
    EXPECT_EQ(sqlInt(path(), "SELECT COUNT(*) FROM ITEMS WHERE NAME = 'changed'"), 0);
}

TEST_F(StoreState, CountsKeptByTheStoreFollowEveryWriteAlsoOfOtherTools)
{
    makeStore(40);
    RecordStore store(itemsDef(), m_dir.path());
    ASSERT_TRUE(store.open());
    Row one = **store.fetch(KeyNumber, { std::int64_t(1) });
    one.values[FLAG] = QStringLiteral("0");
    one.values[SCORE] = std::int64_t(0);
    ASSERT_TRUE(store.update(one, m_prompter));
    Row two = **store.fetch(KeyNumber, { std::int64_t(2) });
    ASSERT_TRUE(store.remove(two, m_prompter));
    sql(path(),
        "UPDATE ITEMS SET FLAG = '1' WHERE NUMBER BETWEEN 10 AND 19; DELETE FROM ITEMS WHERE NUMBER > 35;"
        "UPDATE ITEMS SET NAME = '' WHERE NUMBER = 4");
    const Filter flagged = Filter::equal(FLAG, QStringLiteral("1"));
    for (int key : { KeyNumber, KeyBatch, ByName, ByScore, ByPrice }) {
        for (const Filter &filter : { Filter {}, flagged }) {
            std::int64_t read = 0;
            Bound from = Bound::edge();
            for (;;) {
                Page page = *store.readPage(key, from, Direction::Forward, 7, filter);
                read += std::int64_t(page.rows.size());
                if (page.atEnd)
                    break;
                from = Bound::after(store.cursorOf(key, page.rows.back()));
            }
            EXPECT_EQ(*store.count(key, filter), read) << key << " filtered " << !filter.isEmpty();
        }
    }
    EXPECT_EQ(check().state, StoreReport::State::Ok);
}

} // namespace
