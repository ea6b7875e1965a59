// Writes to the record store: field checks, uniqueness, revisions, numbering by reservation.
#include "storefixture.h"

#include <thread>

using namespace storetest;

namespace
{

Message info(const char *caption, const QString &text)
{
    return { QString::fromLatin1(caption), text, MessageIcon::Information, {}, 1 };
}

class StoreWrite : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_store.open()); }

    Row stored(std::int64_t number)
    {
        Expected<std::optional<Row>> r = m_store.fetch(KeyNumber, { number });
        EXPECT_TRUE(r.ok() && r->has_value()) << number;
        return r.ok() && r->has_value() ? **r : Row {};
    }

    QTemporaryDir m_dir;
    RecordStore m_store { itemsDef(), m_dir.path() };
    ScriptedPrompter m_prompter;
};

TEST_F(StoreWrite, FieldChecksStopAtTheFirstFailingFieldAndWriteNothing)
{
    const QString flagList = QStringLiteral("The value of ITM:Flag must be in the list : 'Yes','No'.");
    const Message qtyRange = info("Range Error", QStringLiteral("The value of ITM:Qty must be in range 0 .. 100."));
    struct Case {
        const char *what;
        std::function<void(Row &)> change;
        std::optional<Message> refusal;
    };
    const Case cases[] = {
        { "qty 100.00", [](Row &r) { r.values[QTY] = dec("100.00"); }, {} },
        { "qty 0", [](Row &r) { r.values[QTY] = Decimal(0); }, {} },
        { "qty rounds to 100.00", [](Row &r) { r.values[QTY] = dec("100.004"); }, {} },
        { "qty 100.01", [](Row &r) { r.values[QTY] = dec("100.01"); }, qtyRange },
        { "qty -0.01", [](Row &r) { r.values[QTY] = dec("-0.01"); }, qtyRange },
        { "flag 0", [](Row &r) { r.values[FLAG] = QStringLiteral("0"); }, {} },
        { "flag 1 and spaces", [](Row &r) { r.values[FLAG] = QStringLiteral("1    "); }, {} },
        { "flag blank", [](Row &r) { r.values[FLAG] = QString(); }, info("Value Error", flagList) },
        { "flag 2", [](Row &r) { r.values[FLAG] = QStringLiteral("2"); }, info("Value Error", flagList) },
        { "flag 10", [](Row &r) { r.values[FLAG] = QStringLiteral("10"); }, info("Value Error", flagList) },
        { "flag spanning two entries", [](Row &r) { r.values[FLAG] = QStringLiteral("1[]0"); },
            info("Value Error", flagList) },
        { "field order: flag before qty",
            [](Row &r) {
                r.values[FLAG] = QStringLiteral("2");
                r.values[QTY] = Decimal(200);
            },
            info("Value Error", flagList) },
        { "text wider than its field", [](Row &r) { r.values[NAME] = QStringLiteral("12345678901"); },
            info("Value Error", QStringLiteral("The value of ITM:NAME must be at most 10 characters long.")) },
        { "memo over capacity", [](Row &r) { r.values[NOTE] = QString(51, QLatin1Char('x')); },
            info("Value Error", QStringLiteral("The value of ITM:NOTE must be at most 50 characters long.")) },
        { "short out of range", [](Row &r) { r.values[SCORE] = std::int64_t(40000); },
            info("Range Error", QStringLiteral("The value of ITM:SCORE must be in range -32768 .. 32767.")) },
        { "decimal out of range", [](Row &r) { r.values[PRICE] = Decimal(100000); },
            info("Range Error", QStringLiteral("The value of ITM:PRICE must be in range -99999.99 .. 99999.99.")) },
        { "number given as text", [](Row &r) { r.values[SCORE] = QStringLiteral("many"); },
            info("Value Error", QStringLiteral("The value of ITM:SCORE must be a number.")) },
    };
    std::int64_t next = 1;
    for (const Case &c : cases) {
        m_prompter.clear();
        Row row = item(next, 0, QStringLiteral("x"), 1);
        c.change(row);
        const std::int64_t before = *m_store.countAll();
        const StoreResult r = m_store.insert(row, m_prompter);
        if (!c.refusal) {
            EXPECT_TRUE(r.ok()) << c.what << ": " << r.message.text.toStdString();
            EXPECT_TRUE(m_prompter.shown().empty()) << c.what;
            ++next;
            continue;
        }
        EXPECT_EQ(r.status, StoreStatus::Invalid) << c.what;
        EXPECT_EQ(m_prompter.shown(), std::vector<Message> { *c.refusal }) << c.what;
        EXPECT_EQ(*m_store.countAll(), before) << c.what;
        // An update is checked the same way and leaves the stored row as it was.
        Row first = stored(1);
        Row changed = first;
        c.change(changed);
        m_prompter.clear();
        EXPECT_EQ(m_store.update(changed, m_prompter).status, StoreStatus::Invalid) << c.what;
        EXPECT_EQ(stored(1), first) << c.what;
    }
}

