#include "exchange/csvexport.h"

#include "exchange/csvexportrecord.h"

#include <QDir>

namespace
{

constexpr int kPageRows = 512;

} // namespace

QString CsvExport::filePath(const QString &dataFolder) { return QDir(dataFolder).filePath(fileName()); }

QString CsvExport::shownName() const { return QDir::toNativeSeparators(m_path); }

CsvExport::CsvExport(const QString &dataFolder, std::int16_t selector, const QString &outPath)
    : m_brews(dataFolder)
    , m_path(outPath.isEmpty() ? filePath(dataFolder) : outPath)
    , m_selector(selector)
    , m_file(m_path)
{
}

CsvExport::~CsvExport()
{
    if (m_started)
        finish();
}

bool CsvExport::fail(const QString &message)
{
    if (!m_failure)
        m_failure = Result::failure(message);
    m_done = true;
    return false;
}

Result CsvExport::start()
{
    // Emptied first: an export that ends early never leaves the lines of an older run behind.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Result::failure(
            QStringLiteral("File %1 could not be opened.  Error: %2.").arg(shownName(), m_file.errorString()));
    if (Result r = m_brews.open(); !r) {
        m_file.close();
        return Result::failure(m_brews.store().openFailure(r.message()).text);
    }
    m_started = true;
    if (m_selector <= 0) {
        const Expected<std::int64_t> total = m_brews.countAll();
        if (!total)
            fail(total.message());
        else
            m_total = *total;
    }
    return Result::success();
}

bool CsvExport::writeOut()
{
    if (m_buffer.isEmpty())
        return true;
    const qint64 n = m_file.write(m_buffer);
    if (n != m_buffer.size() || !m_file.flush())
        return fail(QStringLiteral("File %1 could not be written.  Error: %2.").arg(shownName(), m_file.errorString()));
    m_buffer.clear();
    return true;
}

// One brew: its line number is the count of brews before it in record-number order plus
// one, the number it has in a full export, found without reading the others.
bool CsvExport::runSingle()
{
    m_done = true;
    Expected<std::optional<BrewRecord>> brew = m_brews.fetch(std::int32_t(m_selector));
    if (!brew)
        return fail(brew.message());
    if (!brew->has_value())
        return false;
    const int field = BrewsTable::definition().fieldIndex(QStringLiteral("RECORDNUMBER"));
    const Expected<std::int64_t> before
        = m_brews.count(BrewKey::KeyRecord, Filter { { { field, Filter::Compare::Less, std::int64_t(m_selector) } } });
    if (!before)
        return fail(before.message());
    m_lineCounter = std::int32_t(*before + 1);
    CsvExportRecord::fromBrew(**brew, m_lineCounter).appendLine(m_buffer);
    m_csvFileName = (*brew)->BREWKIT;
    while (m_csvFileName.endsWith(QLatin1Char(' ')))
        m_csvFileName.chop(1);
    if (!writeOut())
        return false;
    ++m_written;
    return false;
}

bool CsvExport::runSlice(Clock::time_point deadline)
{
    if (!m_started || m_done || m_cancelled)
        return false;
    if (m_selector > 0)
        return runSingle();
    do {
        const Bound from = m_cursor ? Bound::after(*m_cursor) : Bound::edge();
        Expected<BrewsTable::Page> page = m_brews.readPage(BrewKey::KeyRecord, from, Direction::Forward, kPageRows);
        if (!page)
            return fail(page.message());
        for (const BrewRecord &brew : page->rows)
            CsvExportRecord::fromBrew(brew, ++m_lineCounter).appendLine(m_buffer);
        const std::int64_t lines = std::int64_t(page->rows.size());
        if (!writeOut())
            return false;
        m_written += lines;
        if (!page->rows.empty())
            m_cursor = m_brews.cursorOf(BrewKey::KeyRecord, page->rows.back());
        if (page->atEnd) {
            m_done = true;
            return false;
        }
    } while (Clock::now() < deadline);
    return true;
}

int CsvExport::percent() const
{
    if (m_done)
        return 100;
    if (m_total <= 0)
        return 0;
    return int(std::min<std::int64_t>(100, std::int64_t(m_lineCounter) * 100 / m_total));
}

void CsvExport::cancel() { m_cancelled = true; }

Result CsvExport::finish()
{
    if (m_started) {
        writeOut();
        m_file.close();
        if (m_file.error() != QFileDevice::NoError && !m_failure)
            m_failure = Result::failure(
                QStringLiteral("File %1 could not be written.  Error: %2.").arg(shownName(), m_file.errorString()));
        m_brews.close();
        m_started = false;
    }
    return m_failure ? *m_failure : Result::success();
}
