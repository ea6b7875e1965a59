// The batch-range window's rules and the preview's page selection.

#include "screens/printing/printfromtorangelogic.h"
#include "screens/printing/printpreviewlogic.h"

#include <gtest/gtest.h>

namespace
{

struct FakeView : PrintFromToRangeLogic::View {
    int focusFromCount = 0;
    void focusFrom() override { ++focusFromCount; }
};

} // namespace

TEST(PrintFromToRangeLogic, ARefusedRangeIsToldAndTheFocusGoesBackToFrom)
{
    struct Case {
        int from, to;
        const char *message; // nullptr: accepted
    };
    const Case cases[] = {
        { 5, 5, "From/To can not be the same value." },
        { 0, 5, "Field can not be zero." },
        { 9, 5, "Print From must be less than print To." },
        { 3, 7, nullptr },
    };
    for (const Case &c : cases) {
        Globals g;
        ScriptedPrompter prompter;
        FakeView view;
        PrintFromToRangeLogic logic(g, prompter, view);
        logic.setFrom(c.from);
        logic.setTo(c.to);
        EXPECT_EQ(logic.print(), c.message == nullptr);
        if (c.message) {
            ASSERT_EQ(prompter.shown().size(), 1u);
            EXPECT_EQ(prompter.shown()[0],
                (Message {
                    QStringLiteral("Range error..."), QLatin1String(c.message), MessageIcon::Information, {}, 1 }));
            EXPECT_EQ(view.focusFromCount, 1);
        } else {
            EXPECT_TRUE(prompter.shown().empty());
            EXPECT_EQ(view.focusFromCount, 0);
        }
        // The values stay as typed either way.
        EXPECT_EQ(g.PrintFrom, c.from);
        EXPECT_EQ(g.PrintTo, c.to);
    }
}

TEST(PrintPreviewLogic, PagesAreChosenByNumbersAndRanges)
{
    using printpreview::parsePages;
    EXPECT_EQ(parsePages(QStringLiteral("1-3, 5"), 6), (QList<int> { 0, 1, 2, 4 }));
    EXPECT_EQ(parsePages(QStringLiteral("4,2,4"), 6), (QList<int> { 3, 1 }));
    EXPECT_EQ(parsePages(QStringLiteral(" 6 "), 6), (QList<int> { 5 }));
    for (const char *bad : { "", "0", "7", "3-2", "1-9", "a", "1;2", "-3", "2-" })
        EXPECT_FALSE(parsePages(QString::fromLatin1(bad), 6).has_value()) << bad;
}
