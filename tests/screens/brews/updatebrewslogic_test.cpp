// The brew edit form's rules, driven event by event through its logic with a scripted prompter,
// a recording view and a real Brews table in a scratch folder.
#include "screens/brews/updatebrewslogic.h"

#include "platform/clock.h"
#include "records/brewstable.h"
#include "records/globals.h"

#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <ostream>

inline void PrintTo(const Decimal &d, std::ostream *os) { *os << d.toPlainText().toStdString(); }
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace
{

Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

class RecordingView : public UpdateBrewsView
{
public:
    void moveFocus(BrewControl control) override { focus.push_back(control); }
    void setControlEnabled(BrewControl control, bool on) override { enabled[control] = on; }
    void setControlVisible(BrewControl control, bool on) override { visible[control] = on; }
    void refresh() override { }
    BrewTab currentTab() const override { return tab; }
    void showTab(BrewTab t) override { tab = t; }
    void beep() override { ++beeps; }
    std::optional<date::Day> pickDate(date::Day start) override
    {
        calendarStarts.push_back(start);
        const auto picked = picks.front();
        picks.pop_front();
        return picked;
    }
    void runCostCalculator() override { glo().cost.TOTALCOST = costReturned; }
    void closeForm() override { closed = true; }

    BrewControl lastFocus() const { return focus.empty() ? BrewControl::None : focus.back(); }

    std::vector<BrewControl> focus;
    std::map<BrewControl, bool> enabled;
    std::map<BrewControl, bool> visible;
    BrewTab tab = BrewTab::Fermentation;
    int beeps = 0;
    std::deque<std::optional<date::Day>> picks;
    std::vector<date::Day> calendarStarts;
    Decimal costReturned;
    bool closed = false;
};

const date::Day kToday = date::fromYmd(2026, 12, 11);

class UpdateBrewsLogicTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::install(&m_clock);
        Globals &g = glo();
        g.UNITSPROMPT = 1;
        g.TEMPPROMPT = 1;
        g.ALCBASEDON = 1;
        g.OVERRIDEFERMENTATION = 0;
        g.cost = {};
        ASSERT_TRUE(table.open());
    }
    void TearDown() override
    {
        table.close();
        Clock::install(nullptr);
    }

    // A brew as the browse would hand it over: written, then fetched through the handle.
    BrewRecord stored(BrewRecord brew)
    {
        ScriptedPrompter quiet;
        EXPECT_TRUE(table.reserveNew(brew, quiet));
        EXPECT_TRUE(table.update(brew, quiet, WriteKind::CompleteInsert));
        return *table.fetch(brew.RECORDNUMBER).value();
    }
    static BrewRecord brewed()
    {
        BrewRecord b;
        b.BREWKIT = QStringLiteral("Coopers Lager");
        b.DATEDOWN = kToday - 30;
        b.DATEBOTTLED = kToday - 23;
        b.BREWPERIOD = 7;
        b.MINUSE = b.DATEBOTTLED + 20;
        b.MAXUSE = b.DATEBOTTLED + 186;
        b.ORIGINALGRAVITY = 1050;
        b.FINALGRAVITY = 1010;
        b.ESTIMATEDALC = dec("5.33");
        b.STOCKONHAND = QStringLiteral("1");
        return b;
    }
    std::optional<BrewRecord> reread(std::int32_t recordNumber) { return table.fetch(recordNumber).value(); }
    std::int64_t rows() { return *table.countAll(); }

    UpdateBrewsLogic &form(FormRequest request, const BrewRecord &row = {})
    {
        m_logic = std::make_unique<UpdateBrewsLogic>(request, table, prompter, view);
        EXPECT_TRUE(m_logic->open(row));
        prompter.clear();
        return *m_logic;
    }

    FixedClock m_clock { kToday };
    QTemporaryDir dir;
    BrewsTable table { dir.path() };
    ScriptedPrompter prompter;
    RecordingView view;
    std::unique_ptr<UpdateBrewsLogic> m_logic;
};

Message infoMessage(const char *caption, const char *text)
{
    return Message { QLatin1String(caption), QLatin1String(text), MessageIcon::Information, {}, 1 };
}

