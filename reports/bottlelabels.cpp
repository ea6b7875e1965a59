#include "reports/bottlelabels.h"

#include "platform/decimal.h"
#include "platform/picture.h"
#include "records/globals.h"

namespace bottlelabels
{

namespace
{

constexpr double kLabelWidth = 93;
constexpr double kLabelHeight = 63;
constexpr int kAcross = 2;
constexpr int kDown = 4;

FontSpec arial8()
{
    FontSpec f;
    f.family = QStringLiteral("Arial");
    f.pointSize = 8;
    return f;
}

FontSpec times(double size, bool bold = false, bool italic = false)
{
    FontSpec f;
    f.pointSize = size;
    f.bold = bold;
    f.italic = italic;
    return f;
}

ReportItem centred(ReportItem i)
{
    i.align = Qt::AlignHCenter;
    return i;
}

QString date(date::Day day) { return Picture(QStringLiteral("D017B")).text(static_cast<long long>(day)); }
QString gravity(int sg) { return Picture(QStringLiteral("P#.###P")).text(static_cast<long long>(sg)); }

// The label sheet: the body starts `leftMm` and `topMm` into the printable area; the footer
// carries the product line.
ReportDescription sheet(const QString &title, double leftMm, double topMm, double footerMm)
{
    ReportDescription d;
    d.title = title;
    d.bodyMm = QRectF(d.bodyMm.left() + leftMm, topMm, kAcross * kLabelWidth, kDown * kLabelHeight);
    d.header.heightMm = 0;
    d.detail.heightMm = kLabelHeight;
    d.detail.widthMm = kLabelWidth;
    d.detail.items.push_back(item::box(1, 1, 91, 60));
    d.footerTopMm = footerMm;
    d.footer.heightMm = 6;
    d.footer.items.push_back(item::text(0, 0, 100, QStringLiteral("Maltwright 3 - Version 1.43"), arial8()));
    return d;
}

// The values every label shows, in this order.
enum Value { DateDown, DateBottled, MinUse, MaxUse, OriginalGravity, FinalGravity, AlcCaption, Alcohol, Batch, First };

QStringList commonValues(const BrewRecord &brew, const Options &o, const QString &batchText)
{
    return { date(brew.DATEDOWN), date(brew.DATEBOTTLED), date(brew.MINUSE), date(brew.MAXUSE),
        gravity(brew.ORIGINALGRAVITY), gravity(brew.FINALGRAVITY), alcoholCaption(o.alcBasedOn),
        Picture(QStringLiteral("N5.2B")).text(brew.ESTIMATEDALC).trimmed(), batchText };
}

// The dates and gravities at the foot of both labels.
void addFoot(Band &band, const std::array<double, 4> &dateX, double ogX, double fgX, double alcX)
{
    const FontSpec f = arial8();
    const char *captions[] = { "Date Down", "Date Bottled", "Min. use by", "Max. use by" };
    const double captionX[] = { 5, 26, 49, 72 };
    for (int i = 0; i < 4; ++i) {
        band.items.push_back(item::text(captionX[i], 44, 20, QString::fromLatin1(captions[i]), f));
        band.items.push_back(centred(item::field(dateX[std::size_t(i)], 48, 17, DateDown + i, f)));
    }
    band.items.push_back(item::text(5, 55, 12, QStringLiteral("Gravity:"), f));
    band.items.push_back(item::field(ogX, 55, 10, OriginalGravity, f));
    band.items.push_back(item::field(fgX, 55, 10, FinalGravity, f));
    band.items.push_back(item::field(alcX, 55, 14, AlcCaption, f));
    band.items.push_back(item::field(77, 55, 9, Alcohol, f, Qt::AlignRight));
    band.items.push_back(item::text(86, 55, 5, QStringLiteral("% "), f));
}

// Every label of the run is the same band; the count is how many times it is printed.
PreparedReport labels(const QString &procedure, ReportDescription d, const QStringList &values, int count)
{
    std::vector<QStringList> records(std::size_t(std::max(count, 0)), values);
    return PreparedReport { procedure, std::move(d), std::make_shared<ListSource>(std::move(records)) };
}

} // namespace

Options optionsFromGlobals()
{
    const Globals &g = glo();
    Options o;
    o.labels = g.HOWMANYLABELS;
    o.alcBasedOn = g.ALCBASEDON;
    o.kitName = g.GETKITNAME;
    o.batchName = g.GETBATCHNAME;
    o.useKitName = g.labelDescription == 1;
    o.header = g.LABELHEADER;
    o.body = g.LABELBODY;
    o.lines = { g.COMMENTLINE1, g.COMMENTLINE2, g.COMMENTLINE3, g.COMMENTLINE4, g.COMMENTLINE5 };
    return o;
}

QString alcoholCaption(int alcBasedOn)
{
    if (alcBasedOn == 1)
        return QStringLiteral("Alc/Vol.");
    if (alcBasedOn == 0)
        return QStringLiteral("Alc/Wgt.");
    return QString();
}

QString standardBatchText(int batchNumber)
{
    return (QStringLiteral("Brew Batch No. ") + Decimal(batchNumber).toPlainText()).left(20);
}

QString ownBatchText(int batchNumber)
{
    return (QStringLiteral("Batch No. ") + Decimal(batchNumber).toPlainText()).left(15);
}

PreparedReport standard(const BrewRecord &brew, const Options &o)
{
    ReportDescription d = sheet(QStringLiteral("Maltwright - Standard Labels"), 10, 15, 270);
    auto &items = d.detail.items;
    items.push_back(centred(item::field(2, 5, 89, First, times(14, true, true))));
    items.push_back(item::rule(5, 13, 82));
    items.push_back(centred(item::field(5, 23, 83, Batch, times(20))));
    items.push_back(item::rule(5, 42, 82));
    addFoot(d.detail, { 3, 25, 47, 71 }, 15, 26, 59);

    QStringList values = commonValues(brew, o, standardBatchText(brew.BATCHNUMBER));
    values << (o.useKitName ? o.kitName : o.batchName).left(45);
    return labels(QStringLiteral("Rpt_BottleLabStandard"), std::move(d), values, o.labels);
}

PreparedReport own(const BrewRecord &brew, const Options &o)
{
    ReportDescription d = sheet(QStringLiteral("Maltwright - Own Labels"), 13, 9, 269);
    auto &items = d.detail.items;
    items.push_back(centred(item::field(2, 5, 88, First, times(14, true, true))));
    items.push_back(item::rule(4, 11, 82));
    items.push_back(centred(item::field(2, 13, 88, First + 1, times(18))));
    for (int i = 0; i < 5; ++i)
        items.push_back(centred(item::field(3, 22 + 4 * i, 86, First + 2 + i, arial8())));
    items.push_back(item::rule(5, 43, 82));
    addFoot(d.detail, { 3, 25, 46, 71 }, 14, 24, 62);
    items.push_back(centred(item::field(34, 55, 27, Batch, arial8())));

    QStringList values = commonValues(brew, o, ownBatchText(brew.BATCHNUMBER));
    values << o.header.left(35) << o.body.left(35);
    for (const QString &line : o.lines)
        values << line.left(45);
    return labels(QStringLiteral("Rpt_BottleLabCreate"), std::move(d), values, o.labels);
}

} // namespace bottlelabels
