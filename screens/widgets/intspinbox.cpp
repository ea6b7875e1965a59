#include "screens/widgets/intspinbox.h"

#include "screens/windowing/spinguard.h"

#include <QLineEdit>
#include <algorithm>

IntSpinBox::IntSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    // Values are reported once typing is done, not on every key.
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    updateInnerRange();
    auto *guard = new SpinGuard(this, [this] { return textAcceptable(); });
    connect(guard, &SpinGuard::refused, this, &IntSpinBox::refused);
    // Only the user's own typing counts as typed; the program setting a value is neither.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_userEdited = true; });
    connect(this, &QSpinBox::valueChanged, this, [this] {
        if (m_stepping) {
            emit stepped();
        } else if (m_userEdited) {
            m_userEdited = false;
            emit typed();
        }
    });
}

void IntSpinBox::setAllowedRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = std::max(minimum, maximum);
    updateInnerRange();
}

void IntSpinBox::setBlankWhenZero(bool blank)
{
    m_blankWhenZero = blank;
    updateInnerRange();
    setSpecialValueText({});
    update();
}

void IntSpinBox::setMinimumDigits(int digits)
{
    m_digits = digits;
    lineEdit()->setText(textFromValue(value()));
}

void IntSpinBox::updateInnerRange()
{
    // The inner range also holds 0 when 0 is the blank "no value".
    const int lo = m_blankWhenZero ? std::min(m_min, 0) : m_min;
    const int hi = m_blankWhenZero ? std::max(m_max, 0) : m_max;
    setRange(lo, hi);
}

std::optional<int> IntSpinBox::parse(const QString &text) const
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return m_blankWhenZero ? std::optional<int>(0) : std::nullopt;
    bool ok = false;
    const int v = t.toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

bool IntSpinBox::textAcceptable() const
{
    const auto v = parse(lineEdit()->text());
    return v && inAllowed(*v);
}

QString IntSpinBox::textFromValue(int value) const
{
    if (value == 0 && m_blankWhenZero)
        return {};
    QString t = QString::number(std::abs(value)).rightJustified(m_digits, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + t : t;
}

int IntSpinBox::valueFromText(const QString &text) const { return parse(text).value_or(value()); }

QValidator::State IntSpinBox::validate(QString &input, int &) const
{
    // Any number may be typed; leaving the box with one outside the range is refused.
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-"))
        return m_blankWhenZero && t.isEmpty() ? QValidator::Acceptable : QValidator::Intermediate;
    const auto v = parse(t);
    if (!v)
        return QValidator::Invalid;
    return inAllowed(*v) ? QValidator::Acceptable : QValidator::Intermediate;
}

void IntSpinBox::stepBy(int steps)
{
    // A value typed and not yet left is where the step starts, as the user sees it.
    const std::optional<int> typedValue = parse(lineEdit()->text());
    const int current = typedValue && inAllowed(*typedValue) ? *typedValue : value();
    int next;
    if (current < m_min || current > m_max)
        next = current < m_min ? m_min : m_max; // from the blank "no value" into the range
    else
        next = std::clamp(static_cast<long long>(current) + static_cast<long long>(steps) * singleStep(),
            static_cast<long long>(m_min), static_cast<long long>(m_max));
    m_stepping = true;
    m_userEdited = false;
    setValue(next);
    m_stepping = false;
    selectAll();
}
