// The band engine on layouts of its own: bands side by side, memo boxes, the run's
// page starts, and PDF output.

#include "platform/timeslicedrun.h"
#include "reports/pagedocument.h"
#include "reports/pagerenderer.h"
#include "reports/reportrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

std::unique_ptr<PageDocument> runList(const ReportDescription &d, int records, int chunk = 3)
{
    std::vector<QStringList> rows;
    for (int i = 1; i <= records; ++i)
        rows.push_back({ QStringLiteral("Label %1").arg(i), QStringLiteral("<b>Notes</b> of %1").arg(i) });
    ReportRun run(d, std::make_shared<ListSource>(rows), chunk);
    EXPECT_TRUE(TimeSlicedRun::runToEnd([&run] { return run.step(); }).ok());
    return run.document();
}

// Labels of 93 x 63 mm on a 190 mm body: two across, four down.
ReportDescription labels()
{
    ReportDescription d;
    d.title = QStringLiteral("Labels");
    d.bodyMm = QRectF(10, 10, 190, 260);
    d.detail.widthMm = 93;
    d.detail.heightMm = 63;
    d.detail.items.push_back(item::box(0, 0, 93, 63));
    d.detail.items.push_back(item::field(3, 3, 87, 0));
    d.detail.items.push_back(item::memo(3, 10, 87, 40, 1));
    d.footer.items.push_back(item::pageNumber(150, 2, 0, QStringLiteral("pPage <<<#p")));
    return d;
}

std::vector<QPointF> boxCorners(const ReportPage &page)
{
    std::vector<QPointF> corners;
    for (const PageItem &i : page.items)
        if (i.kind == ReportItem::Kind::Box)
            corners.push_back(i.mm.topLeft());
    return corners;
}

} // namespace

TEST(BandEngine, NarrowBandsArePlacedAcrossThenDown)
{
    const ReportDescription d = labels();
    EXPECT_EQ(d.columns(), 2);
    EXPECT_EQ(d.rows(), 4);
    auto doc = runList(d, 9);
    ASSERT_EQ(doc->pageCount(), 2);
    const ReportPage first = *doc->page(0);
    const std::vector<QPointF> corners = boxCorners(first);
    ASSERT_EQ(corners.size(), 8u);
    EXPECT_EQ(corners[0], QPointF(10, 10));
    EXPECT_EQ(corners[1], QPointF(103, 10));
    EXPECT_EQ(corners[2], QPointF(10, 73));
    EXPECT_EQ(corners[7], QPointF(103, 199));
    const PageItem *eighth = first.textAt(106, 202);
    ASSERT_NE(eighth, nullptr);
    EXPECT_EQ(eighth->text, QStringLiteral("Label 8"));
    const ReportPage second = *doc->page(1);
    EXPECT_EQ(boxCorners(second).size(), 1u);
    EXPECT_TRUE(second.hasText(QStringLiteral("Label 9")));
    EXPECT_TRUE(second.hasText(QStringLiteral("Page    2")));
}

TEST(BandEngine, MemoBoxesKeepTheirFormattedNotes)
{
    auto doc = runList(labels(), 1);
    const ReportPage page = *doc->page(0);
    const auto memo = std::find_if(
        page.items.begin(), page.items.end(), [](const PageItem &i) { return i.kind == ReportItem::Kind::Memo; });
    ASSERT_NE(memo, page.items.end());
    EXPECT_EQ(memo->text, QStringLiteral("<b>Notes</b> of 1"));
    EXPECT_EQ(memo->mm, QRectF(13, 20, 87, 40));
}

TEST(BandEngine, PageStartsHoldAcrossChunksOfAnySize)
{
    // Exactly full pages leave no empty page behind; a chunk size that does not divide the
    // page still starts every page at its own first record.
    for (int chunk : { 1, 7, 8, 100 })
        for (int records : { 0, 1, 8, 16, 17 }) {
            auto doc = runList(labels(), records, chunk);
            EXPECT_EQ(doc->pageCount(), std::max(1, (records + 7) / 8)) << chunk << " " << records;
            for (int p = 0; p < doc->pageCount(); ++p) {
                const ReportPage page = *doc->page(p);
                if (records > 0)
                    EXPECT_TRUE(page.hasText(QStringLiteral("Label %1").arg(p * 8 + 1))) << chunk << " " << records;
            }
        }
}

TEST(BandEngine, PdfHasEveryPageOrTheChosenOnesAndNeverAHalfFile)
{
    QTemporaryDir dir;
    auto doc = runList(labels(), 20);
    ASSERT_EQ(doc->pageCount(), 3);
    auto pagesIn = [](const QString &path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF"));
        return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
    };
    const QString all = dir.filePath(QStringLiteral("all.pdf"));
    ASSERT_TRUE(pagerender::writePdf(*doc, all).ok());
    EXPECT_EQ(pagesIn(all), 3);
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    ASSERT_TRUE(pagerender::writePdf(*doc, chosen, { 0, 2 }).ok());
    EXPECT_EQ(pagesIn(chosen), 2);

    // A stopped write leaves the file that was there as it was.
    const QByteArray before = [&] {
        QFile f(all);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const Result stopped = pagerender::writePdf(*doc, all, {}, [](int done, int) { return done < 1; });
    EXPECT_FALSE(stopped.ok());
    QFile f(all);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);

    const Result refused = pagerender::writePdf(*doc, dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QLatin1String("could not be written")));
}
