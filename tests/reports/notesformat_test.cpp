// The stored form of brew notes, read and written without any widget, as a report reads it.
#include "reports/notesformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

TEST(NotesFormat, FormattedNotesWithTabStopsComeBackWholeAndPlainNotesStayPlain)
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("Day 1\tpitched"), bold);
    QTextBlockFormat tabbed;
    tabbed.setTabPositions(NotesFormat::regularTabs(40));
    c.insertBlock(tabbed);
    c.insertText(QStringLiteral("Day 3\t1.020 & <falling>"));

    const NotesFormat::Serialized stored = NotesFormat::serialize(doc);
    EXPECT_TRUE(stored.formatted);
    EXPECT_TRUE(NotesFormat::isFormatted(stored.html));
    EXPECT_EQ(NotesFormat::plainTextOf(stored.html), QStringLiteral("Day 1\tpitched\nDay 3\t1.020 & <falling>"));

    QTextDocument back;
    NotesFormat::load(back, stored.html);
    ASSERT_EQ(back.blockCount(), 2);
    EXPECT_TRUE(back.begin().blockFormat().tabPositions().isEmpty());
    const QList<QTextOption::Tab> tabs = back.begin().next().blockFormat().tabPositions();
    ASSERT_FALSE(tabs.isEmpty());
    EXPECT_EQ(tabs.first().position, 40);
    EXPECT_EQ(back.begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(NotesFormat::serialize(back).html, stored.html); // stable across a round trip

    // Plain notes are kept as they are, whatever they contain.
    const QString plain = QStringLiteral("<html> is just text here\nsecond line");
    EXPECT_FALSE(NotesFormat::isFormatted(plain));
    EXPECT_EQ(NotesFormat::plainTextOf(plain), plain);
    QTextDocument plainDoc;
    NotesFormat::load(plainDoc, plain);
    EXPECT_EQ(plainDoc.toPlainText(), plain);
    EXPECT_FALSE(NotesFormat::serialize(plainDoc).formatted);
}
