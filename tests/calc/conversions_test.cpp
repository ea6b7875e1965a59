#include "calc/conversions.h"
#include "calctest.h"

#include <gtest/gtest.h>

using namespace conversions;

namespace
{
QString shown(double v, int places) { return QString::number(v, 'f', places); }
} // namespace

TEST(Conversions, ShowTheProgramsFactors)
{
    struct Case {
        Input input;
        double value;
        const char *first, *second; // second nullptr: one result
        int places;
    } cases[] = {
        { Input::Litres, 23, "5.06", "6.08", 2 },
        { Input::ImpGals, 5, "22.73", "6.00", 2 },
        { Input::UsGals, 6, "22.71", "5.00", 2 },
        { Input::ImpPints, 2, "1.14", nullptr, 2 },
        { Input::UsPints, 2, "0.95", nullptr, 2 },
        { Input::Litres2, 1, "1.76", "2.11", 2 },
        { Input::Kg, 0.1, "0.22", nullptr, 2 },
        { Input::Pounds, 10, "4.54", nullptr, 2 },
        { Input::Celsius, 20, "68.0", nullptr, 1 },
        { Input::Fahrenheit, 68, "20.0", nullptr, 1 },
        { Input::Celsius, -40, "-40.0", nullptr, 1 },
        { Input::Fahrenheit, -40, "-40.0", nullptr, 1 },
    };
    for (const auto &c : cases) {
        const Results r = convert(c.input, c.value);
        EXPECT_EQ(shown(r.first, c.places), c.first) << c.value;
        EXPECT_EQ(r.hasSecond, c.second != nullptr) << c.value;
        if (c.second) {
            EXPECT_EQ(shown(r.second, c.places), c.second) << c.value;
        }
    }
    // 1.2 and 0.8331 are the program's own and not each other's inverse.
    EXPECT_DOUBLE_EQ(impGalsToUsGals(1), 1.2);
    EXPECT_DOUBLE_EQ(usGalsToImpGals(1), 0.8331);
}

TEST(Conversions, RangeMessagesAtOrBeyondEachEnd)
{
    struct Case {
        Input input;
        double value;
        const char *text; // nullptr: inside
    } cases[] = {
        { Input::Litres, 0.1, " Range 0.1 to 9,999 Litres" },
        { Input::Litres2, 9999, " Range 0.1 to 9,999 Litres" },
        { Input::Litres, 1.1 - 1, " Range 0.1 to 9,999 Litres" }, // a step down from 1.1
        { Input::Litres, 0.11, nullptr },
        { Input::Litres, 9998.99, nullptr },
        { Input::ImpGals, 0.05, " Range 0.1 to 9,999 Gallons" },
        { Input::UsGals, 10000, " Range 0.1 to 9,999 Gallons" },
        { Input::ImpPints, 0.1, " Range 0.1 to 9,999 Pints" },
        { Input::UsPints, 9999, " Range 0.1 to 9,999 Pints" },
        { Input::Kg, 0.1, " Range 0.1 to 9,999 Kilograms" },
        { Input::Pounds, 9999, " Range 0.1 to 9,999 Pounds" },
        { Input::Celsius, -50, " Range -50  to  100 C" },
        { Input::Celsius, 100, " Range -50  to  100 C" },
        { Input::Celsius, 99, nullptr },
        { Input::Fahrenheit, -60, " Range -60  to  212 F" },
        { Input::Fahrenheit, 212, " Range -60  to  212 F" },
        { Input::Fahrenheit, -59, nullptr },
    };
    for (const auto &c : cases) {
        const auto m = rangeMessage(c.input, c.value);
        ASSERT_EQ(m.has_value(), c.text != nullptr) << c.value;
        if (m) {
            EXPECT_EQ(*m, (Message { "Out of Range...", c.text, MessageIcon::Information, {}, 1 }));
        }
    }
}

TEST(UnitConversions, SteppedToAnEndStillConverts)
{
    UnitConversions window;
    ScriptedPrompter prompter;
    EXPECT_FALSE(window.stepInput(Input::Kg, 1.1, prompter));
    EXPECT_TRUE(window.stepInput(Input::Kg, 0.1, prompter));
    EXPECT_EQ(prompter.captions(), QStringList { "Out of Range..." });
    EXPECT_EQ(prompter.shown()[0].text, " Range 0.1 to 9,999 Kilograms");
    EXPECT_EQ(shown(window.results(Input::Kg).first, 2), "0.22");

    window.setInput(Input::Litres, 23);
    EXPECT_EQ(shown(window.results(Input::Litres).second, 2), "6.08");
    window.reset();
    for (int i = 0; i < kInputCount; ++i) {
        const auto in = static_cast<Input>(i);
        EXPECT_EQ(window.input(in), 0);
        EXPECT_EQ(window.results(in).first, 0);
        EXPECT_EQ(window.results(in).second, 0);
    }
}
