#include "calc/brewdates.h"
#include "calctest.h"
#include "platform/clock.h"
#include "records/brewrecord.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace brewdates;
using date::fromYmd;

namespace
{

Message info(const char *caption, const char *text)
{
    return Message { caption, text, MessageIcon::Information, {}, 1 };
}

const Message kBottledError
    = info("Date bottled error...", "Can not be less than Date Bottled.||Resetting to Date Down + 7 days. (default)");
const Message kMinUse
    = info("Minimum Use By...", "Can not be less than Date Bottled.||Resetting to Date Bottled + 20 days. (default)");
const Message kMaxUse
    = info("Maximum Use By...", "Can not be less than Date Bottled.||Resetting to Date Bottled + 6 months. (default)");
const Message kMaxMin
    = info("Maximum Use By", "Can not be less than Min use by.||Resetting to bottled + 6 months. (default)");

// A fixed "today" for the rules that read the clock.
class ClockFixture : public ::testing::Test
{
protected:
    void SetUp() override { Clock::install(&m_clock); }
    void TearDown() override { Clock::install(nullptr); }

    const date::Day m_today = fromYmd(2026, 3, 1);
    FixedClock m_clock { m_today };
};

} // namespace

TEST(IntervalText, DaysMonthsAndYears)
{
    struct Case {
        date::Day from, to;
        const char *text;
    } cases[] = {
        { fromYmd(2024, 1, 31), fromYmd(2024, 4, 1), "2 Months" }, // 61 days: 3 - 1 months
        { fromYmd(2024, 1, 31), fromYmd(2024, 3, 31), "60 Days" },
        { fromYmd(2026, 3, 8), fromYmd(2026, 3, 28), "20 Days" },
        { fromYmd(2026, 3, 8), fromYmd(2026, 3, 8) + 186, "6 Months" },
        { fromYmd(2026, 3, 8), fromYmd(2026, 3, 8), "0 Days" },
        { fromYmd(2022, 12, 31), fromYmd(2024, 12, 31), "24 Months" },
        { fromYmd(2022, 12, 31), fromYmd(2024, 12, 30), "23 Months" },
        { fromYmd(2020, 1, 10), fromYmd(2022, 3, 10), "2 YRS" }, // 26 months
        { fromYmd(2020, 1, 15), fromYmd(2023, 1, 14), "2 YRS" }, // a day short of three years
        { fromYmd(2020, 1, 15), fromYmd(2023, 1, 15), "3 YRS" }, { fromYmd(2020, 6, 1), fromYmd(2031, 2, 1), "10 YRS" },
        { fromYmd(2026, 3, 8), fromYmd(2026, 3, 7), "" }, // use-by before bottling, for a moment
    };
    for (const auto &c : cases)
        EXPECT_EQ(intervalText(c.from, c.to), c.text)
            << date::shortText(c.from).toStdString() << " - " << date::shortText(c.to).toStdString();
}

TEST(AgeText, CountsFromTheBottlingDate)
{
    const date::Day today = fromYmd(2026, 3, 1);
    const QString asAt = " as at " + date::shortText(today);
    struct Case {
        int daysAgo; // from today; 0 means no Date Bottled
        const char *stock;
        QString text;
    } cases[] = {
        { 400, "1", "1 year 1 month 5 days" },
        { 40, "1", "1 month 10 days" + asAt },
        { 1, "1", "1 day" + asAt },
        { 2, "1", "2 days" + asAt },
        { 366, "1", "1 year 1 day" + asAt },
        { 365, "1", "12 months 1 day" + asAt },
        { 730, "1", "1 year 12 months 0" },
        { 1886, "1", "5 years 2 months 0" }, // the day count would come out at -1
        { 40, "0", "n/a - nil stock" },
        { 0, "0", "No Date Bottled yet" },
        { 0, "1", "No Date Bottled yet" },
        { -1, "1", "'Date Bottled' is a future date?" },
        { -1, "0", "'Date Bottled' is a future date?" },
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.STOCKONHAND = c.stock;
        brew.DATEBOTTLED = c.daysAgo == 0 ? 0 : today - c.daysAgo;
        EXPECT_EQ(ageText(brew, today), c.text) << c.daysAgo << " days, stock " << c.stock;
    }
}

