#include "app/commandline.h"

#include "reports/reportcatalogue.h"

#include <QDir>

namespace
{

// Qt's own options that take a value; the program passes them on to QApplication.
bool isQtOptionWithValue(const QString &arg)
{
    static const QStringList options { QStringLiteral("-platform"), QStringLiteral("-style"),
        QStringLiteral("-display"), QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowtitle") };
    return options.contains(arg);
}

} // namespace

CommandLine CommandLine::parse(int argc, const char *const *argv)
{
    CommandLine line;
    line.dataFolder = QDir::currentPath();
    bool haveCommand = false;
    bool haveFrom = false;
    bool haveTo = false;
    // The value of an option: after "=" or the next argument.
    auto valueOf = [&](int &i, const QString &arg, const QString &name, QString &value) {
        if (arg.startsWith(name + QLatin1Char('=')))
            value = arg.mid(name.size() + 1);
        else if (i + 1 < argc)
            value = QString::fromLocal8Bit(argv[++i]);
        else
            value.clear();
        return !value.isEmpty();
    };
    auto is = [](const QString &arg, const char *name) {
        const QLatin1String n(name);
        return arg == n || arg.startsWith(n + QLatin1Char('='));
    };
    auto number = [&](int &i, const QString &arg, const char *name, int &out, const char *what = "a batch number") {
        QString text;
        bool ok = false;
        if (valueOf(i, arg, QLatin1String(name), text))
            out = text.toInt(&ok);
        if (!ok)
            line.error = QStringLiteral("%1 needs %2").arg(QLatin1String(name), QLatin1String(what));
        return ok;
    };

    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.command = Command::Help;
            return line;
        }
        if (arg == QLatin1String("--version")) {
            line.command = Command::Version;
            return line;
        }
    }
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (is(arg, "--data-dir")) {
            QString dir;
            if (!valueOf(i, arg, QStringLiteral("--data-dir"), dir)) {
                line.error = QStringLiteral("--data-dir needs a folder");
                return line;
            }
            line.dataFolder = QDir(dir).absolutePath();
        } else if (line.command == Command::Report && is(arg, "--pdf")) {
            if (!valueOf(i, arg, QStringLiteral("--pdf"), line.pdfPath)) {
                line.error = QStringLiteral("--pdf needs a file name");
                return line;
            }
            line.pdfPath = QDir::current().absoluteFilePath(line.pdfPath);
        } else if (line.command == Command::Report && is(arg, "--from")) {
            if (!number(i, arg, "--from", line.from))
                return line;
            haveFrom = true;
        } else if (line.command == Command::Report && is(arg, "--to")) {
            if (!number(i, arg, "--to", line.to))
                return line;
            haveTo = true;
        } else if (line.command == Command::Report && is(arg, "--record")) {
            int record = 0;
            if (!number(i, arg, "--record", record, "a record number"))
                return line;
            line.record = record;
            if (line.record <= 0) {
                line.error = QStringLiteral("--record needs a record number above 0");
                return line;
            }
        } else if (line.command == Command::Report && is(arg, "--labels")) {
            if (!number(i, arg, "--labels", line.labels, "a number of labels"))
                return line;
            if (line.labels < 1 || line.labels > 500) {
                line.error = QStringLiteral("--labels needs a number of labels from 1 to 500");
                return line;
            }
        } else if (!haveCommand && arg == QLatin1String("check")) {
            line.command = Command::Check;
            haveCommand = true;
        } else if (!haveCommand && arg == QLatin1String("report")) {
            line.command = Command::Report;
            haveCommand = true;
            if (i + 1 >= argc || QString::fromLocal8Bit(argv[i + 1]).startsWith(QLatin1Char('-'))) {
                line.error = QStringLiteral("report needs the name of a report");
                return line;
            }
            line.reportName = QString::fromLocal8Bit(argv[++i]);
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
        } else if (!haveCommand && isQtOptionWithValue(arg) && i + 1 < argc) {
            ++i; // left to QApplication
        } else if (arg.startsWith(QLatin1Char('-'))) {
            line.error = QStringLiteral("unknown option %1").arg(arg);
            return line;
        } else if (!haveCommand) {
            line.error = QStringLiteral("unknown command %1").arg(arg);
            return line;
        } else {
            line.error = QStringLiteral("unexpected argument %1").arg(arg);
            return line;
        }
    }
    if (line.command == Command::Report) {
        if (haveFrom != haveTo) {
            line.error = QStringLiteral("--from and --to go together");
            return line;
        }
        line.rangeGiven = haveFrom;
        if (line.pdfPath.isEmpty())
            line.error = QStringLiteral("report needs --pdf FILE");
    }
    if (line.command == Command::Backup && line.destination.isEmpty())
        line.error = QStringLiteral("backup needs a destination folder");
    return line;
}

QString CommandLine::usage()
{
    return QStringLiteral("usage: maltwright [--data-dir DIR]\n"
                          "       maltwright check [--data-dir DIR]\n"
                          "       maltwright report NAME [--from N --to M] --pdf FILE [--data-dir DIR]\n"
                          "       maltwright report NAME --record N [--labels N] --pdf FILE [--data-dir DIR]\n"
                          "       maltwright export-csv [--record N] [--out FILE] [--data-dir DIR]\n"
                          "       maltwright backup DEST [--data-dir DIR]\n"
                          "       maltwright --help | --version\n"
                          "\n"
                          "  (no command)  open the program on the data folder\n"
                          "  check         verify every store without opening a window; exits non-zero\n"
                          "                when one is damaged\n"
                          "  report        print the report NAME to a PDF file without opening a window;\n"
                          "                --from and --to give the batch range of Rpt_ByBatchNoSelRange;\n"
                          "                --record picks the brew (by record number) of a one-brew printout\n"
                          "                or label sheet, --labels the number of labels (1 to 500, default 8)\n"
                          "  export-csv    write the brew export file (every brew, or the brew of record\n"
                          "                number N) to FILE (default: the export file in the data folder)\n"
                          "  backup        copy the data files into the folder DEST\n"
                          "  --data-dir    the folder of the stores and settings (default: the working folder)\n"
                          "  --help        this text\n"
                          "  --version     the program's version\n"
                          "\n"
                          "Reports: %1\n")
        .arg(reportcatalogue::names().join(QStringLiteral(", ")));
}

QString CommandLine::version() { return QStringLiteral("Maltwright 3 - Version 1.43\n"); }
