#include "platform/recordstoreschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QUrl>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <unistd.h>

namespace storeschema
{

namespace
{

bool isText(const FieldDef &f) { return f.type == FieldType::String || f.type == FieldType::Memo; }

bool inSomeKey(const TableDef &def, int field)
{
    for (const KeyDef &k : def.keys)
        for (const KeyComponent &c : k.components)
            if (c.field == field)
                return true;
    return false;
}

QString column(const TableDef &def, int field) { return quoted(def.fields[field].name); }

QString sqliteError(sqlite3 *db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

Result exec(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) == SQLITE_OK)
        return Result::success();
    const QString text = err ? QString::fromUtf8(err) : sqliteError(db);
    sqlite3_free(err);
    return Result::failure(text);
}

Expected<std::int64_t> queryInt(sqlite3 *db, const QString &sql)
{
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK) {
        const QString text = sqliteError(db);
        sqlite3_finalize(s);
        return Expected<std::int64_t>::failure(text);
    }
    const int rc = sqlite3_step(s);
    const std::int64_t v = rc == SQLITE_ROW ? sqlite3_column_int64(s, 0) : 0;
    const QString text = sqliteError(db);
    sqlite3_finalize(s);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        return Expected<std::int64_t>::failure(text);
    return v;
}

Expected<QStringList> queryTexts(sqlite3 *db, const QString &sql, int col)
{
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK) {
        const QString text = sqliteError(db);
        sqlite3_finalize(s);
        return Expected<QStringList>::failure(text);
    }
    QStringList out;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, col)));
    const QString text = sqliteError(db);
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE)
        return Expected<QStringList>::failure(text);
    return out;
}

std::mutex g_createMutex;

QString trimmedRight(const QString &s)
{
    int n = int(s.size());
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

Decimal pow10(int n)
{
    Decimal d(1);
    for (int i = 0; i < n; ++i)
        d *= Decimal(10);
    return d;
}

Message rangeMessage(const QString &field, const QString &range)
{
    return { QStringLiteral("Range Error"), QStringLiteral("The value of %1 must be in range %2.").arg(field, range),
        MessageIcon::Information, {}, 1 };
}

Message valueMessage(const QString &text)
{
    return { QStringLiteral("Value Error"), text, MessageIcon::Information, {}, 1 };
}

} // namespace

QString quoted(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString columnType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Real:
        return QStringLiteral("REAL");
    case FieldType::Decimal:
        return QStringLiteral("DECIMAL(%1,%2)").arg(field.width).arg(field.places);
    case FieldType::String:
        return QStringLiteral("VARCHAR(%1)").arg(field.width);
    case FieldType::Memo:
        return QStringLiteral("TEXT");
    default:
        return QStringLiteral("INTEGER");
    }
}

QString keyIndexSql(const TableDef &def, int key)
{
    const KeyDef &k = def.keys[key];
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4) WHERE %5")
        .arg(k.unique ? QStringLiteral("UNIQUE ") : QString(), quoted(k.name), quoted(def.store),
            orderBy(def, orderParts(def, key)), exclusion(def, key));
}

QString subsetIndexName(const TableDef &def, int key, int subset)
{
    return def.keys[key].name + QLatin1Char('_') + def.subsets[subset].name;
}

QString subsetIndexSql(const TableDef &def, int key, int subset)
{
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3) WHERE %4 AND %5")
        .arg(quoted(subsetIndexName(def, key, subset)), quoted(def.store), orderBy(def, orderParts(def, key)),
            exclusion(def, key), subsetCondition(def, subset));
}

QStringList indexSql(const TableDef &def)
{
    QStringList out;
    for (std::size_t k = 0; k < def.keys.size(); ++k)
        out << keyIndexSql(def, int(k));
    return out;
}

QString subsetCondition(const TableDef &def, int subset, const QString &row)
{
    const SubsetDef &s = def.subsets[subset];
    QString value = s.value;
    value.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("%1%2 = '%3'")
        .arg(row.isEmpty() ? QString() : row + QLatin1Char('.'), column(def, s.field), value);
}

int subsetOf(const TableDef &def, const Filter::Condition &condition)
{
    if (condition.compare != Filter::Compare::Equal)
        return -1;
    for (std::size_t i = 0; i < def.subsets.size(); ++i)
        if (def.subsets[i].field == condition.field && plainText(condition.value) == def.subsets[i].value)
            return int(i);
    return -1;
}

QString countName(const TableDef &def, int key, int subset)
{
    return subset < 0 ? def.keys[key].name : subsetIndexName(def, key, subset);
}

namespace
{

// Each count with the condition that puts a row into it, on the row `row` of a trigger.
std::vector<std::pair<QString, QString>> countConditions(const TableDef &def, const QString &row)
{
    std::vector<std::pair<QString, QString>> out;
    for (std::size_t k = 0; k < def.keys.size(); ++k) {
        out.emplace_back(countName(def, int(k)), keyCondition(def, int(k), row));
        for (std::size_t s = 0; s < def.subsets.size(); ++s)
            out.emplace_back(countName(def, int(k), int(s)),
                keyCondition(def, int(k), row) + QStringLiteral(" AND ") + subsetCondition(def, int(s), row));
    }
    return out;
}

} // namespace

