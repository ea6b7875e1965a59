#pragma once
// The rules of the brew browse, apart from its widgets: the tab and key the list follows, the
// stock filter, the count, the highlighted brew and its detail panel, the Quality-tab rule, which
// buttons may be pressed and what each does. It reaches the user only through a Prompter and the
// small view interface below; the windows it calls are handed in as functions.

#include "platform/prompter.h"
#include "records/brewstable.h"
#include "screens/brews/brewlistmodel.h"
#include "screens/windowing/browseformlogic.h"
#include "screens/windowing/listwalklogic.h"

#include <QString>
#include <functional>
#include <optional>

enum class BrowseTab { Batch, Record, Kits, Date, Quality };

class BrowseBrewsView
{
public:
    virtual ~BrowseBrewsView() = default;
    // The list, the count, the detail panel or what may be pressed has changed: show it again.
    virtual void refresh() = 0;
    virtual void focusList() = 0;
};

// The windows the browse calls. A button whose window is missing stays disabled.
struct BrowseBrewsCalls {
    // The edit form UpdateBrews over the browse's handle and current-row buffer; true when the
    // request was completed.
    std::function<bool(FormRequest, BrewRecord &)> updateBrews;
    std::function<void()> calculateCost; // Win_CalculateCost
    std::function<void()> printBrew; // Rpt_SingleSelectedBrewOnly
    std::function<void()> printNotes; // Rpt_SingleSelectedBrewsDetailedNotes
    std::function<void()> printTastingSheet; // Rpt_TastingScoreSheet
    std::function<void()> printRecordSheet; // Rpt_BrewingRecordSheet
    std::function<void()> createOwnLabels; // Win_CreateOwnLabels
    std::function<void()> createStandardLabels; // Win_CreateStandardLabels
    std::function<void()> csvReport; // Rpt_CSV_BrewFile
    std::function<void()> makeCsv; // MakeCSV
};

enum class StockPicture { None, FullGlass, EmptyGlass };

// The values of the detail panel, as shown; all empty while no brew is highlighted.
struct BrewDetails {
    QString heading; // LOC:BATCHNAME
    QString tasting, outOf; // ALE:OVERALL, "/50"
    QString sugar, sugarUnit; // ALE:BREWSUGARKG, LOC:SUGARVOLSTRING
    QString dateDown;
    QString originalGravity, ogTemperature, ogTemperatureUnit;
    QString dateBottled;
    QString finalGravity, fgTemperature, fgTemperatureUnit;
    QString primaryDays, fermentationSeparator, secondaryDays;
    QString alcohol, alcoholSuffix;
    QString minUse, maxUse;
    QString agedFor; // LOC:DATESTRING
    QString cost;
    QString bestMaturity;
    StockPicture stock = StockPicture::None;
    QString notes, notesBig;
    friend bool operator==(const BrewDetails &, const BrewDetails &) = default;
};

class BrowseBrewsLogic
{
public:
    static constexpr int kTabCount = 5;
    static QString tabText(BrowseTab tab);
    static QString tabTip(BrowseTab tab);
    static BrewKey tabKey(BrowseTab tab);
    // LOC:ALCPROMPT for GLO:ALCBASEDON: by volume (1), by weight (0), anything else empty.
    static QString alcoholPrompt(int alcBasedOn);
    // How typed locator text reads as a value of the tab's sort field: whole numbers on the
    // Batch, Record and Quality tabs; a short date or a four-digit year (its last day) on the
    // Date tab; the text itself on the Kits/Recipes tab. Nothing when it does not read.
    static std::optional<FieldValue> locatorValue(BrowseTab tab, const QString &typed);

    using Move = ListWalkLogic::Move;

    BrowseBrewsLogic(BrewsTable &table, Prompter &prompter, BrowseBrewsView &view, BrowseBrewsCalls calls);

    // Opening the window: the stock filter from GLO:OPENATSTOCKONLY, the first tab, the first rows.
    void open();

