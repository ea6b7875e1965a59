#pragma once
// The command line: an optional command word, its own options, and --data-dir DIR.

#include <QString>

struct CommandLine {
    enum class Command { Program, Check, ExportCsv, Backup };
    Command command = Command::Program;
    QString dataFolder; // the working folder unless --data-dir names another
    qint64 record = 0; // export-csv --record N
    QString outFile; // export-csv --out FILE
    QString destination; // backup DEST
    QString error; // not empty when the line cannot be understood

    static CommandLine parse(int argc, const char *const *argv);
    static const char *usage();
};
