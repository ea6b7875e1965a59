#include "screens/kits/browsekitsrecipes.h"

#include "platform/gui/messagebox.h"
#include "records/globals.h"
#include "records/settings.h"
#include "screens/kits/updatekitsrecipes.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/pagedlistview.h"
#include "screens/windowing/windowhost.h"

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>

BrowseKitsRecipes::BrowseKitsRecipes(QWidget *parent, Prompter *prompter, BrowseKitsRecipesLogic::Form form)
    : CatalogueBrowse(kProcedure, QStringLiteral("Browse Kits/Recipes"), false, parent)
    , m_table(settings::dataFolder())
{
    setWindowTitle(QStringLiteral("Browse Kits/Recipes"));
    if (!prompter) {
        m_ownPrompter = std::make_unique<MessageBoxPrompter>(this);
        prompter = m_ownPrompter.get();
    }
    m_prompter = prompter;
    if (!m_table.open(*m_prompter))
        return;
    if (!form)
        form = [this](FormRequest request, KitRecord &buffer) {
            return runUpdateKitsRecipes(this, request, m_table, buffer, *m_prompter);
        };
    m_logic = std::make_unique<BrowseKitsRecipesLogic>(m_table, *m_prompter,
        static_cast<CatalogueBrowseView<KitRecord> &>(*this), std::move(form), std::function<void()> {});
    m_model = std::make_unique<RecordListModel<KitsTable>>(
        m_table, std::vector<ListColumn> { { QStringLiteral("NAMEOFBREW"), QString(), QStringLiteral("s45"), 320 } });

    m_insert = addButton(QStringLiteral("&Insert"), QStringLiteral("Add Kit/Recipe"), [this] { m_logic->insert(); });
    m_change = addButton(QStringLiteral("Ch&ange"), QStringLiteral("Edit Selection"), [this] { m_logic->change(); });
    m_delete = addButton(QStringLiteral("&Delete"), QStringLiteral("Remove Selected"), [this] { m_logic->remove(); });
    m_print = addButton(QStringLiteral("&Print"), QStringLiteral("Print List"), [this] { m_logic->print(); });
    addCloseAndHelp();
    showList(*m_model, int(KitKey::BrewKey), QStringLiteral("Brew Kits"),
        QStringLiteral("Insert all the Brews you use here."));
    list()->horizontalHeader()->hide();
    list()->horizontalHeader()->setStretchLastSection(true);
    syncList();
}

BrowseKitsRecipes::~BrowseKitsRecipes() { finish(); }

void BrowseKitsRecipes::selectionChanged()
{
    const Row *row = selectedRow();
    m_logic->setSelected(row ? std::optional<KitRecord>(m_table.fromRow(*row)) : std::nullopt);
}

void BrowseKitsRecipes::refreshButtons()
{
    if (!m_logic)
        return;
    m_insert->setEnabled(m_logic->canInsert());
    m_change->setEnabled(m_logic->canChange());
    m_delete->setEnabled(m_logic->canChange());
    m_print->setEnabled(m_logic->canPrint());
}

void BrowseKitsRecipes::reread(const std::optional<KitRecord> &at)
{
    rereadAt(at ? std::optional<Row>(m_table.toRow(*at)) : std::nullopt);
}

void BrowseKitsRecipes::moveFocus(BrowseControl control)
{
    if (control == BrowseControl::Insert)
        m_insert->setFocus();
    else
        listView()->setFocus();
}

void BrowseKitsRecipes::contextMenuRequested(const QPoint &at)
{
    QMenu menu(this);
    auto add = [&](const QString &text, bool enabled, std::function<void()> action) {
        QAction *a = menu.addAction(text);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [action] { action(); });
    };
    add(QStringLiteral("&Insert"), m_logic->canInsert(), [this] { m_logic->insert(); });
    add(QStringLiteral("Ch&ange"), m_logic->canChange(), [this] { m_logic->change(); });
    add(QStringLiteral("&Delete"), m_logic->canChange(), [this] { m_logic->remove(); });
    menu.exec(list()->viewport()->mapToGlobal(at));
}

void openBrowseKitsRecipes(QWidget *)
{
    QWidget *browse = WindowHost::startOnce(BrowseKitsRecipes::kProcedure, []() -> QWidget * {
        auto *window = new BrowseKitsRecipes;
        if (!window->isOpen()) {
            // The table could not be opened (already said): the window closes at once.
            glo().browseOpen = false;
            delete window;
            return nullptr;
        }
        return window;
    });
    if (auto *window = dynamic_cast<BrowseKitsRecipes *>(browse))
        window->listView()->setFocus();
}
