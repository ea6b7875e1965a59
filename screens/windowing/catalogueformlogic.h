#pragma once
// The rules every catalogue edit form shares (kits/recipes, shopping list, web links): an insert
// reserves its record number as the form opens and gives it back when abandoned; "&OK" writes the
// row; "&Cancel" or the close box asks "Save Record" when a field was changed. A form adds its own
// rules by overriding the hooks. It reaches the user only through a Prompter and the view below.

#include "platform/messages.h"
#include "platform/prompter.h"
#include "records/recordtable.h"
#include "screens/windowing/browseformlogic.h"

#include <QString>
#include <optional>

class CatalogueFormView
{
public:
    virtual ~CatalogueFormView() = default;
    // Shows every value again from the logic's record and window values.
    virtual void refresh() = 0;
    // Moves the focus to the control of a field, named as the field ("ITEM", "QTY").
    virtual void moveFocus(const QString &field) = 0;
    // A record was saved through the form: the values the fields now hold are the ones
    // Ctrl plus the quote key puts back.
    virtual void recordSaved() = 0;
    // The form is done and closes; an abandoned insert has given its reserved row back by then.
    virtual void closeForm() = 0;
};

template <class R, class K> class CatalogueFormLogic
{
public:
    using Table = RecordTable<R, K>;

    CatalogueFormLogic(FormRequest request, Table &table, Prompter &prompter, CatalogueFormView &view)
        : m_request(request)
        , m_table(table)
        , m_prompter(prompter)
        , m_view(view)
    {
    }
    virtual ~CatalogueFormLogic()
    {
        // A form torn down without OK or Cancel (the program closing) still gives its row back.
        abandon();
    }
    CatalogueFormLogic(const CatalogueFormLogic &) = delete;
    CatalogueFormLogic &operator=(const CatalogueFormLogic &) = delete;

    // Takes the caller's row. An insert first reserves the next record number; false when the
    // store could not (the form does not open).
    bool open(const R &row)
    {
        m_record = row;
        if (m_request == FormRequest::Insert && !reserveNew())
            return false;
        m_opened = m_record;
        opened();
        m_view.refresh();
        return true;
    }

    FormRequest request() const { return m_request; }
    virtual QString caption() const = 0;

    // The form's copy of the row: the window writes an accepted value here, then reports it.
    R &record() { return m_record; }
    const R &record() const { return m_record; }
    bool fieldsChanged() const { return !(m_record == m_opened); }

    // True once the request was completed: at least one row was written.
    bool completed() const { return m_lastSaved.has_value(); }
    // The row the browse highlights afterwards: the last one written.
    const std::optional<R> &lastSaved() const { return m_lastSaved; }
    bool finished() const { return m_finished; }

    // "&OK": the form's checks, then the write. A refused write leaves the form open with
    // what was typed (the store has shown why).
    void ok()
    {
        if (m_finished || !checkBeforeSave())
            return;
        const WriteKind kind = m_request == FormRequest::Insert ? WriteKind::CompleteInsert : WriteKind::Change;
        if (!m_table.update(m_record, m_prompter, kind))
            return;
        m_reserved = false;
        m_lastSaved = m_record;
        m_view.recordSaved();
        afterSave();
    }

    // "&Cancel" and the close box.
    void cancel()
    {
        if (m_finished)
            return;
        if (fieldsChanged()) {
            const int answer = m_prompter.ask(messages::saveChangesQuestion());
            if (answer == 1) {
                ok();
                return;
            }
            if (answer != 2)
                return;
        }
        finish();
    }

protected:
    // A new row before it is numbered.
    virtual R newRecord() const { return R {}; }
    // After the row was taken (and, for an insert, reserved); before the user can act.
    virtual void opened() { }
    // The form's own checks on "&OK"; false keeps the form open (the check told the user).
    virtual bool checkBeforeSave() { return true; }
    // After a successful write; closes the form unless a form asks for another record.
    virtual void afterSave() { finish(); }

    // Starts a further insert in the same form: a new row, a new number.
    bool reserveNew()
    {
        R seed = newRecord();
        if (!m_table.reserve(seed, m_prompter))
            return false;
        m_record = seed;
        m_reserved = true;
        return true;
    }
    void restartInsert()
    {
        if (!reserveNew()) {
            finish();
            return;
        }
        m_opened = m_record;
        opened();
        m_view.refresh();
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        abandon();
        m_view.closeForm();
    }

    Prompter &prompter() { return m_prompter; }
    CatalogueFormView &view() { return m_view; }

private:
    void abandon()
    {
        if (m_reserved) {
            m_reserved = false;
            m_table.remove(m_record, m_prompter);
        }
    }

    FormRequest m_request;
    Table &m_table;
    Prompter &m_prompter;
    CatalogueFormView &m_view;
    R m_record {};
    R m_opened {};
    std::optional<R> m_lastSaved;
    bool m_reserved = false; // the current row is held in the store but not yet completed
    bool m_finished = false;
};
