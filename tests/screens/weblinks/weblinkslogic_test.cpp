// The web-links browse and form rules over a real Web links table in a scratch folder.
#include "screens/weblinks/browseweblinkslogic.h"
#include "screens/weblinks/updateweblinkslogic.h"
#include "screens/windowing/cataloguefixture.h"

using namespace cataloguetest;

namespace
{

class WebLinksLogic : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(table.open()); }

    WebLinkRecord link(const char *name, const char *address)
    {
        return store(table, WebLinkRecord { 0, QString::fromLatin1(address), QString::fromLatin1(name) }, prompter);
    }
    BrowseWebLinksLogic browse()
    {
        return BrowseWebLinksLogic(
            table, prompter, view,
            [this](FormRequest request, WebLinkRecord &) { return requests.push_back(request), false; },
            [this](const QUrl &url) { opened.push_back(url.toString()); }, {});
    }

    QTemporaryDir dir;
    WebLinksTable table { dir.path() };
    ScriptedPrompter prompter;
    RecordingBrowseView<WebLinkRecord> view;
    std::vector<FormRequest> requests;
    QStringList opened;
};

TEST_F(WebLinksLogic, ANewLinkStartsWithTheWebPrefixAndMayBeSavedBlank)
{
    RecordingFormView formView;
    UpdateWebLinksLogic form(FormRequest::Insert, table, prompter, formView);
    ASSERT_TRUE(form.open({}));
    EXPECT_EQ(form.caption(), QStringLiteral("Add a Web Link"));
    EXPECT_EQ(form.record().WEBADDRESS, QStringLiteral("http://www."));
    EXPECT_EQ(form.record().WEBADDRESS.size(), 11);
    EXPECT_TRUE(form.record().NAMECOMMENT.isEmpty());
    form.record().WEBADDRESS.clear();
    form.record().NAMECOMMENT = QStringLiteral("Club night");
    form.ok();
    EXPECT_TRUE(formView.closed);
    EXPECT_TRUE(prompter.shown().empty()) << "the form checks nothing";
    EXPECT_EQ(*table.countAll(), 1) << "kept";
    EXPECT_TRUE(readAll(table, WebLinkKey::KeyWeb).empty()) << "but not listed";

    UpdateWebLinksLogic change(FormRequest::Change, table, prompter, formView);
    ASSERT_TRUE(change.open(**table.fetch(WebLinkKey::KeyRecordNumber, { std::int64_t(1) })));
    EXPECT_EQ(change.caption(), QStringLiteral("Change a Web Link"));
}

TEST_F(WebLinksLogic, ConnectOnAnEmptyListOrBlankAddressOpensNothing)
{
    BrowseWebLinksLogic links = browse();
    links.connectToWebSite();
    links.setSelected(WebLinkRecord { 1, QStringLiteral("   "), QStringLiteral("Blank") });
    links.connectToWebSite();
    const Message noAddress = BrowseWebLinksLogic::noAddressMessage();
    EXPECT_EQ(prompter.shown(), (std::vector<Message> { noAddress, noAddress }));
    EXPECT_EQ(noAddress.caption, QStringLiteral("No records..."));
    EXPECT_EQ(noAddress.text, QStringLiteral("No web address?||You must firstly select an address from the list."));
    EXPECT_EQ(noAddress.icon, MessageIcon::Question);
    EXPECT_TRUE(noAddress.buttons.isEmpty());
    EXPECT_EQ(view.focus, (std::vector<BrowseControl> { BrowseControl::Insert, BrowseControl::Insert }));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(WebLinksLogic, ListActionsAskLinkToInsteadOfTheirUsualWork)
{
    const WebLinkRecord club = link("Home Brew Club", "https://club.example.org/  ");
    BrowseWebLinksLogic links = browse();
    links.setSelected(club);
    using A = BrowseWebLinksLogic::ListAction;
    for (A action : { A::DoubleClick, A::RightClick, A::CtrlEnter, A::InsertKey, A::DeleteKey }) {
        prompter.answer(2); // "&Cancel"
        EXPECT_TRUE(links.listAction(action));
    }
    prompter.answer(0); // closed without a button
    links.listAction(A::DoubleClick);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(*table.countAll(), 1) << "Delete deleted nothing";
    const Message question = prompter.shown().front();
    EXPECT_EQ(question.caption, QStringLiteral("Link to..."));
    EXPECT_EQ(question.text, QStringLiteral("Home Brew Club|https://club.example.org/"));
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, QStringLiteral("C&onnect|&Cancel"));

    prompter.answer(1);
    links.listAction(A::DeleteKey);
    EXPECT_EQ(opened, QStringList { "https://club.example.org/" });

    // The buttons still do their work.
    links.insert();
    EXPECT_EQ(requests, std::vector<FormRequest> { FormRequest::Insert });

    // On an empty list the Insert key adds; the others keep their (empty) meaning.
    links.setSelected(std::nullopt);
    prompter.clear();
    EXPECT_TRUE(links.listAction(A::InsertKey));
    EXPECT_FALSE(links.listAction(A::RightClick)) << "the window shows its action menu";
    EXPECT_FALSE(links.listAction(A::DoubleClick));
    EXPECT_EQ(requests, (std::vector<FormRequest> { FormRequest::Insert, FormRequest::Insert }));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(WebLinksLogic, OnlyWebAndMailAddressesAreOpened)
{
    struct Case {
        const char *stored;
        const char *opened; // nullptr: refused
    };
    const Case cases[] = {
        { "http://www.example.org", "http://www.example.org" },
        { "HTTPS://Shop.Example.org/hops?x=1   ", "https://shop.example.org/hops?x=1" },
        { "mailto:brewer@example.org", "mailto:brewer@example.org" },
        { "www.example.org", "http://www.example.org" },
        { "shop.example.co.uk:8080/malt", "http://shop.example.co.uk:8080/malt" },
        { "file:///etc/passwd", nullptr },
        { "javascript:alert(1)", nullptr },
        { "C:\\Windows\\system32\\cmd.exe", nullptr },
        { "/usr/bin/xterm", nullptr },
        { "\\\\server\\share", nullptr },
        { "..\\brewdata", nullptr },
        { "ftp://example.org", nullptr },
        { "http:example.org", nullptr },
        { "mailto:", nullptr },
        { "http://www.example.org/\nrm", nullptr },
        { "www.example.org\t", nullptr },
        { "", nullptr },
    };
    for (const Case &c : cases) {
        const Expected<QUrl> url = BrowseWebLinksLogic::addressToOpen(QString::fromLatin1(c.stored));
        if (c.opened) {
            ASSERT_TRUE(url.ok()) << c.stored << ": " << url.message().toStdString();
            EXPECT_EQ(url->toString(), QString::fromLatin1(c.opened));
        } else {
            EXPECT_FALSE(url.ok()) << c.stored << " -> " << url->toString().toStdString();
        }
    }

    // Through the Connect button: told why, never started.
    const WebLinkRecord bad = link("Tool", "file:///usr/bin/xterm");
    BrowseWebLinksLogic links = browse();
    links.setSelected(bad);
    links.connectToWebSite();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0],
        BrowseWebLinksLogic::refusedAddressMessage(
            bad.WEBADDRESS, QStringLiteral("This is not a web or mail address.")));
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
