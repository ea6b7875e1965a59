#include "screens/windowing/windowarranger.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVariant>
#include <cmath>

namespace
{

const char *const kFixedSize = "mwFixedSize";

QList<QMdiSubWindow *> arranged(QMdiArea *area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *w : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isVisible() || w->isMinimized())
            continue;
        if (w->isMaximized())
            w->showNormal();
        windows << w;
    }
    return windows;
}

// A resizable window takes `size` (never below its minimum); a fixed one keeps its own.
void place(QMdiSubWindow *w, const QPoint &at, const QSize &size)
{
    if (WindowArranger::isFixedSize(w))
        w->move(at);
    else
        w->setGeometry(QRect(at, size.expandedTo(w->minimumSizeHint()).expandedTo(w->minimumSize())));
}

} // namespace

bool WindowArranger::isFixedSize(const QMdiSubWindow *window) { return window->property(kFixedSize).toBool(); }

void WindowArranger::markFixedSize(QMdiSubWindow *window) { window->setProperty(kFixedSize, true); }

void WindowArranger::tile(QMdiArea *area)
{
    const QList<QMdiSubWindow *> windows = arranged(area);
    if (windows.isEmpty())
        return;
    const int n = int(windows.size());
    const int columns = int(std::ceil(std::sqrt(double(n))));
    const int rows = (n + columns - 1) / columns;
    const QRect room = area->viewport()->rect();
    const int height = room.height() / rows;
    for (int i = 0; i < n; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        // The last row shares the whole width among its windows.
        const int inRow = row == rows - 1 ? n - row * columns : columns;
        const int cellWidth = room.width() / inRow;
        place(
            windows[i], QPoint(room.left() + column * cellWidth, room.top() + row * height), QSize(cellWidth, height));
    }
}

void WindowArranger::cascade(QMdiArea *area)
{
    const QList<QMdiSubWindow *> windows = arranged(area);
    const QRect room = area->viewport()->rect();
    const int step = area->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, area) + 4;
    int offset = 0;
    for (QMdiSubWindow *w : windows) {
        if (offset + step * 2 > room.height() || offset + step * 2 > room.width())
            offset = 0;
        const QPoint at(room.left() + offset, room.top() + offset);
        place(w, at, w->size().boundedTo(QSize(room.width() - offset, room.height() - offset)));
        w->raise();
        offset += step;
    }
    if (!windows.isEmpty())
        area->setActiveSubWindow(windows.last());
}
