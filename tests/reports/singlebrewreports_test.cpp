// The printouts of one brew, read off their laid-out pages: the unit, temperature
// and alcohol texts by setting, the title, the score-sheet sections, and notes
// that go on over further pages instead of being cut.
#include "reports/pagedocument.h"
#include "reports/reportrun.h"
#include "reports/singlebrewreports.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace
{

BrewRecord sampleBrew()
{
    BrewRecord b;
    b.RECORDNUMBER = 3;
    b.BATCHNUMBER = 7;
    b.BREWKIT = QStringLiteral("Coopers Real Ale");
    b.BREWBATCHNAME = QStringLiteral("Summer Ale");
    b.BREWSUGARKG = Decimal::parse(QStringLiteral("1.2")).value();
    b.PRIMERSUGARKG = Decimal::parse(QStringLiteral("0.15")).value();
    b.WATERVOLUMELTR = Decimal(23);
    b.ORIGINALGRAVITY = 1046;
    b.FINALGRAVITY = 1010;
    b.SPAREFIELD1 = QStringLiteral("18");
    b.SPAREFIELD2 = QStringLiteral("0");
    b.ESTIMATEDALC = Decimal::parse(QStringLiteral("4.73")).value();
    b.OVERALL = 41;
    b.NOTES = QStringLiteral("Clean and bright.");
    return b;
}

// The whole run of a prepared report, as the preview gets it.
std::unique_ptr<PageDocument> run(const PreparedReport &report)
{
    ReportRun r(report.description, report.source);
    while (true) {
        Expected<bool> done = r.step();
        EXPECT_TRUE(bool(done));
        if (!done || *done)
            break;
    }
    return r.document();
}

ReportPage page(const PageDocument &doc, int index)
{
    Expected<ReportPage> p = doc.page(index);
    EXPECT_TRUE(bool(p));
    return p ? *p : ReportPage {};
}

// The text printed right of `caption` on the same line, or an empty text.
QString after(const ReportPage &p, const QString &caption)
{
    for (const PageItem &i : p.items)
        if (i.kind == ReportItem::Kind::Text && i.text == caption) {
            const PageItem *next = nullptr;
            for (const PageItem *c : p.textsAt(i.mm.y()))
                if (c->mm.x() > i.mm.x() && (!next || c->mm.x() < next->mm.x()))
                    next = c;
            return next ? next->text : QString();
        }
    return QString();
}

TEST(SingleBrewReports, UnitsTemperaturesAndAlcoholFollowTheSettings)
{
    const struct {
        bool metric, celsius, byVolume;
        const char *sugar, *water, *og, *temp, *alc;
    } cases[] = {
        { false, false, false, "lbs", "gals", "18 F", "F", "%Alc by Weight:" },
        { true, true, true, "kg", "ltr", "18 C", "C", "%Alc by Volume:" },
    };
    for (const auto &c : cases) {
        singlebrew::Options o;
        o.metric = c.metric;
        o.celsius = c.celsius;
        o.byVolume = c.byVolume;
        o.ageString = QStringLiteral("3 months 2 days  ");
        const auto doc = run(singlebrew::selectedBrewOnly(sampleBrew(), o));
        ASSERT_EQ(doc->pageCount(), 1);
        const ReportPage p = page(*doc, 0);
        // Both sugar amounts and the water carry the unit of the setting.
        int sugarUnits = 0;
        for (const PageItem &i : p.items)
            sugarUnits += i.text == QLatin1String(c.sugar);
        EXPECT_EQ(sugarUnits, 2) << c.sugar;
        EXPECT_TRUE(p.hasText(QString::fromLatin1(c.water)));
        EXPECT_EQ(after(p, QStringLiteral("Original Gravity:")), QStringLiteral("1.046"));
        EXPECT_TRUE(p.hasText(QString::fromLatin1(c.og)));
        // No fermentation temperature: its value is blank and the unit follows the caption.
        EXPECT_EQ(after(p, QStringLiteral("Fermentation Temp:")), QString::fromLatin1(c.temp));
        EXPECT_EQ(after(p, QString::fromLatin1(c.alc)), QStringLiteral("4.73"));
        EXPECT_EQ(after(p, QStringLiteral("Overall:")), QStringLiteral("41"));
        EXPECT_TRUE(p.hasText(QStringLiteral("Summer Ale")));
        EXPECT_TRUE(p.hasText(QStringLiteral("Maltwright 3 - Version 1.43")));
        // A final-gravity reading of 0 leaves its temperature blank.
        EXPECT_FALSE(p.hasText(QStringLiteral("0 F")));
        EXPECT_FALSE(p.hasText(QStringLiteral("0 C")));
    }
}

TEST(SingleBrewReports, TemperatureTexts)
{
    const struct {
        const char *reading;
        bool celsius;
        const char *text;
    } cases[] = {
        { "18", false, "18 F" },
        { "20  ", true, "20 C" },
        { "120", true, "120 " },
        { "", false, "" },
        { "   ", true, "" },
        { "0", false, "" },
        { "-3", true, "" },
        { "warm", true, "" },
        { "7.5", false, "7.5 " },
    };
    for (const auto &c : cases)
        EXPECT_EQ(singlebrew::temperatureText(QString::fromLatin1(c.reading), c.celsius), QString::fromLatin1(c.text))
            << c.reading;
}

TEST(SingleBrewReports, KitNameIsTheTitleWithoutABatchName)
{
    BrewRecord b = sampleBrew();
    b.BREWBATCHNAME = QStringLiteral("  ");
    singlebrew::Options o;
    o.ageString = QStringLiteral("5 weeks");
    const PreparedReport reports[]
        = { singlebrew::selectedBrewOnly(b, o), singlebrew::detailedNotes(b, o), singlebrew::tastingScoreSheet(b, o) };
    for (const PreparedReport &r : reports) {
        const ReportPage p = page(*run(r), 0);
        const PageItem *title = nullptr;
        for (const PageItem &i : p.items)
            if (i.font.bold && i.font.pointSize >= 16 && i.kind == ReportItem::Kind::Text)
                title = &i;
        ASSERT_TRUE(title) << r.procedure.toStdString();
        EXPECT_EQ(title->text, QStringLiteral("Coopers Real Ale")) << r.procedure.toStdString();
        EXPECT_EQ(title->color, QColor(0, 0, 128));
    }
    const ReportPage tasting = page(*run(reports[2]), 0);
    EXPECT_TRUE(tasting.hasText(QStringLiteral("Aged for 5 weeks")));
}

TEST(SingleBrewReports, ScoreSheetSectionsAddUpToFifty)
{
    singlebrew::Options o;
    o.today = date::fromYmd(2026, 12, 11);
    const auto withBrew = run(singlebrew::tastingScoreSheet(sampleBrew(), o));
    const auto plain = run(singlebrew::tastingScoreSheetNoBrew(o));
    for (const PageDocument *doc : { withBrew.get(), plain.get() }) {
        ASSERT_EQ(doc->pageCount(), 1);
        const ReportPage p = page(*doc, 0);
        // Each section's maximum is the sum of its items' top marks, as printed.
        const QRegularExpression range(QStringLiteral("1 - (\\d+)$"));
        int total = 0;
        for (const singlebrew::ScoreSection &s : singlebrew::scoreSections()) {
            EXPECT_TRUE(p.hasText(s.caption));
            int sum = 0;
            for (const QString &itemText : s.items) {
                EXPECT_TRUE(p.hasText(itemText)) << itemText.toStdString();
                sum += range.match(itemText).captured(1).toInt();
            }
            EXPECT_EQ(sum, s.maximum) << s.caption.toStdString();
            total += sum;
        }
        EXPECT_EQ(total, 50);
        EXPECT_EQ(singlebrew::scoreSections()[0].maximum, 7);
        EXPECT_EQ(singlebrew::scoreSections()[1].maximum, 8);
        EXPECT_EQ(singlebrew::scoreSections()[2].maximum, 35);
        EXPECT_TRUE(p.hasText(QStringLiteral("/ 50")));
        // The whole form fits the page above its footer at 251 mm.
        for (const PageItem &i : p.items)
            if (i.mm.top() < 251.0) {
                EXPECT_LE(i.mm.bottom(), 251.0) << i.text.toStdString();
            }
    }
    const ReportPage p = page(*plain, 0);
    EXPECT_TRUE(p.hasText(QStringLiteral("Aged for: ____________________________________")));
    EXPECT_FALSE(p.hasText(QStringLiteral("Summer Ale")));
}

TEST(SingleBrewReports, ABrewWithoutBatchNumberGivesNoTastingSheet)
{
    const auto doc = run(singlebrew::tastingScoreSheet(std::nullopt, {}));
    EXPECT_EQ(doc->recordCount(), 0);
    EXPECT_FALSE(page(*doc, 0).hasText(QStringLiteral("TOTAL:")));
}

TEST(SingleBrewReports, LongDetailedNotesGoOnOverFurtherPagesWithTheirFormatting)
{
    BrewRecord b = sampleBrew();
    QString html = QStringLiteral("<html><body><p><b>Brew day</b> went <i>well</i>.</p><ul>");
    for (int i = 1; i <= 120; ++i)
        html += QStringLiteral("<li><u>Step %1</u>: stirred, waited and checked the gravity again.</li>").arg(i);
    html += QStringLiteral("</ul><p align=\"right\">THE END</p></body></html>");
    b.NOTESBIG = html;
    const auto doc = run(singlebrew::detailedNotes(b, {}));
    ASSERT_GE(doc->pageCount(), 3);

    QString printed;
    for (int n = 0; n < doc->pageCount(); ++n) {
        const ReportPage p = page(*doc, n);
        EXPECT_TRUE(p.hasText(QStringLiteral("Detailed notes..."))) << n;
        int memos = 0;
        for (const PageItem &i : p.items)
            if (i.kind == ReportItem::Kind::Memo) {
                ++memos;
                EXPECT_EQ(i.mm.size(), QSizeF(184, 154));
                QTextDocument piece;
                piece.setHtml(i.text);
                printed += piece.toPlainText() + QLatin1Char('\n');
                // A page cut between two list items leaves no empty item at its foot.
                EXPECT_FALSE(piece.lastBlock().text().isEmpty()) << n;
                if (n == 0) {
                    EXPECT_TRUE(
                        i.text.contains(QStringLiteral("font-weight")) || i.text.contains(QStringLiteral("<b>")));
                }
            }
        EXPECT_EQ(memos, 1) << n;
    }
    // Every step is printed once, in order, and nothing after the last is lost.
    int from = 0;
    for (int i = 1; i <= 120; ++i) {
        const int at = printed.indexOf(QStringLiteral("Step %1:").arg(i), from);
        ASSERT_GE(at, 0) << i;
        from = at + 1;
    }
    EXPECT_TRUE(printed.contains(QStringLiteral("THE END")));
}

TEST(SingleBrewReports, NotesThatFitArePrintedAsGiven)
{
    const FontSpec arial { QStringLiteral("Arial"), 10 };
    const QString notes = QStringLiteral("<html><body><p><b>Short</b> notes.</p></body></html>");
    EXPECT_EQ(singlebrew::notesPieces(notes, arial, 184, 154), QStringList { notes });
    EXPECT_TRUE(singlebrew::notesPieces(QString(), arial, 184, 154).isEmpty());
    // Plain text that does not fit is cut between lines, each piece fitting its box.
    const QString plain = QStringLiteral("A line of plain notes.\n").repeated(80);
    const QStringList pieces = singlebrew::notesPieces(plain, arial, 184, 40);
    ASSERT_GE(pieces.size(), 3);
    for (const QString &piece : pieces)
        EXPECT_EQ(singlebrew::notesPieces(piece, arial, 184, 40).size(), 1);
}

TEST(SingleBrewReports, LongBriefNotesTakeTheRoomBelowTheirBox)
{
    BrewRecord b = sampleBrew();
    const auto shortNotes = run(singlebrew::selectedBrewOnly(b, {}));
    b.NOTES = QStringLiteral("Brief notes that run on and on. ").repeated(30);
    const auto longNotes = run(singlebrew::selectedBrewOnly(b, {}));
    auto memo = [](const PageDocument &doc) {
        Expected<ReportPage> p = doc.page(0);
        for (const PageItem &i : p->items)
            if (i.kind == ReportItem::Kind::Memo)
                return i;
        return PageItem {};
    };
    EXPECT_DOUBLE_EQ(memo(*shortNotes).mm.height(), 14);
    const PageItem grown = memo(*longNotes);
    EXPECT_GT(grown.mm.height(), 14);
    EXPECT_LE(grown.mm.bottom(), 257.0);
    EXPECT_EQ(longNotes->pageCount(), 1);
}

TEST(SingleBrewReports, RecordSheetIsOneBlankForm)
{
    const auto doc = run(singlebrew::brewingRecordSheet());
    ASSERT_EQ(doc->pageCount(), 1);
    const ReportPage p = page(*doc, 0);
    EXPECT_TRUE(p.hasText(QStringLiteral("Maltwright - Brewers Record Sheet")));
    EXPECT_TRUE(p.hasText(QStringLiteral("Conditioning: __________ days")));
    EXPECT_TRUE(p.hasText(QStringLiteral(" Version 1.43")));
    int boxes = 0;
    for (const PageItem &i : p.items)
        boxes += i.kind == ReportItem::Kind::Box && i.mm.size() == QSizeF(186, 82);
    EXPECT_EQ(boxes, 1);
}

} // namespace
