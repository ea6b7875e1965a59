#include "reports/brewlistreports.h"

#include "platform/clock.h"
#include "platform/picture.h"
#include "records/globals.h"

namespace brewlist
{

namespace
{

const QColor kNavy(0, 0, 128);

FontSpec font(double size, bool bold = false)
{
    FontSpec f;
    f.pointSize = size;
    f.bold = bold;
    return f;
}

// Where the columns of a layout stand; the tasting layout moves most of them right.
struct Columns {
    double overall, overallWidth, batch, name, nameWidth, yeast, yeastWidth, minUse, maxUse;
    double brewSugar, slash, primer, primerWidth, dateDown, dateBottled, dateWidth, cost, costWidth, period, period2,
        temp;
};

const Columns kList { 189, 5, 14, 23, 72, 95, 47, 142, 166, 24, 34, 36, 8, 44, 68, 21, 90, 14, 104, 113, 122 };
const Columns kTasting { 15, 5, 21, 30, 71, 102, 46, 149, 172, 30, 40, 43, 8, 52, 73, 19, 92, 13, 106, 114, 123 };

void addHeader(ReportDescription &d, const BrewListMember &m, const Options &o)
{
    auto &items = d.header.items;
    ReportItem title = item::text(15, 13, 138, m.title, font(14, true));
    title.color = kNavy;
    items.push_back(title);
    ReportItem day = item::text(155, 15, 0, Picture(QStringLiteral("D018B")).text(int(o.today)), font(10));
    day.color = kNavy;
    items.push_back(day);
    if (m.costNote)
        items.push_back(item::text(87, 14, 0, QStringLiteral("(Includes only brews with a Total Cost assigned)")));

    const QString sugar = o.metric ? QStringLiteral("kg Sugar") : QStringLiteral("lbs Sugar");
    const QString temp = o.celsius ? QStringLiteral("C") : QStringLiteral("F");
    struct Heading {
        double x, y;
        QString text;
    };
    std::vector<Heading> headings;
    if (!m.tasting) {
        headings = {
            { 15, 21, QStringLiteral("Batch") },
            { 17, 26, QStringLiteral("No.") },
            { 28, 21, QStringLiteral("Kit/Recipe") },
            { 28, 26, sugar },
            { 49, 26, QStringLiteral("Date Down") },
            { 72, 26, QStringLiteral("Date Bottled") },
            { 93, 26, QStringLiteral("Cost") },
            { 95, 21, QStringLiteral("Yeast") },
            { 104, 26, QStringLiteral("Ferm.") },
            { 113, 26, QStringLiteral("Cond.") },
            { 120, 23, QStringLiteral("o") },
            { 122, 26, temp },
            { 131, 26, QStringLiteral("Org./Final Gravity") },
            { 147, 21, QStringLiteral("Min and Max use by") },
            { 159, 26, QStringLiteral("Diff.") },
            { 180, 21, QStringLiteral("Taste/50") },
            { 180, 26, QStringLiteral("Est/Alc%") },
        };
    } else {
        headings = {
            { 14, 21, QStringLiteral("Taste") },
            { 15, 26, QStringLiteral("/50") },
            { 21, 21, QStringLiteral("Batch") },
            { 23, 26, QStringLiteral("No.") },
            { 35, 21, QStringLiteral("Kit/Recipe") },
            { 35, 26, sugar },
            { 57, 26, QStringLiteral("Date Down") },
            { 77, 26, QStringLiteral("Date Bottled") },
            { 95, 26, QStringLiteral("Cost") },
            { 102, 21, QStringLiteral("Yeast") },
            { 106, 26, QStringLiteral("Ferm.") },
            { 114, 26, QStringLiteral("Cond.") },
            { 121, 23, QStringLiteral("o") },
            { 123, 26, temp },
            { 131, 26, QStringLiteral("Org./Final Gravity") },
            { 154, 21, QStringLiteral("Min and Max use by") },
            { 159, 26, QStringLiteral("Diff.") },
            { 180, 26, QStringLiteral("Est/Alc%") },
        };
    }
    for (const Heading &h : headings)
        items.push_back(item::text(h.x, h.y, 0, h.text, font(8)));
}

void addDetail(ReportDescription &d, const BrewListMember &m)
{
    const Columns &c = m.tasting ? kTasting : kList;
    const FontSpec normal = font(10);
    const FontSpec bold = font(10, true);
    const auto right = Qt::AlignRight;
    auto &items = d.detail.items;
    d.detail.heightMm = 11;
    items.push_back(item::rule(15, 1, 178));
    // Line 1.
    items.push_back(item::field(c.batch, 2, 8, BatchNumber, m.tasting ? normal : bold, right));
    items.push_back(item::field(c.name, 2, c.nameWidth, Name, normal));
    items.push_back(item::field(c.yeast, 2, c.yeastWidth, Yeast, normal));
    items.push_back(item::field(c.minUse, 2, 22, MinUse, normal));
    items.push_back(item::field(c.maxUse, 2, 21, MaxUse, normal));
    items.push_back(item::field(c.overall, 2, c.overallWidth, Overall, m.tasting ? bold : normal, right));
    // Line 2.
    items.push_back(item::field(c.brewSugar, 6, 10, BrewSugar, normal, right));
    items.push_back(item::text(c.slash, 6, 2, QStringLiteral("/"), normal));
    items.push_back(item::field(c.primer, 6, c.primerWidth, PrimerSugar, normal, right));
    items.push_back(item::field(c.dateDown, 6, c.dateWidth, DateDown, normal));
    items.push_back(item::field(c.dateBottled, 6, c.dateWidth, DateBottled, normal));
    items.push_back(item::field(c.cost, 6, c.costWidth, Cost, normal, right));
    items.push_back(item::field(c.period, 6, 6, Period, normal, right));
    items.push_back(item::field(c.period2, 6, 6, Period2, normal, right));
    items.push_back(item::field(c.temp, 6, 5, Temp, normal, right));
    items.push_back(item::field(127, 6, 14, OriginalGravity, normal, right));
    items.push_back(item::field(142, 6, 11, FinalGravity, normal, right));
    items.push_back(item::field(159, 6, 14, Gravity, normal, right));
    items.push_back(item::field(177, 6, 0, AlcText, normal));
}

void addFooter(ReportDescription &d, const BrewListMember &m)
{
    // The tasting layout's footer sits 1 mm lower and 1 mm further left.
    const double dx = m.tasting ? -1 : 0;
    const double dy = m.tasting ? 1 : 0;
    d.footer.heightMm = 29;
    d.footer.items.push_back(item::rule(15 + dx, 1 + dy, 178));
    d.footer.items.push_back(item::text(15 + dx, 2 + dy, 100, QStringLiteral("Maltwright 3 - Version 1.43"), font(8)));
    d.footer.items.push_back(item::pageNumber(175 + dx, 2 + dy, 0, QStringLiteral("pPage <<<#p"), font(8)));
}

// The read of one member: its key in the key's own order, its filter or range, a
// page of rows at a time through the store's keyset paging.
class BrewListSource : public ReportSource
{
public:
    BrewListSource(const BrewListMember &member, const QString &dataFolder, const Options &options)
        : m_member(member)
        , m_options(options)
        , m_table(dataFolder)
    {
        const TableDef &def = BrewsTable::definition();
        if (member.inStock)
            m_filter = BrewsTable::inStockFilter();
        if (member.range) {
            const int batch = def.fieldIndex(QStringLiteral("BATCHNUMBER"));
            m_filter.conditions.push_back({ batch, Filter::Compare::GreaterOrEqual, std::int64_t(options.from) });
            m_filter.conditions.push_back({ batch, Filter::Compare::LessOrEqual, std::int64_t(options.to) });
        }
    }
    ~BrewListSource() override { m_table.close(); }

