// Maltwright entry point: the command line, then the program's start-up.
//
//   maltwright [--data-dir DIR]          the program
//   maltwright check [--data-dir DIR]    verify every store without a window
//   maltwright report NAME ... --pdf FILE  a report to PDF without a window
//   maltwright --help | --version
#include "app/commandline.h"
#include "app/reportcommand.h"

#include "platform/gui/messagebox.h"
#include "platform/storecheck.h"
#include "records/alltables.h"
#include "screens/frame/mainframe.h"
#include "screens/frame/openingsplash.h"
#include "screens/frame/programstart.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <chrono>
#include <csignal>
#include <cstdio>

namespace
{

int runCheck(const CommandLine &line)
{
    QTextStream out(stdout);
    return runStoreCheck(allTableDefinitions(), line.dataFolder, out);
}

// With MALTWRIGHT_STARTUP_REPORT set, the moments of the start-up are written
// to stdout as steady-clock nanoseconds and the program ends once its frame is
// on screen: that is how the start-up benchmark measures a real start.
void reportStartup(ProgramStart &start)
{
    auto stamp = [](const char *what) {
        const auto ns
            = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
                  .count();
        std::printf("%s %lld\n", what, static_cast<long long>(ns));
        std::fflush(stdout);
    };
    start.setHooks({ [stamp] { stamp("splash-shown"); }, [stamp] { stamp("splash-closed"); },
        [stamp] {
            stamp("frame-shown");
            QCoreApplication::quit();
        } });
}

int runProgram(int argc, char **argv, const CommandLine &line)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maltwright"));
    MessageBoxPrompter prompter;
    if (!QFileInfo(line.dataFolder).isDir()) {
        // Stores are never created in a folder the user did not mean.
        const QString text = QStringLiteral("The data folder %1 does not exist.").arg(line.dataFolder);
        std::fprintf(stderr, "maltwright: %s\n", qPrintable(text));
        prompter.tell(Message { QStringLiteral("Maltwright"), text, MessageIcon::Error, {}, 1 });
        return 2;
    }
    ProgramStart::Options options;
    options.dataFolder = line.dataFolder;
    options.splashMs = OpeningSplash::intervalFromEnvironment();
    ProgramStart start(options, prompter);
    if (qEnvironmentVariableIsSet("MALTWRIGHT_STARTUP_REPORT"))
        reportStartup(start);
    start.prepare();
    start.openFrame();
    const int code = app.exec();
    start.finish();
    return code;
}

} // namespace

int main(int argc, char **argv)
{
#ifdef SIGXFSZ
    // A file-size limit reached while writing a store or a settings file ends the program
    // by default, losing whatever the user has typed and telling nothing. Ignored, the write
    // fails instead and is reported like a full disk, with the form still open.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const CommandLine line = CommandLine::parse(argc, argv);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "maltwright: %s\n%s", qPrintable(line.error), qPrintable(CommandLine::usage()));
        return 2;
    }
    if (line.command == CommandLine::Command::Help) {
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    }
    if (line.command == CommandLine::Command::Version) {
        std::fputs(qPrintable(CommandLine::version()), stdout);
        return 0;
    }
    if (line.command == CommandLine::Command::Report) {
        // No window opens: the pages are laid out and painted off screen, display or not.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runReportCommand(line, out, err);
    }
    if (line.command == CommandLine::Command::Check) {
        QCoreApplication app(argc, argv);
        return runCheck(line);
    }
    return runProgram(argc, argv, line);
}