QStringList countsSql(const TableDef &def)
{
    QStringList cols, firstRow;
    for (const auto &[name, condition] : countConditions(def, QString())) {
        cols << QStringLiteral("%1 INTEGER NOT NULL").arg(quoted(name));
        firstRow << QStringLiteral("(SELECT COUNT(*) FROM %1 WHERE %2)").arg(quoted(def.store), condition);
    }
    QStringList out;
    out << QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(kCountsTable), cols.join(QStringLiteral(", ")));
    out << QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(quoted(kCountsTable), firstRow.join(QStringLiteral(", ")));
    out << triggerSql(def);
    return out;
}

QStringList triggerSql(const TableDef &def)
{
    // A condition gives 1 or 0 through IS 1, also where a value another tool wrote is NULL.
    auto sets = [&](bool withNew, bool withOld) {
        const auto added = countConditions(def, QStringLiteral("NEW"));
        const auto removed = countConditions(def, QStringLiteral("OLD"));
        QStringList out;
        for (std::size_t i = 0; i < added.size(); ++i) {
            QString change;
            if (withNew)
                change += QStringLiteral(" + ((%1) IS 1)").arg(added[i].second);
            if (withOld)
                change += QStringLiteral(" - ((%1) IS 1)").arg(removed[i].second);
            out << QStringLiteral("%1 = %1%2").arg(quoted(added[i].first), change);
        }
        return out.join(QStringLiteral(", "));
    };
    // An update that leaves every key field and subset field alone leaves the counts alone.
    QStringList watched;
    auto watch = [&](int field) {
        const QString c = column(def, field);
        if (!watched.contains(c))
            watched << c;
    };
    for (const KeyDef &k : def.keys)
        for (const KeyComponent &c : k.components)
            watch(c.field);
    for (const SubsetDef &s : def.subsets)
        watch(s.field);
    const QString table = quoted(def.store);
    const QString counts = quoted(kCountsTable);
    return {
        QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON %2 BEGIN UPDATE %3 SET %4; END")
            .arg(quoted(def.store + QStringLiteral("_count_insert")), table, counts, sets(true, false)),
        QStringLiteral("CREATE TRIGGER %1 AFTER DELETE ON %2 BEGIN UPDATE %3 SET %4; END")
            .arg(quoted(def.store + QStringLiteral("_count_delete")), table, counts, sets(false, true)),
        QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE OF %2 ON %3 BEGIN UPDATE %4 SET %5; END")
            .arg(quoted(def.store + QStringLiteral("_count_update")), watched.join(QStringLiteral(", ")), table, counts,
                sets(true, true)),
    };
}

QStringList schemaSql(const TableDef &def)
{
    QStringList cols;
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef &f = def.fields[i];
        cols << QStringLiteral("%1 %2%3 NOT NULL DEFAULT %4")
                    .arg(quoted(f.name), columnType(f),
                        isText(f) && inSomeKey(def, int(i)) ? QStringLiteral(" COLLATE NOCASE") : QString(),
                        isText(f) ? QStringLiteral("''") : QStringLiteral("0"));
    }
    cols << QStringLiteral("%1 INTEGER NOT NULL DEFAULT 1").arg(quoted(kRevisionColumn));
    QStringList out;
    out << QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(def.store), cols.join(QStringLiteral(", ")));
    out << QStringLiteral("CREATE TABLE %1 (\"last\" INTEGER NOT NULL)").arg(quoted(kRevisionTable));
    out << QStringLiteral("INSERT INTO %1 VALUES (1)").arg(quoted(kRevisionTable));
    out << indexSql(def);
    for (std::size_t s = 0; s < def.subsets.size(); ++s)
        for (std::size_t k = 0; k < def.keys.size(); ++k)
            out << subsetIndexSql(def, int(k), int(s));
    out << countsSql(def);
    out << QStringLiteral("PRAGMA user_version = %1").arg(RecordStore::kSchemaVersion);
    return out;
}

QStringList expectedColumns(const TableDef &def, int version)
{
    QStringList out;
    for (const FieldDef &f : def.fields)
        out << f.name;
    if (version >= 1)
        out << kRevisionColumn;
    return out;
}

void configure(sqlite3 *db)
{
    sqlite3_busy_timeout(db, 10000);
    // synchronous=FULL: every commit is on the disk before it is reported done (the store
    // runs in WAL mode, set once the file is known good, so a window reading never waits
    // for another writing).
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
}

