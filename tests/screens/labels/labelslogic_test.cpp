// The label windows' rules: the count and the sheets it takes, the standard
// label's heading choices and their messages, the own label's fields, and what
// closing keeps and clears.
#include "screens/labels/ownlabelslogic.h"
#include "screens/labels/standardlabelslogic.h"

#include <gtest/gtest.h>

namespace
{

struct FakeLabelWindow : StandardLabelsView {
    int refreshes = 0;
    std::optional<bool> kitRecipeEnabled;
    void refresh() override { ++refreshes; }
    void enableKitRecipe(bool enabled) override { kitRecipeEnabled = enabled; }
};

struct LabelsTest : ::testing::Test {
    Globals g;
    ScriptedPrompter prompter;
    FakeLabelWindow view;

    void handOver(const QString &kit, const QString &batchName, int number)
    {
        g.GETKITNAME = kit;
        g.GETBATCHNAME = batchName;
        g.GETBATCHNUMBER = std::int16_t(number);
    }
};

TEST_F(LabelsTest, CountGivesTheSheetsAndIsRefusedOutsideItsRange)
{
    StandardLabelsLogic logic(prompter, view, g);
    logic.open();
    EXPECT_EQ(g.HOWMANYLABELS, 8);
    EXPECT_EQ(logic.pagesText(), QStringLiteral("1.0"));
    EXPECT_EQ(logic.countText(), QStringLiteral("8"));

    const struct {
        int labels;
        const char *pages;
    } cases[] = { { 9, "1.1" }, { 20, "2.5" }, { 1, "0.1" }, { 16, "2.0" }, { 300, "37.5" }, { 500, "62.5" } };
    for (const auto &c : cases) {
        EXPECT_TRUE(logic.setCount(c.labels)) << c.labels;
        EXPECT_EQ(g.HOWMANYLABELS, c.labels);
        EXPECT_EQ(logic.pagesText(), QString::fromLatin1(c.pages)) << c.labels;
    }
    EXPECT_EQ(logic.pagesToPrint(), Decimal::parse(QStringLiteral("62.50")).value());
    EXPECT_EQ(LabelWindowLogic::pagesFor(9), Decimal::parse(QStringLiteral("1.13")).value());

    EXPECT_FALSE(logic.setCount(0));
    EXPECT_FALSE(logic.setCount(501));
    EXPECT_EQ(g.HOWMANYLABELS, 500);
}

TEST_F(LabelsTest, OpeningKeepsACountAndShowsItsSheets)
{
    g.HOWMANYLABELS = 20;
    OwnLabelsLogic logic(prompter, view, g);
    logic.open();
    EXPECT_EQ(g.HOWMANYLABELS, 20);
    EXPECT_EQ(logic.pagesText(), QStringLiteral("2.5"));
}

TEST_F(LabelsTest, StandardHeadingFromKitOrBatchWithItsMessages)
{
    handOver(QStringLiteral("Coopers Lager"), QStringLiteral("Summer Lager"), 7);
    StandardLabelsLogic logic(prompter, view, g);
    g.labelDescription = 0;
    logic.open();
    EXPECT_EQ(logic.batchName(), QStringLiteral("Coopers Lager"));
    EXPECT_EQ(logic.printBatch(), QStringLiteral("Brew Batch No. 7"));
    EXPECT_EQ(g.labelDescription, 1);
    EXPECT_EQ(view.kitRecipeEnabled, false);

    logic.kitRecipe();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0], StandardLabelsLogic::alreadyKitMessage());
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("Already using Kit/Recipe description."));
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("In use..."));

    logic.batch();
    EXPECT_EQ(view.kitRecipeEnabled, true);
    EXPECT_EQ(logic.batchName(), QStringLiteral("Summer Lager"));
    EXPECT_EQ(g.labelDescription, 0);
    EXPECT_EQ(prompter.shown().size(), 1u);

    logic.batch();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].text, QStringLiteral("Already using Batch description."));
    EXPECT_EQ(prompter.shown()[1].caption, QStringLiteral("In use..."));

    logic.kitRecipe();
    EXPECT_EQ(logic.batchName(), QStringLiteral("Coopers Lager"));
    EXPECT_EQ(g.labelDescription, 1);
    EXPECT_EQ(prompter.shown().size(), 2u);
    EXPECT_GE(view.refreshes, 4);
}

