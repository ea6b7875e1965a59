#include "screens/brews/browsebrews.h"
#include "screens/brews/updatebrews.h"

#include "platform/gui/messagebox.h"
#include "records/globals.h"
#include "records/settings.h"
#include "records/windowstate.h"
#include "screens/calculators/win_calculatecost.h"
#include "screens/help/helpsystem.h"
#include "screens/help/helpwindow.h"
#include "screens/widgets/artwork.h"
#include "screens/widgets/notesedit.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/pagedlistview.h"
#include "screens/windowing/windowcatalogue.h"
#include "screens/windowing/windowhost.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

QPushButton *pictureButton(artwork::ButtonPicture picture, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setIcon(artwork::buttonIcon(picture));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

QPushButton *textButton(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setToolTip(tip);
    return button;
}

QLabel *valueLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

BrowseBrews::BrowseBrews(QWidget *parent, Prompter *prompter, const BrowseBrewsCalls *calls)
    : QWidget(parent)
    , m_table(settings::dataFolder())
{
    setWindowTitle(QStringLiteral("Browse Brews"));
    if (!prompter) {
        m_ownPrompter = std::make_unique<MessageBoxPrompter>(this);
        prompter = m_ownPrompter.get();
    }
    m_prompter = prompter;
    if (!m_table.open(*m_prompter))
        return;
    m_logic = std::make_unique<BrowseBrewsLogic>(
        m_table, *m_prompter, static_cast<BrowseBrewsView &>(*this), calls ? *calls : realCalls());
    build();
    m_list->setWalk(m_logic->walk());
    m_list->restoreColumns(kProcedure);
    bind();
    m_logic->open();
    m_logic->setVisibleRows(list()->fittingRows());
}

BrowseBrews::~BrowseBrews() { finish(); }

PagedListTable *BrowseBrews::list() const { return m_list ? m_list->table() : nullptr; }

BrowseBrewsCalls BrowseBrews::realCalls()
{
    BrowseBrewsCalls calls;
    calls.updateBrews = [this](FormRequest request, BrewRecord &buffer) {
        return runUpdateBrews(this, request, m_table, buffer, *m_prompter);
    };
    calls.calculateCost = [this] { WindowCatalogue::instance().open(Win_CalculateCost::kProcedure, this); };
    return calls;
}

void BrowseBrews::build()
{
    auto *top = new QVBoxLayout(this);

    // Sort orders and the count.
    auto *head = new QHBoxLayout;
    m_tabs = new QTabBar(this);
    for (int i = 0; i < BrowseBrewsLogic::kTabCount; ++i) {
        m_tabs->addTab(BrowseBrewsLogic::tabText(BrowseTab(i)));
        m_tabs->setTabToolTip(i, BrowseBrewsLogic::tabTip(BrowseTab(i)));
    }
    m_tabs->setExpanding(false);
    head->addWidget(m_tabs);
    head->addStretch();
    m_count = new QLabel(this);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    head->addWidget(m_count);
    head->addWidget(new QLabel(QStringLiteral("Brews"), this));
    top->addLayout(head);

    auto *middle = new QHBoxLayout;
    top->addLayout(middle, 1);

    // The list with its scroll bar, navigation buttons and stock filter.
    auto *left = new QVBoxLayout;
    middle->addLayout(left, 3);
    m_list = new PagedListView(this);
    m_list->table()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->table()->setMinimumSize(320, 160);
    left->addWidget(m_list, 1);

    auto *navigation = new QHBoxLayout;
    const struct {
        const char *text;
        const char *tip;
        BrowseBrewsLogic::Move move;
    } moves[] = {
        { "|<", "First brew", BrowseBrewsLogic::Move::First },
        { "<<", "Previous page", BrowseBrewsLogic::Move::PreviousPage },
        { "<", "Previous brew", BrowseBrewsLogic::Move::Previous },
        { ">", "Next brew", BrowseBrewsLogic::Move::Next },
        { ">>", "Next page", BrowseBrewsLogic::Move::NextPage },
        { ">|", "Last brew", BrowseBrewsLogic::Move::Last },
    };
    for (const auto &m : moves) {
        auto *button = new QToolButton(this);
        button->setText(QString::fromLatin1(m.text));
        button->setToolTip(QString::fromLatin1(m.tip));
        button->setAccessibleName(QString::fromLatin1(m.tip));
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        const BrowseBrewsLogic::Move move = m.move;
        connect(button, &QToolButton::clicked, this, [this, move] {
            list()->clearLocator();
            m_logic->move(move);
        });
        navigation->addWidget(button);
        m_navigation << button;
    }
    navigation->addStretch();
    m_stockGroup = new QGroupBox(this);
    m_stockGroup->setToolTip(QStringLiteral("View all or only those not yet consumed"));
    auto *stockLayout = new QHBoxLayout(m_stockGroup);
    stockLayout->setContentsMargins(6, 2, 6, 2);
    m_allBrews = new QRadioButton(QStringLiteral("View all bre&ws"), m_stockGroup);
    m_allBrews->setToolTip(QStringLiteral("View all brews."));
    m_inStock = new QRadioButton(QStringLiteral(" In &stock only"), m_stockGroup);
    m_inStock->setToolTip(QStringLiteral("View stock on hand only."));
    stockLayout->addWidget(m_allBrews);
    stockLayout->addWidget(m_inStock);
    navigation->addWidget(m_stockGroup);
    left->addLayout(navigation);

    // The detail panel.
    auto *panel = new QGroupBox(this);
    middle->addWidget(panel, 2);
    auto *grid = new QGridLayout(panel);
    grid->setColumnStretch(1, 1);
    DetailLabels &d = m_detail;
    d.heading = new QLabel(panel);
    QFont headingFont = d.heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    d.heading->setFont(headingFont);
    grid->addWidget(d.heading, 0, 0, 1, 2);
    int row = 1;
    const auto addRow = [&](QLabel *prompt, std::initializer_list<QLabel **> values) {
        grid->addWidget(prompt, row, 0);
        auto *line = new QHBoxLayout;
        line->setSpacing(4);
        for (QLabel **value : values) {
            *value = valueLabel(panel);
            line->addWidget(*value);
        }
        line->addStretch();
        grid->addLayout(line, row, 1);
        ++row;
    };
    const auto prompt = [&](const char *text) { return new QLabel(QString::fromLatin1(text), panel); };
    addRow(prompt("Tasting:"), { &d.tasting, &d.outOf });
    addRow(prompt("Sugar:"), { &d.sugar, &d.sugarUnit });
    addRow(prompt("Down:"), { &d.dateDown });
    addRow(prompt("Org. Gravity:"), { &d.originalGravity, &d.ogTemperature, &d.ogUnit });
    addRow(prompt("Bottled:"), { &d.dateBottled });
    addRow(prompt("Final Gravity:"), { &d.finalGravity, &d.fgTemperature, &d.fgUnit });
    addRow(prompt("Fermentation:"), { &d.primaryDays, &d.separator, &d.secondaryDays });
    d.alcPrompt = new QLabel(panel);
    addRow(d.alcPrompt, { &d.alcohol, &d.alcoholSuffix });
    {
        grid->addWidget(prompt("Min. use by:"), row, 0);
        auto *line = new QHBoxLayout;
        d.minUse = valueLabel(panel);
        d.maxUse = valueLabel(panel);
        line->addWidget(d.minUse);
        line->addSpacing(8);
        line->addWidget(new QLabel(QStringLiteral("Max:"), panel));
        line->addWidget(d.maxUse);
        line->addStretch();
        grid->addLayout(line, row++, 1);
    }
    addRow(prompt("Aged for:"), { &d.agedFor });
    addRow(prompt("Cost:"), { &d.cost });
    addRow(prompt("Best Maturity:"), { &d.bestMaturity });
    addRow(prompt("Stock:"), { &d.stock });
    d.stock->setMinimumSize(32, 32);
    d.heading->setWordWrap(true);
    // The panel keeps one width, wide enough for the longest age text, so the list does not
    // jump as brews with longer or shorter values are highlighted.
    d.agedFor->setMinimumWidth(d.agedFor->fontMetrics().horizontalAdvance(QStringLiteral("11 months 30 days as at ")
                                   + date::shortText(date::fromYmd(2000, 12, 28)))
        + 8);
    panel->setFixedWidth(panel->sizeHint().width());
    grid->setRowStretch(row, 1);

    // The notes, shown only.
    m_notes = new QPlainTextEdit(this);
    m_notes->setReadOnly(true);
    m_notes->setToolTip(QStringLiteral("Notes for the selected brew."));
    m_notes->setMaximumHeight(m_notes->fontMetrics().lineSpacing() * 3 + 12);
    top->addWidget(m_notes);
    m_notesBig = new NotesEdit(this);
    m_notesBig->setReadOnly(true);
    m_notesBig->setToolbarVisible(false);
    m_notesBig->setStatusVisible(false);
    m_notesBig->setMinimumHeight(m_notesBig->fontMetrics().lineSpacing() * 3 + 12);
    top->addWidget(m_notesBig, 1);

    // The buttons.
    auto *buttons = new QHBoxLayout;
    m_add = textButton(QStringLiteral("&Add Brew"), QStringLiteral("Insert a new brew"), this);
    m_edit = textButton(QStringLiteral("&Edit Brew"), QStringLiteral("Edit Selected Brew."), this);
    m_delete = textButton(QStringLiteral("&Delete"), QStringLiteral("REMOVE selected Brew ?"), this);
    m_view = pictureButton(artwork::ButtonPicture::View, QStringLiteral("View Only Mode"), this);
    m_copy = pictureButton(artwork::ButtonPicture::Copy, QStringLiteral("Copy brew to Update Brews"), this);
    m_print = pictureButton(artwork::ButtonPicture::Print, QStringLiteral("Print selected brew."), this);
    m_printNotes = pictureButton(
        artwork::ButtonPicture::PrintNotes, QStringLiteral("Print detailed notes for selected brew."), this);
    m_printTasting = pictureButton(
        artwork::ButtonPicture::TastingSheet, QStringLiteral("Print tasting sheet for selected brew"), this);
    m_printRecordSheet
        = pictureButton(artwork::ButtonPicture::RecordSheet, QStringLiteral("Print a Brewers Record Sheet"), this);
    m_cost = pictureButton(artwork::ButtonPicture::Cost, QStringLiteral("Cost Calculator for selected brew"), this);
    m_labels = pictureButton(artwork::ButtonPicture::Labels, QStringLiteral("Print Labels"), this);
    m_export = textButton(QStringLiteral("Export (CSV)"),
        QStringLiteral("Export the selected brews details to a CSV \nfile for import into another "
                       "program."),
        this);
    m_close = textButton(QStringLiteral("Cl&ose"), QStringLiteral("Close this Window."), this);
    m_help = textButton(QStringLiteral("&Help"), QStringLiteral("Help about this window."), this);
    for (QPushButton *b : { m_add, m_edit, m_delete, m_view, m_copy, m_print, m_printNotes, m_printTasting,
             m_printRecordSheet, m_cost, m_labels, m_export })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_close);
    buttons->addWidget(m_help);
    top->addLayout(buttons);

    resize(860, 560);
}