Result createStore(const TableDef &def, const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return Result::failure(QStringLiteral("the folder %1 does not exist").arg(info.absolutePath()));
    // Built under another name and renamed into place once complete, so a crash never leaves
    // a half-made store that the next start would take for a damaged one.
    std::lock_guard lock(g_createMutex);
    if (QFileInfo::exists(path))
        return Result::success();
    static std::atomic<int> serial { 0 };
    const QString temp = QStringLiteral("%1.new-%2-%3").arg(path).arg(QCoreApplication::applicationPid()).arg(++serial);
    QFile::remove(temp);
    sqlite3 *db = nullptr;
    Result r;
    if (sqlite3_open_v2(temp.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        r = Result::failure(sqliteError(db));
    } else {
        sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
        r = exec(db, QStringLiteral("BEGIN"));
        for (const QString &sql : schemaSql(def))
            if (r)
                r = exec(db, sql);
        if (r)
            r = exec(db, QStringLiteral("COMMIT"));
    }
    sqlite3_close(db);
    if (r) {
        // Journal files without their store belong to nothing; left there, SQLite would
        // take them for the new store's.
        for (const QString &suffix : { QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal") })
            QFile::remove(path + suffix);
        if (!QFile::rename(temp, path) && !QFileInfo::exists(path))
            r = Result::failure(QStringLiteral("the file cannot be created in %1").arg(info.absolutePath()));
    }
    QFile::remove(temp);
    QFile::remove(temp + QStringLiteral("-journal"));
    return r;
}

namespace
{

// Statement text compared as SQLite keeps it, blind to spacing, quoting and case.
QString normalised(QString sql)
{
    sql.remove(QLatin1Char('"'));
    return sql.simplified().toLower();
}

// What the store holds of each named object of one type: name (lower case) -> its SQL.
Expected<std::map<QString, QString>> objects(sqlite3 *db, const char *type, const QString &table)
{
    sqlite3_stmt *s = nullptr;
    const QByteArray q = QStringLiteral("SELECT name, coalesce(sql, '') FROM sqlite_master WHERE type = '%1' AND "
                                        "tbl_name = '%2' COLLATE NOCASE")
                             .arg(QLatin1String(type), table)
                             .toUtf8();
    if (sqlite3_prepare_v2(db, q.constData(), -1, &s, nullptr) != SQLITE_OK) {
        const QString text = sqliteError(db);
        sqlite3_finalize(s);
        return Expected<std::map<QString, QString>>::failure(text);
    }
    std::map<QString, QString> out;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        out[QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0))).toLower()]
            = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1)));
    const QString text = sqliteError(db);
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE)
        return Expected<std::map<QString, QString>>::failure(text);
    return out;
}

} // namespace

Expected<int> inspectSchema(const TableDef &def, sqlite3 *db)
{
    Expected<std::int64_t> version = queryInt(db, QStringLiteral("PRAGMA user_version"));
    if (!version)
        return version.result();
    if (*version > RecordStore::kSchemaVersion)
        return Expected<int>::failure(
            QStringLiteral("the store is of version %1; this program reads stores up to version %2")
                .arg(*version)
                .arg(RecordStore::kSchemaVersion));
    if (*version < 0)
        return Expected<int>::failure(QStringLiteral("the store has an unknown version (%1)").arg(*version));
    Expected<QStringList> cols
        = queryTexts(db, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(def.store), 0);
    if (!cols)
        return cols.result();
    if (cols->isEmpty())
        return Expected<int>::failure(QStringLiteral("the file holds no %1 table").arg(def.store));
    const QStringList expected = expectedColumns(def, int(*version));
    if (cols->join(QLatin1Char(',')).compare(expected.join(QLatin1Char(',')), Qt::CaseInsensitive) != 0)
        return Expected<int>::failure(
            QStringLiteral("the %1 table does not have the fields of this store").arg(def.store));
    if (*version >= 1) {
        Expected<std::int64_t> counter
            = queryInt(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(kRevisionTable)));
        if (!counter || *counter != 1)
            return Expected<int>::failure(QStringLiteral("the revision counter of the store is missing"));
        Expected<std::map<QString, QString>> indexes = objects(db, "index", def.store);
        if (!indexes)
            return indexes.result();
        // Each key exactly as this program makes it: its fields, their order and direction,
        // its uniqueness and the condition that leaves out blank and zero. A key that differs
        // would let a write break the table's rules (two brews under one record number).
        std::map<QString, std::pair<QString, QString>> wanted; // lower-case name -> name, SQL
        for (std::size_t k = 0; k < def.keys.size(); ++k)
            wanted[def.keys[k].name.toLower()] = { def.keys[k].name, keyIndexSql(def, int(k)) };
        if (*version >= 2)
            for (std::size_t sub = 0; sub < def.subsets.size(); ++sub)
                for (std::size_t k = 0; k < def.keys.size(); ++k) {
                    const QString name = subsetIndexName(def, int(k), int(sub));
                    wanted[name.toLower()] = { name, subsetIndexSql(def, int(k), int(sub)) };
                }
        for (const auto &[lower, named] : wanted) {
            const auto found = indexes->find(lower);
            if (found == indexes->end())
                return Expected<int>::failure(
                    QStringLiteral("the key %1 has no index").arg(def.qualified(named.first)));
            if (normalised(found->second) != normalised(named.second))
                return Expected<int>::failure(
                    QStringLiteral("the index of the key %1 is not the one this program keeps (%2)")
                        .arg(def.qualified(named.first), found->second));
        }
        // Another unique index (or a column declared unique) would refuse writes the table allows.
        for (const auto &[name, sql] : *indexes)
            if (!wanted.count(name)
                && (name.startsWith(QStringLiteral("sqlite_autoindex"))
                    || normalised(sql).startsWith(QStringLiteral("create unique"))))
                return Expected<int>::failure(
                    QStringLiteral("the store has a unique index %1 that this program does not keep").arg(name));
        if (*version >= 2) {
            Expected<QStringList> countCols
                = queryTexts(db, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(kCountsTable), 0);
            QStringList wantedCounts;
            for (std::size_t k = 0; k < def.keys.size(); ++k) {
                wantedCounts << countName(def, int(k));
                for (std::size_t sub = 0; sub < def.subsets.size(); ++sub)
                    wantedCounts << countName(def, int(k), int(sub));
            }
            Expected<std::int64_t> countRows
                = queryInt(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(kCountsTable)));
            if (!countCols || !countRows || *countRows != 1
                || countCols->join(QLatin1Char(',')).compare(wantedCounts.join(QLatin1Char(',')), Qt::CaseInsensitive)
                    != 0)
                return Expected<int>::failure(QStringLiteral("the row counts of the store are missing"));
            Expected<std::map<QString, QString>> triggers = objects(db, "trigger", def.store);
            if (!triggers)
                return triggers.result();
            const QStringList wantedTriggers = triggerSql(def);
            QStringList have;
            for (const auto &[name, sql] : *triggers)
                have << normalised(sql);
            for (const QString &sql : wantedTriggers)
                if (!have.contains(normalised(sql)))
                    return Expected<int>::failure(QStringLiteral("the row counts of the store are not kept"));
        }
        // Read both ends of the table: cheap whatever the size, and it meets the pages a
        // cut-off file has lost. (SQLite itself refuses a file shorter than its header says.)
        for (const char *order : { "ASC", "DESC" }) {
            Expected<std::int64_t> probe = queryInt(db,
                QStringLiteral("SELECT COUNT(*) FROM (SELECT * FROM %1 ORDER BY rowid %2 LIMIT 1)")
                    .arg(quoted(def.store), QLatin1String(order)));
            if (!probe)
                return probe.result();
        }
    }
    return int(*version);
}

