#pragma once
// The rules of the kits/recipes browse (BrowseKitsRecipes): every kit with a name, in name order,
// with insert, change and delete through the kit form and the kits report.

#include "records/kitstable.h"
#include "screens/windowing/cataloguebrowselogic.h"

class BrowseKitsRecipesLogic : public CatalogueBrowseLogic<KitRecord, KitKey>
{
public:
    // `print` runs the kits report (Rpt_KitsRecipes) on the browse's handle; the browse waits.
    BrowseKitsRecipesLogic(KitsTable &table, Prompter &prompter, CatalogueBrowseView<KitRecord> &view, Form form,
        std::function<void()> print);

    bool canPrint() const { return bool(m_print); }
    // The report lists every kit, whatever is highlighted.
    void print();

private:
    std::function<void()> m_print;
};
