#include "platform/recordstore.h"
#include "platform/recordstoreschema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <filesystem>
#include <map>
#include <mutex>
#include <sqlite3.h>

using namespace storeschema;

namespace
{

// Handles open in this process, by store file, so a store is not removed under a window.
std::mutex g_openMutex;
std::map<QString, int> g_openStores;

void registerOpen(const QString &path, int delta)
{
    std::lock_guard lock(g_openMutex);
    int &n = g_openStores[path];
    n += delta;
    if (n <= 0)
        g_openStores.erase(path);
}

bool isOpenAnywhere(const QString &path)
{
    std::lock_guard lock(g_openMutex);
    return g_openStores.count(path) > 0;
}

QString canonical(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

// A statement taken from the cache, reset when the read or write is done so no read
// transaction stays open between calls.
class Use
{
public:
    explicit Use(sqlite3_stmt *s)
        : m_s(s)
    {
    }
    ~Use()
    {
        if (m_s) {
            sqlite3_reset(m_s);
            sqlite3_clear_bindings(m_s);
        }
    }
    sqlite3_stmt *get() const { return m_s; }

private:
    sqlite3_stmt *m_s;
};

QString dupText(const QString &keyName) { return QStringLiteral("Duplicate key %1").arg(keyName); }

// A write meant for one row that met several: the key of the store no longer holds its
// values apart (another tool changed it). Nothing is written.
QString manyRows(int rows)
{
    return QStringLiteral("the write would have changed %1 rows instead of one; nothing was changed").arg(rows);
}

} // namespace

struct RecordStore::Statements {
    sqlite3 *db = nullptr;
    QHash<QString, sqlite3_stmt *> cache;
    QString lastError;

    ~Statements()
    {
        for (sqlite3_stmt *s : std::as_const(cache))
            sqlite3_finalize(s);
    }
    sqlite3_stmt *get(const QString &sql)
    {
        auto it = cache.constFind(sql);
        if (it != cache.constEnd())
            return *it;
        sqlite3_stmt *s = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr)
            != SQLITE_OK) {
            lastError = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(s);
            return nullptr;
        }
        cache.insert(sql, s);
        return s;
    }
};

// ---------------------------------------------------------------------------------------
// Opening

RecordStore::RecordStore(const TableDef &def, QString dataFolder)
    : m_def(def)
    , m_folder(std::move(dataFolder))
{
}

RecordStore::~RecordStore()
{
    if (m_db) {
        m_openCount = 1;
        close();
    }
}

QString RecordStore::filePath(const TableDef &def, const QString &dataFolder)
{
    return QDir(dataFolder.isEmpty() ? QStringLiteral(".") : dataFolder)
        .filePath(def.store + QStringLiteral(".sqlite"));
}

QString RecordStore::filePath() const { return filePath(m_def, m_folder); }

Message RecordStore::openFailure(const QString &errorText) const
{
    return { QStringLiteral("File Error"),
        QStringLiteral("File %1 could not be opened.  Error: %2.").arg(m_def.store, errorText), MessageIcon::Error, {},
        1 };
}

Result RecordStore::open(Prompter &prompter)
{
    Result r = open();
    if (!r)
        prompter.tell(openFailure(r.message()));
    return r;
}

Result RecordStore::open()
{
    if (m_db) {
        ++m_openCount;
        return Result::success();
    }
    const QString path = filePath();
    if (!QFileInfo::exists(path)) {
        Result created = createStore(m_def, path);
        if (!created)
            return created;
    }
    Expected<OpenedFile> opened = openStoreFile(m_def, path);
    if (!opened)
        return opened.result();
    sqlite3 *db = opened->db;
    if (opened->version < kSchemaVersion) {
        Result upgraded = opened->readOnly.isEmpty()
            ? upgradeStore(m_def, db, path, opened->version)
            : Result::failure(QStringLiteral("the store is of version %1 and cannot be upgraded: %2")
                                  .arg(opened->version)
                                  .arg(opened->readOnly));
        if (!upgraded) {
            sqlite3_close(db);
            return upgraded;
        }
    }
    // Only now, with the store known good and current, is its journal mode set.
    if (opened->readOnly.isEmpty())
        sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    m_db = db;
    m_readOnly = opened->readOnly;
    m_statements = std::make_unique<Statements>();
    m_statements->db = db;
    m_openCount = 1;
    registerOpen(canonical(path), +1);
    return Result::success();
}

