#pragma once
// The rules of the web-link edit form (UpdateWebLinks): a new link starts with the usual beginning
// of a web address so only the rest of the host name is typed; nothing else is checked (a link
// with a blank address is kept but not listed).

#include "records/weblinkstable.h"
#include "screens/windowing/catalogueformlogic.h"

class UpdateWebLinksLogic : public CatalogueFormLogic<WebLinkRecord, WebLinkKey>
{
public:
    using CatalogueFormLogic::CatalogueFormLogic;

    static constexpr const char *kAddressStart = "http://www.";

    QString caption() const override;

protected:
    WebLinkRecord newRecord() const override;
};
