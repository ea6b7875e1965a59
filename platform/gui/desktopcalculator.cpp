#include "platform/gui/desktopcalculator.h"

#include <QProcess>
#include <QStandardPaths>

namespace desktopcalculator
{

QStringList candidates()
{
#ifdef Q_OS_WIN
    return { QStringLiteral("calc.exe") };
#elif defined(Q_OS_MACOS)
    return { QStringLiteral("open") }; // with -a Calculator, below
#else
    return { QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
        QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("qalculate-qt"),
        QStringLiteral("speedcrunch"), QStringLiteral("xcalc") };
#endif
}

QString find()
{
    for (const QString &name : candidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool start()
{
    const QString path = find();
    if (path.isEmpty())
        return false;
#ifdef Q_OS_MACOS
    return QProcess::startDetached(path, { QStringLiteral("-a"), QStringLiteral("Calculator") });
#else
    return QProcess::startDetached(path, {});
#endif
}

} // namespace desktopcalculator
