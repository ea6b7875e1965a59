// The main frame: what happens once it has opened, the clock texts, the
// toolbar preference, the browse-open flag, and its commands.
#include "screens/guitestsupport.h"

#include "platform/clock.h"
#include "platform/prompter.h"
#include "records/windowstate.h"
#include "screens/frame/mainframe.h"
#include "screens/frame/win_about.h"
#include "screens/windowing/windowregistry.h"
#include "screens/windowing/windowstatebinding.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <gtest/gtest.h>

using guitest::DataFolder;

namespace
{

// Records what the frame logic asks of the frame, in order.
struct FakeFrame : MainFrameView {
    QStringList events;
    bool toolbar = true;
    bool exportAndBackup = true;
    QString date, time;
    date::Day thisDayAtBrowse = -1;
    std::function<void()> duringPrompt;

    void setToolbarVisible(bool v) override { toolbar = v; }
    void setExportAndBackupEnabled(bool e) override { exportAndBackup = e; }
    void setStatusDate(const QString &t) override { date = t; }
    void setStatusTime(const QString &t) override { time = t; }
    void runFirstRunPrompt() override
    {
        events << QStringLiteral("prompt");
        if (duringPrompt)
            duringPrompt();
    }
    void openBrowseBrews() override
    {
        events << QStringLiteral("browse");
        thisDayAtBrowse = glo().THISDAY;
    }
    void reportFailure(const Result &r) override { events << QStringLiteral("failure: ") + r.message(); }
};

struct ClockFixture {
    FixedClock clock { date::fromYmd(2026, 12, 13), QTime(15, 7) }; // a Sunday afternoon
    ClockFixture() { Clock::install(&clock); }
    ~ClockFixture() { Clock::install(nullptr); }
};

} // namespace

TEST(MainFrameLogic, FirstRunWithoutSettingsShowsThePromptAndNoBrowse)
{
    DataFolder data;
    ClockFixture clock;
    FakeFrame view;
    MainFrameLogic logic(view);
    logic.opened();
    EXPECT_EQ(view.events, QStringList { QStringLiteral("prompt") });
    EXPECT_TRUE(view.toolbar);
    EXPECT_EQ(glo().THISDAY, clock.clock.today());
}

TEST(MainFrameLogic, FirstRunPromptComesBeforeTheBrowseOpenedAtStart)
{
    DataFolder data;
    ClockFixture clock;
    DataFolder::setSetting(settings::kOpenBrowse, QStringLiteral("1"));
    FakeFrame view;
    view.duringPrompt = [] { EXPECT_EQ(glo().THISDAY, 0); }; // today is noted after the prompt
    MainFrameLogic logic(view);
    logic.opened();
    EXPECT_EQ(view.events, (QStringList { QStringLiteral("prompt"), QStringLiteral("browse") }));
    EXPECT_EQ(view.thisDayAtBrowse, clock.clock.today());
    EXPECT_TRUE(glo().browseOpen);
    EXPECT_FALSE(view.exportAndBackup);

    // Defaults confirmed: the browse alone.
    DataFolder::setSetting(settings::kDefaultsSetYN, QStringLiteral("1"));
    FakeFrame again;
    MainFrameLogic(again).opened();
    EXPECT_EQ(again.events, QStringList { QStringLiteral("browse") });
}

TEST(MainFrameLogic, ToolbarPreferenceIsStoredAtOnceAndKeptAcrossARestart)
{
    DataFolder data;
    FakeFrame view;
    MainFrameLogic logic(view);
    logic.showToolbar(false);
    EXPECT_FALSE(view.toolbar);
    EXPECT_EQ(DataFolder::setting(settings::kDisplay), QStringLiteral("HIDE"));

    FakeFrame restarted;
    MainFrameLogic(restarted).opened();
    EXPECT_FALSE(restarted.toolbar);

    const struct {
        const char *stored;
        bool shown;
    } cases[] = { { "UNHIDE", true }, { "HIDE", false }, { "", true }, { "maybe", true } };
    for (const auto &c : cases) {
        DataFolder::setSetting(settings::kDisplay, QString::fromLatin1(c.stored));
        FakeFrame v;
        MainFrameLogic(v).opened();
        EXPECT_EQ(v.toolbar, c.shown) << c.stored;
    }
}

TEST(MainFrameLogic, BrowseOpenFlagDisablesExportAndBackupUntilABrowseCloses)
{
    DataFolder data;
    FakeFrame view;
    MainFrameLogic logic(view);
    logic.refresh();
    EXPECT_TRUE(view.exportAndBackup);
    logic.browseCommandChosen(); // the kits browse
    EXPECT_FALSE(view.exportAndBackup);
    logic.browseCommandChosen(); // the brew browse as well
    // Closing the kits browse clears the flag, though the brew browse is still open.
    glo().browseOpen = false;
    logic.refresh();
    EXPECT_TRUE(view.exportAndBackup);
}

