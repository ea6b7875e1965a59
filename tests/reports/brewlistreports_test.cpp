// The brew list reports, asserted on their page documents: which brews each member
// prints and in which order, how a page fills, and the texts of the entries and headings.

#include "reportfixture.h"

#include "reports/reportfonts.h"

using namespace reporttest;

namespace
{

constexpr double kLeft = 2; // the report body's left edge on the page
constexpr double kTop = 30; // the first detail band
constexpr double kBand = 11;

int bandsOn(const ReportPage &page)
{
    int n = 0;
    for (const PageItem &i : page.items)
        if (i.kind == ReportItem::Kind::Rule && i.mm.y() < 263)
            ++n;
    return n;
}

// The text of each entry on the page at a place of the detail band ("" where the value is blank).
QStringList column(const ReportPage &page, double x, double y)
{
    QStringList texts;
    for (int k = 0; k < bandsOn(page); ++k) {
        const PageItem *i = page.textAt(kLeft + x, kTop + k * kBand + y);
        texts << (i ? i->text : QString());
    }
    return texts;
}

QStringList batches(const ReportPage &page) { return column(page, 14, 2); }

QStringList headerTexts(const ReportPage &page)
{
    QStringList texts;
    for (const PageItem &i : page.items)
        if (i.kind == ReportItem::Kind::Text && i.mm.y() < kTop)
            texts << i.text;
    return texts;
}

} // namespace

TEST(BrewListReports, TwentyTwoBrewsFillOnePageAndPutTheLastOnTheNext)
{
    BrewLog log;
    for (int r = 1; r <= 22; ++r)
        log.add(r, r);
    auto doc = run(QStringLiteral("Rpt_BrewsByBatchNo"), log.folder());
    ASSERT_EQ(doc->pageCount(), 2);
    EXPECT_EQ(doc->recordCount(), 22);
    const ReportPage first = page(*doc, 0);
    const ReportPage second = page(*doc, 1);
    EXPECT_EQ(bandsOn(first), 21);
    EXPECT_EQ(bandsOn(second), 1);
    EXPECT_EQ(batches(first).first(), QStringLiteral("22"));
    EXPECT_EQ(batches(first).last(), QStringLiteral("2"));
    EXPECT_EQ(batches(second), QStringList { QStringLiteral("1") });
    // Header and footer on every page, the page number through its picture.
    for (const ReportPage *p : { &first, &second }) {
        EXPECT_TRUE(p->hasText(QStringLiteral("Maltwright - By Batch No.")));
        EXPECT_TRUE(p->hasText(QStringLiteral("Maltwright 3 - Version 1.43")));
    }
    EXPECT_TRUE(first.hasText(QStringLiteral("Page    1")));
    EXPECT_TRUE(second.hasText(QStringLiteral("Page    2")));
    EXPECT_FALSE(doc->page(2).ok());
}

