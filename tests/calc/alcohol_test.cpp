#include "calc/alcohol.h"
#include "calctest.h"
#include "records/brewrecord.h"

#include <gtest/gtest.h>

#include <functional>

using namespace alcohol;

namespace
{

enum Answer { Yes = 1, No = 2, Closed = 0 };

struct StoredCase {
    int og, fg;
    bool byVolume;
    bool allowance;
    const char *expected;
};

} // namespace

TEST(StoredEstimate, WorkedFigures)
{
    const StoredCase cases[] = {
        { 1050, 1010, true, false, "5.33" },
        { 1050, 1010, true, true, "5.83" },
        { 1050, 1010, false, false, "4.27" },
        { 1050, 1010, false, true, "4.67" },
        { 1001, 1000, true, false, "0.13" },
        { 1001, 1000, false, false, "0.11" },
        { 1046, 1012, true, true, "5.03" },
        { 1046, 1012, true, false, "4.53" },
        { 1035, 1005, false, false, "3.20" },
        { 1035, 1005, false, true, "3.60" },
        { 1040, 1008, true, false, "4.27" },
        { 1040, 1008, false, false, "3.41" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(storedEstimate(c.og, c.fg, c.byVolume, c.allowance), dec(c.expected))
            << c.og << "/" << c.fg << " vol=" << c.byVolume << " allowance=" << c.allowance;
    EXPECT_FALSE(storedEstimate(1010, 1010, true, false));
    EXPECT_FALSE(storedEstimate(1010, 1020, false, true));
}

TEST(CalculatorFigures, WorkedFigures)
{
    struct Case {
        const char *og, *fg, *diff, *abv, *abw, *abvBottle, *abwBottle;
    } cases[] = {
        { "1.050", "1.010", "0.040", "5.33", "4.26", "5.83", "4.66" },
        { "1.001", "1.000", "0.001", "0.13", "0.10", "0.63", "0.50" },
        { "1.040", "1.008", "0.032", "4.27", "3.42", "4.77", "3.82" },
        { "1.035", "1.005", "0.030", "4.00", "3.20", "4.50", "3.60" },
        { "1.010", "1.010", "0", "0", "0", "0.50", "0.40" },
    };
    for (const auto &c : cases) {
        const Figures expected { dec(c.diff), dec(c.abv), dec(c.abw), dec(c.abvBottle), dec(c.abwBottle) };
        EXPECT_EQ(calculatorFigures(dec(c.og), dec(c.fg)), expected) << c.og << "/" << c.fg;
    }
}

// Rounding half up of a non-negative quotient in whole units.
static long long roundedQuotient(long long num, long long den) { return (2 * num + den) / (2 * den); }

// Every OG from 1000 to 1120 with every FG below it down to the hydrometer's
// bottom, against integer arithmetic on hundredths and ten-thousandths.
TEST(StoredEstimate, SweepAgainstIntegerReference)
{
    for (int og = 1000; og <= 1120; ++og) {
        for (int fg = 900; fg < og; ++fg) {
            const long long drop = og - fg;
            const long long q4 = roundedQuotient(drop * 10000 * 10, 75); // drop / 7.5 in 1/10000
            const long long vol = roundedQuotient(q4, 100);
            const long long volBottle = roundedQuotient(q4 + 5000, 100);
            const long long wgt = roundedQuotient(q4 * 8, 1000); // q x 0.8 in 1/100000 -> 1/100
            const long long wgtBottle = roundedQuotient(q4 * 8 + 40000, 1000);
            ASSERT_EQ(storedEstimate(og, fg, true, false), Decimal::fromScaled(vol, 2)) << og << "/" << fg;
            ASSERT_EQ(storedEstimate(og, fg, true, true), Decimal::fromScaled(volBottle, 2)) << og << "/" << fg;
            ASSERT_EQ(storedEstimate(og, fg, false, false), Decimal::fromScaled(wgt, 2)) << og << "/" << fg;
            ASSERT_EQ(storedEstimate(og, fg, false, true), Decimal::fromScaled(wgtBottle, 2)) << og << "/" << fg;

            const long long abv = roundedQuotient(drop * 100 * 10, 75);
            const long long abw = roundedQuotient(abv * 8, 10);
            const Figures f = calculatorFigures(Decimal::fromScaled(og, 3), Decimal::fromScaled(fg, 3));
            ASSERT_EQ(f.abv, Decimal::fromScaled(abv, 2)) << og << "/" << fg;
            ASSERT_EQ(f.abw, Decimal::fromScaled(abw, 2)) << og << "/" << fg;
        }
    }
}

TEST(UpdateEstimatedAlc, AsksByBasisAndStoresTheAnswer)
{
    struct Case {
        bool byVolume;
        int answer;
        const char *expected;
        const char *caption;
        const char *text;
    } cases[] = {
        { true, Yes, "5.83", "% Alcohol by Volume (abv)",
            "Bottle fermentation.||Do you wish to add 0.5% |for the second fermentation?" },
        { true, No, "5.33", "% Alcohol by Volume (abv)",
            "Bottle fermentation.||Do you wish to add 0.5% |for the second fermentation?" },
        { false, Yes, "4.67", "% Alcohol by Weight (abw)",
            "Bottle fermentation.||Do you wish to add 0.4% |for the second fermentation ?" },
        { false, No, "4.27", "% Alcohol by Weight (abw)",
            "Bottle fermentation.||Do you wish to add 0.4% |for the second fermentation ?" },
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.ORIGINALGRAVITY = 1050;
        brew.FINALGRAVITY = 1010;
        ScriptedPrompter prompter;
        prompter.answer(c.answer);
        EXPECT_TRUE(updateEstimatedAlc(brew, c.byVolume, prompter));
        EXPECT_EQ(brew.ESTIMATEDALC, dec(c.expected));
        ASSERT_EQ(prompter.shown().size(), 1u); // from 0: no "Done..." notice
        const Message expected { c.caption, c.text, MessageIcon::Question, "&Yes|&No", 1 };
        EXPECT_EQ(prompter.shown()[0], expected);
    }
}

TEST(UpdateEstimatedAlc, DoneNoticeOnlyWhenAnEarlierFigureChanges)
{
    struct Case {
        const char *previous;
        int answer;
        const char *stored;
        const char *notice; // nullptr: none
    } cases[] = {
        { "4.5", No, "5.33", "Updating alcohol % from 4.5 to 5.33" },
        { "5.33", Yes, "5.83", "Updating alcohol % from 5.33 to 5.83" },
        { "5.33", No, "5.33", nullptr }, // the same figure again
        { "0", No, "5.33", nullptr }, // from 0.00
        { "6.1", Closed, "6.1", nullptr }, // box closed: the field is left as it was
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.ORIGINALGRAVITY = 1050;
        brew.FINALGRAVITY = 1010;
        brew.ESTIMATEDALC = dec(c.previous);
        ScriptedPrompter prompter;
        prompter.answer(c.answer);
        updateEstimatedAlc(brew, true, prompter);
        EXPECT_EQ(brew.ESTIMATEDALC, dec(c.stored)) << c.previous;
        if (!c.notice) {
            EXPECT_EQ(prompter.shown().size(), 1u) << c.previous;
            continue;
        }
        ASSERT_EQ(prompter.shown().size(), 2u) << c.previous;
        const Message expected { "Done...", c.notice, MessageIcon::Information, {}, 1 };
        EXPECT_EQ(prompter.shown()[1], expected);
    }
}

TEST(UpdateEstimatedAlc, ComputesNothingWhenFinalIsNotBelowOriginal)
{
    BrewRecord brew;
    brew.ORIGINALGRAVITY = 1010;
    brew.FINALGRAVITY = 1010;
    brew.ESTIMATEDALC = dec("4.2");
    ScriptedPrompter prompter;
    EXPECT_FALSE(updateEstimatedAlc(brew, true, prompter));
    EXPECT_EQ(brew.ESTIMATEDALC, dec("4.2"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(CalculateButton, ChecksReadingsInOrder)
{
    struct Case {
        int og, fg;
        const char *text;
        BrewField focus;
    } cases[] = {
        { 0, 0, "Need Start S.G. (Original Gravity)", BrewField::OriginalGravity },
        { 0, 1010, "Need Start S.G. (Original Gravity)", BrewField::OriginalGravity },
        { 1050, 0, "Need Final S.G. (Final Gravity)", BrewField::FinalGravity },
        { 1010, 1010,
            "The Final Gravity must be less than the Original.||Final Gravity:     1010|Original Gravity: 1010",
            BrewField::FinalGravity },
        { 1005, 1012,
            "The Final Gravity must be less than the Original.||Final Gravity:     1012|Original Gravity: 1005",
            BrewField::FinalGravity },
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.ORIGINALGRAVITY = static_cast<std::int16_t>(c.og);
        brew.FINALGRAVITY = static_cast<std::int16_t>(c.fg);
        brew.ESTIMATEDALC = dec("4.1");
        ScriptedPrompter prompter;
        const CalculateResult r = calculateButton(brew, true, prompter);
        EXPECT_FALSE(r.calculated);
        EXPECT_EQ(r.focus, c.focus) << c.og << "/" << c.fg;
        EXPECT_EQ(brew.ESTIMATEDALC, Decimal());
        ASSERT_EQ(prompter.shown().size(), 1u);
        const Message expected { "Can not calculate!", c.text, MessageIcon::Warning, {}, 1 };
        EXPECT_EQ(prompter.shown()[0], expected);
    }

    BrewRecord brew;
    brew.ORIGINALGRAVITY = 1035;
    brew.FINALGRAVITY = 1005;
    ScriptedPrompter prompter;
    prompter.answer(Yes);
    const CalculateResult r = calculateButton(brew, false, prompter);
    EXPECT_TRUE(r.calculated);
    EXPECT_EQ(r.focus, BrewField::None);
    EXPECT_EQ(brew.ESTIMATEDALC, dec("3.60"));
}

TEST(Calculator, OpensWithTheSampleReadings)
{
    const Calculator calc;
    EXPECT_EQ(calc.og(), dec("1.035"));
    EXPECT_EQ(calc.fg(), dec("1.005"));
    const Figures expected { dec("0.030"), dec("4.00"), dec("3.20"), dec("4.50"), dec("3.60") };
    EXPECT_EQ(calc.figures(), expected);
}

TEST(Calculator, PullsReadingsBackWithTheirMessages)
{
    const QString lessText = "The Original Gravity can not be less than the Final.";
    const QString exceedText = "The Final Gravity can not exceed the Original.";
    const QString rangeText = "The Hydrometer Range is 0.900 to 1.200";
    struct Case {
        const char *name;
        std::function<void(Calculator &, Prompter &)> act;
        const char *og, *fg;
        QStringList texts;
    } cases[] = {
        { "OG typed above range", [](Calculator &c, Prompter &p) { c.setOg(dec("1.250"), p); }, "1.200", "1.005",
            { rangeText } },
        { "OG typed below FG", [](Calculator &c, Prompter &p) { c.setOg(dec("0.980"), p); }, "1.005", "1.005",
            { lessText } },
        { "FG stepped below range",
            [](Calculator &c, Prompter &p) {
                c.setFg(dec("0.900"), p);
                c.stepFg(-1, p);
            },
            "1.035", "0.900", { rangeText } },
        { "FG plus at OG",
            [](Calculator &c, Prompter &p) {
                c.setFg(dec("1.035"), p);
                c.stepFg(+1, p);
            },
            "1.035", "1.035", { exceedText } },
        { "OG minus at FG",
            [](Calculator &c, Prompter &p) {
                c.setOg(dec("1.005"), p);
                c.stepOg(-1, p);
            },
            "1.005", "1.005", { lessText } },
        { "OG plus at top",
            [](Calculator &c, Prompter &p) {
                c.setOg(dec("1.200"), p);
                c.stepOg(+1, p);
            },
            "1.200", "1.005", { rangeText } },
        { "FG typed above OG and range",
            [](Calculator &c, Prompter &p) {
                c.setOg(dec("1.200"), p);
                c.setFg(dec("1.300"), p);
            },
            "1.200", "1.200", { exceedText } },
        { "plain steps", [](Calculator &c, Prompter &p) { c.stepOg(+1, p), c.stepFg(-1, p); }, "1.036", "1.004", {} },
        { "typed with more places", [](Calculator &c, Prompter &p) { c.setOg(dec("1.0505"), p); }, "1.051", "1.005",
            {} },
    };
    for (const auto &c : cases) {
        Calculator calc;
        ScriptedPrompter prompter;
        c.act(calc, prompter);
        EXPECT_EQ(calc.og(), dec(c.og)) << c.name;
        EXPECT_EQ(calc.fg(), dec(c.fg)) << c.name;
        EXPECT_EQ(calc.figures(), calculatorFigures(calc.og(), calc.fg())) << c.name;
        QStringList texts;
        for (const Message &m : prompter.shown()) {
            EXPECT_EQ(m.caption, "Out of Range...");
            EXPECT_EQ(m.icon, MessageIcon::Information);
            texts << m.text;
        }
        EXPECT_EQ(texts, c.texts) << c.name;
    }
}

TEST(Calculator, EqualReadingsGiveOnlyTheAllowances)
{
    Calculator calc;
    ScriptedPrompter prompter;
    calc.setFg(dec("1.035"), prompter);
    EXPECT_TRUE(prompter.shown().empty());
    const Figures expected { Decimal(), Decimal(), Decimal(), dec("0.50"), dec("0.40") };
    EXPECT_EQ(calc.figures(), expected);
}
