#include "screens/windowing/windowstatebinding.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace
{

struct Backing {
    WindowStateBinding::Load load = [](const QString &) { return WindowPlacement {}; };
    WindowStateBinding::Store store = [](const QString &, const WindowPlacement &, bool) {};
};

Backing &backing()
{
    static Backing b;
    return b;
}

// Watches one window and stores its placement when it closes.
class Binder : public QObject
{
public:
    Binder(QWidget *window, const QString &procedure, WindowStateBinding::Sizing sizing)
        : QObject(window)
        , m_window(window)
        , m_procedure(procedure)
        , m_sizing(sizing)
    {
        setObjectName(QStringLiteral("WindowStateBinder"));
        window->installEventFilter(this);
    }

    void store()
    {
        if (m_window)
            backing().store(m_procedure, WindowStateBinding::placementOf(m_window, m_sizing),
                m_sizing == WindowStateBinding::Resizable);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            // A close stores; so does a hide the program made itself (a dialog's
            // accept/reject hides without a close event). A hide by the window
            // system (minimising) is not a close.
            if (event->type() == QEvent::Close || (event->type() == QEvent::Hide && !event->spontaneous()))
                store();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QString m_procedure;
    WindowStateBinding::Sizing m_sizing;
};

// The window frame the window system draws around a top-level window: as it is once the window
// has been shown, or a title bar and thin borders before that.
QMargins frameOf(const QWidget *window)
{
    if (!window->isWindow())
        return {};
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame != inner)
        return { inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom() };
    return { 4, 30, 4, 4 };
}

// The size the window will show at: its own once set, else the one its layout asks for.
QSize sizeOf(const QWidget *window)
{
    return window->testAttribute(Qt::WA_Resized) || !window->sizeHint().isValid()
        ? window->size()
        : window->sizeHint().expandedTo(window->minimumSize());
}

// The window's own area (without the frame the window system draws around it) moved and shrunk
// so that it and its frame lie in `room`.
QRect fitted(QRect rect, const QRect &room, const QMargins &frame)
{
    const QRect inner = room.marginsRemoved(frame);
    rect.setSize(rect.size().boundedTo(inner.size()));
    rect.moveLeft(std::clamp(rect.left(), inner.left(), std::max(inner.left(), inner.right() - rect.width() + 1)));
    rect.moveTop(std::clamp(rect.top(), inner.top(), std::max(inner.top(), inner.bottom() - rect.height() + 1)));
    return rect;
}

// Where the window's own area stands: inside its frame for a top-level window.
QPoint placeOf(const QWidget *window) { return window->isWindow() ? window->geometry().topLeft() : window->pos(); }

} // namespace

void WindowStateBinding::setStore(Load load, Store store)
{
    backing() = Backing {}; // nothing kept unless both are given
    if (load && store) {
        backing().load = std::move(load);
        backing().store = std::move(store);
    }
}

void WindowStateBinding::useWindowStateFile()
{
    // A placement that cannot be written is not worth a message: the window
    // simply opens at its designed place next time.
    setStore(
        &windowstate::readPlacement, [](const QString &procedure, const WindowPlacement &placement, bool resizable) {
            (void)windowstate::storePlacement(procedure, placement, resizable);
        });
}

void WindowStateBinding::bind(QWidget *window, const QString &procedure, Sizing sizing)
{
    new Binder(window, procedure, sizing);
    apply(window, backing().load(procedure), sizing);
}

void WindowStateBinding::storeNow(QWidget *window)
{
    if (auto *binder = window->findChild<Binder *>(QStringLiteral("WindowStateBinder"), Qt::FindDirectChildrenOnly))
        binder->store();
}

WindowPlacement WindowStateBinding::placementOf(const QWidget *window, Sizing sizing)
{
    WindowPlacement p;
    p.known = true;
    p.maximized = window->isMaximized();
    p.minimized = window->isMinimized();
    if (!p.maximized && !p.minimized) {
        // A top-level window keeps the place of its own area, not of the frame around it: window
        // systems differ in how they take a frame's place before a window is shown, and a window
        // put back by its frame's place crept by the frame's size at each opening.
        p.pos = placeOf(window);
        if (sizing == Resizable)
            p.size = window->size();
    }
    return p;
}

QRect WindowStateBinding::roomFor(const QWidget *window, const QPoint &at)
{
    if (!window->isWindow() && window->parentWidget())
        return window->parentWidget()->rect();
    QScreen *screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(at, window->size());
}

void WindowStateBinding::apply(QWidget *window, const WindowPlacement &placement, Sizing sizing)
{
    if (!placement.known)
        return;
    QRect rect(placement.pos.value_or(placeOf(window)), sizeOf(window));
    if (placement.size && sizing == Resizable && placement.size->isValid())
        rect.setSize(placement.size->expandedTo(window->minimumSize()).boundedTo(window->maximumSize()));
    // A place on a monitor no longer attached, or a size beyond the screen, is brought back. A
    // child is kept inside its frame once the frame is on screen.
    const bool roomKnown = window->isWindow() || !window->parentWidget() || window->parentWidget()->isVisible();
    if (roomKnown)
        rect = fitted(rect, roomFor(window, rect.center()), frameOf(window));
    if (placement.pos)
        window->setGeometry(rect); // for a top-level window, the place of its own area

    else if (rect.size() != sizeOf(window) || (placement.size && sizing == Resizable))
        window->resize(rect.size());
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    else if (placement.minimized)
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
}

void WindowStateBinding::keepOnScreen(QWidget *window)
{
    if (!window->isWindow() && window->parentWidget() && !window->parentWidget()->isVisible())
        return;
    const QRect rect(placeOf(window), sizeOf(window));
    const QRect shown = fitted(rect, roomFor(window, rect.center()), frameOf(window));
    if (shown != rect)
        window->setGeometry(shown);
}
