#include "screens/frame/mdimnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTabBar>

namespace
{

// The letter after a single "&" in `text` ("&&" is a plain ampersand), lower case; a null QChar when none.
QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (text.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

bool usable(const QWidget *w) { return w->isVisible() && w->isEnabled(); }

// The letter of an Alt+letter press with no other modifier, or a null QChar.
QChar altLetter(const QKeyEvent *key)
{
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::AltModifier)
        return {};
    const int k = key->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9))
        return QChar(k).toLower();
    return {};
}

} // namespace

void MdiMnemonics::install()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    qApp->installEventFilter(new MdiMnemonics(qApp));
}

QWidget *MdiMnemonics::target(QWidget *focus, QChar letter, int *tab)
{
    QMdiSubWindow *child = nullptr;
    // A dialog that a child window opens is a window of its own: its keys are its own business.
    for (QWidget *w = focus; w && !child; w = w->isWindow() ? nullptr : w->parentWidget())
        child = qobject_cast<QMdiSubWindow *>(w);
    if (!child || !child->widget() || letter.isNull())
        return nullptr;
    letter = letter.toLower();
    const QList<QWidget *> widgets = child->widget()->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!usable(w) || w->window() != child->window())
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && accessKey(button->text()) == letter)
            return button;
        if (auto *label = qobject_cast<QLabel *>(w);
            label && label->buddy() && usable(label->buddy()) && accessKey(label->text()) == letter)
            return label->buddy();
        if (auto *bar = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->isTabEnabled(i) && bar->isTabVisible(i) && accessKey(bar->tabText(i)) == letter) {
                    if (tab)
                        *tab = i;
                    return bar;
                }
            }
        }
    }
    return nullptr;
}

bool MdiMnemonics::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *focus = qobject_cast<QWidget *>(watched);
    if (!focus || focus != QApplication::focusWidget())
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    int tab = -1;
    QWidget *w = target(focus, altLetter(key), &tab);
    if (!w)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepting the override keeps the key from the frame's menu bar; it comes back as a key press.
        event->accept();
        return true;
    }
    if (auto *bar = qobject_cast<QTabBar *>(w)) {
        bar->setCurrentIndex(tab);
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (button->focusPolicy() != Qt::NoFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    } else {
        w->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}
