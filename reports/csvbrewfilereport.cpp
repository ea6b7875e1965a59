#include "reports/csvbrewfilereport.h"

#include "platform/picture.h"
#include "records/brewstable.h"

#include <cmath>
#include <type_traits>

namespace csvbrewfile
{

namespace
{

QString pic(const char *token, const QString &text) { return Picture(QString::fromLatin1(token)).text(text); }
template <class T>
requires std::is_integral_v<T> QString pic(const char *token, T value)
{
    return Picture(QString::fromLatin1(token)).text(static_cast<long long>(value));
}
QString pic(const char *token, const Decimal &value) { return Picture(QString::fromLatin1(token)).text(value); }

FontSpec arial(double size = 10, bool bold = false)
{
    FontSpec f;
    f.family = QStringLiteral("Arial");
    f.pointSize = size;
    f.bold = bold;
    return f;
}

constexpr double kLabelRight = 76.5;
constexpr double kValueX = 79.4;

ReportItem label(double y, const QString &text)
{
    ReportItem i = item::text(12.7, y, kLabelRight - 12.7, text, arial());
    i.align = Qt::AlignRight;
    return i;
}

} // namespace

ReportDescription description(const QString &brewKit)
{
    ReportDescription d;
    d.title = QStringLiteral("Rpt_CSV_BrewFile");
    d.bodyMm = QRectF(0, 30, 210, 225);
    d.headerTopMm = 0;
    d.footerTopMm = 262;

    FontSpec heading = arial(12, true);
    ReportItem kit = item::text(12.7, 14.0, 120, pic("s45", brewKit), heading);
    kit.color = QColor(0, 0, 139);
    d.header.heightMm = 30;
    d.header.items = { kit, item::rule(13.0, 23.5, 188.6) };

    std::vector<ReportItem> &b = d.detail.items;
    d.detail.heightMm = 212;
    b.push_back(item::text(12.7, 0, 8, QStringLiteral("Tab"), arial(10, true)));
    b.push_back(item::text(19.5, 0, 40, QStringLiteral(" (in Update Brews)"), arial()));
    ReportItem description = item::text(40, 0, kLabelRight - 40, QStringLiteral("Description:"), arial(10, true));
    description.align = Qt::AlignRight;
    b.push_back(description);
    b.push_back(item::text(kValueX, 0, 22, QStringLiteral("File contents"), arial(10, true)));
    b.push_back(item::text(
        101.9, 0, 100, QStringLiteral("(copy of the field values as they appear in the CSV file)"), arial()));
    for (const auto &[y, title] : { std::pair { 9.5, "Fermentation" }, std::pair { 106.6, "Bottle Conditioning" },
             std::pair { 175.9, "Tasting" } })
        b.push_back(item::text(12.7, y, 40, QString::fromLatin1(title), arial(10, true)));

    const struct {
        double y;
        const char *label;
        int value;
    } rows[] = {
        { 9.5, "Record number:", RecordNumber },
        { 14.3, "Batch number:", BatchNumber },
        { 19.6, "Brew Kit\\Recipe:", BrewKit },
        { 24.9, "Brew batch name:", BatchName },
        { 30.2, "Brew sugar used:", SugarType },
        { 35.5, "Volume of sugar:", SugarKg },
        { 40.7, "Volume of water:", Water },
        { 46.1, "Yeast used:", Yeast },
        { 51.3, "Date Down:", DateDown },
        { 56.6, "Original gravity:", OriginalGravity },
        { 61.9, "Temp. at reading:", Temp1 },
        { 67.2, "Stock on hand:", StockYesNo },
        { 72.5, "Other ingredients 1:", Additive1 },
        { 78.3, "2:", Additive2 },
        { 84.2, " 3:", Additive3 },
        { 90.0, " 4:", Additive4 },
        { 96.3, " 5:", Additive5 },
        { 112.7, "Priming sugar:", PrimerType },
        { 118.0, "Volume of sugar:", PrimerKg },
        { 123.3, "Fermenation temp:", BrewTemp },
        { 128.6, "Date Bottled:", DateBottled },
        { 133.9, "Min. use by:", MinUse },
        { 139.2, "Max use by:", MaxUse },
        { 144.5, "Fermentation period:", Period },
        { 149.8, "Conditioning period:", Period2 },
        { 155.0, "Final gravity:", FinalGravity },
        { 160.4, "Temp. at reading:", Temp2 },
        { 165.1, "Alcohol %", Alcohol },
        { 178.1, "Appearance:", Appearance },
        { 183.4, "Aroma/Bouquet:", Aroma },
        { 188.6, "Taste:", Taste },
        { 195.5, "Overall quality:", Overall },
        { 203.2, "Best maturity period for this brew:", Maturity },
    };
    for (const auto &r : rows) {
        b.push_back(label(r.y, QString::fromLatin1(r.label)));
        const double width = r.value == Period || r.value == Period2 ? 6.0 : 100.0;
        b.push_back(item::field(kValueX, r.y, r.value == Maturity ? 40.0 : width, r.value, arial()));
    }
    for (double y : { 144.5, 149.8 })
        b.push_back(item::text(86.0, y, 12, QStringLiteral("days"), arial()));
    b.push_back(item::rule(54.8, 194.2, 28.6));
    ReportItem cost = item::text(110, 203.2, 136.5 - 110, QStringLiteral("Cost:"), arial());
    cost.align = Qt::AlignRight;
    b.push_back(cost);
    b.push_back(item::field(138.4, 203.2, 30, Cost, arial()));
    b.push_back(item::rule(12.2, 209.8, 188.6));

    const FontSpec small = arial(8);
    ReportItem product = item::text(29.6, 23.5, 100, QStringLiteral("Maltwright 3 - Version 1.43"), small);
    product.color = Qt::gray;
    d.footer.heightMm = 30;
    d.footer.items = {
        item::text(12.7, 0.8, 190,
            QStringLiteral("This report allows you to easily identify the Comma Separated Values as found in the "
                           "matching CSV file."),
            small),
        item::text(12.7, 6.9, 195,
            QStringLiteral("(The report could also be helpful as a field identifier when creating a CSV file for all "
                           "brews as the file and report sort order are the same)"),
            small),
        product,
    };
    return d;
}

QStringList values(const BrewRecord &brew)
{
    // The scores are shown as the export writes them, their fractions dropped, so the page
    // and the file agree.
    QStringList v(ValueCount);
    v[RecordNumber] = pic("N4B", brew.RECORDNUMBER);
    v[BatchNumber] = pic("N4B", brew.BATCHNUMBER);
    v[BrewKit] = pic("s45", brew.BREWKIT);
    v[BatchName] = pic("s25", brew.BREWBATCHNAME);
    v[SugarType] = pic("s25", brew.BREWSUGARTYPE);
    v[SugarKg] = pic("N5.3", brew.BREWSUGARKG);
    v[Water] = pic("N4.1B", brew.WATERVOLUMELTR);
    v[Yeast] = pic("s35", brew.YEAST);
    v[DateDown] = pic("D017B", brew.DATEDOWN);
    v[OriginalGravity] = pic("N4B", brew.ORIGINALGRAVITY);
    v[Temp1] = pic("s25", brew.SPAREFIELD1);
    v[StockYesNo] = pic("s3", stockYesNo(brew.STOCKONHAND));
    v[Additive1] = pic("s35", brew.ADDITIVE1);
    v[Additive2] = pic("s35", brew.ADDITIVE2);
    v[Additive3] = pic("s35", brew.ADDITIVE3);
    v[Additive4] = pic("s35", brew.ADDITIVE4);
    v[Additive5] = pic("s35", brew.ADDITIVE5);
    v[PrimerType] = pic("s25", brew.PRIMERSUGARTYPE);
    v[PrimerKg] = pic("N5.3B", brew.PRIMERSUGARKG);
    v[BrewTemp] = pic("N3B", brew.BREWTEMP);
    v[DateBottled] = pic("D017B", brew.DATEBOTTLED);
    v[MinUse] = pic("D017B", brew.MINUSE);
    v[MaxUse] = pic("D017B", brew.MAXUSE);
    v[Period] = pic("N2B", brew.BREWPERIOD);
    v[Period2] = pic("N2B", brew.BREWPERIOD2);
    v[FinalGravity] = pic("N4B", brew.FINALGRAVITY);
    v[Temp2] = pic("s25", brew.SPAREFIELD2);
    v[Alcohol] = pic("N5.2B", brew.ESTIMATEDALC);
    v[Appearance] = pic("N02B", static_cast<long long>(std::trunc(brew.APPEARANCE)));
    v[Aroma] = pic("N02B", static_cast<long long>(std::trunc(brew.AROMA)));
    v[Taste] = pic("N02B", static_cast<long long>(std::trunc(brew.TASTE)));
    v[Overall] = pic("N02B", brew.OVERALL);
    v[Maturity] = pic("s20", brew.SPAREFIELD4);
    v[Cost] = pic("N7.2B", brew.BREWCOST);
    return v;
}

Expected<Prepared> prepare(const QString &dataFolder, std::int32_t recordNumber)
{
    BrewsTable brews(dataFolder);
    if (Result r = brews.open(); !r)
        return Result::failure(brews.store().openFailure(r.message()).text);
    Expected<std::optional<BrewRecord>> brew = brews.fetch(recordNumber);
    if (!brew)
        return brew.result();
    std::vector<QStringList> records;
    if (brew->has_value())
        records.push_back(values(**brew));
    return Prepared { description(brew->has_value() ? (*brew)->BREWKIT : QString()),
        std::make_shared<ListSource>(std::move(records)) };
}

} // namespace csvbrewfile
