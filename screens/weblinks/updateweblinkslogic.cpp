#include "screens/weblinks/updateweblinkslogic.h"

QString UpdateWebLinksLogic::caption() const
{
    return request() == FormRequest::Insert ? QStringLiteral("Add a Web Link") : QStringLiteral("Change a Web Link");
}

WebLinkRecord UpdateWebLinksLogic::newRecord() const
{
    WebLinkRecord link;
    link.WEBADDRESS = QString::fromLatin1(kAddressStart);
    return link;
}
