#pragma once
// The web-links browse (BrowseWebLinks): the links with an address in address order, the usual
// buttons and "  &Connect to Web Site". Its rules are in BrowseWebLinksLogic.

#include "screens/weblinks/browseweblinkslogic.h"
#include "screens/windowing/cataloguebrowse.h"
#include "screens/windowing/pagedlistmodel.h"

class QPushButton;

class BrowseWebLinks : public CatalogueBrowse, private CatalogueBrowseView<WebLinkRecord>
{
public:
    static inline const QString kProcedure = QStringLiteral("BrowseWebLinks");

    // `opener` replaces handing the address to the desktop (tests).
    explicit BrowseWebLinks(QWidget *parent = nullptr, Prompter *prompter = nullptr,
        BrowseWebLinksLogic::Form form = {}, BrowseWebLinksLogic::Opener opener = {});
    ~BrowseWebLinks() override;

    bool isOpen() const { return bool(m_logic); }
    BrowseWebLinksLogic &logic() { return *m_logic; }

private:
    void reread(const std::optional<WebLinkRecord> &at) override;
    void refresh() override { refreshButtons(); }
    void moveFocus(BrowseControl control) override;
    void closeBrowse() override { CatalogueBrowse::closeBrowse(); }

    void selectionChanged() override;
    void refreshButtons() override;
    void editRequested() override;
    void insertRequested() override;
    void deleteRequested() override;
    void contextMenuRequested(const QPoint &at) override;

    WebLinksTable m_table;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter = nullptr;
    std::unique_ptr<RecordListModel<WebLinksTable>> m_model;
    std::unique_ptr<BrowseWebLinksLogic> m_logic;
    QPushButton *m_insert = nullptr, *m_change = nullptr, *m_delete = nullptr, *m_print = nullptr, *m_connect = nullptr;
};

void openBrowseWebLinks(QWidget *caller);