TEST_F(LabelsTest, BrewWithoutBatchNameKeepsTheKitName)
{
    handOver(QStringLiteral("Draught"), QStringLiteral("   "), 12);
    StandardLabelsLogic logic(prompter, view, g);
    logic.open();
    logic.batch();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Brew has no Batch Name?"));
    EXPECT_EQ(prompter.shown()[0].displayText(),
        QStringLiteral("You can enter a batch name in Update Brews.\n\nChanging to the Kit/Recipe name."));
    EXPECT_EQ(logic.batchName(), QStringLiteral("Draught"));
    EXPECT_EQ(g.labelDescription, 1);

    logic.kitRecipe();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[1].text, QStringLiteral("Already using Kit/Recipe description."));
}

TEST_F(LabelsTest, OwnLabelFieldsFromTheBrewExampleResetAndClear)
{
    const QString longKit = QStringLiteral("Brewmaster Select Imperial Stout Extra Dark 1.7kg");
    ASSERT_GT(longKit.size(), 35);
    handOver(longKit, QStringLiteral("Winter Warmer"), 3);
    g.COMMENTLINE2 = QStringLiteral("Hops");
    OwnLabelsLogic logic(prompter, view, g);
    logic.open();

    logic.fill(OwnLabelsLogic::Field::Header, OwnLabelsLogic::Source::Kit);
    EXPECT_EQ(g.LABELHEADER, longKit.left(35));
    logic.fill(OwnLabelsLogic::Field::Body, OwnLabelsLogic::Source::Kit);
    EXPECT_EQ(g.LABELBODY, longKit.left(35));
    logic.fill(OwnLabelsLogic::Field::Body, OwnLabelsLogic::Source::Batch);
    EXPECT_EQ(g.LABELBODY, QStringLiteral("Winter Warmer"));
    logic.fill(OwnLabelsLogic::Field::Header, OwnLabelsLogic::Source::Clear);
    EXPECT_EQ(g.LABELHEADER, QString());
    EXPECT_EQ(g.LABELBODY, QStringLiteral("Winter Warmer"));

    logic.setLine(1, QString(60, QLatin1Char('x')));
    EXPECT_EQ(g.COMMENTLINE1.size(), 45);

    logic.example();
    EXPECT_EQ(g.LABELHEADER, QStringLiteral("Black Stump Bitter"));
    EXPECT_EQ(g.LABELBODY, QStringLiteral("A Home Brewed Beer"));
    EXPECT_EQ(g.COMMENTLINE1, QStringLiteral("These five lines will default to the 'Other"));
    EXPECT_EQ(g.COMMENTLINE5, QStringLiteral("Designed for the A4 paper size."));

    logic.clearLines();
    EXPECT_EQ(g.LABELHEADER, QStringLiteral("Black Stump Bitter"));
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(logic.line(i), QString()) << i;

    logic.example();
    logic.reset();
    EXPECT_EQ(g.LABELHEADER, QString());
    EXPECT_EQ(g.LABELBODY, QString());
    EXPECT_EQ(g.COMMENTLINE3, QString());
    EXPECT_GE(view.refreshes, 7);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(LabelsTest, CloseClearsTheNamesHeadingBodyAndCount)
{
    handOver(QStringLiteral("Kit"), QStringLiteral("Batch"), 4);
    g.COMMENTLINE1 = QStringLiteral("Hops");
    OwnLabelsLogic logic(prompter, view, g);
    logic.open();
    logic.setCount(20);
    logic.fill(OwnLabelsLogic::Field::Header, OwnLabelsLogic::Source::Batch);
    logic.fill(OwnLabelsLogic::Field::Body, OwnLabelsLogic::Source::Kit);
    logic.close();
    EXPECT_EQ(g.GETKITNAME, QString());
    EXPECT_EQ(g.GETBATCHNAME, QString());
    EXPECT_EQ(g.LABELHEADER, QString());
    EXPECT_EQ(g.LABELBODY, QString());
    EXPECT_EQ(g.HOWMANYLABELS, 0);
    // The lines are refilled by the browse; closing leaves them.
    EXPECT_EQ(g.COMMENTLINE1, QStringLiteral("Hops"));

    OwnLabelsLogic again(prompter, view, g);
    again.open();
    EXPECT_EQ(g.HOWMANYLABELS, 8);
    EXPECT_EQ(again.pagesText(), QStringLiteral("1.0"));
}

} // namespace
