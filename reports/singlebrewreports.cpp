#include "reports/singlebrewreports.h"

#include "platform/clock.h"
#include "platform/picture.h"
#include "records/globals.h"
#include "reports/reportfonts.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>

namespace singlebrew
{

namespace
{

const QColor kNavy(0, 0, 128);
const QString kProductLine = QStringLiteral("Maltwright 3 - Version 1.43");

FontSpec times(double size, bool bold = false)
{
    FontSpec f;
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

ReportItem aligned(ReportItem i, Qt::Alignment align)
{
    i.align = align;
    return i;
}

QString trimmedRight(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

QString pic(const char *token, const QString &value) { return Picture(QString::fromLatin1(token)).text(value); }
QString pic(const char *token, long long value) { return Picture(QString::fromLatin1(token)).text(value); }
QString pic(const char *token, const Decimal &value) { return Picture(QString::fromLatin1(token)).text(value); }
QString pic(const char *token, double value) { return Picture(QString::fromLatin1(token)).text(value); }

// The values of a detail band, each added where its item is placed.
class Values
{
public:
    int add(const QString &value)
    {
        m_values << value;
        return int(m_values.size()) - 1;
    }
    const QStringList &list() const { return m_values; }

private:
    QStringList m_values;
};

ReportItem fieldAt(Values &values, double x, double y, double width, const QString &value, const FontSpec &font,
    Qt::Alignment align = Qt::AlignLeft)
{
    return item::field(x, y, width, values.add(value), font, align);
}

PreparedReport onePage(const QString &procedure, ReportDescription d, std::vector<QStringList> records)
{
    return PreparedReport { procedure, std::move(d), std::make_shared<ListSource>(std::move(records)) };
}

// The page header shared by the selected-brew page and the detailed notes.
void addBrewTitle(Band &header, const BrewRecord &brew)
{
    header.items.push_back(navy(item::text(13, 10, 136, batchName2(brew), times(16, true))));
    header.items.push_back(item::text(151, 10, 27, QStringLiteral("Batch No."), times(14)));
    header.items.push_back(
        aligned(item::text(179, 10, 12, pic("N4B", (long long)brew.BATCHNUMBER), times(14)), Qt::AlignRight));
}

void addFooter(ReportDescription &d, double x, double y)
{
    d.footer.heightMm = 10;
    d.footer.items.push_back(item::rule(x - 1, y, 184));
    d.footer.items.push_back(item::text(x, y + 1, 100, kProductLine, times(8)));
}

// A layout of the score sheets' detail: the three sections, the total.
void addScoreDetail(Band &detail)
{
    const FontSpec big = times(20);
    const FontSpec item16 = times(16);
    struct Placement {
        double caption; // y of the section caption
        std::vector<double> items; // y of each item
        std::vector<double> itemLines; // y of each item's own answer line (none for a single item)
        double arrow; // y of ">"
        double sectionLines; // y of the section's two answer lines
    };
    const Placement places[] = {
        { 2, { 10, 21 }, { 16, 26 }, 38, 45 },
        { 60, { 70 }, {}, 69, 75 },
        { 89, { 98, 109, 120, 131, 142 }, { 102, 113, 124, 135, 147 }, 151, 158 },
    };
    const std::vector<ScoreSection> &sections = scoreSections();
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const Placement &p = places[s];
        detail.items.push_back(item::text(17, p.caption, 110, sections[s].caption, big));
        for (std::size_t i = 0; i < p.items.size(); ++i)
            detail.items.push_back(
                aligned(item::text(40, p.items[i], 96, sections[s].items[int(i)], item16), Qt::AlignRight));
        for (double y : p.itemLines)
            detail.items.push_back(item::rule(143, y, 13));
        detail.items.push_back(item::text(162, p.arrow, 5, QStringLiteral(">"), item16));
        detail.items.push_back(item::rule(143, p.sectionLines, 13));
        detail.items.push_back(item::rule(169, p.sectionLines, 13));
    }
    detail.items.push_back(item::text(125, 169, 40, QStringLiteral("TOTAL:"), big));
    detail.items.push_back(item::text(182, 169, 20, QStringLiteral("/ 50"), big));
    detail.items.push_back(item::rule(166, 177, 28));
    detail.items.push_back(item::rule(166, 178, 28));
}

// The score sheets' page: header 50 mm, body from 51 mm, footer at 251 mm. The detail
// is declared no taller than the body so the whole form prints on one page.
ReportDescription scoreSheetPage(const QString &title)
{
    ReportDescription d;
    d.title = title;
    d.header.heightMm = 50;
    d.bodyMm.setTop(51);
    d.bodyMm.setHeight(200);
    d.footerTopMm = 251;
    d.detail.heightMm = 199;
    addScoreDetail(d.detail);
    d.footer.heightMm = 10;
    d.footer.items.push_back(item::rule(17, 2, 174));
    d.footer.items.push_back(item::text(17, 3, 100, kProductLine, times(8)));
    return d;
}

constexpr double kDeviceDpi = 1200; // as the PDF is written

void setUpDocument(QTextDocument &doc, QImage &device, const QString &text, const FontSpec &font, double widthMm)
{
    doc.documentLayout()->setPaintDevice(&device);
    doc.setDefaultFont(reportfont::font(font));
    doc.setDocumentMargin(0);
    if (Qt::mightBeRichText(text))
        doc.setHtml(text);
    else
        doc.setPlainText(text);
    doc.setTextWidth(widthMm * kDeviceDpi / 25.4);
}

// Where the first line that ends below `limit` (device pixels) begins, or -1 when all fits.
int breakPosition(QTextDocument &doc, double limit)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextLayout *layout = b.layout();
        if (!layout)
            continue;
        const double top = doc.documentLayout()->blockBoundingRect(b).top();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (top + line.y() + line.height() > limit) {
                int at = b.position() + line.textStart();
                // A single line taller than the box still moves on.
                if (at == 0)
                    at = line.textLength() > 0 ? line.textLength() : b.length();
                return at;
            }
        }
    }
    return -1;
}

} // namespace

