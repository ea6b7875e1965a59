#include "screens/shopping/browseshoppinglist.h"

#include "platform/gui/messagebox.h"
#include "platform/picture.h"
#include "records/globals.h"
#include "records/settings.h"
#include "screens/shopping/updateshoppinglist.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/pagedlistview.h"
#include "screens/windowing/windowhost.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

BrowseShoppingList::BrowseShoppingList(QWidget *parent, Prompter *prompter, BrowseShoppingListLogic::Form form)
    : CatalogueBrowse(kProcedure, QStringLiteral("Browse Shopping List"), true, parent)
    , m_table(settings::dataFolder())
{
    setWindowTitle(QStringLiteral("Browse Shopping List"));
    if (!prompter) {
        m_ownPrompter = std::make_unique<MessageBoxPrompter>(this);
        prompter = m_ownPrompter.get();
    }
    m_prompter = prompter;
    if (!m_table.open(*m_prompter))
        return;
    if (!form)
        form = [this](FormRequest request, ShoppingRecord &buffer) {
            return runUpdateShoppingList(this, request, m_table, buffer, *m_prompter);
        };
    m_logic = std::make_unique<BrowseShoppingListLogic>(m_table, *m_prompter,
        static_cast<CatalogueBrowseView<ShoppingRecord> &>(*this), std::move(form), std::function<void()> {});
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    m_model = std::make_unique<RecordListModel<ShoppingTable>>(m_table,
        std::vector<ListColumn> {
            { QStringLiteral("RECORDNUMBER"), QStringLiteral("Item"), QStringLiteral("N6"), 50, Qt::AlignCenter },
            { QStringLiteral("ITEM"), QStringLiteral("Description"), QStringLiteral("S45"), 220 },
            { QStringLiteral("SIZE"), QStringLiteral("Size"), QStringLiteral("S25"), 110 },
            { QStringLiteral("QTY"), QStringLiteral("Qty"), QStringLiteral("N10.2"), 70, right },
            { QStringLiteral("PRICE"), QStringLiteral("Price"), QStringLiteral("N10.2"), 80, right },
            { QStringLiteral("AMOUNT"), QStringLiteral("Amount"), QStringLiteral("N10.2"), 80, right },
        });

    auto *totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("Total:"), this));
    m_total = new QLabel(this);
    m_total->setMinimumWidth(90);
    m_total->setAlignment(right);
    totals->addWidget(m_total);
    column()->insertLayout(1, totals);

    m_insert = addButton(QStringLiteral("&Insert"), QStringLiteral("Add Item"), [this] { m_logic->insert(); });
    m_change
        = addButton(QStringLiteral("Ch&ange"), QStringLiteral("Edit Selected Item"), [this] { m_logic->change(); });
    m_delete = addButton(
        QStringLiteral("&Delete Item"), QStringLiteral("Remove Selected Item"), [this] { m_logic->remove(); });
    m_print
        = addButton(QStringLiteral("  &Print"), QStringLiteral("Print Shopping List"), [this] { m_logic->print(); });
    m_deleteAll = addButton(QStringLiteral("Delete &All"), {}, [this] { m_logic->deleteAll(); });
    addCloseAndHelp();
    showList(*m_model, int(ShoppingKey::KeyRecordNumber), QString(), {});
    // The grand total is read with the wait cursor showing.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_logic->open();
    QApplication::restoreOverrideCursor();
    syncList();
}

BrowseShoppingList::~BrowseShoppingList() { finish(); }

void BrowseShoppingList::selectionChanged()
{
    const Row *row = selectedRow();
    m_logic->setSelected(row ? std::optional<ShoppingRecord>(m_table.fromRow(*row)) : std::nullopt);
}

void BrowseShoppingList::refreshButtons()
{
    if (!m_logic)
        return;
    m_total->setText(Picture(QStringLiteral("N10.2")).text(m_logic->grandTotal()));
    m_insert->setEnabled(m_logic->canInsert());
    m_change->setEnabled(m_logic->canChange());
    m_delete->setEnabled(m_logic->canChange());
    m_print->setEnabled(m_logic->canPrint());
    m_deleteAll->setEnabled(m_logic->canDeleteAll());
}

void BrowseShoppingList::reread(const std::optional<ShoppingRecord> &at)
{
    rereadAt(at ? std::optional<Row>(m_table.toRow(*at)) : std::nullopt);
}

void BrowseShoppingList::moveFocus(BrowseControl control)
{
    if (control == BrowseControl::Insert)
        m_insert->setFocus();
    else
        listView()->setFocus();
}

void BrowseShoppingList::contextMenuRequested(const QPoint &at)
{
    QMenu menu(this);
    auto add = [&](const QString &text, bool enabled, std::function<void()> action) {
        QAction *a = menu.addAction(text);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [action] { action(); });
    };
    add(QStringLiteral("&Insert"), m_logic->canInsert(), [this] { m_logic->insert(); });
    add(QStringLiteral("Ch&ange"), m_logic->canChange(), [this] { m_logic->change(); });
    add(QStringLiteral("&Delete Item"), m_logic->canChange(), [this] { m_logic->remove(); });
    menu.exec(list()->viewport()->mapToGlobal(at));
}

void openBrowseShoppingList(QWidget *)
{
    QWidget *browse = WindowHost::startOnce(BrowseShoppingList::kProcedure, []() -> QWidget * {
        auto *window = new BrowseShoppingList;
        if (!window->isOpen()) {
            glo().browseOpen = false;
            delete window;
            return nullptr;
        }
        return window;
    });
    if (auto *window = dynamic_cast<BrowseShoppingList *>(browse))
        window->listView()->setFocus();
}