void RecordStore::close()
{
    if (!m_db || --m_openCount > 0)
        return;
    retryReleases();
    m_statements.reset();
    sqlite3_close(m_db);
    m_db = nullptr;
    m_openCount = 0;
    m_readOnly.clear();
    registerOpen(canonical(filePath()), -1);
}

QString RecordStore::errorText() const
{
    if (!m_db)
        return QStringLiteral("the file is not open");
    if (m_statements && !m_statements->lastError.isEmpty()) {
        QString t = m_statements->lastError;
        m_statements->lastError.clear();
        return t;
    }
    return failureText(m_db, filePath());
}

// ---------------------------------------------------------------------------------------
// Reading

namespace
{

bool bindAll(sqlite3_stmt *s, const std::vector<std::pair<const FieldDef *, FieldValue>> &params)
{
    for (std::size_t i = 0; i < params.size(); ++i)
        if (!bindValue(s, int(i) + 1, *params[i].first, params[i].second))
            return false;
    return true;
}

} // namespace

Cursor RecordStore::cursorOf(int key, const Row &row) const
{
    Cursor c;
    for (const OrderPart &part : orderParts(m_def, key))
        c.values.push_back(row.values[part.field]);
    return c;
}

Expected<Page> RecordStore::readPage(
    int key, const Bound &from, Direction direction, int limit, const Filter &filter) const
{
    if (!m_db)
        return Expected<Page>::failure(QStringLiteral("the file is not open"));
    if (key < 0 || key >= int(m_def.keys.size()))
        return Expected<Page>::failure(QStringLiteral("no such key"));
    std::vector<std::pair<const FieldDef *, FieldValue>> params;
    QString where = exclusion(m_def, key);
    // A read limited to a subset of the rows (brews in stock) goes through the key's index over
    // that subset, so it finds its rows at once however few of them there are.
    Filter rest;
    QString index = m_def.keys[key].name;
    for (const Filter::Condition &c : filter.conditions) {
        const int subset = index == m_def.keys[key].name ? subsetOf(m_def, c) : -1;
        if (subset >= 0) {
            index = subsetIndexName(m_def, key, subset);
            where += QStringLiteral(" AND ") + subsetCondition(m_def, subset);
        } else {
            rest.conditions.push_back(c);
        }
    }
    std::vector<OrderPart> parts = orderParts(m_def, key);
    if (direction == Direction::Backward)
        for (OrderPart &p : parts)
            p.descending = !p.descending;
    if (from.kind != Bound::Kind::Edge) {
        const bool strict = from.kind == Bound::Kind::After;
        if (from.values.empty() || from.values.size() > parts.size() || (strict && from.values.size() != parts.size()))
            return Expected<Page>::failure(
                QStringLiteral("the start position does not fit the key %1").arg(m_def.keyName(key)));
        const std::vector<OrderPart> leading(parts.begin(), parts.begin() + qsizetype(from.values.size()));
        where += QStringLiteral(" AND ") + boundCondition(m_def, leading, strict, int(params.size()) + 1);
        for (std::size_t i = 0; i < from.values.size(); ++i)
            params.emplace_back(&m_def.fields[leading[i].field], from.values[i]);
    }
    Expected<QString> cond = filterCondition(m_def, rest, int(params.size()) + 1);
    if (!cond)
        return cond.result();
    if (!cond->isEmpty())
        where += QStringLiteral(" AND ") + *cond;
    for (const Filter::Condition &c : rest.conditions)
        params.emplace_back(&m_def.fields[c.field], c.value);

    const QString sql = QStringLiteral("SELECT %1 FROM %2 INDEXED BY %3 WHERE %4 ORDER BY %5 LIMIT ?%6")
                            .arg(selectList(m_def), quoted(m_def.store), quoted(index), where, orderBy(m_def, parts))
                            .arg(params.size() + 1);
    sqlite3_stmt *s = m_statements->get(sql);
    if (!s)
        return Expected<Page>::failure(errorText());
    Use use(s);
    if (!bindAll(s, params))
        return Expected<Page>::failure(QStringLiteral("a start or filter value does not fit its field"));
    const int wanted = std::max(limit, 0);
    sqlite3_bind_int(s, int(params.size()) + 1, wanted + 1);
    Page page;
    page.rows.reserve(std::size_t(wanted));
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        if (int(page.rows.size()) == wanted) {
            page.atEnd = false;
            break;
        }
        page.rows.push_back(readRow(m_def, s));
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        return Expected<Page>::failure(errorText());
    return page;
}

