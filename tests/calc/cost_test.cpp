#include "calc/cost.h"
#include "calctest.h"

#include <gtest/gtest.h>

using namespace cost;

namespace
{

// Each test works on its own program-wide values.
class CostTest : public ::testing::Test
{
protected:
    Globals m_globals;
    CostCalculator m_calc { m_globals };
    ScriptedPrompter m_prompter;
    const CostFigures &f() const { return m_globals.cost; }
    void set(Input in, const char *value) { m_calc.setInput(in, dec(value)); }
};

} // namespace

TEST_F(CostTest, ExampleFillsTheSampleFigures)
{
    m_globals.GETKITNAME = "Stout";
    set(Input::Sundry4, "3");
    EXPECT_EQ(m_calc.example(m_prompter), Focus::Reset);
    EXPECT_EQ(f().TOTALCOST, dec("28.04"));
    EXPECT_EQ(f().NUMBEROFUNITS, dec("112.50"));
    EXPECT_EQ(f().COSTPERUNIT, dec("0.25")); // 0.2492... rounded
    EXPECT_EQ(f().SUNDRY4, Decimal());
    EXPECT_EQ(m_globals.GETKITNAME, "Stout");
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    const Message expected { "Example...",
        "Firstly the costs of the brew ingredients are entered then the total volume of |the bottled/kegged brew "
        "followed by the bottle/glass or other unit size.||TIP: You can use the 'Copy' button to place the totals on "
        "the Clipboard then |later 'Paste' them into the brews 'Notes'.||The total cost can be saved but to retain a "
        "detailed breakdown select the |'Print' button.||                             Use the 'Reset' button to "
        "clear all fields.",
        MessageIcon::Information, {}, 1 };
    EXPECT_EQ(m_prompter.shown()[0], expected);
    EXPECT_TRUE(m_prompter.shown()[0].text.contains("||" + QString(29, ' ') + "Use"));
}

TEST_F(CostTest, CopyTextAndTotalLine)
{
    m_calc.example(m_prompter);
    m_prompter.clear();
    Focus focus = Focus::Reset;
    EXPECT_EQ(m_calc.copy(m_prompter, focus),
        "Total Cost: 28.04  Final Volumn: 22.5  Unit Size: 0.2\r\nTotal Units: 112.5  Cost Per Unit: 0.25\r\n");
    EXPECT_EQ(focus, Focus::None);
    EXPECT_TRUE(m_prompter.shown().empty()); // the window tells once the clipboard holds it
    EXPECT_EQ(totalString(f()), "28.04 divided by 112.5 equals a unit cost of:");
    EXPECT_EQ(copiedMessage(),
        (Message { "Copied to the Windows Clipboard...",
            "You can Paste these totals into the brews notes.||To do this Close this window, go to 'Browse "
            "Brews' > 'Edit Brew' |and select the 'Notes' tab then select 'Edit' and 'Paste'. (or Ctrl+V)",
            MessageIcon::Information, {}, 1 }));

    set(Input::Kit, "984.91"); // a total of 1000: plain text "1000", no point
    EXPECT_EQ(totalString(f()), "1000 divided by 112.5 equals a unit cost of:");
}

TEST_F(CostTest, NothingToCopyWithoutBothFigures)
{
    struct Case {
        const char *kit, *volume;
    } cases[] = { { "0", "0" }, { "12", "0" }, { "0", "22.5" } };
    for (const auto &c : cases) {
        m_calc.reset();
        m_prompter.clear();
        set(Input::UnitSize, "0.5");
        set(Input::TotalVolume, c.volume);
        set(Input::Kit, c.kit);
        Focus focus = Focus::None;
        EXPECT_EQ(m_calc.copy(m_prompter, focus), QString()) << c.kit << " " << c.volume;
        EXPECT_EQ(focus, Focus::KitCost);
        EXPECT_EQ(m_prompter.shown(),
            std::vector<Message> { (Message {
                "Nothing to copy?", "Require Total cost and Cost per unit.", MessageIcon::Question, {}, 1 }) });
    }
}

