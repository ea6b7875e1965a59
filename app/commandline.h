#pragma once
// The command line: an optional command word, its options and --data-dir DIR.

#include <QString>

struct CommandLine {
    enum class Command { Program, Check, Report, Help, Version };
    Command command = Command::Program;
    QString dataFolder; // the working folder unless --data-dir names another
    QString error; // not empty when the line cannot be understood

    // report NAME [--from N --to M] --pdf FILE
    QString reportName;
    QString pdfPath;
    bool rangeGiven = false;
    int from = 0;
    int to = 0;

    static CommandLine parse(int argc, const char *const *argv);
    static QString usage();
    static QString version();
};
