#pragma once
// The window of the brew edit form: five tabs of controls bound to UpdateBrewsLogic. It shows the
// logic's record, writes each accepted value back into it and forwards the controls' events; the
// rules themselves live in the logic.

#include "screens/brews/updatebrewslogic.h"

#include <QDialog>
#include <QHash>
#include <QSet>
#include <functional>
#include <memory>
#include <vector>

class FormBinder;
class IntSpinBox;
class QLabel;
class QLayout;
class QTabWidget;

class BrewForm : public QDialog, private UpdateBrewsView
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("UpdateBrews");

    BrewForm(FormRequest request, BrewsTable &table, Prompter &prompter, QWidget *parent = nullptr);
    ~BrewForm() override;

    // Opens the form on `row` (an insert reserves its numbers first); false when it cannot open.
    bool start(const BrewRecord &row);

    UpdateBrewsLogic &logic() { return *m_logic; }
    const UpdateBrewsLogic &logic() const { return *m_logic; }
    // The control of the form that stands for `control` (tests and the field history use it).
    QWidget *control(BrewControl control) const;
    BrewControl controlOf(const QWidget *widget) const;
    QTabWidget *tabs() const { return m_tabs; }
    // The prompt of a control, by the control's name (tests check the texts and buddies).
    QLabel *prompt(BrewControl control) const;

    // Where the form gets the calendar's answer and runs the cost window; the real ones unless a
    // test replaces them.
    void setDatePicker(std::function<std::optional<date::Day>(date::Day)> picker) { m_picker = std::move(picker); }
    void setCostCalculator(std::function<void()> run) { m_costCalculator = std::move(run); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

public slots:
    void reject() override; // Escape: the same as "&Cancel"

private:
    // Shows the next (1) or previous (-1) page, wrapping round.
    void turnPage(int step);

    // UpdateBrewsView
    void moveFocus(BrewControl control) override;
    void setControlEnabled(BrewControl control, bool enabled) override;
    void setControlVisible(BrewControl control, bool visible) override;
    void refresh() override;
    BrewTab currentTab() const override;
    void showTab(BrewTab tab) override;
    void beep() override;
    std::optional<date::Day> pickDate(date::Day start) override;
    void runCostCalculator() override;
    void closeForm() override;

    QWidget *buildFermentation();
    QWidget *buildBottling();
    QWidget *buildTasting();
    QWidget *buildNotes(BrewControl notes, const QString &limit);
    QLayout *buttonRow();

    // Binding helpers: each creates the control, names it after its field and binds it.
    QWidget *textEntry(BrewControl id, QString BrewRecord::*field, int width, const QString &tip);
    QWidget *numberEntry(BrewControl id, const QString &picture, const QString &tip, Decimal low, Decimal high,
        std::function<Decimal(const BrewRecord &)> get, std::function<void(BrewRecord &, Decimal)> set);
    QWidget *bindSpin(IntSpinBox *box, BrewControl id, const QString &tip, std::function<int(const BrewRecord &)> get,
        std::function<void(BrewRecord &, int)> set);
    QWidget *intSpin(BrewControl id, int low, int high, int step, int digits, const QString &tip,
        std::function<int(const BrewRecord &)> get, std::function<void(BrewRecord &, int)> set);
    QWidget *decimalSpin(BrewControl id, Decimal BrewRecord::*field, Decimal low, Decimal high, Decimal step,
        int decimals, const QString &tip);
    QWidget *gravitySpin(BrewControl id, std::int16_t BrewRecord::*field, const QString &tip);
    QWidget *dateSpin(BrewControl id, date::Day BrewRecord::*field, int step, const QString &tip);
    QWidget *textSpin(BrewControl id, QString BrewRecord::*field, const QString &tip);
    QWidget *button(BrewControl id, const QString &text, const QString &tip);
    QLabel *display(BrewControl id, std::function<QString()> text);
    QLabel *promptFor(const QString &text, BrewControl buddy);
    // Names the control after its field (or button) so that tests and the field history find it.
    template <class W> W *named(BrewControl id, W *widget);
    // Takes the changed notes into the record.
    void storeNotes();
    void loadKits(QWidget *combo);
    void applyPendingFocus();

    std::unique_ptr<UpdateBrewsLogic> m_logic;
    BrewsTable &m_table;
    QTabWidget *m_tabs = nullptr;
    FormBinder *m_binder = nullptr;
    QHash<BrewControl, QLabel *> m_prompts;
    std::vector<std::function<void()>> m_displays; // window values shown as text or pictures
    std::function<std::optional<date::Day>(date::Day)> m_picker;
    std::function<void()> m_costCalculator;
    BrewControl m_pendingFocus = BrewControl::None;
    QSet<BrewControl> m_notesChanged;
    bool m_refreshing = false;
    bool m_done = false;
};
