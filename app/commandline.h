#pragma once
// The command line: an optional command word and --data-dir DIR.

#include <QString>

struct CommandLine {
    enum class Command { Program, Check };
    Command command = Command::Program;
    QString dataFolder; // the working folder unless --data-dir names another
    QString error; // not empty when the line cannot be understood

    static CommandLine parse(int argc, const char *const *argv);
    static const char *usage();
};