namespace
{

bool hasContent(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.size() > 0;
}

bool writable(const QString &path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }

} // namespace

QString failureText(sqlite3 *db, const QString &path)
{
    const int code = sqlite3_extended_errcode(db) & 0xff;
    const int sys = sqlite3_system_errno(db);
    const QString folder = QFileInfo(path).absolutePath();
    if (code == SQLITE_FULL || sys == ENOSPC || sys == EFBIG || sys == EDQUOT)
        return QStringLiteral("The disk is full");
    if (code == SQLITE_READONLY || code == SQLITE_CANTOPEN || code == SQLITE_PERM || code == SQLITE_IOERR) {
        if (!writable(folder))
            return QStringLiteral("The data folder is read-only");
        if (QFileInfo::exists(path) && !writable(path))
            return QStringLiteral("The store file is read-only");
        const QStorageInfo disk(folder);
        if (disk.isValid() && disk.bytesAvailable() < 64 * 1024)
            return QStringLiteral("The disk is full");
        if (disk.isValid() && disk.isReadOnly())
            return QStringLiteral("The data folder is read-only");
    }
    return QString::fromUtf8(sqlite3_errmsg(db));
}

Expected<OpenedFile> openStoreFile(const TableDef &def, const QString &path)
{
    using Out = Expected<OpenedFile>;
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return Out::failure(f.errorString());
        const QByteArray head = f.read(100);
        if (head.size() < 100 || !head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
            return Out::failure(QStringLiteral("file is not a database"));
    }
    const QString journal = path + QStringLiteral("-journal");
    const bool hotJournal = hasContent(journal);
    const bool walContent = hasContent(path + QStringLiteral("-wal"));

    // Opened for writing but only read until the schema is known to be this table's. The
    // first read undoes a write that a crash interrupted (a hot journal) and takes in the
    // committed writes of a write-ahead log: SQLite's own recovery, which a read-only
    // connection cannot do.
    OpenedFile out;
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(
        QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    QString why;
    if (rc == SQLITE_OK) {
        configure(db);
        Expected<int> version = inspectSchema(def, db);
        if (version) {
            out.db = db;
            out.version = *version;
            out.recovered = hotJournal && !hasContent(journal);
            if (sqlite3_db_readonly(db, "main") == 1)
                out.readOnly = writable(QFileInfo(path).absolutePath())
                    ? QStringLiteral("The store file is read-only")
                    : QStringLiteral("The data folder is read-only");
            return out;
        }
        const int code = sqlite3_extended_errcode(db) & 0xff;
        const bool cannotWrite = code == SQLITE_READONLY || code == SQLITE_CANTOPEN || code == SQLITE_IOERR
            || code == SQLITE_FULL || code == SQLITE_PERM;
        if (!cannotWrite) {
            sqlite3_close(db);
            return version.result();
        }
        why = failureText(db, path);
    } else {
        why = failureText(db, path);
    }
    sqlite3_close(db);
    db = nullptr;
    if (hotJournal)
        return Out::failure(QStringLiteral("%1, so a write that was interrupted cannot be undone").arg(why));

    // The store cannot be written here (a read-only folder or file, a full disk): it opens for
    // reading only. Without a write-ahead log to take in, it is read as it stands, which needs
    // no index file beside it.
    const QString uri = QStringLiteral("file:%1?mode=ro%2")
                            .arg(QString::fromUtf8(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/")),
                                walContent ? QString() : QStringLiteral("&immutable=1"));
    rc = sqlite3_open_v2(
        uri.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return Out::failure(why);
    }
    sqlite3_busy_timeout(db, 10000);
    Expected<int> version = inspectSchema(def, db);
    if (!version) {
        sqlite3_close(db);
        return Out::failure(why);
    }
    out.db = db;
    out.version = *version;
    out.readOnly = why;
    return out;
}

Result copyDatabase(sqlite3 *source, const QString &destPath)
{
    sqlite3 *dest = nullptr;
    int rc = sqlite3_open_v2(destPath.toUtf8().constData(), &dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup *b = sqlite3_backup_init(dest, "main", source, "main");
        if (!b) {
            rc = SQLITE_ERROR;
        } else {
            do {
                rc = sqlite3_backup_step(b, -1);
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                    sqlite3_sleep(20);
            } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
            sqlite3_backup_finish(b);
            if (rc == SQLITE_DONE)
                rc = SQLITE_OK;
        }
        // The copy is one self-contained file, with no journal beside it.
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(dest, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    }
    const QString text = rc == SQLITE_OK ? QString() : sqliteError(dest);
    sqlite3_close(dest);
    if (rc != SQLITE_OK) {
        QFile::remove(destPath);
        return Result::failure(text);
    }
    return Result::success();
}

QString upgradeCopyPath(const QString &path, int version, int n)
{
    const QString base = path.endsWith(QStringLiteral(".sqlite")) ? path.chopped(7) : path;
    return n < 2 ? QStringLiteral("%1.v%2.sqlite").arg(base).arg(version)
                 : QStringLiteral("%1.v%2-%3.sqlite").arg(base).arg(version).arg(n);
}

namespace
{

bool sameBytes(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(1 << 20) != fb.read(1 << 20))
            return false;
    }
    return true;
}

} // namespace

Expected<QString> keepUpgradeCopy(sqlite3 *db, const QString &path, int version)
{
    // The copy is written under a name of its own and renamed once complete, so an
    // interrupted copy is never taken for a kept one; the next attempt starts it afresh.
    const QString part = upgradeCopyPath(path, version, 1) + QStringLiteral(".part");
    QFile::remove(part);
    QFile::remove(part + QStringLiteral("-journal"));
    if (Result r = copyDatabase(db, part); !r)
        return r;
    // An earlier attempt that kept its copy and then failed kept this very store: a second copy
    // would only multiply it.
    QString target;
    for (int n = 1;; ++n) {
        target = upgradeCopyPath(path, version, n);
        if (!QFileInfo::exists(target))
            break;
        if (sameBytes(target, part)) {
            QFile::remove(part);
            return target;
        }
    }
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        return Expected<QString>::failure(QStringLiteral("the copy cannot be named %1").arg(target));
    }
    return target;
}