void BrowseBrews::bind()
{
    BrowseBrewsLogic &logic = *m_logic;
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (m_refreshing || index < 0)
            return;
        list()->clearLocator();
        m_logic->selectTab(BrowseTab(index));
    });
    const auto filter = [this](const QString &value) {
        return [this, value](bool checked) {
            if (checked && !m_refreshing) {
                list()->clearLocator();
                m_logic->setStockFilter(value);
            }
        };
    };
    connect(m_allBrews, &QRadioButton::toggled, this, filter(QStringLiteral("1")));
    connect(m_inStock, &QRadioButton::toggled, this, filter(QStringLiteral("0")));

    connect(m_list, &PagedListView::moveRequested, this, [&logic](BrowseBrewsLogic::Move m) { logic.move(m); });
    connect(m_list, &PagedListView::scrollRequested, this, [&logic](int rows) { logic.scroll(rows); });
    connect(m_list, &PagedListView::fractionRequested, this, [&logic](double f) { logic.scrollToFraction(f); });
    connect(m_list, &PagedListView::rowClicked, this, [&logic](int row) { logic.selectRow(row); });
    connect(m_list, &PagedListView::locatorChanged, this, [&logic](const QString &text) { logic.locate(text); });
    connect(m_list, &PagedListView::fittingRowsChanged, this, [&logic](int rows) { logic.setVisibleRows(rows); });
    connect(m_list, &PagedListView::editRequested, this, [&logic] { logic.edit(); });
    connect(m_list, &PagedListView::insertRequested, this, [&logic] { logic.add(); });
    connect(m_list, &PagedListView::deleteRequested, this, [&logic] { logic.remove(); });
    connect(m_list->table(), &QWidget::customContextMenuRequested, this, &BrowseBrews::showContextMenu);

    connect(m_add, &QPushButton::clicked, this, [&logic] { logic.add(); });
    connect(m_edit, &QPushButton::clicked, this, [&logic] { logic.edit(); });
    connect(m_delete, &QPushButton::clicked, this, [&logic] { logic.remove(); });
    connect(m_view, &QPushButton::clicked, this, [&logic] { logic.view(); });
    connect(m_copy, &QPushButton::clicked, this, [&logic] { logic.copy(); });
    connect(m_print, &QPushButton::clicked, this, [&logic] { logic.print(); });
    connect(m_printNotes, &QPushButton::clicked, this, [&logic] { logic.printNotes(); });
    connect(m_printTasting, &QPushButton::clicked, this, [&logic] { logic.printTastingSheet(); });
    connect(m_printRecordSheet, &QPushButton::clicked, this, [&logic] { logic.printRecordSheet(); });
    connect(m_cost, &QPushButton::clicked, this, [&logic] { logic.calculateCost(); });
    connect(m_labels, &QPushButton::clicked, this, [&logic] { logic.printLabels(); });
    connect(m_export, &QPushButton::clicked, this, [&logic] { logic.exportCsv(); });
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
    connect(m_help, &QPushButton::clicked, this, [] {
        if (HelpSystem *help = HelpSystem::instance())
            help->showKeyword(kHelpKeyword);
    });
}