TEST_F(UpdateBrewsLogicTest, NewBrewOpensNumberedAndDatedThenEnteringDateBottledFillsTheDates)
{
    UpdateBrewsLogic &f = form(FormRequest::Insert);
    const BrewRecord &r = f.record();
    EXPECT_EQ(f.caption(), QStringLiteral("Add Brew"));
    EXPECT_EQ(r.RECORDNUMBER, 1);
    EXPECT_EQ(r.BATCHNUMBER, 1);
    EXPECT_EQ(r.DATEDOWN, kToday);
    EXPECT_EQ(r.STOCKONHAND, QStringLiteral("1"));
    EXPECT_TRUE(f.stockFull());
    EXPECT_EQ(rows(), 1); // the numbers are held in the table while the form is open
    EXPECT_FALSE(f.fieldsChanged());

    f.focusIn(BrewControl::DATEBOTTLED);
    EXPECT_EQ(r.DATEBOTTLED, kToday + 7);
    EXPECT_EQ(r.MINUSE, kToday + 7 + 20);
    EXPECT_EQ(r.MAXUSE, kToday + 7 + 186);
    EXPECT_EQ(r.BREWPERIOD, 7);
    EXPECT_EQ(f.fermentationText(), QStringLiteral("Down + 7 days"));
    EXPECT_EQ(f.minUseText(), QStringLiteral("20 Days"));
    EXPECT_EQ(f.maxUseText(), QStringLiteral("6 Months"));
    EXPECT_TRUE(view.enabled[BrewControl::MinUseCalendar]);
    EXPECT_TRUE(view.visible[BrewControl::FermentationText]);
    EXPECT_FALSE(view.enabled[BrewControl::PrimeBottling]);
    EXPECT_TRUE(prompter.shown().empty());

    f.record().BREWKIT = QStringLiteral("Coopers Lager");
    f.changed(BrewControl::BREWKIT);
    f.ok();
    EXPECT_TRUE(f.completed());
    EXPECT_TRUE(view.closed);
    const auto saved = reread(1);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, r);
}

TEST_F(UpdateBrewsLogicTest, AbandonedNewBrewGivesItsReservedRowBack)
{
    stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::Insert, brewed()); // a copy keeps the seed's values
    EXPECT_EQ(f.record().BATCHNUMBER, 2);
    EXPECT_EQ(f.record().BREWKIT, QStringLiteral("Coopers Lager"));
    EXPECT_EQ(rows(), 2);
    f.cancel();
    EXPECT_TRUE(prompter.shown().empty()); // nothing typed: no question
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(f.completed());
    EXPECT_EQ(rows(), 1);
    EXPECT_FALSE(reread(2));
}

TEST_F(UpdateBrewsLogicTest, PrimeFermentationFillsOnlyEmptyFieldsInTheChosenUnits)
{
    struct Case {
        int units, temp;
        const char *sugar, *water, *temperature;
    };
    for (const Case &c : { Case { 1, 1, "1", "23", "21" }, Case { 0, 0, "2.2", "5.11", "70" } }) {
        glo().UNITSPROMPT = c.units;
        glo().TEMPPROMPT = c.temp;
        view = {};
        UpdateBrewsLogic &f = form(FormRequest::Insert);
        f.record().DATEDOWN = 0;
        f.pressed(BrewControl::PrimeFermentation);
        const BrewRecord &r = f.record();
        EXPECT_EQ(r.BREWSUGARKG, dec(c.sugar)) << c.units;
        EXPECT_EQ(r.WATERVOLUMELTR, dec(c.water)) << c.units;
        EXPECT_EQ(r.DATEDOWN, kToday);
        EXPECT_EQ(r.ORIGINALGRAVITY, 1035);
        EXPECT_EQ(f.displayOG(), dec("1.035"));
        EXPECT_EQ(r.SPAREFIELD1, QLatin1String(c.temperature));
        EXPECT_EQ(f.sugarUnit(), c.units ? QStringLiteral("kg") : QStringLiteral("lbs"));
        EXPECT_EQ(f.waterUnit(), c.units ? QStringLiteral("Ltr") : QStringLiteral("Gals"));
        EXPECT_EQ(view.lastFocus(), BrewControl::BREWKIT);
        EXPECT_FALSE(view.enabled[BrewControl::PrimeFermentation]);
        f.cancel();
    }

    // A value already there stays.
    glo().UNITSPROMPT = 1;
    UpdateBrewsLogic &f = form(FormRequest::Insert);
    f.record().ORIGINALGRAVITY = 1042;
    f.record().SPAREFIELD1 = QStringLiteral("19");
    f.pressed(BrewControl::PrimeFermentation);
    EXPECT_EQ(f.record().ORIGINALGRAVITY, 1042);
    EXPECT_EQ(f.record().SPAREFIELD1, QStringLiteral("19"));
}