TEST_F(CostTest, RecalculationByField)
{
    struct Case {
        const char *name;
        std::vector<std::pair<Input, const char *>> inputs;
        const char *total, *units, *perUnit, *unitSize;
    } cases[] = {
        // Costs with no volume: the total moves, the cost per unit keeps its value.
        { "costs without volume", { { Input::Kit, "10" }, { Input::Sugar, "2.5" } }, "12.50", "0", "0", "0" },
        { "unit size 0", { { Input::Kit, "10" }, { Input::TotalVolume, "20" }, { Input::UnitSize, "0" } }, "10", "0",
            "0", "0" },
        { "volume 0", { { Input::Kit, "10" }, { Input::UnitSize, "0.5" }, { Input::TotalVolume, "0" } }, "10", "0", "0",
            "0.5" },
        { "unit size held to two places",
            { { Input::Kit, "10" }, { Input::TotalVolume, "20" }, { Input::UnitSize, "0.568" } }, "10", "35.09", "0.28",
            "0.57" },
        { "cost after units", { { Input::TotalVolume, "22.5" }, { Input::UnitSize, "0.2" }, { Input::Kit, "12.95" } },
            "12.95", "112.50", "0.12", "0.2" },
        // Volume and unit size do not recompute the total.
        { "sundries sum", { { Input::Sundry1, "1.05" }, { Input::Sundry5, "2.10" }, { Input::Bottles, "0.85" } }, "4",
            "0", "0", "0" },
        // 1000 / 0.01 is more units than five whole digits; kept exactly rather than cut.
        { "many small units", { { Input::Kit, "8" }, { Input::TotalVolume, "1000" }, { Input::UnitSize, "0.01" } }, "8",
            "100000", "0", "0.01" },
    };
    for (const auto &c : cases) {
        m_calc.reset();
        for (const auto &[in, value] : c.inputs)
            set(in, value);
        EXPECT_EQ(f().TOTALCOST, dec(c.total)) << c.name;
        EXPECT_EQ(f().NUMBEROFUNITS, dec(c.units)) << c.name;
        EXPECT_EQ(f().COSTPERUNIT, dec(c.perUnit)) << c.name;
        EXPECT_EQ(f().UNITSIZE, dec(c.unitSize)) << c.name;
    }
}

TEST_F(CostTest, CostPerUnitKeptWhileVolumeIsZero)
{
    m_calc.example(m_prompter);
    set(Input::TotalVolume, "0"); // units 0, cost per unit 0 (unguarded)
    set(Input::Kit, "20");
    EXPECT_EQ(f().COSTPERUNIT, Decimal());
    m_calc.example(m_prompter);
    m_globals.cost.TOTALVOLUME = Decimal(); // a volume cleared without its units
    set(Input::Kit, "20");
    EXPECT_EQ(f().TOTALCOST, dec("35.09"));
    EXPECT_EQ(f().COSTPERUNIT, dec("0.25"));
}

TEST_F(CostTest, CloseAsksToPrintOnlyOnce)
{
    struct Case {
        const char *name;
        bool example;
        bool printed;
        std::vector<int> answers;
        bool closes;
        Focus focus;
        size_t asked;
    } cases[] = {
        { "total, no print, Yes", true, false, { 1 }, false, Focus::Print, 1 },
        { "total, no print, No", true, false, { 2 }, true, Focus::None, 1 },
        { "total, no print, closed box", true, false, { 0 }, false, Focus::Print, 1 },
        { "printed", true, true, {}, true, Focus::None, 0 },
        { "no total", false, false, {}, true, Focus::None, 0 },
    };
    for (const auto &c : cases) {
        Globals globals;
        CostCalculator calc(globals);
        calc.open();
        ScriptedPrompter prompter;
        if (c.example)
            calc.example(prompter);
        if (c.printed)
            calc.printPressed();
        prompter.clear();
        for (int a : c.answers)
            prompter.answer(a);
        Focus focus = Focus::KitCost;
        EXPECT_EQ(calc.closePressed(prompter, focus), c.closes) << c.name;
        EXPECT_EQ(focus, c.focus) << c.name;
        ASSERT_EQ(prompter.shown().size(), c.asked) << c.name;
        if (c.asked) {
            EXPECT_EQ(prompter.shown()[0],
                (Message { "Print?",
                    "Do you want to print a detailed report?||(To print select 'Yes' then the 'Print' "
                    "buttton)",
                    MessageIcon::Question, "&Yes|&No", 1 }));
        }
    }
}

TEST_F(CostTest, PrintNeedsACostPerUnit)
{
    Focus focus = Focus::None;
    EXPECT_FALSE(m_calc.printFocus(m_prompter, focus));
    EXPECT_EQ(focus, Focus::TotalVolume);
    EXPECT_EQ(m_prompter.shown(),
        std::vector<Message> { (Message {
            "Incomplete...", " The 'Cost Per Unit' is zero, nothing to print ?", MessageIcon::Error, {}, 1 }) });
    m_calc.example(m_prompter);
    EXPECT_TRUE(m_calc.printFocus(m_prompter, focus));
    EXPECT_EQ(focus, Focus::None);
}

TEST_F(CostTest, OpeningResetAndClosing)
{
    // Opened from the edit form with a brew cost of 12.50: the window starts at 0.
    m_globals.cost.TOTALCOST = dec("12.50");
    m_globals.GETKITNAME = "Bitter";
    m_globals.GETBATCHNAME = "Summer";
    m_globals.GETBATCHNUMBER = 17;
    m_calc.open();
    EXPECT_EQ(f().TOTALCOST, Decimal());

    m_calc.example(m_prompter);
    m_calc.reset();
    EXPECT_EQ(f(), CostFigures {});
    EXPECT_EQ(m_globals.GETKITNAME, "Bitter");
    EXPECT_EQ(m_globals.GETBATCHNAME, "Summer");
    EXPECT_EQ(m_globals.GETBATCHNUMBER, 17);

    m_calc.example(m_prompter);
    m_calc.closing();
    CostFigures expected;
    expected.TOTALCOST = dec("28.04"); // left for the caller
    EXPECT_EQ(f(), expected);
    EXPECT_EQ(m_globals.GETKITNAME, "Bitter");
}
