#pragma once
// How windows are opened: "started" windows become MDI children of the frame,
// "called" windows run modally on their caller. Both are noted in the window
// registry as the single instance of their procedure, carry their procedure
// name (for F1 help) and keep their placement in the window-state file.
//
// A window that exists at most once opens through callOnce() or startOnce(): an open one comes to
// the front (restored if minimised) and the request ends; otherwise the window is made and opened.

#include "screens/windowing/windowstatebinding.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

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

    // A called window of `procedure`, at most once: returns the result it closed with, or nothing
    // when the open one was brought to the front or `make` made none (it could not open). `after`
    // sees the window once it has closed, before it is destroyed.
    static std::optional<int> callOnce(const QString &procedure, const std::function<std::unique_ptr<QDialog>()> &make,
        WindowStateBinding::Sizing sizing = WindowStateBinding::FixedSize,
        const std::function<void(QDialog &)> &after = {});
    // A started window of `procedure`, at most once: returns it (the open one when it was open
    // already), or nullptr when `make` made none.
    static QWidget *startOnce(const QString &procedure, const std::function<QWidget *()> &make,
        WindowStateBinding::Sizing sizing = WindowStateBinding::Resizable);

    // The procedure name a window carries, and the help page F1 shows for it
    // (the procedure name unless the window names another page).
    static void setProcedure(QWidget *window, const QString &procedure, const QString &helpPage = {});
    static QString procedureOf(const QWidget *window);
    static QString helpPageOf(const QWidget *window);
};