TEST_F(UpdateBrewsLogicTest, PrimeBottleConditioningNeedsADateDownAndSparesTheFinalGravityWithoutAnOriginal)
{
    struct Case {
        int units, temp;
        int og;
        const char *primer;
        int brewTemp;
        int fg;
        const char *readingTemp;
    };
    for (const Case &c : { Case { 1, 1, 1035, "0.18", 21, 1005, "21" }, Case { 0, 0, 1035, "0.4", 70, 1005, "70" },
             Case { 1, 1, 0, "0.18", 21, 0, "21" } }) {
        glo().UNITSPROMPT = c.units;
        glo().TEMPPROMPT = c.temp;
        view = {};
        UpdateBrewsLogic &f = form(FormRequest::Insert);
        f.record().ORIGINALGRAVITY = c.og;
        f.pressed(BrewControl::PrimeBottling);
        const BrewRecord &r = f.record();
        EXPECT_EQ(r.PRIMERSUGARKG, dec(c.primer));
        EXPECT_EQ(r.BREWTEMP, c.brewTemp);
        EXPECT_EQ(r.DATEBOTTLED, kToday + 7);
        EXPECT_EQ(r.BREWPERIOD2, 14);
        EXPECT_EQ(r.FINALGRAVITY, c.fg);
        EXPECT_EQ(r.SPAREFIELD2, QLatin1String(c.readingTemp));
        EXPECT_EQ(view.lastFocus(), BrewControl::DATEBOTTLED);
        EXPECT_FALSE(view.enabled[BrewControl::PrimeBottling]);
        if (c.og == 0) {
            ASSERT_EQ(prompter.shown().size(), 1u);
            EXPECT_EQ(prompter.shown()[0],
                infoMessage("Zero Original Gravity",
                    "As the final gravity can not be greater than |the original this field will not "
                    "be primed."));
        } else {
            EXPECT_TRUE(prompter.shown().empty());
        }
        f.cancel();
        prompter.clear();
    }

    UpdateBrewsLogic &f = form(FormRequest::Insert);
    f.record().DATEDOWN = 0;
    f.focusIn(BrewControl::PrimeBottling);
    f.pressed(BrewControl::PrimeBottling);
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0],
        infoMessage("Can not proceed...",
            "A Date Down is required.||Please complete 'Fermentation' details "
            "first."));
    EXPECT_EQ(view.lastFocus(), BrewControl::DATEDOWN);
    EXPECT_EQ(f.record().DATEBOTTLED, 0);
    EXPECT_TRUE(f.record().PRIMERSUGARKG.isZero());
}

TEST_F(UpdateBrewsLogicTest, OpeningHidesThePrimeButtonOfATabThatHoldsData)
{
    form(FormRequest::Change, stored(brewed()));
    EXPECT_FALSE(view.visible[BrewControl::PrimeFermentation]);
    EXPECT_FALSE(view.visible[BrewControl::PrimeBottling]);

    BrewRecord onlyKit;
    onlyKit.BREWKIT = QStringLiteral("Muntons");
    onlyKit.STOCKONHAND = QStringLiteral("0");
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(onlyKit));
    EXPECT_TRUE(view.visible[BrewControl::PrimeFermentation]);
    EXPECT_TRUE(view.visible[BrewControl::PrimeBottling]);
    EXPECT_FALSE(f.stockFull());
    EXPECT_EQ(f.caption(), QStringLiteral("Update Brews"));
}

TEST_F(UpdateBrewsLogicTest, GravityRelationsAndRefusedEntries)
{
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    BrewRecord &r = f.record();

    r.ORIGINALGRAVITY = 1008;
    f.changed(BrewControl::ORIGINALGRAVITY);
    EXPECT_EQ(r.ORIGINALGRAVITY, 1010);
    EXPECT_EQ(f.displayOG(), dec("1.01"));
    EXPECT_EQ(view.lastFocus(), BrewControl::ORIGINALGRAVITY);

    r.FINALGRAVITY = 1020;
    f.spun(BrewControl::FINALGRAVITY);
    EXPECT_EQ(r.FINALGRAVITY, 1010);
    EXPECT_EQ(view.lastFocus(), BrewControl::FINALGRAVITY);

    f.refused(BrewControl::ORIGINALGRAVITY); // the window refused "1.035"

    const std::vector<Message> expected = {
        infoMessage("Out of Range...", "The Original Gravity can not be less than the Final."),
        infoMessage("Out of Range...", "The Final Gravity can not exceed the Original."),
        infoMessage("Entry or Range error...",
            "Please exclude the decimal point.|Example: Enter 1.035 as 1035||Range 900 to 1200"),
    };
    EXPECT_EQ(prompter.shown(), expected);
}