Options optionsFromGlobals()
{
    const Globals &g = glo();
    Options o;
    o.metric = g.UNITSPROMPT != 0;
    o.celsius = g.TEMPPROMPT != 0;
    o.byVolume = g.ALCBASEDON != 0;
    o.ageString = g.AGESTRING;
    o.today = g.THISDAY ? g.THISDAY : Clock::current().today();
    return o;
}

QString batchName2(const BrewRecord &brew)
{
    return (brew.BREWBATCHNAME.trimmed().isEmpty() ? brew.BREWKIT : brew.BREWBATCHNAME).left(45);
}

QString temperatureText(const QString &reading, bool celsius)
{
    const QString text = trimmedRight(reading);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !(value > 0))
        return QString();
    return (text + (celsius ? QStringLiteral(" C") : QStringLiteral(" F"))).left(4);
}

QString alcoholCaption(bool byVolume)
{
    return byVolume ? QStringLiteral("%Alc by Volume:") : QStringLiteral("%Alc by Weight:");
}

const std::vector<ScoreSection> &scoreSections()
{
    static const std::vector<ScoreSection> sections {
        { QStringLiteral("APPEARANCE:"),
            { QStringLiteral("Clarity:   1 - 4"), QStringLiteral("Head Retention:   1 - 3") }, 7 },
        { QStringLiteral("AROMA/BOUQUET:  "), { QStringLiteral("Aroma/Bouquet:  1 - 8") }, 8 },
        { QStringLiteral("TASTE:"),
            { QStringLiteral("Balance: Sweet/Dry:   1 - 10"), QStringLiteral("Bubbles:   1 - 5"),
                QStringLiteral("After Taste:   1 - 5"), QStringLiteral("Mouth feel:   1 - 5"),
                QStringLiteral("Overall Drinkability:   1 - 10") },
            35 },
    };
    return sections;
}

