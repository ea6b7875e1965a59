#pragma once
// Keeps every window's position, size and maximised/minimised state in the
// window-state file under the section of its procedure: restored when the
// window is bound (before it is shown), stored when it closes or is hidden
// by its own close (a dialog's accept/reject). One mechanism for the frame,
// MDI children and dialogs alike.

#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// A window's placement as the window-state file keeps it.
struct WindowPlacement
{
    bool known = false; // false on first use: the window keeps its designed place and size
    bool maximized = false;
    bool minimized = false;
    std::optional<QPoint> pos;  // only for a window that was neither maximised nor minimised
    std::optional<QSize> size;  // only for a resizable window in that state
    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

class WindowStateBinding
{
public:
    enum Sizing { Resizable, FixedSize };
    using Load = std::function<WindowPlacement(const QString &procedure)>;
    using Store = std::function<void(const QString &procedure, const WindowPlacement &)>;

    // Where placements are kept; set once at start-up. Until then nothing is kept.
    static void setStore(Load load, Store store);

    // Restores `window` from the section `procedure` now and stores it when it
    // closes. Bind an MDI child through its QMdiSubWindow, after adding it to the area.
    static void bind(QWidget *window, const QString &procedure, Sizing sizing = Resizable);
    // Stores `window`'s placement at once (the binding does this on close).
    static void storeNow(QWidget *window);

    // The placement of `window` as it would be stored.
    static WindowPlacement placementOf(const QWidget *window, Sizing sizing);
    // Applies a placement to a window that is not shown yet.
    static void apply(QWidget *window, const WindowPlacement &placement, Sizing sizing);
};
