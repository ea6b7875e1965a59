// The brew browse's rules driven without widgets: tabs and filter, the Quality-tab rule, the
// detail panel, and the buttons with their questions and called windows.
#include "screens/brews/browsefixture.h"

#include "screens/brews/browsebrewslogic.h"

using namespace browsetest;

namespace
{

[[maybe_unused]] void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

struct RecordingView : BrowseBrewsView {
    void refresh() override
    {
        ++refreshes;
        if (onRefresh)
            onRefresh();
    }
    std::function<void()> onRefresh;
    void focusList() override { ++focusMoves; }
    int refreshes = 0;
    int focusMoves = 0;
};

struct FormCall {
    FormRequest request;
    BrewRecord buffer;
};

class BrowseLogicTest : public BrowseFixture
{
protected:
    // A browse whose edit form is a stand-in: it records each request and, when told to
    // complete, does what the form does to the table.
    BrowseBrewsLogic &browse()
    {
        BrowseBrewsCalls calls;
        calls.updateBrews = [this](FormRequest request, BrewRecord &buffer) {
            m_forms.push_back({ request, buffer });
            if (!m_complete)
                return false;
            if (request == FormRequest::Insert)
                return m_table.reserveNew(buffer, m_storePrompter).ok();
            if (request == FormRequest::Delete)
                return m_table.remove(buffer.RECORDNUMBER, m_storePrompter).ok();
            if (request == FormRequest::Change)
                return m_table.update(buffer, m_storePrompter).ok();
            return true;
        };
        calls.calculateCost = [this] { m_called << QStringLiteral("Win_CalculateCost"); };
        calls.createOwnLabels = [this] { m_called << QStringLiteral("Win_CreateOwnLabels"); };
        calls.createStandardLabels = [this] { m_called << QStringLiteral("Win_CreateStandardLabels"); };
        calls.csvReport = [this] { m_called << QStringLiteral("Rpt_CSV_BrewFile"); };
        calls.makeCsv = [this] { m_called << QStringLiteral("MakeCSV"); };
        m_logic = std::make_unique<BrowseBrewsLogic>(m_table, m_prompter, m_view, calls);
        m_logic->setVisibleRows(5);
        m_logic->open();
        return *m_logic;
    }

    std::vector<int> listedBatches()
    {
        std::vector<int> batches;
        BrewListModel &model = m_logic->model();
        for (int row = 0; row < model.rowCount(); ++row)
            batches.push_back(model.record(row).BATCHNUMBER);
        return batches;
    }

    ScriptedPrompter m_prompter;
    RecordingView m_view;
    std::vector<FormCall> m_forms;
    bool m_complete = true;
    QStringList m_called;
    std::unique_ptr<BrowseBrewsLogic> m_logic;
};

} // namespace

TEST_F(BrowseLogicTest, OpensOnTheBatchTabWithTheStockFilterOfTheSettings)
{
    insertDozen();
    const struct {
        std::uint8_t openAtStockOnly;
        const char *filter;
        std::int64_t count;
    } cases[] = { { 0, "0", 6 }, { 1, "1", 12 }, { 2, "1", 12 } };
    for (const auto &c : cases) {
        glo().OPENATSTOCKONLY = c.openAtStockOnly;
        BrowseBrewsLogic &logic = browse();
        EXPECT_EQ(logic.tab(), BrowseTab::Batch);
        EXPECT_EQ(logic.stockFilter(), QString::fromLatin1(c.filter));
        EXPECT_EQ(logic.count(), c.count);
        EXPECT_EQ(logic.countText(), QString::number(c.count));
        EXPECT_EQ(logic.selectedRow(), 0);
        EXPECT_EQ(logic.selected()->BATCHNUMBER, 12);
    }
}

