#pragma once
// Ties the controls of an edit form to the fields of the record its logic owns: entry fields with
// their display pictures, spin boxes, combos, radio buttons, check boxes. load() shows the record;
// a value the user typed (once the field is left), picked, clicked or stepped is written into the
// record and the form's rules are told. Two promises hold for every form:
// - a field the user did not edit never writes back its displayed text (a value stored with more
//   places than its picture shows stays as stored);
// - every button of the form, pressed by mouse, access key, Enter, Escape or as the default
//   button, sees everything typed so far: the field being typed in is taken in first, as if it
//   had been left.
// Controls are named by the form's own control numbers.

#include "platform/decimal.h"
#include "platform/picture.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class DecimalSpinBox;
class IntSpinBox;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

class FormBinder : public QObject
{
    Q_OBJECT
public:
    // `form` is the window whose controls are bound; the binder lives as long as it does.
    explicit FormBinder(QWidget *form);

    // What the form's rules hear: a value accepted (typed and left, picked, clicked), a value
    // stepped (spin arrows, Up and Down keys, wheel), a typed value refused by its spin box, and
    // the focus entering a bound control. A stepped value counts as accepted when its field is
    // left.
    std::function<void(int id)> onAccepted;
    std::function<void(int id)> onStepped;
    std::function<void(int id)> onRefused;
    std::function<void(int id)> onFocusIn;

    void text(int id, QLineEdit *edit, std::function<QString()> get, std::function<void(const QString &)> set);
    // A number typed under a picture, within low..high; a text that does not read as one is
    // refused with a beep and the focus stays.
    void number(int id, QLineEdit *edit, const QString &pictureToken, Decimal low, Decimal high,
        std::function<Decimal()> get, std::function<void(Decimal)> set);
    void intSpin(int id, IntSpinBox *box, std::function<int()> get, std::function<void(int)> set);
    void decimalSpin(int id, DecimalSpinBox *box, std::function<Decimal()> get, std::function<void(Decimal)> set);
    // An editable combo: a pick from the list is accepted at once, typed text once it is left.
    void combo(int id, QComboBox *combo, std::function<QString()> get, std::function<void(const QString &)> set);
    void check(int id, QCheckBox *box, std::function<bool()> get, std::function<void(bool)> set);
    // Radio buttons standing for one field: `get` gives the index of the option to check.
    void radios(int id, std::vector<QRadioButton *> options, std::function<int()> get, std::function<void(int)> set);
    // A control with its own way of showing and taking its value (a notes editor).
    void custom(int id, QWidget *widget, std::function<void()> load, std::function<void()> store);
    // A control that is only named (a button, a display) so that focus and ids find it.
    void name(int id, QWidget *widget);
    // A button whose action runs once what is being typed is taken in.
    void button(int id, QAbstractButton *button, std::function<void()> action);

    // Shows the record in every bound control.
    void load();
    bool loading() const { return m_loading; }
    // The form is closing: nothing more is taken in or told.
    void stop() { m_done = true; }
    // Takes in the value being typed in the focused field, if the user edited it, as leaving the
    // field would. Buttons, Enter and Escape do this before their action.
    void takeTyped();
    // Writes a control's value into the record and tells the rules, edited or not (a value put
    // back by the field history).
    void accept(int id);
    // Writes a control's value into the record without telling the rules.
    void storeOnly(int id);

    int idOf(const QWidget *widget) const; // the bound control holding `widget`, or -1
    QWidget *widget(int id) const;
    // Every bound or named widget with its control number (a radio group: each button).
    const std::vector<std::pair<const QWidget *, int>> &controls() const { return m_ids; }

private:
    struct Binding {
        int id = -1;
        QWidget *widget = nullptr;
        std::function<void()> load; // record -> control, remembering what it shows
        std::function<void()> store; // control -> record
        // What the control shows now counts as shown (after it was taken in).
        std::function<void()> mark;
        // Takes in what is being typed, as leaving the field does.
        std::function<void()> take;
    };
    Binding *find(int id);
    void add(Binding binding, std::initializer_list<QWidget *> parts = {});
    void stepped(int id);
    void focusChanged(QWidget *now);

    QWidget *m_form;
    std::vector<Binding> m_bindings;
    std::vector<std::pair<const QWidget *, int>> m_ids;
    bool m_loading = false;
    bool m_done = false;
    int m_focused = -1;
    std::vector<int> m_stepped; // stepped since last accepted
};
