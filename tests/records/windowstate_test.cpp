#include "records/settings.h"
#include "records/windowstate.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace
{

class WindowStateTest : public ::testing::Test
{
protected:
    void SetUp() override { settings::setDataFolder(m_dir.path()); }
    QByteArray stateText()
    {
        QFile f(settings::windowStatePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    IniFile ini() { return settings::windowStateFile(); }

    QTemporaryDir m_dir;
};

TEST_F(WindowStateTest, StoredEntriesFollowTheWindowsState)
{
    struct Case {
        const char *name;
        bool maximized, minimized, resizable;
        const char *entries;
    };
    const Case cases[] = {
        { "normal, resizable", false, false, true,
            "Maximize=No\nMinimize=No\nXPos=10\nYPos=-20\nWidth=640\nHeight=480\n" },
        { "normal, fixed size", false, false, false, "Maximize=No\nMinimize=No\nXPos=10\nYPos=-20\n" },
        { "maximised", true, false, true, "Maximize=Yes\nMinimize=No\n" },
        { "minimised", false, true, true, "Maximize=No\nMinimize=Yes\n" },
    };
    for (const Case &c : cases) {
        // Every case starts from a window stored with all its entries.
        QFile::remove(settings::windowStatePath());
        WindowPlacement full { true, false, false, QPoint(1, 2), QSize(3, 4) };
        ASSERT_TRUE(windowstate::storePlacement("BrowseBrews", full, true));

        WindowPlacement closing { true, c.maximized, c.minimized, QPoint(10, -20), QSize(640, 480) };
        ASSERT_TRUE(windowstate::storePlacement("BrowseBrews", closing, c.resizable));
        EXPECT_EQ(stateText(), QByteArray("[BrowseBrews]\n") + c.entries) << c.name;

        const WindowPlacement read = windowstate::readPlacement("browsebrews");
        EXPECT_TRUE(read.known);
        EXPECT_EQ(read.maximized, c.maximized) << c.name;
        EXPECT_EQ(read.minimized, c.minimized) << c.name;
        EXPECT_EQ(read.pos.has_value(), !c.maximized && !c.minimized) << c.name;
        EXPECT_EQ(read.size.has_value(), !c.maximized && !c.minimized && c.resizable) << c.name;
    }
}

TEST_F(WindowStateTest, UnknownOrDamagedEntriesKeepTheDesignedPlace)
{
    EXPECT_EQ(windowstate::readPlacement("Main"), WindowPlacement {});
    ini().update("Main", { { "Maximize", "maybe" }, { "XPos", "10" }, { "YPos", "10" } });
    EXPECT_EQ(windowstate::readPlacement("Main"), WindowPlacement {});

    ini().update("Main", { { "Maximize", "No" }, { "XPos", "ten" }, { "Width", "0" }, { "Height", "300" } });
    const WindowPlacement read = windowstate::readPlacement("Main");
    EXPECT_TRUE(read.known);
    EXPECT_FALSE(read.pos.has_value());
    EXPECT_FALSE(read.size.has_value());
}

TEST_F(WindowStateTest, ColumnLayoutMemory)
{
    const QString design = "80L(2)|M~Batch~@n4@#2#";
    const QString oldDesign = "70L(2)|M~Batch~@n4@#2#";
    const QString userLayout = "120L(2)|M~Batch~@n4@#2#";
    struct Case {
        const char *name;
        QString designedEntry, userEntry, designed, used;
        bool rewritten;
    };
    const Case cases[] = {
        { "first use", {}, {}, design, design, true },
        { "same design, user layout", design, userLayout, design, userLayout, false },
        { "same design, no user layout", design, {}, design, design, false },
        { "changed design discards the user layout", oldDesign, userLayout, design, design, true },
        { "a design without picture marks is no format", "80L", "120L", "80L", "80L", true },
    };
    for (const Case &c : cases) {
        QFile::remove(settings::windowStatePath());
        if (!c.designedEntry.isEmpty())
            ini().write("BrowseBrews", windowstate::kDesignedFormatEntry, c.designedEntry);
        if (!c.userEntry.isEmpty())
            ini().write("BrowseBrews", windowstate::kUserFormatEntry, c.userEntry);
        EXPECT_EQ(windowstate::columnFormatOnOpen("BrowseBrews", c.designed), c.used) << c.name;
        if (c.rewritten) {
            EXPECT_EQ(ini().read("BrowseBrews", windowstate::kDesignedFormatEntry), c.designed) << c.name;
            EXPECT_EQ(ini().read("BrowseBrews", windowstate::kUserFormatEntry), c.designed) << c.name;
        } else {
            EXPECT_EQ(ini().read("BrowseBrews", windowstate::kUserFormatEntry), c.userEntry) << c.name;
        }
    }
    // Closing keeps what the user left, and the next opening uses it.
    QFile::remove(settings::windowStatePath());
    EXPECT_EQ(windowstate::columnFormatOnOpen("BrowseBrews", design), design);
    ASSERT_TRUE(windowstate::storeColumnFormat("BrowseBrews", userLayout));
    EXPECT_EQ(windowstate::columnFormatOnOpen("BrowseBrews", design), userLayout);
}

} // namespace
