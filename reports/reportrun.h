#pragma once
// The run of a report: one pass through its source in key order that counts the
// records and notes where each page begins, a chunk per step, so a window can
// drive it in time slices and show how far it has got. The pass holds no record
// longer than its chunk; the finished run gives the page document.

#include "reports/pagedocument.h"

#include <memory>

class ReportRun
{
public:
    static constexpr int kDefaultChunk = 512;

    ReportRun(ReportDescription description, std::shared_ptr<ReportSource> source, int chunkRecords = kDefaultChunk);

    // One chunk; true when the source is exhausted.
    Expected<bool> step();
    bool isDone() const { return m_done; }
    std::int64_t recordsRead() const { return m_read; }
    // 0 to 100: records read against the source's count.
    int percent() const;
    // The laid-out report, once the run is done.
    std::unique_ptr<PageDocument> document() const;

private:
    ReportDescription m_description;
    std::shared_ptr<ReportSource> m_source;
    int m_chunk;
    bool m_counted = false;
    bool m_done = false;
    std::int64_t m_total = 0;
    std::int64_t m_read = 0;
    Cursor m_last;
    std::vector<Cursor> m_pageStarts;
};
