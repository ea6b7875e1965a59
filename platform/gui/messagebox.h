#pragma once
// The real message box behind the Prompter.

#include "platform/prompter.h"

#include <QList>

class QAbstractButton;
class QMessageBox;
class QWidget;

class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    int ask(const Message &message) override;

    // Fills a box with the message's caption, text, icon and buttons and makes it wide enough that the
    // window's title bar shows the whole caption; returns the buttons in message order.
    static QList<QAbstractButton *> build(QMessageBox &box, const Message &message);

    // The window a box asked for by `asker` belongs to: the open modal window, if any, else `asker`.
    static QWidget *ownerFor(QWidget *asker);

private:
    QWidget *m_parent;
};
