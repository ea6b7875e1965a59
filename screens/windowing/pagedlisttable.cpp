#include "screens/windowing/pagedlisttable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

PagedListTable::PagedListTable(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(20);
}

int PagedListTable::fittingRows() const
{
    return std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize());
}

void PagedListTable::keyPressEvent(QKeyEvent *event)
{
    using Move = ListWalkLogic::Move;
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    const auto request = [&](Move move) {
        m_locator.clear();
        emit moveRequested(move);
        event->accept();
    };
    switch (event->key()) {
    case Qt::Key_Up:
        return request(Move::Previous);
    case Qt::Key_Down:
        return request(Move::Next);
    case Qt::Key_PageUp:
        return request(Move::PreviousPage);
    case Qt::Key_PageDown:
        return request(Move::NextPage);
    case Qt::Key_Home:
        return request(Move::First);
    case Qt::Key_End:
        return request(Move::Last);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods == Qt::ControlModifier) {
            emit editRequested();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Insert:
        if (mods == Qt::NoModifier) {
            emit insertRequested();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Delete:
        if (mods == Qt::NoModifier) {
            emit deleteRequested();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Backspace:
        if (!m_locator.isEmpty()) {
            m_locator.chop(1);
            m_lastTyped.start();
            if (!m_locator.isEmpty())
                emit locatorChanged(m_locator);
        }
        event->accept();
        return;
    case Qt::Key_Escape:
        m_locator.clear();
        break;
    default:
        break;
    }
    const QString text = event->text();
    if ((mods & ~Qt::ShiftModifier) == Qt::NoModifier && !text.isEmpty() && text.at(0).isPrint()) {
        if (!m_lastTyped.isValid() || m_lastTyped.elapsed() > kLocatorPauseMs)
            m_locator.clear();
        m_locator += text;
        m_lastTyped.start();
        emit locatorChanged(m_locator);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void PagedListTable::wheelEvent(QWheelEvent *event)
{
    // Three rows a notch, as the list's rows beyond the screen are read on demand.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches != 0)
        emit scrollRequested(-notches * 3);
    event->accept();
}

void PagedListTable::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    emit fittingRowsChanged(fittingRows());
}

void PagedListTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        emit editRequested();
}

void PagedListTable::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Every row the model holds is on screen; only the columns may need scrolling.
    QTableView::scrollTo(index, hint);
    verticalScrollBar()->setValue(0);
}
