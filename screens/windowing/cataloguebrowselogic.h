#pragma once
// The rules every catalogue browse shares (kits/recipes, shopping list, web links): "&Insert",
// "Ch&ange" and "&Delete" over the highlighted row, each followed by a fresh read of the list with
// the affected row highlighted. The edit form is handed in as a function; the list itself (its
// paging, locator and highlight) belongs to the window, which reports the highlighted row here.

#include "platform/messages.h"
#include "platform/prompter.h"
#include "records/recordtable.h"
#include "screens/windowing/browseformlogic.h"

#include <functional>
#include <optional>

enum class BrowseControl { List, Insert, Change, Delete, Print, Close };

template <class R> class CatalogueBrowseView
{
public:
    virtual ~CatalogueBrowseView() = default;
    // Reads the list again and highlights `at`, or the row that now stands in its place when it
    // is gone; without `at` the highlight stays on its line.
    virtual void reread(const std::optional<R> &at) = 0;
    // What may be pressed or the values beside the list have changed: show them again.
    virtual void refresh() = 0;
    virtual void moveFocus(BrowseControl control) = 0;
    // The browse closes itself.
    virtual void closeBrowse() = 0;
};

template <class R, class K> class CatalogueBrowseLogic
{
public:
    using Table = RecordTable<R, K>;
    // The edit form over the browse's handle: the request and the row in the buffer; true when
    // the request was completed, the buffer then holding the row to highlight.
    using Form = std::function<bool(FormRequest, R &)>;

    CatalogueBrowseLogic(Table &table, Prompter &prompter, CatalogueBrowseView<R> &view, Form form)
        : m_table(table)
        , m_prompter(prompter)
        , m_view(view)
        , m_form(std::move(form))
    {
    }
    virtual ~CatalogueBrowseLogic() = default;
    CatalogueBrowseLogic(const CatalogueBrowseLogic &) = delete;
    CatalogueBrowseLogic &operator=(const CatalogueBrowseLogic &) = delete;

    // The window reports the highlighted row (nothing while the list is empty).
    void setSelected(std::optional<R> row) { m_selected = std::move(row); }
    const std::optional<R> &selected() const { return m_selected; }

    bool canInsert() const { return bool(m_form); }
    bool canChange() const { return canInsert() && m_selected.has_value(); } // change and delete

    void insert()
    {
        if (!canInsert())
            return;
        R buffer {};
        if (m_form(FormRequest::Insert, buffer))
            m_view.reread(buffer);
        else
            m_view.reread(std::nullopt);
        listChanged();
    }

    void change()
    {
        std::optional<R> fresh = highlightedAsStored();
        if (!fresh)
            return;
        R buffer = *fresh;
        m_view.reread(m_form(FormRequest::Change, buffer) ? buffer : *fresh);
        listChanged();
    }

    // Asks "Confirm Delete"; on Yes the row goes and the row after it takes its line.
    void remove()
    {
        std::optional<R> fresh = highlightedAsStored();
        if (!fresh)
            return;
        const int answer = m_prompter.ask(messages::confirmDeleteQuestion());
        if (answer == 1)
            m_table.remove(*fresh, m_prompter);
        m_view.reread(*fresh);
        listChanged();
        m_view.moveFocus(BrowseControl::List);
    }

protected:
    // After the list may have changed (an insert, change or delete, done or not).
    virtual void listChanged() { m_view.refresh(); }

    Table &table() { return m_table; }
    Prompter &prompter() { return m_prompter; }
    CatalogueBrowseView<R> &view() { return m_view; }

    // The highlighted row as the store holds it now (with the revision a change must find);
    // when another window deleted it meanwhile, the list is read again and nothing is returned.
    std::optional<R> highlightedAsStored()
    {
        if (!canChange())
            return std::nullopt;
        const TableDef &def = m_table.definition();
        const int key = def.primaryKey();
        const int field = def.keys[key].components.front().field;
        Expected<std::optional<R>> fresh = m_table.fetch(K(key), { m_table.toRow(*m_selected).values[field] });
        if (!fresh) {
            m_prompter.tell(m_table.store().openFailure(fresh.message()));
            return std::nullopt;
        }
        if (!fresh->has_value()) {
            m_view.reread(std::nullopt);
            listChanged();
            return std::nullopt;
        }
        return **fresh;
    }

private:
    Table &m_table;
    Prompter &m_prompter;
    CatalogueBrowseView<R> &m_view;
    Form m_form;
    std::optional<R> m_selected;
};
