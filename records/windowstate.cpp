#include "records/windowstate.h"

#include "records/settings.h"

namespace windowstate
{

namespace
{

const QString kMaximize = QStringLiteral("Maximize");
const QString kMinimize = QStringLiteral("Minimize");
const QString kXPos = QStringLiteral("XPos");
const QString kYPos = QStringLiteral("YPos");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

bool isYes(const QString &v) { return v.trimmed().compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0; }
bool isNo(const QString &v) { return v.trimmed().compare(QLatin1String("No"), Qt::CaseInsensitive) == 0; }
QString yesNo(bool b) { return b ? QStringLiteral("Yes") : QStringLiteral("No"); }

std::optional<int> readInt(const IniFile &ini, const QString &section, const QString &key)
{
    bool ok = false;
    const int v = ini.read(section, key).trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

} // namespace

WindowPlacement readPlacement(const QString &section)
{
    const IniFile ini = settings::windowStateFile();
    const QString maximize = ini.read(section, kMaximize);
    WindowPlacement p;
    if (!isYes(maximize) && !isNo(maximize))
        return p; // first use: the designed place
    p.known = true;
    p.maximized = isYes(maximize);
    p.minimized = isYes(ini.read(section, kMinimize));
    const auto x = readInt(ini, section, kXPos);
    const auto y = readInt(ini, section, kYPos);
    if (x && y)
        p.pos = QPoint(*x, *y);
    const auto w = readInt(ini, section, kWidth);
    const auto h = readInt(ini, section, kHeight);
    if (w && h && *w > 0 && *h > 0)
        p.size = QSize(*w, *h);
    return p;
}

Result storePlacement(const QString &section, const WindowPlacement &placement, bool resizable)
{
    const bool normal = !placement.maximized && !placement.minimized;
    const bool keepPos = normal && placement.pos.has_value();
    const bool keepSize = normal && resizable && placement.size.has_value() && !placement.size->isEmpty();
    const auto entry
        = [](bool keep, int value) { return keep ? std::optional<QString>(QString::number(value)) : std::nullopt; };
    return settings::windowStateFile().update(section,
        {
            { kMaximize, yesNo(placement.maximized) },
            { kMinimize, yesNo(placement.minimized) },
            { kXPos, entry(keepPos, keepPos ? placement.pos->x() : 0) },
            { kYPos, entry(keepPos, keepPos ? placement.pos->y() : 0) },
            { kWidth, entry(keepSize, keepSize ? placement.size->width() : 0) },
            { kHeight, entry(keepSize, keepSize ? placement.size->height() : 0) },
        });
}

QString columnFormatOnOpen(const QString &section, const QString &designed)
{
    const IniFile ini = settings::windowStateFile();
    const QString stored = ini.read(section, kDesignedFormatEntry);
    if (stored == designed && !stored.isEmpty() && stored.contains(QLatin1Char('@'))) {
        const QString user = ini.read(section, kUserFormatEntry);
        return user.isEmpty() ? designed : user;
    }
    // First use, or a changed design: the user's layout no longer fits the list.
    // Nothing is shown for the window-state file; a failed write means only
    // that the next opening starts from the design again.
    ini.update(section, { { kDesignedFormatEntry, designed }, { kUserFormatEntry, designed } });
    return designed;
}

Result storeColumnFormat(const QString &section, const QString &format)
{
    return settings::windowStateFile().write(section, kUserFormatEntry, format);
}

} // namespace windowstate
