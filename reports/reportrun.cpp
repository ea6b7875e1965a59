#include "reports/reportrun.h"

#include <algorithm>

ReportRun::ReportRun(ReportDescription description, std::shared_ptr<ReportSource> source, int chunkRecords)
    : m_description(std::move(description))
    , m_source(std::move(source))
    , m_chunk(std::max(1, chunkRecords))
{
    m_pageStarts.push_back(Cursor {});
}

Expected<bool> ReportRun::step()
{
    if (m_done)
        return true;
    if (!m_counted) {
        Expected<std::int64_t> total = m_source->count();
        if (!total)
            return total.result();
        m_total = *total;
        m_counted = true;
        return false;
    }
    Expected<ReportSource::Chunk> chunk = m_source->read(m_last, m_chunk, false);
    if (!chunk)
        return chunk.result();
    const std::int64_t perStart = std::int64_t(m_description.bandsPerPage()) * PageDocument::kPagesPerStart;
    for (Cursor &c : chunk->cursors) {
        // Every kPagesPerStart pages the cursor before the next page is noted.
        if (m_read > 0 && m_read % perStart == 0)
            m_pageStarts.push_back(m_last);
        m_last = std::move(c);
        ++m_read;
    }
    if (chunk->atEnd || chunk->cursors.empty())
        m_done = true;
    return m_done;
}

int ReportRun::percent() const
{
    if (m_done)
        return 100;
    if (m_total <= 0)
        return 0;
    return int(std::min<std::int64_t>(99, m_read * 100 / m_total));
}

std::unique_ptr<PageDocument> ReportRun::document() const
{
    return std::make_unique<PageDocument>(m_description, m_source, m_pageStarts, m_read);
}
