#include "screens/windowing/windowstatebinding.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <tuple>

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

    // Where the window's frame was put before it was first shown.
    void expect(const QPoint &framePos) { m_expected = framePos; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && m_expected && m_window->isWindow()) {
            // Before a window is first shown, some window systems take its position for the place
            // of its contents and put their frame around it, so each opening would creep by the
            // frame's size. Once it is shown the frame is known: the window goes where it was.
            const QPoint expected = *m_expected;
            m_expected.reset();
            QPointer<QWidget> window(m_window);
            const auto settle = [window, expected] {
                if (window && window->isVisible() && !window->isMaximized() && !window->isMinimized()
                    && window->pos() != expected)
                    window->move(expected);
            };
            QTimer::singleShot(0, this, settle);
            QTimer::singleShot(100, this, settle);
        }
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
    std::optional<QPoint> m_expected;
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

// A window whose frame stands at `framePos` with contents of `size`, moved and shrunk into
// `room`: the frame's new place and the contents' new size.
std::pair<QPoint, QSize> fitted(const QPoint &framePos, QSize size, const QRect &room, const QMargins &frame)
{
    size = size.boundedTo(room.marginsRemoved(frame).size());
    QRect outer(framePos, size.grownBy(frame));
    outer.moveLeft(std::clamp(outer.left(), room.left(), std::max(room.left(), room.right() - outer.width() + 1)));
    outer.moveTop(std::clamp(outer.top(), room.top(), std::max(room.top(), room.bottom() - outer.height() + 1)));
    return { outer.topLeft(), size };
}

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
        p.pos = window->pos(); // of its frame, for a top-level window
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
    QSize size = sizeOf(window);
    if (placement.size && sizing == Resizable && placement.size->isValid())
        size = placement.size->expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
    QPoint pos = placement.pos.value_or(window->pos());
    // A place on a monitor no longer attached, or a size beyond the screen, is brought back. A
    // child is kept inside its frame once the frame is on screen.
    const bool roomKnown = window->isWindow() || !window->parentWidget() || window->parentWidget()->isVisible();
    if (roomKnown)
        std::tie(pos, size) = fitted(pos, size, roomFor(window, QRect(pos, size).center()), frameOf(window));
    if (size != sizeOf(window) || (placement.size && sizing == Resizable))
        window->resize(size);
    if (placement.pos) {
        window->move(pos);
        if (auto *binder = window->findChild<Binder *>(QStringLiteral("WindowStateBinder"), Qt::FindDirectChildrenOnly))
            binder->expect(pos);
    }
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    else if (placement.minimized)
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
}

void WindowStateBinding::keepOnScreen(QWidget *window)
{
    if (!window->isWindow() && window->parentWidget() && !window->parentWidget()->isVisible())
        return;
    const QSize size = sizeOf(window);
    const auto [pos, fits]
        = fitted(window->pos(), size, roomFor(window, QRect(window->pos(), size).center()), frameOf(window));
    if (fits != size)
        window->resize(fits);
    if (pos != window->pos())
        window->move(pos);
}