TEST_F(BrowseLogicTest, InStockOnlyLeavesConsumedBrewsOutOfEveryTab)
{
    insertDozen();
    BrowseBrewsLogic &logic = browse();
    const struct {
        BrowseTab tab;
        std::int64_t all, inStock;
        int first; // batch number of the first row listed in stock
    } cases[] = {
        { BrowseTab::Batch, 12, 6, 12 },
        { BrowseTab::Record, 12, 6, 2 },
        { BrowseTab::Kits, 12, 6, 12 },
        { BrowseTab::Date, 11, 6, 12 },
        { BrowseTab::Quality, 3, 2, 4 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(BrowseBrewsLogic::tabText(c.tab).toStdString());
        logic.setStockFilter(QStringLiteral("1"));
        logic.selectTab(c.tab);
        EXPECT_EQ(logic.count(), c.all);
        const int focusBefore = m_view.focusMoves;
        logic.setStockFilter(QStringLiteral("0"));
        EXPECT_EQ(m_view.focusMoves, focusBefore + 1);
        EXPECT_EQ(logic.count(), c.inStock);
        EXPECT_EQ(logic.selected()->BATCHNUMBER, c.first);
        for (int row = 0; row < logic.model().rowCount(); ++row)
            EXPECT_EQ(logic.model().record(row).STOCKONHAND, QStringLiteral("1"));
    }
    EXPECT_TRUE(m_prompter.shown().empty());
}

TEST_F(BrowseLogicTest, QualityTabWithoutScoredBrewsWarnsOnceAndGreysTheFilter)
{
    insert({ { 1, 1, "Stout", date::fromYmd(2024, 1, 1), "1" }, { 2, 2, "Mild", date::fromYmd(2024, 2, 1), "0" } });
    glo().OPENATSTOCKONLY = 0;
    BrowseBrewsLogic &logic = browse();
    EXPECT_EQ(logic.count(), 1);

    logic.selectTab(BrowseTab::Quality);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    const Message &m = m_prompter.shown()[0];
    EXPECT_EQ(m.caption, QStringLiteral("No records found..."));
    EXPECT_EQ(m.text, QStringLiteral("Only brews with a tasting score are listed|when the 'Quality' tab is selected."));
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttonTexts(), QStringList { QStringLiteral("&OK") });
    EXPECT_EQ(logic.count(), 0);
    EXPECT_EQ(logic.countText(), QString());
    EXPECT_FALSE(logic.stockFilterEnabled());
    EXPECT_TRUE(logic.qualityWarningShown());

    // Moving about on the empty tab says nothing more.
    logic.move(BrowseBrewsLogic::Move::Last);
    logic.locate(QStringLiteral("20"));
    EXPECT_EQ(m_prompter.shown().size(), 1u);

    // Another tab lists all brews and frees the filter.
    logic.selectTab(BrowseTab::Record);
    EXPECT_EQ(logic.stockFilter(), QStringLiteral("1"));
    EXPECT_TRUE(logic.stockFilterEnabled());
    EXPECT_FALSE(logic.qualityWarningShown());
    EXPECT_EQ(logic.count(), 2);
    EXPECT_EQ(m_prompter.shown().size(), 1u);
}

TEST_F(BrowseLogicTest, TheEmptyQualityTabIsOnScreenBeforeItsMessage)
{
    insert({ { 1, 1, "Stout", date::fromYmd(2024, 1, 1), "1" } });
    BrowseBrewsLogic &logic = browse();
    ASSERT_EQ(logic.countText(), QStringLiteral("1"));
    struct Shown {
        std::size_t messages;
        QString count, heading;
    };
    std::vector<Shown> shown;
    m_view.onRefresh = [&] {
        shown.push_back({ m_prompter.shown().size(), logic.countText(), logic.details().heading });
    };
    logic.selectTab(BrowseTab::Quality);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().messages, 0u); // shown before the message...
    EXPECT_EQ(shown.front().count, QString()); // ...with the empty list and panel
    EXPECT_EQ(shown.front().heading, QString());
    m_view.onRefresh = nullptr;
}

TEST_F(BrowseLogicTest, AnUnscoredBrewIsOnTheBatchTabButNotTheQualityTab)
{
    insert({ { 1, 5, "Stout", 0, "1", 0 }, { 2, 6, "Mild", 0, "1", 33 } });
    BrowseBrewsLogic &logic = browse();
    EXPECT_EQ(listedBatches(), (std::vector<int> { 6, 5 }));
    logic.selectTab(BrowseTab::Quality);
    EXPECT_EQ(listedBatches(), (std::vector<int> { 6 }));
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_TRUE(logic.stockFilterEnabled());
}

