#include "records/settings.h"

#include "platform/decimal.h"
#include "records/globals.h"

#include <QDir>

#include <algorithm>

namespace settings
{

namespace
{

QString &folder()
{
    static QString f;
    return f;
}

QString asText(std::uint8_t value) { return QString::number(value); }

} // namespace

void setDataFolder(const QString &path) { folder() = QDir(path).absolutePath(); }

QString dataFolder()
{
    // Remembered at first use: a later change of the working folder must not move the data.
    if (folder().isEmpty())
        folder() = QDir::currentPath();
    return folder();
}

QString settingsPath() { return QDir(dataFolder()).filePath(QStringLiteral("Maltwright.ini")); }
QString windowStatePath() { return QDir(dataFolder()).filePath(QStringLiteral("Browse.ini")); }
IniFile settingsFile() { return IniFile(settingsPath()); }
IniFile windowStateFile() { return IniFile(windowStatePath()); }

std::uint8_t toByte(const QString &text)
{
    const auto value = Decimal::parse(text.trimmed());
    if (!value)
        return 0;
    return static_cast<std::uint8_t>(std::clamp(value->truncated(), 0LL, 255LL));
}

QString readSetting(const QString &key) { return settingsFile().read(kSection, key); }

void loadTipFlag() { glo().TIPFLAG = toByte(readSetting(kTipFlag)); }

FrameSettings loadFrameSettings()
{
    FrameSettings frame;
    frame.toolbarShown = readSetting(kDisplay).trimmed().compare(QLatin1String("HIDE"), Qt::CaseInsensitive) != 0;
    Globals &g = glo();
    g.OPENATBROWSE = toByte(readSetting(kOpenBrowse));
    g.OPENATSTOCKONLY = toByte(readSetting(kOpenAtStock));
    g.OVERRIDEFERMENTATION = toByte(readSetting(kOverride));
    g.UNITSPROMPT = toByte(readSetting(kUnits));
    g.TEMPPROMPT = toByte(readSetting(kTemp));
    g.ALCBASEDON = toByte(readSetting(kAlc));
    g.SETDEFAULTSYN = toByte(readSetting(kDefaultsSetYN));
    return frame;
}

Result storeDisplay(bool toolbarShown)
{
    return settingsFile().write(kSection, kDisplay, toolbarShown ? QStringLiteral("UNHIDE") : QStringLiteral("HIDE"));
}

Result storeDefaults()
{
    // A value read as another number ("2") is written back as that number, so
    // pressing OK without touching a setting never changes its meaning.
    const Globals &g = glo();
    return settingsFile().update(kSection,
        {
            { kOpenBrowse, asText(g.OPENATBROWSE) },
            { kOpenAtStock, asText(g.OPENATSTOCKONLY) },
            { kTipFlag, asText(g.TIPFLAG) },
            { kOverride, asText(g.OVERRIDEFERMENTATION) },
            { kUnits, asText(g.UNITSPROMPT) },
            { kTemp, asText(g.TEMPPROMPT) },
            { kAlc, asText(g.ALCBASEDON) },
        });
}

Result storeDefaultsSetYN() { return settingsFile().write(kSection, kDefaultsSetYN, asText(glo().SETDEFAULTSYN)); }

} // namespace settings
