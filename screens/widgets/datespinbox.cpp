#include "screens/widgets/datespinbox.h"

#include "platform/date.h"

DateSpinBox::DateSpinBox(QWidget *parent)
    : IntSpinBox(parent)
{
    setBlankWhenZero(true);
    // 1 January 1801 to 31 December 9999.
    setAllowedRange(date::fromYmd(1801, 1, 1), date::fromYmd(9999, 12, 31));
}

QString DateSpinBox::textFromValue(int value) const { return date::shortText(value); }

std::optional<int> DateSpinBox::parse(const QString &text) const
{
    const auto d = date::parseShort(text.trimmed());
    return d ? std::optional<int>(*d) : std::nullopt;
}

QValidator::State DateSpinBox::validate(QString &input, int &) const
{
    // A date is typed a character at a time: only digits and separators are refused outright.
    for (QChar c : input)
        if (!c.isDigit() && c != QLatin1Char('/') && c != QLatin1Char('-') && c != QLatin1Char('.') && !c.isSpace())
            return QValidator::Invalid;
    const auto v = parse(input);
    return v && inAllowed(*v) ? QValidator::Acceptable : QValidator::Intermediate;
}
