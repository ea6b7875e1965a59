// The catalogue windows as the user meets them: opened from the frame once each with the
// browse-open flag, the shopping list's total and Delete All through its buttons, and the web
// links' list keys asking "Link to..." instead of adding or deleting.

#include "platform/prompter.h"
#include "records/globals.h"
#include "records/settings.h"
#include "screens/frame/mainframe.h"
#include "screens/guitestsupport.h"
#include "screens/shopping/browseshoppinglist.h"
#include "screens/weblinks/browseweblinks.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/windowstatebinding.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace
{

struct CatalogueWindows : ::testing::Test {
    guitest::DataFolder data;
    ScriptedPrompter prompter;
    void TearDown() override { glo().browseOpen = false; }
};

} // namespace

TEST_F(CatalogueWindows, EachBrowseOpensOnceFromTheFrameAndClearsTheFlagOnClosing)
{
    WindowStateBinding::useWindowStateFile();
    {
        MainFrame frame(prompter, [] { return std::optional<long long>(0); });
        guitest::showActive(&frame);
        for (const char *command : { "Br&owse Kits/Recipes", "Browse &Web Links", "Browse &Shopping List" }) {
            SCOPED_TRACE(command);
            glo().browseOpen = false;
            frame.command(QString::fromUtf8(command))->trigger();
            frame.command(QString::fromUtf8(command))->trigger();
            guitest::settle();
            EXPECT_TRUE(glo().browseOpen);
            ASSERT_EQ(frame.mdiArea()->subWindowList().size(), 1) << "a second request brings the open one forward";
            frame.mdiArea()->subWindowList().front()->close();
            guitest::settle();
            EXPECT_FALSE(glo().browseOpen);
            EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());
        }
    }
    WindowStateBinding::setStore(nullptr, nullptr);
}

TEST_F(CatalogueWindows, ShoppingTotalAndDeleteAllThroughTheButtons)
{
    {
        ShoppingTable table(settings::dataFolder());
        ASSERT_TRUE(table.open().ok());
        for (int i = 0; i < 5; ++i) {
            ShoppingRecord item { 0, QStringLiteral("Malt"), {}, Decimal(1), Decimal(2), Decimal(2) };
            ASSERT_TRUE(table.insert(item, prompter).ok());
        }
    }
    BrowseShoppingList browse(nullptr, &prompter);
    ASSERT_TRUE(browse.isOpen());
    EXPECT_EQ(browse.totalLabel()->text(), QStringLiteral("10.00"));
    EXPECT_TRUE(browse.deleteAllButton()->isEnabled());
    prompter.answer(1);
    browse.deleteAllButton()->click();
    EXPECT_EQ(prompter.shown().back().caption, QStringLiteral("Confirm Delete All"));
    guitest::settle();

    BrowseShoppingList again(nullptr, &prompter);
    EXPECT_EQ(again.totalLabel()->text(), QStringLiteral("0.00"));
    EXPECT_FALSE(again.deleteAllButton()->isEnabled());
}

TEST_F(CatalogueWindows, WebLinkListKeysAskLinkTo)
{
    {
        WebLinksTable table(settings::dataFolder());
        ASSERT_TRUE(table.open().ok());
        WebLinkRecord link { 0, QStringLiteral("www.example.org"), QStringLiteral("Club") };
        ASSERT_TRUE(table.insert(link, prompter).ok());
    }
    QStringList opened;
    int forms = 0;
    BrowseWebLinks browse(
        nullptr, &prompter, [&](FormRequest, WebLinkRecord &) { return ++forms, false; },
        [&](const QUrl &url) { opened << url.toString(); });
    guitest::showActive(&browse);
    prompter.answer(2);
    guitest::key(browse.list(), Qt::Key_Delete);
    prompter.answer(2);
    guitest::key(browse.list(), Qt::Key_Insert);
    prompter.answer(1);
    guitest::key(browse.list(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(prompter.shown().size(), 3u);
    for (const Message &m : prompter.shown())
        EXPECT_EQ(m.text, QStringLiteral("Club|www.example.org"));
    EXPECT_EQ(forms, 0);
    EXPECT_EQ(opened, QStringList { "http://www.example.org" });
}
