#pragma once
// The single-instance windows of the program, keyed by procedure name: asking
// for a window that is already open brings that one to the front instead.

#include <QHash>
#include <QPointer>
#include <QString>

class QWidget;

class WindowRegistry
{
public:
    static WindowRegistry &instance();

    // The open window of `procedure`, or nullptr.
    QWidget *find(const QString &procedure) const;
    // Brings the open window of `procedure` to the front, restored if it was
    // minimised; false when none is open (the caller then opens one).
    bool bringToFront(const QString &procedure) const;
    // Notes `window` as the open instance of `procedure`; the note goes when
    // the window is destroyed. `window` may be the content of an MDI child.
    void add(const QString &procedure, QWidget *window);
    void remove(const QString &procedure);

    // Brings `window` (or the MDI child holding it) to the front, restored if minimised.
    static void raise(QWidget *window);

private:
    QHash<QString, QPointer<QWidget>> m_windows;
};