TEST_F(UpdateBrewsLogicTest, FinalGravityWithoutAnOriginalOffersToEnterItFirst)
{
    UpdateBrewsLogic &f = form(FormRequest::Insert);
    const Message asked { QStringLiteral("Can not proceed"),
        QStringLiteral("Must have Original Gravity entered.||Enter Original Gravity now?"), MessageIcon::Question,
        QStringLiteral("&Yes|&No"), 1 };
    prompter.answer(1);
    f.focusIn(BrewControl::FINALGRAVITY);
    EXPECT_EQ(prompter.shown(), std::vector<Message> { asked });
    EXPECT_EQ(view.lastFocus(), BrewControl::ORIGINALGRAVITY);

    view.focus.clear();
    prompter.answer(2);
    f.focusIn(BrewControl::FINALGRAVITY);
    EXPECT_TRUE(view.focus.empty());
}

TEST_F(UpdateBrewsLogicTest, SugarStopsAtTheMaximumAndCelsiusAtBoiling)
{
    UpdateBrewsLogic &f = form(FormRequest::Insert);
    BrewRecord &r = f.record();
    r.BREWSUGARKG = dec("12.5");
    f.changed(BrewControl::BREWSUGARKG);
    r.PRIMERSUGARKG = dec("9.991");
    f.spun(BrewControl::PRIMERSUGARKG);
    r.BREWSUGARKG = dec("9.99");
    f.changed(BrewControl::BREWSUGARKG); // at the maximum: nothing said
    EXPECT_EQ(r.BREWSUGARKG, dec("9.99"));
    EXPECT_EQ(r.PRIMERSUGARKG, dec("9.99"));
    const Message reached = infoMessage("Out of Range...", "Reached the maximum of 9.990");
    EXPECT_EQ(prompter.shown(), (std::vector<Message> { reached, reached }));

    struct Case {
        int temp, value;
        bool stepped;
        int expected, beeps;
    };
    for (const Case &c : { Case { 1, 100, true, 100, 1 }, Case { 1, 101, false, 100, 1 },
             Case { 1, 100, false, 100, 0 }, Case { 1, 99, true, 99, 0 }, Case { 0, 150, true, 150, 0 } }) {
        glo().TEMPPROMPT = c.temp;
        view.beeps = 0;
        r.BREWTEMP = c.value;
        c.stepped ? f.spun(BrewControl::BREWTEMP) : f.changed(BrewControl::BREWTEMP);
        EXPECT_EQ(r.BREWTEMP, c.expected) << c.value;
        EXPECT_EQ(view.beeps, c.beeps) << c.value;
    }
}

TEST_F(UpdateBrewsLogicTest, BothGravitiesChangedAsksUntilTheAlcoholIsRevised)
{
    const BrewRecord original = stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::Change, original);
    f.record().ORIGINALGRAVITY = 1060;
    f.record().FINALGRAVITY = 1012;
    const Message asked { QStringLiteral("Auto Update?"),
        QStringLiteral("Original Gravity changed from 1050 to 1060|Final Gravity changed from 1010 to "
                       "1012|| The Alcohol % will need revising||     Update the Alcohol % now?"),
        MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };

    for (int round = 0; round < 2; ++round) {
        prompter.clear();
        prompter.answer(2);
        f.ok();
        EXPECT_EQ(prompter.shown(), std::vector<Message> { asked });
        EXPECT_FALSE(view.closed);
    }
    EXPECT_EQ(reread(original.RECORDNUMBER), original);

    prompter.clear();
    prompter.answer(1); // update now
    prompter.answer(2); // no bottle allowance
    f.ok();
    EXPECT_EQ(prompter.captions(),
        (QStringList {
            QStringLiteral("Auto Update?"), QStringLiteral("% Alcohol by Volume (abv)"), QStringLiteral("Done...") }));
    EXPECT_EQ(f.record().ESTIMATEDALC, dec("6.4"));
    EXPECT_EQ(view.tab, BrewTab::BottleConditioning);
    EXPECT_EQ(view.lastFocus(), BrewControl::CalculateAlc);
    EXPECT_FALSE(view.closed);

    prompter.clear();
    f.ok();
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(reread(original.RECORDNUMBER)->ESTIMATEDALC, dec("6.4"));
}