void BrowseBrews::refresh()
{
    if (m_refreshing || !m_list)
        return;
    m_refreshing = true;
    BrowseBrewsLogic &logic = *m_logic;

    m_tabs->setCurrentIndex(int(logic.tab()));
    m_allBrews->setChecked(logic.stockFilter() == QLatin1String("1"));
    m_inStock->setChecked(logic.stockFilter() == QLatin1String("0"));
    m_stockGroup->setEnabled(logic.stockFilterEnabled());
    m_count->setText(logic.countText());

    m_list->sync();

    const BrewDetails &v = logic.details();
    DetailLabels &d = m_detail;
    d.heading->setText(v.heading);
    d.tasting->setText(v.tasting);
    d.outOf->setText(v.outOf);
    d.sugar->setText(v.sugar);
    d.sugarUnit->setText(v.sugarUnit);
    d.dateDown->setText(v.dateDown);
    d.originalGravity->setText(v.originalGravity);
    d.ogTemperature->setText(v.ogTemperature);
    d.ogUnit->setText(v.ogTemperatureUnit);
    d.dateBottled->setText(v.dateBottled);
    d.finalGravity->setText(v.finalGravity);
    d.fgTemperature->setText(v.fgTemperature);
    d.fgUnit->setText(v.fgTemperatureUnit);
    d.primaryDays->setText(v.primaryDays);
    d.separator->setText(v.fermentationSeparator);
    d.secondaryDays->setText(v.secondaryDays);
    d.alcPrompt->setText(logic.alcPrompt());
    d.alcohol->setText(v.alcohol);
    d.alcoholSuffix->setText(v.alcoholSuffix);
    d.minUse->setText(v.minUse);
    d.maxUse->setText(v.maxUse);
    d.agedFor->setText(v.agedFor);
    d.cost->setText(v.cost);
    d.bestMaturity->setText(v.bestMaturity);
    switch (v.stock) {
    case StockPicture::FullGlass:
        d.stock->setPixmap(artwork::buttonPixmap(artwork::ButtonPicture::FullGlass, 32));
        d.stock->setToolTip(QStringLiteral("Have Stock"));
        d.stock->setAccessibleName(d.stock->toolTip());
        break;
    case StockPicture::EmptyGlass:
        d.stock->setPixmap(artwork::buttonPixmap(artwork::ButtonPicture::EmptyGlass, 32));
        d.stock->setToolTip(QStringLiteral("Consumed"));
        d.stock->setAccessibleName(d.stock->toolTip());
        break;
    case StockPicture::None:
        d.stock->clear();
        d.stock->setToolTip({});
        d.stock->setAccessibleName({});
        break;
    }
    const QString notes = NotesEdit::plainTextOf(v.notes);
    if (m_notes->toPlainText() != notes)
        m_notes->setPlainText(notes);
    if (m_shownNotesBig != v.notesBig) {
        m_shownNotesBig = v.notesBig;
        m_notesBig->setStoredText(v.notesBig);
    }

    m_add->setEnabled(logic.canAdd());
    for (QPushButton *b : { m_edit, m_delete, m_view })
        b->setEnabled(logic.canChange());
    m_copy->setEnabled(logic.canCopy());
    m_print->setEnabled(logic.canPrint());
    m_printNotes->setEnabled(logic.canPrintNotes());
    m_printTasting->setEnabled(logic.canPrintTastingSheet());
    m_printRecordSheet->setEnabled(logic.canPrintRecordSheet());
    m_cost->setEnabled(logic.canCalculateCost());
    m_labels->setEnabled(logic.canPrintLabels());
    m_export->setEnabled(logic.canExport());
    m_refreshing = false;
}

