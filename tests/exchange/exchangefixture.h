#pragma once
// A temporary data folder with brews written at chosen record numbers, and the helpers the
// export and backup tests share.

#include "records/brewstable.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace exchangetest
{

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

inline BrewRecord brew(std::int32_t recordNumber, const char *kit = "Kit", std::int16_t batch = 0)
{
    BrewRecord b;
    b.RECORDNUMBER = recordNumber;
    b.BATCHNUMBER = batch;
    b.BREWKIT = QString::fromUtf8(kit);
    b.STOCKONHAND = QStringLiteral("1");
    return b;
}

inline void addBrews(const QString &folder, const std::vector<BrewRecord> &brews)
{
    BrewsTable table(folder);
    ScriptedPrompter prompter;
    ASSERT_TRUE(table.open(prompter));
    for (BrewRecord b : brews) {
        const StoreResult r = table.insert(b, prompter);
        ASSERT_TRUE(r.ok()) << r.message.text.toStdString();
    }
    table.close();
}

// `count` brews numbered from `first`, written in one statement (the store's own writes
// wait for the disk on every row).
inline void addManyBrews(const QString &folder, int first, int count, const char *kit = "Kit")
{
    {
        BrewsTable table(folder);
        ASSERT_TRUE(table.open());
    }
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(BrewsTable(folder).store().filePath().toUtf8().constData(), &db), SQLITE_OK);
    const QByteArray sql
        = QStringLiteral("WITH RECURSIVE n(i) AS (SELECT %1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                         "INSERT INTO BREWSV3 (RECORDNUMBER, BREWKIT, STOCKONHAND) "
                         "SELECT i, '%3', '1' FROM n")
              .arg(first)
              .arg(first + count - 1)
              .arg(QLatin1String(kit))
              .toUtf8();
    char *error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// While it lives, a file can grow to `bytes` at most; a write beyond fails with EFBIG (the
// program ignores the signal the limit would otherwise send), as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

// A folder nobody may write to: a read-only mount when running as root (who ignores the
// folder's permissions), else a folder without write permission. Empty when neither works.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path)
        : m_path(path)
    {
        if (geteuid() == 0) {
            m_mounted = ::mount("tmpfs", path.toLocal8Bit().constData(), "tmpfs", MS_RDONLY, "size=64k") == 0;
            m_ok = m_mounted;
        } else {
            m_ok = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount(m_path.toLocal8Bit().constData());
        else
            QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_mounted = false;
    bool m_ok = false;
};

} // namespace exchangetest
