// The kits, shopping and web-link tables.
#include "records/kitstable.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"
#include "tablefixture.h"

using namespace tabletest;

namespace
{

class Catalogues : public ::testing::Test
{
protected:
    template <class Table, class Record> Record add(Table &table, Record values)
    {
        Record seed;
        EXPECT_TRUE(table.reserve(seed, m_prompter).ok());
        values.RECORDNUMBER = seed.RECORDNUMBER;
        const StoreResult r = table.update(values, m_prompter, WriteKind::CompleteInsert);
        EXPECT_TRUE(r.ok()) << r.message.text.toStdString();
        return values;
    }
    template <class Table, class Key> std::vector<std::int64_t> listed(const Table &table, Key key)
    {
        auto page = table.readPage(key, Bound::edge(), Direction::Forward, 100);
        EXPECT_TRUE(page.ok());
        return page.ok() ? recordNumbers(page->rows) : std::vector<std::int64_t> {};
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

KitRecord kit(const char *name) { return { 0, QString::fromLatin1(name), {} }; }

TEST_F(Catalogues, KitNamesAreUniqueWhateverTheirCase)
{
    KitsTable kits(m_dir.path());
    ASSERT_TRUE(kits.open());
    const KitRecord bitter = add(kits, kit("Best Bitter"));
    EXPECT_EQ(bitter.RECORDNUMBER, 1.0);
    add(kits, kit("amber ale"));
    add(kits, kit(""));
    add(kits, kit("")); // any number of blank names, none of them listed
    EXPECT_EQ(*kits.countAll(), 4);
    EXPECT_EQ(listed(kits, KitKey::BrewKey), (std::vector<std::int64_t> { 2, 1 }));

    KitRecord again;
    ASSERT_TRUE(kits.reserve(again, m_prompter).ok());
    again.NAMEOFBREW = QStringLiteral("BEST BITTER");
    EXPECT_EQ(kits.update(again, m_prompter, WriteKind::CompleteInsert).status, StoreStatus::Duplicate);
    EXPECT_EQ(m_prompter.shown(), std::vector<Message> { dupOnAdd("BRW:BrewKey") });
    // Renaming a kit onto another's name is refused as an update.
    KitRecord renamed = **kits.fetch(KitKey::RecordKey, { 2.0 });
    renamed.NAMEOFBREW = QStringLiteral("best bitter");
    EXPECT_EQ(kits.update(renamed, m_prompter).status, StoreStatus::Duplicate);
    EXPECT_EQ(m_prompter.shown().back().caption, QStringLiteral("Record was not updated"));
}

TEST_F(Catalogues, DeletingAKitLeavesTheBrewsThatNameIt)
{
    KitsTable kits(m_dir.path());
    BrewsTable brews(m_dir.path());
    ASSERT_TRUE(kits.open());
    ASSERT_TRUE(brews.open());
    const KitRecord x = add(kits, kit("X"));
    BrewRecord b;
    ASSERT_TRUE(brews.reserveNew(b, m_prompter).ok());
    b.BREWKIT = QStringLiteral("X");
    b.STOCKONHAND = QStringLiteral("1");
    ASSERT_TRUE(brews.update(b, m_prompter, WriteKind::CompleteInsert).ok());
    ASSERT_TRUE(kits.remove(x, m_prompter).ok());
    EXPECT_EQ(*kits.countAll(), 0);
    EXPECT_EQ(**brews.fetch(b.RECORDNUMBER), b);
}

TEST_F(Catalogues, DeleteAllEmptiesTheShoppingListAndNumberingStartsAgain)
{
    {
        ShoppingTable shopping(m_dir.path());
        ASSERT_TRUE(shopping.open());
        for (const char *item : { "Hops", "Malt", "Yeast" })
            add(shopping,
                ShoppingRecord {
                    0, QString::fromLatin1(item), QStringLiteral("1 kg"), Decimal(1), dec("2.50"), dec("2.50"), {} });
        EXPECT_EQ(listed(shopping, ShoppingKey::KeyRecordNumber), (std::vector<std::int64_t> { 1, 2, 3 }));
        EXPECT_FALSE(ShoppingTable::removeStore(m_dir.path()).ok()) << "refused while the list is open";
    }
    ASSERT_TRUE(ShoppingTable::removeStore(m_dir.path()).ok());
    ShoppingTable shopping(m_dir.path());
    ASSERT_TRUE(shopping.open());
    EXPECT_EQ(*shopping.countAll(), 0);
    const ShoppingRecord first
        = add(shopping, ShoppingRecord { 0, QStringLiteral("Sugar"), {}, Decimal(1), {}, {}, {} });
    EXPECT_EQ(first.RECORDNUMBER, 1);
}

TEST_F(Catalogues, WebLinksListedByAddressUnlessBlank)
{
    WebLinksTable links(m_dir.path());
    ASSERT_TRUE(links.open());
    add(links, WebLinkRecord { 0, QStringLiteral("https://example.org/b"), QStringLiteral("Shop"), {} });
    add(links, WebLinkRecord { 0, QStringLiteral("https://example.org/a"), QString(), {} });
    add(links, WebLinkRecord { 0, QStringLiteral("https://example.org/b"), QStringLiteral("Same shop"), {} });
    add(links, WebLinkRecord { 0, QString(), QStringLiteral("No address"), {} });
    EXPECT_EQ(*links.countAll(), 4);
    EXPECT_EQ(listed(links, WebLinkKey::KeyWeb), (std::vector<std::int64_t> { 2, 1, 3 }));
    EXPECT_EQ(listed(links, WebLinkKey::KeyName), (std::vector<std::int64_t> { 4, 3, 1 }));
}

} // namespace