    Expected<std::int64_t> count() override
    {
        if (Result opened = open(); !opened)
            return opened;
        return m_table.count(m_member.key, m_filter);
    }

    Expected<Chunk> read(const Cursor &after, int limit, bool withValues) override
    {
        if (Result opened = open(); !opened)
            return opened;
        const Bound from = after.isNull() ? Bound::edge() : Bound::after(after);
        Expected<::Page> page = m_table.store().readPage(int(m_member.key), from, Direction::Forward, limit, m_filter);
        if (!page)
            return page.result();
        Chunk chunk;
        chunk.atEnd = page->atEnd;
        chunk.cursors.reserve(page->rows.size());
        if (withValues)
            chunk.values.reserve(page->rows.size());
        for (const Row &row : page->rows) {
            chunk.cursors.push_back(m_table.store().cursorOf(int(m_member.key), row));
            if (withValues)
                chunk.values.push_back(values(m_member, m_table.fromRow(row), m_options));
        }
        return chunk;
    }

private:
    Result open()
    {
        if (m_table.isOpen())
            return Result::success();
        return m_table.open();
    }

    BrewListMember m_member;
    Options m_options;
    BrewsTable m_table;
    Filter m_filter;
};

} // namespace

const std::vector<BrewListMember> &members()
{
    using K = BrewKey;
    static const std::vector<BrewListMember> list {
        { QStringLiteral("Rpt_BrewsByRecordNo"), QStringLiteral("Maltwright - Record Order"), K::KeyRecord, false,
            false, false, false, false, true },
        { QStringLiteral("Rpt_BrewsByBatchNo"), QStringLiteral("Maltwright - By Batch No."), K::KeyBrewNumber, false,
            false, false, false, false, false },
        { QStringLiteral("Rpt_BrewsByKitRecipe"), QStringLiteral("Maltwright - By Kit/Recipe description."),
            K::ByBrewKey, false, false, false, true, false, true },
        { QStringLiteral("Rpt_BrewsByDateDown"), QStringLiteral("Maltwright - By Date Down"), K::ByDateKey, false,
            false, false, false, false, false },
        { QStringLiteral("Rpt_BrewsByCost"), QStringLiteral("Maltwright - By Cost"), K::CostKey, false, false, false,
            false, true, false },
        { QStringLiteral("Rpt_ByTasteScore"), QStringLiteral("Maltwright - Tasting Results"), K::QualityKey, false,
            false, true, false, false, false },
        { QStringLiteral("Rpt_ByBatchNoSelRange"), QStringLiteral("Maltwright - Selected Batch Range"),
            K::KeyBrewNumber, false, true, false, false, false, true },
        { QStringLiteral("Rpt_ByBatchNumberInStock"), QStringLiteral("Maltwright - In Stock Only"), K::KeyBrewNumber,
            true, false, false, false, false, true },
        { QStringLiteral("Rpt_ByRecordNumberInStock"), QStringLiteral("Maltwright  - Record Order (In Stock)"),
            K::KeyRecord, true, false, false, false, false, true },
        { QStringLiteral("Rpt_ByTasteScoreInstock"), QStringLiteral("Maltwright - In Stock Only Tasting Results"),
            K::QualityKey, true, false, true, false, false, false },
    };
    return list;
}

const BrewListMember *find(const QString &procedure)
{
    for (const BrewListMember &m : members())
        if (m.procedure == procedure)
            return &m;
    return nullptr;
}

Options optionsFromGlobals()
{
    const Globals &g = glo();
    Options o;
    o.metric = g.UNITSPROMPT != 0;
    o.celsius = g.TEMPPROMPT != 0;
    o.byVolume = g.ALCBASEDON != 0;
    o.today = g.THISDAY ? g.THISDAY : Clock::current().today();
    o.from = g.PrintFrom;
    o.to = g.PrintTo;
    return o;
}

ReportDescription description(const BrewListMember &member, const Options &options)
{
    ReportDescription d;
    d.title = member.title;
    d.header.heightMm = 30;
    addHeader(d, member, options);
    addDetail(d, member);
    addFooter(d, member);
    return d;
}

QStringList values(const BrewListMember &member, const BrewRecord &b, const Options &options)
{
    static const Picture n4b(QStringLiteral("N4B")), s45(QStringLiteral("s45")), s35(QStringLiteral("s35")),
        d017b(QStringLiteral("D017B")), n02b(QStringLiteral("N02B")), n53(QStringLiteral("N5.3")),
        n53b(QStringLiteral("N5.3B")), n62b(QStringLiteral("N6.2B")), n2b(QStringLiteral("N2B")),
        gravity(QStringLiteral("P#.###P")), s10(QStringLiteral("s10"));
    QStringList v;
    v.reserve(ValueCount);
    const QString name = member.kitName || b.BREWBATCHNAME.trimmed().isEmpty() ? b.BREWKIT : b.BREWBATCHNAME;
    // The stored estimate is printed as it stands; nothing is worked out again from the gravities.
    const QString alc
        = b.ESTIMATEDALC.toPlainText() + (options.byVolume ? QStringLiteral("% abv") : QStringLiteral("% abw"));
    v << n4b.text(int(b.BATCHNUMBER)) << s45.text(name) << s35.text(b.YEAST) << d017b.text(int(b.MINUSE))
      << d017b.text(int(b.MAXUSE)) << n02b.text(int(b.OVERALL)) << n53.text(b.BREWSUGARKG) << n53b.text(b.PRIMERSUGARKG)
      << d017b.text(int(b.DATEDOWN)) << d017b.text(int(b.DATEBOTTLED)) << n62b.text(b.BREWCOST)
      << n2b.text(int(b.BREWPERIOD)) << n2b.text(int(b.BREWPERIOD2)) << n2b.text(int(b.BREWTEMP))
      << gravity.text(int(b.ORIGINALGRAVITY)) << gravity.text(int(b.FINALGRAVITY))
      << gravity.text(int(b.ORIGINALGRAVITY) - int(b.FINALGRAVITY)) << s10.text(alc);
    return v;
}

std::shared_ptr<ReportSource> source(const BrewListMember &member, const QString &dataFolder, const Options &options)
{
    return std::make_shared<BrewListSource>(member, dataFolder, options);
}

std::optional<QString> rangeError(int from, int to)
{
    if (from > to)
        return QStringLiteral("Print From must be less than print To.");
    if (from < 1 || to < 1)
        return QStringLiteral("Field can not be zero.");
    if (from == to)
        return QStringLiteral("From/To can not be the same value.");
    return std::nullopt;
}

} // namespace brewlist
