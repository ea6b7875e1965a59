#include "platform/picture.h"

#include "platform/date.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace
{

bool isDigitPosition(QChar c) { return c == QLatin1Char('#') || c == QLatin1Char('<'); }

// Reads a run of ASCII digits at `i`; -1 when there is none.
int readCount(const QString &s, int &i)
{
    const int start = i;
    while (i < s.size() && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9'))
        ++i;
    if (i == start || i - start > 4)
        return -1;
    return s.mid(start, i - start).toInt();
}

bool readBlankFlag(const QString &s, int &i)
{
    if (i < s.size() && s[i].toUpper() == QLatin1Char('B')) {
        ++i;
        return true;
    }
    return false;
}

// "1234567" -> "1,234,567"
QString grouped(const QString &digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

// The first `n` characters, never splitting a surrogate pair.
QString leftCharacters(const QString &s, int n)
{
    int i = 0;
    for (int count = 0; i < s.size() && count < n; ++count)
        i += (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ? 2 : 1;
    return s.left(i);
}

// A typed number in the program's form: optional sign, digits grouped by ","
// in threes or not at all, optional "." and decimals.
std::optional<Decimal> readTypedNumber(const QString &text, bool &negative)
{
    static const QRegularExpression form(QStringLiteral("^([+-]?)([0-9]{1,3}(?:,[0-9]{3})+|[0-9]*)(?:\\.([0-9]*))?$"));
    const auto m = form.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    negative = m.captured(1) == QLatin1String("-");
    QString plain = m.captured(2).remove(QLatin1Char(','));
    if (!m.captured(3).isEmpty())
        plain += QLatin1Char('.') + m.captured(3);
    auto value = Decimal::parse(plain);
    if (value && negative)
        *value = -*value;
    return value;
}

int integerDigits(const Decimal &value)
{
    QString whole = value.toFixed(0);
    if (whole.startsWith(QLatin1Char('-')))
        whole.remove(0, 1);
    return whole == QLatin1String("0") ? 0 : whole.size();
}

} // namespace

Picture::Picture(const QString &token)
    : m_token(token)
{
    if (token.isEmpty())
        return;
    const QChar letter = token[0].toUpper();
    int i = 1;
    Kind kind = Kind::Invalid;
    if (letter == QLatin1Char('N')) {
        if (i < token.size() && token[i] == QLatin1Char('-')) {
            m_negative = true;
            ++i;
        }
        if (i + 1 < token.size() && token[i] == QLatin1Char('0') && token[i + 1].isDigit()) {
            m_zeroPad = true;
            ++i;
        }
        m_width = readCount(token, i);
        if (i < token.size() && token[i] == QLatin1Char('.')) {
            ++i;
            const int start = i;
            m_decimals = readCount(token, i);
            if (m_decimals < 0 && i == start)
                m_decimals = 0; // "N5." shows a whole number
        }
        m_blank = readBlankFlag(token, i);
        if (m_width > 0 && m_decimals >= 0 && m_decimals <= 9)
            kind = Kind::Number;
    } else if (letter == QLatin1Char('P')) {
        const int close = token.lastIndexOf(token[0]);
        if (close > 0) {
            m_pattern = token.mid(1, close - 1);
            i = close + 1;
            m_blank = readBlankFlag(token, i);
            m_width = m_pattern.size();
            if (std::any_of(m_pattern.begin(), m_pattern.end(), isDigitPosition))
                kind = Kind::Pattern;
        }
    } else if (letter == QLatin1Char('D')) {
        m_dateForm = readCount(token, i);
        m_blank = readBlankFlag(token, i);
        m_width = m_dateForm == 18 ? 0 : 10;
        if (m_dateForm >= 0)
            kind = Kind::Date;
    } else if (letter == QLatin1Char('S')) {
        m_width = readCount(token, i);
        if (m_width >= 0)
            kind = Kind::Text;
    }
    m_kind = i == token.size() ? kind : Kind::Invalid;
}

QString Picture::number(const Decimal &value) const
{
    const Decimal shown = value.rounded(m_decimals);
    if (shown.isZero() && m_blank)
        return {};
    const bool negative = shown.sign() < 0;
    QString text = shown.toFixed(m_decimals);
    if (negative)
        text.remove(0, 1);
    const int point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point);
    const QString sign = negative ? QStringLiteral("-") : QString();
    if (m_zeroPad) {
        const int room = m_width - sign.size() - fraction.size();
        return sign + whole.rightJustified(room, QLatin1Char('0')) + fraction;
    }
    const QString withGroups = sign + grouped(whole) + fraction;
    if (withGroups.size() <= m_width)
        return withGroups;
    return sign + whole + fraction;
}

QString Picture::pattern(long long value) const
{
    if (value == 0 && m_blank)
        return {};
    const bool negative = value < 0;
    // Through unsigned so the most negative value has a magnitude too.
    const unsigned long long magnitude
        = negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    // No significant digits for 0: every position holds a leading zero.
    const QString digits = magnitude == 0 ? QString() : QString::number(magnitude);

    // Lay the digits into the positions from the right.
    QString out = m_pattern;
    std::vector<bool> blanked(out.size(), false);
    int next = digits.size() - 1;
    int firstPosition = -1;
    for (int i = out.size() - 1; i >= 0; --i) {
        if (!isDigitPosition(out[i]))
            continue;
        firstPosition = i;
        if (next >= 0) {
            out[i] = digits[next--];
        } else {
            blanked[i] = out[i] == QLatin1Char('<');
            out[i] = blanked[i] ? QLatin1Char(' ') : QLatin1Char('0');
        }
    }
    // A literal between leading blanks is blank too ("<<,<<#" shows no lone comma).
    bool allBlank = true;
    for (int i = firstPosition; i < out.size(); ++i) {
        if (isDigitPosition(m_pattern[i])) {
            allBlank = allBlank && blanked[i];
            continue;
        }
        const bool digitFollows = std::any_of(m_pattern.begin() + i, m_pattern.end(), isDigitPosition);
        if (allBlank && digitFollows) {
            out[i] = QLatin1Char(' ');
            blanked[i] = true;
        }
    }
    // Digits the pattern has no room for go in front, never lost.
    if (next >= 0) {
        out.insert(firstPosition, digits.left(next + 1));
        blanked.insert(blanked.begin() + firstPosition, next + 1, false);
    }
    if (negative) {
        int first = firstPosition;
        while (first < out.size() && blanked[first])
            ++first;
        if (first > firstPosition)
            out[first - 1] = QLatin1Char('-');
        else
            out.insert(first, QLatin1Char('-'));
    }
    return out;
}

QString Picture::text(const Decimal &value) const
{
    switch (m_kind) {
    case Kind::Number:
        return number(value);
    case Kind::Pattern:
    case Kind::Date:
        return text(value.rounded(0).truncated());
    case Kind::Text:
    case Kind::Invalid:
        break;
    }
    return value.toPlainText();
}

QString Picture::text(long long value) const
{
    switch (m_kind) {
    case Kind::Number:
        return number(Decimal(value));
    case Kind::Pattern:
        return pattern(value);
    case Kind::Date:
        if (value == 0)
            return {};
        if (value < std::numeric_limits<date::Day>::min() || value > std::numeric_limits<date::Day>::max())
            break;
        return m_dateForm == 18 ? date::longText(static_cast<date::Day>(value))
                                : date::shortText(static_cast<date::Day>(value));
    case Kind::Text:
    case Kind::Invalid:
        break;
    }
    return QString::number(value);
}

QString Picture::text(double value) const { return text(Decimal::fromDouble(value)); }

QString Picture::text(const QString &value) const
{
    return m_kind == Kind::Text ? leftCharacters(value, m_width) : value;
}

std::optional<Decimal> Picture::parse(const QString &typed) const
{
    const QString text = typed.trimmed();
    switch (m_kind) {
    case Kind::Number: {
        if (text.isEmpty())
            return Decimal(0);
        bool negative = false;
        const auto value = readTypedNumber(text, negative);
        if (!value || (negative && !m_negative && !value->isZero()))
            return std::nullopt;
        const Decimal kept = value->rounded(m_decimals);
        const int room = m_width - (m_decimals > 0 ? m_decimals + 1 : 0) - (kept.sign() < 0 ? 1 : 0);
        if (integerDigits(kept) > room)
            return std::nullopt;
        return kept;
    }
    case Kind::Pattern: {
        if (text.isEmpty())
            return Decimal(0);
        // The pattern's own literals may be typed or left out. Digits alone fill
        // the positions from the right as shown ("1050" in "#.###" is 1050); a
        // typed point stands for the pattern's point ("1.05" is 1050 too).
        QString rest;
        for (QChar c : text) {
            if (c == QLatin1Char('.') || c.isDigit() || !m_pattern.contains(c, Qt::CaseInsensitive))
                rest += c;
        }
        rest.remove(QLatin1Char(' '));
        const int point = m_pattern.lastIndexOf(QLatin1Char('.'));
        const int placesAfterPoint
            = point < 0 ? 0 : int(std::count_if(m_pattern.begin() + point, m_pattern.end(), isDigitPosition));
        static const QRegularExpression form(QStringLiteral("^[0-9]*(\\.[0-9]*)?$"));
        if (rest.isEmpty() || rest == QLatin1String(".") || !form.match(rest).hasMatch()
            || (rest.contains(QLatin1Char('.')) && point < 0))
            return std::nullopt;
        const auto read = Decimal::parse(rest);
        if (!read)
            return std::nullopt;
        Decimal scaled = *read;
        for (int k = 0; rest.contains(QLatin1Char('.')) && k < placesAfterPoint; ++k)
            scaled *= Decimal(10);
        if (scaled.rounded(0) != scaled)
            return std::nullopt;
        const int positions = int(std::count_if(m_pattern.begin(), m_pattern.end(), isDigitPosition));
        if (integerDigits(scaled) > positions)
            return std::nullopt;
        return scaled;
    }
    case Kind::Date: {
        if (auto day = date::parseShort(text))
            return Decimal(static_cast<long long>(*day));
        const QDate longForm = QLocale::system().toDate(text, QLocale::LongFormat);
        if (longForm.isValid())
            return Decimal(static_cast<long long>(date::fromQDate(longForm)));
        return std::nullopt;
    }
    case Kind::Text:
    case Kind::Invalid:
        break;
    }
    return std::nullopt;
}