TEST(AgeText, NeverCountsNegativeDaysAndFitsItsField)
{
    const date::Day today = fromYmd(2030, 6, 30);
    for (int d = 1; d < 40 * 366; ++d) {
        BrewRecord brew;
        brew.STOCKONHAND = "1";
        brew.DATEBOTTLED = today - d;
        const QString text = ageText(brew, today);
        ASSERT_FALSE(text.contains(QRegularExpression("(^|\\s)-\\d"))) << d << " " << text.toStdString();
        ASSERT_LE(text.size(), 55) << d;
    }
}

TEST(DateOrder, EqualDatesAreOutOfOrder)
{
    const date::Day down = fromYmd(2026, 3, 1);
    struct Case {
        const char *name;
        date::Day bottled, minUse, maxUse;
        std::vector<Message> messages;
        date::Day expectBottled, expectMin, expectMax;
        BrewField focus;
    } cases[] = {
        { "in order", down + 7, down + 27, down + 193, {}, down + 7, down + 27, down + 193, BrewField::None },
        { "bottled on date down", down, 0, 0, { kBottledError }, down + 7, 0, 0, BrewField::DateBottled },
        { "min use on bottling day", down + 7, down + 7, 0, { kMinUse }, down + 7, down + 27, 0, BrewField::MinUse },
        { "max use on bottling day", down + 7, 0, down + 7, { kMaxUse }, down + 7, 0, down + 193, BrewField::MaxUse },
        { "max use on min use", down + 7, down + 40, down + 40, { kMaxMin }, down + 7, down + 40, down + 193,
            BrewField::MaxUse },
        // The corrected Date Bottled is the one the later checks see.
        { "bottled fix moves min use", down, down + 5, down + 100, { kBottledError, kMinUse }, down + 7, down + 27,
            down + 100, BrewField::MinUse },
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.DATEDOWN = down;
        brew.DATEBOTTLED = c.bottled;
        brew.MINUSE = c.minUse;
        brew.MAXUSE = c.maxUse;
        ScriptedPrompter prompter;
        EXPECT_EQ(checkDateOrder(brew, prompter), c.focus) << c.name;
        EXPECT_EQ(prompter.shown(), c.messages) << c.name;
        EXPECT_EQ(brew.DATEBOTTLED, c.expectBottled) << c.name;
        EXPECT_EQ(brew.MINUSE, c.expectMin) << c.name;
        EXPECT_EQ(brew.MAXUSE, c.expectMax) << c.name;
    }
}

TEST(DateOrder, DateDownAfterBottledHasTwoWordings)
{
    const date::Day bottled = fromYmd(2026, 3, 10);
    struct Case {
        bool picked;
        date::Day down;
        const char *text; // nullptr: passes
    } cases[] = {
        { false, bottled + 1, "Date Down greater than Date Bottled.||Resetting to default. (Bottled less 7 days)" },
        { true, bottled + 1,
            "Date Down can not be greater than Date Bottled?||Resetting to default. (Bottled less 7 days)" },
        { false, bottled, nullptr },
        { true, bottled - 3, nullptr },
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.DATEDOWN = c.down;
        brew.DATEBOTTLED = bottled;
        ScriptedPrompter prompter;
        const BrewField focus = checkDateDown(brew, prompter, c.picked);
        if (!c.text) {
            EXPECT_EQ(focus, BrewField::None);
            EXPECT_EQ(brew.DATEDOWN, c.down);
            EXPECT_TRUE(prompter.shown().empty());
            continue;
        }
        EXPECT_EQ(focus, BrewField::DateDown);
        EXPECT_EQ(brew.DATEDOWN, bottled - 7);
        EXPECT_EQ(prompter.shown(), std::vector<Message> { info("Date error...", c.text) });
    }
}

