#pragma once
// The dates of a brew: their defaults, the checks that keep them in order, the
// fermentation period, the period texts of the edit form and the age text of
// the browse. BrewDateRules applies them event by event for the edit form.

#include "calc/brewfield.h"
#include "platform/date.h"
#include "platform/prompter.h"

#include <QString>
#include <optional>

struct BrewRecord;

namespace brewdates
{

constexpr int kBottlingDays = 7; // Date Bottled defaults to Date Down + 7
constexpr int kMinUseDays = 20; // Min use by defaults to Date Bottled + 20
constexpr int kMaxUseDays = 186; // Max use by defaults to Date Bottled + 186 ("6 months")
constexpr int kConditioningDays = 14;
constexpr int kMaxBrewPeriod = 255; // ALE:BREWPERIOD is one byte

// R1: an empty Date Down becomes Date Bottled - 7 when there is one, else today.
void defaultDateDown(BrewRecord &brew, date::Day today);
// R2: an empty Date Bottled becomes Date Down + 7 (only when there is a Date Down).
void defaultDateBottled(BrewRecord &brew);
// R3: ALE:BREWPERIOD := Date Bottled - Date Down when both are set, else 0;
// nothing when the override setting is on. The byte holds 0 to 255: a longer
// period is stored as 255, a negative one as 0. Returns the full period in days
// (0 when a date is missing or the override is on).
int setFermentationPeriod(BrewRecord &brew, bool overrideFermentation);
// R4: empty use-by dates become Date Bottled + 20 and + 186.
void defaultUseBy(BrewRecord &brew);

// R5: the four order checks, in order, each only when both of its dates are set.
// Each failing check shows its message and corrects the later date. Returns the
// field last corrected, or None.
BrewField checkDateOrder(BrewRecord &brew, Prompter &prompter);
// R6: Date Bottled earlier than Date Down resets Date Down to bottled - 7 with
// the message for a typed (picked = false) or a calendar date. Returns DateDown
// when it corrected, else None.
BrewField checkDateDown(BrewRecord &brew, Prompter &prompter, bool picked);

// R7: the interval text from `from` to a later `to`: "20 Days", "6 Months",
// "2 YRS". Empty when `to` is before `from` (a use-by date passing the bottling
// date for a moment before the order checks mend it).
QString intervalText(date::Day from, date::Day to);

struct PeriodTexts {
    QString fermentation; // LOC:FERMENTATION, "Down + 7 days"
    QString minUse; // LOC:MINUSESTRG
    QString maxUse; // LOC:MAXUSESTRG
    friend bool operator==(const PeriodTexts &, const PeriodTexts &) = default;
};
PeriodTexts periodTexts(const BrewRecord &brew);

// R8: the age text of a brew for the browse and the single-brew reports
// (LOC:DATESTRING, GLO:AGESTRING).
QString ageText(const BrewRecord &brew, date::Day today);

// The notices of the edit form's OK.
Message dateDownChangedNotice(int brewPeriod);
Message bottledInFutureNotice();
// Shown once for each new period that is too long for the one-byte field.
Message longPeriodNotice(int days);

// Where the calendar of a date field opens: at the date, or today when it is empty.
date::Day calendarStart(date::Day value, date::Day today);

} // namespace brewdates

// The date rules of the brew edit form, driven event by event. It works on the
// form's record buffer, asks through the form's prompter and returns where the
// focus must go (None: it stays). "Today" is read from Clock::current().
// Holds the remembered Date Down and what the form shows beside the dates.
class BrewDateRules
{
public:
    BrewDateRules(BrewRecord &brew, Prompter &prompter, bool overrideFermentation);

    // Before the user can act: empty Date Down becomes today; Date Down is
    // remembered; period texts computed.
    BrewField onFormOpen();

    // Date Down: any event (focus, change, spin): R1 then R6 (typed message).
    BrewField onDateDownTouched();
    // Date Down changed: R5 then R3.
    BrewField onDateDownChanged();
    // The Date Down calendar closed; `picked` replaces Date Down. Then R6
    // (calendar message) and R3.
    BrewField onDateDownPicked(std::optional<date::Day> picked);

    // Date Bottled gets the focus: refused without a Date Down (message, use-by
    // dates cleared, focus to Date Down), else R2.
    BrewField onDateBottledFocus();
    // Date Bottled changed or stepped (and after the focus event when the form
    // accepts the field): with a date R5, R3, R7, use-by controls on, R4, R7;
    // without one, use-by controls off.
    BrewField onDateBottledTouched();
    // The Date Bottled calendar button gets the focus: R2.
    BrewField onDateBottledCalendarFocus();
    // The Date Bottled calendar button pressed, before the calendar opens: R5, R3, R7.
    BrewField onDateBottledCalendarPressed();
    // The Date Bottled calendar closed; `picked` replaces it; then R4, R7.
    BrewField onDateBottledPicked(std::optional<date::Day> picked);

    // Min or Max use by gets the focus: without a Date Bottled a warning, both
    // use-by dates cleared and the focus to Date Bottled.
    BrewField onUseByFocus();
    // Min or Max use by changed (Date Bottled set): R7 then R5.
    BrewField onUseByTouched();
    // Min or Max use by spin pressed (Date Bottled set): R7.
    BrewField onUseBySpin();
    // A use-by calendar closed; `picked` replaces the field (MinUse or MaxUse);
    // then R5, R7.
    BrewField onUseByPicked(BrewField field, std::optional<date::Day> picked);

    // OK, step "Date Down changed": when both dates are set and Date Down differs
    // from the remembered one: R3, the "Auto update..." notice, Date Down
    // remembered anew; returns DateBottled (the save stops). Else None.
    BrewField okDateDownChanged();
    // OK, the bottled-in-future notice (never stops the save).
    void okBottledInFuture();
    // OK, the order checks; a correction returns its field (the save stops).
    BrewField okDateOrder();

    date::Day rememberedDateDown() const { return m_rememberedDateDown; }
    const brewdates::PeriodTexts &texts() const { return m_texts; }
    // With a Date Bottled: the use-by calendar buttons are enabled, the period
    // texts shown and the second "Prime Entry Field&s" button disabled.
    bool useByEnabled() const { return m_useByEnabled; }

private:
    void fermentationPeriod();
    BrewField orderAndPeriod(); // R5, R3, R7
    void refreshTexts();
    date::Day today() const;

    BrewRecord &m_brew;
    Prompter &m_prompter;
    bool m_override;
    date::Day m_rememberedDateDown = 0;
    brewdates::PeriodTexts m_texts;
    bool m_useByEnabled = false;
    int m_warnedPeriod = 0; // the too-long period last told, so it is told once
};
