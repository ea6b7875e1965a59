#pragma once
// The brew browse window (BrowseBrews): the list of brews in five sort orders with the stock
// filter, the detail panel and notes of the highlighted brew, and the buttons that add, edit,
// copy, delete and view brews. The rules live in BrowseBrewsLogic; this class binds the widgets.

#include "screens/brews/browsebrewslogic.h"

#include <QWidget>
#include <memory>

class PagedListTable;
class PagedListView;
class NotesEdit;
class QAbstractButton;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

class BrowseBrews : public QWidget, private BrowseBrewsView
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("BrowseBrews");
    static inline const QString kHelpKeyword = QStringLiteral("Browse Brews");

    // Opens the Brews table in the data folder (its failure is shown through the prompter and
    // isOpen() is then false). `prompter` and `calls` replace the real message box and the
    // real called windows (tests); without them the browse uses its own.
    explicit BrowseBrews(
        QWidget *parent = nullptr, Prompter *prompter = nullptr, const BrowseBrewsCalls *calls = nullptr);
    ~BrowseBrews() override;

    bool isOpen() const { return bool(m_logic); }
    BrowseBrewsLogic &logic() { return *m_logic; }
    PagedListTable *list() const;
    PagedListView *listView() const { return m_list; }
    // The list's column layout as kept in the window-state file.
    QString columnFormat() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh() override;
    void focusList() override;

    BrowseBrewsCalls realCalls();
    void build();
    void bind();
    void showContextMenu(const QPoint &at);
    void finish();

    BrewsTable m_table;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    std::unique_ptr<BrowseBrewsLogic> m_logic;
    bool m_refreshing = false;
    bool m_finished = false;

    QTabBar *m_tabs = nullptr;
    QLabel *m_count = nullptr;
    PagedListView *m_list = nullptr;
    QGroupBox *m_stockGroup = nullptr;
    QRadioButton *m_allBrews = nullptr;
    QRadioButton *m_inStock = nullptr;
    QList<QAbstractButton *> m_navigation;

    struct DetailLabels {
        QLabel *heading, *tasting, *outOf, *sugar, *sugarUnit, *dateDown, *originalGravity, *ogTemperature, *ogUnit,
            *dateBottled, *finalGravity, *fgTemperature, *fgUnit, *primaryDays, *separator, *secondaryDays, *alcPrompt,
            *alcohol, *alcoholSuffix, *minUse, *maxUse, *agedFor, *cost, *bestMaturity, *stock;
    } m_detail {};
    QPlainTextEdit *m_notes = nullptr;
    NotesEdit *m_notesBig = nullptr;
    QString m_shownNotesBig;

    QPushButton *m_add = nullptr, *m_edit = nullptr, *m_delete = nullptr, *m_view = nullptr, *m_copy = nullptr,
                *m_print = nullptr, *m_printNotes = nullptr, *m_printTasting = nullptr, *m_printRecordSheet = nullptr,
                *m_cost = nullptr, *m_labels = nullptr, *m_export = nullptr, *m_close = nullptr, *m_help = nullptr;
};

// The frame's "&Browse Brews" command: opens the brew browse as a started window, or brings the
// open one to the front (restored if minimised).
void openBrowseBrews();
