#include "platform/gui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

QList<QAbstractButton *> MessageBoxPrompter::build(QMessageBox &box, const Message &message)
{
    box.setWindowTitle(message.caption);
    box.setText(message.displayText());
    switch (message.icon) {
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::None:
        break;
    }
    const QStringList texts = message.buttonTexts();
    QList<QAbstractButton *> buttons;
    for (const QString &t : texts)
        buttons << box.addButton(t, QMessageBox::ActionRole);
    // The box sizes itself to its text, and a short text under a long caption ("% Alcohol by Volume (abv)")
    // would leave the caption cut off in the title bar. The title bar also holds the window icon and the
    // frame's buttons, so room is kept for them beside the caption's own width. Each "|" line of the text
    // is meant as one line: the box is made wide enough for the longest, where it would otherwise wrap
    // a long line and leave its last word alone on the next.
    QFont boldTitle = QApplication::font("QMdiSubWindowTitleBar");
    boldTitle.setBold(true);
    constexpr int kTitleBarExtras = 140;
    constexpr int kIconColumn = 80;
    int width = QFontMetrics(boldTitle).horizontalAdvance(message.caption) + kTitleBarExtras;
    const QFontMetrics textMetrics(box.font());
    for (const QString &line : message.displayText().split(u'\n'))
        width = std::max(width, textMetrics.horizontalAdvance(line) + kIconColumn);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
            grid->columnCount());
    const int def = message.defaultButton >= 1 && message.defaultButton <= buttons.size() ? message.defaultButton : 1;
    box.setDefaultButton(static_cast<QPushButton *>(buttons[def - 1]));
    if (texts.size() == 1)
        box.setEscapeButton(buttons[0]);
    return buttons;
}

QWidget *MessageBoxPrompter::ownerFor(QWidget *asker)
{
    // A window that asks while a modal window of its own is open (the browse checking a field of the
    // edit form it called) would put the box behind that modal window, and closing the box would hand
    // the keyboard back to the asker, which the modal window keeps blocked: the user's next keys would
    // go nowhere. The box belongs to the window the user is working in.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return asker ? asker : QApplication::activeWindow();
}

int MessageBoxPrompter::ask(const Message &message)
{
    QWidget *owner = ownerFor(m_parent);
    const QPointer<QWidget> workingIn = owner ? owner->window() : nullptr;
    QMessageBox box(owner);
    const QList<QAbstractButton *> buttons = build(box, message);
    box.exec();
    // The window manager may activate some other window when the box goes; the user goes on where
    // they were.
    if (workingIn && workingIn->isVisible()) {
        workingIn->raise();
        workingIn->activateWindow();
    }
    const int index = buttons.indexOf(box.clickedButton());
    return index < 0 ? 0 : index + 1;
}