PreparedReport selectedBrewOnly(const BrewRecord &brew, const Options &o)
{
    ReportDescription d;
    d.title = QStringLiteral("Maltwright - Selected Brew");
    d.header.heightMm = 34;
    d.bodyMm.setTop(34);
    d.bodyMm.setHeight(222);
    d.footerTopMm = 257;

    addBrewTitle(d.header, brew);
    const FontSpec b12 = times(12, true);
    auto &h = d.header.items;
    h.push_back(item::text(13, 20, 20, QStringLiteral("Aged for:"), b12));
    h.push_back(item::text(33, 20, 158, pic("s55", o.ageString), b12));
    h.push_back(item::text(13, 28, 34, QStringLiteral("Best matured for:"), b12));
    h.push_back(item::text(47, 28, 56, pic("s20", brew.SPAREFIELD4), b12));
    h.push_back(item::text(104, 28, 13, QStringLiteral("Cost:"), b12));
    h.push_back(item::text(117, 28, 30, pic("N7.2B", brew.BREWCOST), b12));

    const QString sugarUnit = o.metric ? QStringLiteral("kg") : QStringLiteral("lbs");
    const QString waterUnit = o.metric ? QStringLiteral("ltr") : QStringLiteral("gals");
    const QString tempUnit = o.celsius ? QStringLiteral("C") : QStringLiteral("F");

    Values v;
    const FontSpec f = times(14);
    const FontSpec bold = times(14, true);
    const FontSpec small = times(10);
    auto &t = d.detail.items;
    auto text = [&](double x, double y, double w, const char *s, const FontSpec &font) {
        t.push_back(item::text(x, y, w, QString::fromLatin1(s), font));
    };
    auto value = [&](double x, double y, double w, const QString &s, const FontSpec &font,
                     Qt::Alignment align = Qt::AlignLeft) { t.push_back(fieldAt(v, x, y, w, s, font, align)); };
    const auto right = Qt::AlignRight;

    t.push_back(item::rule(12, 1, 184));
    text(13, 8, 38, "Fermenting Sugar:", f);
    value(51, 8, 13, pic("N5.3", brew.BREWSUGARKG), f, right);
    value(65, 8, 9, sugarUnit, f);
    value(74, 8, 66, brew.BREWSUGARTYPE, f);
    text(142, 8, 50, "Other ingredients:", times(10, true));
    value(142, 14, 54, brew.ADDITIVE1, small);
    text(20, 19, 31, "Priming Sugar:", f);
    value(51, 19, 13, pic("N5.3B", brew.PRIMERSUGARKG), f, right);
    value(65, 19, 9, sugarUnit, f);
    value(74, 19, 66, brew.PRIMERSUGARTYPE, f);
    value(142, 21, 54, brew.ADDITIVE2, small);
    value(142, 28, 54, brew.ADDITIVE3, small);
    text(36, 30, 15, "Water:", f);
    value(51, 30, 13, pic("N4.1B", brew.WATERVOLUMELTR), f, right);
    value(65, 30, 12, waterUnit, f);
    value(142, 35, 54, brew.ADDITIVE4, small);
    text(37, 41, 14, "Yeast:", f);
    value(51, 41, 89, brew.YEAST, f);
    value(142, 42, 54, brew.ADDITIVE5, small);
    t.push_back(item::rule(13, 53, 184));

    text(20, 59, 36, "Date Down:", f);
    value(56, 59, 40, pic("D017B", (long long)brew.DATEDOWN), bold);
    text(113, 59, 38, "Original Gravity:", f);
    value(151, 59, 15, pic("P#.###P", (long long)brew.ORIGINALGRAVITY), bold);
    value(166, 59, 13, temperatureText(brew.SPAREFIELD1, o.celsius), bold);
    text(179, 59, 3, "o", small);
    text(20, 70, 36, "Date Bottled:", f);
    value(56, 70, 40, pic("D017B", (long long)brew.DATEBOTTLED), bold);
    text(119, 70, 33, "Final Gravity:", f);
    value(152, 70, 15, pic("P#.###P", (long long)brew.FINALGRAVITY), bold);
    value(168, 70, 11, temperatureText(brew.SPAREFIELD2, o.celsius), bold);
    text(179, 70, 3, "o", small);
    text(17, 82, 39, "Min use by:", f);
    value(56, 82, 40, pic("D017B", (long long)brew.MINUSE), bold);
    value(108, 82, 44, alcoholCaption(o.byVolume), f);
    value(152, 82, 16, pic("N5.2B", brew.ESTIMATEDALC), bold);
    text(16, 93, 40, "Max use by:", f);
    value(56, 93, 40, pic("D017B", (long long)brew.MAXUSE), bold);
    text(110, 93, 42, "Bottle Conditioning:", f);
    value(152, 93, 8, pic("N2B", (long long)brew.BREWPERIOD2), bold, right);
    text(161, 93, 12, "days", f);
    text(8, 104, 48, "Fermentation:", f);
    value(56, 104, 8, pic("N2B", (long long)brew.BREWPERIOD), bold, right);
    text(65, 104, 12, "days", f);
    text(108, 104, 45, "Fermentation Temp:", f);
    value(153, 104, 9, pic("N2B", (long long)brew.BREWTEMP), bold, right);
    value(163, 104, 6, tempUnit, f);
    t.push_back(item::rule(14, 118, 184));

    text(18, 122, 26, "Appearance:", f);
    value(44, 122, 8, pic("N2B", brew.APPEARANCE), f, right);
    text(70, 122, 16, "Aroma:", f);
    value(86, 122, 8, pic("N2B", brew.AROMA), f, right);
    text(115, 122, 14, "Taste:", f);
    value(129, 122, 8, pic("N2B", brew.TASTE), f, right);
    text(162, 122, 17, "Overall:", f);
    value(179, 122, 7, pic("N2B", (long long)brew.OVERALL), f, right);
    text(186, 122, 12, "/ 50", f);
    t.push_back(item::rule(13, 132, 184));

    text(18, 136, 11, "Notes", arial(8));
    text(17, 139, 12, " (Brief)", arial(8));
    // The brief notes keep their 14 mm box when they fit it; longer notes take the room
    // left on the page below it instead of being cut.
    const FontSpec notesFont = times(10);
    const double roomMm = d.bodyMm.height() - 136 - 1;
    double notesHeight = 14;
    const QStringList pieces = notesPieces(brew.NOTES, notesFont, 156, 14);
    if (pieces.size() > 1)
        notesHeight = roomMm;
    t.push_back(item::memo(29, 136, 156, notesHeight, v.add(brew.NOTES), notesFont));
    d.detail.heightMm = std::max(158.0, 136 + notesHeight + 1);

    addFooter(d, 15, 1);
    return onePage(QStringLiteral("Rpt_SingleSelectedBrewOnly"), std::move(d), { v.list() });
}

