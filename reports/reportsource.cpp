#include "reports/reportsource.h"

#include <algorithm>

Expected<ReportSource::Chunk> ListSource::read(const Cursor &after, int limit, bool withValues)
{
    std::size_t first = 0;
    if (!after.isNull())
        first = std::size_t(std::get<std::int64_t>(after.values.front())) + 1;
    Chunk chunk;
    const std::size_t end = std::min(m_records.size(), first + std::size_t(std::max(limit, 0)));
    for (std::size_t i = first; i < end; ++i) {
        if (withValues)
            chunk.values.push_back(m_records[i]);
        chunk.cursors.push_back(Cursor { { FieldValue(std::int64_t(i)) } });
    }
    chunk.atEnd = end >= m_records.size();
    return chunk;
}
