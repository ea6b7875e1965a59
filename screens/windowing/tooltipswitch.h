#pragma once
// Tooltips on or off for the whole program (GLO:TIPFLAG): one filter on the
// application swallows every tooltip request while they are off.

#include <QObject>

class TooltipSwitch : public QObject
{
public:
    // Installs the switch on the application (once) and turns tooltips on or off.
    static void apply(bool on);
    static bool isOn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TooltipSwitch(QObject *parent)
        : QObject(parent)
    {
    }
};
