// The brew list read a page at a time: whatever way the user moves, the rows shown are the
// table's rows in key order, none skipped or repeated, and the rows held stay bounded.
#include "screens/brews/browsefixture.h"

#include "screens/brews/brewlistmodel.h"

#include <QColor>
#include <algorithm>
#include <random>

using namespace browsetest;

namespace
{

[[maybe_unused]] void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

struct KeyCase {
    BrewKey key;
    bool inStockOnly;
};

// The key's order written out separately: value in the key's direction (kits case-blind),
// ties by record number in the same direction, zero or blank values left out.
std::vector<int> expectedOrder(const std::vector<BrewRecord> &brews, KeyCase c)
{
    struct Entry {
        QString text;
        long long number;
        int record;
    };
    std::vector<Entry> entries;
    bool descending = true;
    for (const BrewRecord &b : brews) {
        if (c.inStockOnly && b.STOCKONHAND != QLatin1String("1"))
            continue;
        Entry e { {}, 0, b.RECORDNUMBER };
        switch (c.key) {
        case BrewKey::KeyBrewNumber:
            e.number = b.BATCHNUMBER;
            break;
        case BrewKey::KeyRecord:
            e.number = b.RECORDNUMBER;
            descending = false;
            break;
        case BrewKey::ByBrewKey:
            e.text = b.BREWKIT.toLower();
            descending = false;
            break;
        case BrewKey::ByDateKey:
            e.number = b.DATEDOWN;
            break;
        case BrewKey::QualityKey:
            e.number = b.OVERALL;
            break;
        default:
            ADD_FAILURE() << "key not listed";
        }
        if (e.number == 0 && e.text.isEmpty())
            continue;
        entries.push_back(e);
    }
    std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        const auto ka = std::tie(a.text, a.number, a.record);
        const auto kb = std::tie(b.text, b.number, b.record);
        return descending ? kb < ka : ka < kb;
    });
    std::vector<int> records;
    for (const Entry &e : entries)
        records.push_back(e.record);
    return records;
}

class BrewListModelTest : public BrowseFixture
{
protected:
    // 150 brews with repeated kits, dates and scores, some without, about half consumed.
    void SetUp() override
    {
        BrowseFixture::SetUp();
        std::mt19937 random(7);
        const char *const kits[] = { "Stout", "stout", "Bitter", "IPA", "ipa", "Mild", "" };
        for (int n = 1; n <= 150; ++n) {
            BrewRecord b;
            b.RECORDNUMBER = n;
            b.BATCHNUMBER = std::int16_t(n % 10 == 0 ? 0 : 1000 - n);
            b.BREWKIT = QString::fromLatin1(kits[random() % 7]);
            b.DATEDOWN = random() % 5 == 0 ? 0 : date::fromYmd(2020, 1, 1) + int(random() % 40);
            b.OVERALL = std::int16_t(random() % 3 == 0 ? 0 : random() % 12);
            b.STOCKONHAND = random() % 2 ? QStringLiteral("1") : QStringLiteral("0");
            insert(b);
            m_brews.push_back(b);
        }
    }

    std::vector<int> shownRecords(const BrewListModel &model)
    {
        std::vector<int> records;
        for (int row = 0; row < model.rowCount(); ++row)
            records.push_back(model.record(row).RECORDNUMBER);
        return records;
    }

    std::vector<BrewRecord> m_brews;
};

const KeyCase kKeyCases[] = {
    { BrewKey::KeyBrewNumber, false },
    { BrewKey::KeyBrewNumber, true },
    { BrewKey::KeyRecord, false },
    { BrewKey::KeyRecord, true },
    { BrewKey::ByBrewKey, false },
    { BrewKey::ByBrewKey, true },
    { BrewKey::ByDateKey, false },
    { BrewKey::ByDateKey, true },
    { BrewKey::QualityKey, false },
    { BrewKey::QualityKey, true },
};

} // namespace

