#pragma once
// The rules of the web-links browse (BrowseWebLinks): the links with an address, in address order;
// "  &Connect to Web Site" and the list's own mouse and key actions open the highlighted address.
// Only web and mail addresses are handed to the desktop: anything else could start a program or
// open a file, so it is refused with a message and never started.

#include "records/weblinkstable.h"
#include "screens/windowing/cataloguebrowselogic.h"

#include <QUrl>

class BrowseWebLinksLogic : public CatalogueBrowseLogic<WebLinkRecord, WebLinkKey>
{
public:
    // Hands a checked address to the desktop's web browser or mail program.
    using Opener = std::function<void(const QUrl &)>;

    // `print` starts the web links report (Rpt_WebLinks) beside the browse.
    BrowseWebLinksLogic(WebLinksTable &table, Prompter &prompter, CatalogueBrowseView<WebLinkRecord> &view, Form form,
        Opener opener, std::function<void()> print);

    bool canPrint() const { return bool(m_print); }
    void print();

    // "  &Connect to Web Site".
    void connectToWebSite();

    // The list's own actions: a double-click with the left button, a right-click, Ctrl+Enter, the
    // Insert and the Delete key. While a link is listed each asks "Link to..." instead of its usual
    // work; false when the action keeps its usual browse meaning (the list is empty), which for the
    // Insert key this logic has done already.
    enum class ListAction { DoubleClick, RightClick, CtrlEnter, InsertKey, DeleteKey };
    bool listAction(ListAction action);

    // The address the desktop is given for a stored one: http:, https: and mailto: addresses, and
    // a bare host name such as www.example.org (as http://); otherwise why it is refused.
    static Expected<QUrl> addressToOpen(const QString &stored);

    static Message noAddressMessage();
    static Message linkToQuestion(const WebLinkRecord &link);
    static Message refusedAddressMessage(const QString &stored, const QString &why);

private:
    void open(const QString &address);

    Opener m_opener;
    std::function<void()> m_print;
};