TEST_F(StoreWrite, TextIsStoredWithoutTrailingSpacesAndDecimalsReadBackExactly)
{
    Row row = item(1, 0, QStringLiteral("  pear    "), 1, "12345.67");
    row.values[NOTE] = QStringLiteral("line one\nline two  ");
    ASSERT_TRUE(m_store.insert(row, m_prompter).ok());
    const Row back = stored(1);
    EXPECT_EQ(back.values[NAME], FieldValue(QStringLiteral("  pear")));
    EXPECT_EQ(back.values[NOTE], FieldValue(QStringLiteral("line one\nline two")));
    EXPECT_EQ(back.values[PRICE], FieldValue(dec("12345.67")));
    // A price of more places is stored rounded half away from zero.
    Row more = item(2, 0, QStringLiteral("x"), 1, "0.245");
    ASSERT_TRUE(m_store.insert(more, m_prompter).ok());
    EXPECT_EQ(stored(2).values[PRICE], FieldValue(dec("0.25")));
}

TEST_F(StoreWrite, UniqueKeysBindNonZeroValuesOnly)
{
    Row a = item(1, 0, QStringLiteral("a"), 1), b = item(2, 0, QStringLiteral("b"), 1),
        c = item(3, 12, QStringLiteral("c"), 1);
    ASSERT_TRUE(m_store.insert(a, m_prompter).ok());
    ASSERT_TRUE(m_store.insert(b, m_prompter).ok()) << "two rows with batch 0";
    ASSERT_TRUE(m_store.insert(c, m_prompter).ok());

    const Message addBatch { QStringLiteral("Duplicate Key Error"),
        QStringLiteral("Adding this record creates a duplicate entry for the key: ITM:KeyBatch"), MessageIcon::Warning,
        {}, 1 };
    Row d = item(4, 12, QStringLiteral("d"), 1);
    EXPECT_EQ(m_store.insert(d, m_prompter).status, StoreStatus::Duplicate);
    Row e = item(3, 0, QStringLiteral("e"), 1);
    EXPECT_EQ(m_store.insert(e, m_prompter).status, StoreStatus::Duplicate);
    Row changeB = stored(2);
    changeB.values[BATCH] = std::int64_t(12);
    changeB.values[NAME] = QStringLiteral("changed");
    EXPECT_EQ(m_store.update(changeB, m_prompter).status, StoreStatus::Duplicate);
    EXPECT_EQ(m_store.update(changeB, m_prompter, WriteKind::CompleteInsert).status, StoreStatus::Duplicate);

    const std::vector<Message> expected = {
        addBatch,
        { QStringLiteral("Duplicate Key Error"),
            QStringLiteral("Adding this record creates a duplicate entry for the key: ITM:KeyNumber"),
            MessageIcon::Warning, {}, 1 },
        { QStringLiteral("Record was not updated"),
            QStringLiteral(
                "An error (Duplicate key ITM:KeyBatch) was experienced when making changes to the ITEMS file."),
            MessageIcon::Warning, {}, 1 },
        addBatch,
    };
    EXPECT_EQ(m_prompter.shown(), expected);
    EXPECT_EQ(*m_store.countAll(), 3);
    EXPECT_EQ(stored(2).values[NAME], FieldValue(QStringLiteral("b")));
}