TEST(BrewListReports, SelectedRangePrintsItsBatchesHighestFirst)
{
    BrewLog log;
    for (int r = 1; r <= 10; ++r)
        log.add(r, r);
    brewlist::Options options;
    options.from = 3;
    options.to = 7;
    auto doc = run(QStringLiteral("Rpt_ByBatchNoSelRange"), log.folder(), options);
    EXPECT_EQ(batches(page(*doc, 0)),
        (QStringList {
            QStringLiteral("7"), QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3") }));
    EXPECT_TRUE(page(*doc, 0).hasText(QStringLiteral("Maltwright - Selected Batch Range")));
}

TEST(BrewListReports, EachMemberReadsItsKeyWithoutTheBrewsLeftOutOfIt)
{
    struct Case {
        const char *procedure;
        void (*empty)(BrewRecord &); // gives brew 2 an empty value of the member's key
        QStringList batches; // printed, in order
    };
    const Case cases[] = {
        { "Rpt_BrewsByCost", [](BrewRecord &b) { b.BREWCOST = Decimal(0); }, { "1", "3" } },
        { "Rpt_ByTasteScore", [](BrewRecord &b) { b.OVERALL = 0; }, { "3", "1" } },
        { "Rpt_ByTasteScoreInstock", [](BrewRecord &b) { b.OVERALL = 0; }, { "3", "1" } },
        { "Rpt_BrewsByDateDown", [](BrewRecord &b) { b.DATEDOWN = 0; }, { "3", "1" } },
        { "Rpt_BrewsByKitRecipe", [](BrewRecord &b) { b.BREWKIT.clear(); }, { "1", "3" } },
        { "Rpt_BrewsByRecordNo", [](BrewRecord &b) { b.BREWKIT.clear(); }, { "1", "2", "3" } },
        { "Rpt_ByRecordNumberInStock", [](BrewRecord &b) { b.STOCKONHAND = QStringLiteral("0"); }, { "1", "3" } },
        { "Rpt_ByBatchNumberInStock", [](BrewRecord &b) { b.STOCKONHAND = QStringLiteral("0"); }, { "3", "1" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.procedure);
        BrewLog log;
        for (int r = 1; r <= 3; ++r)
            log.add(r, r, [&](BrewRecord &b) {
                b.STOCKONHAND = QStringLiteral("1");
                if (r == 2)
                    c.empty(b);
            });
        auto doc = run(QString::fromLatin1(c.procedure), log.folder());
        const BrewListMember *m = brewlist::find(QString::fromLatin1(c.procedure));
        const ReportPage p = page(*doc, 0);
        // The tasting layout puts the score first and the batch number at 21.
        EXPECT_EQ(m->tasting ? column(p, 21, 2) : batches(p), c.batches);
        EXPECT_TRUE(p.hasText(m->title));
    }
}

TEST(BrewListReports, EntryTextsFollowTheirPictures)
{
    BrewLog log;
    log.add(1, 1, [](BrewRecord &b) {
        b.ESTIMATEDALC = dec("3.20");
        b.BREWSUGARKG = Decimal(0);
        b.PRIMERSUGARKG = Decimal(0);
        b.BREWBATCHNAME = QStringLiteral("Christmas ale");
    });
    log.add(2, 2, [](BrewRecord &b) {
        b.ESTIMATEDALC = dec("5.00");
        b.BREWSUGARKG = dec("1.25");
        b.PRIMERSUGARKG = dec("0.1");
        b.FINALGRAVITY = 0;
        b.BREWCOST = dec("12.5");
        b.BREWPERIOD = 7;
    });
    log.add(3, 3, [](BrewRecord &b) { b.FINALGRAVITY = 1055; });

    brewlist::Options byWeight;
    byWeight.byVolume = false;
    const ReportPage w = page(*run(QStringLiteral("Rpt_BrewsByRecordNo"), log.folder(), byWeight), 0);
    const ReportPage v = page(*run(QStringLiteral("Rpt_BrewsByRecordNo"), log.folder()), 0);
    EXPECT_EQ(column(w, 177, 6).first(), QStringLiteral("3.2% abw"));
    EXPECT_EQ(column(v, 177, 6).at(1), QStringLiteral("5% abv"));

    // No sugar: 0.000, the slash, and nothing after it.
    EXPECT_EQ(column(v, 24, 6), (QStringList { "0.000", "1.250", "0.000" }));
    EXPECT_EQ(column(v, 34, 6), (QStringList { "/", "/", "/" }));
    EXPECT_EQ(column(v, 36, 6), (QStringList { "", "0.100", "" }));
    // Gravities and their difference; no final gravity gives the original; a higher one a negative.
    EXPECT_EQ(column(v, 127, 6), (QStringList { "1.050", "1.050", "1.050" }));
    EXPECT_EQ(column(v, 142, 6), (QStringList { "1.010", "0.000", "1.055" }));
    EXPECT_EQ(column(v, 159, 6).at(0), QStringLiteral("0.040"));
    EXPECT_EQ(column(v, 159, 6).at(1), QStringLiteral("1.050"));
    EXPECT_TRUE(column(v, 159, 6).at(2).startsWith(QLatin1Char('-')));
    EXPECT_EQ(column(v, 90, 6), (QStringList { "1.00", "12.50", "3.00" }));
    EXPECT_EQ(column(v, 104, 6), (QStringList { "", "7", "" }));

    // The batch name replaces the kit name when there is one, except in the kit/recipe member.
    EXPECT_EQ(column(v, 23, 2), (QStringList { "Christmas ale", "Kit 002", "Kit 003" }));
    const ReportPage k = page(*run(QStringLiteral("Rpt_BrewsByKitRecipe"), log.folder()), 0);
    EXPECT_EQ(column(k, 23, 2), (QStringList { "Kit 001", "Kit 002", "Kit 003" }));
}

TEST(BrewListReports, HeadingsFollowTheSettingsAndTheLayout)
{
    BrewLog log;
    log.add(1, 1);
    struct Case {
        bool metric, celsius;
        const char *sugar, *temp;
    };
    for (const Case c : { Case { true, true, "kg Sugar", "C" }, Case { false, false, "lbs Sugar", "F" } }) {
        brewlist::Options o;
        o.metric = c.metric;
        o.celsius = c.celsius;
        for (const char *procedure : { "Rpt_BrewsByBatchNo", "Rpt_ByTasteScore" }) {
            const QStringList header = headerTexts(page(*run(QString::fromLatin1(procedure), log.folder(), o), 0));
            EXPECT_TRUE(header.contains(QLatin1String(c.sugar))) << procedure;
            EXPECT_TRUE(header.contains(QLatin1String(c.temp))) << procedure;
            EXPECT_FALSE(header.contains(QLatin1String(c.metric ? "lbs Sugar" : "kg Sugar")));
        }
    }
    const QStringList list = headerTexts(page(*run(QStringLiteral("Rpt_BrewsByBatchNo"), log.folder()), 0));
    EXPECT_TRUE(list.contains(QStringLiteral("Taste/50")));
    EXPECT_FALSE(list.contains(QStringLiteral("Taste")));
    EXPECT_FALSE(list.contains(QStringLiteral("(Includes only brews with a Total Cost assigned)")));
    const QStringList tasting = headerTexts(page(*run(QStringLiteral("Rpt_ByTasteScore"), log.folder()), 0));
    EXPECT_TRUE(tasting.contains(QStringLiteral("Taste")));
    EXPECT_TRUE(tasting.contains(QStringLiteral("/50")));
    EXPECT_TRUE(tasting.contains(QStringLiteral("Est/Alc%")));
    EXPECT_FALSE(tasting.contains(QStringLiteral("Taste/50")));
    const ReportPage cost = page(*run(QStringLiteral("Rpt_BrewsByCost"), log.folder()), 0);
    const PageItem *note = cost.textAt(kLeft + 87, 14);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text, QStringLiteral("(Includes only brews with a Total Cost assigned)"));
    // The score in bold leads the tasting entry.
    const ReportPage t = page(*run(QStringLiteral("Rpt_ByTasteScore"), log.folder()), 0);
    const PageItem *score = t.textAt(kLeft + 15, kTop + 2);
    ASSERT_NE(score, nullptr);
    EXPECT_EQ(score->text, QStringLiteral("02"));
    EXPECT_TRUE(score->font.bold);
}

TEST(BrewListReports, LongValuesAreCutToTheirColumn)
{
    BrewLog log;
    log.add(1, 1, [](BrewRecord &b) {
        b.BREWKIT = QString(45, QLatin1Char('W'));
        b.YEAST = QString(35, QLatin1Char('M'));
    });
    const ReportPage p = page(*run(QStringLiteral("Rpt_BrewsByKitRecipe"), log.folder()), 0);
    for (double x : { 23.0, 95.0 }) {
        const PageItem *i = p.textAt(kLeft + x, kTop + 2);
        ASSERT_NE(i, nullptr);
        EXPECT_FALSE(i->text.isEmpty());
        EXPECT_LT(i->text.size(), x < 50 ? 45 : 35);
        EXPECT_LE(reportfont::widthMm(i->font, i->text), i->mm.width());
        EXPECT_LE(i->mm.right(), kLeft + (x < 50 ? 95 : 142));
    }
}

TEST(BrewListReports, BrewsSharingAKeyValueArePagedWithoutLossOrRepeat)
{
    BrewLog log;
    for (int r = 1; r <= 50; ++r)
        log.add(r, r, [r](BrewRecord &b) { b.BREWKIT = r % 2 ? QStringLiteral("Stout") : QStringLiteral("stout"); });
    auto doc = run(QStringLiteral("Rpt_BrewsByKitRecipe"), log.folder());
    ASSERT_EQ(doc->pageCount(), 3);
    QStringList seen;
    for (int i = 0; i < 3; ++i)
        seen << batches(page(*doc, i));
    EXPECT_EQ(seen.size(), 50);
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), 50);
}

TEST(BrewListReports, NoQualifyingBrewGivesOneBarePage)
{
    BrewLog log;
    log.add(1, 1);
    auto doc = run(QStringLiteral("Rpt_ByBatchNumberInStock"), log.folder());
    EXPECT_EQ(doc->pageCount(), 1);
    const ReportPage p = page(*doc, 0);
    EXPECT_EQ(bandsOn(p), 0);
    EXPECT_TRUE(p.hasText(QStringLiteral("Maltwright - In Stock Only")));
}

TEST(BrewListReports, RangeChecksInTheirOrder)
{
    struct Case {
        int from, to;
        const char *message;
    };
    const Case cases[] = {
        { 9, 5, "Print From must be less than print To." },
        { 0, 5, "Field can not be zero." },
        { 5, 0, "Print From must be less than print To." },
        { 0, 0, "Field can not be zero." },
        { 5, 5, "From/To can not be the same value." },
    };
    for (const Case &c : cases)
        EXPECT_EQ(brewlist::rangeError(c.from, c.to).value_or(QString()), QLatin1String(c.message))
            << c.from << " " << c.to;
    EXPECT_FALSE(brewlist::rangeError(3, 7).has_value());
}

TEST(BrewListReports, TheTenMembersAndTheirResets)
{
    QStringList resetting;
    for (const BrewListMember &m : brewlist::members())
        if (m.resetsRange)
            resetting << m.procedure;
    EXPECT_EQ(brewlist::members().size(), 10u);
    EXPECT_EQ(resetting,
        (QStringList { "Rpt_BrewsByRecordNo", "Rpt_BrewsByKitRecipe", "Rpt_ByBatchNoSelRange",
            "Rpt_ByBatchNumberInStock", "Rpt_ByRecordNumberInStock" }));
    EXPECT_EQ(brewlist::find(QStringLiteral("Rpt_ByRecordNumberInStock"))->title,
        QStringLiteral("Maltwright  - Record Order (In Stock)"));
}
