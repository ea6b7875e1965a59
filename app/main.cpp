// Maltwright entry point: the command line, then the program's start-up.
//
//   maltwright [--data-dir DIR]          the program
//   maltwright check [--data-dir DIR]    verify every store without a window
#include "app/commandline.h"

#include "platform/gui/messagebox.h"
#include "screens/mainframe.h"
#include "screens/openingsplash.h"
#include "screens/programstart.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>

namespace
{

int runCheck(const CommandLine &)
{
    std::fputs("maltwright: the store check is not part of this build yet\n", stderr);
    return 2;
}

int runProgram(int argc, char **argv, const CommandLine &line)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maltwright"));
    MessageBoxPrompter prompter;
    ProgramStart::Options options;
    options.dataFolder = line.dataFolder;
    options.splashMs = OpeningSplash::intervalFromEnvironment();
    ProgramStart start(options, prompter);
    start.prepare();
    start.openFrame();
    const int code = app.exec();
    start.finish();
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine line = CommandLine::parse(argc, argv);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "maltwright: %s\n%s", qPrintable(line.error), CommandLine::usage());
        return 2;
    }
    if (line.command == CommandLine::Command::Check) {
        QCoreApplication app(argc, argv);
        return runCheck(line);
    }
    return runProgram(argc, argv, line);
}
