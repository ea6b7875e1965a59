// The drive letters of the backup where the system has none: which folder a typed letter
// stands for, and which letter holds the program's own folder.
#include "platform/volumeletters.h"

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
TEST(VolumeLettersTest, LettersStandForTheirFoldersInEitherCase)
{
    const VolumeLetters letters({ { QLatin1Char('A'), QStringLiteral("/media/stick"), QStringLiteral("STICK"), true },
        { QLatin1Char('B'), QStringLiteral("/home/brewer"), QStringLiteral("/home/brewer"), false },
        { QLatin1Char('C'), QStringLiteral("/"), QStringLiteral("/"), false } });
    EXPECT_EQ(letters.folderOf(QLatin1Char('a')), QStringLiteral("/media/stick"));
    EXPECT_EQ(letters.folderOf(QLatin1Char('B')), QStringLiteral("/home/brewer"));
    EXPECT_EQ(letters.folderOf(QLatin1Char('G')), std::nullopt);
    EXPECT_EQ(letters.folderOf(QLatin1Char('7')), std::nullopt);
    // The deepest folder holding the path wins.
    EXPECT_EQ(letters.letterOf(QStringLiteral("/home/brewer/beer")), QLatin1Char('B'));
    EXPECT_EQ(letters.letterOf(QStringLiteral("/home/brewery")), QLatin1Char('C'));
    EXPECT_EQ(letters.letterOf(QStringLiteral("/media/stick")), QLatin1Char('A'));
    EXPECT_EQ(letters.describe(QLatin1Char('a')), QStringLiteral("A: STICK"));
}

TEST(VolumeLettersTest, ThisMachineGivesAtMostSevenWritableFoldersRemovableFirst)
{
    const VolumeLetters letters = VolumeLetters::current();
    ASSERT_LE(letters.letters().size(), 7u);
    bool fixedSeen = false;
    for (std::size_t i = 0; i < letters.letters().size(); ++i) {
        const VolumeLetter &v = letters.letters()[i];
        EXPECT_EQ(v.letter, QLatin1Char(char('A' + i)));
        EXPECT_FALSE(v.removable && fixedSeen) << v.folder.toStdString();
        fixedSeen = fixedSeen || !v.removable;
    }
}
#endif
