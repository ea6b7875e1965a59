// The brew browse window bound to its rules: typing in the list, the keys and the double-click
// that call the edit form, the tabs and the stock filter, and the column layout kept across
// openings.
#include "screens/brews/browsefixture.h"
#include "screens/guitestsupport.h"

#include "records/windowstate.h"
#include "screens/brews/browsebrews.h"
#include "screens/frame/mainframe.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/windowstatebinding.h"

#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

using namespace browsetest;
using guitest::key;
using guitest::settle;

namespace
{

[[maybe_unused]] void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

class BrowseWindowTest : public BrowseFixture
{
protected:
    void SetUp() override
    {
        BrowseFixture::SetUp();
        insertDozen();
        m_calls.updateBrews = [this](FormRequest request, BrewRecord &buffer) {
            m_requests.push_back({ request, buffer.BATCHNUMBER });
            return false;
        };
    }

    std::unique_ptr<BrowseBrews> openBrowse()
    {
        auto browse = std::make_unique<BrowseBrews>(nullptr, &m_prompter, &m_calls);
        EXPECT_TRUE(browse->isOpen());
        browse->resize(900, 640);
        guitest::showActive(browse.get());
        browse->list()->setFocus();
        settle();
        return browse;
    }

    QPushButton *button(QWidget &w, const QString &textOrTip)
    {
        for (QPushButton *b : w.findChildren<QPushButton *>())
            if (b->text() == textOrTip || b->toolTip() == textOrTip)
                return b;
        ADD_FAILURE() << "no button " << textOrTip.toStdString();
        return nullptr;
    }

    ScriptedPrompter m_prompter;
    BrowseBrewsCalls m_calls;
    std::vector<std::pair<FormRequest, int>> m_requests;
};

} // namespace

TEST_F(BrowseWindowTest, TypingInTheListMovesToTheTypedBatch)
{
    auto browse = openBrowse();
    PagedListTable *list = browse->list();
    guitest::type(list, QStringLiteral("7"));
    EXPECT_EQ(browse->logic().selected()->BATCHNUMBER, 7);
    EXPECT_EQ(list->currentIndex().row(), browse->logic().selectedRow());
    // Typing on continues the same text: "1", then "10".
    list->clearLocator();
    guitest::type(list, QStringLiteral("10"));
    EXPECT_EQ(list->locatorText(), QStringLiteral("10"));
    EXPECT_EQ(browse->logic().selected()->BATCHNUMBER, 10);

    // On the Kits/Recipes tab the text is a kit name, case ignored.
    browse->findChild<QTabBar *>()->setCurrentIndex(int(BrowseTab::Kits));
    guitest::type(list, QStringLiteral("PO"));
    EXPECT_EQ(browse->logic().selected()->BREWKIT, QStringLiteral("Porter"));
}

TEST_F(BrowseWindowTest, DoubleClickAndKeysCallTheEditForm)
{
    auto browse = openBrowse();
    PagedListTable *list = browse->list();

    const QRect cell = list->visualRect(list->model()->index(2, 1));
    QMouseEvent press(QEvent::MouseButtonPress, cell.center(), list->viewport()->mapToGlobal(cell.center()),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, cell.center(), list->viewport()->mapToGlobal(cell.center()),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &doubleClick);
    settle();
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0], std::make_pair(FormRequest::Change, 10));

    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        FormRequest request;
        int batch;
    } keys[] = {
        { Qt::Key_Return, Qt::ControlModifier, FormRequest::Change, 10 },
        { Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, FormRequest::Change, 10 },
        { Qt::Key_Insert, Qt::NoModifier, FormRequest::Insert, 0 },
        { Qt::Key_Delete, Qt::NoModifier, FormRequest::Delete, 10 },
    };
    for (const auto &k : keys) {
        m_requests.clear();
        key(list, k.key, k.mods);
        ASSERT_EQ(m_requests.size(), 1u) << k.key;
        EXPECT_EQ(m_requests[0], std::make_pair(k.request, k.batch)) << k.key;
    }
    // A plain Enter is not an edit.
    m_requests.clear();
    key(list, Qt::Key_Return);
    EXPECT_TRUE(m_requests.empty());
}

TEST_F(BrowseWindowTest, TabsFilterAndButtonsAsDesigned)
{
    glo().OPENATSTOCKONLY = 0;
    auto browse = openBrowse();
    auto *tabs = browse->findChild<QTabBar *>();
    ASSERT_EQ(tabs->count(), 5);
    const char *const texts[] = { "&Batch", "&Record", "&Kits/Recipes", "Da&te", "&Quality" };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), QString::fromLatin1(texts[i]));
        EXPECT_EQ(tabs->tabToolTip(i),
            i == 4 ? QStringLiteral("Displays brews with a tasting score only") : QStringLiteral("Sort by..."));
    }
    const auto radios = browse->findChildren<QRadioButton *>();
    ASSERT_EQ(radios.size(), 2);
    EXPECT_EQ(radios[0]->text(), QStringLiteral("View all bre&ws"));
    EXPECT_EQ(radios[0]->toolTip(), QStringLiteral("View all brews."));
    EXPECT_EQ(radios[1]->text(), QStringLiteral(" In &stock only"));
    EXPECT_EQ(radios[1]->toolTip(), QStringLiteral("View stock on hand only."));
    EXPECT_EQ(radios[0]->parentWidget()->toolTip(), QStringLiteral("View all or only those not yet consumed"));
    EXPECT_TRUE(radios[1]->isChecked());
    EXPECT_EQ(browse->list()->model()->rowCount(), std::min(6, browse->logic().model().visibleRows()));

    radios[0]->click();
    settle();
    EXPECT_EQ(browse->logic().stockFilter(), QStringLiteral("1"));
    EXPECT_EQ(browse->logic().count(), 12);
    EXPECT_TRUE(browse->list()->hasFocus());

    // Printing, labels and export wait for their windows.
    for (const char *tip : { "Print selected brew.", "Print detailed notes for selected brew.",
             "Print tasting sheet for selected brew", "Print a Brewers Record Sheet", "Print Labels", "Export (CSV)" })
        EXPECT_FALSE(button(*browse, QString::fromLatin1(tip))->isEnabled()) << tip;
    for (const char *text :
        { "&Add Brew", "&Edit Brew", "&Delete", "View Only Mode", "Copy brew to Update Brews", "Cl&ose", "&Help" })
        EXPECT_TRUE(button(*browse, QString::fromLatin1(text))->isEnabled()) << text;

    // The Quality tab in stock only: the scored brew in stock is listed.
    radios[1]->click();
    tabs->setCurrentIndex(int(BrowseTab::Quality));
    settle();
    EXPECT_EQ(browse->logic().count(), 2);
    EXPECT_TRUE(radios[0]->parentWidget()->isEnabled());
}

