#include "screens/weblinks/browseweblinkslogic.h"

#include "platform/messages.h"

#include <QRegularExpression>

namespace
{

QString withoutTrailingSpaces(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

bool isControl(QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; }

} // namespace

BrowseWebLinksLogic::BrowseWebLinksLogic(WebLinksTable &table, Prompter &prompter,
    CatalogueBrowseView<WebLinkRecord> &view, Form form, Opener opener, std::function<void()> print)
    : CatalogueBrowseLogic(table, prompter, view, std::move(form))
    , m_opener(std::move(opener))
    , m_print(std::move(print))
{
}

void BrowseWebLinksLogic::print()
{
    if (m_print)
        m_print();
}

Message BrowseWebLinksLogic::noAddressMessage()
{
    // A question icon, but only the one OK button.
    return messages::question(QStringLiteral("No records..."),
        QStringLiteral("No web address?||You must firstly select an address from the list."), QString());
}

Message BrowseWebLinksLogic::linkToQuestion(const WebLinkRecord &link)
{
    return messages::question(QStringLiteral("Link to..."),
        withoutTrailingSpaces(link.NAMECOMMENT) + QLatin1Char('|') + withoutTrailingSpaces(link.WEBADDRESS),
        QStringLiteral("C&onnect|&Cancel"));
}

Message BrowseWebLinksLogic::refusedAddressMessage(const QString &stored, const QString &why)
{
    // Shown without its control characters, which would garble the message.
    QString shown = withoutTrailingSpaces(stored);
    for (QChar &c : shown)
        if (isControl(c))
            c = QLatin1Char('?');
    return messages::warning(QStringLiteral("Web Address Not Opened"),
        QStringLiteral("%1||%2|Only web and mail addresses are opened: those that start with http:, https: or "
                       "mailto:, or a host name such as www.example.org.")
            .arg(shown, why));
}

Expected<QUrl> BrowseWebLinksLogic::addressToOpen(const QString &stored)
{
    const QString text = withoutTrailingSpaces(stored);
    for (QChar c : text)
        if (isControl(c))
            return Expected<QUrl>::failure(QStringLiteral("The address holds control characters."));
    const QString address = text.trimmed();
    if (address.isEmpty())
        return Expected<QUrl>::failure(QStringLiteral("The address is empty."));

    // A host name with at least one dot, an optional port, then anything: www.example.org/shop.
    static const QRegularExpression bareHost(
        QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?)+\\.?"
                       "(?::[0-9]{1,5})?(?:[/?#].*)?$"));
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    if (bareHost.match(address).hasMatch()) {
        const QUrl url(QStringLiteral("http://") + address, QUrl::TolerantMode);
        if (url.isValid() && !url.host().isEmpty())
            return url;
        return Expected<QUrl>::failure(QStringLiteral("The address is not a valid web address."));
    }
    const QRegularExpressionMatch m = scheme.match(address);
    const QString name = m.hasMatch() ? m.captured(1).toLower() : QString();
    if (name == QLatin1String("http") || name == QLatin1String("https")) {
        const QUrl url(address, QUrl::TolerantMode);
        if (url.isValid() && !url.host().isEmpty())
            return url;
        return Expected<QUrl>::failure(QStringLiteral("The address names no web site."));
    }
    if (name == QLatin1String("mailto")) {
        const QUrl url(address, QUrl::TolerantMode);
        if (url.isValid() && !url.path().isEmpty())
            return url;
        return Expected<QUrl>::failure(QStringLiteral("The address names no one to write to."));
    }
    return Expected<QUrl>::failure(QStringLiteral("This is not a web or mail address."));
}

void BrowseWebLinksLogic::open(const QString &address)
{
    const Expected<QUrl> url = addressToOpen(address);
    if (!url) {
        prompter().tell(refusedAddressMessage(address, url.message()));
        return;
    }
    if (m_opener)
        m_opener(*url);
}

void BrowseWebLinksLogic::connectToWebSite()
{
    const std::optional<WebLinkRecord> &link = selected();
    if (!link || withoutTrailingSpaces(link->WEBADDRESS).isEmpty()) {
        prompter().tell(noAddressMessage());
        view().moveFocus(BrowseControl::Insert);
        return;
    }
    open(link->WEBADDRESS);
}

bool BrowseWebLinksLogic::listAction(ListAction action)
{
    const std::optional<WebLinkRecord> &link = selected();
    if (!link) {
        // An empty list: the Insert key adds a link, the right-click opens the action menu
        // (the window's part), the others do nothing.
        if (action == ListAction::InsertKey)
            insert();
        return action == ListAction::InsertKey;
    }
    // Closing the question without a button counts as "&Cancel".
    if (prompter().ask(linkToQuestion(*link)) == 1)
        open(link->WEBADDRESS);
    return true;
}
