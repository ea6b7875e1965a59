// Brews that another tool wrote with values beyond their fields' types: each is read as it is
// stored (the record holds the nearest value and names the field), found by its key, paged over
// like any other brew, and never written back narrowed.
#include "tablefixture.h"

#include <sqlite3.h>

using namespace tabletest;

namespace
{

void sql(const QString &path, const char *text)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char *err = nullptr;
    EXPECT_EQ(sqlite3_exec(db, text, nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "");
    sqlite3_free(err);
    sqlite3_close(db);
}

class OddBrews : public ::testing::Test
{
protected:
    void SetUp() override
    {
        {
            BrewsTable brews(m_dir.path());
            ASSERT_TRUE(brews.open());
        }
        // Forty ordinary brews, then the odd ones.
        sql(path(),
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
            "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, BREWKIT, DATEDOWN, OVERALL, BREWCOST, STOCKONHAND) "
            "SELECT i, i, 'Kit ' || i, 80000 + i, i % 50 + 1, i, '1' FROM n;"
            "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, BREWKIT, DATEDOWN, OVERALL, BREWPERIOD, ESTIMATEDALC, "
            "BREWCOST, STOCKONHAND) VALUES "
            "(41, 70000, 'Odd batch', 80100, 99999, 300, 1e300, 12.5, '1'),"
            "(42, 'abc', 'Text batch', 99999999, 7, 44, 4.5, 1e300, '1'),"
            "(43, -5, 'Negative', 80050, -3, -5, 4.5, 3, '1'),"
            "(5000000000, 50, 'Big record', 80060, 8, 1, 4.5, 4, '1'),"
            "('xyz', 51, 'Text record', 80070, 9, 1, 4.5, 5, '1')");
        ASSERT_TRUE(m_brews.open(m_prompter));
    }
    QString path() const { return m_brews.store().filePath(); }

    // Every brew of a key, read a page at a time through cursors taken from the records.
    std::vector<QString> walk(BrewKey key, Direction direction)
    {
        std::vector<QString> kits;
        Bound from = Bound::edge();
        for (int guard = 0; guard < 100; ++guard) {
            Expected<BrewsTable::Page> page = m_brews.readPage(key, from, direction, 7, false);
            EXPECT_TRUE(page.ok()) << page.message().toStdString();
            if (!page)
                break;
            for (const BrewRecord &b : page->rows)
                kits.push_back(b.BREWKIT);
            if (page->atEnd || page->rows.empty())
                break;
            from = Bound::after(m_brews.cursorOf(key, page->rows.back()));
        }
        return kits;
    }

    QTemporaryDir m_dir;
    BrewsTable m_brews { m_dir.path() };
    ScriptedPrompter m_prompter;
};

TEST_F(OddBrews, EveryKeyPagesOverThemOnceEachWayAndCountsThem)
{
    for (BrewKey key : { BrewKey::KeyRecord, BrewKey::KeyBrewNumber, BrewKey::ByDateKey, BrewKey::ByBrewKey,
             BrewKey::QualityKey, BrewKey::CostKey }) {
        const std::vector<QString> forward = walk(key, Direction::Forward);
        std::vector<QString> backward = walk(key, Direction::Backward);
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(forward, backward) << int(key);
        EXPECT_EQ(std::int64_t(forward.size()), *m_brews.count(key, false)) << int(key);
        std::vector<QString> sorted = forward;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "a brew twice, key " << int(key);
        EXPECT_EQ(forward.size(), 45u) << int(key);
    }
}

TEST_F(OddBrews, ValuesAreHeldAtTheNearestLimitNamedAndNeverNarrowedOnWrite)
{
    std::map<QString, BrewRecord> byKit;
    const Expected<BrewsTable::Page> all
        = m_brews.readPage(BrewKey::ByBrewKey, Bound::edge(), Direction::Forward, 60, false);
    ASSERT_TRUE(all.ok());
    for (const BrewRecord &b : all->rows)
        byKit[b.BREWKIT] = b;
    const BrewRecord odd = byKit[QStringLiteral("Odd batch")];
    EXPECT_EQ(odd.BATCHNUMBER, 32767);
    EXPECT_EQ(odd.OVERALL, 32767);
    EXPECT_EQ(odd.BREWPERIOD, 255);
    EXPECT_EQ(m_brews.unfitFields(odd),
        (QStringList { QStringLiteral("ALE:BATCHNUMBER"), QStringLiteral("ALE:BREWPERIOD"),
            QStringLiteral("ALE:ESTIMATEDALC"), QStringLiteral("ALE:OVERALL") }));
    EXPECT_EQ(byKit[QStringLiteral("Negative")].BATCHNUMBER, -5);
    EXPECT_EQ(byKit[QStringLiteral("Negative")].BREWPERIOD, 0);
    EXPECT_EQ(byKit[QStringLiteral("Text batch")].BATCHNUMBER, 0);
    EXPECT_EQ(byKit[QStringLiteral("Text batch")].DATEDOWN, 99999999);
    EXPECT_EQ(byKit[QStringLiteral("Big record")].RECORDNUMBER, 2147483647);

    // Found again by what it holds, whatever its record number.
    for (const char *kit : { "Big record", "Text record", "Odd batch" }) {
        Expected<std::optional<BrewRecord>> again = m_brews.fetch(byKit[QString::fromLatin1(kit)]);
        ASSERT_TRUE(again.ok() && again->has_value()) << kit;
        EXPECT_EQ((*again)->BREWKIT, QString::fromLatin1(kit));
    }

    // A save that leaves the odd field alone is refused by the field's range, not narrowed.
    BrewRecord changed = **m_brews.fetch(odd);
    changed.BREWBATCHNAME = QStringLiteral("renamed");
    EXPECT_EQ(m_brews.update(changed, m_prompter).status, StoreStatus::Invalid);
    EXPECT_EQ(m_prompter.shown().back().caption, QStringLiteral("Range Error"));
    // Given a value that fits, it is saved.
    changed.BATCHNUMBER = 60;
    changed.OVERALL = 20;
    changed.BREWPERIOD = 30;
    changed.ESTIMATEDALC = Decimal(5);
    EXPECT_TRUE(m_brews.update(changed, m_prompter).ok());
    EXPECT_TRUE(m_brews.unfitFields(**m_brews.fetch(changed)).isEmpty());
}

} // namespace
