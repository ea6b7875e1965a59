// Walking the brew browse's list as a user does, with the buttons and the scroll bar of the real
// window: every brew of the tab's order is reached once, in order, whatever the tab, the stock
// filter or the shape of the keys (gaps, large batch numbers, repeated dates and scores).
#include "screens/brews/browsefixture.h"
#include "screens/guitestsupport.h"

#include "screens/brews/browsebrews.h"
#include "screens/windowing/pagedlistview.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>

using namespace browsetest;

namespace
{

enum class Shape { ProgramKits, OneLargeBatch, Uneven };

const char *shapeName(Shape s)
{
    switch (s) {
    case Shape::ProgramKits:
        return "66 kits";
    case Shape::OneLargeBatch:
        return "66 kits, one batch 1001";
    case Shape::Uneven:
        return "uneven keys";
    }
    return "";
}

std::vector<BrewRecord> brewsOf(Shape shape)
{
    std::vector<BrewRecord> brews;
    const date::Day start = date::fromYmd(2020, 1, 1);
    if (shape == Shape::Uneven) {
        for (int n = 1; n <= 240; ++n) {
            BrewRecord b;
            b.RECORDNUMBER = n + (n / 10) * 37; // gaps
            b.BATCHNUMBER = std::int16_t(n < 230 ? n * 3 : 20000 + n * 7); // a few far out
            b.BREWKIT = QStringLiteral("K%1").arg((n * 7919) % 97); // repeated kits
            b.DATEDOWN = start + n / 4; // four brews a day
            b.OVERALL = std::int16_t(n % 5 ? (n % 7) * 5 + 1 : 0); // repeated scores
            b.STOCKONHAND = n % 3 == 0 ? QStringLiteral("1") : QStringLiteral("0");
            brews.push_back(b);
        }
        return brews;
    }
    for (int n = 1; n <= 66; ++n) {
        BrewRecord b;
        b.RECORDNUMBER = n;
        b.BATCHNUMBER = std::int16_t(shape == Shape::OneLargeBatch && n == 66 ? 1001 : n);
        b.BREWKIT = QStringLiteral("Kit %1").arg(n);
        b.DATEDOWN = start + n * 3;
        b.OVERALL = std::int16_t(n % 4 ? 20 + n % 11 : 0);
        b.STOCKONHAND = n % 2 ? QStringLiteral("1") : QStringLiteral("0");
        brews.push_back(b);
    }
    return brews;
}

class BrowseWalkTest : public BrowseFixture
{
protected:
    std::unique_ptr<BrowseBrews> openBrowse()
    {
        auto browse = std::make_unique<BrowseBrews>(nullptr, &m_prompter, &m_calls);
        EXPECT_TRUE(browse->isOpen());
        browse->resize(900, 640);
        guitest::showActive(browse.get());
        return browse;
    }

    // The tab's order as the store gives it in one read.
    std::vector<int> storeOrder(BrowseTab tab, bool inStock)
    {
        std::vector<int> order;
        const auto page = m_table.readPage(BrowseBrewsLogic::tabKey(tab), Bound::edge(), Direction::Forward, 100000,
            inStock ? BrewsTable::inStockFilter() : Filter {});
        EXPECT_TRUE(page);
        for (const BrewRecord &b : page->rows)
            order.push_back(b.RECORDNUMBER);
        return order;
    }

    static QToolButton *navigation(BrowseBrews &browse, const char *text)
    {
        for (QToolButton *b : browse.findChildren<QToolButton *>())
            if (b->text() == QLatin1String(text))
                return b;
        ADD_FAILURE() << "no button " << text;
        return nullptr;
    }

    // Presses the button until the highlight stops moving; the highlighted brews in turn.
    static std::vector<int> press(BrowseBrews &browse, const char *text, int most)
    {
        std::vector<int> seen { browse.logic().selected()->RECORDNUMBER };
        QToolButton *button = navigation(browse, text);
        for (int i = 0; i < most; ++i) {
            button->click();
            const int now = browse.logic().selected()->RECORDNUMBER;
            if (now == seen.back())
                break;
            seen.push_back(now);
        }
        return seen;
    }

    ScriptedPrompter m_prompter;
    BrowseBrewsCalls m_calls;
};

} // namespace

TEST_F(BrowseWalkTest, ButtonsAndScrollBarReachEveryBrewOfEveryTab)
{
    for (const Shape shape : { Shape::ProgramKits, Shape::OneLargeBatch, Shape::Uneven }) {
        for (const BrewRecord &b : brewsOf(shape))
            insert(b);
        auto browse = openBrowse();
        for (int t = 0; t < BrowseBrewsLogic::kTabCount; ++t) {
            for (const bool inStock : { false, true }) {
                const BrowseTab tab = BrowseTab(t);
                SCOPED_TRACE(testing::Message() << shapeName(shape) << ", tab " << t << (inStock ? ", in stock" : ""));
                browse->findChild<QTabBar *>()->setCurrentIndex(t);
                for (QRadioButton *r : browse->findChildren<QRadioButton *>())
                    if (r->text() == (inStock ? QLatin1String(" In &stock only") : QLatin1String("View all bre&ws")))
                        r->click();
                guitest::settle();
                const std::vector<int> expected = storeOrder(tab, inStock);
                ASSERT_GT(expected.size(), 20u);
                ASSERT_EQ(browse->logic().count(), std::int64_t(expected.size()));

                navigation(*browse, "|<")->click();
                EXPECT_EQ(press(*browse, ">", int(expected.size()) + 5), expected);
                std::vector<int> back = press(*browse, "<", int(expected.size()) + 5);
                std::reverse(back.begin(), back.end());
                EXPECT_EQ(back, expected);

                // A page at a time: the list's top row moves a page on, nothing skipped.
                navigation(*browse, "|<")->click();
                const PagedListModel &model = browse->logic().model();
                std::vector<int> paged;
                for (int i = 0; i <= int(expected.size()) && paged.size() < expected.size(); ++i) {
                    for (int row = 0; row < model.rowCount(); ++row) {
                        const int record = std::get<std::int64_t>(model.primaryValue(model.row(row)));
                        if (std::find(paged.begin(), paged.end(), record) == paged.end())
                            paged.push_back(record);
                    }
                    navigation(*browse, ">>")->click();
                }
                EXPECT_EQ(paged, expected);

                // The scroll bar's arrow, a row at a time.
                navigation(*browse, "|<")->click();
                QScrollBar *bar = browse->listView()->scrollBar();
                std::vector<int> scrolled;
                for (int i = 0; i <= int(expected.size()); ++i) {
                    for (int row = 0; row < model.rowCount(); ++row) {
                        const int record = std::get<std::int64_t>(model.primaryValue(model.row(row)));
                        if (std::find(scrolled.begin(), scrolled.end(), record) == scrolled.end())
                            scrolled.push_back(record);
                    }
                    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                }
                EXPECT_EQ(scrolled, expected);
                EXPECT_EQ(bar->value(), bar->maximum());
            }
        }
        browse.reset();
        m_table.close();
        ASSERT_TRUE(RecordStore::removeStore(BrewsTable::definition(), m_dir.path()));
        ASSERT_TRUE(m_table.open());
    }
}
