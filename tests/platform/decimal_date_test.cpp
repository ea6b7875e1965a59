#include "platform/date.h"
#include "platform/decimal.h"

#include <gtest/gtest.h>

#include <chrono>

namespace
{

Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

TEST(Decimal, StoringRoundsHalfAwayFromZero)
{
    struct Case {
        const char *value;
        int places;
        const char *expected;
    };
    const Case cases[] = {
        { "0.245", 2, "0.25" },
        { "-0.245", 2, "-0.25" },
        { "5.3333", 2, "5.33" },
        { "4.26664", 2, "4.27" },
        { "0.2449", 2, "0.24" },
        { "2.5", 0, "3" },
        { "-2.5", 0, "-3" },
        { "1.00005", 4, "1.0001" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(dec(c.value).rounded(c.places), dec(c.expected)) << c.value;
}

TEST(Decimal, ArithmeticIsExactAndDivisionByZeroGivesZero)
{
    EXPECT_EQ(dec("0.1") + dec("0.2"), dec("0.3"));
    EXPECT_EQ(dec("12.95") + dec("2.09") + dec("7.65") + dec("4.50") + dec("0.85"), dec("28.04"));
    EXPECT_EQ((Decimal(40) / dec("7.5")).rounded(4), dec("5.3333"));
    EXPECT_EQ((dec("28.04") / dec("112.50")).rounded(2), dec("0.25"));
    EXPECT_EQ(dec("5") / Decimal(0), Decimal(0));
    // A quotient just below a half must not round up through an early rounding.
    EXPECT_EQ((Decimal(49) / Decimal(200)).rounded(2), dec("0.25"));
    EXPECT_EQ((dec("0.2449999999") / Decimal(1)).rounded(2), dec("0.24"));
    EXPECT_EQ(dec("-7.9").truncated(), -7);
    EXPECT_EQ(dec("7.9").truncated(), 7);
}

TEST(Decimal, PlainNumberText)
{
    struct Case {
        const char *value;
        const char *text;
    };
    const Case cases[] = { { "4.50", "4.5" }, { "12.00", "12" }, { "0.25", "0.25" }, { "112.50", "112.5" },
        { "-0.5", "-0.5" }, { "0", "0" }, { "99999.99", "99999.99" } };
    for (const Case &c : cases)
        EXPECT_EQ(dec(c.value).toPlainText(), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ((Decimal(1) / Decimal(3)).toPlainText(), QStringLiteral("0.333333333333"));
    EXPECT_EQ(dec("0.568").toFixed(3), QStringLiteral("0.568"));
    EXPECT_EQ(dec("0.57").toFixed(3), QStringLiteral("0.570"));
}

TEST(Decimal, ParseRefusesNonNumbers)
{
    for (const char *bad : { "", "abc", "1.2.3", "1,000", "--1", "." })
        EXPECT_FALSE(Decimal::parse(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_EQ(Decimal::fromDouble(0.1), dec("0.1"));
    EXPECT_EQ(Decimal::fromScaled(1234, 2), dec("12.34"));
}

TEST(Date, KnownDays)
{
    EXPECT_EQ(date::fromYmd(1801, 1, 1), 4);
    EXPECT_EQ(date::fromYmd(1800, 12, 28), 0);
    EXPECT_EQ(date::weekday(0), 0); // Sunday
    EXPECT_EQ(date::fromYmd(2000, 1, 1), 72687);
    EXPECT_EQ(date::weekday(72687), 6); // Saturday
    EXPECT_EQ(date::weekdayName(date::fromYmd(2026, 12, 13)), QStringLiteral("Sunday"));
    EXPECT_EQ(date::monthDayYear(date::fromYmd(2026, 12, 11)), QStringLiteral("December 11, 2026"));
}

// Every day from 1 January 1801 to 31 December 9999 against std::chrono's calendar.
TEST(Date, AgreesWithChronoCalendarForEveryDay)
{
    using namespace std::chrono;
    const sys_days first = year { 1801 } / January / 1;
    const sys_days last = year { 9999 } / December / 31;
    int mismatches = 0;
    for (sys_days d = first; d <= last; d += days { 1 }) {
        const year_month_day ymd { d };
        const date::Day n = static_cast<date::Day>((d - first).count() + 4);
        const date::Ymd c = date::toYmd(n);
        const bool same = c.year == int(ymd.year()) && c.month == int(unsigned(ymd.month()))
            && c.day == int(unsigned(ymd.day())) && date::fromYmd(c.year, c.month, c.day) == n
            && date::weekday(n) == int(weekday { d }.c_encoding());
        if (!same && ++mismatches < 5)
            ADD_FAILURE() << "day " << n;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Date, ShortTextRoundTripsAndBlankForNoDate)
{
    EXPECT_EQ(date::shortText(0), QString());
    const date::Day d = date::fromYmd(2026, 3, 5);
    const QString text = date::shortText(d);
    EXPECT_EQ(text.size(), 10);
    EXPECT_FALSE(text.contains(QLatin1Char(' '))) << qPrintable(text); // never three loose numbers
    EXPECT_TRUE(text.contains(QStringLiteral("03")) && text.contains(QStringLiteral("05"))
        && text.contains(QStringLiteral("2026")));
    EXPECT_EQ(date::parseShort(text), d);
    EXPECT_EQ(date::parseShort(QString()), 0);
    EXPECT_FALSE(date::parseShort(QStringLiteral("31/31/2026")).has_value());
    EXPECT_FALSE(date::parseShort(QStringLiteral("soon")).has_value());
}

} // namespace
