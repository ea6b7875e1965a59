#include "screens/widgets/notesedit.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>

namespace
{

void type(NotesEdit &notes, Qt::Key key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(notes.editor(), &press);
}

// Counts the changed signals of a notes box.
struct ChangeCount {
    explicit ChangeCount(NotesEdit &notes)
    {
        QObject::connect(&notes, &NotesEdit::changed, [this] { ++count; });
    }
    int count = 0;
};

QAction *action(NotesEdit &notes, const char *text)
{
    for (QAction *a : notes.findChildren<QAction *>()) {
        if (a->text() == QLatin1String(text))
            return a;
    }
    return nullptr;
}

void select(NotesEdit &notes, int from, int to)
{
    QTextCursor c = notes.editor()->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    notes.editor()->setTextCursor(c);
}

// Notes using every kind of formatting the toolbar offers.
void writeFormattedNotes(NotesEdit &notes)
{
    QTextEdit *e = notes.editor();
    notes.setStoredText({});
    QTextCursor c(e->document());
    c.insertText(QStringLiteral("Plain & <tag>  two spaces\tand a tab"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral(" bold"), bold);
    QTextCharFormat mixed;
    mixed.setFontItalic(true);
    mixed.setFontUnderline(true);
    mixed.setFontFamilies({ QStringLiteral("Liberation Serif") });
    mixed.setFontPointSize(14);
    mixed.setForeground(QColor(0x800000));
    mixed.setBackground(QColor(0xFFFF00));
    c.insertText(QStringLiteral(" styled"), mixed);
    c.insertText(QString(QChar::LineSeparator) + QStringLiteral("soft break"), QTextCharFormat());

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setIndent(2);
    centred.setTabPositions({ QTextOption::Tab(38, QTextOption::LeftTab), QTextOption::Tab(76, QTextOption::LeftTab) });
    c.insertBlock(centred);
    c.insertText(QStringLiteral("centred, indented, tab stops"));
    c.insertBlock(QTextBlockFormat()); // an empty line
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    c.insertBlock(justified);
    c.insertText(QStringLiteral("justified"));

    c.insertBlock(QTextBlockFormat());
    c.createList(QTextListFormat::ListDisc);
    c.insertText(QStringLiteral("bullet one"));
    c.insertBlock();
    c.insertText(QStringLiteral("bullet two"));
    c.insertBlock(QTextBlockFormat());
    QTextListFormat letters;
    letters.setStyle(QTextListFormat::ListLowerAlpha);
    letters.setIndent(2);
    c.createList(letters);
    c.insertText(QStringLiteral("letter"));
    c.insertBlock(QTextBlockFormat());
    c.createList(QTextListFormat::ListUpperRoman);
    c.insertText(QStringLiteral("roman"));
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    c.insertBlock(right);
    c.insertText(QStringLiteral("right"));
}

TEST(NotesEdit, FormattingSurvivesSavingAndReopening)
{
    NotesEdit original;
    writeFormattedNotes(original);
    const QString stored = original.toStoredText();
    EXPECT_TRUE(NotesEdit::isFormatted(stored));

    NotesEdit reopened;
    reopened.setStoredText(stored);
    EXPECT_EQ(reopened.plainText(), original.plainText());
    EXPECT_EQ(reopened.toStoredText(), stored);

    const QTextDocument *doc = reopened.editor()->document();
    QTextBlock b = doc->begin();
    QStringList runs;
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        runs << QStringLiteral("%1|w%2|i%3|u%4|%5|%6|%7|%8")
                    .arg(it.fragment().text())
                    .arg(f.fontWeight())
                    .arg(f.fontItalic())
                    .arg(f.fontUnderline())
                    .arg(f.fontFamilies().toStringList().join(','))
                    .arg(f.fontPointSize())
                    .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : "-")
                    .arg(f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color().name() : "-");
    }
    EXPECT_EQ(runs,
        (QStringList { "Plain & <tag>  two spaces\tand a tab|w400|i0|u0||0|-|-", " bold|w700|i0|u0||0|-|-",
            " styled|w400|i1|u1|Liberation Serif|14|#800000|#ffff00",
            QString(QChar::LineSeparator) + "soft break|w400|i0|u0||0|-|-" }));
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(b.blockFormat().indent(), 2);
    ASSERT_FALSE(b.blockFormat().tabPositions().isEmpty());
    EXPECT_EQ(b.blockFormat().tabPositions().at(1).position, 76);
    b = b.next();
    EXPECT_EQ(b.text(), "");
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    struct ListItem {
        const char *text;
        QTextListFormat::Style style;
        int indent;
    };
    const ListItem items[]
        = { { "bullet one", QTextListFormat::ListDisc, 1 }, { "bullet two", QTextListFormat::ListDisc, 1 },
              { "letter", QTextListFormat::ListLowerAlpha, 2 }, { "roman", QTextListFormat::ListUpperRoman, 1 } };
    for (const ListItem &item : items) {
        b = b.next();
        EXPECT_EQ(b.text(), item.text);
        ASSERT_NE(b.textList(), nullptr) << item.text;
        EXPECT_EQ(b.textList()->format().style(), item.style) << item.text;
        EXPECT_EQ(b.textList()->format().indent(), item.indent) << item.text;
    }
    b = b.next();
    EXPECT_EQ(b.text(), "right");
    EXPECT_EQ(b.textList(), nullptr);
    EXPECT_TRUE(b.blockFormat().alignment() & Qt::AlignRight);

