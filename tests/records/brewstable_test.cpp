// The Brews table: numbering, write rules, keys and the browse's reads.
#include "tablefixture.h"

#include <QDir>
#include <sqlite3.h>

using namespace tabletest;

namespace
{

class Brews : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_brews.open(m_prompter)); }

    // A new brew as the edit form completes it: reserved, then written with the form's values.
    BrewRecord add(BrewRecord values)
    {
        BrewRecord seed;
        EXPECT_TRUE(m_brews.reserveNew(seed, m_prompter).ok());
        values.RECORDNUMBER = seed.RECORDNUMBER;
        if (values.BATCHNUMBER == -1)
            values.BATCHNUMBER = seed.BATCHNUMBER;
        if (values.STOCKONHAND.isEmpty())
            values.STOCKONHAND = QStringLiteral("1");
        const StoreResult r = m_brews.update(values, m_prompter, WriteKind::CompleteInsert);
        EXPECT_TRUE(r.ok()) << r.message.text.toStdString();
        return values;
    }
    static BrewRecord brew(std::int16_t batch, const char *kit = "", std::int16_t overall = 0)
    {
        BrewRecord b;
        b.BATCHNUMBER = batch;
        b.BREWKIT = QString::fromLatin1(kit);
        b.OVERALL = overall;
        return b;
    }
    BrewRecord fetched(std::int32_t recordNumber)
    {
        Expected<std::optional<BrewRecord>> b = m_brews.fetch(recordNumber);
        EXPECT_TRUE(b.ok() && b->has_value()) << recordNumber;
        return b.ok() && b->has_value() ? **b : BrewRecord {};
    }

    QTemporaryDir m_dir;
    BrewsTable m_brews { m_dir.path() };
    ScriptedPrompter m_prompter;
};

// Every field and memo, reserved ones included, with a value of its own.
BrewRecord everyFieldSet()
{
    BrewRecord b;
    b.BATCHNUMBER = 12;
    b.BREWKIT = QStringLiteral("Pale Ale 40 pints");
    b.WATERVOLUMELTR = dec("23.5");
    b.YEAST = QStringLiteral("Ale yeast 1098");
    b.BREWSUGARTYPE = QStringLiteral("Brewing sugar");
    b.BREWSUGARKG = dec("1.25");
    b.PRIMERSUGARTYPE = QStringLiteral("Dextrose");
    b.PRIMERSUGARKG = dec("0.12");
    b.ADDITIVE1 = QStringLiteral("Hops");
    b.ADDITIVE2 = QStringLiteral("Finings");
    b.ADDITIVE3 = QStringLiteral("Spray malt");
    b.ADDITIVE4 = QStringLiteral("Oak chips");
    b.ADDITIVE5 = QStringLiteral("Honey");
    b.DATEDOWN = 81000;
    b.ORIGINALGRAVITY = 1045;
    b.DATEBOTTLED = 81010;
    b.BREWTEMP = 20;
    b.FINALGRAVITY = 1010;
    b.BREWPERIOD = 10;
    b.BREWPERIOD2 = 14;
    b.MINUSE = 81030;
    b.MAXUSE = 81200;
    b.ESTIMATEDALC = dec("4.59");
    b.APPEARANCE = 6.5;
    b.AROMA = 7.25;
    b.TASTE = 30.5;
    b.OVERALL = 44;
    b.BREWBATCHNAME = QStringLiteral("Summer pale");
    b.BREWCOST = dec("28.04");
    b.SPAREDEC1 = dec("1.01");
    b.SPAREDEC2 = dec("-2.02");
    b.SPAREDEC3 = dec("99999.99");
    b.SPAREREAL1 = 1.5;
    b.SPAREREAL2 = -2.5;
    b.SPAREREAL3 = 1e-3;
    b.SPARELONG1 = 2147483647;
    b.SPARESHORT1 = -32768;
    b.SPARESHORT2 = 2;
    b.SPARESHORT3 = 3;
    b.SPARELONG2 = -5;
    b.SPARELONG3 = 6;
    b.SPAREBYTE1 = 255;
    b.SPAREBYTE2 = 2;
    b.SPAREBYTE3 = 3;
    b.SPAREBYTE4 = 4;
    b.SPAREBYTE5 = 5;
    b.SPARESTRG1 = QString(10, QLatin1Char('a'));
    b.SPARESTRG2 = QString(15, QLatin1Char('b'));
    b.SPARESTRG3 = QString(35, QLatin1Char('c'));
    b.SPARESTRG4 = QString(45, QLatin1Char('d'));
    b.SPARESTRG5 = QString(60, QLatin1Char('e'));
    b.SPAREFIELD1 = QStringLiteral("18 C");
    b.SPAREFIELD2 = QStringLiteral("19 C");
    b.SPAREFIELD3 = QStringLiteral("reserved");
    b.SPAREFIELD4 = QStringLiteral("3 months");
    b.STOCKONHAND = QStringLiteral("0");
    b.NOTES = QStringLiteral("Brief notes, with an accent: café.");
    b.NOTESBIG = QString(15000, QLatin1Char('x'));
    return b;
}

