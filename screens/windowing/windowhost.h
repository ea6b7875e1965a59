#pragma once
// How windows are opened: "started" windows become MDI children of the frame,
// "called" windows run modally on their caller. Both are noted in the window
// registry as the single instance of their procedure, carry their procedure
// name (for F1 help) and keep their placement in the window-state file.
//
// Typical use for a called window:
//     if (WindowHost::bringToFront("Win_AlcCalculator")) return;
//     Win_AlcCalculator dialog(parent);
//     WindowHost::call(&dialog, "Win_AlcCalculator");

#include "screens/windowing/windowstatebinding.h"

#include <QString>

class QDialog;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

class WindowHost
{
public:
    // The frame's MDI area, where started windows open; without one (tests)
    // they open as top-level windows.
    static void setMdiArea(QMdiArea *area);
    static QMdiArea *mdiArea();

    // Brings the open window of `procedure` to the front; false when none is open.
    static bool bringToFront(const QString &procedure);

    // Opens `content` as a started window: an MDI child that deletes itself on
    // close. Returns the window that carries the placement (the MDI child, or
    // `content` itself without an area).
    static QWidget *start(QWidget *content, const QString &procedure,
        WindowStateBinding::Sizing sizing = WindowStateBinding::Resizable, bool singleInstance = true);
    // Runs `dialog` modally and returns its result.
    static int call(QDialog *dialog, const QString &procedure,
        WindowStateBinding::Sizing sizing = WindowStateBinding::FixedSize, bool singleInstance = true);

    // The procedure name a window carries, and the help page F1 shows for it
    // (the procedure name unless the window names another page).
    static void setProcedure(QWidget *window, const QString &procedure, const QString &helpPage = {});
    static QString procedureOf(const QWidget *window);
    static QString helpPageOf(const QWidget *window);
};