Result upgradeStore(const TableDef &def, sqlite3 *db, const QString &path, int fromVersion)
{
    const Expected<QString> copy = keepUpgradeCopy(db, path, fromVersion);
    if (!copy)
        return Result::failure(QStringLiteral("no copy of the older store could be kept (%1)").arg(copy.message()));
    if (Result r = exec(db, QStringLiteral("BEGIN IMMEDIATE")); !r)
        return r;
    Expected<std::int64_t> now = queryInt(db, QStringLiteral("PRAGMA user_version"));
    if (now && *now >= RecordStore::kSchemaVersion) { // another handle upgraded it meanwhile
        exec(db, QStringLiteral("ROLLBACK"));
        return Result::success();
    }
    QStringList steps;
    if (fromVersion < 1) {
        // Version 0 had no revisions: every row starts at revision 1.
        steps << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 INTEGER NOT NULL DEFAULT 1")
                     .arg(quoted(def.store), quoted(kRevisionColumn));
        steps
            << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"last\" INTEGER NOT NULL)").arg(quoted(kRevisionTable));
        steps << QStringLiteral("DELETE FROM %1").arg(quoted(kRevisionTable));
        steps << QStringLiteral("INSERT INTO %1 VALUES (1)").arg(quoted(kRevisionTable));
        for (const KeyDef &k : def.keys)
            steps << QStringLiteral("DROP INDEX IF EXISTS %1").arg(quoted(k.name));
        steps << indexSql(def);
    }
    if (fromVersion < 2) {
        // Version 2 keeps each key over the subsets of the rows too, and the counts.
        for (std::size_t sub = 0; sub < def.subsets.size(); ++sub)
            for (std::size_t k = 0; k < def.keys.size(); ++k)
                steps << subsetIndexSql(def, int(k), int(sub));
        steps << countsSql(def);
    }
    steps << QStringLiteral("PRAGMA user_version = %1").arg(RecordStore::kSchemaVersion);
    for (const QString &sql : steps) {
        if (Result r = exec(db, sql); !r) {
            exec(db, QStringLiteral("ROLLBACK"));
            return Result::failure(QStringLiteral("the store could not be upgraded (%1)").arg(r.message()));
        }
    }
    if (Result r = exec(db, QStringLiteral("COMMIT")); !r) {
        exec(db, QStringLiteral("ROLLBACK"));
        return Result::failure(QStringLiteral("the store could not be upgraded (%1)").arg(r.message()));
    }
    return Result::success();
}

