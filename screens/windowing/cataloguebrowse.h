#pragma once
// The frame of a catalogue browse window (kits/recipes, shopping list, web links): a sheet with
// one tab around the paged list, a row of buttons, the list's column layout kept between
// openings, and the browse-open flag cleared when the window closes. Each browse adds its own
// buttons and answers the list's actions through its rule class.

#include "platform/recordstore.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class ListWalkLogic;
class PagedListModel;
class PagedListTable;
class PagedListView;
class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

class CatalogueBrowse : public QWidget
{
public:
    ~CatalogueBrowse() override;

    PagedListView *listView() const { return m_list; }
    PagedListTable *list() const;

protected:
    // `keepColumns`: the column layout is kept in the window-state file under `procedure`.
    CatalogueBrowse(const QString &procedure, const QString &helpKeyword, bool keepColumns, QWidget *parent);

    // Puts the list over `model`, read in the order of `key`; call once the model exists.
    void showList(PagedListModel &model, int key, const QString &tabText, const QString &tip);
    QPushButton *addButton(const QString &text, const QString &tip, std::function<void()> action);
    // The buttons every browse ends with: "Cl&ose" and "&Help".
    void addCloseAndHelp();
    QVBoxLayout *column() const { return m_column; }

    // After a called window: reads the list again with `row` (or the row now in its place)
    // highlighted.
    void rereadAt(const std::optional<Row> &row);
    void syncList();
    void closeBrowse();
    // Stores the column layout and clears the browse-open flag, once.
    void finish();

    // The highlighted row, nullptr while the list is empty.
    const Row *selectedRow() const;
    // The highlighted row may have changed: tell the rules.
    virtual void selectionChanged() = 0;
    // What may be pressed, and the values beside the list.
    virtual void refreshButtons() = 0;
    // The list's own actions; each browse decides what they do.
    virtual void editRequested() = 0;
    virtual void insertRequested() = 0;
    virtual void deleteRequested() = 0;
    virtual void contextMenuRequested(const QPoint &at) = 0;
    // The typed locator text as a value of the key (nothing: the list has no locator).
    virtual std::optional<FieldValue> locatorValue(const QString &typed) const;

    void closeEvent(QCloseEvent *event) override;

private:
    void afterMove();

    QString m_procedure;
    QString m_helpKeyword;
    bool m_keepColumns;
    bool m_finished = false;
    QVBoxLayout *m_column = nullptr;
    QTabWidget *m_sheet = nullptr;
    PagedListView *m_list = nullptr;
    QHBoxLayout *m_buttons = nullptr;
    std::unique_ptr<ListWalkLogic> m_walk;
};
