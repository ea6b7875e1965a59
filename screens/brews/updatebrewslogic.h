#pragma once
// The rules of the brew edit form, apart from its widgets: owns the form's copy of the brew and its
// window values, applies the rules on each event and reaches the user only through a Prompter and
// the small view interface below. The widget class binds controls to it and forwards their events.

#include "calc/brewdates.h"
#include "platform/decimal.h"
#include "platform/prompter.h"
#include "records/brewrecord.h"
#include "screens/windowing/browseformlogic.h"

#include <QString>
#include <optional>

class BrewsTable;

// Every control of the form that a rule reads, moves the focus to, enables or hides.
// Data controls carry the name of their field.
enum class BrewControl {
    None,
    // "&Fermentation"
    BATCHNUMBER,
    BREWKIT,
    BREWBATCHNAME,
    BREWSUGARTYPE,
    BREWSUGARKG,
    WATERVOLUMELTR,
    YEAST,
    DATEDOWN,
    DateDownCalendar,
    ORIGINALGRAVITY,
    SPAREFIELD1,
    STOCKONHAND,
    ADDITIVE1,
    ADDITIVE2,
    ADDITIVE3,
    ADDITIVE4,
    ADDITIVE5,
    PrimeFermentation,
    // "&Bottle Conditioning"
    PRIMERSUGARTYPE,
    PRIMERSUGARKG,
    BREWTEMP,
    DATEBOTTLED,
    DateBottledCalendar,
    FermentationText,
    MINUSE,
    MinUseCalendar,
    MinUseText,
    MAXUSE,
    MaxUseCalendar,
    MaxUseText,
    BREWPERIOD,
    BREWPERIOD2,
    FINALGRAVITY,
    SPAREFIELD2,
    ESTIMATEDALC,
    CalculateAlc,
    SugarAlc,
    AlcCalculator,
    PrimeBottling,
    // "&Tasting/Cost"
    APPEARANCE,
    AROMA,
    TASTE,
    Reset,
    SPAREFIELD4,
    CalculateCost,
    BREWCOST,
    // Notes
    NOTES,
    NOTESBIG,
    // Below the tabs
    OK,
    Cancel,
    Help,
    Calculator,
};

enum class BrewTab { Fermentation, BottleConditioning, TastingCost, NotesBrief, NotesDetailed };

// What the logic asks of the window.
class UpdateBrewsView
{
public:
    virtual ~UpdateBrewsView() = default;
    virtual void moveFocus(BrewControl control) = 0;
    virtual void setControlEnabled(BrewControl control, bool enabled) = 0;
    virtual void setControlVisible(BrewControl control, bool visible) = 0;
    // Shows every value again from the logic's record and window values.
    virtual void refresh() = 0;
    virtual BrewTab currentTab() const = 0;
    virtual void showTab(BrewTab tab) = 0;
    virtual void beep() = 0;
    // The calendar "Select a Date" opening at `start`: the picked date, or nothing.
    virtual std::optional<date::Day> pickDate(date::Day start) = 0;
    // Runs the cost calculator; it leaves its total in GLO:TOTALCOST.
    virtual void runCostCalculator() = 0;
    // The form is done (saved, deleted or abandoned) and closes. GLO:TOTALCOST is cleared and an
    // abandoned insert has given its reserved row back by then.
    virtual void closeForm() = 0;
};

class UpdateBrewsLogic
{
public:
    enum class ScoreLook { Low, Good };

    UpdateBrewsLogic(FormRequest request, BrewsTable &table, Prompter &prompter, UpdateBrewsView &view);
    ~UpdateBrewsLogic();
    UpdateBrewsLogic(const UpdateBrewsLogic &) = delete;
    UpdateBrewsLogic &operator=(const UpdateBrewsLogic &) = delete;

    // Takes the caller's row. An insert first reserves the record and batch numbers; false when the
    // store could not (the form does not open). Then the opening steps run before the user can act.
    bool open(const BrewRecord &row);

    FormRequest request() const { return m_request; }
    QString caption() const;
    bool readOnly() const { return m_request == FormRequest::View || m_request == FormRequest::Delete; }

    // The form's copy of the brew. The window writes an accepted value here, then reports the event.
    BrewRecord &record() { return m_record; }
    const BrewRecord &record() const { return m_record; }
    // True once the request was completed (written or deleted); the caller's buffer may take record().
    bool completed() const { return m_completed; }
    // Whether any field differs from the brew as the form opened.
    bool fieldsChanged() const;

    // Window values (LOC).
    QString sugarUnit() const; // LOC:SUGAR
    QString waterUnit() const; // LOC:WATER
    QString tempText() const; // LOC:TEMP
    QString temp1Char() const; // LOC:TEMP1CHAR
    QString alcBy2() const; // LOC:ALCBY2
    Decimal displayOG() const; // LOC:DISPLAYOG
    Decimal displayFG() const; // LOC:DISPLAYFG
    QString fermentationText() const; // LOC:FERMENTATION
    QString minUseText() const; // LOC:MINUSESTRG
    QString maxUseText() const; // LOC:MAXUSESTRG
    bool stockFull() const; // the full mug beside "Stock on hand:"
    ScoreLook look(BrewControl score) const;

    // Events.
    void focusIn(BrewControl control);
    void changed(BrewControl control); // a value typed or picked was accepted
    void spun(BrewControl control); // a spin button or arrow key stepped the value
    void refused(BrewControl control); // the control refused a typed value (it beeped, the focus stays)
    void pressed(BrewControl control); // a button
    void tabChanged(BrewTab tab);
    void ok();
    void cancel(); // "&Cancel" and the window's close box
    // Delete request: asks "Confirm Delete" and deletes; the form closes either way.
    void confirmDelete();

    // The readings the alcohol figure was last worked out from (or as the form opened), which
    // OK compares with.
    int rememberedOG() const { return m_rememberedOG; }
    int rememberedFG() const { return m_rememberedFG; }

private:
    void primeFermentation();
    bool bottlingNeedsDateDown(); // true after telling that a Date Down is needed
    void primeBottling();
    void originalGravityTouched();
    void finalGravityFocus();
    void finalGravityTouched();
    void sugarTouched(BrewControl control);
    void brewTempTouched(bool stepped);
    void scoreTouched(BrewControl control);
    void resetScores();
    void costFocus();
    void costPressed();
    void batchNumberAccepted();
    void dateBottledTouched();
    void pickDate(BrewControl calendar);
    void calculateAlc();
    bool gravitiesConfirmed();
    bool save();
    void abandon();
    void finish();
    void afterDates(BrewField focus);
    void overall();
    void focus(BrewControl control);

    FormRequest m_request;
    BrewsTable &m_table;
    Prompter &m_prompter;
    UpdateBrewsView &m_view;
    BrewRecord m_record;
    BrewRecord m_opened; // the brew as the form opened, for the Cancel question
    BrewDateRules m_dates;
    int m_rememberedOG = 0;
    int m_rememberedFG = 0;
    ScoreLook m_looks[3] = { ScoreLook::Low, ScoreLook::Low, ScoreLook::Low };
    bool m_reserved = false; // an insert's row is held in the store
    bool m_completed = false;
    bool m_finished = false;
};

// The logic's control for a focus target named by a brewing rule.
BrewControl controlFor(BrewField field);
