#include "screens/windowing/windowarranger.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVariant>
#include <algorithm>
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
    const QRect room = area->viewport()->rect();
    // The cells of `columns` columns: the last row shares the whole width among its windows.
    const auto cells = [&](int columns) {
        const int rows = (n + columns - 1) / columns;
        QList<QRect> out;
        for (int i = 0; i < n; ++i) {
            const int row = i / columns;
            const int inRow = row == rows - 1 ? n - row * columns : columns;
            const int width = room.width() / inRow;
            const int height = room.height() / rows;
            out << QRect(room.left() + (i % columns) * width, room.top() + row * height, width, height);
        }
        return out;
    };
    const auto fits = [&](const QList<QRect> &grid) {
        for (int i = 0; i < n; ++i) {
            const QSize least = isFixedSize(windows[i]) ? windows[i]->size() : windows[i]->minimumSizeHint();
            if (least.width() > grid[i].width() || least.height() > grid[i].height())
                return false;
        }
        return true;
    };
    // As square a grid as the windows fit in. When they fit in none (windows larger than the
    // frame allows side by side), they are stacked as by Cascade, every title bar in sight.
    for (int columns = int(std::ceil(std::sqrt(double(n)))); columns >= 1; --columns) {
        const QList<QRect> grid = cells(columns);
        if (!fits(grid))
            continue;
        for (int i = 0; i < n; ++i)
            place(windows[i], grid[i].topLeft(), grid[i].size());
        return;
    }
    cascade(area);
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