    EXPECT_EQ(NotesEdit::plainTextOf(stored), original.plainText());
}

TEST(NotesEdit, NotesWithoutFormattingAreStoredAsPlainText)
{
    NotesEdit notes;
    notes.setStoredText(QStringLiteral("Racked on day 5.\nTasted <fine> & clear."));
    EXPECT_EQ(notes.toStoredText(), QStringLiteral("Racked on day 5.\nTasted <fine> & clear."));
    EXPECT_EQ(NotesEdit::plainTextOf(notes.toStoredText()), notes.plainText());
    notes.setStoredText({});
    EXPECT_EQ(notes.toStoredText(), "");
}

TEST(NotesEdit, TypingStopsAtTheLimit)
{
    NotesEdit notes;
    notes.setMaxCharacters(10);
    notes.setStoredText(QStringLiteral("123456789"));
    notes.editor()->moveCursor(QTextCursor::End);
    EXPECT_EQ(notes.statusText(), "9 of 10 characters");

    type(notes, Qt::Key_A, "a");
    EXPECT_EQ(notes.plainText(), "123456789a");
    EXPECT_EQ(notes.statusText(), "10 of 10 characters");

    struct Case {
        Qt::Key key;
        const char *text;
    };
    for (const Case &c : { Case { Qt::Key_B, "b" }, Case { Qt::Key_Return, "\r" }, Case { Qt::Key_Tab, "\t" } }) {
        type(notes, c.key, c.text);
        EXPECT_EQ(notes.plainText(), "123456789a") << c.text;
        EXPECT_EQ(notes.statusText(), NotesEdit::fullText());
    }

    // Typing over a selection replaces it, so it fits.
    select(notes, 0, 1);
    type(notes, Qt::Key_X, "x");
    EXPECT_EQ(notes.plainText(), "x23456789a");
    EXPECT_EQ(notes.statusText(), "10 of 10 characters");

    type(notes, Qt::Key_Backspace);
    EXPECT_EQ(notes.statusText(), "9 of 10 characters");
}

TEST(NotesEdit, TheMemosBytesAreALimitToo)
{
    NotesEdit notes;
    notes.setMaxCharacters(10);
    notes.setCapacity(10);
    notes.setStoredText(QString::fromUtf8("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9")); // five é, ten bytes
    notes.editor()->moveCursor(QTextCursor::End);
    type(notes, Qt::Key_A, "a");
    EXPECT_EQ(notes.characterCount(), 5);
    EXPECT_EQ(notes.statusText(), NotesEdit::fullText());
}