Expected<std::optional<Row>> RecordStore::fetch(int key, const std::vector<FieldValue> &values) const
{
    using Out = Expected<std::optional<Row>>;
    if (!m_db)
        return Out::failure(QStringLiteral("the file is not open"));
    const KeyDef &k = m_def.keys[key];
    if (values.empty() || values.size() > k.components.size())
        return Out::failure(QStringLiteral("the value does not fit the key %1").arg(m_def.keyName(key)));
    QString where = exclusion(m_def, key);
    std::vector<std::pair<const FieldDef *, FieldValue>> params;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int f = k.components[i].field;
        where += QStringLiteral(" AND %1 = ?%2").arg(quoted(m_def.fields[f].name)).arg(i + 1);
        params.emplace_back(&m_def.fields[f], values[i]);
    }
    // On a unique key given whole at most one row answers: nothing to order.
    const bool single = k.unique && values.size() == k.components.size();
    const QString sql
        = QStringLiteral("SELECT %1 FROM %2 INDEXED BY %3 WHERE %4%5 LIMIT 1")
              .arg(selectList(m_def), quoted(m_def.store), quoted(k.name), where,
                  single ? QString() : QStringLiteral(" ORDER BY ") + orderBy(m_def, orderParts(m_def, key)));
    sqlite3_stmt *s = m_statements->get(sql);
    if (!s)
        return Out::failure(errorText());
    Use use(s);
    if (!bindAll(s, params))
        return Out::failure(QStringLiteral("the value does not fit the key %1").arg(m_def.keyName(key)));
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW)
        return std::optional<Row>(readRow(m_def, s));
    if (rc == SQLITE_DONE)
        return std::optional<Row>();
    return Out::failure(errorText());
}

