#include "screens/windowing/windowhost.h"

#include "screens/windowing/windowarranger.h"
#include "screens/windowing/windowregistry.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QVariant>

namespace
{

QPointer<QMdiArea> &area()
{
    static QPointer<QMdiArea> a;
    return a;
}

const char *const kProcedure = "mwProcedure";
const char *const kHelpPage = "mwHelpPage";

} // namespace

void WindowHost::setMdiArea(QMdiArea *a) { area() = a; }

QMdiArea *WindowHost::mdiArea() { return area(); }

bool WindowHost::bringToFront(const QString &procedure) { return WindowRegistry::instance().bringToFront(procedure); }

QWidget *WindowHost::start(
    QWidget *content, const QString &procedure, WindowStateBinding::Sizing sizing, bool singleInstance)
{
    if (procedureOf(content).isEmpty())
        setProcedure(content, procedure);
    content->setAttribute(Qt::WA_DeleteOnClose);
    QWidget *placed = content;
    if (QMdiArea *a = area()) {
        QMdiSubWindow *sub = a->addSubWindow(content);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        if (sizing == WindowStateBinding::FixedSize) {
            sub->setWindowFlags(sub->windowFlags() & ~Qt::WindowMaximizeButtonHint);
            WindowArranger::markFixedSize(sub);
        }
        placed = sub;
    }
    if (singleInstance)
        WindowRegistry::instance().add(procedure, content);
    WindowStateBinding::bind(placed, procedure, sizing);
    placed->show();
    // The frame's area maximises a new child when the active one is maximised; a window of fixed size
    // (About) would be stretched over the whole frame around its small content. It keeps its own size.
    if (sizing == WindowStateBinding::FixedSize && placed != content && placed->isMaximized())
        placed->showNormal();
    return placed;
}

int WindowHost::call(QDialog *dialog, const QString &procedure, WindowStateBinding::Sizing sizing, bool singleInstance)
{
    if (procedureOf(dialog).isEmpty())
        setProcedure(dialog, procedure);
    if (singleInstance)
        WindowRegistry::instance().add(procedure, dialog);
    WindowStateBinding::bind(dialog, procedure, sizing);
    // Modal to its caller's windows only, so the help window stays usable beside it.
    if (dialog->parentWidget())
        dialog->setWindowModality(Qt::WindowModal);
    QPointer<QDialog> guard(dialog);
    const int result = dialog->exec();
    if (singleInstance && guard && WindowRegistry::instance().find(procedure) == dialog)
        WindowRegistry::instance().remove(procedure);
    return result;
}

std::optional<int> WindowHost::callOnce(const QString &procedure, const std::function<std::unique_ptr<QDialog>()> &make,
    WindowStateBinding::Sizing sizing, const std::function<void(QDialog &)> &after)
{
    if (bringToFront(procedure))
        return std::nullopt;
    const std::unique_ptr<QDialog> dialog = make();
    if (!dialog)
        return std::nullopt;
    const int result = call(dialog.get(), procedure, sizing);
    if (after)
        after(*dialog);
    return result;
}

QWidget *WindowHost::startOnce(
    const QString &procedure, const std::function<QWidget *()> &make, WindowStateBinding::Sizing sizing)
{
    if (bringToFront(procedure))
        return WindowRegistry::instance().find(procedure);
    QWidget *content = make();
    if (content)
        start(content, procedure, sizing);
    return content;
}

void WindowHost::setProcedure(QWidget *window, const QString &procedure, const QString &helpPage)
{
    window->setProperty(kProcedure, procedure);
    if (!helpPage.isEmpty())
        window->setProperty(kHelpPage, helpPage);
}

QString WindowHost::procedureOf(const QWidget *window) { return window->property(kProcedure).toString(); }

QString WindowHost::helpPageOf(const QWidget *window)
{
    const QString page = window->property(kHelpPage).toString();
    return page.isEmpty() ? procedureOf(window) : page;
}
