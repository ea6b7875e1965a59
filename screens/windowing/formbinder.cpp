#include "screens/windowing/formbinder.h"

#include "screens/widgets/decimalspinbox.h"
#include "screens/widgets/intspinbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <memory>

FormBinder::FormBinder(QWidget *form)
    : QObject(form)
    , m_form(form)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
}

FormBinder::Binding *FormBinder::find(int id)
{
    const auto it = std::find_if(m_bindings.begin(), m_bindings.end(), [id](const Binding &b) { return b.id == id; });
    return it == m_bindings.end() ? nullptr : &*it;
}

void FormBinder::add(Binding binding, std::initializer_list<QWidget *> parts)
{
    m_ids.emplace_back(binding.widget, binding.id);
    for (QWidget *part : parts)
        if (part != binding.widget)
            m_ids.emplace_back(part, binding.id);
    m_bindings.push_back(std::move(binding));
}

void FormBinder::name(int id, QWidget *widget) { add({ id, widget, {}, {}, {}, {} }); }

int FormBinder::idOf(const QWidget *widget) const
{
    for (const QWidget *w = widget; w && w != m_form; w = w->parentWidget())
        for (const auto &[known, id] : m_ids)
            if (known == w)
                return id;
    return -1;
}

QWidget *FormBinder::widget(int id) const
{
    for (const Binding &b : m_bindings)
        if (b.id == id)
            return b.widget;
    return nullptr;
}

void FormBinder::load()
{
    m_loading = true;
    for (const Binding &b : m_bindings)
        if (b.load)
            b.load();
    m_loading = false;
}

void FormBinder::accept(int id)
{
    if (m_loading || m_done)
        return;
    m_stepped.erase(std::remove(m_stepped.begin(), m_stepped.end(), id), m_stepped.end());
    if (Binding *b = find(id)) {
        if (b->store)
            b->store();
        if (b->mark)
            b->mark();
    }
    if (onAccepted)
        onAccepted(id);
}

void FormBinder::storeOnly(int id)
{
    if (Binding *b = find(id); b && b->store)
        b->store();
}

void FormBinder::stepped(int id)
{
    if (m_loading || m_done)
        return;
    if (Binding *b = find(id)) {
        if (b->store)
            b->store();
        if (b->mark)
            b->mark();
    }
    if (std::find(m_stepped.begin(), m_stepped.end(), id) == m_stepped.end())
        m_stepped.push_back(id);
    if (onStepped)
        onStepped(id);
}

void FormBinder::takeTyped()
{
    if (m_done)
        return;
    const int id = idOf(QApplication::focusWidget());
    if (id < 0)
        return;
    if (Binding *b = find(id); b && b->take)
        b->take();
    // A stepped value is accepted when its field is left; a button press leaves it.
    if (std::find(m_stepped.begin(), m_stepped.end(), id) != m_stepped.end())
        accept(id);
}

void FormBinder::focusChanged(QWidget *now)
{
    if (!now || now->window() != m_form || m_done)
        return; // a message box or another window: the field keeps its focus
    const int id = idOf(now);
    if (id == m_focused)
        return;
    const int left = m_focused;
    m_focused = id;
    if (left >= 0 && std::find(m_stepped.begin(), m_stepped.end(), left) != m_stepped.end()) {
        m_stepped.erase(std::remove(m_stepped.begin(), m_stepped.end(), left), m_stepped.end());
        QTimer::singleShot(0, this, [this, left] {
            if (!m_done && onAccepted)
                onAccepted(left);
        });
    }
    if (id >= 0)
        QTimer::singleShot(0, this, [this, id] {
            // The rules run once the focus has settled, and only if it is still there.
            if (!m_done && onFocusIn && idOf(QApplication::focusWidget()) == id)
                onFocusIn(id);
        });
}

void FormBinder::text(int id, QLineEdit *edit, std::function<QString()> get, std::function<void(const QString &)> set)
{
    auto shown = std::make_shared<QString>(edit->text());
    const auto take = [this, id, edit, shown] {
        if (edit->text() != *shown)
            accept(id);
    };
    add({ id, edit,
        [edit, get, shown] {
            *shown = get();
            if (edit->text() != *shown)
                edit->setText(*shown);
        },
        [edit, set] { set(edit->text()); }, [edit, shown] { *shown = edit->text(); }, take });
    connect(edit, &QLineEdit::editingFinished, this, take);
}

void FormBinder::number(int id, QLineEdit *edit, const QString &pictureToken, Decimal low, Decimal high,
    std::function<Decimal()> get, std::function<void(Decimal)> set)
{
    const Picture picture(pictureToken);
    const auto read = [picture, low, high](const QString &typed) -> std::optional<Decimal> {
        const auto v = picture.parse(typed);
        if (!v || *v < low || *v > high)
            return std::nullopt;
        return v;
    };
    auto shown = std::make_shared<QString>(edit->text());
    const auto take = [this, id, edit, shown, read] {
        if (edit->text() == *shown)
            return; // not edited: the stored value stays, whatever places the picture shows
        if (!read(edit->text())) {
            // Refused like a spin box value: a beep, and the focus stays with the text as typed.
            QApplication::beep();
            QPointer<QLineEdit> field(edit);
            QTimer::singleShot(0, this, [field] {
                if (field && field->isVisible() && field->isEnabled())
                    field->setFocus(Qt::OtherFocusReason);
            });
            if (onRefused)
                onRefused(id);
            return;
        }
        accept(id);
    };
    add({ id, edit,
        [edit, picture, get, read, shown] {
            const Decimal v = get();
            *shown = picture.text(v);
            if (edit->hasFocus() && edit->text() != *shown && read(edit->text()) == v)
                return; // being typed in: leave the text as the user has it
            edit->setText(*shown);
        },
        [edit, set, read] {
            if (const auto v = read(edit->text()))
                set(*v);
        },
        [edit, shown] { *shown = edit->text(); }, take });
    connect(edit, &QLineEdit::editingFinished, this, take);
}

