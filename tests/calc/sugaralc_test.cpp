#include "calc/sugaralc.h"
#include "calctest.h"

#include <gtest/gtest.h>

using namespace sugaralc;

namespace
{
QStringList figures(const SugarTable &t)
{
    QStringList list;
    for (int i = 0; i < kRows; ++i)
        list << t.alcVol(i).toFixed(1) + "/" + t.alcWgt(i).toFixed(1);
    return list;
}
} // namespace

TEST(SugarTable, AllowanceOnceAndItsTexts)
{
    const QStringList opening { "5.2/4.2", "4.6/3.7", "4.0/3.2", "3.4/2.7" };
    const QStringList withAllowance { "5.7/4.6", "5.1/4.1", "4.5/3.6", "3.9/3.1" };
    struct Case {
        bool byVolume;
        const char *excludes, *includes;
    } cases[] = {
        { true, "Excludes the 0.5% for Bottle Conditioning", "Includes the 0.5% (abv) for Bottle Conditioning" },
        { false, "Excludes the 0.4% for Bottle Conditioning", "Includes the 0.4% (abw) for Bottle Conditioning" },
    };
    for (const auto &c : cases) {
        SugarTable table(c.byVolume);
        EXPECT_EQ(figures(table), opening); // both columns whatever the basis
        EXPECT_EQ(table.informText(), c.excludes);

        ScriptedPrompter prompter;
        table.addAllowance(prompter);
        EXPECT_EQ(figures(table), withAllowance);
        EXPECT_EQ(table.informText(), c.includes);
        EXPECT_TRUE(prompter.shown().empty());

        table.addAllowance(prompter);
        EXPECT_EQ(figures(table), withAllowance);
        const Message done { "Done...", "Extra % for bottle conditioning has already been applied.",
            MessageIcon::Question, {}, 1 };
        EXPECT_EQ(prompter.shown(), std::vector<Message> { done });
    }
    EXPECT_EQ(rows()[1].kg, "0.750");
    EXPECT_EQ(rows()[3].lbs, "0.550");
}