TEST_F(BrowseLogicTest, DetailPanelOfTheHighlightedBrew)
{
    BrewRecord b = makeBrew({ 1, 9, "Export Stout", kToday - 400, "1", 7 });
    b.BREWBATCHNAME = QStringLiteral("Winter warmer");
    b.BREWSUGARKG = Decimal::fromScaled(125, 2);
    b.ORIGINALGRAVITY = 1050;
    b.SPAREFIELD1 = QStringLiteral("21.5 degrees");
    b.FINALGRAVITY = 1010;
    b.SPAREFIELD2 = QStringLiteral("19");
    b.DATEBOTTLED = kToday - 400;
    b.BREWPERIOD = 7;
    b.BREWPERIOD2 = 14;
    b.ESTIMATEDALC = Decimal::fromScaled(533, 2);
    b.MINUSE = kToday - 380;
    b.MAXUSE = kToday - 214;
    b.BREWCOST = Decimal::fromScaled(2804, 2);
    b.SPAREFIELD4 = QStringLiteral("3 months");
    b.NOTES = QStringLiteral("Brief");
    b.NOTESBIG = QStringLiteral("<b>Detailed</b>");
    insert(b);
    insert({ { 2, 3, "Mild", kToday - 100, "0" } });

    glo().UNITSPROMPT = 0;
    glo().TEMPPROMPT = 1;
    BrowseBrewsLogic &logic = browse();
    EXPECT_EQ(logic.alcPrompt(), QStringLiteral("%Alcohol (abv)"));
    BrewDetails expected;
    expected.heading = QStringLiteral("Winter warmer");
    expected.tasting = QStringLiteral("07");
    expected.outOf = QStringLiteral("/50");
    expected.sugar = QStringLiteral("1.250");
    expected.sugarUnit = QStringLiteral("lbs");
    expected.dateDown = date::shortText(kToday - 400);
    expected.originalGravity = QStringLiteral("1050");
    expected.ogTemperature = QStringLiteral("21.");
    expected.ogTemperatureUnit = QStringLiteral("C");
    expected.dateBottled = date::shortText(kToday - 400);
    expected.finalGravity = QStringLiteral("1010");
    expected.fgTemperature = QStringLiteral("19");
    expected.fgTemperatureUnit = QStringLiteral("C");
    expected.primaryDays = QStringLiteral("7");
    expected.fermentationSeparator = QStringLiteral("/");
    expected.secondaryDays = QStringLiteral("14");
    expected.alcohol = QStringLiteral("5.33");
    expected.alcoholSuffix = QStringLiteral("% ");
    expected.minUse = date::shortText(kToday - 380);
    expected.maxUse = date::shortText(kToday - 214);
    expected.agedFor = QStringLiteral("1 year 1 month 5 days");
    expected.cost = QStringLiteral("28.04");
    expected.bestMaturity = QStringLiteral("3 months");
    expected.stock = StockPicture::FullGlass;
    expected.notes = QStringLiteral("Brief");
    expected.notesBig = QStringLiteral("<b>Detailed</b>");
    EXPECT_EQ(logic.details(), expected);

    // A consumed brew without a batch name: its kit heads the panel, the glass is empty.
    logic.move(BrowseBrewsLogic::Move::Next);
    EXPECT_EQ(logic.details().heading, QStringLiteral("Mild"));
    EXPECT_EQ(logic.details().stock, StockPicture::EmptyGlass);
    EXPECT_EQ(logic.details().agedFor, QStringLiteral("n/a - nil stock"));
    EXPECT_EQ(logic.details().tasting, QString());
    EXPECT_EQ(logic.details().outOf, QStringLiteral("/50"));
}

TEST_F(BrowseLogicTest, AlcoholPromptFollowsTheSetting)
{
    EXPECT_EQ(BrowseBrewsLogic::alcoholPrompt(1), QStringLiteral("%Alcohol (abv)"));
    EXPECT_EQ(BrowseBrewsLogic::alcoholPrompt(0), QStringLiteral("%Alcohol (abw)"));
    EXPECT_EQ(BrowseBrewsLogic::alcoholPrompt(2), QString());
}