TEST_F(BrewListModelTest, EveryMoveShowsTheKeyOrderWithNothingSkippedOrRepeated)
{
    for (const KeyCase &c : kKeyCases) {
        SCOPED_TRACE(testing::Message() << "key " << int(c.key) << " in stock only " << c.inStockOnly);
        const std::vector<int> expected = expectedOrder(m_brews, c);
        BrewListModel model(m_table);
        ASSERT_TRUE(model.setVisibleRows(7));
        ASSERT_TRUE(model.setOrder(c.key, c.inStockOnly));
        EXPECT_EQ(model.count(), std::int64_t(expected.size()));
        const int window = std::min<int>(7, int(expected.size()));

        // Down one row at a time from the first row, then up again from the last.
        std::vector<int> seen = shownRecords(model);
        EXPECT_TRUE(model.atStart());
        while (true) {
            const Expected<int> moved = model.scroll(1);
            ASSERT_TRUE(moved);
            if (*moved == 0)
                break;
            seen.push_back(model.record(model.rowCount() - 1).RECORDNUMBER);
            EXPECT_LE(model.bufferedRows(), 7 + 2 * 16);
        }
        EXPECT_EQ(seen, expected);
        EXPECT_TRUE(model.atEnd());
        EXPECT_EQ(model.estimatedTop(), std::int64_t(expected.size()) - window);

        ASSERT_TRUE(model.toLast());
        std::vector<int> back = shownRecords(model);
        std::reverse(back.begin(), back.end());
        while (true) {
            const Expected<int> moved = model.scroll(-1);
            ASSERT_TRUE(moved);
            if (*moved == 0)
                break;
            back.push_back(model.record(0).RECORDNUMBER);
        }
        std::reverse(back.begin(), back.end());
        EXPECT_EQ(back, expected);
        EXPECT_EQ(model.estimatedTop(), 0);

        // By pages of 5: the shown rows are always the next rows of the order.
        ASSERT_TRUE(model.toFirst());
        std::size_t top = 0;
        while (true) {
            const std::vector<int> shown = shownRecords(model);
            EXPECT_EQ(
                shown, std::vector<int>(expected.begin() + long(top), expected.begin() + long(top + shown.size())));
            const Expected<int> moved = model.scroll(5);
            ASSERT_TRUE(moved);
            if (*moved == 0)
                break;
            top += std::size_t(*moved);
        }
        EXPECT_EQ(top + std::size_t(window), expected.size());
    }
}

TEST_F(BrewListModelTest, ShowingARecordPutsItOnTheAskedLine)
{
    for (const KeyCase &c : kKeyCases) {
        SCOPED_TRACE(testing::Message() << "key " << int(c.key) << " in stock only " << c.inStockOnly);
        const std::vector<int> expected = expectedOrder(m_brews, c);
        BrewListModel model(m_table);
        ASSERT_TRUE(model.setVisibleRows(9));
        ASSERT_TRUE(model.setOrder(c.key, c.inStockOnly));
        for (const std::size_t at : { std::size_t(0), std::size_t(3), expected.size() / 2, expected.size() - 1 }) {
            const BrewRecord &target = m_brews[std::size_t(expected[at] - 1)];
            const Expected<int> row = model.showRecord(target, 4);
            ASSERT_TRUE(row);
            EXPECT_EQ(model.record(*row).RECORDNUMBER, target.RECORDNUMBER);
            // On line 4 unless the list's start or end keeps it from there.
            const int line = int(std::min<std::size_t>(at, 4));
            const int fromEnd = int(expected.size() - at);
            EXPECT_EQ(*row, fromEnd < 9 - line ? 9 - fromEnd : line);
        }
    }
}

TEST_F(BrewListModelTest, TheScrollBarPlaceFollowsTheList)
{
    BrewListModel model(m_table);
    ASSERT_TRUE(model.setVisibleRows(10));
    ASSERT_TRUE(model.setOrder(BrewKey::KeyRecord, false));
    EXPECT_EQ(model.estimatedTop(), 0);
    ASSERT_TRUE(model.scroll(25));
    EXPECT_EQ(model.estimatedTop(), 25);
    // Record numbers run evenly, so the middle of the bar is the middle of the list.
    ASSERT_TRUE(model.toFraction(0.5));
    EXPECT_EQ(model.record(0).RECORDNUMBER, 71);
    EXPECT_EQ(model.estimatedTop(), 70);
    ASSERT_TRUE(model.toFraction(1.0));
    EXPECT_TRUE(model.atEnd());
    EXPECT_EQ(model.estimatedTop(), 140);
    EXPECT_EQ(model.record(9).RECORDNUMBER, 150);
}