TEST_F(UpdateBrewsLogicTest, OnlyTheFinalGravityChangedAndNoSavesTheOldFigure)
{
    const BrewRecord original = stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::Change, original);
    f.record().FINALGRAVITY = 1008;
    prompter.answer(2);
    f.ok();
    const Message asked { QStringLiteral("Auto Update?"),
        QStringLiteral("Final Gravity changed from 1010 to 1008|| The Alcohol % will need revising.|| "
                       "    Update the Alcohol % now?"),
        MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
    EXPECT_EQ(prompter.shown(), std::vector<Message> { asked });
    EXPECT_TRUE(view.closed);
    const auto saved = reread(original.RECORDNUMBER);
    EXPECT_EQ(saved->FINALGRAVITY, 1008);
    EXPECT_EQ(saved->ESTIMATEDALC, dec("5.33"));
}

TEST_F(UpdateBrewsLogicTest, CalculateAlcRemembersTheReadingsItUsed)
{
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    f.record().ORIGINALGRAVITY = 1040;
    f.record().FINALGRAVITY = 1008;
    prompter.answer(2);
    f.pressed(BrewControl::CalculateAlc);
    EXPECT_EQ(f.record().ESTIMATEDALC, dec("4.27"));
    EXPECT_EQ(f.rememberedOG(), 1040);
    EXPECT_EQ(f.rememberedFG(), 1008);
    prompter.clear();
    f.ok(); // nothing left to revise
    EXPECT_EQ(prompter.captions(), QStringList {});
    EXPECT_TRUE(view.closed);

    // A check that fails clears the figure and sends the focus to the reading to mend.
    UpdateBrewsLogic &g = form(FormRequest::Insert);
    g.pressed(BrewControl::CalculateAlc);
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Can not calculate!") });
    EXPECT_EQ(view.lastFocus(), BrewControl::ORIGINALGRAVITY);
    EXPECT_EQ(g.rememberedOG(), 0);
}

TEST_F(UpdateBrewsLogicTest, ScoresSumToTheOverallScoreAndResetAsksFirst)
{
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    BrewRecord &r = f.record();
    r.APPEARANCE = 5;
    f.changed(BrewControl::APPEARANCE);
    r.AROMA = 6;
    f.spun(BrewControl::AROMA);
    r.TASTE = 20;
    f.changed(BrewControl::TASTE);
    EXPECT_EQ(r.OVERALL, 31);
    using Look = UpdateBrewsLogic::ScoreLook;
    EXPECT_EQ(f.look(BrewControl::APPEARANCE), Look::Good);
    EXPECT_EQ(f.look(BrewControl::AROMA), Look::Good);
    EXPECT_EQ(f.look(BrewControl::TASTE), Look::Low);

    // Appearance 4 counts as good right after it was entered, as low once the tab changes.
    r.APPEARANCE = 4;
    f.changed(BrewControl::APPEARANCE);
    EXPECT_EQ(f.look(BrewControl::APPEARANCE), Look::Good);
    f.tabChanged(BrewTab::NotesBrief);
    EXPECT_EQ(f.look(BrewControl::APPEARANCE), Look::Low);
    EXPECT_EQ(r.OVERALL, 30);

    const Message confirm { QStringLiteral("Please confirm..."),
        QStringLiteral("This will reset all the tasting scores to Zero"), MessageIcon::Question,
        QStringLiteral("&Zero|&Cancel"), 2 };
    prompter.answer(2);
    f.pressed(BrewControl::Reset);
    EXPECT_EQ(r.OVERALL, 30);
    prompter.answer(1);
    f.pressed(BrewControl::Reset);
    EXPECT_EQ(r.APPEARANCE + r.AROMA + r.TASTE, 0);
    EXPECT_EQ(r.OVERALL, 0);
    EXPECT_EQ(f.look(BrewControl::AROMA), Look::Low);
    f.pressed(BrewControl::Reset);
    const Message notRequired { QStringLiteral("Reset not required..."), QStringLiteral("All scores are already zero."),
        MessageIcon::Question, {}, 1 };
    EXPECT_EQ(prompter.shown(), (std::vector<Message> { confirm, confirm, notRequired }));
}

