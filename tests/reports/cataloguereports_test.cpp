// The catalogue reports laid out over real tables in a scratch folder: the shopping list's totals
// line and its page break, the order of kits and links, and what a report leaves out.

#include "platform/prompter.h"
#include "records/kitstable.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"
#include "reports/cataloguereports.h"
#include "reports/reportcatalogue.h"
#include "reports/reportrun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

class CatalogueReports : public ::testing::Test
{
protected:
    template <class Table, class R> void add(R record)
    {
        Table table(m_dir.path());
        ASSERT_TRUE(table.open().ok());
        ASSERT_TRUE(table.insert(record, m_prompter).ok());
    }
    void item(const char *name, const char *qty, const char *price, const char *amount)
    {
        add<ShoppingTable>(
            ShoppingRecord { 0, QString::fromLatin1(name), QStringLiteral("1 kg"), dec(qty), dec(price), dec(amount) });
    }

    std::unique_ptr<PageDocument> run(const char *procedure)
    {
        Expected<PreparedReport> report
            = reportcatalogue::prepare(QString::fromLatin1(procedure), ReportRequest { m_dir.path() });
        EXPECT_TRUE(report.ok()) << report.message().toStdString();
        ReportRun run(report->description, report->source, 7); // small chunks cross page boundaries
        for (;;) {
            Expected<bool> done = run.step();
            EXPECT_TRUE(done.ok()) << done.message().toStdString();
            if (!done || *done)
                break;
        }
        return run.document();
    }
    static ReportPage page(const PageDocument &document, int index)
    {
        Expected<ReportPage> p = document.page(index);
        EXPECT_TRUE(p.ok()) << p.message().toStdString();
        return p ? *p : ReportPage {};
    }
    // The texts of a detail field column, top to bottom.
    static QStringList column(const ReportPage &page, double x)
    {
        QStringList out;
        std::vector<const PageItem *> found;
        for (const PageItem &i : page.items)
            if (i.kind == ReportItem::Kind::Text && std::abs(i.mm.x() - x) < 0.01)
                found.push_back(&i);
        std::sort(found.begin(), found.end(), [](auto *a, auto *b) { return a->mm.y() < b->mm.y(); });
        for (const PageItem *i : found)
            out << i->text;
        return out;
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

TEST_F(CatalogueReports, ShoppingTotalsLineCountsUnpricedItemsAndSumsStoredAmounts)
{
    item("Malt", "1", "2.50", "2.50");
    item("Bottle caps", "2", "0", "0");
    item("Hops", "3", "1.00", "4.00"); // stored amount, not quantity times price
    auto doc = run("Rpt_ShoppingList");
    ASSERT_EQ(doc->pageCount(), 1);
    const ReportPage p = page(*doc, 0);
    // Body from 24 mm, three 5 mm lines, then the totals line's texts 4 mm into it.
    const double totalsY = 24 + 3 * 5 + 4;
    QStringList line;
    for (const PageItem *i : p.textsAt(totalsY))
        line << i->text;
    EXPECT_EQ(line, (QStringList { "1", "Items are not priced.", "Grand Total:", "6.50" }));
    EXPECT_EQ(column(p, 2 + 127), (QStringList { "1.00", "2.00", "3.00" })) << "quantities as stored";
    EXPECT_EQ(column(p, 2 + 10), (QStringList { "1", "2", "3" }));
    EXPECT_TRUE(p.hasText(QStringLiteral("Shopping List")));
    EXPECT_TRUE(p.hasText(QStringLiteral("Page    1")));
}

TEST_F(CatalogueReports, ShoppingWithEveryItemPricedHasNoNoteAndABlankCount)
{
    item("Malt", "1", "2.50", "2.50");
    auto doc = run("Rpt_ShoppingList");
    QStringList line;
    for (const PageItem *i : page(*doc, 0).textsAt(24 + 5 + 4))
        line << i->text;
    EXPECT_EQ(line, (QStringList { "Grand Total:", "2.50" }));
}

TEST_F(CatalogueReports, FortySevenItemsPutTheLastAndTheTotalsOnPageTwo)
{
    for (int i = 1; i <= 47; ++i)
        item(QStringLiteral("Item %1").arg(i).toLatin1().constData(), "1", "1.00", "1.00");
    auto doc = run("Rpt_ShoppingList");
    EXPECT_EQ(doc->recordCount(), 47);
    ASSERT_EQ(doc->pageCount(), 2);
    const ReportPage first = page(*doc, 0);
    const ReportPage second = page(*doc, 1);
    EXPECT_EQ(column(first, 2 + 24).size(), 1u + 46u) << "the heading and 46 item lines";
    EXPECT_FALSE(first.hasText(QStringLiteral("Grand Total:")));
    EXPECT_EQ(column(second, 2 + 24), (QStringList { "Description", "Item 47" }));
    QStringList line;
    for (const PageItem *i : second.textsAt(24 + 5 + 4))
        line << i->text;
    EXPECT_EQ(line, (QStringList { "Grand Total:", "47.00" }));
}

TEST_F(CatalogueReports, FortySixItemsFillPageOneAndTheTotalsLineGoesOver)
{
    for (int i = 1; i <= 46; ++i)
        item("Malt", "1", "1.00", "1.00");
    auto doc = run("Rpt_ShoppingList");
    ASSERT_EQ(doc->pageCount(), 2);
    const ReportPage second = page(*doc, 1);
    EXPECT_EQ(column(second, 2 + 24), QStringList { "Description" }) << "no item line on page 2";
    QStringList line;
    for (const PageItem *i : second.textsAt(24 + 4))
        line << i->text;
    EXPECT_EQ(line, (QStringList { "Grand Total:", "46.00" }));
}

TEST_F(CatalogueReports, AnEmptyShoppingListPrintsNothing)
{
    {
        ShoppingTable table(m_dir.path());
        ASSERT_TRUE(table.open().ok());
    }
    auto doc = run("Rpt_ShoppingList");
    EXPECT_EQ(doc->recordCount(), 0);
    EXPECT_FALSE(page(*doc, 0).hasText(QStringLiteral("Grand Total:")));
    EXPECT_EQ(cataloguereports::noItemsText(), QStringLiteral("There are no items to print."));
    EXPECT_EQ(cataloguereports::noItemsCaption(), QStringLiteral("No records..."));
}

TEST_F(CatalogueReports, WebLinksPrintInAddressOrderWithoutBlankAddresses)
{
    add<WebLinksTable>(WebLinkRecord { 0, QStringLiteral("https://c.example.org"), QStringLiteral("Alpha Supplies") });
    add<WebLinksTable>(WebLinkRecord { 0, QStringLiteral("https://a.example.org"), QStringLiteral("Zymurgy Club") });
    add<WebLinksTable>(WebLinkRecord { 0, QString(), QStringLiteral("No address") });
    add<WebLinksTable>(WebLinkRecord { 0, QStringLiteral("https://b.example.org"), QString() });
    auto doc = run("Rpt_WebLinks");
    EXPECT_EQ(doc->recordCount(), 3);
    const ReportPage p = page(*doc, 0);
    EXPECT_EQ(column(p, 2 + 38),
        (QStringList { "Web Links Report", "Name of Web Site", "Web Address  (URL)", "Zymurgy Club",
            "https://a.example.org", "https://b.example.org", "Alpha Supplies", "https://c.example.org",
            "Maltwright 3 - Version 1.43" }));
}

TEST_F(CatalogueReports, KitsPrintByNameThirtyTwoToAPage)
{
    for (int i = 33; i >= 1; --i)
        add<KitsTable>(KitRecord { 0, QStringLiteral("Kit %1").arg(i, 2, 10, QLatin1Char('0')) });
    add<KitsTable>(KitRecord { 0, QString() });
    auto doc = run("Rpt_KitsRecipes");
    EXPECT_EQ(doc->recordCount(), 33);
    ASSERT_EQ(doc->pageCount(), 2);
    const QStringList first = column(page(*doc, 0), 2 + 34);
    ASSERT_EQ(first.size(), 1 + 32 + 1) << "title, 32 names, product line";
    EXPECT_EQ(first[1], QStringLiteral("Kit 01"));
    EXPECT_EQ(first[32], QStringLiteral("Kit 32"));
    EXPECT_EQ(column(page(*doc, 1), 2 + 34)[1], QStringLiteral("Kit 33"));
}

} // namespace