std::vector<OrderPart> orderParts(const TableDef &def, int key)
{
    const KeyDef &k = def.keys[key];
    std::vector<OrderPart> parts;
    for (const KeyComponent &c : k.components)
        parts.push_back({ c.field, c.descending });
    if (!k.unique) {
        const bool desc = k.components.back().descending;
        for (const KeyComponent &c : def.keys[def.primaryKey()].components) {
            bool present = false;
            for (const OrderPart &p : parts)
                present = present || p.field == c.field;
            if (!present)
                parts.push_back({ c.field, desc });
        }
    }
    return parts;
}

QString orderBy(const TableDef &def, const std::vector<OrderPart> &parts)
{
    QStringList out;
    for (const OrderPart &p : parts)
        out << column(def, p.field) + (p.descending ? QStringLiteral(" DESC") : QString());
    return out.join(QStringLiteral(", "));
}

QString exclusion(const TableDef &def, int key, bool throughIndex)
{
    QStringList terms;
    for (const KeyComponent &c : def.keys[key].components)
        terms << (throughIndex ? QString() : QStringLiteral("+")) + column(def, c.field)
                + (isText(def.fields[c.field]) ? QStringLiteral(" <> ''") : QStringLiteral(" <> 0"));
    return terms.size() == 1 ? terms.front() : QLatin1Char('(') + terms.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString keyCondition(const TableDef &def, int key, const QString &row)
{
    QStringList terms;
    for (const KeyComponent &c : def.keys[key].components)
        terms << (row.isEmpty() ? QString() : row + QLatin1Char('.')) + column(def, c.field)
                + (isText(def.fields[c.field]) ? QStringLiteral(" <> ''") : QStringLiteral(" <> 0"));
    return terms.size() == 1 ? terms.front() : QLatin1Char('(') + terms.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString boundCondition(const TableDef &def, const std::vector<OrderPart> &parts, bool strict, int firstParam)
{
    auto param = [&](std::size_t i) { return QStringLiteral("?%1").arg(firstParam + int(i)); };
    auto op = [&](bool desc, bool strictOp) {
        return desc ? (strictOp ? QStringLiteral("<") : QStringLiteral("<="))
                    : (strictOp ? QStringLiteral(">") : QStringLiteral(">="));
    };
    bool same = true;
    for (const OrderPart &p : parts)
        same = same && p.descending == parts.front().descending;
    if (same) {
        // One row-value comparison: SQLite seeks the index to it directly.
        if (parts.size() == 1)
            return QStringLiteral("%1 %2 %3")
                .arg(column(def, parts[0].field), op(parts[0].descending, strict), param(0));
        QStringList cols, params;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            cols << column(def, parts[i].field);
            params << param(i);
        }
        return QStringLiteral("(%1) %2 (%3)")
            .arg(cols.join(QStringLiteral(", ")), op(parts[0].descending, strict), params.join(QStringLiteral(", ")));
    }
    // Mixed directions: spelled out, led by a range on the first component for the seek.
    QStringList alternatives;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        QStringList terms;
        for (std::size_t j = 0; j < i; ++j)
            terms << QStringLiteral("%1 = %2").arg(column(def, parts[j].field), param(j));
        terms << QStringLiteral("%1 %2 %3").arg(column(def, parts[i].field), op(parts[i].descending, true), param(i));
        alternatives << QLatin1Char('(') + terms.join(QStringLiteral(" AND ")) + QLatin1Char(')');
    }
    if (!strict) {
        QStringList terms;
        for (std::size_t j = 0; j < parts.size(); ++j)
            terms << QStringLiteral("%1 = %2").arg(column(def, parts[j].field), param(j));
        alternatives << QLatin1Char('(') + terms.join(QStringLiteral(" AND ")) + QLatin1Char(')');
    }
    return QStringLiteral("(%1 %2 %3 AND (%4))")
        .arg(column(def, parts[0].field), op(parts[0].descending, false), param(0),
            alternatives.join(QStringLiteral(" OR ")));
}

Expected<QString> filterCondition(const TableDef &def, const Filter &filter, int firstParam)
{
    QStringList terms;
    for (std::size_t i = 0; i < filter.conditions.size(); ++i) {
        const Filter::Condition &c = filter.conditions[i];
        if (c.field < 0 || c.field >= int(def.fields.size()))
            return Expected<QString>::failure(QStringLiteral("the filter names a field the table does not have"));
        static const char *const ops[] = { "=", "<>", "<", "<=", ">", ">=" };
        terms << QStringLiteral("%1 %2 ?%3")
                     .arg(column(def, c.field), QLatin1String(ops[int(c.compare)]))
                     .arg(firstParam + int(i));
    }
    return terms.join(QStringLiteral(" AND "));
}

QString selectList(const TableDef &def)
{
    QStringList cols;
    for (const FieldDef &f : def.fields)
        cols << quoted(f.name);
    cols << quoted(kRevisionColumn);
    return cols.join(QStringLiteral(", "));
}

