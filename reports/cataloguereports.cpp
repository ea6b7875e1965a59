#include "reports/cataloguereports.h"

#include "platform/picture.h"
#include "records/kitstable.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"

#include <functional>

namespace cataloguereports
{

namespace
{

const QColor kNavy(0, 0, 128);
const QString kProduct = QStringLiteral("Maltwright 3 - Version 1.43");
const QString kKits = QStringLiteral("Rpt_KitsRecipes");
const QString kShopping = QStringLiteral("Rpt_ShoppingList");
const QString kWebLinks = QStringLiteral("Rpt_WebLinks");

FontSpec times(double size, bool bold = false)
{
    FontSpec f;
    f.family = QStringLiteral("Times New Roman");
    f.pointSize = size;
    f.bold = bold;
    return f;
}

FontSpec arial(double size, bool bold = false)
{
    FontSpec f = times(size, bold);
    f.family = QStringLiteral("Arial");
    return f;
}

ReportItem navy(ReportItem i)
{
    i.color = kNavy;
    return i;
}

// The page geometry of the three layouts: x from the left edge of the printable area.
ReportDescription page(const QString &title, double headerMm, double bodyTopMm, double bodyHeightMm)
{
    ReportDescription d;
    d.title = title;
    d.bodyMm = QRectF(2, bodyTopMm, 206, bodyHeightMm);
    d.header.heightMm = headerMm;
    d.footerTopMm = 257;
    return d;
}

ReportDescription kitsLayout(date::Day today)
{
    ReportDescription d = page(QStringLiteral("Kits/Recipes"), 25, 26, 230);
    d.header.items = {
        navy(item::text(34, 16, 100, QStringLiteral("Kits/Recipes"), times(14, true))),
        navy(item::text(139, 18, 0, Picture(QStringLiteral("D018B")).text(int(today)), times(8))),
        item::rule(34, 23, 145),
    };
    d.detail.heightMm = 7;
    d.detail.items = { item::field(34, 1, 140, 0, times(14)) };
    d.footer.items = {
        item::rule(33, 1, 145),
        item::text(34, 2, 100, kProduct, times(8)),
        item::pageNumber(169, 2, 0, QStringLiteral("pPage <<<#p"), arial(8)),
    };
    return d;
}

ReportDescription shoppingLayout(date::Day today)
{
    ReportDescription d = page(QStringLiteral("Shopping List"), 24, 24, 232);
    const FontSpec body = arial(10);
    d.header.items = {
        navy(item::text(15, 7, 100, QStringLiteral("Shopping List"), times(16, true))),
        item::text(161, 10, 0, Picture(QStringLiteral("D018B")).text(int(today)), body),
        item::text(15, 18, 9, QStringLiteral("Item"), body),
        item::text(24, 18, 80, QStringLiteral("Description"), body),
        item::text(104, 18, 30, QStringLiteral("Size"), body),
        item::text(134, 18, 20, QStringLiteral("Qty"), body),
        item::text(158, 18, 20, QStringLiteral("Price"), body),
        item::text(183, 18, 0, QStringLiteral("Amount"), body),
        item::rule(15, 23, 180),
    };
    // The three money columns are right-aligned in equal widths, so their points line up.
    const auto right = Qt::AlignRight;
    d.detail.heightMm = 5;
    d.detail.items = {
        item::field(10, 0, 11, ItemNumber, body, right),
        item::field(24, 0, 80, Item, body),
        item::field(104, 0, 22, Size, body),
        item::field(127, 0, 18, Qty, body, right),
        item::field(152, 0, 18, Price, body, right),
        item::field(176, 0, 18, Amount, body, right),
    };
    d.summary.heightMm = 13;
    d.summary.items = {
        item::rule(15, 1, 180),
        item::field(7, 4, 15, CountNoPrice, body, right),
        item::field(24, 4, 80, NoPrice, body),
        item::text(140, 4, 30, QStringLiteral("Grand Total:"), body),
        item::field(176, 4, 18, BatchTotal, body, right),
        item::rule(15, 11, 180),
    };
    d.footer.items = {
        item::pageNumber(184, 0, 0, QStringLiteral("pPage <<<#p"), arial(8)),
        item::text(15, 0, 100, kProduct, arial(8)),
    };
    return d;
}

ReportDescription webLinksLayout()
{
    ReportDescription d = page(QStringLiteral("Web Links Report"), 33, 34, 223);
    const FontSpec body = arial(10);
    d.header.items = {
        navy(item::text(38, 15, 120, QStringLiteral("Web Links Report"), arial(14, true))),
        item::text(38, 23, 100, QStringLiteral("Name of Web Site"), body),
        item::text(38, 27, 100, QStringLiteral("Web Address  (URL)"), body),
        item::rule(39, 32, 150),
    };
    d.detail.heightMm = 10;
    d.detail.items = {
        item::field(38, 0, 150, 0, arial(10, true)),
        item::field(38, 4, 160, 1, body),
        item::rule(39, 9, 150),
    };
    d.footer.items = {
        item::pageNumber(179, 1, 0, QStringLiteral("pPage <<<#p"), arial(8)),
        item::text(38, 1, 100, kProduct, arial(8)),
    };
    return d;
}

// One table read through one key a page at a time; `values` gives a record's band values.
template <class Table, class R, class K> class TableSource : public ReportSource
{
public:
    TableSource(const QString &dataFolder, K key, std::function<QStringList(const R &)> values)
        : m_table(dataFolder)
        , m_key(key)
        , m_values(std::move(values))
    {
    }
    ~TableSource() override { m_table.close(); }

    Expected<std::int64_t> count() override
    {
        if (Result opened = open(); !opened)
            return opened;
        return m_table.count(m_key);
    }

    Expected<Chunk> read(const Cursor &after, int limit, bool withValues) override
    {
        if (Result opened = open(); !opened)
            return opened;
        Expected<RecordPage<R>> page
            = m_table.readPage(m_key, after.isNull() ? Bound::edge() : Bound::after(after), Direction::Forward, limit);
        if (!page)
            return page.result();
        Chunk chunk;
        chunk.atEnd = page->atEnd;
        for (const R &record : page->rows) {
            chunk.cursors.push_back(m_table.cursorOf(m_key, record));
            if (withValues)
                chunk.values.push_back(m_values(record));
        }
        return chunk;
    }

protected:
    Result open() { return m_table.isOpen() ? Result::success() : m_table.open(); }

    Table m_table;
    K m_key;
    std::function<QStringList(const R &)> m_values;
};

QStringList shoppingValues(const ShoppingRecord &s)
{
    static const Picture n5(QStringLiteral("N5.")), s45(QStringLiteral("S45")), s25(QStringLiteral("S25")),
        n102(QStringLiteral("N10.2"));
    return { n5.text(static_cast<long long>(s.RECORDNUMBER)), s45.text(s.ITEM), s25.text(s.SIZE), n102.text(s.QTY),
        n102.text(s.PRICE), n102.text(s.AMOUNT) };
}

class ShoppingSource : public TableSource<ShoppingTable, ShoppingRecord, ShoppingKey>
{
public:
    explicit ShoppingSource(const QString &dataFolder)
        : TableSource(dataFolder, ShoppingKey::KeyRecordNumber, &shoppingValues)
    {
    }

