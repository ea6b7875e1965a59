#include "screens/windowing/windowregistry.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

QWidget *WindowRegistry::find(const QString &procedure) const { return m_windows.value(procedure); }

bool WindowRegistry::bringToFront(const QString &procedure) const
{
    QWidget *w = find(procedure);
    if (!w)
        return false;
    raise(w);
    return true;
}

void WindowRegistry::add(const QString &procedure, QWidget *window) { m_windows.insert(procedure, window); }

void WindowRegistry::remove(const QString &procedure) { m_windows.remove(procedure); }

void WindowRegistry::raise(QWidget *window)
{
    // An MDI child is raised through its frame inside the area, a top-level window directly.
    QMdiSubWindow *sub = qobject_cast<QMdiSubWindow *>(window);
    if (!sub)
        sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    QWidget *frame = sub ? static_cast<QWidget *>(sub) : window->window();
    if (frame->isMinimized())
        frame->showNormal();
    else if (frame->isHidden())
        frame->show();
    if (sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    frame->raise();
    frame->activateWindow();
}
