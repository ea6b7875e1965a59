#include "exchange/databackup.h"

#include "records/brewstable.h"
#include "records/kitstable.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace
{

// Pages copied per step: small enough that the progress moves often on a slow medium.
constexpr int kStepPages = 256;

QString partPath(const QString &target) { return target + QStringLiteral(".part"); }

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// The reason SQLite gives, with the system's own where it has one ("disk I/O error: File too large").
QString sqliteReason(sqlite3 *db, int rc)
{
    QString text = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    const int sys = db ? sqlite3_system_errno(db) : 0;
    if (sys != 0) {
        const QString s = systemError(sys);
        if (!text.contains(s))
            text += QStringLiteral(": ") + s;
    }
    return text;
}

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Puts the finished copy in place of the old one. A stale journal beside an old copy would
// be read with the new file, so it goes first.
Result putInPlace(const QString &part, const QString &target)
{
    for (const char *suffix : { "-wal", "-shm", "-journal" })
        QFile::remove(target + QLatin1String(suffix));
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        const int e = errno;
        QFile::remove(part);
        return Result::failure(systemError(e));
    }
    syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    return Result::success();
}

// The part file is made first with plain file calls, so a folder that cannot be written
// gives the system's reason ("Permission denied", "Read-only file system").
Result makePart(const QString &part)
{
    QFile::remove(part);
    const int fd = ::open(QFile::encodeName(part).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return Result::failure(systemError(errno));
    ::close(fd);
    return Result::success();
}

} // namespace

const std::vector<DataBackup::Item> &DataBackup::items()
{
    static const std::vector<Item> list {
        { BrewsTable::definition().store + QStringLiteral(".sqlite"), true, { 20 } },
        { KitsTable::definition().store + QStringLiteral(".sqlite"), true, { 35, 50 } },
        { WebLinksTable::definition().store + QStringLiteral(".sqlite"), true, { 65 } },
        { ShoppingTable::definition().store + QStringLiteral(".sqlite"), true, { 85 } },
        { QStringLiteral("Maltwright.ini"), false, { 100 } },
    };
    return list;
}

DataBackup::DataBackup(QString dataFolder)
    : m_folder(std::move(dataFolder))
{
}

Result DataBackup::copyStore(
    const QString &source, const QString &target, const std::function<void(int done, int total)> &pages)
{
    const QString part = partPath(target);
    if (Result r = makePart(part); !r)
        return r;
    sqlite3 *from = nullptr;
    sqlite3 *to = nullptr;
    QString reason;
    int rc = sqlite3_open_v2(QFile::encodeName(source).constData(), &from, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        reason = sqliteReason(from, rc);
    } else {
        sqlite3_busy_timeout(from, 10000);
        rc = sqlite3_open_v2(QFile::encodeName(part).constData(), &to, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK)
            reason = sqliteReason(to, rc);
    }
    if (rc == SQLITE_OK) {
        sqlite3_backup *b = sqlite3_backup_init(to, "main", from, "main");
        if (!b) {
            rc = sqlite3_errcode(to);
            reason = sqliteReason(to, rc);
        } else {
            do {
                rc = sqlite3_backup_step(b, kStepPages);
                if (pages)
                    pages(sqlite3_backup_pagecount(b) - sqlite3_backup_remaining(b), sqlite3_backup_pagecount(b));
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                    sqlite3_sleep(20);
            } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
            sqlite3_backup_finish(b);
            if (rc == SQLITE_DONE) {
                rc = sqlite3_errcode(to);
                if (rc != SQLITE_OK)
                    reason = sqliteReason(to, rc);
            } else {
                reason = sqliteReason(to, rc);
                if (reason.isEmpty() || rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT)
                    reason = sqliteReason(from, rc);
            }
        }
        // The copy stands alone: no write-ahead log beside it.
        if (rc == SQLITE_OK && sqlite3_exec(to, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr) != SQLITE_OK) {
            rc = sqlite3_errcode(to);
            reason = sqliteReason(to, rc);
        }
    }
    if (to && sqlite3_close(to) != SQLITE_OK && rc == SQLITE_OK) {
        rc = SQLITE_ERROR;
        reason = QStringLiteral("the copy could not be closed");
    }
    sqlite3_close(from);
    if (rc == SQLITE_OK && !syncPath(part, O_RDONLY)) {
        rc = SQLITE_IOERR;
        reason = systemError(errno);
    }
    if (rc != SQLITE_OK) {
        QFile::remove(part);
        for (const char *suffix : { "-wal", "-shm", "-journal" })
            QFile::remove(part + QLatin1String(suffix));
        return Result::failure(reason);
    }
    return putInPlace(part, target);
}

Result DataBackup::copyFile(const QString &source, const QString &target)
{
    const QString part = partPath(target);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Result::failure(in.errorString());
    if (Result r = makePart(part); !r)
        return r;
    const int fd = ::open(QFile::encodeName(part).constData(), O_WRONLY | O_TRUNC);
    if (fd < 0)
        return Result::failure(systemError(errno));
    QString reason;
    while (reason.isEmpty() && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            reason = in.errorString();
            break;
        }
        qsizetype at = 0;
        while (at < chunk.size()) {
            const ssize_t n = ::write(fd, chunk.constData() + at, std::size_t(chunk.size() - at));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                reason = systemError(errno);
                break;
            }
            at += n;
        }
    }
    if (reason.isEmpty() && ::fsync(fd) != 0)
        reason = systemError(errno);
    if (::close(fd) != 0 && reason.isEmpty())
        reason = systemError(errno);
    if (!reason.isEmpty()) {
        QFile::remove(part);
        return Result::failure(reason);
    }
    return putInPlace(part, target);
}

DataBackup::Outcome DataBackup::copyTo(const QString &destFolder)
{
    Outcome out;
    const QDir source(m_folder);
    const QDir dest(destFolder);
    // Copying onto the files themselves would put a copy in place of the live store.
    if (dest.canonicalPath() == source.canonicalPath()) {
        out.failures.push_back(
            { items().front().fileName, QStringLiteral("the destination is the data folder itself") });
        out.brewsFailed = true;
        return out;
    }
    int before = 0;
    for (const Item &item : items()) {
        const QString from = source.filePath(item.fileName);
        const int after = item.progressAfter.front();
        if (QFileInfo::exists(from)) {
            if (m_progress)
                m_progress(before, item.fileName);
            Result r = item.isStore ? copyStore(from, dest.filePath(item.fileName),
                           [&](int done, int total) {
                               if (m_progress && total > 0)
                                   m_progress(before + (after - before) * done / total, item.fileName);
                           })
                                    : copyFile(from, dest.filePath(item.fileName));
            if (r) {
                out.copied.push_back(item.fileName);
            } else {
                out.failures.push_back({ item.fileName, r.message() });
                if (&item == &items().front()) {
                    out.brewsFailed = true;
                    return out;
                }
            }
        }
        for (int p : item.progressAfter)
            if (m_progress)
                m_progress(p, item.fileName);
        before = item.progressAfter.back();
    }
    return out;
}
