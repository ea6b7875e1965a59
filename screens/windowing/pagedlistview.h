#pragma once
// A browse list as the user sees it: the rows (PagedListTable) beside a scroll bar that stands
// for the whole list, over a ListWalkLogic. Every request of the user (keys, wheel, scroll bar,
// typing, double-click) comes out as a signal for the browse's logic; sync() shows the walk
// again afterwards. Only what the user does to the scroll bar moves the list: setting the bar
// to show where the list stands never does. The column layout is kept in the window-state file.

#include "screens/windowing/listwalklogic.h"

#include <QWidget>

class PagedListTable;
class QScrollBar;

class PagedListView : public QWidget
{
    Q_OBJECT
public:
    explicit PagedListView(QWidget *parent = nullptr);

    // The walk whose rows and highlight the list shows; it outlives the view.
    void setWalk(ListWalkLogic &walk);
    PagedListTable *table() const { return m_table; }
    QScrollBar *scrollBar() const { return m_scrollBar; }

    // Shows the walk's rows, its highlight and its place in the whole list.
    void sync();

    QString columnFormat() const;
    // A text that is not a layout of the model's columns gives the designed layout.
    void applyColumnFormat(const QString &format);
    // The layout of `procedure`'s section of the window-state file, or the designed one.
    void restoreColumns(const QString &procedure);
    // Keeps the layout; a failed write only means the next opening starts from the design.
    void storeColumns(const QString &procedure) const;

signals:
    void moveRequested(ListWalkLogic::Move move);
    void scrollRequested(int rows);
    // The user put the scroll bar at a place of the whole list (0 first row, 1 last).
    void fractionRequested(double fraction);
    void rowClicked(int row);
    void fittingRowsChanged(int rows);
    void locatorChanged(const QString &text);
    void editRequested();
    void insertRequested();
    void deleteRequested();

private:
    void onBarAction(int action);

    ListWalkLogic *m_walk = nullptr;
    PagedListTable *m_table = nullptr;
    QScrollBar *m_scrollBar = nullptr;
    bool m_syncing = false;
};
