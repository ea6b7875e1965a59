#include "screens/windowing/tooltipswitch.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>

namespace
{
bool g_on = true;
}

void TooltipSwitch::apply(bool on)
{
    static TooltipSwitch *installed = nullptr;
    if (!installed && qApp) {
        installed = new TooltipSwitch(qApp);
        qApp->installEventFilter(installed);
    }
    g_on = on;
    if (!on)
        QToolTip::hideText();
}

bool TooltipSwitch::isOn() { return g_on; }

bool TooltipSwitch::eventFilter(QObject *, QEvent *event) { return !g_on && event->type() == QEvent::ToolTip; }
