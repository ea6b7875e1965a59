#pragma once
// Small helpers for driving real widgets in the window tests.

#include "records/globals.h"
#include "records/settings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>

namespace guitest
{

inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Shows `w` and makes it the active window, as a click on it would.
inline void showActive(QWidget *w)
{
    w->show();
    QApplication::setActiveWindow(w);
    w->activateWindow();
    settle();
}

inline void key(QWidget *w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

inline void type(QWidget *w, const QString &text)
{
    for (QChar c : text)
        key(w, 0, Qt::NoModifier, QString(c));
}

// Counts the emissions of one signal.
class SignalCount
{
public:
    template <class Sender, class Signal> SignalCount(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, [this] { ++m_count; });
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

// A fresh data folder with the preferences as a first run finds them.
struct DataFolder {
    QTemporaryDir dir;
    DataFolder()
    {
        settings::setDataFolder(dir.path());
        Globals &g = glo();
        g.TIPFLAG = 1;
        g.SETDEFAULTSYN = g.OPENATBROWSE = g.OPENATSTOCKONLY = g.OVERRIDEFERMENTATION = 0;
        g.UNITSPROMPT = g.TEMPPROMPT = g.ALCBASEDON = 0;
        g.THISDAY = 0;
        g.browseOpen = false;
    }
    // A key of section Defaults of the settings file ("" when missing).
    static QString setting(const QString &key) { return settings::settingsFile().read(settings::kSection, key); }
    static void setSetting(const QString &key, const QString &value)
    {
        settings::settingsFile().write(settings::kSection, key, value);
    }
};

} // namespace guitest
