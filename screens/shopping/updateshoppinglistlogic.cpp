#include "screens/shopping/updateshoppinglistlogic.h"

#include "platform/messages.h"

namespace
{

// What the fields of a shopping item hold: QTY is DECIMAL(5,2), PRICE and AMOUNT DECIMAL(7,2).
const Decimal kMaxQty = Decimal::fromScaled(99999, 2);
const Decimal kMinQty = Decimal::fromScaled(1, 2);
const Decimal kMaxMoney = Decimal::fromScaled(9999999, 2);

Message outOfRange(const QString &text) { return messages::info(QStringLiteral("Out of Range..."), text); }

} // namespace

QString UpdateShoppingListLogic::caption() const
{
    return request() == FormRequest::Insert ? QStringLiteral("Add an Item") : QStringLiteral("Update Shopping List");
}

ShoppingRecord UpdateShoppingListLogic::newRecord() const
{
    ShoppingRecord item;
    item.QTY = Decimal(1);
    return item;
}

void UpdateShoppingListLogic::opened()
{
    m_amount = Decimal();
    if (record().QTY > Decimal() && record().PRICE > Decimal())
        computeAmount();
}

void UpdateShoppingListLogic::computeAmount() { m_amount = (record().QTY * record().PRICE).rounded(2); }

void UpdateShoppingListLogic::quantityEvent()
{
    if (record().QTY <= Decimal())
        record().QTY = Decimal(1);
    computeAmount();
    view().refresh();
}

void UpdateShoppingListLogic::priceEvent()
{
    computeAmount();
    view().refresh();
}

Message UpdateShoppingListLogic::descriptionRequired()
{
    return messages::warning(QStringLiteral("Field can not be empty..."),
        QStringLiteral("A 'Description' is required.||Insert a description or select 'Cancel' to abort."));
}

Message UpdateShoppingListLogic::quantityOutOfRange()
{
    return outOfRange(QStringLiteral("The quantity must lie between 0.01 and 999.99."));
}

Message UpdateShoppingListLogic::priceOutOfRange()
{
    return outOfRange(QStringLiteral("The price must lie between 0.00 and 99,999.99."));
}

Message UpdateShoppingListLogic::amountTooLarge(const Decimal &amount)
{
    return outOfRange(
        QStringLiteral("The total of %1 is more than an item's amount can hold (99,999.99).||Lower the quantity or "
                       "the price.")
            .arg(amount.toFixed(2)));
}

bool UpdateShoppingListLogic::checkBeforeSave()
{
    ShoppingRecord &item = record();
    item.AMOUNT = m_amount;
    if (item.ITEM.trimmed().isEmpty()) {
        prompter().tell(descriptionRequired());
        view().moveFocus(QStringLiteral("ITEM"));
        return false;
    }
    // The store would refuse these too; the form says which value is at fault and where.
    if (item.QTY < kMinQty || item.QTY > kMaxQty) {
        prompter().tell(quantityOutOfRange());
        view().moveFocus(QStringLiteral("QTY"));
        return false;
    }
    if (item.PRICE < Decimal() || item.PRICE > kMaxMoney) {
        prompter().tell(priceOutOfRange());
        view().moveFocus(QStringLiteral("PRICE"));
        return false;
    }
    if (item.AMOUNT > kMaxMoney) {
        prompter().tell(amountTooLarge(item.AMOUNT));
        view().moveFocus(QStringLiteral("QTY"));
        return false;
    }
    return true;
}