TEST_F(BrowseWindowTest, ColumnLayoutReturnsAfterReopeningAndClosingClearsTheOpenFlag)
{
    QString stored;
    {
        glo().browseOpen = true;
        auto browse = openBrowse();
        QHeaderView *header = browse->list()->horizontalHeader();
        EXPECT_EQ(browse->columnFormat(), BrewListModel::designedColumnFormat());
        header->resizeSection(BrewListModel::BrewKitColumn, 333);
        header->moveSection(header->visualIndex(BrewListModel::DateDownColumn), 0);
        stored = browse->columnFormat();
        EXPECT_EQ(stored, QStringLiteral("DATEDOWN:90@D017B|BATCHNUMBER:100@N4B|BREWKIT:333@S45"));
        browse->close();
        EXPECT_FALSE(glo().browseOpen);
    }
    const IniFile ini = settings::windowStateFile();
    EXPECT_EQ(ini.read(BrowseBrews::kProcedure, windowstate::kUserFormatEntry), stored);
    EXPECT_EQ(
        ini.read(BrowseBrews::kProcedure, windowstate::kDesignedFormatEntry), BrewListModel::designedColumnFormat());
    {
        auto browse = openBrowse();
        EXPECT_EQ(browse->columnFormat(), stored);
        QHeaderView *header = browse->list()->horizontalHeader();
        EXPECT_EQ(header->logicalIndex(0), int(BrewListModel::DateDownColumn));
        EXPECT_EQ(header->sectionSize(BrewListModel::BrewKitColumn), 333);
    }
    // A layout stored under another design is dropped once.
    ASSERT_TRUE(ini.write(BrowseBrews::kProcedure, windowstate::kDesignedFormatEntry,
        QStringLiteral("BATCHNUMBER:70@N4B|BREWKIT:200@S45|DATEDOWN:90@D017B")));
    auto browse = openBrowse();
    EXPECT_EQ(browse->columnFormat(), BrewListModel::designedColumnFormat());
}

namespace
{

int browseWindows(QMdiArea *area)
{
    int n = 0;
    for (QMdiSubWindow *sub : area->subWindowList())
        n += qobject_cast<BrowseBrews *>(sub->widget()) != nullptr;
    return n;
}

} // namespace

TEST_F(BrowseWindowTest, FrameCommandOpensOneBrowseAndRestoresItWhenMinimised)
{
    WindowStateBinding::useWindowStateFile();
    glo().browseOpen = false;
    {
        MainFrame frame(m_prompter, [] { return std::optional<long long>(12); });
        frame.show();
        settle();
        QAction *menu = frame.command(QStringLiteral("&Browse Brews"));
        ASSERT_TRUE(menu);
        menu->trigger();
        settle();
        ASSERT_EQ(browseWindows(frame.mdiArea()), 1);
        EXPECT_TRUE(glo().browseOpen);
        QMdiSubWindow *sub = frame.mdiArea()->subWindowList().front();
        EXPECT_EQ(sub->windowTitle(), QStringLiteral("Browse Brews"));
        auto *browse = qobject_cast<BrowseBrews *>(sub->widget());
        EXPECT_EQ(browse->logic().count(), 12);

        sub->showMinimized();
        settle();
        // The toolbar's button is the same command.
        QAction *tool = nullptr;
        for (QAction *a : frame.toolbarCommands())
            if (a->toolTip() == QStringLiteral("Browse Brews"))
                tool = a;
        ASSERT_TRUE(tool);
        tool->trigger();
        settle();
        EXPECT_EQ(browseWindows(frame.mdiArea()), 1);
        EXPECT_FALSE(sub->isMinimized());

        sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settle();
        EXPECT_EQ(browseWindows(frame.mdiArea()), 0);
        EXPECT_FALSE(glo().browseOpen);
    }
    WindowStateBinding::setStore(nullptr, nullptr);
}

TEST(BrowseWindowOpening, ADamagedLogIsReportedAndLeftAlone)
{
    guitest::DataFolder data;
    const QString path = data.dir.filePath(QStringLiteral("BREWSV3.sqlite"));
    const QByteArray garbage("this is not a brew log, only some text\n");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    ScriptedPrompter prompter;
    glo().browseOpen = true;
    {
        BrowseBrews browse(nullptr, &prompter);
        EXPECT_FALSE(browse.isOpen());
    }
    EXPECT_FALSE(glo().browseOpen);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("File Error"));
    EXPECT_TRUE(prompter.shown()[0].text.startsWith(QStringLiteral("File BREWSV3 could not be opened.  Error: ")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}
