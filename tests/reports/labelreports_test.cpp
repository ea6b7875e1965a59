// Bottle label sheets and the printed cost breakdown, read off their pages:
// eight labels to a sheet in two columns of four, the batch and alcohol texts,
// the own label's fields, and the breakdown's figures.
#include "calc/cost.h"
#include "reports/bottlelabels.h"
#include "reports/pagedocument.h"
#include "reports/reportrun.h"
#include "reports/unitcostreport.h"

#include <gtest/gtest.h>

namespace
{

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

std::vector<QRectF> frames(const ReportPage &p)
{
    std::vector<QRectF> boxes;
    for (const PageItem &i : p.items)
        if (i.kind == ReportItem::Kind::Box)
            boxes.push_back(i.mm);
    return boxes;
}

int count(const ReportPage &p, const QString &text)
{
    int n = 0;
    for (const PageItem &i : p.items)
        n += i.text == text;
    return n;
}

BrewRecord brew()
{
    BrewRecord b;
    b.RECORDNUMBER = 12;
    b.BATCHNUMBER = 7;
    b.BREWKIT = QStringLiteral("Coopers Real Ale");
    b.DATEDOWN = date::fromYmd(2026, 3, 1);
    b.ORIGINALGRAVITY = 1046;
    b.FINALGRAVITY = 1010;
    b.ESTIMATEDALC = Decimal::parse(QStringLiteral("4.73")).value();
    return b;
}

TEST(LabelReports, EightLabelsToASheetTwoAcrossFourDown)
{
    bottlelabels::Options o;
    o.kitName = QStringLiteral("Coopers Real Ale");
    const struct {
        int labels, sheets, onLast;
    } cases[] = { { 8, 1, 8 }, { 9, 2, 1 }, { 1, 1, 1 }, { 300, 38, 4 } };
    for (const auto &c : cases) {
        o.labels = c.labels;
        for (const PreparedReport &r : { bottlelabels::standard(brew(), o), bottlelabels::own(brew(), o) }) {
            const auto doc = run(r);
            EXPECT_EQ(doc->pageCount(), c.sheets) << c.labels;
            EXPECT_EQ(frames(page(*doc, doc->pageCount() - 1)).size(), std::size_t(c.onLast)) << c.labels;
        }
    }

    o.labels = 9;
    const auto doc = run(bottlelabels::standard(brew(), o));
    const std::vector<QRectF> boxes = frames(page(*doc, 0));
    ASSERT_EQ(boxes.size(), 8u);
    // Framed 91 x 60 mm boxes 1 mm into 93 x 63 mm bands, filled across then down.
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].size(), QSizeF(91, 60)) << i;
        EXPECT_DOUBLE_EQ(boxes[i].x() - boxes[0].x(), double(i % 2) * 93) << i;
        EXPECT_DOUBLE_EQ(boxes[i].y() - boxes[0].y(), double(i / 2) * 63) << i;
    }
    EXPECT_DOUBLE_EQ(boxes[0].y(), 15 + 1);
    EXPECT_LE(boxes.back().bottom(), 270.0);
    const std::vector<QRectF> second = frames(page(*doc, 1));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0], boxes[0]);
}

TEST(LabelReports, StandardLabelTexts)
{
    bottlelabels::Options o;
    o.labels = 2;
    o.kitName = QStringLiteral("Coopers Real Ale");
    o.batchName = QStringLiteral("Summer Ale");
    o.alcBasedOn = 0;
    ReportPage p = page(*run(bottlelabels::standard(brew(), o)), 0);
    EXPECT_EQ(count(p, QStringLiteral("Brew Batch No. 7")), 2);
    EXPECT_EQ(count(p, QStringLiteral("Coopers Real Ale")), 2);
    EXPECT_EQ(count(p, QStringLiteral("Alc/Wgt.")), 2);
    EXPECT_EQ(count(p, QStringLiteral("4.73")), 2);
    EXPECT_EQ(count(p, QStringLiteral("% ")), 2);
    EXPECT_EQ(count(p, QStringLiteral("1.046")), 2);
    EXPECT_EQ(count(p, QStringLiteral("Maltwright 3 - Version 1.43")), 1);

    o.useKitName = false;
    o.alcBasedOn = 1;
    p = page(*run(bottlelabels::standard(brew(), o)), 0);
    EXPECT_EQ(count(p, QStringLiteral("Summer Ale")), 2);
    EXPECT_EQ(count(p, QStringLiteral("Alc/Vol.")), 2);

    EXPECT_EQ(bottlelabels::alcoholCaption(2), QString());
    EXPECT_EQ(bottlelabels::standardBatchText(1234), QStringLiteral("Brew Batch No. 1234"));
    EXPECT_EQ(bottlelabels::ownBatchText(7), QStringLiteral("Batch No. 7"));
}

TEST(LabelReports, OwnLabelTexts)
{
    bottlelabels::Options o;
    o.labels = 1;
    o.header = QStringLiteral("Black Stump Bitter");
    o.body = QStringLiteral("A Home Brewed Beer");
    o.lines = { QStringLiteral("Hops"), QString(), QStringLiteral("Finings"), QString(), QString() };
    const ReportPage p = page(*run(bottlelabels::own(brew(), o)), 0);
    EXPECT_EQ(count(p, QStringLiteral("Batch No. 7")), 1);
    EXPECT_EQ(count(p, QStringLiteral("Brew Batch No. 7")), 0);
    EXPECT_EQ(count(p, QStringLiteral("Black Stump Bitter")), 1);
    EXPECT_EQ(count(p, QStringLiteral("A Home Brewed Beer")), 1);
    EXPECT_EQ(count(p, QStringLiteral("Finings")), 1);
    EXPECT_EQ(count(p, QStringLiteral("Alc/Wgt.")), 1);
    const std::vector<QRectF> boxes = frames(p);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_DOUBLE_EQ(boxes[0].y(), 9 + 1);
}

TEST(UnitCostReport, BreakdownOfTheSampleFigures)
{
    CostFigures f;
    cost::fillExample(f);
    const auto doc = run(unitcost::report(f, { QStringLiteral("Coopers Lager"), QString(), 7 }));
    ASSERT_EQ(doc->pageCount(), 1);
    const ReportPage p = page(*doc, 0);
    for (const char *text : { "Maltwright - Cost Per Unit", "Coopers Lager", "Batch No.", "7", "12.95", "2.09", "7.65",
             "4.50", "0.85", "0.00", "28.04", "22.50", "0.200", "112.50", "0.25",
             "28.04 divided by 112.5 equals a unit cost of:", "Notes:" })
        EXPECT_TRUE(p.hasText(QString::fromLatin1(text))) << text;
    EXPECT_EQ(count(p, QStringLiteral("0.00")), 3); // sundries 3 to 5

    // A zero kit cost prints blank; the other costs print 0.00.
    CostFigures zero;
    const ReportPage blank = page(*run(unitcost::report(zero, {})), 0);
    EXPECT_EQ(count(blank, QStringLiteral("0.00")), 7);
}

} // namespace
