#pragma once
// The frame of a catalogue edit form (kits/recipes, shopping list, web links): a sheet with one
// tab holding the prompts and fields, and "&OK", "&Cancel", "&Help" below. The fields are bound
// through the form binder and named after their record fields, which the rules move the focus
// to; the field history keeps the values of the last record saved.

#include "screens/windowing/catalogueformlogic.h"

#include <QDialog>
#include <QHash>
#include <functional>

class FormBinder;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

class CatalogueForm : public QDialog, public CatalogueFormView
{
public:
    ~CatalogueForm() override;

    QWidget *field(const QString &name) const;

protected:
    CatalogueForm(const QString &procedure, const QString &helpKeyword, const QString &tabText, QWidget *parent);

    // What the form's rules do on the buttons; set by the form once its rules exist.
    struct Actions {
        std::function<void()> ok;
        std::function<void()> cancel;
        std::function<bool()> completed;
        std::function<void(const QString &field)> accepted; // a value typed, picked or stepped
    };
    void setActions(Actions actions) { m_actions = std::move(actions); }
    // The tooltip of "&OK", where the form gives one.
    void setOkTip(const QString &tip) { m_okTip = tip; }

    FormBinder &binder() const { return *m_binder; }
    QFormLayout *fields() const { return m_fields; }
    QLineEdit *addText(const QString &field, const QString &prompt, int width, const QString &tip,
        std::function<QString()> get, std::function<void(const QString &)> set);
    // A display beside a prompt, shown again on every refresh.
    QLabel *addDisplay(const QString &prompt, std::function<QString()> text);
    // Binds `widget` under `field` with a prompt that is its buddy.
    int idOf(const QString &field);
    // Adds the buttons and turns the field history on; call when the fields are in place.
    void finishLayout();

    // CatalogueFormView
    void refresh() override;
    void moveFocus(const QString &field) override;
    void recordSaved() override;
    void closeForm() override;

    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    QString m_procedure;
    QString m_helpKeyword;
    FormBinder *m_binder;
    QTabWidget *m_sheet;
    QFormLayout *m_fields;
    Actions m_actions;
    QHash<QString, int> m_ids;
    std::vector<std::pair<QLabel *, std::function<QString()>>> m_displays;
    QString m_pendingFocus;
    QString m_okTip;
    bool m_done = false;
};