TEST_F(BrewListModelTest, RowsShowTheirColumnsAndStockColours)
{
    m_table.close();
    QTemporaryDir other;
    BrewsTable table(other.path());
    ASSERT_TRUE(table.open());
    ScriptedPrompter prompter;
    BrewRecord inStock = makeBrew({ 1, 7, "Stout", date::fromYmd(2024, 3, 9), "1" });
    BrewRecord consumed = makeBrew({ 2, 0, "Bitter", 0, "0" });
    ASSERT_TRUE(table.insert(inStock, prompter));
    ASSERT_TRUE(table.insert(consumed, prompter));
    BrewListModel model(table);
    ASSERT_TRUE(model.setOrder(BrewKey::KeyRecord, false));
    ASSERT_EQ(model.rowCount(), 2);

    const auto cell = [&](int row, int column, int role) { return model.data(model.index(row, column), role); };
    EXPECT_EQ(cell(0, 0, Qt::DisplayRole).toString(), QStringLiteral("7"));
    EXPECT_EQ(cell(0, 1, Qt::DisplayRole).toString(), QStringLiteral("Stout"));
    EXPECT_EQ(cell(0, 2, Qt::DisplayRole).toString(), date::shortText(date::fromYmd(2024, 3, 9)));
    EXPECT_EQ(cell(1, 0, Qt::DisplayRole).toString(), QString()); // blank when 0
    EXPECT_EQ(cell(1, 2, Qt::DisplayRole).toString(), QString());
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(cell(0, column, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
        EXPECT_EQ(cell(1, column, Qt::ForegroundRole).value<QColor>(), QColor(128, 128, 128));
    }
    const auto alignment = [&](int column) {
        return Qt::Alignment(cell(0, column, Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(0), Qt::AlignRight);
    EXPECT_EQ(alignment(1), Qt::AlignLeft);
    EXPECT_EQ(alignment(2), Qt::AlignRight);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Batch Number"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Brew Kit"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Date Down"));
}

TEST(ColumnLayout, FormatRoundTripAndDamagedTexts)
{
    const std::vector<ListColumn> &columns = BrewListModel::listColumns();
    EXPECT_EQ(
        BrewListModel::designedColumnFormat(), QStringLiteral("BATCHNUMBER:100@N4B|BREWKIT:220@S45|DATEDOWN:90@D017B"));
    ColumnLayout moved;
    moved.order = { 2, 0, 1 };
    moved.widths = { 60, 300, 111 };
    EXPECT_EQ(moved.toFormat(columns), QStringLiteral("DATEDOWN:111@D017B|BATCHNUMBER:60@N4B|BREWKIT:300@S45"));
    EXPECT_EQ(ColumnLayout::fromFormat(moved.toFormat(columns), columns), moved);

    for (const char *damaged :
        { "", "@", "BATCHNUMBER:80@N4B|BREWKIT:220@S45", "BATCHNUMBER:80@N4B|BATCHNUMBER:220@S45|DATEDOWN:90@D017B",
            "BATCHNUMBER:0@N4B|BREWKIT:220@S45|DATEDOWN:90@D017B", "BATCHNUMBER:80|BREWKIT:220@S45|DATEDOWN:90@D017B",
            "YEAST:80@N4B|BREWKIT:220@S45|DATEDOWN:90@D017B", "BATCHNUMBER:-5@N4B|BREWKIT:220@S45|DATEDOWN:90@D017B" })
        EXPECT_FALSE(ColumnLayout::fromFormat(QString::fromLatin1(damaged), columns)) << damaged;
}