TEST_F(Brews, EveryFieldAndMemoIsStoredAndReadBack)
{
    const BrewRecord written = add(everyFieldSet());
    EXPECT_EQ(fetched(written.RECORDNUMBER), written);
    // Reopened through another handle: the values live in the file, not in the handle.
    BrewsTable other(m_dir.path());
    ASSERT_TRUE(other.open());
    EXPECT_EQ(**other.fetch(written.RECORDNUMBER), written);
}

TEST_F(Brews, NewBrewsTakeTheHighestNumbersPlusOne)
{
    BrewRecord seed;
    ASSERT_TRUE(m_brews.reserveNew(seed, m_prompter).ok());
    EXPECT_EQ(std::pair(seed.RECORDNUMBER, seed.BATCHNUMBER), (std::pair<std::int32_t, std::int16_t>(1, 1)))
        << "first brew of an empty table";
    for (int i = 2; i <= 7; ++i)
        add(brew(-1, "kit"));
    // Deleting the brew with the highest batch number frees that number.
    ASSERT_TRUE(m_brews.remove(7, m_prompter).ok());
    const BrewRecord next = add(brew(-1));
    EXPECT_EQ(std::pair(next.RECORDNUMBER, next.BATCHNUMBER), (std::pair<std::int32_t, std::int16_t>(7, 7)));

    // A copy of brew 7 gets new numbers; everything else, memos included, is brew 7's.
    BrewRecord seven = everyFieldSet();
    seven.RECORDNUMBER = 7;
    seven.BATCHNUMBER = 7;
    ASSERT_TRUE(m_brews.update(seven, m_prompter).ok());
    BrewRecord copy = fetched(7);
    ASSERT_TRUE(m_brews.reserveNew(copy, m_prompter).ok());
    BrewRecord expected = seven;
    expected.RECORDNUMBER = 8;
    expected.BATCHNUMBER = 8;
    EXPECT_EQ(copy, expected);
    EXPECT_EQ(fetched(8), expected);
    // An abandoned new brew is removed again.
    ASSERT_TRUE(m_brews.remove(8, m_prompter).ok());
    EXPECT_FALSE(m_brews.fetch(8)->has_value());
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(Brews, BatchNumberZeroMayRepeatTwelveMayNot)
{
    const BrewRecord a = add(brew(0)), b = add(brew(0)), c = add(brew(12));
    EXPECT_EQ(*m_brews.count(BrewKey::KeyRecord, false), 3);
    EXPECT_EQ(*m_brews.batchNumberInUse(12, a.RECORDNUMBER), true);
    EXPECT_EQ(*m_brews.batchNumberInUse(12, c.RECORDNUMBER), false);
    EXPECT_EQ(*m_brews.batchNumberInUse(0, a.RECORDNUMBER), false);

    // A new brew given batch 12 on the form: refused as an insert; the reserved row stays as it was.
    BrewRecord seed;
    ASSERT_TRUE(m_brews.reserveNew(seed, m_prompter).ok());
    BrewRecord d = brew(12);
    d.RECORDNUMBER = seed.RECORDNUMBER;
    d.STOCKONHAND = QStringLiteral("1");
    EXPECT_EQ(m_brews.update(d, m_prompter, WriteKind::CompleteInsert).status, StoreStatus::Duplicate);
    EXPECT_EQ(fetched(seed.RECORDNUMBER).BATCHNUMBER, seed.BATCHNUMBER);
    // A changed brew given batch 12: refused as an update.
    BrewRecord changed = b;
    changed.BATCHNUMBER = 12;
    EXPECT_EQ(m_brews.update(changed, m_prompter).status, StoreStatus::Duplicate);
    EXPECT_EQ(fetched(b.RECORDNUMBER), b);

    EXPECT_EQ(m_prompter.shown(),
        (std::vector<Message> { dupOnAdd("ALE:KeyBrewNumber"),
            { QStringLiteral("Record was not updated"),
                QStringLiteral("An error (Duplicate key ALE:KeyBrewNumber) was experienced when "
                               "making changes to the BREWSV3 file."),
                MessageIcon::Warning, {}, 1 } }));
}

TEST_F(Brews, WriteRulesForPrimingSugarAndStock)
{
    const Message range { QStringLiteral("Range Error"),
        QStringLiteral("The value of ALE:PrimerSugarKG must be in range 0 .. 100."), MessageIcon::Information, {}, 1 };
    const Message list { QStringLiteral("Value Error"),
        QStringLiteral("The value of ALE:StockOnHand must be in the list : 'Have Stock','Consumed'."),
        MessageIcon::Information, {}, 1 };
    struct Case {
        const char *primer;
        const char *stock;
        std::optional<Message> refusal;
    };
    const Case cases[] = {
        { "100.00", "1", {} },
        { "0", "0", {} },
        { "100.01", "1", range },
        { "-0.01", "1", range },
        { "1", "", list },
        { "1", "2", list },
        { "1", "10", list },
        { "-0.01", "2", range },
    };
    const BrewRecord stored = add(brew(1));
    for (const Case &c : cases) {
        m_prompter.clear();
        BrewRecord b = fetched(stored.RECORDNUMBER);
        b.PRIMERSUGARKG = dec(c.primer);
        b.STOCKONHAND = QString::fromLatin1(c.stock);
        const StoreResult r = m_brews.update(b, m_prompter);
        const std::string what = std::string(c.primer) + " / '" + c.stock + "'";
        if (!c.refusal) {
            EXPECT_TRUE(r.ok()) << what;
            EXPECT_EQ(fetched(stored.RECORDNUMBER).PRIMERSUGARKG, dec(c.primer)) << what;
            continue;
        }
        EXPECT_EQ(r.status, StoreStatus::Invalid) << what;
        EXPECT_EQ(m_prompter.shown(), std::vector<Message> { *c.refusal }) << what;
        EXPECT_EQ(m_brews.validate(b), c.refusal) << what;
    }
}

TEST_F(Brews, TheBrowseReadsEachKeyWithAndWithoutTheStockFilter)
{
    struct B {
        std::int16_t batch;
        const char *kit;
        date::Day down;
        std::int16_t overall;
        const char *cost;
        const char *stock;
    };
    const B rows[] = {
        { 5, "Pale Ale", 80000, 40, "20.00", "1" }, // 1
        { 0, "", 0, 0, "0", "1" }, // 2: in no key but record order
        { 9, "pale ale", 80500, 45, "15.50", "0" }, // 3
        { 2, "Bitter", 80500, 0, "20.00", "1" }, // 4
        { 7, "stout", 79000, 45, "0", "1" }, // 5
    };
    for (const B &r : rows) {
        BrewRecord b = brew(r.batch, r.kit, r.overall);
        b.DATEDOWN = r.down;
        b.BREWCOST = dec(r.cost);
        b.STOCKONHAND = QString::fromLatin1(r.stock);
        add(b);
    }
    using N = std::vector<std::int64_t>;
    struct Case {
        BrewKey key;
        N all;
        N inStock;
    };
    const Case cases[] = {
        { BrewKey::KeyRecord, { 1, 2, 3, 4, 5 }, { 1, 2, 4, 5 } },
        { BrewKey::KeyBrewNumber, { 3, 5, 1, 4 }, { 5, 1, 4 } },
        { BrewKey::ByDateKey, { 4, 3, 1, 5 }, { 4, 1, 5 } }, // latest first; same day: later record first
        { BrewKey::ByBrewKey, { 4, 1, 3, 5 }, { 4, 1, 5 } }, // case ignored: "Pale Ale" and "pale ale" tie
        { BrewKey::QualityKey, { 5, 3, 1 }, { 5, 1 } },
        { BrewKey::CostKey, { 3, 1, 4 }, { 1, 4 } },
    };
    for (const Case &c : cases) {
        for (bool inStock : { false, true }) {
            Expected<BrewsTable::Page> page = m_brews.readPage(c.key, Bound::edge(), Direction::Forward, 30, inStock);
            ASSERT_TRUE(page.ok()) << page.message().toStdString();
            EXPECT_EQ(recordNumbers(page->rows), inStock ? c.inStock : c.all) << int(c.key) << " " << inStock;
            EXPECT_EQ(*m_brews.count(c.key, inStock), std::int64_t((inStock ? c.inStock : c.all).size())) << int(c.key);
        }
    }
    // The locator: the first kit at or after the typed text, case ignored.
    Expected<BrewsTable::Page> located = m_brews.readPage(
        BrewKey::ByBrewKey, Bound::atOrAfter({ QStringLiteral("PALE") }), Direction::Forward, 30, false);
    EXPECT_EQ(recordNumbers(located->rows), (N { 1, 3, 5 }));
    // The in-stock filter as the browse writes it.
    Expected<Filter> parsed = Filter::parse(BrewsTable::definition(), QStringLiteral("(ALE:StockOnHand = 1)"));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(*m_brews.count(BrewKey::KeyRecord, *parsed), 4);
}

TEST_F(Brews, TwoWindowsChangingOneBrew)
{
    const BrewRecord b = add(brew(3, "Mild"));
    BrewsTable second(m_dir.path());
    ASSERT_TRUE(second.open());
    BrewRecord mine = fetched(b.RECORDNUMBER);
    BrewRecord theirs = **second.fetch(b.RECORDNUMBER);
    mine.BREWBATCHNAME = QStringLiteral("first window");
    theirs.BREWBATCHNAME = QStringLiteral("second window");
    ASSERT_TRUE(m_brews.update(mine, m_prompter).ok());
    ScriptedPrompter secondPrompter;
    EXPECT_EQ(second.update(theirs, secondPrompter).status, StoreStatus::Changed);
    EXPECT_EQ(secondPrompter.shown(),
        (std::vector<Message> { { QStringLiteral("Record Was Not Updated"),
            QStringLiteral("This record was changed by another station."), MessageIcon::Error, {}, 1 } }));
    EXPECT_EQ(fetched(b.RECORDNUMBER).BREWBATCHNAME, QStringLiteral("first window"));
    // The first window may go on changing the brew it wrote.
    mine.OVERALL = 30;
    EXPECT_TRUE(m_brews.update(mine, m_prompter).ok());
}

} // namespace

