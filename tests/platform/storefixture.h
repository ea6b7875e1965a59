#pragma once
// A small table that has every kind of field and key the record store handles, and a
// temporary data folder for it.

#include "platform/recordstore.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace storetest
{

// ITEMS, prefix ITM: NUMBER (primary, auto-numbered), BATCH (unique, descending,
// auto-numbered), NAME (text, A to Z), SCORE (descending), PRICE (decimal), FLAG ("1"/"0"),
// QTY (0 .. 100), NOTE (memo).
enum Field { NUMBER, BATCH, NAME, SCORE, PRICE, FLAG, QTY, NOTE };
enum Key { KeyNumber, KeyBatch, ByName, ByScore, ByPrice };

inline TableDef itemsDef()
{
    TableDef def;
    def.store = QStringLiteral("ITEMS");
    def.prefix = QStringLiteral("ITM");
    FieldDef flag = FieldDef::stringField(QStringLiteral("FLAG"), 5);
    flag.rule = { FieldRule::Kind::List, QStringLiteral("ITM:Flag"), {}, {}, QStringLiteral("]1[]0["),
        QStringLiteral("'Yes','No'") };
    FieldDef qty = FieldDef::decimalField(QStringLiteral("QTY"), 5, 2);
    qty.rule = { FieldRule::Kind::Range, QStringLiteral("ITM:Qty"), Decimal(0), Decimal(100), {},
        QStringLiteral("0 .. 100") };
    def.fields = { FieldDef::longField(QStringLiteral("NUMBER")), FieldDef::shortField(QStringLiteral("BATCH")),
        FieldDef::stringField(QStringLiteral("NAME"), 10), FieldDef::shortField(QStringLiteral("SCORE")),
        FieldDef::decimalField(QStringLiteral("PRICE"), 7, 2), flag, qty,
        FieldDef::memoField(QStringLiteral("NOTE"), 50) };
    def.keys = { { QStringLiteral("KeyNumber"), { { NUMBER, false } }, true, true, true },
        { QStringLiteral("KeyBatch"), { { BATCH, true } }, true, false, true },
        { QStringLiteral("ByName"), { { NAME, false } }, false, false, false },
        { QStringLiteral("ByScore"), { { SCORE, true } }, false, false, false },
        { QStringLiteral("ByPrice"), { { PRICE, false } }, false, false, false } };
    def.subsets = { { QStringLiteral("Flagged"), FLAG, QStringLiteral("1") } };
    return def;
}

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

inline Row item(std::int64_t number, std::int64_t batch, const QString &name, std::int64_t score,
    const char *price = "0", const QString &flag = QStringLiteral("1"))
{
    return Row { { number, batch, name, score, dec(price), flag, Decimal(1), QString() }, 0 };
}

inline std::int64_t num(const Row &row) { return std::get<std::int64_t>(row.values[NUMBER]); }

inline std::vector<std::int64_t> numbers(const std::vector<Row> &rows)
{
    std::vector<std::int64_t> out;
    for (const Row &r : rows)
        out.push_back(num(r));
    return out;
}

inline std::string describe(const FieldValue &v)
{
    return std::visit(
        [](const auto &x) -> std::string {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, QString>)
                return x.toStdString();
            else if constexpr (std::is_same_v<T, Decimal>)
                return x.toPlainText().toStdString();
            else
                return std::to_string(x);
        },
        v);
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs SQL on a file with SQLite directly, as an outside tool would.
inline void sql(const QString &path, const char *text)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char *err = nullptr;
    const int rc = sqlite3_exec(db, text, nullptr, nullptr, &err);
    EXPECT_EQ(rc, SQLITE_OK) << (err ? err : "") << " in " << text;
    sqlite3_free(err);
    sqlite3_close(db);
}

inline std::int64_t sqlInt(const QString &path, const char *text)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *s = nullptr;
    std::int64_t v = -1;
    if (sqlite3_prepare_v2(db, text, -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
        v = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    sqlite3_close(db);
    return v;
}

// The store as an earlier version of the program wrote it: the fields, no revisions.
inline const char *kVersion0 = "CREATE TABLE ITEMS (NUMBER INTEGER, BATCH INTEGER, NAME VARCHAR(10), SCORE INTEGER,"
                               " PRICE DECIMAL(7,2), FLAG VARCHAR(5), QTY DECIMAL(5,2), NOTE TEXT);"
                               "INSERT INTO ITEMS VALUES (1, 1, 'one', 10, 1.5, '1', 1, 'first');"
                               "INSERT INTO ITEMS VALUES (2, 2, 'two', 20, 2.5, '0', 1, '');"
                               "INSERT INTO ITEMS VALUES (3, 0, 'three', 0, 0, '1', 1, 'third');";

} // namespace storetest
