// The real message box: caption, icon, buttons and a width that shows the whole caption.
#include "screens/guitestsupport.h"

#include "platform/gui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

TEST(MessageBox, IsWideEnoughForItsCaptionAndEachLineOfItsText)
{
    const struct {
        const char *caption;
        const char *text;
    } cases[] = {
        { "% Alcohol by Volume (abv)", "Bottle fermentation.||Do you wish to add 0.5% |for the second fermentation?" },
        { "Copied to the Windows Clipboard...", "Short." },
        { "Duplicates disallowed...", "x" },
        { "Copy Brew...",
            "All the selected Brews details will be copied to a new brew record.||Useful if most of the information "
            "is going to be the same for the new brew |but obviously some details such as dates etc. will need to "
            "be revised." },
    };
    for (const auto &c : cases) {
        QMessageBox box;
        const Message message { QString::fromUtf8(c.caption), QString::fromUtf8(c.text), MessageIcon::Question,
            QStringLiteral("&Yes|&No"), 1 };
        const QList<QAbstractButton *> buttons = MessageBoxPrompter::build(box, message);
        box.show();
        QApplication::processEvents();
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).horizontalAdvance(message.caption);
        EXPECT_GE(box.width(), captionWidth + 100) << c.caption;
        int longestLine = 0;
        for (const QString &line : message.displayText().split(u'\n'))
            longestLine = std::max(longestLine, QFontMetrics(box.font()).horizontalAdvance(line));
        EXPECT_GE(box.width(), longestLine + 60) << c.caption << ": a line of the text would wrap";
        EXPECT_EQ(box.windowTitle(), message.caption);
        ASSERT_EQ(buttons.size(), 2);
        EXPECT_EQ(buttons[0]->text(), QStringLiteral("&Yes"));
        EXPECT_EQ(box.defaultButton(), buttons[0]);
        box.close();
    }
}

// A window asking while a modal window it opened is up (the browse answering for its edit form): the box
// must sit on the modal window and hand the keyboard back to it, not to the blocked asker behind it.
TEST(MessageBox, AskedWhileAModalWindowIsOpenBelongsToThatWindow)
{
    QWidget asker;
    guitest::showActive(&asker);
    QDialog form(&asker);
    form.setModal(true);
    guitest::showActive(&form);

    QWidget *boxOwner = nullptr;
    QTimer::singleShot(0, [&boxOwner] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxOwner = box->parentWidget();
        box->buttons().first()->click();
    });
    MessageBoxPrompter prompter(&asker);
    EXPECT_EQ(prompter.ask(
                  Message { QStringLiteral("Out of Range..."), QStringLiteral("x"), MessageIcon::Information, {}, 1 }),
        1);
    EXPECT_EQ(boxOwner, &form);
    guitest::settle();
    EXPECT_EQ(QApplication::activeWindow(), &form);
}
