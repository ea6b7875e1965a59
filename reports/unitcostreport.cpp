#include "reports/unitcostreport.h"

#include "calc/cost.h"
#include "platform/picture.h"

namespace unitcost
{

namespace
{

FontSpec arial(double size, bool bold = false)
{
    FontSpec f;
    f.family = QStringLiteral("Arial");
    f.pointSize = size;
    f.bold = bold;
    return f;
}

// A text over the span x from `from` to `to`.
ReportItem span(
    double from, double to, double y, const QString &text, const FontSpec &font, Qt::Alignment align = Qt::AlignLeft)
{
    ReportItem i = item::text(from, y, to - from, text, font);
    i.align = align;
    return i;
}

QString money(const char *token, const Decimal &value) { return Picture(QString::fromLatin1(token)).text(value); }

} // namespace

Particulars particularsFromGlobals()
{
    const Globals &g = glo();
    return { g.GETKITNAME, g.GETBATCHNAME, g.GETBATCHNUMBER };
}

PreparedReport report(const CostFigures &c, const Particulars &p)
{
    ReportDescription d;
    d.title = QStringLiteral("Maltwright - Cost Per Unit");
    d.header.heightMm = 32;
    d.bodyMm.setTop(33);
    d.bodyMm.setHeight(227);
    d.footerTopMm = 260;

    const FontSpec a10 = arial(10);
    const FontSpec a14 = arial(14);
    const auto right = Qt::AlignRight;
    auto &h = d.header.items;
    ReportItem title = span(23, 143, 13, QStringLiteral("Maltwright - Cost Per Unit"), arial(16, true));
    title.color = QColor(0, 0, 128);
    h.push_back(title);
    h.push_back(span(23, 138, 21, Picture(QStringLiteral("s45")).text(p.kitName), a10));
    h.push_back(span(23, 95, 27, Picture(QStringLiteral("s25")).text(p.batchName), a10));
    h.push_back(span(148, 170, 26, QStringLiteral("Batch No."), a10));
    h.push_back(
        span(174, 184, 26, Picture(QStringLiteral("N4B")).text(static_cast<long long>(p.batchNumber)), a10, right));
    h.push_back(item::rule(23, 31, 184 - 23));

    d.detail.heightMm = 207;
    auto &t = d.detail.items;
    struct Line {
        const char *label;
        const Decimal &value;
        const char *picture;
    };
    // A zero kit cost is left blank; the other costs print 0.00.
    const Line lines[] = { { "Kit/Recipe:", c.KITCOST, "N10.2B" }, { "Sugar:", c.SUGARCOST, "N10.2" },
        { "Bottle/Caps:", c.BOTTLECOST, "N10.2" }, { "Sundry 1:", c.SUNDRY1, "N10.2" }, { "2:", c.SUNDRY2, "N10.2" },
        { "3:", c.SUNDRY3, "N10.2" }, { "4:", c.SUNDRY4, "N10.2" }, { "5:", c.SUNDRY5, "N10.2" } };
    const double lineY[] = { 4, 14, 24, 34, 45, 55, 65, 75 };
    const double ruleY[] = { 9, 19, 29, 39, 49, 59, 70, 81 };
    for (int i = 0; i < 8; ++i) {
        t.push_back(span(24, 58, lineY[i], QString::fromLatin1(lines[i].label), a14));
        t.push_back(span(154, 189, lineY[i], money(lines[i].picture, lines[i].value), a14, right));
        t.push_back(item::rule(58, ruleY[i], 153 - 58));
    }
    t.push_back(item::rule(158, 81, 184 - 158));
    t.push_back(item::rule(158, 92, 184 - 158));
    t.push_back(span(99, 151, 84, QStringLiteral("Total cost of brew:"), a14, right));
    t.push_back(span(154, 189, 84, money("N10.2B", c.TOTALCOST), a14, right));
    t.push_back(span(66, 151, 95, QStringLiteral("Total volume of the finished brew:"), a14, right));
    t.push_back(span(157, 189, 95, money("N10.2B", c.TOTALVOLUME), a14, right));
    t.push_back(span(66, 151, 103, QStringLiteral("Unit size:"), a14, right));
    t.push_back(span(157, 186, 103, money("N10.3B", c.UNITSIZE), a14, right));
    t.push_back(span(44, 151, 110, QStringLiteral("Volume divided by unit size equals total units:"), a14, right));
    t.push_back(span(157, 189, 110, money("N10.2B", c.NUMBEROFUNITS), a14, right));
    t.push_back(item::box(26, 122, 190 - 26, 137 - 122));
    t.push_back(span(27, 157, 127, cost::totalString(c), arial(12, true)));
    t.push_back(span(159, 189, 126, money("N10.2B", c.COSTPERUNIT), a14, right));
    t.push_back(span(26, 60, 146, QStringLiteral("Notes:"), a10));
    t.push_back(item::rule(26, 150, 189 - 26));

    d.footer.heightMm = 5;
    d.footer.items.push_back(item::rule(26, 1, 189 - 26));
    return PreparedReport { QStringLiteral("Rpt_UnitCostCalculation"), std::move(d),
        std::make_shared<ListSource>(std::vector<QStringList> { QStringList() }) };
}

} // namespace unitcost