    BrowseTab tab() const { return m_tab; }
    void selectTab(BrowseTab tab);
    // LOC:StockFilter: "1" all brews, "0" in stock only.
    const QString &stockFilter() const { return m_stockFilter; }
    void setStockFilter(const QString &value);
    bool stockFilterEnabled() const { return m_stockFilterEnabled; }
    bool qualityWarningShown() const { return m_qualityWarned; }

    BrewListModel &model() { return m_model; }
    ListWalkLogic &walk() { return m_walk; }
    std::int64_t count() const { return m_model.count(); }
    QString countText() const;
    void setVisibleRows(int rows);

    // The highlighted row of the shown rows, -1 while the list is empty.
    int selectedRow() const { return m_walk.selectedRow(); }
    std::optional<BrewRecord> selected() const;
    bool hasSelection() const { return m_walk.selected() != nullptr; }
    void selectRow(int row);
    void move(Move move);
    // Scrolls the list; the highlight keeps its place in the list's window.
    void scroll(int rows);
    void scrollToFraction(double fraction);
    // Moves to the first row at or after the typed text; false when it does not read as a
    // value of the sort field (nothing moves then).
    bool locate(const QString &typed);

    const BrewDetails &details() const { return m_details; }
    const QString &alcPrompt() const { return m_alcPrompt; }

    bool canAdd() const { return bool(m_calls.updateBrews); }
    bool canChange() const { return canAdd() && hasSelection(); } // edit, delete, view
    bool canCopy() const { return canChange(); }
    bool canCalculateCost() const { return bool(m_calls.calculateCost) && hasSelection(); }
    bool canPrint() const { return bool(m_calls.printBrew) && hasSelection(); }
    bool canPrintNotes() const { return bool(m_calls.printNotes) && hasSelection(); }
    bool canPrintTastingSheet() const { return bool(m_calls.printTastingSheet) && hasSelection(); }
    bool canPrintRecordSheet() const { return bool(m_calls.printRecordSheet); }
    bool canPrintLabels() const
    {
        return bool(m_calls.createOwnLabels) && bool(m_calls.createStandardLabels) && hasSelection();
    }
    bool canExport() const { return bool(m_calls.makeCsv) && bool(m_calls.csvReport) && hasSelection(); }

    void add();
    void edit();
    void remove();
    void view();
    void copy();
    void calculateCost();
    void print();
    void printNotes();
    void printTastingSheet();
    void printRecordSheet();
    void printLabels();
    void exportCsv();

    static Message copyQuestion();
    static Message emptyQualityMessage();
    static Message labelQuestion();
    static Message exportQuestion(const QString &brewKit);
    static Message exportAbortedMessage();

private:
    // Reads the list again from its first row after a change of tab or filter.
    void resetList();
    // After a called window: reads the list again and highlights `target` (or what took its
    // place) on the same line of the list.
    void rereadAt(const std::optional<BrewRecord> &target);
    void applyQualityRule();
    // Tells of an empty Quality tab once the empty list is on screen; true when it told.
    bool checkEmptyQuality();
    void afterMove(const Result &moved);
    bool report(const Result &result);
    void refreshDetails();
    void runForm(FormRequest request, BrewRecord buffer);
    void runFormOnSelected(FormRequest request);
    void handOverBrew(const BrewRecord &brew);
    void withAgeText(const std::function<void()> &call);

    BrewsTable &m_table;
    Prompter &m_prompter;
    BrowseBrewsView &m_view;
    BrowseBrewsCalls m_calls;
    BrewListModel m_model;
    ListWalkLogic m_walk;

    BrowseTab m_tab = BrowseTab::Batch;
    QString m_stockFilter = QStringLiteral("1");
    bool m_stockFilterEnabled = true;
    bool m_qualityWarned = false;
    BrewDetails m_details;
    QString m_alcPrompt;
};
