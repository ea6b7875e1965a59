#include "calc/conversions.h"

namespace conversions
{

double litresToImpGals(double v) { return v * 0.21998; }
double litresToUsGals(double v) { return v * 0.2642; }
double impGalsToLitres(double v) { return v * 4.546; }
double impGalsToUsGals(double v) { return v * 1.2; }
double usGalsToLitres(double v) { return v * 3.7854; }
double usGalsToImpGals(double v) { return v * 0.8331; }
double impPintsToLitres(double v) { return v * 0.56825; }
double usPintsToLitres(double v) { return v * 0.4732; }
double litresToImpPints(double v) { return v * 1.7598; }
double litresToUsPints(double v) { return v * 2.113; }
double kgToPounds(double v) { return v * 2.2046; }
double poundsToKg(double v) { return v * 0.45359; }
double celsiusToFahrenheit(double v) { return v * 9 / 5 + 32; }
double fahrenheitToCelsius(double v) { return (v - 32) * 5 / 9; }

Results convert(Input input, double v)
{
    switch (input) {
    case Input::Litres:
        return { litresToImpGals(v), litresToUsGals(v), true };
    case Input::ImpGals:
        return { impGalsToLitres(v), impGalsToUsGals(v), true };
    case Input::UsGals:
        return { usGalsToLitres(v), usGalsToImpGals(v), true };
    case Input::ImpPints:
        return { impPintsToLitres(v), 0, false };
    case Input::UsPints:
        return { usPintsToLitres(v), 0, false };
    case Input::Litres2:
        return { litresToImpPints(v), litresToUsPints(v), true };
    case Input::Kg:
        return { kgToPounds(v), 0, false };
    case Input::Pounds:
        return { poundsToKg(v), 0, false };
    case Input::Celsius:
        return { celsiusToFahrenheit(v), 0, false };
    case Input::Fahrenheit:
        return { fahrenheitToCelsius(v), 0, false };
    }
    return {};
}

double minimum(Input input)
{
    switch (input) {
    case Input::Celsius:
        return -50;
    case Input::Fahrenheit:
        return -60;
    default:
        return 0.1;
    }
}

double maximum(Input input)
{
    switch (input) {
    case Input::Celsius:
        return 100;
    case Input::Fahrenheit:
        return 212;
    default:
        return 9999;
    }
}

std::optional<Message> rangeMessage(Input input, double value)
{
    // The inputs carry two decimals; a stepped 1.1 - 1 must count as 0.1.
    constexpr double kSlack = 1e-9;
    if (value > minimum(input) + kSlack && value < maximum(input) - kSlack)
        return std::nullopt;
    const char *text = nullptr;
    switch (input) {
    case Input::Litres:
    case Input::Litres2:
        text = " Range 0.1 to 9,999 Litres";
        break;
    case Input::ImpGals:
    case Input::UsGals:
        text = " Range 0.1 to 9,999 Gallons";
        break;
    case Input::ImpPints:
    case Input::UsPints:
        text = " Range 0.1 to 9,999 Pints";
        break;
    case Input::Kg:
        text = " Range 0.1 to 9,999 Kilograms";
        break;
    case Input::Pounds:
        text = " Range 0.1 to 9,999 Pounds";
        break;
    case Input::Celsius:
        text = " Range -50  to  100 C";
        break;
    case Input::Fahrenheit:
        text = " Range -60  to  212 F";
        break;
    }
    return Message { QStringLiteral("Out of Range..."), QString::fromLatin1(text), MessageIcon::Information, {}, 1 };
}

void UnitConversions::setInput(Input which, double value)
{
    m_inputs[index(which)] = value;
    m_results[index(which)] = convert(which, value);
}

bool UnitConversions::stepInput(Input which, double value, Prompter &prompter)
{
    setInput(which, value);
    const auto message = rangeMessage(which, value);
    if (message)
        prompter.tell(*message);
    return message.has_value();
}

void UnitConversions::reset()
{
    m_inputs.fill(0);
    m_results.fill(Results {});
}

} // namespace conversions
