#pragma once
// Temperature correction of a hydrometer reading for instruments calibrated at
// 60 F (15.56 C), by the stepped tables brewers use, and the values of the
// correction window.

#include "platform/decimal.h"
#include "platform/prompter.h"

#include <optional>

namespace hydrometer
{

// Spin ranges of the window.
constexpr int kMinGravity = 900, kMaxGravity = 1200;
constexpr int kMinCelsius = 10, kMaxCelsius = 70;
constexpr int kMinFahrenheit = 50, kMaxFahrenheit = 155;

// The correction for a whole-degree temperature; nullopt outside every band.
// The Fahrenheit table's last band (0.020) covers 153 to 155 F, the top of the
// spin range, in step with the Celsius table at those temperatures.
std::optional<Decimal> correctionCelsius(int degrees);
std::optional<Decimal> correctionFahrenheit(int degrees);

// The window's values. Only the scale chosen in the settings is used.
class GravityCorrection
{
public:
    // Opens at 1035 and 21 C / 70 F: correction 0.001, corrected 1.036, key as 1036.
    explicit GravityCorrection(bool celsius);

    bool celsius() const { return m_celsius; }
    QString scaleText() const { return m_celsius ? QStringLiteral("C") : QStringLiteral("F"); } // LOC:TEMP
    int gravity() const { return m_gravity; } // LOC:GRAVITY, 1035
    Decimal gravityDec() const { return m_gravityDec; } // LOC:GRAVITYDEC, 1.035
    int temperature() const { return m_celsius ? m_tempC : m_tempF; }
    int tempC() const { return m_tempC; } // LOC:BREWTEMPC
    int tempF() const { return m_tempF; } // LOC:BREWTEMPF
    Decimal correction() const { return m_correction; } // LOC:CORRECTIONVALUE
    Decimal corrected() const { return m_corrected; } // LOC:CORRECTEDGRAVITY
    Decimal keyAs() const { return m_keyAs; } // LOC:GRAVITYNODEC, 1036

    // A typed or accepted reading: the current correction is kept (no new lookup).
    void setGravity(int value);
    // A spin press on the reading; at or beyond an end of the range it says so.
    void stepGravity(int value, Prompter &prompter);
    // A typed or accepted temperature of the active scale: a new lookup.
    void setTemperature(int value);
    // A spin press on the temperature; at or beyond an end it says so.
    void stepTemperature(int value, Prompter &prompter);

    static Message gravityLimitMessage();
    static Message temperatureLimitMessage(bool celsius);

private:
    void lookup();
    void correct();

    bool m_celsius;
    int m_gravity = 1035;
    Decimal m_gravityDec;
    int m_tempC = 21;
    int m_tempF = 70;
    Decimal m_correction;
    Decimal m_corrected;
    Decimal m_keyAs;
};

} // namespace hydrometer