TEST_F(BrowseLogicTest, EmptyTableShowsNothingAndOffersOnlyAdd)
{
    BrowseBrewsLogic &logic = browse();
    EXPECT_EQ(logic.count(), 0);
    EXPECT_EQ(logic.countText(), QString());
    EXPECT_EQ(logic.selectedRow(), -1);
    EXPECT_EQ(logic.details(), BrewDetails {});
    EXPECT_TRUE(logic.canAdd());
    EXPECT_FALSE(logic.canCopy());
    EXPECT_FALSE(logic.canChange());
    EXPECT_FALSE(logic.canCalculateCost());
    for (const auto move :
        { BrowseBrewsLogic::Move::Next, BrowseBrewsLogic::Move::Last, BrowseBrewsLogic::Move::PreviousPage })
        logic.move(move);
    logic.edit();
    logic.remove();
    logic.copy();
    EXPECT_TRUE(m_forms.empty());
    EXPECT_TRUE(m_prompter.shown().empty());

    logic.add();
    ASSERT_EQ(m_forms.size(), 1u);
    EXPECT_EQ(m_forms[0].request, FormRequest::Insert);
    EXPECT_EQ(m_forms[0].buffer, BrewRecord {});
    EXPECT_EQ(logic.count(), 1);
    EXPECT_TRUE(logic.canCopy());
    EXPECT_EQ(logic.selected()->BATCHNUMBER, 1);
}

TEST_F(BrowseLogicTest, CopyOfBatchSevenBecomesBatchThirteenWithEverythingElse)
{
    insertDozen();
    BrewRecord seven = *m_table.fetch(7).value();
    seven.NOTES = QStringLiteral("Brief notes of seven");
    seven.NOTESBIG = QStringLiteral("<p>Detailed notes of seven</p>");
    seven.YEAST = QStringLiteral("Ale yeast");
    seven.ESTIMATEDALC = Decimal::fromScaled(455, 2);
    seven.SPAREFIELD4 = QStringLiteral("6 weeks");
    ASSERT_TRUE(m_table.update(seven, m_storePrompter));

    BrowseBrewsLogic &logic = browse();
    ASSERT_TRUE(logic.locate(QStringLiteral("7")));
    ASSERT_EQ(logic.selected()->BATCHNUMBER, 7);

    // Cancel does nothing more.
    m_prompter.answer(2);
    logic.copy();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    const Message &q = m_prompter.shown()[0];
    EXPECT_EQ(q.caption, QStringLiteral("Copy Brew..."));
    EXPECT_EQ(q.text,
        QStringLiteral("All the selected Brews details will be copied to a new brew record.||Useful if "
                       "most of the information is going to be the same for the new brew |but "
                       "obviously some details such as dates etc. will need to be revised."));
    EXPECT_EQ(q.icon, MessageIcon::Information);
    EXPECT_EQ(q.buttons, QStringLiteral("C&opy|&Cancel"));
    EXPECT_EQ(q.defaultButton, 1);
    EXPECT_TRUE(m_forms.empty());

    m_prompter.answer(1);
    logic.copy();
    ASSERT_EQ(m_forms.size(), 1u);
    EXPECT_EQ(m_forms[0].request, FormRequest::Insert);
    EXPECT_EQ(m_forms[0].buffer, seven); // the form starts from every field and memo of brew 7

    BrewRecord copied = *m_table.fetch(13).value();
    EXPECT_EQ(copied.BATCHNUMBER, 13);
    copied.RECORDNUMBER = seven.RECORDNUMBER;
    copied.BATCHNUMBER = seven.BATCHNUMBER;
    EXPECT_EQ(copied, seven);
    // The new brew is highlighted, and counted.
    EXPECT_EQ(logic.selected()->BATCHNUMBER, 13);
    EXPECT_EQ(logic.count(), 13);
}

TEST_F(BrowseLogicTest, EditHandsTheAgeTextOverAndHighlightsTheChangedBrew)
{
    insertDozen();
    BrowseBrewsLogic &logic = browse();
    logic.selectTab(BrowseTab::Record);
    logic.move(BrowseBrewsLogic::Move::Next);
    logic.move(BrowseBrewsLogic::Move::Next); // record 3: in the list's middle line
    const BrewRecord three = *logic.selected();
    ASSERT_EQ(three.RECORDNUMBER, 3);
    m_complete = true;
    logic.edit();
    ASSERT_EQ(m_forms.size(), 1u);
    EXPECT_EQ(m_forms[0].request, FormRequest::Change);
    EXPECT_EQ(m_forms[0].buffer, three);
    EXPECT_EQ(glo().AGESTRING, logic.details().agedFor);
    EXPECT_EQ(glo().AGESTRING, QStringLiteral("No Date Bottled yet"));
    EXPECT_EQ(logic.selected()->RECORDNUMBER, 3);
    EXPECT_EQ(logic.selectedRow(), 2);
}

