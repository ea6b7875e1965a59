#include "platform/storecheck.h"
#include "platform/recordstore.h"
#include "platform/recordstoreschema.h"

#include <QDir>
#include <QFileInfo>

using namespace storeschema;

QString StoreReport::line() const
{
    switch (state) {
    case State::Ok:
        return QStringLiteral("%1: %2 rows, ok").arg(store).arg(rows);
    case State::Created:
        return QStringLiteral("%1: 0 rows, created empty").arg(store);
    case State::Older:
        return QStringLiteral("%1: %2 rows, version %3, upgraded when the program next opens it")
            .arg(store)
            .arg(rows)
            .arg(version);
    case State::Damaged:
        break;
    }
    return QStringLiteral("%1: DAMAGED (%2); left as it is").arg(store, problem);
}

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
    Expected<int> version = inspectReadOnly(def, path);
    if (!version)
        return damaged(version.message());
    report.version = *version;

    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return damaged(text);
    }
    sqlite3_busy_timeout(db, 10000);
    // integrity_check reads every page and every index entry: the full check, row by row.
    QStringList problems;
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check(20)", -1, &s, nullptr) == SQLITE_OK) {
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            problems << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
        if (rc != SQLITE_DONE)
            problems << QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        problems << QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_finalize(s);
    if (problems == QStringList { QStringLiteral("ok") }) {
        problems.clear();
        const QByteArray count = QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(def.store)).toUtf8();
        if (sqlite3_prepare_v2(db, count.constData(), -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
            report.rows = sqlite3_column_int64(s, 0);
        else
            problems << QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    if (!problems.isEmpty())
        return damaged(problems.join(QStringLiteral("; ")));
    if (report.state != StoreReport::State::Created)
        report.state = *version < RecordStore::kSchemaVersion ? StoreReport::State::Older : StoreReport::State::Ok;
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
