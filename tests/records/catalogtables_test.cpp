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
    EXPECT_EQ(*kits.names(), (QStringList { "amber ale", "Best Bitter" })) << "the brew form's choices";

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

TEST_F(Catalogues, DeleteAllEmptiesTheShoppingListAtOnceAndNumberingStartsAgain)
{
    ShoppingTable shopping(m_dir.path());
    ShoppingTable report(m_dir.path()); // a shopping-list report reading on a handle of its own
    ASSERT_TRUE(shopping.open());
    ASSERT_TRUE(report.open());
    for (const char *item : { "Hops", "Malt", "Yeast", "Sugar", "Finings" })
        add(shopping,
            ShoppingRecord {
                0, QString::fromLatin1(item), QStringLiteral("1 kg"), Decimal(1), dec("2.50"), dec("2.50") });
    auto firstPage = report.readPage(ShoppingKey::KeyRecordNumber, Bound::edge(), Direction::Forward, 2);
    ASSERT_TRUE(firstPage.ok());

    ASSERT_TRUE(shopping.removeAll().ok()) << "the open report does not stand in the way";
    EXPECT_EQ(*shopping.countAll(), 0);
    EXPECT_EQ(*report.countAll(), 0);
    auto rest = report.readPage(ShoppingKey::KeyRecordNumber,
        Bound::after(report.cursorOf(ShoppingKey::KeyRecordNumber, firstPage->rows.back())), Direction::Forward, 10);
    ASSERT_TRUE(rest.ok());
    EXPECT_TRUE(rest->rows.empty()) << "never half a list";
    const ShoppingRecord first
        = add(shopping, ShoppingRecord { 0, QStringLiteral("Sugar"), {}, Decimal(1), {}, {}, {} });
    EXPECT_EQ(first.RECORDNUMBER, 1);

    shopping.close();
    EXPECT_FALSE(shopping.removeAll().ok()) << "a closed handle removes nothing";
    EXPECT_EQ(*report.countAll(), 1);
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