QString insertSql(const TableDef &def)
{
    QStringList params;
    for (std::size_t i = 0; i <= def.fields.size(); ++i)
        params << QStringLiteral("?%1").arg(i + 1);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quoted(def.store), selectList(def), params.join(QStringLiteral(", ")));
}

QString updateSql(const TableDef &def)
{
    QStringList sets;
    for (std::size_t i = 0; i < def.fields.size(); ++i)
        sets << QStringLiteral("%1 = ?%2").arg(quoted(def.fields[i].name)).arg(i + 1);
    const int n = int(def.fields.size());
    sets << QStringLiteral("%1 = ?%2").arg(quoted(kRevisionColumn)).arg(n + 1);
    QStringList where;
    const KeyDef &pk = def.keys[def.primaryKey()];
    for (std::size_t i = 0; i < pk.components.size(); ++i)
        where << QStringLiteral("%1 = ?%2").arg(column(def, pk.components[i].field)).arg(n + 2 + int(i));
    where << QStringLiteral("%1 = ?%2").arg(quoted(kRevisionColumn)).arg(n + 2 + int(pk.components.size()));
    // With the key's own condition, so the search goes through the key's index (it leaves
    // out the blank and zero values that no row of the key holds).
    where << exclusion(def, def.primaryKey());
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3")
        .arg(quoted(def.store), sets.join(QStringLiteral(", ")), where.join(QStringLiteral(" AND ")));
}

FieldValue columnValue(const FieldDef &field, sqlite3_stmt *s, int col)
{
    // A value is read as it is stored. Another tool may have written one that its field's
    // type cannot hold (a text in a number field, a number beyond the field's range): it is
    // kept as it is, so the row is shown, found and paged over by what it holds.
    const int stored = sqlite3_column_type(s, col);
    auto text = [&] {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(s, col));
        return QString::fromUtf8(t, sqlite3_column_bytes(s, col));
    };
    if (field.type == FieldType::String || field.type == FieldType::Memo)
        return text();
    if (stored == SQLITE_TEXT || stored == SQLITE_BLOB)
        return text();
    if (stored == SQLITE_NULL)
        return zeroValue(field);
    switch (field.type) {
    case FieldType::Real:
        return sqlite3_column_double(s, col);
    case FieldType::Decimal: {
        // Scaled and rounded: a DECIMAL has far fewer digits than a double carries, so
        // the nearest count of 10^-places is the value that was written.
        static const double scales[] = { 1, 10, 100, 1000, 10000, 100000, 1000000 };
        const double x = sqlite3_column_double(s, col);
        if (field.places >= 0 && field.places <= 6 && std::fabs(x) < 1e15) {
            const Decimal d = Decimal::fromScaled(std::llround(x * scales[field.places]), field.places);
            if (stored == SQLITE_INTEGER || std::fabs(d.toDouble() - x) <= std::fabs(x) * 1e-15)
                return d;
        }
        return x; // more places or digits than the field has
    }
    default:
        if (stored == SQLITE_INTEGER)
            return std::int64_t(sqlite3_column_int64(s, col));
        const double x = sqlite3_column_double(s, col);
        if (x == std::trunc(x) && std::fabs(x) < 9e18)
            return std::int64_t(x);
        return x;
    }
}

Row readRow(const TableDef &def, sqlite3_stmt *s)
{
    Row row;
    const int n = int(def.fields.size());
    row.values.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        row.values.push_back(columnValue(def.fields[i], s, i));
    row.revision = sqlite3_column_int64(s, n);
    return row;
}

std::optional<Decimal> asNumber(const FieldValue &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return Decimal((long long)*i);
    if (const auto *d = std::get_if<double>(&value))
        return std::isfinite(*d) ? std::optional<Decimal>(Decimal::fromDouble(*d)) : std::nullopt;
    if (const auto *d = std::get_if<Decimal>(&value))
        return *d;
    return Decimal::parse(std::get<QString>(value).trimmed());
}

QString plainText(const FieldValue &value)
{
    if (const auto *s = std::get_if<QString>(&value))
        return *s;
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return QString::number(*i);
    if (const auto *d = std::get_if<double>(&value))
        return QString::number(*d, 'g', 15);
    return std::get<Decimal>(value).toPlainText();
}

bool bindValue(sqlite3_stmt *s, int index, const FieldDef &field, const FieldValue &value)
{
    if (isText(field)) {
        const QByteArray utf8 = plainText(value).toUtf8();
        return sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return sqlite3_bind_int64(s, index, *i) == SQLITE_OK;
    if (const auto *d = std::get_if<double>(&value))
        return sqlite3_bind_double(s, index, *d) == SQLITE_OK;
    std::optional<Decimal> number = asNumber(value);
    if (!number) {
        // A text that another tool stored in a number field: bound as the text it is, so the
        // row is found by it (a write of such a value is refused before it gets here).
        const QByteArray utf8 = std::get<QString>(value).toUtf8();
        return sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) == SQLITE_OK;
    }
    if (field.type == FieldType::Decimal || field.type == FieldType::Real || *number != Decimal(number->truncated()))
        return sqlite3_bind_double(s, index, number->toDouble()) == SQLITE_OK;
    return sqlite3_bind_int64(s, index, number->truncated()) == SQLITE_OK;
}