namespace
{

Expected<std::int64_t> singleInteger(sqlite3 *db, sqlite3_stmt *s)
{
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW)
        return std::int64_t(sqlite3_column_int64(s, 0));
    return Expected<std::int64_t>::failure(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace

Expected<std::int64_t> RecordStore::count(int key, const Filter &filter) const
{
    if (!m_db)
        return Expected<std::int64_t>::failure(QStringLiteral("the file is not open"));
    if (key < 0 || key >= int(m_def.keys.size()))
        return Expected<std::int64_t>::failure(QStringLiteral("no such key"));
    // The whole key and the key within a subset are counted by the store as rows come and go.
    int subset = -1;
    if (filter.conditions.size() == 1)
        subset = subsetOf(m_def, filter.conditions.front());
    if (filter.isEmpty() || subset >= 0) {
        sqlite3_stmt *s = m_statements->get(
            QStringLiteral("SELECT %1 FROM %2").arg(quoted(countName(m_def, key, subset)), quoted(kCountsTable)));
        if (!s)
            return Expected<std::int64_t>::failure(errorText());
        Use use(s);
        return singleInteger(m_db, s);
    }
    // Any other filter: every row of the key is looked at.
    Expected<QString> cond = filterCondition(m_def, filter, 1);
    if (!cond)
        return cond.result();
    sqlite3_stmt *s = m_statements->get(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 AND %3")
                                            .arg(quoted(m_def.store), exclusion(m_def, key, false), *cond));
    if (!s)
        return Expected<std::int64_t>::failure(errorText());
    Use use(s);
    std::vector<std::pair<const FieldDef *, FieldValue>> params;
    for (const Filter::Condition &c : filter.conditions)
        params.emplace_back(&m_def.fields[c.field], c.value);
    if (!bindAll(s, params))
        return Expected<std::int64_t>::failure(QStringLiteral("a filter value does not fit its field"));
    return singleInteger(m_db, s);
}

Expected<std::int64_t> RecordStore::countAll() const
{
    if (!m_db)
        return Expected<std::int64_t>::failure(QStringLiteral("the file is not open"));
    sqlite3_stmt *s = m_statements->get(QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(m_def.store)));
    if (!s)
        return Expected<std::int64_t>::failure(errorText());
    Use use(s);
    return singleInteger(m_db, s);
}

Expected<FieldValue> RecordStore::highest(int key) const
{
    if (!m_db)
        return Expected<FieldValue>::failure(QStringLiteral("the file is not open"));
    const int f = m_def.keys[key].components.front().field;
    const QString col = quoted(m_def.fields[f].name);
    // Numbers only: a text that another tool stored in the field sorts above every number.
    sqlite3_stmt *s = m_statements->get(
        QStringLiteral("SELECT %1 FROM %2 INDEXED BY %3 WHERE %4 AND %1 < '' ORDER BY %1 DESC LIMIT 1")
            .arg(col, quoted(m_def.store), quoted(m_def.keys[key].name), exclusion(m_def, key)));
    if (!s)
        return Expected<FieldValue>::failure(errorText());
    Use use(s);
    const int rc = sqlite3_step(s);
    if (rc == SQLITE_DONE)
        return zeroValue(m_def.fields[f]);
    if (rc != SQLITE_ROW)
        return Expected<FieldValue>::failure(errorText());
    return columnValue(m_def.fields[f], s, 0);
}

// ---------------------------------------------------------------------------------------
// Writing

std::optional<Message> RecordStore::validate(const Row &row) const { return validateRow(m_def, row, true); }

namespace
{

Message writeFailure(const QString &caption, const QString &errorText, const QString &store)
{
    return { caption,
        QStringLiteral("An error (%1) was experienced when making changes to the %2 file.").arg(errorText, store),
        MessageIcon::Error, {}, 1 };
}

Message duplicateOnAdd(const TableDef &def, int key)
{
    return { QStringLiteral("Duplicate Key Error"),
        QStringLiteral("Adding this record creates a duplicate entry for the key: %1")
            .arg(key >= 0 ? def.keyName(key) : QString()),
        MessageIcon::Warning, {}, 1 };
}

StoreResult refuse(Prompter &prompter, StoreStatus status, Message message)
{
    prompter.tell(message);
    return { status, std::move(message) };
}

} // namespace

// One write in its own transaction. Returns Done, Duplicate (with the key in dupKey),
// Changed (update of a row that is gone or has another revision) or Failed (errorText).
struct RecordStore::WriteOutcome {
    StoreStatus status = StoreStatus::Done;
    int dupKey = -1;
    QString errorText;
};

RecordStore::WriteOutcome RecordStore::writeOnce(Row &row, bool insert)
{
    sqlite3 *db = m_db;
    Statements &st = *m_statements;
    const TableDef &def = m_def;
    WriteOutcome out;
    auto fail = [&](const QString &text) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        out.status = StoreStatus::Failed;
        out.errorText = text;
        return out;
    };
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        out.status = StoreStatus::Failed;
        out.errorText = failureText(db, filePath());
        return out;
    }
    std::int64_t revision = 0;
    {
        sqlite3_stmt *s = st.get(
            QStringLiteral("UPDATE %1 SET \"last\" = \"last\" + 1 RETURNING \"last\"").arg(quoted(kRevisionTable)));
        if (!s)
            return fail(st.lastError);
        Use use(s);
        if (sqlite3_step(s) != SQLITE_ROW)
            return fail(failureText(db, filePath()));
        revision = sqlite3_column_int64(s, 0);
    }
    const QString sql = insert ? insertSql(def) : updateSql(def);
    sqlite3_stmt *s = st.get(sql);
    if (!s)
        return fail(st.lastError);
    {
        Use use(s);
        for (std::size_t i = 0; i < def.fields.size(); ++i)
            if (!bindValue(s, int(i) + 1, def.fields[i], storedValue(def.fields[i], row.values[i])))
                return fail(QStringLiteral("the value of %1 does not fit the field").arg(def.fieldName(int(i))));
        const int n = int(def.fields.size());
        sqlite3_bind_int64(s, n + 1, revision);
        if (!insert) {
            const KeyDef &pk = def.keys[def.primaryKey()];
            for (std::size_t i = 0; i < pk.components.size(); ++i) {
                const FieldDef &f = def.fields[pk.components[i].field];
                bindValue(s, n + 2 + int(i), f, row.values[pk.components[i].field]);
            }
            sqlite3_bind_int64(s, n + 2 + int(pk.components.size()), row.revision);
        }
        const int rc = sqlite3_step(s);
        if (rc != SQLITE_DONE) {
            if (sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_UNIQUE) {
                out.dupKey = violatedKey(def, QString::fromUtf8(sqlite3_errmsg(db)));
                sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
                out.status = StoreStatus::Duplicate;
                out.errorText = dupText(out.dupKey >= 0 ? def.keyName(out.dupKey) : QString());
                return out;
            }
            return fail(failureText(db, filePath()));
        }
    }
    if (!insert && sqlite3_changes(db) == 0) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        out.status = StoreStatus::Changed;
        return out;
    }
    if (sqlite3_changes(db) != 1)
        return fail(manyRows(sqlite3_changes(db)));
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(failureText(db, filePath()));
    row.revision = revision;
    retryReleases();
    return out;
}

