#include "calc/hydrometer.h"

namespace hydrometer
{

namespace
{

struct Band {
    int from;
    int to;
    int thousandths;
};

// Whole degrees Celsius; every temperature from 10 to 70 falls in one band.
constexpr Band kCelsius[] = {
    { 10, 11, -1 },
    { 12, 18, 0 },
    { 19, 23, 1 },
    { 24, 27, 2 },
    { 28, 30, 3 },
    { 31, 33, 4 },
    { 34, 36, 5 },
    { 37, 39, 6 },
    { 40, 42, 7 },
    { 43, 44, 8 },
    { 45, 46, 9 },
    { 47, 49, 10 },
    { 50, 51, 11 },
    { 52, 53, 12 },
    { 54, 55, 13 },
    { 56, 57, 14 },
    { 58, 59, 15 },
    { 60, 61, 16 },
    { 62, 63, 17 },
    { 64, 64, 18 },
    { 65, 66, 19 },
    { 67, 68, 20 },
    { 69, 70, 21 },
};

// Whole degrees Fahrenheit. The last band reaches 155 F, the top of the spin:
// 154 and 155 F are 67.8 and 68.3 C, which the Celsius table puts at 0.020 too.
constexpr Band kFahrenheit[] = {
    { 50, 53, -1 },
    { 54, 65, 0 },
    { 66, 73, 1 },
    { 74, 80, 2 },
    { 81, 87, 3 },
    { 88, 92, 4 },
    { 93, 98, 5 },
    { 99, 103, 6 },
    { 104, 107, 7 },
    { 108, 112, 8 },
    { 113, 116, 9 },
    { 117, 120, 10 },
    { 121, 124, 11 },
    { 125, 128, 12 },
    { 129, 131, 13 },
    { 132, 135, 14 },
    { 136, 138, 15 },
    { 139, 142, 16 },
    { 143, 145, 17 },
    { 146, 148, 18 },
    { 149, 152, 19 },
    { 153, 155, 20 },
};

template <std::size_t N> std::optional<Decimal> find(const Band (&bands)[N], int degrees)
{
    for (const Band &b : bands)
        if (degrees >= b.from && degrees <= b.to)
            return Decimal::fromScaled(b.thousandths, 3);
    return std::nullopt;
}

Message limitMessage(const char *caption, const char *text)
{
    return Message { QString::fromLatin1(caption), QString::fromLatin1(text), MessageIcon::Information, {}, 1 };
}

} // namespace

std::optional<Decimal> correctionCelsius(int degrees) { return find(kCelsius, degrees); }
std::optional<Decimal> correctionFahrenheit(int degrees) { return find(kFahrenheit, degrees); }

GravityCorrection::GravityCorrection(bool celsius)
    : m_celsius(celsius)
{
    m_gravityDec = Decimal::fromScaled(m_gravity, 3);
    lookup();
}

void GravityCorrection::setGravity(int value)
{
    m_gravity = value;
    m_gravityDec = (Decimal(value) / Decimal(1000)).rounded(3);
    correct();
}

void GravityCorrection::stepGravity(int value, Prompter &prompter)
{
    setGravity(value);
    if (value <= kMinGravity || value >= kMaxGravity)
        prompter.tell(gravityLimitMessage());
}

void GravityCorrection::setTemperature(int value)
{
    (m_celsius ? m_tempC : m_tempF) = value;
    lookup();
}

void GravityCorrection::stepTemperature(int value, Prompter &prompter)
{
    setTemperature(value);
    const bool atEnd = m_celsius ? (value <= kMinCelsius || value >= kMaxCelsius)
                                 : (value <= kMinFahrenheit || value >= kMaxFahrenheit);
    if (atEnd)
        prompter.tell(temperatureLimitMessage(m_celsius));
}

Message GravityCorrection::gravityLimitMessage()
{
    return limitMessage("Out of Range...", "Minimum 900 (0.900)  Maximum 1200 (1.200)");
}

Message GravityCorrection::temperatureLimitMessage(bool celsius)
{
    return celsius ? limitMessage("Out of Range..", "Minimum 10 C   Maximum 70 C")
                   : limitMessage("Out of Range...", "Minimum 50 F|Maximum 155 F");
}

void GravityCorrection::lookup()
{
    // A temperature in no band keeps the correction on show.
    if (auto c = m_celsius ? correctionCelsius(m_tempC) : correctionFahrenheit(m_tempF))
        m_correction = *c;
    correct();
}

void GravityCorrection::correct()
{
    m_corrected = (m_gravityDec + m_correction).rounded(4);
    m_keyAs = (m_corrected * Decimal(1000)).rounded(2);
}

} // namespace hydrometer
