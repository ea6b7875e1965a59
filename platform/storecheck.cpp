#include "platform/storecheck.h"
#include "platform/recordstore.h"
#include "platform/recordstoreschema.h"

#include <QDir>
#include <QFileInfo>

using namespace storeschema;

QString StoreReport::line() const
{
    QString notes;
    if (recovered)
        notes += QStringLiteral("; a write that was interrupted has been undone");
    if (!readOnly.isEmpty())
        notes += QStringLiteral("; %1, so it can only be read").arg(readOnly);
    switch (state) {
    case State::Ok:
        return QStringLiteral("%1: %2 rows, ok%3").arg(store).arg(rows).arg(notes);
    case State::Created:
        return QStringLiteral("%1: 0 rows, created empty").arg(store);
    case State::Older:
        return QStringLiteral("%1: %2 rows, version %3, upgraded when the program next opens it%4")
            .arg(store)
            .arg(rows)
            .arg(version)
            .arg(notes);
    case State::Damaged:
        break;
    }
    return QStringLiteral("%1: DAMAGED (%2); left as it is").arg(store, problem);
}

namespace
{

QStringList queryTexts(sqlite3 *db, const QString &sql)
{
    QStringList out;
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK) {
        out << QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(s);
        return out;
    }
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        out << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
    if (rc != SQLITE_DONE)
        out << QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(s);
    return out;
}

} // namespace

StoreReport checkStore(const TableDef &def, const QString &dataFolder)
{
    StoreReport report;
    report.store = def.store;
    const QString path = RecordStore::filePath(def, dataFolder);
    auto damaged = [&](const QString &problem) {
        report.state = StoreReport::State::Damaged;
        report.problem = problem;
        return report;
    };
    if (!QFileInfo::exists(path)) {
        if (Result r = createStore(def, path); !r)
            return damaged(r.message());
        report.state = StoreReport::State::Created;
    }
    const bool walBefore = QFileInfo(path + QStringLiteral("-wal")).size() > 0;
    Expected<OpenedFile> opened = openStoreFile(def, path);
    if (!opened)
        return damaged(opened.message());
    sqlite3 *db = opened->db;
    report.version = opened->version;
    report.recovered = opened->recovered;
    report.readOnly = opened->readOnly;

    // integrity_check reads every page and every index entry: the full check, row by row.
    QStringList problems = queryTexts(db, QStringLiteral("PRAGMA integrity_check(20)"));
    if (problems == QStringList { QStringLiteral("ok") }) {
        problems.clear();
        const QStringList rows = queryTexts(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(def.store)));
        bool isNumber = false;
        report.rows = rows.value(0).toLongLong(&isNumber);
        if (rows.size() != 1 || !isNumber)
            problems << rows;
    }
    // The counts the store keeps must agree with the rows it holds.
    if (problems.isEmpty() && opened->version >= 2) {
        for (std::size_t k = 0; k < def.keys.size() && problems.isEmpty(); ++k) {
            for (int sub = -1; sub < int(def.subsets.size()); ++sub) {
                QString where = exclusion(def, int(k), false);
                if (sub >= 0)
                    where += QStringLiteral(" AND ") + subsetCondition(def, sub);
                const QString name = countName(def, int(k), sub);
                const QString kept
                    = queryTexts(db, QStringLiteral("SELECT %1 FROM %2").arg(quoted(name), quoted(kCountsTable)))
                          .value(0);
                const QString real
                    = queryTexts(db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(quoted(def.store), where))
                          .value(0);
                if (kept != real) {
                    problems
                        << QStringLiteral("the count %1 is %2 but the store holds %3 such rows").arg(name, kept, real);
                    break;
                }
            }
        }
    }
    sqlite3_close(db);
    // A write-ahead log that no other connection held was taken into the store as it closed.
    if (walBefore && !QFileInfo::exists(path + QStringLiteral("-wal")))
        report.recovered = true;
    if (!problems.isEmpty())
        return damaged(problems.join(QStringLiteral("; ")));
    if (report.state != StoreReport::State::Created)
        report.state
            = opened->version < RecordStore::kSchemaVersion ? StoreReport::State::Older : StoreReport::State::Ok;
    return report;
}

int runStoreCheck(const std::vector<TableDef> &tables, const QString &dataFolder, QTextStream &out)
{
    if (!QFileInfo(dataFolder).isDir()) {
        out << QStringLiteral("The data folder %1 does not exist.").arg(dataFolder) << '\n';
        out.flush();
        return 2;
    }
    int code = 0;
    for (const TableDef &def : tables) {
        const StoreReport report = checkStore(def, dataFolder);
        out << report.line() << '\n';
        if (report.state == StoreReport::State::Damaged)
            code = 1;
    }
    out.flush();
    return code;
}