std::optional<StoreResult> RecordStore::refuseUnfit(
    const Row &row, Prompter &prompter, const QString &caption, bool rules) const
{
    if (!m_db)
        return refuse(
            prompter, StoreStatus::Failed, writeFailure(caption, QStringLiteral("the file is not open"), m_def.store));
    if (isReadOnly())
        return refuse(prompter, StoreStatus::Failed, writeFailure(caption, m_readOnly, m_def.store));
    if (row.values.size() != m_def.fields.size())
        return refuse(prompter, StoreStatus::Failed,
            writeFailure(caption, QStringLiteral("the record does not fit the table"), m_def.store));
    if (std::optional<Message> invalid = validateRow(m_def, row, rules))
        return refuse(prompter, StoreStatus::Invalid, *invalid);
    return std::nullopt;
}

StoreResult RecordStore::writeRow(Row &row, bool insert, Prompter &prompter, WriteKind kind)
{
    const bool reportAsInsert = insert || kind == WriteKind::CompleteInsert;
    const QString failCaption
        = reportAsInsert ? QStringLiteral("Record was not added") : QStringLiteral("Record was not updated");
    if (std::optional<StoreResult> refused = refuseUnfit(row, prompter, failCaption, true))
        return *refused;
    const WriteOutcome out = writeOnce(row, insert);
    switch (out.status) {
    case StoreStatus::Done:
        return {};
    case StoreStatus::Duplicate:
        if (reportAsInsert)
            return refuse(prompter, StoreStatus::Duplicate, duplicateOnAdd(m_def, out.dupKey));
        return refuse(prompter, StoreStatus::Duplicate,
            { QStringLiteral("Record was not updated"),
                QStringLiteral("An error (%1) was experienced when making changes to the %2 file.")
                    .arg(out.errorText, m_def.store),
                MessageIcon::Warning, {}, 1 });
    case StoreStatus::Changed:
        return refuse(prompter, StoreStatus::Changed,
            { QStringLiteral("Record Was Not Updated"), QStringLiteral("This record was changed by another station."),
                MessageIcon::Error, {}, 1 });
    default:
        return refuse(prompter, StoreStatus::Failed, writeFailure(failCaption, out.errorText, m_def.store));
    }
}