TEST(NotesEdit, APasteThatDoesNotFitIsRefusedWhole)
{
    NotesEdit notes;
    notes.setMaxCharacters(10);
    notes.setStoredText(QStringLiteral("12345678"));
    notes.editor()->moveCursor(QTextCursor::End);

    QApplication::clipboard()->setText(QStringLiteral("abcde"));
    notes.editor()->paste();
    EXPECT_EQ(notes.plainText(), "12345678");
    EXPECT_EQ(notes.statusText(), NotesEdit::pasteRefusedText(5, 2));
    EXPECT_EQ(notes.statusText(), "Nothing was pasted: the 5 characters pasted do not fit in the room left (2).");

    QApplication::clipboard()->setText(QStringLiteral("ab"));
    notes.editor()->paste();
    EXPECT_EQ(notes.plainText(), "12345678ab");
    EXPECT_EQ(notes.statusText(), "10 of 10 characters");
}

TEST(NotesEdit, NotesLoadedOverTheLimitAreKeptWhole)
{
    NotesEdit notes;
    notes.setMaxCharacters(5);
    notes.setStoredText(QStringLiteral("1234567"));
    EXPECT_EQ(notes.plainText(), "1234567");
    EXPECT_EQ(notes.statusText(), "7 of 5 characters");
    EXPECT_EQ(notes.toStoredText(), "1234567");
    notes.editor()->moveCursor(QTextCursor::End);
    type(notes, Qt::Key_8, "8");
    EXPECT_EQ(notes.plainText(), "1234567");
}

TEST(NotesEdit, FormattingTooLongForTheMemoFallsBackToPlainTextAndSaysSo)
{
    NotesEdit notes;
    notes.setMaxCharacters(1000);
    notes.setCapacity(300);
    const QString text(150, QLatin1Char('x'));
    notes.setStoredText(text);
    EXPECT_TRUE(notes.keepsFormatting());

    select(notes, 0, 150);
    action(notes, "Bold")->trigger();
    ASSERT_TRUE(notes.editor()->textCursor().charFormat().fontWeight() == QFont::Bold);
    EXPECT_TRUE(notes.keepsFormatting()); // still small enough

    action(notes, "Center")->trigger();
    for (int i = 0; i < 20; ++i) { // many small runs make the formatted text long
        QTextCharFormat italic;
        italic.setFontItalic(true);
        select(notes, i * 7, i * 7 + 3);
        notes.editor()->mergeCurrentCharFormat(italic);
    }
    EXPECT_FALSE(notes.keepsFormatting());
    EXPECT_EQ(notes.statusText(), "150 of 1,000 characters. " + NotesEdit::plainFallbackText());
    EXPECT_EQ(notes.toStoredText(), text);
    EXPECT_TRUE(notes.storedTextFits());
}