PreparedReport detailedNotes(const BrewRecord &brew, const Options &o)
{
    ReportDescription d;
    d.title = QStringLiteral("Maltwright - Detailed Notes");
    d.header.heightMm = 30;
    d.bodyMm.setTop(30);
    d.bodyMm.setHeight(227);
    d.footerTopMm = 257;

    addBrewTitle(d.header, brew);
    const FontSpec a10 = arial(10);
    auto &h = d.header.items;
    h.push_back(item::text(13, 18, 14, QStringLiteral("Aged for:"), a10));
    h.push_back(item::text(27, 18, 103, trimmedRight(o.ageString), a10));
    h.push_back(item::text(131, 18, 27, QStringLiteral("Best matured for:"), a10));
    h.push_back(item::text(158, 18, 38, brew.SPAREFIELD4, a10));
    h.push_back(item::text(13, 24, 60, QStringLiteral("Detailed notes..."), a10));
    h.push_back(item::rule(13, 29, 184));

    // Notes longer than their box go on in the same box on the next page.
    d.detail.heightMm = 158;
    d.detail.items.push_back(item::memo(13, 1, 184, 154, 0, a10));
    std::vector<QStringList> records;
    for (const QString &piece : notesPieces(brew.NOTESBIG, a10, 184, 154))
        records.push_back({ piece });
    if (records.empty())
        records.push_back({ QString() });

    addFooter(d, 15, 1);
    return onePage(QStringLiteral("Rpt_SingleSelectedBrewsDetailedNotes"), std::move(d), std::move(records));
}