TEST(Defaults, FillOnlyEmptyDates)
{
    const date::Day today = fromYmd(2026, 3, 1);
    BrewRecord brew;
    defaultDateBottled(brew); // no Date Down to count from
    EXPECT_EQ(brew.DATEBOTTLED, 0);
    defaultUseBy(brew);
    EXPECT_EQ(brew.MINUSE, 0);
    defaultDateDown(brew, today);
    EXPECT_EQ(brew.DATEDOWN, today);

    BrewRecord bottled;
    bottled.DATEBOTTLED = today + 3;
    defaultDateDown(bottled, today);
    EXPECT_EQ(bottled.DATEDOWN, today - 4);
    bottled.MINUSE = today + 50;
    defaultUseBy(bottled);
    EXPECT_EQ(bottled.MINUSE, today + 50);
    EXPECT_EQ(bottled.MAXUSE, today + 3 + 186);
}

TEST(FermentationPeriod, HeldWithinItsByte)
{
    const date::Day down = fromYmd(2026, 3, 1);
    struct Case {
        date::Day down, bottled;
        bool override;
        int stored, returned;
    } cases[] = {
        { down, down + 7, false, 7, 7 }, { down, down + 255, false, 255, 255 }, { down, down + 300, false, 255, 300 },
        { down, down - 3, false, 0, -3 }, { down, 0, false, 0, 0 }, { 0, down, false, 0, 0 },
        { down, down + 9, true, 42, 0 }, // typed by the user, never computed
    };
    for (const auto &c : cases) {
        BrewRecord brew;
        brew.DATEDOWN = c.down;
        brew.DATEBOTTLED = c.bottled;
        brew.BREWPERIOD = 42;
        EXPECT_EQ(setFermentationPeriod(brew, c.override), c.returned);
        EXPECT_EQ(brew.BREWPERIOD, c.stored) << c.bottled - c.down;
    }
}

using BrewDateRulesTest = ClockFixture;

TEST_F(BrewDateRulesTest, NewBrewFillsItsDatesAndTexts)
{
    BrewRecord brew;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    rules.onFormOpen();
    EXPECT_EQ(brew.DATEDOWN, m_today);
    EXPECT_EQ(rules.rememberedDateDown(), m_today);
    EXPECT_FALSE(rules.useByEnabled());

    EXPECT_EQ(rules.onDateBottledFocus(), BrewField::None);
    EXPECT_EQ(brew.DATEBOTTLED, m_today + 7);
    EXPECT_EQ(rules.onDateBottledTouched(), BrewField::None);
    EXPECT_EQ(brew.MINUSE, m_today + 27);
    EXPECT_EQ(brew.MAXUSE, m_today + 193);
    EXPECT_EQ(brew.BREWPERIOD, 7);
    EXPECT_TRUE(rules.useByEnabled());
    EXPECT_EQ(rules.texts(), (PeriodTexts { "Down + 7 days", "20 Days", "6 Months" }));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BrewDateRulesTest, DateBottledTypedOnDateDownIsReset)
{
    BrewRecord brew;
    brew.DATEDOWN = m_today - 10;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    rules.onFormOpen();
    brew.DATEBOTTLED = brew.DATEDOWN;
    EXPECT_EQ(rules.onDateBottledTouched(), BrewField::DateBottled);
    EXPECT_EQ(brew.DATEBOTTLED, m_today - 3);
    EXPECT_EQ(prompter.shown(), std::vector<Message> { kBottledError });
    EXPECT_EQ(rules.texts().fermentation, "Down + 7 days");
}

