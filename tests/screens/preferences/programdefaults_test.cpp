// The program defaults window and the first-run prompt: proposed first values,
// the by-weight and change confirmations, what is stored and when.
#include "screens/guitestsupport.h"

#include "screens/preferences/programdefaultslogic.h"
#include "screens/preferences/win_setprgdefaults.h"
#include "screens/windowing/tooltipswitch.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

using guitest::DataFolder;
using Pref = ProgramDefaultsLogic::Pref;

namespace
{

struct FakeDefaultsWindow : ProgramDefaultsView {
    int refreshes = 0;
    bool alcoholFocused = false;
    bool closed = false;
    std::optional<bool> tooltips;
    void refresh() override { ++refreshes; }
    void focusAlcohol() override { alcoholFocused = true; }
    void closeWindow() override { closed = true; }
    void applyTooltips(bool on) override { tooltips = on; }
};

const Message kByWeight { QStringLiteral("Please confirm..."),
    QStringLiteral("Are you sure that you wish to use % Alcohol by Weight (abw)|most countries use % Alcohol by Volume "
                   "(abv)||     An example: abv of 5.0% equals an abw of 4.0%||                       Use % Alcohol "
                   "by Weight ?"),
    MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };

const Message kChangeUnits { QStringLiteral("Change Units ?"),
    QStringLiteral("Are you sure you want to make this change ?|If changed all existing volumes will need to be "
                   "manually converted and all existing records updated accordingly.||Make the change ?"),
    MessageIcon::Warning, QStringLiteral("No|YES"), 1 };

// Defaults confirmed earlier as metric, Celsius, by volume.
void confirmedEarlier()
{
    Globals &g = glo();
    g.SETDEFAULTSYN = 1;
    g.UNITSPROMPT = g.TEMPPROMPT = g.ALCBASEDON = 1;
}

} // namespace

TEST(ProgramDefaults, FirstUseProposesValuesAndOkStoresTheSevenKeys)
{
    DataFolder data;
    ScriptedPrompter prompter;
    FakeDefaultsWindow view;
    ProgramDefaultsLogic logic(prompter, view, [] { return std::optional<long long>(0); });
    logic.open();
    const Globals &g = glo();
    EXPECT_EQ((std::vector<int> { g.UNITSPROMPT, g.TEMPPROMPT, g.ALCBASEDON, g.OPENATBROWSE, g.OPENATSTOCKONLY,
                  g.TIPFLAG, g.OVERRIDEFERMENTATION }),
        (std::vector<int> { 1, 1, 1, 1, 1, 1, 0 }));
    logic.okFocused(); // by volume: nothing to confirm
    EXPECT_TRUE(logic.ok());
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(view.closed);
    const char *const stored[][2] = { { "OpenBrowse", "1" }, { "OpenAtStock", "1" }, { "TipFlag", "1" },
        { "Override", "0" }, { "Units", "1" }, { "Temp", "1" }, { "Alc", "1" } };
    for (const auto &s : stored)
        EXPECT_EQ(DataFolder::setting(QString::fromLatin1(s[0])), QString::fromLatin1(s[1])) << s[0];
    EXPECT_EQ(DataFolder::setting(QStringLiteral("DefaultsSetYN")), QString()); // only the prompt writes it
}

TEST(ProgramDefaults, ByWeightIsConfirmedWhenOkTakesTheFocus)
{
    const struct {
        int answer;
        int alc;
        bool focusMoved;
    } cases[] = { { 1, 0, false }, { 2, 1, true } };
    for (const auto &c : cases) {
        DataFolder data;
        confirmedEarlier();
        ScriptedPrompter prompter;
        FakeDefaultsWindow view;
        ProgramDefaultsLogic logic(prompter, view, [] { return std::optional<long long>(0); });
        logic.open();
        logic.set(Pref::Alc, 0);
        prompter.answer(c.answer);
        logic.okFocused();
        ASSERT_EQ(prompter.shown().size(), 1u);
        EXPECT_EQ(prompter.shown()[0], kByWeight);
        EXPECT_EQ(glo().ALCBASEDON, c.alc);
        EXPECT_EQ(view.alcoholFocused, c.focusMoved);
    }
}