PreparedReport tastingScoreSheet(const std::optional<BrewRecord> &brew, const Options &o)
{
    ReportDescription d = scoreSheetPage(QStringLiteral("Maltwright - Tasting Sheet"));
    if (!brew)
        return onePage(QStringLiteral("Rpt_TastingScoreSheet"), std::move(d), {});
    const BrewRecord &b = *brew;
    auto &h = d.header.items;
    h.push_back(item::text(17, 17, 55, QStringLiteral("Tasting Sheet:"), times(20)));
    h.push_back(item::text(72, 19, 78, QStringLiteral("Tasting date: ___ / ___ / _______"), times(14)));
    h.push_back(item::text(151, 19, 25, QStringLiteral("Batch No."), times(14)));
    h.push_back(aligned(item::text(176, 19, 14, pic("N4B", (long long)b.BATCHNUMBER), times(14)), Qt::AlignRight));
    h.push_back(navy(item::text(17, 27, 174, batchName2(b), times(20, true))));
    h.push_back(
        item::text(17, 37, 174, QStringLiteral("Aged for ") + trimmedRight(o.ageString).left(71), times(12, true)));
    h.push_back(item::text(17, 43, 100, b.BREWKIT, times(12, true)));
    h.push_back(item::text(118, 43, 12, QStringLiteral("Cost:"), times(12)));
    h.push_back(item::text(130, 43, 16, pic("N6.2B", b.BREWCOST), times(12, true)));
    h.push_back(item::text(147, 43, 24, QStringLiteral("Date Bottled:"), times(12)));
    h.push_back(item::text(171, 43, 25, pic("D017B", (long long)b.DATEBOTTLED), times(12, true)));
    h.push_back(item::rule(17, 49, 174));
    return onePage(QStringLiteral("Rpt_TastingScoreSheet"), std::move(d), { QStringList() });
}

PreparedReport tastingScoreSheetNoBrew(const Options &o)
{
    ReportDescription d = scoreSheetPage(QStringLiteral("Maltwright - Tasting Sheet"));
    auto &h = d.header.items;
    const FontSpec f10 = times(10);
    h.push_back(item::text(17, 19, 80, QStringLiteral("Tasting Sheet:"), times(20)));
    h.push_back(item::text(157, 21, 45, pic("D018B", (long long)o.today), f10));
    h.push_back(item::text(17, 33, 120, QStringLiteral("Aged for: ____________________________________"), f10));
    h.push_back(item::text(142, 33, 60, QStringLiteral("Tasting date: ___ / ___ / _______"), f10));
    h.push_back(item::text(17, 45, 30, QStringLiteral("Brew:"), f10));
    h.push_back(item::text(117, 45, 25, QStringLiteral("Batch No."), f10));
    h.push_back(item::text(145, 45, 30, QStringLiteral("Date Bottled:"), f10));
    h.push_back(item::rule(17, 49, 174));
    return onePage(QStringLiteral("Rpt_TastingScoreSheetNoBrew"), std::move(d), { QStringList() });
}