TEST_F(UpdateBrewsLogicTest, CostGoesToTheCalculatorAndComesBackOnlyWhereAllowed)
{
    BrewRecord costed = brewed();
    costed.BREWBATCHNAME = QStringLiteral("Xmas");
    costed.BREWCOST = dec("12.50");
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(costed));
    f.focusIn(BrewControl::CalculateCost);
    EXPECT_EQ(glo().GETBATCHNUMBER, f.record().BATCHNUMBER);
    EXPECT_EQ(glo().GETKITNAME, QStringLiteral("Coopers Lager"));
    EXPECT_EQ(glo().GETBATCHNAME, QStringLiteral("Xmas"));
    EXPECT_EQ(glo().cost.TOTALCOST, dec("12.50"));

    view.costReturned = dec("15.00");
    const Message replace { QStringLiteral("Cost changed..."), QStringLiteral("Replace the existing cost?"),
        MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
    struct Case {
        const char *before;
        int answer;
        const char *after;
        bool asked;
    };
    for (const Case &c :
        { Case { "12.50", 2, "12.50", true }, Case { "12.50", 1, "15", true }, Case { "0", 0, "15", false } }) {
        prompter.clear();
        view.focus.clear();
        f.record().BREWCOST = dec(c.before);
        if (c.answer)
            prompter.answer(c.answer);
        f.pressed(BrewControl::CalculateCost);
        EXPECT_EQ(f.record().BREWCOST, dec(c.after)) << c.before << ' ' << c.answer;
        EXPECT_EQ(prompter.shown(), c.asked ? std::vector<Message> { replace } : std::vector<Message> {});
        EXPECT_EQ(view.focus, std::vector<BrewControl> { BrewControl::BREWCOST });
    }

    prompter.answer(2); // closing without saving clears the shared total
    f.cancel();
    EXPECT_TRUE(glo().cost.TOTALCOST.isZero());
}

TEST_F(UpdateBrewsLogicTest, BatchNumberInUseByAnotherBrewIsRefused)
{
    stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    EXPECT_EQ(f.record().BATCHNUMBER, 2);
    f.changed(BrewControl::BATCHNUMBER); // its own number is no duplicate
    f.record().BATCHNUMBER = 1;
    f.changed(BrewControl::BATCHNUMBER);
    const Message refused { QStringLiteral("Duplicates disallowed..."),
        QStringLiteral("The 'Batch Number' entered is already in use.||Please insert a new batch "
                       "number."),
        MessageIcon::Warning, {}, 1 };
    EXPECT_EQ(prompter.shown(), std::vector<Message> { refused });
    EXPECT_EQ(view.focus, std::vector<BrewControl> { BrewControl::BATCHNUMBER });

    // Saving it anyway is refused by the table; the form stays open with the values typed.
    prompter.clear();
    f.ok();
    EXPECT_FALSE(view.closed);
    EXPECT_FALSE(f.completed());
    EXPECT_EQ(f.record().BATCHNUMBER, 1);
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Record was not updated") });
}

TEST_F(UpdateBrewsLogicTest, OkStopsAtEachMissingOrMovedValue)
{
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    BrewRecord &r = f.record();

    struct Step {
        std::function<void()> arrange;
        const char *caption;
        BrewControl focus;
    };
    const std::vector<Step> steps = {
        { [&] { r.BREWKIT = QStringLiteral("   "); }, "Required field empty...", BrewControl::BREWKIT },
        { [&] {
             r.BREWKIT = QStringLiteral("Coopers Lager");
             r.DATEDOWN = 0;
         },
            "Required field empty...", BrewControl::DATEDOWN },
        { [&] { r.DATEDOWN = kToday - 31; }, "Auto update...", BrewControl::DATEBOTTLED },
        { [&] { r.MAXUSE = r.MINUSE; }, "Maximum Use By", BrewControl::MAXUSE },
    };
    for (const Step &s : steps) {
        prompter.clear();
        s.arrange();
        f.ok();
        EXPECT_EQ(prompter.captions(), QStringList { QLatin1String(s.caption) });
        EXPECT_EQ(view.lastFocus(), s.focus) << s.caption;
        EXPECT_FALSE(view.closed) << s.caption;
    }
    EXPECT_EQ(r.BREWPERIOD, 8);
    EXPECT_EQ(r.MAXUSE, r.DATEBOTTLED + 186);
    EXPECT_EQ(prompter.shown().front().text,
        QStringLiteral("Can not be less than Min use by.||Resetting to bottled + 6 months. (default)"));

    prompter.clear();
    f.ok();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(f.completed());
}

