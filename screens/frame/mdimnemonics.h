#pragma once
// Access keys inside a child window of the frame. The frame's menu bar and a child window share one
// top-level window, so Alt+B could mean the "&Browse" menu or the browse's "&Batch" tab; the active child
// window's own control wins, as it does in a dialog, and the menu keeps every key the child does not use.
// Installed once on the application.

#include <QObject>

class QWidget;

class MdiMnemonics : public QObject
{
public:
    // Installs the filter on the application (once; later calls do nothing).
    static void install();

    // The visible, enabled control of the child window around `focus` whose access key is `letter`
    // (a button, a tab of a tab bar or the buddy of a prompt), or nullptr when `focus` is in no child
    // window or the child window has none. `tab` receives the tab's index for a tab bar.
    static QWidget *target(QWidget *focus, QChar letter, int *tab = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MdiMnemonics(QObject *parent)
        : QObject(parent)
    {
    }
};
