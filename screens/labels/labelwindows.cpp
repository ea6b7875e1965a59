#include "screens/labels/labelwindows.h"

#include "screens/labels/win_createownlabels.h"
#include "screens/labels/win_createstandardlabels.h"
#include "screens/windowing/windowhost.h"

void openCreateStandardLabels(QWidget *parent, std::function<void()> print)
{
    WindowHost::callOnce(QStringLiteral("Win_CreateStandardLabels"),
        [parent, print] { return std::make_unique<Win_CreateStandardLabels>(print, parent); });
}

void openCreateOwnLabels(QWidget *parent, std::function<void()> print)
{
    WindowHost::callOnce(QStringLiteral("Win_CreateOwnLabels"),
        [parent, print] { return std::make_unique<Win_CreateOwnLabels>(print, parent); });
}