FieldValue storedValue(const FieldDef &field, const FieldValue &value)
{
    switch (field.type) {
    case FieldType::String:
    case FieldType::Memo:
        return trimmedRight(plainText(value));
    case FieldType::Decimal:
        return asNumber(value).value_or(Decimal()).rounded(field.places);
    case FieldType::Real:
        if (const auto *d = std::get_if<double>(&value))
            return *d;
        return asNumber(value).value_or(Decimal()).toDouble();
    default:
        if (const auto *i = std::get_if<std::int64_t>(&value))
            return *i;
        return std::int64_t(asNumber(value).value_or(Decimal()).truncated());
    }
}

int violatedKey(const TableDef &def, const QString &message)
{
    // "UNIQUE constraint failed: BREWSV3.BATCHNUMBER" or "... failed: index 'KeyBrewNumber'"
    const int colon = message.indexOf(QStringLiteral("failed: "));
    if (colon < 0)
        return -1;
    const QString what = message.mid(colon + 8).trimmed();
    if (what.startsWith(QStringLiteral("index "))) {
        QString name = what.mid(6);
        name.remove(QLatin1Char('\''));
        return def.keyIndex(name);
    }
    QStringList cols;
    for (const QString &part : what.split(QStringLiteral(", "))) {
        const int dot = part.lastIndexOf(QLatin1Char('.'));
        cols << part.mid(dot + 1).trimmed();
    }
    for (std::size_t k = 0; k < def.keys.size(); ++k) {
        const KeyDef &key = def.keys[k];
        if (!key.unique || key.components.size() != std::size_t(cols.size()))
            continue;
        bool match = true;
        for (std::size_t i = 0; i < key.components.size(); ++i)
            match = match && def.fields[key.components[i].field].name.compare(cols[int(i)], Qt::CaseInsensitive) == 0;
        if (match)
            return int(k);
    }
    return -1;
}

std::optional<Message> validateRow(const TableDef &def, const Row &row, bool rules)
{
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
        const FieldDef &f = def.fields[i];
        const FieldValue &v = row.values[i];
        const QString name = def.fieldName(int(i));
        if (isText(f)) {
            const QString text = trimmedRight(plainText(v));
            if (text.size() > f.width)
                return valueMessage(
                    QStringLiteral("The value of %1 must be at most %2 characters long.").arg(name).arg(f.width));
        } else {
            std::optional<Decimal> number = asNumber(v);
            if (!number)
                return valueMessage(QStringLiteral("The value of %1 must be a number.").arg(name));
            Decimal low, high;
            switch (f.type) {
            case FieldType::Long:
                low = Decimal((long long)std::numeric_limits<std::int32_t>::min());
                high = Decimal((long long)std::numeric_limits<std::int32_t>::max());
                break;
            case FieldType::Short:
                low = Decimal(-32768);
                high = Decimal(32767);
                break;
            case FieldType::Byte:
                low = Decimal(0);
                high = Decimal(255);
                break;
            case FieldType::Decimal:
                high = pow10(f.width - f.places) - Decimal::fromScaled(1, f.places);
                low = -high;
                number = number->rounded(f.places);
                break;
            default:
                low = Decimal(-1000000000000LL);
                high = Decimal(1000000000000LL);
                break;
            }
            if (*number < low || *number > high) {
                const int places = f.type == FieldType::Decimal ? f.places : 0;
                return rangeMessage(name, QStringLiteral("%1 .. %2").arg(low.toFixed(places), high.toFixed(places)));
            }
        }
        if (!rules)
            continue;
        const FieldRule &rule = f.rule;
        if (rule.kind == FieldRule::Kind::Range) {
            std::optional<Decimal> number = asNumber(v);
            if (number && f.type == FieldType::Decimal)
                number = number->rounded(f.places);
            if (!number || *number < rule.low || *number > rule.high)
                return rangeMessage(rule.displayName, rule.description);
        } else if (rule.kind == FieldRule::Kind::List) {
            // The list "]1[]0[" names the allowed values; each value is matched whole, so
            // neither a blank value nor one that spans two entries passes.
            const QString value = trimmedRight(plainText(v));
            QStringList allowed = rule.listText.split(QStringLiteral("[]"));
            if (!allowed.isEmpty()) {
                allowed.front().remove(0, 1);
                allowed.back().chop(1);
            }
            if (!allowed.contains(value))
                return valueMessage(QStringLiteral("The value of %1 must be in the list : %2.")
                                        .arg(rule.displayName, rule.description));
        }
    }
    return std::nullopt;
}

std::optional<FieldValue> nextNumber(const FieldDef &field, const FieldValue &highest)
{
    const std::optional<Decimal> h = asNumber(highest);
    const long long next = h ? h->truncated() + 1 : 1;
    const long long top = field.type == FieldType::Short ? 32767
        : field.type == FieldType::Byte                  ? 255
        : field.type == FieldType::Real                  ? (1LL << 53)
                                                         : std::numeric_limits<std::int32_t>::max();
    if (next > top)
        return std::nullopt;
    switch (field.type) {
    case FieldType::Real:
        return double(next);
    case FieldType::Decimal:
        return Decimal(next);
    default:
        return std::int64_t(next);
    }
}

} // namespace storeschema
