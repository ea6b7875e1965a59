// Maltwright entry point (grows with the start-up sequence).
// "maltwright check [--data-dir DIR]" verifies the stores without opening a window.
#include "platform/storecheck.h"
#include "records/alltables.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

// The data folder named by --data-dir DIR or --data-dir=DIR; the working folder otherwise.
// Sets `bad` to the argument that is not understood.
QString dataFolder(const QStringList &args, QString *bad)
{
    QString folder = QStringLiteral(".");
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--data-dir") && i + 1 < args.size())
            folder = args[++i];
        else if (args[i].startsWith(QLatin1String("--data-dir=")))
            folder = args[i].mid(11);
        else if (bad->isEmpty())
            *bad = args[i];
    }
    return folder;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!args.isEmpty() && args.front() == QLatin1String("check")) {
        QCoreApplication app(argc, argv);
        QString bad;
        const QString folder = dataFolder(args.mid(1), &bad);
        if (!bad.isEmpty()) {
            QTextStream(stderr) << "Usage: maltwright check [--data-dir DIR]\n";
            return 2;
        }
        QTextStream out(stdout);
        return runStoreCheck(allTableDefinitions(), folder, out);
    }
    QCoreApplication app(argc, argv);
    std::puts("Maltwright");
    return 0;
}
