#pragma once
// Exact fixed-point decimal for money, volumes, weights and alcohol figures.
// Values are carried with 12 decimal places, so sums and products of stored
// values are exact and a quotient keeps far more places than any field stores;
// storing into a field of d places rounds half away from zero (rounded(d)).

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

class Decimal
{
public:
    static constexpr int kPlaces = 12;

    constexpr Decimal() = default;
    constexpr Decimal(int whole)
        : m_units(static_cast<__int128>(whole) * unitScale())
    {
    }
    constexpr Decimal(long long whole)
        : m_units(static_cast<__int128>(whole) * unitScale())
    {
    }

    // value = units / 10^places, e.g. fromScaled(1234, 2) is 12.34.
    static Decimal fromScaled(long long units, int places);
    // Nearest value with kPlaces places; used for REAL fields and spin boxes.
    static Decimal fromDouble(double value);
    // Plain decimal text: optional sign, digits, optional point and decimals.
    // Group separators and exponents are refused.
    static std::optional<Decimal> parse(const QString &text);

    // Storing into a value of `places` decimals: rounds half away from zero.
    Decimal rounded(int places) const;
    // The value at `places` decimals as an integer count of 10^-places.
    long long toScaled(int places) const;
    // Storing into an integer: truncates toward zero.
    long long truncated() const;
    double toDouble() const;

    // Plain number text: up to 15 significant digits, no trailing zeros, no
    // trailing point, a 0 before the point below 1 (4.50 -> "4.5", 12.00 -> "12").
    QString toPlainText() const;
    // Fixed text with exactly `places` decimals (rounded half away from zero), no grouping.
    QString toFixed(int places) const;

    bool isZero() const { return m_units == 0; }
    int sign() const { return m_units < 0 ? -1 : (m_units > 0 ? 1 : 0); }

    friend Decimal operator+(Decimal a, Decimal b) { return raw(a.m_units + b.m_units); }
    friend Decimal operator-(Decimal a, Decimal b) { return raw(a.m_units - b.m_units); }
    friend Decimal operator*(Decimal a, Decimal b);
    // Truncated at kPlaces, which keeps every later rounding to fewer places exact;
    // a division by zero gives 0.
    friend Decimal operator/(Decimal a, Decimal b);
    Decimal operator-() const { return raw(-m_units); }
    Decimal &operator+=(Decimal o) { return *this = *this + o; }
    Decimal &operator-=(Decimal o) { return *this = *this - o; }
    Decimal &operator*=(Decimal o) { return *this = *this * o; }
    Decimal &operator/=(Decimal o) { return *this = *this / o; }

    friend bool operator==(Decimal a, Decimal b) { return a.m_units == b.m_units; }
    friend std::strong_ordering operator<=>(Decimal a, Decimal b) { return a.m_units <=> b.m_units; }

private:
    static constexpr __int128 unitScale()
    {
        __int128 s = 1;
        for (int i = 0; i < kPlaces; ++i)
            s *= 10;
        return s;
    }
    static Decimal raw(__int128 units)
    {
        Decimal d;
        d.m_units = units;
        return d;
    }

    __int128 m_units = 0;
};
