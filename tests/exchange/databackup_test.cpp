// Backups of the data files: fresh and repeated copies, consistent copies of a live store,
// and every kind of failure reported with its file and reason, old copies left intact.
#include "exchangefixture.h"

#include "exchange/databackup.h"
#include "exchange/exchangecommands.h"
#include "platform/recordstore.h"
#include "platform/storecheck.h"
#include "records/alltables.h"
#include "records/kitstable.h"

#include <QDir>
#include <QFileInfo>

using namespace exchangetest;

namespace
{

std::int64_t brewCount(const QString &folder)
{
    BrewsTable t(folder);
    if (!t.open())
        return -1;
    const Expected<std::int64_t> n = t.countAll();
    return n ? *n : -1;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

class Backup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addManyBrews(m_data.path(), 1, 3000);
        for (const TableDef &def : allTableDefinitions()) {
            RecordStore store(def, m_data.path());
            ASSERT_TRUE(store.open());
        }
        QFile ini(QDir(m_data.path()).filePath(QStringLiteral("Maltwright.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Defaults]\r\nTipFlag=1\r\n");
    }

    // Every copy checks out and holds every brew of the source.
    void expectGoodCopies(const QString &dest, std::int64_t brews)
    {
        QString report;
        QTextStream out(&report);
        EXPECT_EQ(runStoreCheck(allTableDefinitions(), dest, out), 0) << report.toStdString();
        EXPECT_EQ(brewCount(dest), brews);
        EXPECT_EQ(readAll(QDir(dest).filePath(QStringLiteral("Maltwright.ini"))), "[Defaults]\r\nTipFlag=1\r\n");
        for (const QString &f : filesIn(dest))
            EXPECT_FALSE(f.endsWith(QStringLiteral(".part")) || f.endsWith(QStringLiteral("-wal"))) << f.toStdString();
    }

    QTemporaryDir m_data;
    QTemporaryDir m_dest;
};

const QStringList kAllFiles { QStringLiteral("BRANDS4.sqlite"), QStringLiteral("BREWSV3.sqlite"),
    QStringLiteral("Maltwright.ini"), QStringLiteral("SHOPPING.sqlite"), QStringLiteral("W_LINK.sqlite") };

TEST_F(Backup, FreshCopyThenAgainOverTheOldOneWithAProgressThatOnlyRises)
{
    DataBackup backup(m_data.path());
    std::vector<int> progress;
    backup.setProgress([&](int p, const QString &) { progress.push_back(p); });
    DataBackup::Outcome o = backup.copyTo(m_dest.path());
    EXPECT_TRUE(o.ok());
    EXPECT_EQ(o.copied.size(), 5u);
    EXPECT_EQ(filesIn(m_dest.path()), kAllFiles);
    expectGoodCopies(m_dest.path(), 3000);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    for (int milestone : { 20, 35, 50, 65, 85, 100 })
        EXPECT_NE(std::find(progress.begin(), progress.end(), milestone), progress.end()) << milestone;

    // Brews added through an open handle sit in its write-ahead log, not yet in the file:
    // the copy holds them all the same.
    BrewsTable live(m_data.path());
    ASSERT_TRUE(live.open());
    addBrews(m_data.path(), { brew(5000), brew(5001) });
    o = backup.copyTo(m_dest.path());
    EXPECT_TRUE(o.ok());
    expectGoodCopies(m_dest.path(), 3002);
}

TEST_F(Backup, OnlyTheFilesThatExistAreCopied)
{
    QTemporaryDir fresh;
    {
        BrewsTable(fresh.path()).open();
    }
    {
        KitsTable(fresh.path()).open();
    }
    const DataBackup::Outcome o = DataBackup(fresh.path()).copyTo(m_dest.path());
    EXPECT_TRUE(o.ok());
    EXPECT_EQ(
        filesIn(m_dest.path()), (QStringList { QStringLiteral("BRANDS4.sqlite"), QStringLiteral("BREWSV3.sqlite") }));
}

TEST_F(Backup, FailuresNameTheFileAndTheReasonAndKeepTheOldCopies)
{
    DataBackup backup(m_data.path());
    ASSERT_TRUE(backup.copyTo(m_dest.path()).ok());
    addManyBrews(m_data.path(), 10000, 20000);

    // The medium fills while the Brews store is copied: the run stops there.
    {
        DataBackup::Outcome o;
        {
            FileSizeLimit limit(256 * 1024);
            o = backup.copyTo(m_dest.path());
        }
        EXPECT_TRUE(o.brewsFailed);
        ASSERT_EQ(o.failures.size(), 1u);
        EXPECT_EQ(o.failures[0].fileName, QStringLiteral("BREWSV3.sqlite"));
        EXPECT_TRUE(o.failures[0].reason.contains(QStringLiteral("File too large")))
            << o.failures[0].reason.toStdString();
        EXPECT_TRUE(o.copied.empty());
        expectGoodCopies(m_dest.path(), 3000);
    }
    // A later file that cannot be written: noted, and the rest is still copied.
    {
        ASSERT_TRUE(QDir(m_dest.path()).mkdir(QStringLiteral("BRANDS4.sqlite.part")));
        ASSERT_TRUE(QFile::copy(
            QStringLiteral("/dev/null"), QDir(m_dest.path()).filePath(QStringLiteral("BRANDS4.sqlite.part/x"))));
        const DataBackup::Outcome o = backup.copyTo(m_dest.path());
        EXPECT_FALSE(o.ok());
        EXPECT_FALSE(o.brewsFailed);
        ASSERT_EQ(o.failures.size(), 1u);
        EXPECT_EQ(o.failures[0].fileName, QStringLiteral("BRANDS4.sqlite"));
        EXPECT_EQ(o.failures[0].reason, QStringLiteral("Is a directory"));
        EXPECT_EQ(o.copied.size(), 4u);
        EXPECT_EQ(brewCount(m_dest.path()), 23000);
    }
    // A folder that does not exist, or cannot be written to.
    {
        const DataBackup::Outcome o = backup.copyTo(m_dest.filePath(QStringLiteral("missing")));
        ASSERT_EQ(o.failures.size(), 1u);
        EXPECT_EQ(o.failures[0].reason, QStringLiteral("No such file or directory"));
        EXPECT_TRUE(o.brewsFailed);
    }
    {
        const QString folder = m_dest.filePath(QStringLiteral("ro"));
        ASSERT_TRUE(QDir().mkpath(folder));
        ReadOnlyFolder readOnly(folder);
        if (!readOnly.ok())
            GTEST_SKIP() << "no read-only folder can be made here";
        const DataBackup::Outcome o = backup.copyTo(folder);
        ASSERT_EQ(o.failures.size(), 1u);
        EXPECT_TRUE(o.failures[0].reason == QStringLiteral("Read-only file system")
            || o.failures[0].reason == QStringLiteral("Permission denied"))
            << o.failures[0].reason.toStdString();
        EXPECT_TRUE(o.brewsFailed);
    }
    // Never onto the live files themselves.
    EXPECT_TRUE(backup.copyTo(m_data.path()).brewsFailed);
    EXPECT_EQ(brewCount(m_data.path()), 23000);
}

TEST_F(Backup, CommandCopiesAndReportsFailuresWithANonZeroCode)
{
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    EXPECT_EQ(runBackupCommand(m_data.path(), m_dest.path(), out, err), 0);
    expectGoodCopies(m_dest.path(), 3000);
    EXPECT_NE(runBackupCommand(m_data.path(), m_dest.filePath(QStringLiteral("missing")), out, err), 0);
    {
        FileSizeLimit limit(64 * 1024);
        EXPECT_NE(runBackupCommand(m_data.path(), m_dest.path(), out, err), 0);
    }
    err.flush();
    EXPECT_TRUE(errText.contains(QStringLiteral("BREWSV3.sqlite was not copied: "))) << errText.toStdString();
    expectGoodCopies(m_dest.path(), 3000);
}

} // namespace