namespace
{

// The spin boxes share their signals and the way typed text is taken in.
template <class Box> std::function<void()> takeSpin(Box *box, std::shared_ptr<QString> shown)
{
    return [box, shown] {
        if (box->text() == *shown || !box->textAcceptable())
            return; // not edited, or refused by the box itself when it is left
        box->interpretText(); // tells `typed` when the value changed
    };
}

} // namespace

void FormBinder::intSpin(int id, IntSpinBox *box, std::function<int()> get, std::function<void(int)> set)
{
    auto shown = std::make_shared<QString>(box->text());
    add({ id, box,
        [box, get, shown] {
            const int v = get();
            if (box->value() != v || (v == 0 && !box->text().isEmpty())) {
                box->setValue(v);
                *shown = box->text();
            }
        },
        [box, set] { set(box->value()); }, [box, shown] { *shown = box->text(); }, takeSpin(box, shown) });
    connect(box, &IntSpinBox::typed, this, [this, id] { accept(id); });
    connect(box, &IntSpinBox::stepped, this, [this, id] { stepped(id); });
    // Said once the refusal is over, not from inside the focus change that caused it.
    connect(
        box, &IntSpinBox::refused, this,
        [this, id] {
            if (onRefused && !m_done)
                onRefused(id);
        },
        Qt::QueuedConnection);
}

void FormBinder::decimalSpin(
    int id, DecimalSpinBox *box, std::function<Decimal()> get, std::function<void(Decimal)> set)
{
    auto shown = std::make_shared<QString>(box->text());
    add({ id, box,
        [box, get, shown] {
            const Decimal v = get();
            if (box->decimalValue() != v) {
                box->setDecimalValue(v);
                *shown = box->text();
            }
        },
        [box, set] { set(box->decimalValue()); }, [box, shown] { *shown = box->text(); }, takeSpin(box, shown) });
    connect(box, &DecimalSpinBox::typed, this, [this, id] { accept(id); });
    connect(box, &DecimalSpinBox::stepped, this, [this, id] { stepped(id); });
    connect(
        box, &DecimalSpinBox::refused, this,
        [this, id] {
            if (onRefused && !m_done)
                onRefused(id);
        },
        Qt::QueuedConnection);
}

void FormBinder::combo(int id, QComboBox *combo, std::function<QString()> get, std::function<void(const QString &)> set)
{
    auto shown = std::make_shared<QString>(combo->currentText());
    const auto take = [this, id, combo, shown] {
        if (combo->currentText() != *shown)
            accept(id);
    };
    add({ id, combo,
        [combo, get, shown] {
            *shown = get();
            if (combo->currentText() != *shown)
                combo->setCurrentText(*shown);
        },
        [combo, set] { set(combo->currentText()); }, [combo, shown] { *shown = combo->currentText(); }, take });
    connect(combo, &QComboBox::activated, this, [this, id] { accept(id); });
    if (combo->lineEdit())
        connect(combo->lineEdit(), &QLineEdit::editingFinished, this, take);
}

void FormBinder::check(int id, QCheckBox *box, std::function<bool()> get, std::function<void(bool)> set)
{
    add({ id, box, [box, get] { box->setChecked(get()); }, [box, set] { set(box->isChecked()); }, {}, {} });
    connect(box, &QCheckBox::toggled, this, [this, id] {
        if (!m_loading)
            accept(id);
    });
}

void FormBinder::radios(
    int id, std::vector<QRadioButton *> options, std::function<int()> get, std::function<void(int)> set)
{
    if (options.empty())
        return;
    add({ id, options.front(),
        [options, get] {
            const int index = get();
            if (index >= 0 && index < int(options.size()))
                options[std::size_t(index)]->setChecked(true);
        },
        [options, set] {
            for (std::size_t i = 0; i < options.size(); ++i)
                if (options[i]->isChecked())
                    set(int(i));
        },
        {}, {} });
    for (QRadioButton *option : options) {
        if (option != options.front())
            m_ids.emplace_back(option, id);
        connect(option, &QRadioButton::toggled, this, [this, id](bool on) {
            if (on && !m_loading)
                accept(id);
        });
    }
}

void FormBinder::custom(int id, QWidget *widget, std::function<void()> load, std::function<void()> store)
{
    add({ id, widget, std::move(load), std::move(store), {}, {} });
}

void FormBinder::button(int id, QAbstractButton *button, std::function<void()> action)
{
    name(id, button);
    connect(button, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
        // Pressed by its access key, Enter or as the default button, the focus is still in the
        // field being typed in: take that in first, as a click that moved the focus would.
        takeTyped();
        if (!m_done)
            action();
    });
}
