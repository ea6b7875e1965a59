#pragma once
// The command line: an optional command word, its own options, and --data-dir DIR.

#include <QString>

struct CommandLine {
    enum class Command { Program, Check, Report, ExportCsv, Backup, Help, Version };
    Command command = Command::Program;
    QString dataFolder; // the working folder unless --data-dir names another
    qint64 record = 0; // --record N: the brew of a one-brew printout or of export-csv, by record number
    QString outFile; // export-csv --out FILE
    QString destination; // backup DEST
    QString error; // not empty when the line cannot be understood

    // report NAME [--from N --to M] --pdf FILE
    QString reportName;
    QString pdfPath;
    bool rangeGiven = false;
    int from = 0;
    int to = 0;
    int labels = 0; // --labels N: how many labels (0: eight)

    static CommandLine parse(int argc, const char *const *argv);
    static QString usage();
    static QString version();
};
