#pragma once
// The web-link edit form (UpdateWebLinks): a site's name and address. Its rules are in
// UpdateWebLinksLogic.

#include "screens/weblinks/updateweblinkslogic.h"
#include "screens/windowing/catalogueform.h"

#include <memory>

class UpdateWebLinks : public CatalogueForm
{
public:
    static inline const QString kProcedure = QStringLiteral("UpdateWebLinks");

    UpdateWebLinks(FormRequest request, WebLinksTable &table, Prompter &prompter, QWidget *parent = nullptr);
    bool start(const WebLinkRecord &row);
    UpdateWebLinksLogic &logic() { return *m_logic; }

private:
    std::unique_ptr<UpdateWebLinksLogic> m_logic;
};

bool runUpdateWebLinks(
    QWidget *parent, FormRequest request, WebLinksTable &table, WebLinkRecord &buffer, Prompter &prompter);
