#include "screens/weblinks/browseweblinks.h"

#include "platform/gui/messagebox.h"
#include "records/globals.h"
#include "records/settings.h"
#include "screens/weblinks/updateweblinks.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/pagedlistview.h"
#include "screens/windowing/windowhost.h"

#include <QDesktopServices>
#include <QMenu>
#include <QPushButton>

BrowseWebLinks::BrowseWebLinks(
    QWidget *parent, Prompter *prompter, BrowseWebLinksLogic::Form form, BrowseWebLinksLogic::Opener opener)
    : CatalogueBrowse(kProcedure, QStringLiteral("Browse Web Links"), true, parent)
    , m_table(settings::dataFolder())
{
    setWindowTitle(QStringLiteral("Browse Web Links (URL's)"));
    if (!prompter) {
        m_ownPrompter = std::make_unique<MessageBoxPrompter>(this);
        prompter = m_ownPrompter.get();
    }
    m_prompter = prompter;
    if (!m_table.open(*m_prompter))
        return;
    if (!form)
        form = [this](FormRequest request, WebLinkRecord &buffer) {
            return runUpdateWebLinks(this, request, m_table, buffer, *m_prompter);
        };
    if (!opener)
        opener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    m_logic = std::make_unique<BrowseWebLinksLogic>(m_table, *m_prompter,
        static_cast<CatalogueBrowseView<WebLinkRecord> &>(*this), std::move(form), std::move(opener),
        std::function<void()> {});
    // Widths of 161 and 155 dialog units.
    m_model = std::make_unique<RecordListModel<WebLinksTable>>(m_table,
        std::vector<ListColumn> {
            { QStringLiteral("NAMECOMMENT"), QStringLiteral("Name of Web Site"), QStringLiteral("s45"), 250 },
            { QStringLiteral("WEBADDRESS"), QStringLiteral("Web Site Address"), QStringLiteral("S80"), 240 },
        });

    auto *select = addButton(QStringLiteral("&Select"), {}, [] {});
    select->hide(); // the browse is never opened for picking a link
    m_insert = addButton(QStringLiteral("&Insert"), QStringLiteral("Add Link"), [this] { m_logic->insert(); });
    m_change
        = addButton(QStringLiteral("Ch&ange"), QStringLiteral("Edit Selected Link"), [this] { m_logic->change(); });
    m_delete
        = addButton(QStringLiteral("&Delete"), QStringLiteral("Remove Selected Link"), [this] { m_logic->remove(); });
    m_print
        = addButton(QStringLiteral("  &Print"), QStringLiteral("Print list of links"), [this] { m_logic->print(); });
    m_connect = addButton(QStringLiteral("  &Connect to Web Site"),
        QStringLiteral("Opens browser program and loads the selected link."), [this] { m_logic->connectToWebSite(); });
    addCloseAndHelp();
    showList(*m_model, int(WebLinkKey::KeyWeb), QString(), QStringLiteral("Select URL"));
    syncList();
}

BrowseWebLinks::~BrowseWebLinks() { finish(); }

void BrowseWebLinks::selectionChanged()
{
    const Row *row = selectedRow();
    m_logic->setSelected(row ? std::optional<WebLinkRecord>(m_table.fromRow(*row)) : std::nullopt);
}

void BrowseWebLinks::refreshButtons()
{
    if (!m_logic)
        return;
    m_insert->setEnabled(m_logic->canInsert());
    m_change->setEnabled(m_logic->canChange());
    m_delete->setEnabled(m_logic->canChange());
    m_print->setEnabled(m_logic->canPrint());
}

void BrowseWebLinks::reread(const std::optional<WebLinkRecord> &at)
{
    rereadAt(at ? std::optional<Row>(m_table.toRow(*at)) : std::nullopt);
}

void BrowseWebLinks::moveFocus(BrowseControl control)
{
    if (control == BrowseControl::Insert)
        m_insert->setFocus();
    else
        listView()->setFocus();
}

void BrowseWebLinks::editRequested() { m_logic->listAction(BrowseWebLinksLogic::ListAction::DoubleClick); }
void BrowseWebLinks::insertRequested() { m_logic->listAction(BrowseWebLinksLogic::ListAction::InsertKey); }
void BrowseWebLinks::deleteRequested() { m_logic->listAction(BrowseWebLinksLogic::ListAction::DeleteKey); }

void BrowseWebLinks::contextMenuRequested(const QPoint &at)
{
    // On a listed link the right-click asks "Link to..."; on an empty list it opens the menu.
    if (m_logic->listAction(BrowseWebLinksLogic::ListAction::RightClick))
        return;
    QMenu menu(this);
    QAction *insert = menu.addAction(QStringLiteral("&Insert"));
    connect(insert, &QAction::triggered, this, [this] { m_logic->insert(); });
    menu.exec(list()->viewport()->mapToGlobal(at));
}

void openBrowseWebLinks(QWidget *)
{
    QWidget *browse = WindowHost::startOnce(BrowseWebLinks::kProcedure, []() -> QWidget * {
        auto *window = new BrowseWebLinks;
        if (!window->isOpen()) {
            glo().browseOpen = false;
            delete window;
            return nullptr;
        }
        return window;
    });
    if (auto *window = dynamic_cast<BrowseWebLinks *>(browse))
        window->listView()->setFocus();
}
