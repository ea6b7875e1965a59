// Ordered reads of the record store: key order and exclusion, paging, locating, filtering,
// counting.
#include "storefixture.h"

using namespace storetest;

namespace
{

class StoreRead : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.open());
        // NUMBER, BATCH, NAME, SCORE, PRICE, FLAG
        for (Row r : { item(1, 3, QStringLiteral("pear"), 40, "2.50"),
                 item(2, 0, QStringLiteral("Apple"), 0, "0", QStringLiteral("0")), item(3, 7, QString(), 45, "1.00"),
                 item(4, 5, QStringLiteral("apple"), 40, "2.50", QStringLiteral("0")),
                 item(5, 0, QStringLiteral("Banana"), 12, "0.99"), item(6, 1, QStringLiteral("cherry"), 45, "0") })
            ASSERT_TRUE(m_store.insert(r, m_prompter).ok());
    }

    std::vector<std::int64_t> read(int key, const Bound &from, Direction dir, const Filter &filter = {})
    {
        Expected<Page> page = m_store.readPage(key, from, dir, 100, filter);
        EXPECT_TRUE(page.ok()) << page.message().toStdString();
        return page ? numbers(page->rows) : std::vector<std::int64_t> {};
    }

    Filter flagged() const { return Filter::equal(FLAG, QStringLiteral("1")); }

    QTemporaryDir m_dir;
    RecordStore m_store { itemsDef(), m_dir.path() };
    ScriptedPrompter m_prompter;
};

using Numbers = std::vector<std::int64_t>;

// Every key: blank and zero values left out; text without regard to case; descending keys
// highest first; ties by record number in the key's direction.
const std::vector<std::pair<int, Numbers>> kOrders = {
    { KeyNumber, { 1, 2, 3, 4, 5, 6 } },
    { KeyBatch, { 3, 4, 1, 6 } },
    { ByName, { 2, 4, 5, 6, 1 } },
    { ByScore, { 6, 3, 4, 1, 5 } },
    { ByPrice, { 5, 3, 1, 4 } },
};

TEST_F(StoreRead, EveryKeyLeavesOutBlankValuesAndReadsBothWays)
{
    for (const auto &[key, expected] : kOrders) {
        EXPECT_EQ(read(key, Bound::edge(), Direction::Forward), expected) << key;
        EXPECT_EQ(read(key, Bound::edge(), Direction::Backward), Numbers(expected.rbegin(), expected.rend())) << key;
        EXPECT_EQ(*m_store.count(key), std::int64_t(expected.size())) << key;
    }
    EXPECT_EQ(*m_store.countAll(), 6);
}

TEST_F(StoreRead, PagingByCursorVisitsEveryRowOnceInBothDirections)
{
    for (const auto &[key, expected] : kOrders)
        for (Direction dir : { Direction::Forward, Direction::Backward })
            for (int size : { 1, 2, 4 }) {
                Numbers seen;
                Bound from = Bound::edge();
                for (int guard = 0; guard < 10; ++guard) {
                    Expected<Page> page = m_store.readPage(key, from, dir, size);
                    ASSERT_TRUE(page.ok());
                    for (const Row &r : page->rows)
                        seen.push_back(num(r));
                    const bool last = seen.size() == expected.size();
                    EXPECT_EQ(page->atEnd, last) << key << " size " << size;
                    if (page->atEnd || page->rows.empty())
                        break;
                    from = Bound::after(m_store.cursorOf(key, page->rows.back()));
                }
                const Numbers want = dir == Direction::Forward ? expected : Numbers(expected.rbegin(), expected.rend());
                EXPECT_EQ(seen, want) << key << " size " << size;
            }
}

