#pragma once
// The windows the program can open, each under its procedure name (the name of its class, its
// section in the window-state file and its help page) with the one function that opens it. The
// frame's commands and the buttons of other windows open windows through here by name, so a
// window that is not part of the program yet simply has no entry, and its command stands disabled.

#include <QHash>
#include <QString>
#include <functional>

class QWidget;

class WindowCatalogue
{
public:
    // Opens the window, `caller` being the window that asks (the frame for its commands); a
    // single-instance window already open comes to the front instead.
    using Opener = std::function<void(QWidget *caller)>;

    static WindowCatalogue &instance();

    void add(const QString &procedure, Opener opener);
    bool has(const QString &procedure) const { return m_openers.contains(procedure); }
    Opener opener(const QString &procedure) const { return m_openers.value(procedure); }
    // False when no window of that name is part of the program.
    bool open(const QString &procedure, QWidget *caller) const;

private:
    QHash<QString, Opener> m_openers;
};
