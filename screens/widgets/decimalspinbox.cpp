#include "screens/widgets/decimalspinbox.h"

#include "screens/windowing/spinguard.h"

#include <QLineEdit>
#include <algorithm>

DecimalSpinBox::DecimalSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    updateInnerRange();
    auto *guard = new SpinGuard(this, [this] { return textAcceptable(); });
    connect(guard, &SpinGuard::refused, this, &DecimalSpinBox::refused);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_userEdited = true; });
    connect(this, &QDoubleSpinBox::valueChanged, this, [this] {
        if (m_stepping) {
            emit stepped();
        } else if (m_userEdited) {
            m_userEdited = false;
            emit typed();
        }
    });
}

void DecimalSpinBox::setAllowedRange(Decimal minimum, Decimal maximum)
{
    m_min = minimum;
    m_max = std::max(minimum, maximum);
    updateInnerRange();
}

void DecimalSpinBox::setStep(Decimal step)
{
    m_step = step;
    setSingleStep(step.toDouble());
}

void DecimalSpinBox::setBlankWhenZero(bool blank)
{
    m_blankWhenZero = blank;
    updateInnerRange();
    lineEdit()->setText(textFromValue(value()));
}

void DecimalSpinBox::updateInnerRange()
{
    const Decimal lo = m_blankWhenZero ? std::min(m_min, Decimal(0)) : m_min;
    const Decimal hi = m_blankWhenZero ? std::max(m_max, Decimal(0)) : m_max;
    setRange(lo.toDouble(), hi.toDouble());
}

Decimal DecimalSpinBox::decimalValue() const { return Decimal::fromDouble(value()).rounded(decimals()); }

void DecimalSpinBox::setDecimalValue(Decimal v) { setValue(v.rounded(decimals()).toDouble()); }

std::optional<Decimal> DecimalSpinBox::parse(const QString &text) const
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return m_blankWhenZero ? std::optional<Decimal>(Decimal(0)) : std::nullopt;
    return Decimal::parse(t);
}

bool DecimalSpinBox::textAcceptable() const
{
    const auto v = parse(lineEdit()->text());
    return v && inAllowed(v->rounded(decimals()));
}

QString DecimalSpinBox::textFromValue(double v) const
{
    const Decimal d = Decimal::fromDouble(v).rounded(decimals());
    if (d.isZero() && m_blankWhenZero)
        return {};
    return d.toFixed(decimals());
}

double DecimalSpinBox::valueFromText(const QString &text) const
{
    const auto v = parse(text);
    return v ? v->rounded(decimals()).toDouble() : value();
}

QValidator::State DecimalSpinBox::validate(QString &input, int &) const
{
    const QString t = input.trimmed();
    if (t.isEmpty())
        return m_blankWhenZero ? QValidator::Acceptable : QValidator::Intermediate;
    if (t == QLatin1String("-") || t == QLatin1String(".") || t == QLatin1String("-."))
        return QValidator::Intermediate;
    const auto v = parse(t);
    if (!v)
        return QValidator::Invalid;
    const int point = t.indexOf(QLatin1Char('.'));
    if (point >= 0 && t.size() - point - 1 > decimals())
        return QValidator::Invalid; // more decimals than the field holds
    return inAllowed(*v) ? QValidator::Acceptable : QValidator::Intermediate;
}

void DecimalSpinBox::fixup(QString &) const
{
    // Nothing is corrected silently: an unacceptable text is refused instead.
}

void DecimalSpinBox::stepBy(int steps)
{
    // A value typed and not yet left is where the step starts, as the user sees it.
    const std::optional<Decimal> typedValue = parse(lineEdit()->text());
    const Decimal current = typedValue && inAllowed(*typedValue) ? typedValue->rounded(decimals()) : decimalValue();
    Decimal next;
    if (current < m_min || current > m_max)
        next = current < m_min ? m_min : m_max;
    else
        next = std::clamp(current + m_step * Decimal(steps), m_min, m_max);
    m_stepping = true;
    m_userEdited = false;
    setDecimalValue(next);
    m_stepping = false;
    selectAll();
}
