#include "app/commandline.h"

#include <QDir>

CommandLine CommandLine::parse(int argc, const char *const *argv)
{
    CommandLine line;
    line.dataFolder = QDir::currentPath();
    bool haveCommand = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--data-dir") || arg.startsWith(QLatin1String("--data-dir="))) {
            QString dir;
            if (arg.contains(QLatin1Char('=')))
                dir = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < argc)
                dir = QString::fromLocal8Bit(argv[++i]);
            if (dir.isEmpty()) {
                line.error = QStringLiteral("--data-dir needs a folder");
                return line;
            }
            line.dataFolder = QDir(dir).absolutePath();
        } else if (!haveCommand && arg == QLatin1String("check")) {
            line.command = Command::Check;
            haveCommand = true;
        } else if (!haveCommand && arg == QLatin1String("export-csv")) {
            line.command = Command::ExportCsv;
            haveCommand = true;
        } else if (!haveCommand && arg == QLatin1String("backup")) {
            line.command = Command::Backup;
            haveCommand = true;
        } else if (line.command == Command::ExportCsv
            && (arg == QLatin1String("--record") || arg == QLatin1String("--out"))) {
            if (i + 1 >= argc) {
                line.error = QStringLiteral("%1 needs a value").arg(arg);
                return line;
            }
            const QString value = QString::fromLocal8Bit(argv[++i]);
            if (arg == QLatin1String("--out")) {
                line.outFile = QDir(value).absolutePath();
            } else {
                bool ok = false;
                line.record = value.toLongLong(&ok);
                if (!ok || line.record <= 0) {
                    line.error = QStringLiteral("--record needs a record number above 0");
                    return line;
                }
            }
        } else if (line.command == Command::Backup && line.destination.isEmpty() && !arg.startsWith(QLatin1Char('-'))) {
            line.destination = QDir(arg).absolutePath();
        } else if (arg.startsWith(QLatin1Char('-')) && !haveCommand && line.command == Command::Program) {
            // Qt's own options (-platform, -style ...) are left to QApplication.
            if (i + 1 < argc
                && (arg == QLatin1String("-platform") || arg == QLatin1String("-style")
                    || arg == QLatin1String("-display")))
                ++i;
        } else {
            line.error = QStringLiteral("unknown argument %1").arg(arg);
            return line;
        }
    }
    if (line.command == Command::Backup && line.destination.isEmpty())
        line.error = QStringLiteral("backup needs a destination folder");
    return line;
}

const char *CommandLine::usage()
{
    return "usage: maltwright [--data-dir DIR]\n"
           "       maltwright check [--data-dir DIR]\n"
           "       maltwright export-csv [--record N] [--out FILE] [--data-dir DIR]\n"
           "       maltwright backup DEST [--data-dir DIR]\n";
}
