#include "screens/windowing/pagedlistview.h"

#include "records/windowstate.h"
#include "screens/windowing/pagedlisttable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <limits>

PagedListView::PagedListView(QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_table = new PagedListTable(this);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    row->addWidget(m_table, 1);
    row->addWidget(m_scrollBar);
    setFocusProxy(m_table);

    connect(m_table, &PagedListTable::moveRequested, this, &PagedListView::moveRequested);
    connect(m_table, &PagedListTable::scrollRequested, this, &PagedListView::scrollRequested);
    connect(m_table, &PagedListTable::fittingRowsChanged, this, &PagedListView::fittingRowsChanged);
    connect(m_table, &PagedListTable::locatorChanged, this, &PagedListView::locatorChanged);
    connect(m_table, &PagedListTable::editRequested, this, &PagedListView::editRequested);
    connect(m_table, &PagedListTable::insertRequested, this, &PagedListView::insertRequested);
    connect(m_table, &PagedListTable::deleteRequested, this, &PagedListView::deleteRequested);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &PagedListView::onBarAction);
}

void PagedListView::setWalk(ListWalkLogic &walk)
{
    m_walk = &walk;
    m_table->setModel(&walk.model());
    connect(
        m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
            if (!m_syncing && current.isValid())
                emit rowClicked(current.row());
        });
}

void PagedListView::onBarAction(int action)
{
    // Qt moves the bar itself before it tells of an action, and setting the bar's place also
    // comes here as a move: only what the user did is a request.
    if (m_syncing || !m_walk)
        return;
    const int page = m_walk->model().visibleRows();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        emit scrollRequested(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        emit scrollRequested(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        emit scrollRequested(page);
        break;
    case QAbstractSlider::SliderPageStepSub:
        emit scrollRequested(-page);
        break;
    case QAbstractSlider::SliderToMinimum:
        emit moveRequested(ListWalkLogic::Move::First);
        break;
    case QAbstractSlider::SliderToMaximum:
        emit moveRequested(ListWalkLogic::Move::Last);
        break;
    case QAbstractSlider::SliderMove:
        if (m_scrollBar->isSliderDown() && m_scrollBar->maximum() > 0)
            emit fractionRequested(double(m_scrollBar->sliderPosition()) / m_scrollBar->maximum());
        return; // the bar stays where it was dragged
    default:
        return;
    }
    sync();
}

void PagedListView::sync()
{
    if (!m_walk)
        return;
    m_syncing = true;
    const PagedListModel &model = m_walk->model();
    const std::int64_t last = std::max<std::int64_t>(model.count() - model.visibleRows(), 0);
    const int maximum = int(std::min<std::int64_t>(last, std::numeric_limits<int>::max()));
    m_scrollBar->setRange(0, maximum);
    m_scrollBar->setPageStep(model.visibleRows());
    // setValue, not setSliderPosition: the latter reports itself as a move of the user's.
    if (!m_scrollBar->isSliderDown())
        m_scrollBar->setValue(int(std::min<std::int64_t>(model.estimatedTop(), maximum)));

    const int row = m_walk->selectedRow();
    if (row >= 0) {
        const QModelIndex current = model.index(row, std::max(m_table->currentIndex().column(), 0));
        m_table->selectionModel()->setCurrentIndex(
            current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        m_table->selectionModel()->clear();
    }
    m_syncing = false;
}

QString PagedListView::columnFormat() const
{
    if (!m_walk)
        return {};
    const std::vector<ListColumn> &columns = m_walk->model().columns();
    ColumnLayout layout = ColumnLayout::designed(columns);
    const QHeaderView *header = m_table->horizontalHeader();
    for (int place = 0; place < int(columns.size()); ++place)
        layout.order[std::size_t(place)] = header->logicalIndex(place);
    for (int column = 0; column < int(columns.size()); ++column)
        layout.widths[std::size_t(column)] = header->sectionSize(column);
    return layout.toFormat(columns);
}

void PagedListView::applyColumnFormat(const QString &format)
{
    if (!m_walk)
        return;
    const std::vector<ListColumn> &columns = m_walk->model().columns();
    const ColumnLayout layout = ColumnLayout::fromFormat(format, columns).value_or(ColumnLayout::designed(columns));
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < int(columns.size()); ++column)
        header->resizeSection(column, layout.widths[std::size_t(column)]);
    for (int place = 0; place < int(columns.size()); ++place)
        header->moveSection(header->visualIndex(layout.order[std::size_t(place)]), place);
}

void PagedListView::restoreColumns(const QString &procedure)
{
    if (m_walk)
        applyColumnFormat(windowstate::columnFormatOnOpen(procedure, m_walk->model().designedFormat()));
}

void PagedListView::storeColumns(const QString &procedure) const
{
    if (m_walk)
        windowstate::storeColumnFormat(procedure, columnFormat());
}
