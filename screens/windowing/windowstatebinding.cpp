#include "screens/windowing/windowstatebinding.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QWidget>

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

// A stored position that lies on no screen (a screen since removed) is not used.
bool onSomeScreen(const QWidget *window, const QPoint &pos)
{
    if (window->parentWidget())
        return true; // MDI children live inside the frame
    const QRect r(pos, window->size());
    for (QScreen *s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r))
            return true;
    return false;
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
    apply(window, backing().load(procedure), sizing);
    new Binder(window, procedure, sizing);
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
        p.pos = window->pos();
        if (sizing == Resizable)
            p.size = window->size();
    }
    return p;
}

void WindowStateBinding::apply(QWidget *window, const WindowPlacement &placement, Sizing sizing)
{
    if (!placement.known)
        return;
    if (placement.size && sizing == Resizable && placement.size->isValid())
        window->resize(placement.size->expandedTo(window->minimumSize()).boundedTo(window->maximumSize()));
    if (placement.pos && onSomeScreen(window, *placement.pos))
        window->move(*placement.pos);
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    else if (placement.minimized)
        window->setWindowState(window->windowState() | Qt::WindowMinimized);
}