TEST_F(BrowseLogicTest, AfterADeleteTheNextBrewTakesTheLine)
{
    insertDozen();
    BrowseBrewsLogic &logic = browse();
    logic.move(BrowseBrewsLogic::Move::Next); // batch 11
    logic.remove();
    ASSERT_EQ(m_forms.size(), 1u);
    EXPECT_EQ(m_forms[0].request, FormRequest::Delete);
    EXPECT_EQ(m_forms[0].buffer.BATCHNUMBER, 11);
    EXPECT_EQ(logic.count(), 11);
    EXPECT_EQ(logic.selectedRow(), 1);
    EXPECT_EQ(logic.selected()->BATCHNUMBER, 10);

    // An abandoned form leaves the list and the highlight as they were.
    m_complete = false;
    logic.view();
    EXPECT_EQ(m_forms.back().request, FormRequest::View);
    EXPECT_EQ(logic.selected()->BATCHNUMBER, 10);
    EXPECT_EQ(logic.count(), 11);
}

TEST_F(BrowseLogicTest, CostCalculatorAndLabelsReceiveTheHighlightedBrew)
{
    BrewRecord b = makeBrew({ 1, 4, "Best Bitter", date::fromYmd(2024, 1, 1), "1" });
    b.BREWBATCHNAME = QStringLiteral("Garden party");
    b.ADDITIVE1 = QStringLiteral("Hops  ");
    b.ADDITIVE3 = QStringLiteral("Finings");
    insert(b);
    BrowseBrewsLogic &logic = browse();

    glo().GETKITNAME.clear();
    logic.calculateCost();
    EXPECT_EQ(m_called, QStringList { QStringLiteral("Win_CalculateCost") });
    EXPECT_EQ(glo().GETKITNAME, QStringLiteral("Best Bitter"));
    EXPECT_EQ(glo().GETBATCHNAME, QStringLiteral("Garden party"));
    EXPECT_EQ(glo().GETBATCHNUMBER, 4);

    const struct {
        int answer;
        const char *called;
    } answers[] = { { 1, "Win_CreateOwnLabels" }, { 2, "Win_CreateStandardLabels" }, { 3, nullptr } };
    for (const auto &a : answers) {
        m_called.clear();
        m_prompter.clear();
        m_prompter.answer(a.answer);
        logic.printLabels();
        ASSERT_EQ(m_prompter.shown().size(), 1u);
        const Message &q = m_prompter.shown()[0];
        EXPECT_EQ(q.caption, QStringLiteral("Select type..."));
        EXPECT_EQ(q.text, QStringLiteral("Which label type would you like?"));
        EXPECT_EQ(q.icon, MessageIcon::Question);
        EXPECT_EQ(q.buttons, QStringLiteral("Cre&ate|&Standard|&Cancel"));
        EXPECT_EQ(q.defaultButton, 2);
        EXPECT_EQ(m_called, a.called ? QStringList { QString::fromLatin1(a.called) } : QStringList {});
    }
    EXPECT_EQ(glo().COMMENTLINE1, QStringLiteral("Hops"));
    EXPECT_EQ(glo().COMMENTLINE2, QString());
    EXPECT_EQ(glo().COMMENTLINE3, QStringLiteral("Finings"));
}

TEST_F(BrowseLogicTest, ExportAsksForTheReportAndCancelWritesNothing)
{
    insert({ { 21, 4, "Best Bitter", date::fromYmd(2024, 1, 1), "1" } });
    BrowseBrewsLogic &logic = browse();
    const struct {
        int answer;
        QStringList called;
        std::int16_t selector;
    } answers[] = {
        { 1, { QStringLiteral("Rpt_CSV_BrewFile"), QStringLiteral("MakeCSV") }, 21 },
        { 2, { QStringLiteral("MakeCSV") }, 21 },
        { 3, {}, 0 },
    };
    for (const auto &a : answers) {
        m_called.clear();
        m_prompter.clear();
        glo().csvRecordSelector = 0;
        m_prompter.answer(a.answer);
        logic.exportCsv();
        EXPECT_EQ(m_called, a.called);
        EXPECT_EQ(glo().csvRecordSelector, a.selector);
        const Message &q = m_prompter.shown().at(0);
        EXPECT_EQ(q.caption, QStringLiteral("Best Bitter"));
        EXPECT_EQ(q.text,
            QStringLiteral("Would you like to View/Print a matching report?||This report can be very "
                           "helpful for identifying the fields in the CSV file."));
        EXPECT_EQ(q.icon, MessageIcon::Question);
        EXPECT_EQ(q.buttons, QStringLiteral("&Print|&Skip Print|&Cancel"));
        EXPECT_EQ(q.defaultButton, 1);
    }
    ASSERT_EQ(m_prompter.shown().size(), 2u);
    const Message &aborted = m_prompter.shown()[1];
    EXPECT_EQ(aborted.caption, QStringLiteral("Aborted by user..."));
    EXPECT_EQ(aborted.text, QStringLiteral("The CSV file has not been created"));
    EXPECT_EQ(aborted.icon, MessageIcon::Information);
    EXPECT_EQ(aborted.buttonTexts(), QStringList { QStringLiteral("&OK") });
}

