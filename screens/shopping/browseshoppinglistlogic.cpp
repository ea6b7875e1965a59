#include "screens/shopping/browseshoppinglistlogic.h"

#include "platform/messages.h"

BrowseShoppingListLogic::BrowseShoppingListLogic(ShoppingTable &table, Prompter &prompter,
    CatalogueBrowseView<ShoppingRecord> &view, Form form, std::function<void()> print)
    : CatalogueBrowseLogic(table, prompter, view, std::move(form))
    , m_print(std::move(print))
{
}

void BrowseShoppingListLogic::open() { listChanged(); }

void BrowseShoppingListLogic::listChanged()
{
    // The amounts are summed as stored: the form is the only place that computes them.
    Decimal total;
    std::int64_t count = 0;
    Bound from = Bound::edge();
    for (;;) {
        Expected<RecordPage<ShoppingRecord>> page
            = table().readPage(ShoppingKey::KeyRecordNumber, from, Direction::Forward, 500);
        if (!page) {
            prompter().tell(messages::error(QStringLiteral("Browse Shopping List"), page.message()));
            break;
        }
        for (const ShoppingRecord &item : page->rows)
            total += item.AMOUNT;
        count += std::int64_t(page->rows.size());
        if (page->atEnd || page->rows.empty())
            break;
        from = Bound::after(table().cursorOf(ShoppingKey::KeyRecordNumber, page->rows.back()));
    }
    m_grandTotal = total;
    m_count = count;
    view().refresh();
}

void BrowseShoppingListLogic::print()
{
    if (m_print)
        m_print();
}

Message BrowseShoppingListLogic::deleteAllQuestion()
{
    return messages::question(QStringLiteral("Confirm Delete All"),
        QStringLiteral("This process will remove 'ALL' items then 'Close the Browse'| so a completely new shopping "
                       "list can be created.||                          Remove all items?"),
        messages::kYesNo, 2);
}

Message BrowseShoppingListLogic::deleteAllFailed(const QString &why)
{
    return messages::error(QStringLiteral("Confirm Delete All"),
        QStringLiteral("The shopping list could not be emptied; every item is kept.|Error: %1.").arg(why));
}

void BrowseShoppingListLogic::deleteAll()
{
    if (!canDeleteAll())
        return;
    if (prompter().ask(deleteAllQuestion()) != 1) {
        view().moveFocus(BrowseControl::List);
        return;
    }
    // Every item goes in one transaction, so the list is never left half emptied, and a report
    // still reading it does not stand in the way. Numbering starts again at 1.
    const Result removed = table().removeAll();
    if (!removed) {
        prompter().tell(deleteAllFailed(removed.message()));
        view().reread(std::nullopt);
        listChanged();
        return;
    }
    view().closeBrowse();
}