TEST(ProgramDefaults, ChangedUnitsAreConfirmedOnlyWithBrewsStored)
{
    const struct {
        std::optional<long long> brews;
        int answer; // 0: no question expected
        const char *units;
    } cases[] = {
        { 0, 0, "0" }, // an empty log: nothing asked, the change kept
        { 4, 1, "1" }, // "No": back to metric, in the program and in the file
        { 4, 2, "0" }, // "YES": imperial/US kept
        { std::nullopt, 1, "1" }, // a log that cannot be counted is asked about too
    };
    for (const auto &c : cases) {
        DataFolder data;
        confirmedEarlier();
        ScriptedPrompter prompter;
        FakeDefaultsWindow view;
        const auto brews = c.brews;
        ProgramDefaultsLogic logic(prompter, view, [brews] { return brews; });
        logic.open();
        logic.set(Pref::Units, 0);
        if (c.answer)
            prompter.answer(c.answer);
        EXPECT_TRUE(logic.ok());
        SCOPED_TRACE(c.brews.value_or(-1));
        if (c.answer) {
            ASSERT_EQ(prompter.shown().size(), 1u);
            EXPECT_EQ(prompter.shown()[0], kChangeUnits);
        } else {
            EXPECT_TRUE(prompter.shown().empty());
        }
        EXPECT_EQ(QString::number(glo().UNITSPROMPT), QString::fromLatin1(c.units));
        EXPECT_EQ(DataFolder::setting(settings::kUnits), QString::fromLatin1(c.units));
    }
}

TEST(ProgramDefaults, ThreeChangesAreConfirmedInOrderAndTooltipsApplied)
{
    DataFolder data;
    confirmedEarlier();
    ScriptedPrompter prompter;
    FakeDefaultsWindow view;
    ProgramDefaultsLogic logic(prompter, view, [] { return std::optional<long long>(12); });
    logic.open();
    logic.set(Pref::Units, 0);
    logic.set(Pref::Temp, 0);
    logic.set(Pref::Alc, 0);
    logic.set(Pref::TipFlag, 0);
    for (int a : { 2, 1, 2 })
        prompter.answer(a);
    EXPECT_TRUE(logic.ok());
    EXPECT_EQ(prompter.captions(), (QStringList { "Change Units ?", "Change Temperature ?", "Change % Alc?" }));
    EXPECT_EQ(prompter.shown()[2].text,
        QStringLiteral("Are you sure you want to make this change ?|If changed all existing percentages for each "
                       "brew will need to recalculated from the update window.||Make the change ?"));
    EXPECT_EQ(
        (std::vector<int> { glo().UNITSPROMPT, glo().TEMPPROMPT, glo().ALCBASEDON }), (std::vector<int> { 0, 1, 0 }));
    EXPECT_EQ(view.tooltips, std::optional<bool>(false));
}

TEST(ProgramDefaults, OkThatCannotWriteSaysSoAndStaysOpen)
{
    DataFolder data;
    settings::setDataFolder(data.dir.filePath(QStringLiteral("no/such/folder")));
    ScriptedPrompter prompter;
    FakeDefaultsWindow view;
    ProgramDefaultsLogic logic(prompter, view, [] { return std::optional<long long>(0); });
    logic.open();
    EXPECT_FALSE(logic.ok());
    EXPECT_FALSE(view.closed);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith(QStringLiteral("The settings could not be saved.|")));
}

namespace
{

struct FakePrompt : FirstRunView {
    QStringList events;
    std::function<void()> inDefaults;
    void showSecondStep() override { events << QStringLiteral("second step"); }
    void runDefaultsWindow() override
    {
        events << QStringLiteral("defaults");
        if (inDefaults)
            inDefaults();
    }
    void closeWindow() override { events << QStringLiteral("closed"); }
};

} // namespace

TEST(FirstRunPrompt, DefaultsSetYNIsWrittenHoweverThePromptCloses)
{
    {
        DataFolder data;
        ScriptedPrompter prompter;
        FakePrompt view;
        FirstRunLogic logic(prompter, view);
        logic.doLater();
        logic.closing();
        EXPECT_EQ(view.events, QStringList { QStringLiteral("closed") });
        ASSERT_EQ(prompter.shown().size(), 1u);
        EXPECT_EQ(prompter.shown()[0],
            (Message { QStringLiteral("Aborted..."),
                QStringLiteral("The current defaults settings have NOT been changed."), MessageIcon::Information, {},
                1 }));
        EXPECT_EQ(DataFolder::setting(settings::kDefaultsSetYN), QStringLiteral("0"));
    }
    {
        DataFolder data;
        ScriptedPrompter prompter;
        FakePrompt view;
        FirstRunLogic logic(prompter, view);
        logic.yes();
        logic.defaultsDone();
        logic.closing();
        EXPECT_EQ(view.events, (QStringList { "second step", "defaults", "closed" }));
        EXPECT_TRUE(prompter.shown().empty());
        EXPECT_EQ(glo().SETDEFAULTSYN, 1);
        EXPECT_EQ(DataFolder::setting(settings::kDefaultsSetYN), QStringLiteral("1"));
    }
}

