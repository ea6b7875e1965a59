#include "screens/shopping/updateshoppinglist.h"

#include "platform/picture.h"
#include "screens/widgets/decimalspinbox.h"
#include "screens/windowing/formbinder.h"
#include "screens/windowing/windowhost.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

UpdateShoppingList::UpdateShoppingList(FormRequest request, ShoppingTable &table, Prompter &prompter, QWidget *parent)
    : CatalogueForm(kProcedure, QStringLiteral("Update Shopping List"), QStringLiteral("General"), parent)
    , m_logic(std::make_unique<UpdateShoppingListLogic>(request, table, prompter, *this))
{
    addDisplay(QStringLiteral("Item No."),
        [this] { return Picture(QStringLiteral("N4B")).text(static_cast<long long>(m_logic->record().RECORDNUMBER)); });
    addText(
        QStringLiteral("ITEM"), QStringLiteral("&Description:"), 45, {}, [this] { return m_logic->record().ITEM; },
        [this](const QString &v) { m_logic->record().ITEM = v; });
    addText(
        QStringLiteral("SIZE"), QStringLiteral("&Size:"), 25, {}, [this] { return m_logic->record().SIZE; },
        [this](const QString &v) { m_logic->record().SIZE = v; });

    auto *qty = new DecimalSpinBox(this);
    qty->setObjectName(QStringLiteral("QTY"));
    qty->setDecimals(2);
    qty->setAllowedRange(Decimal::fromScaled(1, 2), Decimal(10000));
    qty->setStep(Decimal(1));
    qty->setBlankWhenZero(true);
    binder().decimalSpin(
        idOf(QStringLiteral("QTY")), qty, [this] { return m_logic->record().QTY; },
        [this](Decimal v) { m_logic->record().QTY = v; });
    auto *qtyPrompt = new QLabel(QStringLiteral("&Quantity:"), this);
    qtyPrompt->setBuddy(qty);
    fields()->addRow(qtyPrompt, qty);

    auto *price = new QLineEdit(this);
    price->setObjectName(QStringLiteral("PRICE"));
    price->setMaxLength(12);
    price->setAlignment(Qt::AlignRight);
    // Larger prices are taken in, so the form can say what a price may be instead of a beep.
    binder().number(
        idOf(QStringLiteral("PRICE")), price, QStringLiteral("N10.2B"), Decimal(), Decimal(9999999),
        [this] { return m_logic->record().PRICE; }, [this](Decimal v) { m_logic->record().PRICE = v; });
    auto *pricePrompt = new QLabel(QStringLiteral("&Price:"), this);
    pricePrompt->setBuddy(price);
    fields()->addRow(pricePrompt, price);
    addDisplay(QStringLiteral("Total:"), [this] { return Picture(QStringLiteral("N10.2")).text(m_logic->amount()); });

    setActions({ [this] { m_logic->ok(); }, [this] { m_logic->cancel(); }, [this] { return m_logic->completed(); },
        [this](const QString &field) {
            if (field == QLatin1String("QTY"))
                m_logic->quantityEvent();
            else if (field == QLatin1String("PRICE"))
                m_logic->priceEvent();
        } });
    finishLayout();
}

bool UpdateShoppingList::start(const ShoppingRecord &row)
{
    if (!m_logic->open(row))
        return false;
    setWindowTitle(m_logic->caption());
    return true;
}

bool runUpdateShoppingList(
    QWidget *parent, FormRequest request, ShoppingTable &table, ShoppingRecord &buffer, Prompter &prompter)
{
    bool completed = false;
    WindowHost::callOnce(
        UpdateShoppingList::kProcedure,
        [&]() -> std::unique_ptr<QDialog> {
            auto form = std::make_unique<UpdateShoppingList>(request, table, prompter, parent);
            if (!form->start(buffer))
                return nullptr;
            return form;
        },
        WindowStateBinding::FixedSize,
        [&](QDialog &dialog) {
            UpdateShoppingListLogic &logic = static_cast<UpdateShoppingList &>(dialog).logic();
            completed = logic.completed();
            if (completed)
                buffer = *logic.lastSaved();
        });
    return completed;
}
