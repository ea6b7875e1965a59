// The shopping-list browse and form rules over a real Shopping table in a scratch folder.
#include "screens/shopping/browseshoppinglistlogic.h"
#include "screens/shopping/updateshoppinglistlogic.h"
#include "screens/windowing/cataloguefixture.h"

#include <functional>

using namespace cataloguetest;

namespace
{

class ShoppingLogic : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(table.open()); }

    ShoppingRecord item(const char *name, const char *qty, const char *price, const char *amount)
    {
        return store(
            table, ShoppingRecord { 0, QString::fromLatin1(name), {}, dec(qty), dec(price), dec(amount) }, prompter);
    }
    // The browse with a form that types what `type` gives and presses OK.
    std::unique_ptr<BrowseShoppingListLogic> browse(std::function<void(UpdateShoppingListLogic &)> type)
    {
        return std::make_unique<BrowseShoppingListLogic>(
            table, prompter, browseView,
            [this, type](FormRequest request, ShoppingRecord &buffer) {
                UpdateShoppingListLogic form(request, table, prompter, formView);
                if (!form.open(buffer))
                    return false;
                type(form);
                form.ok();
                if (form.completed())
                    buffer = *form.lastSaved();
                return form.completed();
            },
            std::function<void()> {});
    }

    QTemporaryDir dir;
    ShoppingTable table { dir.path() };
    ScriptedPrompter prompter;
    RecordingFormView formView;
    RecordingBrowseView<ShoppingRecord> browseView;
};

TEST_F(ShoppingLogic, TheTotalFollowsQuantityTimesPrice)
{
    UpdateShoppingListLogic form(FormRequest::Insert, table, prompter, formView);
    ASSERT_TRUE(form.open({}));
    EXPECT_EQ(form.caption(), QStringLiteral("Add an Item"));
    EXPECT_EQ(form.record().RECORDNUMBER, 1) << "the item number is reserved and shown at once";
    EXPECT_EQ(form.record().QTY, Decimal(1));
    EXPECT_EQ(form.record().PRICE, Decimal());
    EXPECT_EQ(form.amount(), Decimal());

    struct Step {
        const char *qty; // nullptr: the price changes
        const char *price;
        const char *qtyAfter;
        const char *total;
    };
    const Step steps[] = {
        { nullptr, "2.50", "1", "2.50" }, { "3", nullptr, "3", "7.50" }, { nullptr, "1.25", "3", "3.75" },
        { "0", nullptr, "1", "1.25" }, // 0 or less becomes 1
        { "-2", nullptr, "1", "1.25" }, { "0.5", "0.333", "0.5", "0.17" }, // two decimals, half away from zero
    };
    for (const Step &s : steps) {
        if (s.price) {
            form.record().PRICE = dec(s.price);
            if (!s.qty)
                form.priceEvent();
        }
        if (s.qty) {
            form.record().QTY = dec(s.qty);
            form.quantityEvent();
        }
        EXPECT_EQ(form.record().QTY, dec(s.qtyAfter)) << s.qtyAfter;
        EXPECT_EQ(form.amount(), dec(s.total)) << s.total;
    }
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ShoppingLogic, SavingStoresTheAmountAndTheBrowseTotalRisesByIt)
{
    item("Malt", "2", "4.00", "8.00");
    auto list = browse([](UpdateShoppingListLogic &form) {
        form.record().ITEM = QStringLiteral("Hops");
        form.record().QTY = Decimal(3);
        form.quantityEvent();
        form.record().PRICE = dec("1.25");
        form.priceEvent();
    });
    list->open();
    EXPECT_EQ(list->grandTotal(), dec("8.00"));
    list->insert();
    EXPECT_EQ(list->grandTotal(), dec("11.75"));
    const std::vector<ShoppingRecord> rows = readAll(table, ShoppingKey::KeyRecordNumber);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].AMOUNT, dec("3.75"));
    EXPECT_EQ(browseView.rereads.back(), std::optional<ShoppingRecord>(rows[1])) << "the new item is highlighted";
    EXPECT_TRUE(formView.closed) << "an insert closes the form: no Record Added question";
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ShoppingLogic, AnItemWithoutPriceOpensWithTotalZeroWhateverItsStoredAmount)
{
    const ShoppingRecord odd = item("Bottles", "2", "0", "5.00");
    UpdateShoppingListLogic form(FormRequest::Change, table, prompter, formView);
    ASSERT_TRUE(form.open(**table.fetch(ShoppingKey::KeyRecordNumber, { std::int64_t(odd.RECORDNUMBER) })));
    EXPECT_EQ(form.caption(), QStringLiteral("Update Shopping List"));
    EXPECT_EQ(form.amount(), Decimal());
    form.ok();
    EXPECT_EQ(readAll(table, ShoppingKey::KeyRecordNumber)[0].AMOUNT, Decimal());
}

