#include "platform/date.h"
#include "platform/picture.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace
{

Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

TEST(Picture, Numbers)
{
    struct Case {
        const char *picture;
        const char *value;
        const char *shown;
    };
    const Case cases[] = {
        { "N4B", "1035", "1035" }, // grouped it would not fit four places
        { "N4B", "0", "" },
        { "N02B", "5", "05" },
        { "N02B", "0", "" },
        { "N02", "0", "00" },
        { "N02", "123", "123" }, // too wide: shown in full, never cut
        { "N5.3", "1.035", "1.035" },
        { "N5.3", "0", "0.000" },
        { "N5.3B", "0.0004", "" }, // zero once rounded to the picture
        { "N10.2", "12345.67", "12,345.67" },
        { "N10.2", "-99999.99", "-99,999.99" },
        { "N10.2", "1234567.891", "1234567.89" }, // groups only while they fit
        { "N7.2B", "1234.56", "1234.56" },
        { "N10.2", "0.245", "0.25" }, // half away from zero
        { "N10.2", "-0.245", "-0.25" },
        { "N10.2", "-0.004", "0.00" }, // no "-0.00"
        { "N-10.2B", "-5", "-5.00" },
        { "N10.2B", "-5", "-5.00" }, // a sign is never hidden
        { "N-8.2B", "0", "" },
        { "N5.", "12", "12" },
        { "N5.1B", "12.34", "12.3" },
        { "N3.1B", "5.25", "5.3" },
        { "N-7B", "-3", "-3" },
        { "n3", "7", "7" },
        { "n4.1", "2.25", "2.3" },
        { "N4B", "123456", "123456" },
        { "N-6.1B", "-50", "-50.0" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(picture::format(QString::fromLatin1(c.picture), dec(c.value)), QString::fromUtf8(c.shown))
            << c.picture << " " << c.value;
}

TEST(Picture, OtherValueTypesGoThroughTheSameRules)
{
    EXPECT_EQ(picture::format("N4B", 1035), "1035");
    EXPECT_EQ(picture::format("N10.2", 12345LL), "12,345.00");
    EXPECT_EQ(picture::format("N6.2B", 0.1 + 0.2), "0.30");
    EXPECT_EQ(picture::format("N5.3", 1.035), "1.035");
    EXPECT_EQ(picture::format("P#.###P", dec("1049.6")), "1.050");
    // A value under a picture of another kind is never hidden.
    EXPECT_EQ(picture::format("s10", dec("4.50")), "4.5");
    EXPECT_EQ(picture::format("N5.2", QStringLiteral("text")), "text");
}

TEST(Picture, Patterns)
{
    struct Case {
        const char *picture;
        long long value;
        const char *shown;
    };
    const Case cases[] = {
        { "P#.###P", 1050, "1.050" },
        { "P#.###P", 40, "0.040" },
        { "P#.###P", 0, "0.000" },
        { "P#.###P", 12345, "12.345" }, // extra digits go in front
        { "P#.###P", -1050, "-1.050" },
        { "P#.###PB", 0, "" },
        { "pPage <<<#p", 7, "Page    7" },
        { "pPage <<<#p", 1234, "Page 1234" },
        { "pPage <<<#p", 12345, "Page 12345" },
        { "pPage <<<#p", 0, "Page    0" },
        { "P<<,<<#P", 5, "     5" }, // no lone separator among leading blanks
        { "P<<,<<#P", 12345, "12,345" },
        { "P<<,<<#P", -5, "    -5" },
        { "P<<<<P", 0, "    " },
    };
    for (const Case &c : cases)
        EXPECT_EQ(picture::format(QString::fromLatin1(c.picture), c.value), QString::fromLatin1(c.shown))
            << c.picture << " " << c.value;
}

TEST(Picture, DatesAndTexts)
{
    const date::Day day = date::fromYmd(2026, 3, 7);
    EXPECT_EQ(picture::format("D017B", day), date::shortText(day));
    EXPECT_EQ(picture::format("D018B", day), date::longText(day));
    EXPECT_EQ(picture::format("D017B", 0), "");
    EXPECT_EQ(picture::format("D017", 0), "");
    EXPECT_FALSE(picture::format("D017B", day).isEmpty());

    EXPECT_EQ(picture::format("s5", QStringLiteral("Hello world")), "Hello");
    EXPECT_EQ(picture::format("S45", QStringLiteral("Short ")), "Short ");
    EXPECT_EQ(picture::format("s1", QString()), "");
    // Cut by characters, never through the middle of one.
    EXPECT_EQ(picture::format("s2",
                  QString::fromUtf8("a\xF0\x9F\x8D\xBA"
                                    "bc")),
        QString::fromUtf8("a\xF0\x9F\x8D\xBA"));
}

TEST(Picture, ReadsItsTokens)
{
    const Picture money("N-10.2B");
    EXPECT_EQ(money.kind(), Picture::Kind::Number);
    EXPECT_EQ(money.width(), 10);
    EXPECT_EQ(money.decimals(), 2);
    EXPECT_TRUE(money.blankWhenZero());
    EXPECT_TRUE(money.allowsNegative());
    EXPECT_EQ(Picture("s80").width(), 80);
    EXPECT_EQ(Picture("pPage <<<#p").kind(), Picture::Kind::Pattern);
    EXPECT_EQ(Picture("D018B").kind(), Picture::Kind::Date);

    for (const char *bad : { "", "X5", "N", "N.2", "N5.3Q", "Nx", "P##", "PabcP", "S", "s4x", "D", "N99999" }) {
        const Picture p { QString::fromLatin1(bad) };
        EXPECT_FALSE(p.isValid()) << bad;
        EXPECT_EQ(p.text(dec("12.50")), "12.5") << bad;
    }
}

TEST(Picture, ParsesTypedInput)
{
    struct Case {
        const char *picture;
        const char *typed;
        const char *value;
    }; // value nullptr: refused
    const Case cases[] = {
        { "N10.2", "12,345.67", "12345.67" },
        { "N10.2", "12345.67", "12345.67" },
        { "N10.2", "  3.5 ", "3.5" },
        { "N10.2", "", "0" },
        { "N10.2", "1.005", "1.01" },
        { "N10.2", "+2", "2" },
        { "N10.2", "1,2345", nullptr },
        { "N10.2", "12,34.5", nullptr },
        { "N10.2", "abc", nullptr },
        { "N10.2", "1e3", nullptr },
        { "N10.2", "1.2.3", nullptr },
        { "N10.2", ".", nullptr },
        { "N10.2", "-5", nullptr }, // no negatives in this picture
        { "N10.2", "-0", "0" },
        { "N10.2", "\xEF\xBC\x91", nullptr }, // a full-width digit
        { "N-10.2B", "-5", "-5" },
        { "N-10.2B", "-1,234,567.00", nullptr }, // too wide for the picture
        { "N4B", "1035", "1035" },
        { "N4B", "12345", nullptr },
        { "N4B", "1,035", "1035" },
        { "N5.3", "1.0355", "1.036" },
        { "N5.3", ".5", "0.5" },
        { "N5.3", "12.5", nullptr },
        { "P#.###P", "1.050", "1050" },
        { "P#.###P", "1.05", "1050" },
        { "P#.###P", "1050", "1050" },
        { "P#.###P", "", "0" },
        { "P#.###P", "1.0505", nullptr },
        { "P#.###P", "12.345", nullptr },
        { "P#.###P", "-1", nullptr },
        { "P#.###P", "x", nullptr },
        { "pPage <<<#p", "Page 12", "12" },
        { "D017B", "", "0" },
        { "D017B", "garbage", nullptr },
        { "s45", "text", nullptr },
    };
    for (const Case &c : cases) {
        const auto read = picture::parse(QString::fromLatin1(c.picture), QString::fromUtf8(c.typed));
        if (c.value == nullptr)
            EXPECT_FALSE(read.has_value()) << c.picture << " '" << c.typed << "'";
        else
            EXPECT_EQ(read, std::optional<Decimal>(dec(c.value))) << c.picture << " '" << c.typed << "'";
    }
    const date::Day day = date::fromYmd(2026, 3, 7);
    EXPECT_EQ(picture::parse("D017B", date::shortText(day)), std::optional<Decimal>(Decimal(day)));
}

} // namespace