TEST_F(BrowseLogicTest, ExportOfARecordNumberBeyondSixteenBitsIsRefused)
{
    insert({ { 40000, 4, "Best Bitter", date::fromYmd(2024, 1, 1), "1" } });
    BrowseBrewsLogic &logic = browse();
    logic.exportCsv();
    EXPECT_TRUE(m_called.isEmpty());
    EXPECT_EQ(glo().csvRecordSelector, 0);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].icon, MessageIcon::Warning);
}

TEST_F(BrowseLogicTest, LocatorFindsTheFirstRowAtOrAfterTheTypedValue)
{
    insertDozen();
    BrowseBrewsLogic &logic = browse();
    const struct {
        BrowseTab tab;
        const char *typed;
        int batch; // highlighted afterwards; 0 = the text does not read, nothing moves
    } cases[] = {
        { BrowseTab::Batch, "7", 7 },
        { BrowseTab::Batch, "99", 12 },
        { BrowseTab::Batch, "7a", 0 },
        { BrowseTab::Record, "5", 5 },
        { BrowseTab::Record, "50", 12 },
        { BrowseTab::Kits, "ST", 3 },
        { BrowseTab::Kits, "p", 1 },
        { BrowseTab::Kits, "w", 11 },
        { BrowseTab::Kits, "zz", 11 },
        { BrowseTab::Quality, "30", 2 },
        { BrowseTab::Quality, "29", 9 },
        { BrowseTab::Quality, "x", 0 },
        { BrowseTab::Date, "2023", 1 },
        { BrowseTab::Date, "2024", 12 },
        { BrowseTab::Date, "31/2/2024", 0 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << BrowseBrewsLogic::tabText(c.tab).toStdString() << " " << c.typed);
        logic.selectTab(c.tab);
        const int before = logic.selected()->BATCHNUMBER;
        EXPECT_EQ(logic.locate(QString::fromLatin1(c.typed)), c.batch != 0);
        EXPECT_EQ(logic.selected()->BATCHNUMBER, c.batch != 0 ? c.batch : before);
    }
    // A whole date: the latest brew put down on or before it.
    logic.selectTab(BrowseTab::Date);
    EXPECT_TRUE(logic.locate(date::shortText(date::fromYmd(2024, 1, 15))));
    EXPECT_EQ(logic.selected()->BATCHNUMBER, 7);
}

TEST_F(BrowseLogicTest, NavigationMovesTheHighlightAndPagesTheList)
{
    insertDozen();
    BrowseBrewsLogic &logic = browse(); // five lines, batches 12 down to 1
    using M = BrowseBrewsLogic::Move;
    const struct {
        M move;
        int batch, row;
    } steps[] = {
        { M::Next, 11, 1 },
        { M::NextPage, 6, 1 },
        { M::NextPage, 1, 4 },
        { M::NextPage, 1, 4 },
        { M::Previous, 2, 3 },
        { M::PreviousPage, 7, 3 },
        { M::PreviousPage, 12, 0 },
        { M::Last, 1, 4 },
        { M::First, 12, 0 },
        { M::Previous, 12, 0 },
    };
    for (const auto &s : steps) {
        logic.move(s.move);
        EXPECT_EQ(logic.selected()->BATCHNUMBER, s.batch) << int(s.move);
        EXPECT_EQ(logic.selectedRow(), s.row) << int(s.move);
    }
    // Scrolling keeps the highlight on its line.
    logic.selectRow(2);
    logic.scroll(3);
    EXPECT_EQ(logic.selectedRow(), 2);
    EXPECT_EQ(logic.selected()->BATCHNUMBER, 7);
}
