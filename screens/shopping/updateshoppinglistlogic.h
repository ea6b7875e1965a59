#pragma once
// The rules of the shopping-list edit form (UpdateShoppingList): a new item starts with quantity 1;
// the total (LOC:AMOUNT) follows quantity times price and becomes the item's amount when it is
// saved; an item needs a description; values that the list cannot hold are refused, never cut.

#include "records/shoppingtable.h"
#include "screens/windowing/catalogueformlogic.h"

class UpdateShoppingListLogic : public CatalogueFormLogic<ShoppingRecord, ShoppingKey>
{
public:
    using CatalogueFormLogic::CatalogueFormLogic;

    QString caption() const override;
    // LOC:AMOUNT, shown after "Total:".
    const Decimal &amount() const { return m_amount; }

    // Any event of the quantity spin box (typed, stepped, focus in): a quantity of 0 or less
    // becomes 1, and the total follows.
    void quantityEvent();
    // Any event of the price field: the total follows.
    void priceEvent();

    static Message descriptionRequired();
    static Message quantityOutOfRange();
    static Message priceOutOfRange();
    static Message amountTooLarge(const Decimal &amount);

protected:
    ShoppingRecord newRecord() const override;
    void opened() override;
    bool checkBeforeSave() override;

private:
    void computeAmount();

    Decimal m_amount;
};
