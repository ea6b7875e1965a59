#pragma once
// The export and the backup run from the command line, without a window: the same files as
// the program's own commands; every failure is written to `err` and gives a non-zero code.

#include <QString>
#include <QTextStream>
#include <cstdint>

// Writes the brew export (every brew, or with `recordNumber` above 0 that one brew under its
// full-export line number) to `outPath`, or to the data folder's export file when empty.
int runExportCsvCommand(
    const QString &dataFolder, std::int64_t recordNumber, const QString &outPath, QTextStream &out, QTextStream &err);
// Copies the data files into the existing folder `destFolder`.
int runBackupCommand(const QString &dataFolder, const QString &destFolder, QTextStream &out, QTextStream &err);
