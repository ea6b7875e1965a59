#include "screens/labels/labelwindows.h"

#include "screens/labels/win_createownlabels.h"
#include "screens/labels/win_createstandardlabels.h"
#include "screens/windowing/windowhost.h"

void openCreateStandardLabels(QWidget *parent, std::function<void()> print)
{
    const QString procedure = QStringLiteral("Win_CreateStandardLabels");
    if (WindowHost::bringToFront(procedure))
        return;
    Win_CreateStandardLabels window(std::move(print), parent);
    WindowHost::call(&window, procedure);
}

void openCreateOwnLabels(QWidget *parent, std::function<void()> print)
{
    const QString procedure = QStringLiteral("Win_CreateOwnLabels");
    if (WindowHost::bringToFront(procedure))
        return;
    Win_CreateOwnLabels window(std::move(print), parent);
    WindowHost::call(&window, procedure);
}