    // The totals line: the grand total is the sum of the stored amounts (quantity and price
    // are not multiplied here), and the items without an amount are counted.
    Expected<QStringList> summary() override
    {
        if (Result opened = open(); !opened)
            return opened;
        Decimal total;
        int noPrice = 0;
        Bound from = Bound::edge();
        for (;;) {
            Expected<RecordPage<ShoppingRecord>> page = m_table.readPage(m_key, from, Direction::Forward, kPageRows);
            if (!page)
                return page.result();
            for (const ShoppingRecord &s : page->rows) {
                total += s.AMOUNT;
                if (s.AMOUNT.isZero())
                    ++noPrice;
            }
            if (page->atEnd || page->rows.empty())
                break;
            from = Bound::after(m_table.cursorOf(m_key, page->rows.back()));
        }
        return QStringList { Picture(QStringLiteral("N-7B")).text(noPrice),
            noPrice > 0 ? QStringLiteral("Items are not priced.") : QString(),
            Picture(QStringLiteral("N10.2")).text(total) };
    }

private:
    static constexpr int kPageRows = 500;
};

} // namespace

QStringList names() { return { kKits, kShopping, kWebLinks }; }

bool exists(const QString &procedure) { return names().contains(procedure); }

QString storeFile(const QString &procedure, const QString &dataFolder)
{
    if (procedure == kKits)
        return RecordStore::filePath(KitsTable::definition(), dataFolder);
    if (procedure == kShopping)
        return RecordStore::filePath(ShoppingTable::definition(), dataFolder);
    return RecordStore::filePath(WebLinksTable::definition(), dataFolder);
}

QString recordsNoun(const QString &procedure)
{
    if (procedure == kKits)
        return QStringLiteral("kits");
    if (procedure == kShopping)
        return QStringLiteral("items");
    return QStringLiteral("links");
}

ReportDescription description(const QString &procedure, date::Day today)
{
    if (procedure == kKits)
        return kitsLayout(today);
    if (procedure == kShopping)
        return shoppingLayout(today);
    return webLinksLayout();
}

std::shared_ptr<ReportSource> source(const QString &procedure, const QString &dataFolder)
{
    if (procedure == kKits)
        return std::make_shared<TableSource<KitsTable, KitRecord, KitKey>>(dataFolder, KitKey::BrewKey,
            [](const KitRecord &k) { return QStringList { Picture(QStringLiteral("s45")).text(k.NAMEOFBREW) }; });
    if (procedure == kShopping)
        return std::make_shared<ShoppingSource>(dataFolder);
    return std::make_shared<TableSource<WebLinksTable, WebLinkRecord, WebLinkKey>>(
        dataFolder, WebLinkKey::KeyWeb, [](const WebLinkRecord &w) {
            return QStringList { Picture(QStringLiteral("s45")).text(w.NAMECOMMENT),
                Picture(QStringLiteral("S80")).text(w.WEBADDRESS) };
        });
}

QString noItemsText() { return QStringLiteral("There are no items to print."); }
QString noItemsCaption() { return QStringLiteral("No records..."); }

} // namespace cataloguereports
