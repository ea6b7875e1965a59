#include "records/globals.h"
#include "records/settings.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace
{

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings::setDataFolder(m_dir.path());
        // Values a previous run could have left, so a load that skips one shows.
        Globals &g = glo();
        g.TIPFLAG = g.SETDEFAULTSYN = g.OPENATBROWSE = g.OPENATSTOCKONLY = 7;
        g.OVERRIDEFERMENTATION = g.UNITSPROMPT = g.TEMPPROMPT = g.ALCBASEDON = 7;
    }
    void putSettings(const QByteArray &data)
    {
        QFile f(settings::settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    QByteArray settingsText()
    {
        QFile f(settings::settingsPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static std::vector<int> loaded()
    {
        const Globals &g = glo();
        return { g.TIPFLAG, g.OPENATBROWSE, g.OPENATSTOCKONLY, g.OVERRIDEFERMENTATION, g.UNITSPROMPT, g.TEMPPROMPT,
            g.ALCBASEDON, g.SETDEFAULTSYN };
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsTest, FilesLiveInTheDataFolder)
{
    EXPECT_EQ(settings::settingsPath(), m_dir.filePath("Maltwright.ini"));
    EXPECT_EQ(settings::windowStatePath(), m_dir.filePath("Browse.ini"));
}

// No settings file: tooltips off, imperial, Fahrenheit, by weight, no browse at
// start, browse on in-stock brews, fermentation computed, first-run prompt due.
TEST_F(SettingsTest, MissingOrDamagedFileGivesTheFirstRunValues)
{
    static const char kGarbage[] = "\x00\xFF\xFE garbage\n[Defaults\nTipFlag=1\n\x00";
    for (const QByteArray &damaged : { QByteArray(), QByteArray(kGarbage, sizeof kGarbage - 1) }) {
        SetUp();
        if (!damaged.isEmpty())
            putSettings(damaged);
        settings::loadTipFlag();
        EXPECT_EQ(glo().TIPFLAG, 0);
        const settings::FrameSettings frame = settings::loadFrameSettings();
        EXPECT_TRUE(frame.toolbarShown);
        EXPECT_EQ(loaded(), std::vector<int>(8, 0));
        EXPECT_EQ(settingsText(), damaged); // reading never writes
    }
}

TEST_F(SettingsTest, TextsBecomeByteValues)
{
    struct Case {
        const char *text;
        int value;
    };
    const Case cases[] = { { "1", 1 }, { "0", 0 }, { "2", 2 }, { "", 0 }, { "abc", 0 }, { " 1 ", 1 }, { "1abc", 0 },
        { "1.9", 1 }, { "-1", 0 }, { "300", 255 }, { "255", 255 } };
    for (const Case &c : cases)
        EXPECT_EQ(settings::toByte(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST_F(SettingsTest, NumbersOtherThanOneAndZeroAreKept)
{
    putSettings("[defaults]\nUnits=2\nAlc=2\nTemp=yes\nTipFlag=1\nDisplay=HIDE\n");
    settings::loadTipFlag();
    const settings::FrameSettings frame = settings::loadFrameSettings();
    EXPECT_FALSE(frame.toolbarShown);
    EXPECT_EQ(loaded(), (std::vector<int> { 1, 0, 0, 0, 2, 0, 2, 0 }));
    // OK of the defaults window without a change keeps the 2.
    ASSERT_TRUE(settings::storeDefaults());
    EXPECT_EQ(settings::readSetting(settings::kAlc), "2");
}

TEST_F(SettingsTest, DefaultsWindowValuesRoundTrip)
{
    Globals &g = glo();
    g.OPENATBROWSE = 0;
    g.OPENATSTOCKONLY = 1; // the all-brews box ticked
    g.TIPFLAG = 1;
    g.OVERRIDEFERMENTATION = 0;
    g.UNITSPROMPT = 1;
    g.TEMPPROMPT = 1;
    g.ALCBASEDON = 1;
    g.SETDEFAULTSYN = 1;
    ASSERT_TRUE(settings::storeDefaults());
    ASSERT_TRUE(settings::storeDefaultsSetYN());
    ASSERT_TRUE(settings::storeDisplay(true));
    EXPECT_EQ(settingsText(),
        "[Defaults]\nOpenBrowse=0\nOpenAtStock=1\nTipFlag=1\nOverride=0\nUnits=1\nTemp=1\n"
        "Alc=1\nDefaultsSetYN=1\nDisplay=UNHIDE\n");

    SetUp(); // the next run
    settings::loadTipFlag();
    const settings::FrameSettings frame = settings::loadFrameSettings();
    EXPECT_TRUE(frame.toolbarShown);
    EXPECT_EQ(loaded(), (std::vector<int> { 1, 0, 1, 0, 1, 1, 1, 1 }));

    ASSERT_TRUE(settings::storeDisplay(false));
    EXPECT_EQ(settings::readSetting(settings::kDisplay), "HIDE");
    EXPECT_FALSE(settings::loadFrameSettings().toolbarShown);
}

} // namespace
