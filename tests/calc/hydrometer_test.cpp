#include "calc/hydrometer.h"
#include "calctest.h"

#include <gtest/gtest.h>

using namespace hydrometer;

TEST(HydrometerTables, EveryTemperatureOfTheSpinHasACorrection)
{
    struct Scale {
        std::optional<Decimal> (*lookup)(int);
        int low, high;
    } scales[]
        = { { correctionCelsius, kMinCelsius, kMaxCelsius }, { correctionFahrenheit, kMinFahrenheit, kMaxFahrenheit } };
    for (const auto &s : scales) {
        EXPECT_FALSE(s.lookup(s.low - 1));
        EXPECT_FALSE(s.lookup(s.high + 1));
        Decimal previous = dec("-1");
        for (int t = s.low; t <= s.high; ++t) {
            const auto c = s.lookup(t);
            ASSERT_TRUE(c) << t;
            // Warmer wort reads lower, so the correction never falls as the temperature rises.
            EXPECT_GE(*c, previous) << t;
            previous = *c;
        }
    }
}

TEST(HydrometerTables, BandEnds)
{
    struct Case {
        bool celsius;
        int degrees;
        const char *correction;
    } cases[] = {
        { true, 10, "-0.001" },
        { true, 11, "-0.001" },
        { true, 12, "0" },
        { true, 21, "0.001" },
        { true, 30, "0.003" },
        { true, 64, "0.018" },
        { true, 65, "0.019" },
        { true, 70, "0.021" },
        { false, 50, "-0.001" },
        { false, 53, "-0.001" },
        { false, 54, "0" },
        { false, 70, "0.001" },
        { false, 152, "0.019" },
        { false, 153, "0.020" },
        { false, 154, "0.020" },
        { false, 155, "0.020" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.celsius ? correctionCelsius(c.degrees) : correctionFahrenheit(c.degrees), dec(c.correction))
            << c.degrees << (c.celsius ? " C" : " F");
}

TEST(GravityCorrection, CorrectsTheReading)
{
    struct Case {
        bool celsius;
        int gravity, temperature; // 0: as opened
        const char *correction, *corrected, *keyAs;
    } cases[] = {
        { true, 0, 0, "0.001", "1.036", "1036" },
        { false, 0, 0, "0.001", "1.036", "1036" },
        { true, 1050, 30, "0.003", "1.053", "1053" },
        { false, 1040, 52, "-0.001", "1.039", "1039" },
        { true, 1200, 70, "0.021", "1.221", "1221" },
    };
    for (const auto &c : cases) {
        GravityCorrection g(c.celsius);
        EXPECT_EQ(g.scaleText(), c.celsius ? "C" : "F");
        if (c.temperature)
            g.setTemperature(c.temperature);
        if (c.gravity)
            g.setGravity(c.gravity);
        EXPECT_EQ(g.correction(), dec(c.correction)) << c.gravity << " at " << c.temperature;
        EXPECT_EQ(g.corrected(), dec(c.corrected)) << c.gravity << " at " << c.temperature;
        EXPECT_EQ(g.keyAs(), dec(c.keyAs)) << c.gravity << " at " << c.temperature;
    }
}

TEST(GravityCorrection, ReadingChangeKeepsTheCorrection)
{
    GravityCorrection g(true);
    g.setTemperature(30);
    g.setGravity(1040);
    EXPECT_EQ(g.gravityDec(), dec("1.040"));
    EXPECT_EQ(g.correction(), dec("0.003"));
    EXPECT_EQ(g.keyAs(), dec("1043"));
    // A temperature in no band leaves the correction on show.
    g.setTemperature(75);
    EXPECT_EQ(g.correction(), dec("0.003"));
    EXPECT_EQ(g.tempC(), 75);
}

TEST(GravityCorrection, StepLimitMessages)
{
    const Message gravityLimit { "Out of Range...", "Minimum 900 (0.900)  Maximum 1200 (1.200)",
        MessageIcon::Information, {}, 1 };
    const Message celsiusLimit { "Out of Range..", "Minimum 10 C   Maximum 70 C", MessageIcon::Information, {}, 1 };
    const Message fahrenheitLimit { "Out of Range...", "Minimum 50 F|Maximum 155 F", MessageIcon::Information, {}, 1 };
    struct Case {
        bool celsius;
        bool reading; // else the temperature
        int value;
        std::vector<Message> shown;
    } cases[] = {
        { true, true, 1200, { gravityLimit } },
        { true, true, 1199, {} },
        { false, true, 900, { gravityLimit } },
        { true, true, 901, {} },
        { true, false, 70, { celsiusLimit } },
        { true, false, 10, { celsiusLimit } },
        { true, false, 69, {} },
        { false, false, 155, { fahrenheitLimit } },
        { false, false, 50, { fahrenheitLimit } },
        { false, false, 154, {} },
    };
    for (const auto &c : cases) {
        GravityCorrection g(c.celsius);
        ScriptedPrompter prompter;
        if (c.reading)
            g.stepGravity(c.value, prompter);
        else
            g.stepTemperature(c.value, prompter);
        EXPECT_EQ(prompter.shown(), c.shown) << c.value;
        // The value itself stays.
        EXPECT_EQ(c.reading ? g.gravity() : g.temperature(), c.value);
    }
}
