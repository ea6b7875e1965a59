// The help: pages by name and keyword, "Not found" for a missing keyword, F1.
#include "screens/guitestsupport.h"

#include "platform/prompter.h"
#include "screens/help/helpsystem.h"
#include "screens/help/helpwindow.h"
#include "screens/windowing/windowhost.h"

#include <QHelpContentWidget>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace
{

struct HelpFixture : ::testing::Test {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    HelpSystem help { QStringLiteral(MW_HELP_QCH), dir.filePath(QStringLiteral("collection.qhc")), &prompter };

    QString shownPage() const
    {
        return help.window() && help.window()->isVisible() ? help.window()->currentUrl().fileName() : QString();
    }
};

} // namespace

TEST_F(HelpFixture, EveryKeywordOfTheProgramLeadsToAPage)
{
    ASSERT_EQ(help.error(), QString());
    // The keywords the windows' Help buttons ask for.
    const char *keywords[] = { "Alcohol % calculator", "Gravity correction calculator", "Unit conversion", "Unit cost",
        "Browse Brews", "Edit Brew", "Browse Kits/Recipes", "Edit a Kit/Recipe", "Browse Shopping List",
        "Update Shopping List", "Browse Web Links", "Update Web Links", "Program defaults", "Printing Reports",
        "Brew Labels", "Protecting your data" };
    for (const char *k : keywords) {
        const QUrl url = help.keywordUrl(QString::fromUtf8(k));
        EXPECT_FALSE(url.isEmpty()) << k;
        EXPECT_FALSE(help.pageData(url).isEmpty()) << k;
    }
}

TEST_F(HelpFixture, EveryWindowHasItsPage)
{
    const char *pages[] = { "Main", "BrowseBrews", "UpdateBrews", "BrowseBrewName", "UpdateBrewName", "ShoppingList",
        "UpdateSHOPPING", "BrowseWebLinks", "UpdateWebLinks", "Win_AlcCalculator", "Win_GravityCorrectionUtility",
        "Win_UnitConversions", "Win_CalculateCost", "Win_SugarAlc", "Win_SetPrgDefaults", "Win_SetPrgDefaultsYN",
        "Win_About", "Win_PrintFromToRange", "Win_CreateStandardLabels", "Win_CreateOwnLabels", "Win_BackupData",
        "MakeCSV", "ViewCSVFile", "Rpt_BrewsByBatchNo", "Rpt_ShoppingList" };
    for (const char *p : pages)
        EXPECT_FALSE(help.pageUrl(QString::fromLatin1(p)).isEmpty()) << p;
    EXPECT_TRUE(help.pageUrl(QStringLiteral("NoSuchWindow")).isEmpty());
}

TEST_F(HelpFixture, KeywordShowsItsPageAndAMissingOneSaysNotFound)
{
    EXPECT_TRUE(help.showKeyword(QStringLiteral("Program defaults")));
    EXPECT_EQ(shownPage(), QStringLiteral("Win_SetPrgDefaults.html"));
    EXPECT_TRUE(prompter.shown().empty());

    EXPECT_FALSE(help.showKeyword(QStringLiteral("Brewing on the Moon")));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Help topic"));
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("Not found"));
}

TEST_F(HelpFixture, F1ShowsThePageOfTheWindowWithTheFocus)
{
    help.installF1();
    QWidget window;
    WindowHost::setProcedure(&window, QStringLiteral("BrowseWebLinks"));
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new QLineEdit;
    layout->addWidget(edit);
    guitest::showActive(&window);
    edit->setFocus();
    guitest::settle();
    guitest::key(edit, Qt::Key_F1);
    EXPECT_EQ(shownPage(), QStringLiteral("BrowseWebLinks.html"));

    // A window that names another page shows that one.
    WindowHost::setProcedure(&window, QStringLiteral("BrowseShoppingList"), QStringLiteral("ShoppingList"));
    guitest::key(edit, Qt::Key_F1);
    EXPECT_EQ(shownPage(), QStringLiteral("ShoppingList.html"));
    qApp->removeEventFilter(&help);
}

TEST_F(HelpFixture, ContentsListsThePages)
{
    help.showContents();
    EXPECT_EQ(shownPage(), QStringLiteral("index.html"));
    EXPECT_TRUE(help.pageData(help.contentsUrl()).contains("Program defaults"));
}

TEST(Help, MissingPagesFileIsReportedNotFatal)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    HelpSystem help(dir.filePath(QStringLiteral("none.qch")), dir.filePath(QStringLiteral("c.qhc")), &prompter);
    EXPECT_TRUE(help.error().startsWith(QStringLiteral("The help file ")));
    help.showContents();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Error);
}

TEST_F(HelpFixture, TheHelpWindowOpensOnScreenShowsWholeTitlesAndClosesWithEscape)
{
    help.showContents();
    guitest::settle();
    HelpWindow *window = help.window();
    ASSERT_NE(window, nullptr);
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << window->frameGeometry().y() << "+" << window->frameGeometry().height();

    // Every open title fits the contents pane.
    QHelpContentWidget *contents = window->contents();
    const QFontMetrics metrics(contents->font());
    for (QModelIndex i = contents->model()->index(0, 0); i.isValid(); i = contents->indexBelow(i)) {
        const QRect cell = contents->visualRect(i);
        const int textRight = cell.left() + metrics.horizontalAdvance(i.data().toString());
        EXPECT_LE(textRight, contents->viewport()->width()) << i.data().toString().toStdString();
    }

    guitest::showActive(window);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
    guitest::settle();
    EXPECT_FALSE(window->isVisible());
}
