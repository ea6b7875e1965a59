#include "reports/pagedocument.h"

#include "platform/picture.h"
#include "reports/reportfonts.h"

#include <algorithm>
#include <cmath>

namespace
{

void placeBand(std::vector<PageItem> &out, const Band &band, QPointF origin, double bandWidth, int pageNumber,
    const QStringList *values)
{
    for (const ReportItem &it : band.items) {
        PageItem p;
        p.kind = it.kind;
        p.font = it.font;
        p.color = it.color;
        p.align = it.align;
        p.penMm = it.penMm;
        QRectF r = it.mm.translated(origin);
        QString text = it.text;
        if (it.pageNumber)
            text = Picture(it.text).text(pageNumber);
        else if (it.field >= 0)
            text = values && it.field < values->size() ? values->at(it.field) : QString();
        if (it.kind == ReportItem::Kind::Text) {
            if (r.width() <= 0)
                r.setWidth(std::max(0.0, bandWidth - it.mm.x()));
            if (r.height() <= 0)
                r.setHeight(reportfont::lineHeightMm(it.font));
            // A value is cut to its column, never spilling into the next one.
            text = reportfont::cut(it.font, text, r.width());
            if (text.isEmpty())
                continue;
        } else if (it.kind == ReportItem::Kind::Memo && text.isEmpty()) {
            continue;
        }
        p.mm = r;
        p.text = text;
        out.push_back(std::move(p));
    }
}

} // namespace

std::vector<const PageItem *> ReportPage::textsAt(double yMm, double toleranceMm) const
{
    std::vector<const PageItem *> found;
    for (const PageItem &i : items)
        if (i.kind == ReportItem::Kind::Text && std::abs(i.mm.y() - yMm) <= toleranceMm)
            found.push_back(&i);
    std::sort(found.begin(), found.end(), [](const PageItem *a, const PageItem *b) { return a->mm.x() < b->mm.x(); });
    return found;
}

const PageItem *ReportPage::textAt(double xMm, double yMm) const
{
    for (const PageItem &i : items)
        if (i.kind == ReportItem::Kind::Text && std::abs(i.mm.x() - xMm) < 0.01 && std::abs(i.mm.y() - yMm) < 0.01)
            return &i;
    return nullptr;
}

bool ReportPage::hasText(const QString &text) const
{
    return std::any_of(items.begin(), items.end(), [&](const PageItem &i) { return i.text == text; });
}

PageDocument::PageDocument(ReportDescription description, std::shared_ptr<ReportSource> source,
    std::vector<Cursor> starts, std::int64_t records)
    : m_description(std::move(description))
    , m_source(std::move(source))
    , m_starts(std::move(starts))
    , m_records(records)
{
    if (m_starts.empty())
        m_starts.push_back(Cursor {});
}

int PageDocument::pageCount() const
{
    const std::int64_t perPage = m_description.bandsPerPage();
    const std::int64_t pages = std::max<std::int64_t>(1, (m_records + perPage - 1) / perPage);
    // The summary goes on a page of its own when the last page has no room left for it.
    if (m_description.summary.heightMm > 0 && m_records > 0) {
        const std::int64_t onLast = m_records - (pages - 1) * perPage;
        const int columns = m_description.columns();
        const double used = double((onLast + columns - 1) / columns) * m_description.detail.heightMm;
        if (used + m_description.summary.heightMm > m_description.bodyMm.height() + 0.001)
            return int(pages + 1);
    }
    return int(pages);
}

Expected<ReportPage> PageDocument::page(int index) const
{
    if (index < 0 || index >= pageCount())
        return Expected<ReportPage>::failure(QStringLiteral("There is no page %1.").arg(index + 1));
    std::vector<QStringList> records;
    // A page past the last record holds only the summary.
    if (m_records > 0 && std::int64_t(index) * m_description.bandsPerPage() < m_records) {
        const std::size_t start = std::min(std::size_t(index / kPagesPerStart), m_starts.size() - 1);
        Cursor from = m_starts[start];
        int skip = (index - int(start) * kPagesPerStart) * m_description.bandsPerPage();
        if (index == m_nextIndex) {
            from = m_nextFrom;
            skip = 0;
        }
        if (skip > 0) {
            Expected<ReportSource::Chunk> passed = m_source->read(from, skip, false);
            if (!passed)
                return passed.result();
            if (passed->cursors.empty())
                return Expected<ReportPage>::failure(QStringLiteral("Page %1 is no longer there.").arg(index + 1));
            from = passed->cursors.back();
        }
        Expected<ReportSource::Chunk> chunk = m_source->read(from, m_description.bandsPerPage(), true);
        if (!chunk)
            return chunk.result();
        records = std::move(chunk->values);
        if (!chunk->cursors.empty()) {
            m_nextIndex = index + 1;
            m_nextFrom = chunk->cursors.back();
        }
    }
    if (index == pageCount() - 1 && m_records > 0 && m_description.summary.heightMm > 0) {
        Expected<QStringList> summary = m_source->summary();
        if (!summary)
            return summary.result();
        return layOut(m_description, index + 1, records, &*summary);
    }
    return layOut(m_description, index + 1, records);
}

ReportPage PageDocument::layOut(
    const ReportDescription &d, int number, const std::vector<QStringList> &records, const QStringList *summary)
{
    ReportPage page;
    page.number = number;
    const double left = d.bodyMm.left();
    const double fullWidth = d.bodyMm.width();
    placeBand(page.items, d.header, QPointF(left, d.headerTopMm), fullWidth, number, nullptr);
    const int columns = d.columns();
    const double bandWidth = columns > 1 ? d.detail.widthMm : fullWidth;
    const std::size_t shown = std::min(records.size(), std::size_t(d.bandsPerPage()));
    for (std::size_t i = 0; i < shown; ++i) {
        const int column = int(i) % columns;
        const int row = int(i) / columns;
        const QPointF origin(left + column * bandWidth, d.bodyMm.top() + row * d.detail.heightMm);
        placeBand(page.items, d.detail, origin, bandWidth, number, &records[i]);
    }
    if (summary) {
        const std::size_t rowsUsed = (shown + std::size_t(columns) - 1) / std::size_t(columns);
        const QPointF origin(left, d.bodyMm.top() + double(rowsUsed) * d.detail.heightMm);
        placeBand(page.items, d.summary, origin, fullWidth, number, summary);
    }
    placeBand(page.items, d.footer, QPointF(left, d.footerTopMm), fullWidth, number, nullptr);
    return page;
}