TEST(NotesEdit, ToolbarFormatsTheSelection)
{
    NotesEdit notes;
    notes.setStoredText(QStringLiteral("one\ntwo"));
    ChangeCount changed(notes);
    select(notes, 0, 3);
    action(notes, "Italic")->trigger();
    action(notes, "Bullets and Numbering")->trigger();
    const QTextDocument *doc = notes.editor()->document();
    EXPECT_TRUE(doc->begin().begin().fragment().charFormat().fontItalic());
    ASSERT_NE(doc->begin().textList(), nullptr);
    EXPECT_EQ(doc->begin().textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(doc->begin().next().textList(), nullptr);
    action(notes, "Increase Indent")->trigger();
    EXPECT_EQ(doc->begin().textList()->format().indent(), 2);
    EXPECT_GE(changed.count, 3);

    action(notes, "Bullets and Numbering")->trigger();
    EXPECT_EQ(doc->begin().textList(), nullptr);

    select(notes, 4, 7);
    action(notes, "Increase Indent")->trigger();
    EXPECT_EQ(doc->begin().next().blockFormat().indent(), 1);
    action(notes, "Decrease Indent")->trigger();
    action(notes, "Decrease Indent")->trigger();
    EXPECT_EQ(doc->begin().next().blockFormat().indent(), 0);
}

TEST(NotesEdit, FontAndSizeBoxesFormatTheSelection)
{
    NotesEdit notes;
    notes.setStoredText(QStringLiteral("sized text"));
    select(notes, 0, 5);
    QComboBox *size = nullptr;
    for (QComboBox *box : notes.findChildren<QComboBox *>()) {
        if (box->accessibleName() == QLatin1String("Font Size"))
            size = box;
    }
    ASSERT_NE(size, nullptr);
    size->setCurrentText(QStringLiteral("13")); // not in the list
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(size->lineEdit(), &enter);
    const QTextDocument *doc = notes.editor()->document();
    EXPECT_EQ(doc->begin().begin().fragment().text(), "sized");
    EXPECT_EQ(doc->begin().begin().fragment().charFormat().fontPointSize(), 13);

    auto *font = notes.findChild<QFontComboBox *>();
    ASSERT_GT(font->count(), 1);
    const QString other = font->itemText(font->currentIndex() == 0 ? 1 : 0);
    select(notes, 6, 10);
    font->setCurrentIndex(font->findText(other));
    EXPECT_EQ(doc->begin().begin().fragment().charFormat().fontFamilies().toStringList(), QStringList());
    const QTextFragment last = (--doc->begin().end()).fragment();
    EXPECT_EQ(last.text(), "text");
    EXPECT_EQ(last.charFormat().fontFamilies().toStringList(), QStringList { other });
}

TEST(NotesEdit, AutomaticColourTakesTheColourOff)
{
    NotesEdit notes;
    notes.setStoredText(QStringLiteral("red text"));
    select(notes, 0, 8);
    action(notes, "Red")->trigger();
    action(notes, "Bold")->trigger();
    const QTextDocument *doc = notes.editor()->document();
    EXPECT_EQ(doc->begin().begin().fragment().charFormat().foreground().color(), QColor(0xFF0000));
    // Both colour menus offer "Automatic"; the first is the font colour's.
    for (QAction *a : notes.findChildren<QAction *>()) {
        if (a->text() == QLatin1String("Automatic")) {
            a->trigger();
            break;
        }
    }
    const QTextCharFormat f = doc->begin().begin().fragment().charFormat();
    EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(f.fontWeight(), QFont::Bold); // other formatting stays
}

TEST(NotesEdit, ReadOnlyNotesCannotBeChanged)
{
    NotesEdit notes;
    notes.setStoredText(QStringLiteral("fixed"));
    ChangeCount changed(notes);
    notes.setReadOnly(true);
    notes.editor()->moveCursor(QTextCursor::End);
    type(notes, Qt::Key_A, "a");
    select(notes, 0, 5);
    action(notes, "Bold")->trigger();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    notes.editor()->paste();
    EXPECT_EQ(notes.plainText(), "fixed");
    EXPECT_EQ(notes.toStoredText(), "fixed");
    EXPECT_EQ(changed.count, 0);
    EXPECT_FALSE(action(notes, "Bold")->isEnabled());
    EXPECT_FALSE(action(notes, "Paste")->isEnabled());
}

TEST(NotesEdit, LoadingIsNotAChange)
{
    NotesEdit notes;
    ChangeCount changed(notes);
    notes.setStoredText(QStringLiteral("loaded"));
    notes.setHtml(QStringLiteral("<p><b>html</b></p>"));
    EXPECT_EQ(changed.count, 0);
    EXPECT_FALSE(notes.editor()->document()->isUndoAvailable());
    notes.editor()->moveCursor(QTextCursor::End);
    type(notes, Qt::Key_S, "s");
    EXPECT_EQ(changed.count, 1);
}

} // namespace