void BrowseBrews::focusList()
{
    if (m_list)
        list()->setFocus(Qt::OtherFocusReason);
}

void BrowseBrews::showContextMenu(const QPoint &at)
{
    const QModelIndex index = list()->indexAt(at);
    if (index.isValid())
        m_logic->selectRow(index.row());
    BrowseBrewsLogic &logic = *m_logic;
    QMenu menu(this);
    const auto add = [&](const QString &text, bool enabled, void (BrowseBrewsLogic::*action)()) {
        QAction *a = menu.addAction(text);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [&logic, action] { (logic.*action)(); });
    };
    add(QStringLiteral("&Add Brew"), logic.canAdd(), &BrowseBrewsLogic::add);
    add(QStringLiteral("&Edit Brew"), logic.canChange(), &BrowseBrewsLogic::edit);
    add(QStringLiteral("&Delete"), logic.canChange(), &BrowseBrewsLogic::remove);
    add(QStringLiteral("View Only Mode"), logic.canChange(), &BrowseBrewsLogic::view);
    add(QStringLiteral("Copy brew to Update Brews"), logic.canCopy(), &BrowseBrewsLogic::copy);
    menu.addSeparator();
    add(QStringLiteral("Print selected brew."), logic.canPrint(), &BrowseBrewsLogic::print);
    add(QStringLiteral("Print detailed notes for selected brew."), logic.canPrintNotes(),
        &BrowseBrewsLogic::printNotes);
    add(QStringLiteral("Print tasting sheet for selected brew"), logic.canPrintTastingSheet(),
        &BrowseBrewsLogic::printTastingSheet);
    add(QStringLiteral("Print a Brewers Record Sheet"), logic.canPrintRecordSheet(),
        &BrowseBrewsLogic::printRecordSheet);
    add(QStringLiteral("Cost Calculator for selected brew"), logic.canCalculateCost(),
        &BrowseBrewsLogic::calculateCost);
    add(QStringLiteral("Print Labels"), logic.canPrintLabels(), &BrowseBrewsLogic::printLabels);
    add(QStringLiteral("Export (CSV)"), logic.canExport(), &BrowseBrewsLogic::exportCsv);
    menu.exec(list()->viewport()->mapToGlobal(at));
}

QString BrowseBrews::columnFormat() const { return m_list->columnFormat(); }

void BrowseBrews::closeEvent(QCloseEvent *event)
{
    finish();
    QWidget::closeEvent(event);
}

void BrowseBrews::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_logic)
        m_list->storeColumns(kProcedure);
    glo().browseOpen = false;
}

void openBrowseBrews()
{
    QWidget *browse = WindowHost::startOnce(BrowseBrews::kProcedure, []() -> QWidget * {
        auto *window = new BrowseBrews;
        if (!window->isOpen()) {
            // The table could not be opened (already said): the window closes at once.
            glo().browseOpen = false;
            delete window;
            return nullptr;
        }
        return window;
    });
    if (auto *window = qobject_cast<BrowseBrews *>(browse))
        window->list()->setFocus();
}
