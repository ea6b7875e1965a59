#pragma once
// The highlighted row of a browse list and every way of moving it: a row, a page, to either end,
// a scroll, a place on the scroll bar, the locator, a change of the number of rows shown, and the
// reread after a called window wrote to the table. Whatever the moves, every row of the list is
// reached, in key order, none skipped.

#include "screens/windowing/pagedlistmodel.h"

#include <optional>

class ListWalkLogic
{
public:
    enum class Move { First, PreviousPage, Previous, Next, NextPage, Last };

    // `model` outlives the walk.
    explicit ListWalkLogic(PagedListModel &model);

    PagedListModel &model() { return m_model; }
    const PagedListModel &model() const { return m_model; }

    // The highlighted row of the shown rows, -1 while the list is empty.
    int selectedRow() const { return m_selected; }
    const Row *selected() const;

    // Reads the list from its first row in the order of `key` under `filter`; the first row
    // is highlighted.
    Result open(int key, Filter filter = {});
    // False when `row` is not shown or already highlighted (nothing changes then).
    bool selectRow(int row);
    Result move(Move move);
    // Scrolls the list; the highlight keeps its line.
    Result scroll(int rows);
    // A place on the scroll bar, 0 to 1; the highlight keeps its line.
    Result toFraction(double fraction);
    // The first row at or after `keyValues`.
    Result locate(const std::vector<FieldValue> &keyValues);
    // Shows `rows` rows at once, keeping the highlighted row highlighted.
    Result setVisibleRows(int rows);
    // After a called window: reads the list again and highlights `target` (or the row that took
    // its place) on the same line; without a target, whatever row stands on that line.
    Result reread(const std::optional<Row> &target);

private:
    Result afterMove(const Expected<int> &shown);
    Expected<int> sameLine() const;

    PagedListModel &m_model;
    int m_selected = -1;
};