StoreResult RecordStore::insert(Row &row, Prompter &prompter)
{
    // A row given without its record number gets the next one; other numbers stay as given
    // (a batch number of 0 is a valid value).
    const KeyDef &pk = m_def.keys[m_def.primaryKey()];
    if (row.values.size() == m_def.fields.size() && pk.autoNumbered && isBlank(row.values[pk.components.front().field]))
        return numberAndWrite(row, prompter, false, true);
    return writeRow(row, true, prompter, WriteKind::CompleteInsert);
}

StoreResult RecordStore::update(Row &row, Prompter &prompter, WriteKind kind)
{
    return writeRow(row, false, prompter, kind);
}

StoreResult RecordStore::reserve(Row &seed, Prompter &prompter) { return numberAndWrite(seed, prompter, true, false); }

StoreResult RecordStore::numberAndWrite(Row &seed, Prompter &prompter, bool everyKey, bool rules)
{
    const QString addCaption = QStringLiteral("Record was not added");
    // A reserved row holds little more than its numbers: the field rules apply when the
    // form completes it, the layout's own limits now.
    if (std::optional<StoreResult> refused = refuseUnfit(seed, prompter, addCaption, rules))
        return *refused;

    for (;;) {
        QString failedKey;
        QString errorText;
        for (int attempt = 1; attempt <= 3; ++attempt) {
            bool numbered = true;
            for (std::size_t k = 0; k < m_def.keys.size() && numbered; ++k) {
                if (!m_def.keys[k].autoNumbered || (!everyKey && !m_def.keys[k].primary))
                    continue;
                const int f = m_def.keys[k].components.front().field;
                Expected<FieldValue> high = highest(int(k));
                if (!high)
                    return refuse(prompter, StoreStatus::Failed, writeFailure(addCaption, high.message(), m_def.store));
                std::optional<FieldValue> next = nextNumber(m_def.fields[f], *high);
                if (!next) {
                    failedKey = m_def.keyName(int(k));
                    errorText = QStringLiteral("%1 holds no number above %2").arg(m_def.fieldName(f), plainText(*high));
                    numbered = false;
                    break;
                }
                seed.values[f] = *next;
            }
            if (!numbered)
                break; // asking again cannot help until a number is freed; the user decides
            if (m_reserveHook)
                m_reserveHook(attempt);
            const WriteOutcome out = writeOnce(seed, true);
            if (out.status == StoreStatus::Done)
                return {};
            if (out.status == StoreStatus::Duplicate && out.dupKey >= 0 && m_def.keys[out.dupKey].autoNumbered) {
                failedKey = m_def.keyName(out.dupKey);
                errorText = out.errorText;
                continue;
            }
            if (out.status == StoreStatus::Duplicate)
                return refuse(prompter, StoreStatus::Duplicate, duplicateOnAdd(m_def, out.dupKey));
            return refuse(prompter, StoreStatus::Failed, writeFailure(addCaption, out.errorText, m_def.store));
        }
        const Message question { QStringLiteral("Auto Increment Error"),
            QStringLiteral(
                "Attempts to automatically number this record have failed.|File: %1|Key: %2|Error: %3.|Try Again?")
                .arg(m_def.store, failedKey, errorText),
            MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
        if (prompter.ask(question) != 1)
            return { StoreStatus::Abandoned, question };
    }
}

RecordStore::WriteOutcome RecordStore::deleteOnce(const Row &row)
{
    WriteOutcome out;
    auto fail = [&](const QString &text) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        out.status = StoreStatus::Failed;
        out.errorText = text;
        return out;
    };
    const KeyDef &pk = m_def.keys[m_def.primaryKey()];
    QString where;
    for (std::size_t i = 0; i < pk.components.size(); ++i)
        where += QStringLiteral("%1 = ?%2 AND ").arg(quoted(m_def.fields[pk.components[i].field].name)).arg(i + 1);
    where += exclusion(m_def, m_def.primaryKey());
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        out.status = StoreStatus::Failed;
        out.errorText = errorText();
        return out;
    }
    sqlite3_stmt *s = m_statements->get(QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(m_def.store), where));
    if (!s)
        return fail(errorText());
    {
        Use use(s);
        for (std::size_t i = 0; i < pk.components.size(); ++i) {
            const int f = pk.components[i].field;
            bindValue(s, int(i) + 1, m_def.fields[f], row.values[f]);
        }
        if (sqlite3_step(s) != SQLITE_DONE) {
            const QString text = errorText();
            return fail(text);
        }
    }
    const int changed = sqlite3_changes(m_db);
    if (changed == 0) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        out.status = StoreStatus::Changed;
        return out;
    }
    if (changed != 1)
        return fail(manyRows(changed));
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString text = errorText();
        return fail(text);
    }
    return out;
}