TEST(MainFrameLogic, StatusBarShowsWeekdayLongDateAndTime)
{
    DataFolder data;
    ClockFixture clock;
    FakeFrame view;
    MainFrameLogic logic(view);
    logic.tick();
    EXPECT_EQ(view.date, QStringLiteral("Sunday, December 13, 2026"));
    EXPECT_EQ(view.time, QStringLiteral("3:07 PM"));

    clock.clock.setToday(date::fromYmd(2027, 1, 1));
    clock.clock.setTimeOfDay(QTime(0, 5));
    logic.tick();
    EXPECT_EQ(view.date, QStringLiteral("Friday, January 1, 2027"));
    EXPECT_EQ(view.time, QStringLiteral("12:05 AM"));

    const struct {
        QTime time;
        const char *text;
    } times[] = { { QTime(12, 0), "12:00 PM" }, { QTime(11, 59), "11:59 AM" }, { QTime(23, 9), "11:09 PM" } };
    for (const auto &t : times)
        EXPECT_EQ(MainFrameLogic::timeText(t.time), QString::fromLatin1(t.text));
}

TEST(MainFrameLogic, ClockIntervalKeepsADesignWithinOneSecondElseOneSecond)
{
    const struct {
        int hundredths, ms;
    } cases[] = { { 1, 10 }, { 50, 500 }, { 100, 1000 }, { 0, 1000 }, { 101, 1000 }, { -5, 1000 } };
    for (const auto &c : cases)
        EXPECT_EQ(MainFrameLogic::timerIntervalMs(c.hundredths), c.ms) << c.hundredths;
}

namespace
{

struct FrameFixture : ::testing::Test {
    DataFolder data;
    ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
    void SetUp() override
    {
        WindowStateBinding::useWindowStateFile();
        frame = std::make_unique<MainFrame>(prompter, [] { return std::optional<long long>(0); });
    }
    void TearDown() override
    {
        frame.reset();
        WindowStateBinding::setStore(nullptr, nullptr);
    }
};

} // namespace

TEST_F(FrameFixture, MenuCommandsCarryTheirTextsAndStatusMessages)
{
    const struct {
        const char *text, *status;
    } commands[] = {
        { "&File", "" },
        { "&Print Setup ...", "Setup printer" },
        { "Export all Brew Records to CSV File", "" },
        { "E&xit", "Exit this application" },
        { "Cu&t", "Remove item to Windows Clipboard" },
        { "&Copy", "Copy item to Windows Clipboard" },
        { "&Paste", "Paste contents of Windows Clipboard" },
        { "&Browse Brews", "Browse HOMEBREW" },
        { "Br&owse Kits/Recipes", "" },
        { "Browse &Web Links", "" },
        { "Browse &Shopping List", "" },
        { "&Reports", "Report data" },
        { "Brewers Record Sheet", "" },
        { "List &Brews", "" },
        { "By &Batch number - Descending", "" },
        { "By &Cost of Brew - (Brews with no cost excluded)", "" },
        { "For a &Selected Batch Range Only", "" },
        { "&Stock on Hand Only", "" },
        { "&Brews in Stock by Batch Number   ", "" },
        { "&List Kits\\Recipes", "" },
        { "T&asting score sheet (plain)", "" },
        { "&Program Defaults   ", "" },
        { "&Display Toolbar", "" },
        { "&Hide Toolbar", "" },
        { "&Unit Conversion", "" },
        { "C&ost Calculator", "" },
        { "&Alcohol % Calculator", "" },
        { "&Gravity Correction", "" },
        { "&Calculator", "" },
        { "&Backup Data Files", "" },
        { "&Window", "Create and Arrange windows" },
        { "T&ile", "Make all open windows visible" },
        { "&Cascade", "Stack all open windows" },
        { "&Arrange Icons", "Align all window icons" },
        { "&Help", "Windows Help" },
        { "&Contents", "View the contents of the help file" },
        { "&About Maltwright 3", "" },
    };
    for (const auto &c : commands) {
        QAction *a = frame->command(QString::fromUtf8(c.text));
        ASSERT_NE(a, nullptr) << c.text;
        EXPECT_EQ(a->statusTip(), QString::fromUtf8(c.status)) << c.text;
    }
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Maltwright 3 - Version 1.43"));

    QStringList tips;
    for (QAction *a : frame->toolbarCommands())
        tips << a->toolTip();
    EXPECT_EQ(tips,
        (QStringList { "Browse Brews", "Browse Kits/Recipes", "Calculator", "EXIT - Close program", "Web links",
            "Unit Converion", "Cost Calculator", "Shopping List",
            "Backup your Maltwright data files.\n (Disabled if a window is open)" }));
}