PreparedReport brewingRecordSheet()
{
    ReportDescription d;
    d.title = QStringLiteral("Maltwright - Brewers Record Sheet");
    d.header.heightMm = 19;
    d.bodyMm.setTop(20);
    d.bodyMm.setHeight(243);
    d.footerTopMm = 263;
    d.header.items.push_back(
        navy(item::text(13, 12, 120, QStringLiteral("Maltwright - Brewers Record Sheet"), times(14))));
    d.header.items.push_back(item::rule(13, 18, 184));

    d.detail.heightMm = 242;
    const FontSpec f = times(10);
    const FontSpec title = times(14);
    auto &t = d.detail.items;
    auto text = [&](double x, double y, const char *s, const FontSpec &font) {
        t.push_back(item::text(x, y, 0, QString::fromLatin1(s), font));
    };
    t.push_back(navy(item::text(13, 6, 80, QStringLiteral("Fermentation:"), title)));
    text(13, 15, "Brew Kit/Recipe: _________________________________", f);
    text(13, 23, "Brew Batch Name: ________________________________", f);
    text(13, 31, "Brewing Sugar Used: ______________________________", f);
    text(13, 38, "Volume of Sugar: __________", f);
    text(124, 37, "Other brew ingredients:", f);
    text(13, 46, "Volume of Water: __________", f);
    text(124, 46, "1. __________________________________", f);
    text(13, 53, "Yeast Used: ____________________________", f);
    text(124, 53, "2. __________________________________", f);
    text(13, 61, "Date Down: _____ / _____ / ___________", f);
    text(124, 61, "3. __________________________________", f);
    text(13, 68, "Original Gravity: __________", f);
    text(124, 68, "4. __________________________________", f);
    text(13, 76, "Temp. at Reading: __________", f);
    text(124, 76, "5. __________________________________", f);
    t.push_back(navy(item::text(13, 95, 80, QStringLiteral("Bottle conditioning:"), title)));
    text(13, 103, "Priming Sugar: ________________________________", f);
    text(13, 111, "Volume of Sugar: __________", f);
    text(13, 119, "Primary Fermentation Temperature: __________", f);
    text(13, 127, "Date Bottled: _____ / _____ / __________", f);
    text(13, 135, "Fermentation: __________ days", f);
    text(120, 135, "Final Gravity: __________", f);
    text(13, 143, "Conditioning: __________ days", f);
    text(114, 143, "Temp. at Reading: __________", f);
    t.push_back(item::box(12, 156, 186, 82));

    d.footer.heightMm = 10;
    d.footer.items.push_back(item::text(12, 0, 60, QStringLiteral(" Version 1.43"), times(8)));
    return onePage(QStringLiteral("Rpt_BrewingRecordSheet"), std::move(d), { QStringList() });
}

QStringList notesPieces(const QString &notes, const FontSpec &font, double widthMm, double heightMm)
{
    QStringList pieces;
    if (notes.isEmpty())
        return pieces;
    QImage device(1, 1, QImage::Format_ARGB32);
    const int dotsPerMetre = int(kDeviceDpi / 0.0254 + 0.5);
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    // A little room is kept at the bottom, so a piece still fits where a device lays the
    // text out a hair taller.
    const double limit = heightMm * 0.97 * kDeviceDpi / 25.4;

    QString rest = notes;
    bool first = true;
    while (true) {
        QTextDocument doc;
        setUpDocument(doc, device, rest, font, widthMm);
        const int at = breakPosition(doc, limit);
        if (at < 0) {
            // What fits goes as given the first time, so notes that fit are printed untouched.
            pieces << (first ? notes : rest);
            break;
        }
        QTextCursor cursor(&doc);
        cursor.setPosition(0);
        // Cut at the start of a paragraph or list item, the piece ends with the one before, so
        // no empty item is left at its foot.
        const bool atBlockStart = doc.findBlock(at).position() == at;
        cursor.setPosition(atBlockStart ? at - 1 : at, QTextCursor::KeepAnchor);
        pieces << cursor.selection().toHtml();
        cursor.setPosition(at);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        const QTextDocumentFragment tail = cursor.selection();
        if (tail.toPlainText().trimmed().isEmpty())
            break;
        rest = tail.toHtml();
        first = false;
    }
    return pieces;
}

} // namespace singlebrew