TEST_F(BrewDateRulesTest, MaxUseMovedOntoMinUseIsReset)
{
    BrewRecord brew;
    brew.DATEDOWN = m_today - 10;
    brew.DATEBOTTLED = m_today - 3;
    brew.MINUSE = m_today + 17;
    brew.MAXUSE = m_today + 183;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    rules.onFormOpen();
    EXPECT_TRUE(rules.useByEnabled());
    brew.MAXUSE = brew.MINUSE;
    EXPECT_EQ(rules.onUseBySpin(), BrewField::None); // a spin press only refreshes the texts
    EXPECT_EQ(rules.texts().maxUse, "20 Days");
    EXPECT_EQ(rules.onUseByTouched(), BrewField::MaxUse);
    EXPECT_EQ(brew.MAXUSE, m_today - 3 + 186);
    EXPECT_EQ(prompter.shown(), std::vector<Message> { kMaxMin });
    EXPECT_EQ(rules.texts().maxUse, "6 Months");
}

TEST_F(BrewDateRulesTest, DateDownAfterBottledIsReset)
{
    BrewRecord brew;
    brew.DATEDOWN = m_today - 10;
    brew.DATEBOTTLED = m_today - 3;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    rules.onFormOpen();
    brew.DATEDOWN = m_today;
    EXPECT_EQ(rules.onDateDownTouched(), BrewField::DateDown);
    EXPECT_EQ(brew.DATEDOWN, m_today - 10);

    EXPECT_EQ(rules.onDateDownPicked(m_today - 1), BrewField::DateDown);
    EXPECT_EQ(brew.DATEDOWN, m_today - 10);
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].text,
        "Date Down can not be greater than Date Bottled?||Resetting to default. (Bottled less 7 days)");

    prompter.clear();
    EXPECT_EQ(rules.onDateDownPicked(m_today - 5), BrewField::None);
    EXPECT_EQ(brew.BREWPERIOD, 2);
    EXPECT_EQ(rules.texts().fermentation, "Down + 2 days");
    EXPECT_EQ(rules.onDateDownPicked(std::nullopt), BrewField::None); // calendar closed without a pick
    EXPECT_EQ(brew.DATEDOWN, m_today - 5);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BrewDateRulesTest, FieldsRefusedWithoutTheirEarlierDate)
{
    BrewRecord brew;
    brew.MINUSE = m_today + 20;
    brew.MAXUSE = m_today + 200;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    EXPECT_EQ(rules.onDateBottledFocus(), BrewField::DateDown);
    EXPECT_EQ(brew.MINUSE, 0);
    EXPECT_EQ(brew.MAXUSE, 0);
    EXPECT_EQ(prompter.shown(),
        std::vector<Message> {
            info("Can not proceed...", "A Date Down is required.||Please complete 'Fermentation' details first.") });

    prompter.clear();
    brew.DATEDOWN = m_today;
    brew.MINUSE = m_today + 20;
    EXPECT_EQ(rules.onUseByFocus(), BrewField::DateBottled);
    EXPECT_EQ(brew.MINUSE, 0);
    const Message warning { "Please note...", "Can not have Min/Max use by dates |without a Date Bottled entered!",
        MessageIcon::Warning, {}, 1 };
    EXPECT_EQ(prompter.shown(), std::vector<Message> { warning });

    brew.DATEBOTTLED = 0;
    EXPECT_EQ(rules.onDateBottledTouched(), BrewField::None);
    EXPECT_FALSE(rules.useByEnabled());
}

