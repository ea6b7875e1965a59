#pragma once
// The data folder and the settings file (Maltwright.ini, section Defaults):
// where the files are, reading the preferences into the program-wide values at
// start and writing them back from the defaults windows and the frame's menu.
//
// No message is ever shown for the settings file: a missing or damaged file
// reads as empty values, and an empty or non-numeric value counts as 0. A
// write that fails says so in its result; the caller decides whether to tell.

#include "platform/inifile.h"

#include <QString>
#include <cstdint>

namespace settings
{

// The folder holding the stores, the settings file and the window-state file:
// the folder given with --data-dir, else the working folder at start. Set once,
// before the first window opens.
void setDataFolder(const QString &folder);
QString dataFolder();
QString settingsPath(); // <data folder>/Maltwright.ini
QString windowStatePath(); // <data folder>/Browse.ini
IniFile settingsFile();
IniFile windowStateFile();

// Key names of section Defaults.
inline const QString kSection = QStringLiteral("Defaults");
inline const QString kTipFlag = QStringLiteral("TipFlag");
inline const QString kDisplay = QStringLiteral("Display");
inline const QString kOpenBrowse = QStringLiteral("OpenBrowse");
inline const QString kOpenAtStock = QStringLiteral("OpenAtStock");
inline const QString kOverride = QStringLiteral("Override");
inline const QString kUnits = QStringLiteral("Units");
inline const QString kTemp = QStringLiteral("Temp");
inline const QString kAlc = QStringLiteral("Alc");
inline const QString kDefaultsSetYN = QStringLiteral("DefaultsSetYN");

// A setting's text as the number kept in its byte value: "1" -> 1, "2" -> 2,
// empty or not a number -> 0, a fraction truncated, negatives 0, above 255 -> 255.
std::uint8_t toByte(const QString &text);

// The raw text of a key of section Defaults ("" when missing).
QString readSetting(const QString &key);

// At program entry, before any window: TipFlag into glo().TIPFLAG.
void loadTipFlag();

// When the frame opens, in this order: Display (returned, not a program-wide
// value), then OpenBrowse, OpenAtStock, Override, Units, Temp, Alc and
// DefaultsSetYN into glo().
struct FrameSettings {
    bool toolbarShown = true; // Display is anything but "HIDE"
};
FrameSettings loadFrameSettings();

// The toolbar menu items: "UNHIDE" when shown, "HIDE" when hidden.
Result storeDisplay(bool toolbarShown);
// OK of the defaults window: OpenBrowse, OpenAtStock, TipFlag, Override, Units,
// Temp and Alc from glo(), in that order, each as its number ("1"/"0"), in one
// replacement of the file.
Result storeDefaults();
// The first-run prompt closing: DefaultsSetYN from glo().SETDEFAULTSYN.
Result storeDefaultsSetYN();

} // namespace settings