// The real windows: the prompt driven by its buttons, the defaults window inside it.
TEST(FirstRunPrompt, YesOpensTheDefaultsWindowThenDefaultsDoneSaves)
{
    DataFolder data;
    ScriptedPrompter prompter;
    Win_SetPrgDefaultsYN prompt(prompter, [] { return std::optional<long long>(0); });
    guitest::showActive(&prompt);
    EXPECT_TRUE(prompt.yesButton()->isVisible());
    EXPECT_FALSE(prompt.doneButton()->isVisible());

    bool sawDefaults = false;
    QTimer::singleShot(0, [&] {
        auto *defaults = prompt.findChild<Win_SetPrgDefaults *>();
        ASSERT_NE(defaults, nullptr);
        sawDefaults = true;
        EXPECT_EQ(defaults->windowTitle(), QStringLiteral("Program defaults..."));
        EXPECT_TRUE(defaults->radio(Pref::Units, 1)->isChecked()); // metric proposed
        // Untick the override box, tick tooltips; OK stores Override = 0 whatever the tooltip box says.
        defaults->check(Pref::Override)->setChecked(false);
        defaults->check(Pref::TipFlag)->setChecked(true);
        defaults->okButton()->click();
    });
    prompt.yesButton()->click();
    EXPECT_TRUE(sawDefaults);
    EXPECT_TRUE(prompt.isVisible()); // the prompt stays open
    EXPECT_FALSE(prompt.yesButton()->isVisible());
    EXPECT_TRUE(prompt.doneButton()->isVisible());
    EXPECT_EQ(prompt.focusWidget(), prompt.doneButton()); // Enter saves rather than aborts
    EXPECT_TRUE(prompt.text(4)->isVisible());
    EXPECT_EQ(DataFolder::setting(settings::kOverride), QStringLiteral("0"));
    EXPECT_EQ(DataFolder::setting(settings::kTipFlag), QStringLiteral("1"));

    prompt.doneButton()->click();
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(DataFolder::setting(settings::kDefaultsSetYN), QStringLiteral("1"));
}

TEST(FirstRunPrompt, ClosingByTheCloseBoxStillWritesTheAnswer)
{
    DataFolder data;
    ScriptedPrompter prompter;
    Win_SetPrgDefaultsYN prompt(prompter, [] { return std::optional<long long>(0); });
    guitest::showActive(&prompt);
    prompt.close();
    EXPECT_EQ(DataFolder::setting(settings::kDefaultsSetYN), QStringLiteral("0"));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(ProgramDefaultsWindow, OkTakingTheFocusAsksAboutByWeight)
{
    DataFolder data;
    confirmedEarlier();
    glo().ALCBASEDON = 0;
    ScriptedPrompter prompter;
    prompter.answer(2); // "&No"
    Win_SetPrgDefaults window(prompter, [] { return std::optional<long long>(0); });
    guitest::showActive(&window);
    EXPECT_TRUE(window.radio(Pref::Alc, 0)->isChecked());
    window.okButton()->setFocus(Qt::TabFocusReason);
    guitest::settle();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Please confirm..."));
    EXPECT_EQ(glo().ALCBASEDON, 1);
    EXPECT_TRUE(window.radio(Pref::Alc, 1)->isChecked());
    EXPECT_TRUE(window.radio(Pref::Alc, 1)->hasFocus());
}

TEST(ProgramDefaultsWindow, ClosingWithoutOkStoresNothingButChangesStay)
{
    DataFolder data;
    confirmedEarlier();
    ScriptedPrompter prompter;
    {
        Win_SetPrgDefaults window(prompter, [] { return std::optional<long long>(0); });
        guitest::showActive(&window);
        window.radio(Pref::Temp, 0)->click();
        window.close();
    }
    EXPECT_EQ(glo().TEMPPROMPT, 0);
    EXPECT_EQ(DataFolder::setting(settings::kTemp), QString());
}
