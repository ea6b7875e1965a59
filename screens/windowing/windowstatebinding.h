#pragma once
// Keeps every window's position, size and maximised/minimised state in the
// window-state file under the section of its procedure: restored when the
// window is bound (before it is shown), stored when it closes or is hidden
// by its own close (a dialog's accept/reject). One mechanism for the frame,
// MDI children and dialogs alike.

#include "records/windowstate.h"

#include <QRect>
#include <QString>
#include <functional>

class QWidget;

class WindowStateBinding
{
public:
    enum Sizing { Resizable, FixedSize };
    using Load = std::function<WindowPlacement(const QString &procedure)>;
    using Store = std::function<void(const QString &procedure, const WindowPlacement &, bool resizable)>;

    // Where placements are kept; set once at start-up. Until then nothing is kept.
    static void setStore(Load load, Store store);
    // Keeps placements in the window-state file (Browse.ini) of the data folder.
    static void useWindowStateFile();

    // Restores `window` from the section `procedure` now and stores it when it
    // closes. Bind an MDI child through its QMdiSubWindow, after adding it to the area.
    static void bind(QWidget *window, const QString &procedure, Sizing sizing = Resizable);
    // Stores `window`'s placement at once (the binding does this on close).
    static void storeNow(QWidget *window);

    // The placement of `window` as it would be stored.
    static WindowPlacement placementOf(const QWidget *window, Sizing sizing);
    // Applies a placement to a window that is not shown yet. Whatever the file says, the window
    // opens wholly on a screen (a child: inside its frame), at most that size, keeping the stored
    // size where it fits.
    static void apply(QWidget *window, const WindowPlacement &placement, Sizing sizing);
    // Moves and shrinks `window` so that it lies wholly in the room it may take.
    static void keepOnScreen(QWidget *window);
    // The room a window may take when it stands at `at`: the available area of the screen there
    // (the primary screen when none is), or for a child window its parent's area.
    static QRect roomFor(const QWidget *window, const QPoint &at);
};
