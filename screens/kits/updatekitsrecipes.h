#pragma once
// The kit/recipe edit form (UpdateKitsRecipes): one description, called by the kits browse on
// its handle. Its rules are in UpdateKitsRecipesLogic.

#include "screens/kits/updatekitsrecipeslogic.h"
#include "screens/windowing/catalogueform.h"

#include <memory>

class UpdateKitsRecipes : public CatalogueForm
{
public:
    static inline const QString kProcedure = QStringLiteral("UpdateKitsRecipes");

    UpdateKitsRecipes(FormRequest request, KitsTable &table, Prompter &prompter, QWidget *parent = nullptr);
    bool start(const KitRecord &row);
    UpdateKitsRecipesLogic &logic() { return *m_logic; }

private:
    std::unique_ptr<UpdateKitsRecipesLogic> m_logic;
};

// Runs the form for `request` over the browse's handle and buffer; true when it completed, the
// buffer then holding the kit to highlight.
bool runUpdateKitsRecipes(
    QWidget *parent, FormRequest request, KitsTable &table, KitRecord &buffer, Prompter &prompter);
