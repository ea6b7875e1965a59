#pragma once
// Field history for the edit forms: in a data field, Ctrl plus the quote key puts back the value the
// field had in the last record saved through the same form. One filter on the application serves
// every form; a form takes part by enabling it and by saying when a record was saved.
//
// A data field is a named widget (objectName) with a user property: entry fields, spin boxes,
// combos, check boxes, option buttons (the buttons of one group count as one field) and text editors.

#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

class QWidget;

class FieldHistory : public QObject
{
public:
    // Called after a field's value was put back, so the form can take it as typed.
    using Restored = std::function<void(QWidget *field)>;

    // Takes part for `form`, whose saved values are kept under `procedure` for the whole run.
    static void enable(QWidget *form, const QString &procedure, Restored restored = {});
    // Notes the value of every data field of `form`: call when a record was saved.
    static void remember(QWidget *form);
    // Puts back the value kept for `field` (what Ctrl plus the quote key does); false when
    // nothing is kept for it.
    static bool restore(QWidget *field);
    // The value kept for a field of a procedure, if any.
    static QVariant kept(const QString &procedure, const QString &field);
    // Forgets every kept value (a test starts afresh).
    static void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FieldHistory(QObject *parent)
        : QObject(parent)
    {
    }
    static FieldHistory *instance();
};
