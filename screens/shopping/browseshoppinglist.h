#pragma once
// The shopping-list browse (BrowseShoppingList): the items in item-number order with their grand
// total, and the buttons that add, change, delete, print and empty the list. Its rules are in
// BrowseShoppingListLogic.

#include "screens/shopping/browseshoppinglistlogic.h"
#include "screens/windowing/cataloguebrowse.h"
#include "screens/windowing/pagedlistmodel.h"

class QLabel;
class QPushButton;

class BrowseShoppingList : public CatalogueBrowse, private CatalogueBrowseView<ShoppingRecord>
{
public:
    static inline const QString kProcedure = QStringLiteral("BrowseShoppingList");

    explicit BrowseShoppingList(
        QWidget *parent = nullptr, Prompter *prompter = nullptr, BrowseShoppingListLogic::Form form = {});
    ~BrowseShoppingList() override;

    bool isOpen() const { return bool(m_logic); }
    BrowseShoppingListLogic &logic() { return *m_logic; }
    QLabel *totalLabel() const { return m_total; }
    QPushButton *deleteAllButton() const { return m_deleteAll; }

private:
    void reread(const std::optional<ShoppingRecord> &at) override;
    void refresh() override { refreshButtons(); }
    void moveFocus(BrowseControl control) override;
    void closeBrowse() override { CatalogueBrowse::closeBrowse(); }

    void selectionChanged() override;
    void refreshButtons() override;
    void editRequested() override { m_logic->change(); }
    void insertRequested() override { m_logic->insert(); }
    void deleteRequested() override { m_logic->remove(); }
    void contextMenuRequested(const QPoint &at) override;
    std::optional<FieldValue> locatorValue(const QString &) const override { return std::nullopt; }

    ShoppingTable m_table;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    std::unique_ptr<RecordListModel<ShoppingTable>> m_model;
    std::unique_ptr<BrowseShoppingListLogic> m_logic;
    QLabel *m_total = nullptr;
    QPushButton *m_insert = nullptr, *m_change = nullptr, *m_delete = nullptr, *m_print = nullptr,
                *m_deleteAll = nullptr;
};

void openBrowseShoppingList(QWidget *caller);