TEST_F(FrameFixture, HideToolbarCommandHidesAndStores)
{
    guitest::showActive(frame.get());
    frame->command(QStringLiteral("&Hide Toolbar"))->trigger();
    EXPECT_FALSE(frame->toolbar()->isVisible());
    EXPECT_EQ(DataFolder::setting(settings::kDisplay), QStringLiteral("HIDE"));
    frame->command(QStringLiteral("&Display Toolbar"))->trigger();
    EXPECT_TRUE(frame->toolbar()->isVisible());
    EXPECT_EQ(DataFolder::setting(settings::kDisplay), QStringLiteral("UNHIDE"));
}

TEST_F(FrameFixture, AboutOpensOnceAndASecondRequestRaisesIt)
{
    guitest::showActive(frame.get());
    QAction *about = frame->command(QStringLiteral("&About Maltwright 3"));
    about->trigger();
    guitest::settle();
    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow *sub = frame->mdiArea()->subWindowList().first();
    EXPECT_EQ(sub->widget()->windowTitle(), QStringLiteral("About Maltwright 3 -  Version 1.43"));
    sub->showMinimized();
    about->trigger();
    guitest::settle();
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    EXPECT_FALSE(sub->isMinimized());

    // "Cl&ose" closes it and keeps its place under Win_About.
    static_cast<Win_About *>(sub->widget())->closeButton()->click();
    guitest::settle();
    EXPECT_TRUE(frame->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(windowstate::readPlacement(QStringLiteral("Win_About")).known);
}

TEST_F(FrameFixture, ClosingTheFrameClosesEveryChildThenStoresItsOwnState)
{
    WindowStateBinding::bind(frame.get(), QStringLiteral("Main"));
    frame->showMaximized();
    guitest::settle();
    Win_About::start();
    guitest::settle();
    EXPECT_TRUE(frame->close());
    guitest::settle();
    EXPECT_TRUE(windowstate::readPlacement(QStringLiteral("Win_About")).known);
    const WindowPlacement main = windowstate::readPlacement(QStringLiteral("Main"));
    EXPECT_TRUE(main.known);
    EXPECT_TRUE(main.maximized);
    EXPECT_FALSE(main.pos.has_value());
    EXPECT_FALSE(main.size.has_value());

    // Restarted, it opens maximised again.
    auto restarted = std::make_unique<MainFrame>(prompter, [] { return std::optional<long long>(0); });
    WindowStateBinding::bind(restarted.get(), QStringLiteral("Main"));
    restarted->show();
    guitest::settle();
    EXPECT_TRUE(restarted->isMaximized());
}

TEST_F(FrameFixture, CommandsOfTheProgramsWindowsAreEnabled)
{
    for (const char *text : { "&Browse Brews", "Br&owse Kits/Recipes", "Browse &Web Links", "Browse &Shopping List",
             "&Program Defaults   ", "&Calculator", "&Contents", "E&xit", "&Backup Data Files",
             "Export all Brew Records to CSV File", "By &Batch number - Descending" })
        EXPECT_TRUE(frame->command(QString::fromUtf8(text))->isEnabled()) << text;
}

TEST_F(FrameFixture, TileAndCascadeNeverResizeTheFrameAndKeepFixedWindowsAtTheirSize)
{
    frame->resize(1000, 700);
    guitest::showActive(frame.get());
    frame->command(QStringLiteral("&About Maltwright 3"))->trigger();
    frame->command(QStringLiteral("&Browse Brews"))->trigger();
    guitest::settle();
    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 2);
    QMdiSubWindow *about = nullptr;
    for (QMdiSubWindow *sub : frame->mdiArea()->subWindowList())
        if (dynamic_cast<Win_About *>(sub->widget()))
            about = sub;
    ASSERT_NE(about, nullptr);
    const QRect frameBefore = frame->geometry();
    const QSize aboutSize = about->size();
    for (const char *command : { "T&ile", "&Cascade", "T&ile" }) {
        SCOPED_TRACE(command);
        frame->command(QString::fromLatin1(command))->trigger();
        guitest::settle();
        EXPECT_EQ(frame->geometry(), frameBefore);
        EXPECT_EQ(about->size(), aboutSize);
        // Every window stays within the window area, its title bar and close box in reach.
        const QRect room = frame->mdiArea()->viewport()->rect();
        for (QMdiSubWindow *sub : frame->mdiArea()->subWindowList()) {
            EXPECT_GE(sub->x(), room.left());
            EXPECT_GE(sub->y(), room.top());
            EXPECT_TRUE(room.contains(sub->geometry().topRight()) || sub->width() > room.width());
        }
    }
}
