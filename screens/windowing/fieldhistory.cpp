#include "screens/windowing/fieldhistory.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

namespace
{

struct FormEntry {
    QString procedure;
    FieldHistory::Restored restored;
};

QHash<QString, QHash<QString, QVariant>> &keptValues()
{
    static QHash<QString, QHash<QString, QVariant>> values;
    return values;
}

QHash<const QObject *, FormEntry> &forms()
{
    static QHash<const QObject *, FormEntry> entries;
    return entries;
}

bool isDataField(const QWidget *w)
{
    // Qt names the inner parts of its own controls "qt_..."; only the control itself is a field.
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QCheckBox *>(w)
        || qobject_cast<const QRadioButton *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QPlainTextEdit *>(w);
}

bool isEditable(const QWidget *w)
{
    if (!w->isEnabled())
        return false;
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return !e->isReadOnly();
    if (auto *s = qobject_cast<const QAbstractSpinBox *>(w))
        return !s->isReadOnly();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return !t->isReadOnly();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return !p->isReadOnly();
    return true;
}

// The form a field belongs to: its nearest ancestor that takes part.
const FormEntry *formOf(const QWidget *field)
{
    for (const QWidget *w = field; w; w = w->parentWidget()) {
        auto it = forms().constFind(w);
        if (it != forms().constEnd())
            return &it.value();
    }
    return nullptr;
}

QVariant valueOf(const QWidget *field) { return field->metaObject()->userProperty().read(field); }

void setValue(QWidget *field, const QVariant &value) { field->metaObject()->userProperty().write(field, value); }

} // namespace

FieldHistory *FieldHistory::instance()
{
    static FieldHistory *filter = [] {
        auto *f = new FieldHistory(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    return filter;
}

void FieldHistory::enable(QWidget *form, const QString &procedure, Restored restored)
{
    instance();
    forms().insert(form, FormEntry { procedure, std::move(restored) });
    QObject::connect(form, &QObject::destroyed, instance(), [form] { forms().remove(form); });
}

void FieldHistory::remember(QWidget *form)
{
    const auto it = forms().constFind(form);
    if (it == forms().constEnd())
        return;
    QHash<QString, QVariant> &kept = keptValues()[it->procedure];
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (isDataField(w))
            kept.insert(w->objectName(), valueOf(w));
    }
}

QVariant FieldHistory::kept(const QString &procedure, const QString &field)
{
    return keptValues().value(procedure).value(field);
}

bool FieldHistory::restore(QWidget *field)
{
    const FormEntry *form = formOf(field);
    if (!form || !isDataField(field) || !isEditable(field))
        return false;
    const QHash<QString, QVariant> kept = keptValues().value(form->procedure);
    if (!kept.contains(field->objectName()))
        return false;

    if (qobject_cast<QRadioButton *>(field)) {
        // The option buttons of one group are one field: put back the one that was chosen.
        for (QRadioButton *option : field->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
            if (kept.value(option->objectName()).toBool())
                option->setChecked(true);
        }
    } else {
        setValue(field, kept.value(field->objectName()));
    }
    if (form->restored)
        form->restored(field);
    return true;
}

void FieldHistory::clear() { keptValues().clear(); }

bool FieldHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!(key->modifiers() & Qt::ControlModifier)
        || (key->key() != Qt::Key_Apostrophe && key->key() != Qt::Key_QuoteDbl))
        return false;
    // The key reaches the inner entry of a spin box or combo first; the field is the control.
    for (QWidget *w = static_cast<QWidget *>(watched); w; w = w->parentWidget()) {
        if (isDataField(w)) {
            if (!formOf(w))
                return false;
            restore(w);
            return true; // the key is the form's command even when nothing was kept
        }
        if (w->isWindow())
            break;
    }
    return false;
}
