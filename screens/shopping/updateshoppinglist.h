#pragma once
// The shopping-list edit form (UpdateShoppingList): one item with its size, quantity and price,
// and the total they make. Its rules are in UpdateShoppingListLogic.

#include "screens/shopping/updateshoppinglistlogic.h"
#include "screens/windowing/catalogueform.h"

#include <memory>

class UpdateShoppingList : public CatalogueForm
{
public:
    static inline const QString kProcedure = QStringLiteral("UpdateShoppingList");

    UpdateShoppingList(FormRequest request, ShoppingTable &table, Prompter &prompter, QWidget *parent = nullptr);
    bool start(const ShoppingRecord &row);
    UpdateShoppingListLogic &logic() { return *m_logic; }

private:
    std::unique_ptr<UpdateShoppingListLogic> m_logic;
};

bool runUpdateShoppingList(
    QWidget *parent, FormRequest request, ShoppingTable &table, ShoppingRecord &buffer, Prompter &prompter);