TEST_F(StoreWrite, AnUpdateOfARowChangedThroughAnotherHandleIsRefused)
{
    RecordStore other(itemsDef(), m_dir.path());
    ASSERT_TRUE(other.open());
    Row row = item(1, 1, QStringLiteral("a"), 1);
    ASSERT_TRUE(m_store.insert(row, m_prompter).ok());

    Row mine = stored(1);
    Row theirs = **other.fetch(KeyNumber, { std::int64_t(1) });
    theirs.values[NAME] = QStringLiteral("theirs");
    ASSERT_TRUE(other.update(theirs, m_prompter).ok());
    mine.values[NAME] = QStringLiteral("mine");
    const StoreResult r = m_store.update(mine, m_prompter);
    EXPECT_EQ(r.status, StoreStatus::Changed);
    EXPECT_EQ(m_prompter.shown(),
        (std::vector<Message> { { QStringLiteral("Record Was Not Updated"),
            QStringLiteral("This record was changed by another station."), MessageIcon::Error, {}, 1 } }));
    EXPECT_EQ(stored(1).values[NAME], FieldValue(QStringLiteral("theirs")));

    // Read again, the change goes through, and each write raises the revision.
    Row fresh = stored(1);
    fresh.values[NAME] = QStringLiteral("mine");
    const std::int64_t before = fresh.revision;
    ASSERT_TRUE(m_store.update(fresh, m_prompter).ok());
    EXPECT_GT(fresh.revision, before);
    EXPECT_EQ(stored(1).revision, fresh.revision);
}

TEST_F(StoreWrite, ARowThatReplacesADeletedOneIsNotTakenForIt)
{
    RecordStore other(itemsDef(), m_dir.path());
    ASSERT_TRUE(other.open());
    for (std::int64_t n : { 1, 2 }) {
        Row r = item(n, n, QStringLiteral("x"), 1);
        ASSERT_TRUE(m_store.insert(r, m_prompter).ok());
    }
    Row stale = stored(2);
    ASSERT_TRUE(other.remove(stale, m_prompter).ok());
    Row replacement = Row::blank(itemsDef());
    replacement.values[FLAG] = QStringLiteral("1");
    ASSERT_TRUE(other.reserve(replacement, m_prompter).ok());
    ASSERT_EQ(num(replacement), 2) << "the freed number is reused";

    stale.values[NAME] = QStringLiteral("stale");
    EXPECT_EQ(m_store.update(stale, m_prompter).status, StoreStatus::Changed);
    EXPECT_EQ(stored(2).values[NAME], FieldValue(QString()));
}

TEST_F(StoreWrite, NumberingTakesTheHighestPlusOneOfEachAutoNumberedKey)
{
    using Pair = std::pair<std::int64_t, std::int64_t>;
    auto reserve = [&](Row seed) {
        EXPECT_TRUE(m_store.reserve(seed, m_prompter).ok());
        return std::pair(num(seed), std::get<std::int64_t>(seed.values[BATCH]));
    };
    const Row blank = Row::blank(itemsDef());
    EXPECT_EQ(reserve(blank), (Pair { 1, 1 })) << "first row of an empty table";
    Row high = item(10, 20, QStringLiteral("h"), 1);
    ASSERT_TRUE(m_store.insert(high, m_prompter).ok());
    EXPECT_EQ(reserve(blank), (Pair { 11, 21 }));
    ASSERT_TRUE(m_store.remove(stored(11), m_prompter).ok());
    ASSERT_TRUE(m_store.remove(stored(10), m_prompter).ok());
    EXPECT_EQ(reserve(blank), (Pair { 2, 2 })) << "numbers of deleted highest rows reused";

    // A copy keeps every other field, memo included.
    Row copy = item(1, 1, QStringLiteral("copied"), 33, "4.50");
    copy.values[NOTE] = QStringLiteral("notes travel with the copy");
    copy.values[QTY] = dec("2.25");
    Row expected = copy;
    ASSERT_TRUE(m_store.reserve(copy, m_prompter).ok());
    expected.values[NUMBER] = std::int64_t(3);
    expected.values[BATCH] = std::int64_t(3);
    EXPECT_EQ(stored(3).values, expected.values);
    EXPECT_TRUE(m_prompter.shown().empty());
}

const QString kNumberingQuestion = QStringLiteral(
    "Attempts to automatically number this record have failed.|File: ITEMS|Key: %1|Error: %2.|Try Again?");