TEST_F(UpdateBrewsLogicTest, OkTellsOfAFutureBottlingDateAndStillSaves)
{
    BrewRecord future = brewed();
    future.DATEBOTTLED = kToday + 3;
    future.MINUSE = future.DATEBOTTLED + 20;
    future.MAXUSE = future.DATEBOTTLED + 186;
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(future));
    f.ok();
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Please note...") });
    EXPECT_TRUE(view.closed);
}

TEST_F(UpdateBrewsLogicTest, LongFermentationIsHeldAt255WithANotice)
{
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    f.record().DATEDOWN = f.record().DATEBOTTLED - 300;
    f.changed(BrewControl::DATEDOWN);
    EXPECT_EQ(f.record().BREWPERIOD, 255);
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Please note...") });
    EXPECT_TRUE(prompter.shown()[0].text.contains(QLatin1String("300 days")));
}

TEST_F(UpdateBrewsLogicTest, CalendarsFollowTheDateRules)
{
    UpdateBrewsLogic &f = form(FormRequest::Change, stored(brewed()));
    BrewRecord &r = f.record();
    const date::Day bottled = r.DATEBOTTLED;

    // A Date Down picked after Date Bottled is set back to bottled - 7.
    view.picks = { bottled + 2 };
    f.pressed(BrewControl::DateDownCalendar);
    EXPECT_EQ(view.calendarStarts.back(), kToday - 30);
    EXPECT_EQ(r.DATEDOWN, bottled - 7);
    EXPECT_EQ(prompter.shown().back().text,
        QStringLiteral("Date Down can not be greater than Date Bottled?||Resetting to default. (Bottled less 7 "
                       "days)"));
    EXPECT_EQ(view.lastFocus(), BrewControl::DATEDOWN);

    // Cancelling a calendar leaves the date.
    view.picks = { std::nullopt };
    f.pressed(BrewControl::MinUseCalendar);
    EXPECT_EQ(r.MINUSE, bottled + 20);

    view.picks = { bottled + 10 };
    f.pressed(BrewControl::DateBottledCalendar);
    EXPECT_EQ(r.DATEBOTTLED, bottled + 10);
    EXPECT_EQ(view.calendarStarts.back(), bottled);

    view.picks = { r.DATEBOTTLED + 61 };
    f.pressed(BrewControl::MinUseCalendar);
    EXPECT_EQ(r.MINUSE, r.DATEBOTTLED + 61);
    EXPECT_EQ(f.minUseText(), QStringLiteral("2 Months"));
}

TEST_F(UpdateBrewsLogicTest, UseByDatesNeedADateBottled)
{
    UpdateBrewsLogic &f = form(FormRequest::Insert);
    f.record().MINUSE = kToday + 40;
    f.focusIn(BrewControl::MAXUSE);
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Please note...") });
    EXPECT_EQ(f.record().MINUSE, 0);
    EXPECT_EQ(view.lastFocus(), BrewControl::DATEBOTTLED);

    // Clearing Date Bottled takes the use-by calendars away and offers the prime button again.
    f.focusIn(BrewControl::DATEBOTTLED);
    EXPECT_TRUE(view.enabled[BrewControl::MaxUseCalendar]);
    f.record().DATEBOTTLED = 0;
    f.changed(BrewControl::DATEBOTTLED);
    EXPECT_FALSE(view.enabled[BrewControl::MaxUseCalendar]);
    EXPECT_FALSE(view.visible[BrewControl::MinUseText]);
    EXPECT_TRUE(view.enabled[BrewControl::PrimeBottling]);
}

TEST_F(UpdateBrewsLogicTest, ViewOnlyChangesAndSavesNothing)
{
    const BrewRecord original = stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::View, original);
    EXPECT_EQ(f.caption(), QStringLiteral("View Only Mode"));
    f.record().FINALGRAVITY = 1200;
    f.changed(BrewControl::FINALGRAVITY);
    f.pressed(BrewControl::PrimeBottling);
    f.pressed(BrewControl::Reset);
    f.ok();
    EXPECT_FALSE(view.closed);
    f.cancel();
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(f.completed());
    EXPECT_EQ(reread(original.RECORDNUMBER), original);
}

