#include "screens/kits/browsekitsrecipeslogic.h"

BrowseKitsRecipesLogic::BrowseKitsRecipesLogic(
    KitsTable &table, Prompter &prompter, CatalogueBrowseView<KitRecord> &view, Form form, std::function<void()> print)
    : CatalogueBrowseLogic(table, prompter, view, std::move(form))
    , m_print(std::move(print))
{
}

void BrowseKitsRecipesLogic::print()
{
    if (m_print)
        m_print();
}
