#include "platform/gui/messagebox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

int MessageBoxPrompter::ask(const Message &message)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(message.caption);
    box.setText(message.displayText());
    switch (message.icon) {
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::None: break;
    }
    const QStringList texts = message.buttonTexts();
    QList<QAbstractButton *> buttons;
    for (const QString &t : texts)
        buttons << box.addButton(t, QMessageBox::ActionRole);
    const int def = message.defaultButton >= 1 && message.defaultButton <= buttons.size() ? message.defaultButton : 1;
    box.setDefaultButton(static_cast<QPushButton *>(buttons[def - 1]));
    if (texts.size() == 1)
        box.setEscapeButton(buttons[0]);
    box.exec();
    const int index = buttons.indexOf(box.clickedButton());
    return index < 0 ? 0 : index + 1;
}