RecordStore::WriteOutcome RecordStore::deleteRow(const Row &row)
{
    WriteOutcome out = deleteOnce(row);
    if (out.status == StoreStatus::Failed && out.errorText == QStringLiteral("The disk is full")) {
        // A delete adds nothing to the store: once the log of writes is taken into the store
        // and begun again from its start, the delete fits in the room the log already has.
        sqlite3_exec(m_db, "PRAGMA wal_checkpoint(RESTART)", nullptr, nullptr, nullptr);
        out = deleteOnce(row);
    }
    return out;
}

StoreResult RecordStore::remove(const Row &row, Prompter &prompter)
{
    const QString caption = QStringLiteral("Record was not deleted");
    if (!m_db)
        return refuse(
            prompter, StoreStatus::Failed, writeFailure(caption, QStringLiteral("the file is not open"), m_def.store));
    if (isReadOnly())
        return refuse(prompter, StoreStatus::Failed, writeFailure(caption, m_readOnly, m_def.store));
    const WriteOutcome out = deleteRow(row);
    if (out.status == StoreStatus::Changed)
        return refuse(prompter, StoreStatus::Changed,
            { QStringLiteral("Record Was Not Deleted"), QStringLiteral("This record was changed by another station."),
                MessageIcon::Error, {}, 1 });
    if (out.status != StoreStatus::Done)
        return refuse(prompter, StoreStatus::Failed, writeFailure(caption, out.errorText, m_def.store));
    retryReleases();
    return {};
}

void RecordStore::release(const Row &row)
{
    if (!m_db || isReadOnly())
        return;
    const WriteOutcome out = deleteRow(row);
    if (out.status == StoreStatus::Failed)
        m_releases.push_back(row);
    else
        retryReleases();
}

void RecordStore::retryReleases()
{
    std::vector<Row> waiting;
    waiting.swap(m_releases);
    for (const Row &row : waiting)
        if (deleteRow(row).status == StoreStatus::Failed)
            m_releases.push_back(row);
}

QStringList RecordStore::preparedStatements() const
{
    return m_statements ? QStringList(m_statements->cache.keys()) : QStringList();
}

// ---------------------------------------------------------------------------------------
// Whole-store operations

Result RecordStore::removeAllRows()
{
    if (!m_db)
        return Result::failure(QStringLiteral("the file is not open"));
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Result::failure(errorText());
    const QByteArray sql = QStringLiteral("DELETE FROM %1").arg(quoted(m_def.store)).toUtf8();
    if (sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString why = errorText();
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return Result::failure(why);
    }
    return Result::success();
}

Result RecordStore::backupTo(const QString &path) const
{
    if (!m_db)
        return Result::failure(QStringLiteral("the file is not open"));
    // Written beside the target first, so a failed copy never leaves a half-written file
    // where an earlier good copy was.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    if (Result r = copyDatabase(m_db, part); !r)
        return r;
    std::error_code ec;
    std::filesystem::rename(part.toStdString(), path.toStdString(), ec);
    if (ec) {
        QFile::remove(part);
        return Result::failure(QString::fromStdString(ec.message()));
    }
    return Result::success();
}

