#include "exchange/exchangecommands.h"

#include "exchange/csvexport.h"
#include "exchange/databackup.h"

#include <QDir>
#include <QFileInfo>

int runExportCsvCommand(
    const QString &dataFolder, std::int64_t recordNumber, const QString &outPath, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(dataFolder).isDir()) {
        err << QStringLiteral("The data folder %1 does not exist.").arg(dataFolder) << '\n';
        return 2;
    }
    // The selector is a 16-bit value: a record number beyond it cannot be chosen.
    if (recordNumber < 0 || recordNumber > 32767) {
        err << QStringLiteral("The record number %1 is out of range (1 .. 32767).").arg(recordNumber) << '\n';
        return 2;
    }
    CsvExport run(dataFolder, std::int16_t(recordNumber), outPath);
    if (Result r = run.start(); !r) {
        err << r.message() << '\n';
        return 1;
    }
    run.runToEnd();
    const Result r = run.finish();
    const QString path = QDir::toNativeSeparators(
        outPath.isEmpty() ? CsvExport::filePath(dataFolder) : QFileInfo(outPath).absoluteFilePath());
    if (!r) {
        err << r.message() << '\n';
        return 1;
    }
    if (recordNumber > 0 && run.linesWritten() == 0) {
        err << QStringLiteral("No brew has the record number %1; %2 is empty.").arg(recordNumber).arg(path) << '\n';
        return 1;
    }
    out << QStringLiteral("%1 brews written to %2").arg(run.linesWritten()).arg(path) << '\n';
    return 0;
}

int runBackupCommand(const QString &dataFolder, const QString &destFolder, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(dataFolder).isDir()) {
        err << QStringLiteral("The data folder %1 does not exist.").arg(dataFolder) << '\n';
        return 2;
    }
    const QString dest = QFileInfo(destFolder).absoluteFilePath();
    if (!QFileInfo(dest).isDir()) {
        err << QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(dest)) << '\n';
        return 1;
    }
    DataBackup backup(dataFolder);
    const DataBackup::Outcome outcome = backup.copyTo(dest);
    for (const QString &name : outcome.copied)
        out << QStringLiteral("copied %1").arg(name) << '\n';
    for (const DataBackup::Failure &f : outcome.failures)
        err << QStringLiteral("%1 was not copied: %2").arg(f.fileName, f.reason) << '\n';
    if (outcome.brewsFailed)
        err << QStringLiteral("The Backup was aborted.") << '\n';
    if (!outcome.ok())
        return 1;
    out << QStringLiteral("Maltwright data files have been copied to:  %1").arg(QDir::toNativeSeparators(dest)) << '\n';
    return 0;
}
