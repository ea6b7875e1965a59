#include "platform/decimal.h"

#include <cmath>

namespace
{

__int128 pow10(int n)
{
    __int128 r = 1;
    for (int i = 0; i < n; ++i)
        r *= 10;
    return r;
}

__int128 absValue(__int128 v) { return v < 0 ? -v : v; }

// Divides rounding half away from zero.
__int128 divRound(__int128 num, __int128 den)
{
    const __int128 q = num / den;
    const __int128 r = num % den;
    if (absValue(r) * 2 >= absValue(den))
        return q + (((num < 0) != (den < 0)) ? -1 : 1);
    return q;
}

QString digits(__int128 v)
{
    if (v == 0)
        return QStringLiteral("0");
    QString s;
    while (v > 0) {
        s.prepend(QChar('0' + int(v % 10)));
        v /= 10;
    }
    return s;
}

} // namespace

Decimal Decimal::fromScaled(long long units, int places)
{
    if (places <= kPlaces)
        return raw(static_cast<__int128>(units) * pow10(kPlaces - places));
    return raw(divRound(units, pow10(places - kPlaces)));
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return {};
    // Through 15 significant digits, so 0.1 becomes exactly 0.1 and not its binary neighbour.
    const QString text = QString::number(value, 'g', 15);
    if (auto d = parse(text))
        return *d;
    return raw(static_cast<__int128>(std::llround(value * 1e6)) * pow10(kPlaces - 6));
}

std::optional<Decimal> Decimal::parse(const QString &input)
{
    QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    int i = 0;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
    }
    // Exponent form as QString::number may give for tiny or huge doubles.
    const int e = text.indexOf(QLatin1Char('e'), i, Qt::CaseInsensitive);
    int exponent = 0;
    QString mantissa = text.mid(i);
    if (e >= 0) {
        bool ok = false;
        exponent = text.mid(e + 1).toInt(&ok);
        if (!ok || std::abs(exponent) > 30)
            return std::nullopt;
        mantissa = text.mid(i, e - i);
    }
    __int128 units = 0;
    int fraction = -1;
    int significant = 0;
    for (QChar c : mantissa) {
        if (c == '.') {
            if (fraction >= 0)
                return std::nullopt;
            fraction = 0;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        if (fraction >= 0) {
            if (fraction + (-exponent) >= kPlaces + 1 && exponent <= 0)
                continue; // beyond what is carried
            ++fraction;
        }
        units = units * 10 + (c.unicode() - '0');
        if (units != 0 && ++significant > 30)
            return std::nullopt;
    }
    if (mantissa.isEmpty() || mantissa == QLatin1String("."))
        return std::nullopt;
    int places = (fraction < 0 ? 0 : fraction) - exponent;
    __int128 scaled;
    if (places <= kPlaces)
        scaled = units * pow10(kPlaces - places);
    else
        scaled = units / pow10(places - kPlaces);
    if (absValue(scaled) > pow10(kPlaces + 20))
        return std::nullopt;
    return raw(negative ? -scaled : scaled);
}

Decimal Decimal::rounded(int places) const
{
    if (places >= kPlaces)
        return *this;
    const __int128 step = pow10(kPlaces - places);
    return raw(divRound(m_units, step) * step);
}

long long Decimal::toScaled(int places) const
{
    if (places >= kPlaces)
        return static_cast<long long>(m_units * pow10(places - kPlaces));
    return static_cast<long long>(divRound(m_units, pow10(kPlaces - places)));
}

long long Decimal::truncated() const { return static_cast<long long>(m_units / unitScale()); }

double Decimal::toDouble() const { return toFixed(kPlaces).toDouble(); }

Decimal operator*(Decimal a, Decimal b)
{
    // Exact while the product keeps within 24 decimals of precision; fields
    // hold at most 7 digits, so the intermediate never overflows.
    return Decimal::raw(divRound(a.m_units * b.m_units, Decimal::unitScale()));
}

Decimal operator/(Decimal a, Decimal b)
{
    if (b.m_units == 0)
        return {};
    return Decimal::raw(a.m_units * Decimal::unitScale() / b.m_units);
}

QString Decimal::toFixed(int places) const
{
    const Decimal r = rounded(places);
    __int128 v = absValue(r.m_units);
    const __int128 scale = unitScale();
    QString text = digits(v / scale);
    if (places > 0) {
        QString frac = digits((v % scale) / pow10(kPlaces - std::min(places, kPlaces)));
        frac = frac.rightJustified(std::min(places, kPlaces), QLatin1Char('0'));
        if (places > kPlaces)
            frac += QString(places - kPlaces, QLatin1Char('0'));
        text += QLatin1Char('.') + frac;
    }
    if (r.m_units < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Decimal::toPlainText() const
{
    if (m_units == 0)
        return QStringLiteral("0");
    // Keep at most 15 significant digits.
    const __int128 whole = absValue(m_units) / unitScale();
    const int wholeDigits = whole == 0 ? 0 : digits(whole).size();
    int places = kPlaces;
    if (wholeDigits > 0)
        places = std::clamp(15 - wholeDigits, 0, kPlaces);
    QString text = toFixed(places);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return text;
}
