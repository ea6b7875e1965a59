#include "screens/windowing/cataloguebrowse.h"

#include "records/globals.h"
#include "screens/help/helpsystem.h"
#include "screens/windowing/listwalklogic.h"
#include "screens/windowing/pagedlisttable.h"
#include "screens/windowing/pagedlistview.h"
#include "screens/windowing/windowhost.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

CatalogueBrowse::CatalogueBrowse(
    const QString &procedure, const QString &helpKeyword, bool keepColumns, QWidget *parent)
    : QWidget(parent)
    , m_procedure(procedure)
    , m_helpKeyword(helpKeyword)
    , m_keepColumns(keepColumns)
{
    m_column = new QVBoxLayout(this);
    m_sheet = new QTabWidget(this);
    m_column->addWidget(m_sheet, 1);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_column->addLayout(m_buttons);
}

CatalogueBrowse::~CatalogueBrowse() { finish(); }

PagedListTable *CatalogueBrowse::list() const { return m_list ? m_list->table() : nullptr; }

void CatalogueBrowse::showList(PagedListModel &model, int key, const QString &tabText, const QString &tip)
{
    auto *page = new QWidget(m_sheet);
    auto *layout = new QVBoxLayout(page);
    m_list = new PagedListView(page);
    m_list->table()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->table()->setToolTip(tip);
    m_list->table()->setStatusTip(QStringLiteral("Browsing Records"));
    m_list->table()->setMinimumSize(300, 160);
    layout->addWidget(m_list);
    m_sheet->addTab(page, tabText);

    m_walk = std::make_unique<ListWalkLogic>(model);
    m_list->setWalk(*m_walk);
    if (m_keepColumns)
        m_list->restoreColumns(m_procedure);
    m_walk->open(key);
    m_walk->setVisibleRows(m_list->table()->fittingRows());

    ListWalkLogic &walk = *m_walk;
    connect(m_list, &PagedListView::moveRequested, this, [this, &walk](ListWalkLogic::Move m) {
        walk.move(m);
        afterMove();
    });
    connect(m_list, &PagedListView::scrollRequested, this, [this, &walk](int rows) {
        walk.scroll(rows);
        afterMove();
    });
    connect(m_list, &PagedListView::fractionRequested, this, [this, &walk](double f) {
        walk.toFraction(f);
        afterMove();
    });
    connect(m_list, &PagedListView::rowClicked, this, [this, &walk](int row) {
        if (walk.selectRow(row))
            afterMove();
    });
    connect(m_list, &PagedListView::fittingRowsChanged, this, [this, &walk](int rows) {
        walk.setVisibleRows(rows);
        afterMove();
    });
    connect(m_list, &PagedListView::locatorChanged, this, [this, &walk](const QString &typed) {
        if (std::optional<FieldValue> value = locatorValue(typed)) {
            walk.locate({ *value });
            afterMove();
        }
    });
    connect(m_list, &PagedListView::editRequested, this, [this] { editRequested(); });
    connect(m_list, &PagedListView::insertRequested, this, [this] { insertRequested(); });
    connect(m_list, &PagedListView::deleteRequested, this, [this] { deleteRequested(); });
    connect(m_list->table(), &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const QModelIndex index = list()->indexAt(at);
        if (index.isValid() && m_walk->selectRow(index.row()))
            afterMove();
        contextMenuRequested(at);
    });
    setFocusProxy(m_list);
}

std::optional<FieldValue> CatalogueBrowse::locatorValue(const QString &typed) const
{
    return typed.isEmpty() ? std::nullopt : std::optional<FieldValue>(typed);
}

QPushButton *CatalogueBrowse::addButton(const QString &text, const QString &tip, std::function<void()> action)
{
    auto *button = new QPushButton(text, this);
    button->setToolTip(tip);
    connect(button, &QPushButton::clicked, this, [action] { action(); });
    m_buttons->addWidget(button);
    return button;
}

void CatalogueBrowse::addCloseAndHelp()
{
    addButton(QStringLiteral("Cl&ose"), QStringLiteral("Close this window"), [this] { closeBrowse(); });
    addButton(QStringLiteral("&Help"), QStringLiteral("Help about this window."), [this] {
        if (HelpSystem *help = HelpSystem::instance())
            help->showKeyword(m_helpKeyword);
    });
}

const Row *CatalogueBrowse::selectedRow() const { return m_walk ? m_walk->selected() : nullptr; }

void CatalogueBrowse::afterMove()
{
    m_list->sync();
    selectionChanged();
    refreshButtons();
}

void CatalogueBrowse::rereadAt(const std::optional<Row> &row)
{
    if (!m_walk)
        return;
    m_walk->reread(row);
    afterMove();
}

void CatalogueBrowse::syncList()
{
    if (m_list)
        afterMove();
}

void CatalogueBrowse::closeBrowse()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void CatalogueBrowse::closeEvent(QCloseEvent *event)
{
    finish();
    QWidget::closeEvent(event);
}

void CatalogueBrowse::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_list && m_keepColumns)
        m_list->storeColumns(m_procedure);
    glo().browseOpen = false;
}