TEST_F(StoreRead, AtOrAfterAValueWithAndWithoutFilter)
{
    struct Case {
        int key;
        FieldValue value;
        Direction dir;
        bool filtered;
        Numbers expected;
    };
    const Case cases[] = {
        { ByName, QStringLiteral("b"), Direction::Forward, false, { 5, 6, 1 } },
        { ByName, QStringLiteral("B"), Direction::Forward, false, { 5, 6, 1 } },
        { ByName, QStringLiteral("apple"), Direction::Forward, false, { 2, 4, 5, 6, 1 } },
        { ByName, QStringLiteral("c"), Direction::Backward, false, { 5, 4, 2 } },
        { ByName, QStringLiteral("zz"), Direction::Forward, false, {} },
        { ByScore, std::int64_t(44), Direction::Forward, false, { 4, 1, 5 } },
        { ByScore, std::int64_t(44), Direction::Backward, false, { 3, 6 } },
        { KeyBatch, std::int64_t(4), Direction::Forward, false, { 1, 6 } },
        { ByPrice, dec("2.50"), Direction::Forward, false, { 1, 4 } },
        { ByName, QStringLiteral("a"), Direction::Forward, true, { 5, 6, 1 } },
        { ByScore, std::int64_t(45), Direction::Forward, true, { 6, 3, 1, 5 } },
        { KeyNumber, std::int64_t(4), Direction::Backward, true, { 3, 1 } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(read(c.key, Bound::atOrAfter({ c.value }), c.dir, c.filtered ? flagged() : Filter {}), c.expected)
            << c.key << " " << describe(c.value);
}

TEST_F(StoreRead, CountRunsTheKeyAndTheFilter)
{
    const std::pair<int, std::int64_t> expected[]
        = { { KeyNumber, 4 }, { KeyBatch, 3 }, { ByName, 3 }, { ByScore, 4 }, { ByPrice, 3 } };
    for (const auto &[key, n] : expected)
        EXPECT_EQ(*m_store.count(key, flagged()), n) << key;
}

TEST_F(StoreRead, FetchByKeyValue)
{
    Expected<std::optional<Row>> four = m_store.fetch(KeyNumber, { std::int64_t(4) });
    ASSERT_TRUE(four.ok() && four->has_value());
    EXPECT_EQ((**four).values, item(4, 5, QStringLiteral("apple"), 40, "2.50", QStringLiteral("0")).values);
    EXPECT_GT((**four).revision, 0);
    // The first of equal names in key order, whatever the case typed.
    EXPECT_EQ(num(**m_store.fetch(ByName, { QStringLiteral("APPLE") })), 2);
    // Zero is never in a key.
    EXPECT_FALSE(m_store.fetch(KeyBatch, { std::int64_t(0) })->has_value());
    EXPECT_FALSE(m_store.fetch(KeyNumber, { std::int64_t(99) })->has_value());
}

TEST(StoreFilter, ParsesConditionsJoinedByAnd)
{
    const TableDef def = itemsDef();
    Expected<Filter> f = Filter::parse(def, QStringLiteral("(ITM:Flag = 1)"));
    ASSERT_TRUE(f.ok()) << f.message().toStdString();
    ASSERT_EQ(f->conditions.size(), 1u);
    EXPECT_EQ(f->conditions[0].field, FLAG);
    EXPECT_EQ(f->conditions[0].value, FieldValue(QStringLiteral("1")));

    f = Filter::parse(def, QStringLiteral("ITM:BATCH >= 3 and BATCH <= 7 AND ITM:NAME <> 'a b'"));
    ASSERT_TRUE(f.ok()) << f.message().toStdString();
    ASSERT_EQ(f->conditions.size(), 3u);
    EXPECT_EQ(f->conditions[0].compare, Filter::Compare::GreaterOrEqual);
    EXPECT_EQ(f->conditions[1].value, FieldValue(std::int64_t(7)));
    EXPECT_EQ(f->conditions[2].value, FieldValue(QStringLiteral("a b")));

    const std::pair<const char *, const char *> bad[] = {
        { "(ITM:Flag = 1", "a parenthesis is not closed" },
        { "ITM:Colour = 1", "ITM:Colour is not a field of the table" },
        { "ITM:BATCH = x", "x is not a number" },
        { "ITM:BATCH = 1 OR ITM:BATCH = 2", "conditions are joined only by AND" },
        { "ITM:BATCH =", "a condition is incomplete" },
        { "ITM:BATCH ! 1", "! is not a comparison" },
    };
    for (const auto &[text, why] : bad) {
        Expected<Filter> r = Filter::parse(def, QString::fromLatin1(text));
        EXPECT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.message(),
            QStringLiteral("The filter %1 is not understood: %2.")
                .arg(QString::fromLatin1(text), QString::fromLatin1(why)));
    }
}

} // namespace
