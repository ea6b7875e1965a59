#pragma once
// Where a report's records come from: a read of one table through one key, or a
// list the program builds. A source delivers its records a chunk at a time from a
// cursor, so neither the run nor the preview ever holds the whole table.

#include "platform/recordstore.h"
#include "platform/result.h"

#include <QStringList>
#include <cstdint>
#include <vector>

class ReportSource
{
public:
    virtual ~ReportSource() = default;

    struct Chunk {
        std::vector<QStringList> values; // per record, the detail band's values (when asked for)
        std::vector<Cursor> cursors; // per record, where it stands: a read "after" it continues there
        bool atEnd = true;
    };

    // How many records the source will deliver: the measure of the run's progress.
    virtual Expected<std::int64_t> count() = 0;
    // Up to `limit` records after `after` (a null cursor: from the first record).
    // `withValues` false spares formatting the values when only the cursors are wanted.
    virtual Expected<Chunk> read(const Cursor &after, int limit, bool withValues) = 0;
    // The values of the summary band, worked out over every record the source delivers.
    virtual Expected<QStringList> summary() { return QStringList(); }
};

// Records the program has built in memory (one brew, a list of fields).
class ListSource : public ReportSource
{
public:
    explicit ListSource(std::vector<QStringList> records)
        : m_records(std::move(records))
    {
    }
    Expected<std::int64_t> count() override { return std::int64_t(m_records.size()); }
    Expected<Chunk> read(const Cursor &after, int limit, bool withValues) override;

private:
    std::vector<QStringList> m_records;
};