// A large log in which few brews carry a batch number: a filtered count then goes through the
// key's index, the others by one pass over the table; both must give the true count.
TEST(BrewsCount, FilteredCountsAgreeWhicheverWayTheyAreRead)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    {
        BrewsTable created { dir.path() };
        ASSERT_TRUE(created.open(prompter));
    }
    sqlite3 *db = nullptr;
    ASSERT_EQ(
        sqlite3_open(QDir(dir.path()).filePath(QStringLiteral("BREWSV3.sqlite")).toUtf8().constData(), &db), SQLITE_OK);
    // 6,000 brews; every 60th has a batch number; every third is in stock.
    ASSERT_EQ(sqlite3_exec(db,
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 6000) "
                  "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, STOCKONHAND) "
                  "SELECT i, CASE WHEN i % 60 = 0 THEN i / 60 ELSE 0 END, CASE WHEN i % 3 = 0 THEN '1' ELSE '0' END "
                  "FROM n",
                  nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);

    BrewsTable brews { dir.path() };
    ASSERT_TRUE(brews.open(prompter));
    EXPECT_EQ(*brews.count(BrewKey::KeyBrewNumber, false), 100);
    EXPECT_EQ(*brews.count(BrewKey::KeyBrewNumber, true), 100); // 60 is a multiple of 3
    EXPECT_EQ(*brews.count(BrewKey::KeyRecord, true), 2000);
    EXPECT_EQ(*brews.count(BrewKey::QualityKey, true), 0);
}