TEST_F(StoreWrite, NumberingRetriesThreeTimesThenAsks)
{
    RecordStore other(itemsDef(), m_dir.path());
    ASSERT_TRUE(other.open());
    // Another writer takes the computed number between computing and writing, `clashes` times.
    int clashes = 4;
    std::vector<int> attempts;
    m_store.setReserveHook([&](int attempt) {
        attempts.push_back(attempt);
        if (clashes-- > 0) {
            Row thief = item(*m_store.count(KeyNumber) + 1, 0, QStringLiteral("thief"), 1);
            ASSERT_TRUE(other.insert(thief, m_prompter).ok());
        }
    });
    m_prompter.answer(1); // Yes: try again
    Row seed = Row::blank(itemsDef());
    ASSERT_TRUE(m_store.reserve(seed, m_prompter).ok());
    EXPECT_EQ(attempts, (std::vector<int> { 1, 2, 3, 1, 2 }));
    EXPECT_EQ(num(seed), 5);
    const Message question { QStringLiteral("Auto Increment Error"),
        kNumberingQuestion.arg(QStringLiteral("ITM:KeyNumber"), QStringLiteral("Duplicate key ITM:KeyNumber")),
        MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
    EXPECT_EQ(m_prompter.shown(), std::vector<Message> { question });

    // No abandons the new row.
    clashes = 3;
    attempts.clear();
    m_prompter.clear();
    m_prompter.answer(2);
    Row abandoned = Row::blank(itemsDef());
    EXPECT_EQ(m_store.reserve(abandoned, m_prompter).status, StoreStatus::Abandoned);
    EXPECT_EQ(attempts, (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(m_prompter.shown(), std::vector<Message> { question });
    EXPECT_EQ(*m_store.countAll(), 8) << "five kept rows and three taken by the other writer";
}

TEST_F(StoreWrite, NumberingAsksWhenTheFieldHoldsNoHigherNumber)
{
    Row top = item(1, 32767, QStringLiteral("top"), 1);
    ASSERT_TRUE(m_store.insert(top, m_prompter).ok());
    m_prompter.answer(2);
    Row seed = Row::blank(itemsDef());
    EXPECT_EQ(m_store.reserve(seed, m_prompter).status, StoreStatus::Abandoned);
    EXPECT_EQ(m_prompter.shown(),
        (std::vector<Message> { { QStringLiteral("Auto Increment Error"),
            kNumberingQuestion.arg(
                QStringLiteral("ITM:KeyBatch"), QStringLiteral("ITM:BATCH holds no number above 32767")),
            MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 } }));
    EXPECT_EQ(*m_store.countAll(), 1);
}

TEST_F(StoreWrite, HandlesOnTwoThreadsNumberRowsWithoutClashing)
{
    constexpr int kEach = 40;
    auto work = [&](int *failures) {
        RecordStore mine(itemsDef(), m_dir.path());
        ScriptedPrompter quiet;
        if (!mine.open()) {
            *failures = kEach;
            return;
        }
        for (int i = 0; i < kEach; ++i) {
            quiet.answer(1);
            Row seed = Row::blank(itemsDef());
            if (!mine.reserve(seed, quiet).ok())
                ++*failures;
        }
    };
    int failA = 0, failB = 0;
    std::thread a(work, &failA), b(work, &failB);
    a.join();
    b.join();
    EXPECT_EQ(failA + failB, 0);
    Expected<Page> all = m_store.readPage(KeyNumber, Bound::edge(), Direction::Forward, 1000);
    ASSERT_TRUE(all.ok());
    ASSERT_EQ(all->rows.size(), std::size_t(2 * kEach));
    for (int i = 0; i < 2 * kEach; ++i) {
        EXPECT_EQ(num(all->rows[i]), i + 1);
        EXPECT_EQ(std::get<std::int64_t>(all->rows[i].values[BATCH]), i + 1)
            << "batch numbers as dense as record numbers";
    }
}

TEST_F(StoreWrite, DeletingARowThatIsGoneSaysSo)
{
    Row row = item(1, 1, QStringLiteral("a"), 1);
    ASSERT_TRUE(m_store.insert(row, m_prompter).ok());
    ASSERT_TRUE(m_store.remove(row, m_prompter).ok());
    EXPECT_EQ(*m_store.countAll(), 0);
    EXPECT_EQ(m_store.remove(row, m_prompter).status, StoreStatus::Changed);
    EXPECT_EQ(m_prompter.shown(),
        (std::vector<Message> { { QStringLiteral("Record Was Not Deleted"),
            QStringLiteral("This record was changed by another station."), MessageIcon::Error, {}, 1 } }));
}

} // namespace