TEST_F(BrewDateRulesTest, BottledCalendarFillsAndChecks)
{
    BrewRecord brew;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    brew.DATEDOWN = 0;
    rules.onDateBottledCalendarFocus();
    EXPECT_EQ(brew.DATEBOTTLED, 0); // nothing to count from
    EXPECT_EQ(calendarStart(brew.DATEBOTTLED, m_today), m_today);

    rules.onFormOpen();
    rules.onDateBottledCalendarFocus();
    EXPECT_EQ(brew.DATEBOTTLED, m_today + 7);
    EXPECT_EQ(rules.onDateBottledCalendarPressed(), BrewField::None);
    EXPECT_EQ(rules.onDateBottledPicked(m_today + 10), BrewField::None);
    EXPECT_EQ(brew.DATEBOTTLED, m_today + 10);
    EXPECT_EQ(brew.MINUSE, m_today + 30);
    EXPECT_EQ(brew.MAXUSE, m_today + 196);
    EXPECT_TRUE(rules.useByEnabled());
    EXPECT_EQ(rules.onUseByPicked(BrewField::MinUse, m_today + 5), BrewField::MinUse);
    EXPECT_EQ(brew.MINUSE, m_today + 30);
    EXPECT_EQ(prompter.shown(), std::vector<Message> { kMinUse });
}

TEST_F(BrewDateRulesTest, OkTellsOfAChangedDateDownOnce)
{
    BrewRecord brew;
    brew.DATEDOWN = m_today - 20;
    brew.DATEBOTTLED = m_today - 10;
    brew.BREWPERIOD = 10;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    rules.onFormOpen();
    EXPECT_EQ(rules.okDateDownChanged(), BrewField::None);

    brew.DATEDOWN = m_today - 16;
    EXPECT_EQ(rules.okDateDownChanged(), BrewField::DateBottled);
    EXPECT_EQ(brew.BREWPERIOD, 6);
    EXPECT_EQ(rules.rememberedDateDown(), m_today - 16);
    EXPECT_EQ(prompter.shown(),
        std::vector<Message> { info("Auto update...",
            "The Date Down has changed.||The Fermentation period and "
            "'Down + # Days' |will now be updated to 6 days.") });
    EXPECT_EQ(rules.okDateDownChanged(), BrewField::None);
    EXPECT_EQ(rules.okDateOrder(), BrewField::None);
}

TEST_F(BrewDateRulesTest, OkNoticeForAFutureBottlingDate)
{
    BrewRecord brew;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    for (int offset : { 0, -5, 1 }) {
        prompter.clear();
        brew.DATEBOTTLED = m_today + offset;
        rules.okBottledInFuture();
        EXPECT_EQ(prompter.shown().size(), offset > 0 ? 1u : 0u) << offset;
    }
    EXPECT_EQ(prompter.shown()[0],
        info("Please note...",
            "The 'Date Bottled' is greater than today? (or system date)||Not a problem but "
            "the brews AGE can not be displayed|until the bottled date is reached."));
}

TEST_F(BrewDateRulesTest, LongFermentationIsHeldAt255AndToldOnce)
{
    BrewRecord brew;
    brew.DATEDOWN = m_today - 300;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, false);
    rules.onFormOpen();
    brew.DATEBOTTLED = m_today;
    rules.onDateBottledTouched();
    rules.onDateBottledTouched();
    EXPECT_EQ(brew.BREWPERIOD, 255);
    EXPECT_EQ(rules.texts().fermentation, "Down + 255 days");
    EXPECT_EQ(prompter.shown(), std::vector<Message> { longPeriodNotice(300) });
    EXPECT_EQ(longPeriodNotice(300).text,
        "The fermentation period of 300 days is longer than the 255 days the brew "
        "can hold.||It is kept as 255 days; please check Date Down and Date Bottled.");
}

TEST_F(BrewDateRulesTest, OverrideLeavesThePeriodToTheUser)
{
    BrewRecord brew;
    brew.DATEDOWN = m_today - 10;
    brew.BREWPERIOD = 12;
    ScriptedPrompter prompter;
    BrewDateRules rules(brew, prompter, true);
    rules.onFormOpen();
    brew.DATEBOTTLED = m_today;
    rules.onDateBottledTouched();
    EXPECT_EQ(brew.BREWPERIOD, 12);
    EXPECT_EQ(rules.texts().fermentation, "Down + 12 days");
}
