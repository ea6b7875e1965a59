#include "screens/windowing/spinguard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

SpinGuard::SpinGuard(QAbstractSpinBox *box, std::function<bool()> acceptable)
    : QObject(box)
    , m_box(box)
    , m_acceptable(std::move(acceptable))
{
    box->installEventFilter(this);
}

bool SpinGuard::refuse()
{
    if (m_acceptable())
        return false;
    QApplication::beep();
    emit refused();
    return true;
}

bool SpinGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter)
            return refuse(); // swallowed: the focus stays and the text is kept as typed
        break;
    }
    case QEvent::FocusOut: {
        // Leaving the window (another program, a message box) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (refuse()) {
            // The focus has already moved: take it back once the move is done,
            // and keep the spin box from correcting the typed text meanwhile.
            QPointer<QAbstractSpinBox> box(m_box);
            QTimer::singleShot(0, m_box, [box] {
                if (box && box->isVisible() && box->isEnabled())
                    box->setFocus(Qt::OtherFocusReason);
            });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}
