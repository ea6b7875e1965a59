#pragma once
// The rows of a browse list: shows exactly the rows the paged list model holds for the screen
// and turns the keys, the wheel and typing into requests to the browse (move, scroll, locate,
// edit), since the rows beyond the screen are not in the model.

#include "screens/windowing/listwalklogic.h"

#include <QElapsedTimer>
#include <QTableView>

class PagedListTable : public QTableView
{
    Q_OBJECT
public:
    // Typing within this time continues the locator text; after it a new text begins.
    static constexpr int kLocatorPauseMs = 1500;

    explicit PagedListTable(QWidget *parent = nullptr);

    // Rows that fit the list's height.
    int fittingRows() const;
    const QString &locatorText() const { return m_locator; }
    void clearLocator() { m_locator.clear(); }

signals:
    void moveRequested(ListWalkLogic::Move move);
    void scrollRequested(int rows);
    void locatorChanged(const QString &text);
    void editRequested();
    void insertRequested();
    void deleteRequested();
    void fittingRowsChanged(int rows);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    QString m_locator;
    QElapsedTimer m_lastTyped;
    int m_wheelRemainder = 0;
};