TEST_F(UpdateBrewsLogicTest, CancelWithChangesAsksWhetherToSave)
{
    const BrewRecord original = stored(brewed());
    const Message save { QStringLiteral("Save Record"),
        QStringLiteral("Do you want to save the changes to this record?"), MessageIcon::Question,
        QStringLiteral("&Yes|&No|&Cancel"), 3 };
    struct Case {
        int answer;
        bool closed, written;
    };
    for (const Case &c : { Case { 3, false, false }, Case { 2, true, false }, Case { 1, true, true } }) {
        view = {};
        UpdateBrewsLogic &f = form(FormRequest::Change, *reread(original.RECORDNUMBER));
        f.record().YEAST = QStringLiteral("Nottingham");
        prompter.answer(c.answer);
        f.cancel();
        EXPECT_EQ(prompter.shown().front(), save);
        EXPECT_EQ(view.closed, c.closed) << c.answer;
        EXPECT_EQ(f.completed(), c.written) << c.answer;
        EXPECT_EQ(reread(original.RECORDNUMBER)->YEAST, c.written ? QStringLiteral("Nottingham") : QString())
            << c.answer;
    }
}

TEST_F(UpdateBrewsLogicTest, ASaveOverAnotherWindowsChangeIsRefusedAndKeepsWhatWasTyped)
{
    const BrewRecord original = stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::Change, original);
    f.record().YEAST = QStringLiteral("Safale S-04");

    BrewsTable other(dir.path());
    ASSERT_TRUE(other.open());
    BrewRecord theirs = *other.fetch(original.RECORDNUMBER).value();
    theirs.YEAST = QStringLiteral("Windsor");
    ScriptedPrompter quiet;
    ASSERT_TRUE(other.update(theirs, quiet));

    f.ok();
    const Message refused { QStringLiteral("Record Was Not Updated"),
        QStringLiteral("This record was changed by another station."), MessageIcon::Error, {}, 1 };
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, refused.caption);
    EXPECT_EQ(prompter.shown()[0].text, refused.text);
    EXPECT_FALSE(view.closed);
    EXPECT_FALSE(f.completed());
    EXPECT_EQ(f.record().YEAST, QStringLiteral("Safale S-04"));
    EXPECT_EQ(reread(original.RECORDNUMBER)->YEAST, QStringLiteral("Windsor"));
    other.close();
}

TEST_F(UpdateBrewsLogicTest, DeleteAsksThenRemovesTheBrew)
{
    const BrewRecord brew = stored(brewed());
    const Message confirm { QStringLiteral("Confirm Delete"),
        QStringLiteral("Are you sure you want to delete the highlighted record?"), MessageIcon::Question,
        QStringLiteral("&Yes|&No"), 2 };
    for (int answer : { 2, 1 }) {
        view = {};
        UpdateBrewsLogic &f = form(FormRequest::Delete, brew);
        EXPECT_EQ(f.caption(), QStringLiteral("Edit Brews"));
        prompter.answer(answer);
        f.confirmDelete();
        EXPECT_EQ(prompter.shown(), std::vector<Message> { confirm });
        EXPECT_TRUE(view.closed);
        EXPECT_EQ(f.completed(), answer == 1);
        EXPECT_EQ(reread(brew.RECORDNUMBER).has_value(), answer != 1);
    }
}

TEST_F(UpdateBrewsLogicTest, NotesTooLongForTheBrewAreRefusedNotCut)
{
    const BrewRecord original = stored(brewed());
    UpdateBrewsLogic &f = form(FormRequest::Change, original);
    const QString longNote(1001, QLatin1Char('x'));
    f.record().NOTES = longNote;
    f.ok();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(prompter.shown()[0].text.contains(QLatin1String("ALE:NOTES")))
        << prompter.shown()[0].text.toStdString();
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(f.record().NOTES, longNote);
    EXPECT_EQ(reread(original.RECORDNUMBER)->NOTES, QString());
}

TEST_F(UpdateBrewsLogicTest, ACopiedBrewStartsInStock)
{
    BrewRecord consumed = brewed();
    consumed.STOCKONHAND = QStringLiteral("0");
    UpdateBrewsLogic &f = form(FormRequest::Insert, stored(consumed));
    EXPECT_EQ(f.record().STOCKONHAND, QStringLiteral("1"));
}

} // namespace
