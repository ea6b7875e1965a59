#pragma once
// The export run: every brew in record-number order read a page at a time, one line of the
// export file "Brewsexp.csv" per exported brew. With a selector above 0 only the brew of that
// record number is written, under the line number it has in a full export. Done in slices
// so a progress window stays responsive; without a window, runToEnd().

#include "exchange/slicedjob.h"
#include "platform/result.h"
#include "records/brewstable.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <optional>

class CsvExport : public SlicedJob
{
public:
    static QString fileName() { return QStringLiteral("Brewsexp.csv"); }
    static QString filePath(const QString &dataFolder);

    // `selector`: 0 exports every brew, above 0 only the brew with that record number.
    // `outPath`: where the lines go; the export file of the data folder when empty.
    CsvExport(const QString &dataFolder, std::int16_t selector, const QString &outPath = {});
    ~CsvExport() override;

    // Empties the export file (creating it) and opens the Brews table. On failure the
    // message says which file could not be opened and why; nothing is read.
    Result start();
    bool runSlice(Clock::time_point deadline) override;
    int percent() const override;
    // Stops reading; the lines written so far stay in the file.
    void cancel();
    // Closes the file and the table. The failure of any write or read on the way, if one
    // happened: the file is then incomplete and must not be taken for a full export.
    Result finish();

    bool isCancelled() const { return m_cancelled; }
    // The kit/recipe name of the brew of a single-brew export once written; blank otherwise.
    const QString &csvFileName() const { return m_csvFileName; }
    std::int32_t linesRead() const { return m_lineCounter; }
    std::int64_t linesWritten() const { return m_written; }

private:
    bool fail(const QString &message);
    bool writeOut();
    bool runSingle();
    QString shownName() const;

    BrewsTable m_brews;
    QString m_path;
    std::int16_t m_selector;
    QFile m_file;
    QByteArray m_buffer;
    bool m_started = false;
    bool m_done = false;
    bool m_cancelled = false;
    std::optional<Result> m_failure;
    std::int64_t m_total = 0;
    std::int32_t m_lineCounter = 0;
    std::int64_t m_written = 0;
    std::optional<Cursor> m_cursor;
    QString m_csvFileName;
};
