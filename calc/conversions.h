#pragma once
// Units a home brewer meets: litres, UK and US gallons and pints, kilograms and
// pounds, Celsius and Fahrenheit, with the program's own factors in double
// precision, and the values of the conversion window.

#include "platform/prompter.h"

#include <array>
#include <optional>

namespace conversions
{

// The window's inputs, in its row order.
enum class Input {
    Litres, // to UK and US gallons
    ImpGals, // to litres and US gallons
    UsGals, // to litres and UK gallons
    ImpPints, // to litres
    UsPints, // to litres
    Litres2, // to UK and US pints
    Kg, // to pounds
    Pounds, // to kilograms
    Celsius, // to Fahrenheit
    Fahrenheit, // to Celsius
};
constexpr int kInputCount = 10;

struct Results {
    double first = 0; // the row's first result
    double second = 0; // the second result, 0 where the row has one
    bool hasSecond = false;
};
// The results of one input, unrounded; only the display rounds.
Results convert(Input input, double value);

double litresToImpGals(double v);
double litresToUsGals(double v);
double impGalsToLitres(double v);
double impGalsToUsGals(double v);
double usGalsToLitres(double v);
double usGalsToImpGals(double v);
double impPintsToLitres(double v);
double usPintsToLitres(double v);
double litresToImpPints(double v);
double litresToUsPints(double v);
double kgToPounds(double v);
double poundsToKg(double v);
double celsiusToFahrenheit(double v);
double fahrenheitToCelsius(double v);

// Spin range of an input.
double minimum(Input input);
double maximum(Input input);
// The message for a value stepped to or beyond an end of its input's range
// (volumes and weights: 0.1 or less, 9999 or more); nullopt inside.
std::optional<Message> rangeMessage(Input input, double value);

// The window's values: every input and result, 0 (blank) when it opens.
class UnitConversions
{
public:
    double input(Input which) const { return m_inputs[index(which)]; }
    const Results &results(Input which) const { return m_results[index(which)]; }

    // A typed value accepted.
    void setInput(Input which, double value);
    // A spin press: converts, and at or beyond an end of the range says so.
    // Returns true when it did (the focus goes back to the input).
    bool stepInput(Input which, double value, Prompter &prompter);
    // Every input and result back to 0.
    void reset();

private:
    static int index(Input which) { return static_cast<int>(which); }

    std::array<double, kInputCount> m_inputs {};
    std::array<Results, kInputCount> m_results {};
};

} // namespace conversions
