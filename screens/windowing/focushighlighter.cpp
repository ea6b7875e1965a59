#include "screens/windowing/focushighlighter.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolBar>

const QColor FocusHighlighter::kColour(254, 254, 201);

void FocusHighlighter::install()
{
    static FocusHighlighter *installed = nullptr;
    if (installed || !qApp)
        return;
    installed = new FocusHighlighter(qApp);
    qApp->installEventFilter(installed);
}

QWidget *FocusHighlighter::highlightTarget(QWidget *focused)
{
    if (!focused)
        return nullptr;
    QWidget *w = focused;
    // The line edit inside a spin box or an editable combo shows the highlight of its owner.
    if (qobject_cast<QLineEdit *>(w) && w->parentWidget()
        && (qobject_cast<QAbstractSpinBox *>(w->parentWidget()) || qobject_cast<QComboBox *>(w->parentWidget())))
        w = w->parentWidget();
    const bool kind = qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w)
        || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w) || qobject_cast<QComboBox *>(w)
        || qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w);
    if (!kind || !w->isVisible() || !w->isEnabled())
        return nullptr;
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QToolBar *>(p))
            return nullptr;
    return w;
}

bool FocusHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
        QWidget *target = highlightTarget(static_cast<QWidget *>(watched));
        if (target != m_current) {
            restore();
            if (target)
                highlight(target);
        }
    } else if (event->type() == QEvent::FocusOut && watched->isWidgetType() && m_current) {
        // Leaving for another window (a message box, another program) keeps the
        // highlight, as the field keeps the focus of its own window.
        auto *fe = static_cast<QFocusEvent *>(event);
        if (fe->reason() != Qt::ActiveWindowFocusReason && fe->reason() != Qt::PopupFocusReason
            && highlightTarget(static_cast<QWidget *>(watched)) == m_current)
            restore();
    }
    return false;
}

void FocusHighlighter::highlight(QWidget *w)
{
    m_current = w;
    m_savedPalette = w->palette();
    m_savedOwnPalette = w->testAttribute(Qt::WA_SetPalette);
    m_savedAutoFill = w->autoFillBackground();
    QPalette p = w->palette();
    // Entry fields paint their Base, buttons and labels their Window background.
    p.setColor(QPalette::Base, kColour);
    if (qobject_cast<QAbstractButton *>(w)) {
        p.setColor(QPalette::Window, kColour);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void FocusHighlighter::restore()
{
    if (!m_current) {
        m_current = nullptr;
        return;
    }
    QWidget *w = m_current;
    m_current = nullptr;
    if (m_savedOwnPalette)
        w->setPalette(m_savedPalette);
    else
        w->setPalette(QPalette()); // back to inheriting the window's colours
    w->setAutoFillBackground(m_savedAutoFill);
}