Result RecordStore::removeStore(const TableDef &def, const QString &dataFolder)
{
    const QString path = filePath(def, dataFolder);
    if (isOpenAnywhere(canonical(path)))
        return Result::failure(
            QStringLiteral("File %1 could not be removed.  Error: it is open in another window.").arg(def.store));
    for (const QString &suffix : { QStringLiteral("-wal"), QStringLiteral("-shm"), QString() }) {
        const QString f = path + suffix;
        if (QFileInfo::exists(f) && !QFile::remove(f))
            return Result::failure(QStringLiteral("File %1 could not be removed.  Error: %2 cannot be deleted.")
                                       .arg(def.store, QFileInfo(f).fileName()));
    }
    return Result::success();
}

// ---------------------------------------------------------------------------------------
// Filters written as text

Expected<Filter> Filter::parse(const TableDef &def, const QString &text)
{
    auto bad = [&](const QString &why) {
        return Expected<Filter>::failure(QStringLiteral("The filter %1 is not understood: %2.").arg(text, why));
    };
    // Tokens: parentheses, operators, quoted texts, words.
    QStringList tokens;
    QList<bool> quotedToken;
    int depth = 0;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
            depth += c == QLatin1Char('(') ? 1 : -1;
            if (depth < 0)
                return bad(QStringLiteral("a parenthesis is closed that was not opened"));
            ++i;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(c, i + 1);
            if (end < 0)
                return bad(QStringLiteral("a quoted text is not closed"));
            tokens << text.mid(i + 1, end - i - 1);
            quotedToken << true;
            i = end + 1;
        } else if (QStringLiteral("<>=").contains(c)) {
            qsizetype j = i;
            while (j < text.size() && QStringLiteral("<>=").contains(text.at(j)))
                ++j;
            tokens << text.mid(i, j - i);
            quotedToken << false;
            i = j;
        } else {
            qsizetype j = i;
            while (j < text.size() && !text.at(j).isSpace() && !QStringLiteral("()<>='\"").contains(text.at(j)))
                ++j;
            tokens << text.mid(i, j - i);
            quotedToken << false;
            i = j;
        }
    }
    if (depth != 0)
        return bad(QStringLiteral("a parenthesis is not closed"));
    static const QStringList ops = { QStringLiteral("="), QStringLiteral("<>"), QStringLiteral("<"),
        QStringLiteral("<="), QStringLiteral(">"), QStringLiteral(">=") };
    Filter filter;
    for (qsizetype i = 0; i < tokens.size();) {
        if (i + 2 >= tokens.size())
            return bad(QStringLiteral("a condition is incomplete"));
        const int field = def.fieldIndex(tokens[i]);
        if (field < 0 || quotedToken[i])
            return bad(QStringLiteral("%1 is not a field of the table").arg(tokens[i]));
        const qsizetype op = ops.indexOf(tokens[i + 1]);
        if (op < 0 || quotedToken[i + 1])
            return bad(QStringLiteral("%1 is not a comparison").arg(tokens[i + 1]));
        const QString &literal = tokens[i + 2];
        FieldValue value = literal;
        const FieldDef &f = def.fields[field];
        if (f.type != FieldType::String && f.type != FieldType::Memo) {
            std::optional<Decimal> number = Decimal::parse(literal);
            if (!number)
                return bad(QStringLiteral("%1 is not a number").arg(literal));
            if (f.type == FieldType::Real)
                value = number->toDouble();
            else if (f.type == FieldType::Decimal || *number != Decimal(number->truncated()))
                value = *number;
            else
                value = std::int64_t(number->truncated());
        }
        filter.conditions.push_back({ field, Compare(op), value });
        i += 3;
        if (i < tokens.size()) {
            if (tokens[i].compare(QStringLiteral("AND"), Qt::CaseInsensitive) != 0 || quotedToken[i])
                return bad(QStringLiteral("conditions are joined only by AND"));
            ++i;
            if (i == tokens.size())
                return bad(QStringLiteral("a condition is missing after AND"));
        }
    }
    return filter;
}
