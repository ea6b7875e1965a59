#include "screens/windowing/listwalklogic.h"

#include <algorithm>

ListWalkLogic::ListWalkLogic(PagedListModel &model)
    : m_model(model)
{
}

const Row *ListWalkLogic::selected() const
{
    return m_selected >= 0 && m_selected < m_model.rowCount() ? &m_model.row(m_selected) : nullptr;
}

Result ListWalkLogic::open(int key, Filter filter)
{
    const Result read = m_model.setOrder(key, std::move(filter));
    m_selected = m_model.rowCount() > 0 ? 0 : -1;
    return read;
}

bool ListWalkLogic::selectRow(int row)
{
    if (row < 0 || row >= m_model.rowCount() || row == m_selected)
        return false;
    m_selected = row;
    return true;
}

Result ListWalkLogic::afterMove(const Expected<int> &shown)
{
    if (shown)
        m_selected = m_model.rowCount() > 0 ? *shown : -1;
    else
        m_selected = std::min(m_selected, m_model.rowCount() - 1);
    return shown.result();
}

Expected<int> ListWalkLogic::sameLine() const { return std::clamp(m_selected, 0, m_model.rowCount() - 1); }

Result ListWalkLogic::move(Move move)
{
    const int rows = m_model.rowCount();
    if (rows == 0)
        return {};
    const int page = m_model.visibleRows();
    switch (move) {
    case Move::First:
        return afterMove(m_model.toFirst());
    case Move::Last:
        return afterMove(m_model.toLast());
    case Move::Next:
    case Move::Previous: {
        const int step = move == Move::Next ? 1 : -1;
        if (selectRow(m_selected + step))
            return {};
        const Expected<int> moved = m_model.scroll(step);
        return afterMove(moved ? sameLine() : moved);
    }
    case Move::NextPage:
    case Move::PreviousPage: {
        const int step = move == Move::NextPage ? page : -page;
        const Expected<int> moved = m_model.scroll(step);
        if (!moved)
            return afterMove(moved);
        // What the list could not scroll, the highlight moves, so a page always moves a page.
        const int rest = step - *moved;
        return afterMove(std::clamp(m_selected + rest, 0, m_model.rowCount() - 1));
    }
    }
    return {};
}

Result ListWalkLogic::scroll(int rows)
{
    if (m_model.rowCount() == 0)
        return {};
    const Expected<int> moved = m_model.scroll(rows);
    return afterMove(moved ? sameLine() : moved);
}

Result ListWalkLogic::toFraction(double fraction)
{
    if (m_model.rowCount() == 0)
        return {};
    const int line = m_selected;
    const Expected<int> shown = m_model.toFraction(fraction);
    return afterMove(shown ? Expected<int>(std::clamp(line, 0, m_model.rowCount() - 1)) : shown);
}

Result ListWalkLogic::locate(const std::vector<FieldValue> &keyValues)
{
    return afterMove(m_model.locate(keyValues, 0));
}

Result ListWalkLogic::setVisibleRows(int rows)
{
    const Row *before = selected();
    const std::optional<FieldValue> primary
        = before ? std::optional<FieldValue>(m_model.primaryValue(*before)) : std::nullopt;
    const Result r = m_model.setVisibleRows(rows);
    const int row = primary ? m_model.rowOfPrimary(*primary) : -1;
    m_selected = row >= 0 ? row : std::min(m_selected, m_model.rowCount() - 1);
    return r;
}

Result ListWalkLogic::reread(const std::optional<Row> &target)
{
    const int line = std::max(m_selected, 0);
    if (Result counted = m_model.reread(); !counted) {
        m_selected = std::min(m_selected, m_model.rowCount() - 1);
        return counted;
    }
    if (target)
        return afterMove(m_model.showRow(*target, line));
    return afterMove(std::min(line, m_model.rowCount() - 1));
}