TEST_F(ShoppingLogic, RefusedValuesKeepTheFormOpenAndStoreNothing)
{
    struct Case {
        const char *item;
        const char *qty;
        const char *price;
        Message message;
        const char *focus;
    };
    const Case cases[] = {
        { "", "1", "2", UpdateShoppingListLogic::descriptionRequired(), "ITEM" },
        { "   ", "1", "2", UpdateShoppingListLogic::descriptionRequired(), "ITEM" },
        { "Sugar", "1000", "1", UpdateShoppingListLogic::quantityOutOfRange(), "QTY" },
        { "Sugar", "1", "100000", UpdateShoppingListLogic::priceOutOfRange(), "PRICE" },
        { "Sugar", "999.99", "100.01", UpdateShoppingListLogic::amountTooLarge(dec("100009.00")), "QTY" },
    };
    for (const Case &c : cases) {
        prompter.clear();
        RecordingFormView view;
        UpdateShoppingListLogic form(FormRequest::Insert, table, prompter, view);
        ASSERT_TRUE(form.open({}));
        form.record().ITEM = QString::fromLatin1(c.item);
        form.record().QTY = dec(c.qty);
        form.quantityEvent();
        form.record().PRICE = dec(c.price);
        form.priceEvent();
        form.ok();
        EXPECT_EQ(prompter.shown(), std::vector<Message> { c.message }) << c.qty << " " << c.price;
        EXPECT_EQ(view.lastFocus(), QString::fromLatin1(c.focus));
        EXPECT_FALSE(view.closed);
        const auto rows = readAll(table, ShoppingKey::KeyRecordNumber);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_TRUE(rows[0].ITEM.isEmpty()) << "only the reserved row, as reserved";
        prompter.answer(2);
        form.cancel();
        EXPECT_TRUE(view.closed);
        EXPECT_EQ(*table.countAll(), 0);
    }
    EXPECT_EQ(UpdateShoppingListLogic::descriptionRequired().caption, QStringLiteral("Field can not be empty..."));
    EXPECT_EQ(UpdateShoppingListLogic::descriptionRequired().text,
        QStringLiteral("A 'Description' is required.||Insert a description or select 'Cancel' to abort."));
    EXPECT_EQ(UpdateShoppingListLogic::descriptionRequired().icon, MessageIcon::Warning);
}

TEST_F(ShoppingLogic, DeleteAllEmptiesTheListClosesTheBrowseAndNumberingStartsAgain)
{
    for (const char *name : { "Malt", "Hops", "Yeast", "Sugar", "Caps" })
        item(name, "1", "1.00", "1.00");
    auto list = browse([](UpdateShoppingListLogic &form) { form.record().ITEM = QStringLiteral("Finings"); });
    list->open();
    ASSERT_TRUE(list->canDeleteAll());
    EXPECT_EQ(list->grandTotal(), dec("5.00"));

    prompter.answer(2);
    list->deleteAll();
    EXPECT_EQ(*table.countAll(), 5) << "No keeps every item";
    EXPECT_EQ(browseView.focus.back(), BrowseControl::List);
    EXPECT_FALSE(browseView.closed);

    prompter.answer(1);
    list->deleteAll();
    const Message question = BrowseShoppingListLogic::deleteAllQuestion();
    EXPECT_EQ(prompter.shown().back(), question);
    EXPECT_EQ(question.text,
        QStringLiteral(
            "This process will remove 'ALL' items then 'Close the Browse'| so a completely new shopping list "
            "can be created.||")
            + QString(26, QLatin1Char(' ')) + QStringLiteral("Remove all items?"));
    EXPECT_EQ(question.buttons, QStringLiteral("&Yes|&No"));
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_TRUE(browseView.closed);
    list.reset();

    // Opened again: empty, nothing to delete, and the next item is number 1.
    browseView = {};
    list = browse([](UpdateShoppingListLogic &form) { form.record().ITEM = QStringLiteral("Finings"); });
    list->open();
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(list->canDeleteAll());
    EXPECT_EQ(list->grandTotal(), Decimal());
    list->insert();
    EXPECT_TRUE(list->canDeleteAll());
    const auto rows = readAll(table, ShoppingKey::KeyRecordNumber);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].RECORDNUMBER, 1);

    // Deleting the last item leaves nothing for Delete All.
    list->setSelected(rows[0]);
    prompter.answer(1);
    list->remove();
    EXPECT_FALSE(list->canDeleteAll());
    EXPECT_EQ(list->grandTotal(), Decimal());
}

} // namespace
