#pragma once
// The rules of the shopping-list browse (BrowseShoppingList): the items in item-number order, the
// grand total of their stored amounts, and "Delete &All", which empties the whole list at once
// and closes the browse.

#include "records/shoppingtable.h"
#include "screens/windowing/cataloguebrowselogic.h"

class BrowseShoppingListLogic : public CatalogueBrowseLogic<ShoppingRecord, ShoppingKey>
{
public:
    // `print` starts the shopping-list report (Rpt_ShoppingList) beside the browse.
    BrowseShoppingListLogic(ShoppingTable &table, Prompter &prompter, CatalogueBrowseView<ShoppingRecord> &view,
        Form form, std::function<void()> print);

    // Opening the window: the total and what may be pressed.
    void open();

    // LOC:GRANDTOTAL: the sum of every item's stored amount.
    const Decimal &grandTotal() const { return m_grandTotal; }
    std::int64_t count() const { return m_count; }

    bool canPrint() const { return bool(m_print); }
    void print();
    // "Delete &All" is offered while the list holds at least one item.
    bool canDeleteAll() const { return m_count > 0; }
    void deleteAll();

    static Message deleteAllQuestion();
    static Message deleteAllFailed(const QString &why);

protected:
    // Every refresh of the list reads the items again for the total and the count.
    void listChanged() override;

private:
    std::function<void()> m_print;
    Decimal m_grandTotal;
    std::int64_t m_count = 0;
};
