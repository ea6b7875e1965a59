#pragma once
// The kits/recipes browse (BrowseKitsRecipes): every kit name in name order, with the buttons
// that add, change, delete and print. Its rules are in BrowseKitsRecipesLogic.

#include "screens/kits/browsekitsrecipeslogic.h"
#include "screens/windowing/cataloguebrowse.h"
#include "screens/windowing/pagedlistmodel.h"

class QPushButton;

class BrowseKitsRecipes : public CatalogueBrowse, private CatalogueBrowseView<KitRecord>
{
public:
    static inline const QString kProcedure = QStringLiteral("BrowseKitsRecipes");

    // Opens the Kits table of the data folder (a failure is shown; isOpen() is then false).
    // `prompter` and `form` replace the message box and the edit form (tests).
    explicit BrowseKitsRecipes(
        QWidget *parent = nullptr, Prompter *prompter = nullptr, BrowseKitsRecipesLogic::Form form = {});
    ~BrowseKitsRecipes() override;

    bool isOpen() const { return bool(m_logic); }
    BrowseKitsRecipesLogic &logic() { return *m_logic; }

private:
    // CatalogueBrowseView
    void reread(const std::optional<KitRecord> &at) override;
    void refresh() override { refreshButtons(); }
    void moveFocus(BrowseControl control) override;
    void closeBrowse() override { CatalogueBrowse::closeBrowse(); }

    // CatalogueBrowse
    void selectionChanged() override;
    void refreshButtons() override;
    void editRequested() override { m_logic->change(); }
    void insertRequested() override { m_logic->insert(); }
    void deleteRequested() override { m_logic->remove(); }
    void contextMenuRequested(const QPoint &at) override;

    KitsTable m_table;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    std::unique_ptr<RecordListModel<KitsTable>> m_model;
    std::unique_ptr<BrowseKitsRecipesLogic> m_logic;
    QPushButton *m_insert = nullptr, *m_change = nullptr, *m_delete = nullptr, *m_print = nullptr;
};

// Opens the kits browse as a started window, or brings the open one to the front.
void openBrowseKitsRecipes(QWidget *caller);
