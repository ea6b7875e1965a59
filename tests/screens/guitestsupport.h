#pragma once
// Small helpers for driving real widgets in the window tests.

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>

namespace guitest {

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
    template <class Sender, class Signal>
    SignalCount(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, [this] { ++m_count; });
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

} // namespace guitest
