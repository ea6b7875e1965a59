#include "screens/brews/updatebrewslogic.h"

#include "calc/alcohol.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "records/brewstable.h"
#include "records/globals.h"

#include <cmath>

namespace
{

QString number(long long n) { return QString::number(n); }

using messages::info;
using messages::question;
using messages::warning;

const QString kOutOfRange = QStringLiteral("Out of Range...");
using messages::kYesNo;

bool blank(const QString &text) { return text.trimmed().isEmpty(); }

bool metric() { return glo().UNITSPROMPT != 0; }
bool celsius() { return glo().TEMPPROMPT != 0; }
QString primeTemperature() { return celsius() ? QStringLiteral("21") : QStringLiteral("70"); }

const Decimal kSugarCap = Decimal::fromScaled(999, 2); // 9.99: the sugar fields stop here
constexpr int kCelsiusCap = 100;

} // namespace

BrewControl controlFor(BrewField field)
{
    switch (field) {
    case BrewField::None:
        return BrewControl::None;
    case BrewField::BatchNumber:
        return BrewControl::BATCHNUMBER;
    case BrewField::BrewKit:
        return BrewControl::BREWKIT;
    case BrewField::DateDown:
        return BrewControl::DATEDOWN;
    case BrewField::DateDownCalendar:
        return BrewControl::DateDownCalendar;
    case BrewField::OriginalGravity:
        return BrewControl::ORIGINALGRAVITY;
    case BrewField::DateBottled:
        return BrewControl::DATEBOTTLED;
    case BrewField::DateBottledCalendar:
        return BrewControl::DateBottledCalendar;
    case BrewField::MinUse:
        return BrewControl::MINUSE;
    case BrewField::MaxUse:
        return BrewControl::MAXUSE;
    case BrewField::BrewPeriod:
        return BrewControl::BREWPERIOD;
    case BrewField::FinalGravity:
        return BrewControl::FINALGRAVITY;
    case BrewField::EstimatedAlc:
        return BrewControl::ESTIMATEDALC;
    case BrewField::CalculateAlc:
        return BrewControl::CalculateAlc;
    case BrewField::BrewCost:
        return BrewControl::BREWCOST;
    }
    return BrewControl::None;
}

UpdateBrewsLogic::UpdateBrewsLogic(FormRequest request, BrewsTable &table, Prompter &prompter, UpdateBrewsView &view)
    : m_request(request)
    , m_table(table)
    , m_prompter(prompter)
    , m_view(view)
    , m_dates(m_record, prompter, glo().OVERRIDEFERMENTATION != 0)
{
}

UpdateBrewsLogic::~UpdateBrewsLogic()
{
    // A form torn down without Cancel or OK (the program closing) still gives a reserved row back.
    abandon();
}

bool UpdateBrewsLogic::open(const BrewRecord &row)
{
    m_record = row;
    if (m_request == FormRequest::Insert) {
        // A new brew (or a copy) gets its numbers now, so they are held while the user types.
        if (!m_table.reserveNew(m_record, m_prompter))
            return false;
        m_reserved = true;
        m_record.STOCKONHAND = QStringLiteral("1");
    }

    // 1. An empty Date Down becomes today; Date Down and the readings are remembered.
    m_dates.onFormOpen();
    m_rememberedOG = m_record.ORIGINALGRAVITY > 0 ? m_record.ORIGINALGRAVITY : 0;
    m_rememberedFG = m_record.FINALGRAVITY > 0 ? m_record.FINALGRAVITY : 0;
    // 3. A brew without a stock value counts as consumed.
    if (blank(m_record.STOCKONHAND))
        m_record.STOCKONHAND = QStringLiteral("0");
    // 2, 4, 5: the unit labels, the displayed gravities and the mug follow the record (see the getters).
    // The score pictures start as a tab change shows them.
    tabChanged(BrewTab::Fermentation);

    // 6. A prime button whose tab already holds data is not offered.
    const BrewRecord &r = m_record;
    m_view.setControlVisible(
        BrewControl::PrimeFermentation, !(r.WATERVOLUMELTR > 0 || r.BREWSUGARKG > 0 || r.ORIGINALGRAVITY > 0));
    m_view.setControlVisible(BrewControl::PrimeBottling,
        !(r.PRIMERSUGARKG > 0 || r.DATEBOTTLED > 0 || r.MINUSE > 0 || r.MAXUSE > 0 || r.BREWTEMP > 0 || r.BREWPERIOD > 0
            || r.FINALGRAVITY > 0));
    const bool bottled = m_dates.useByEnabled();
    m_view.setControlEnabled(BrewControl::MinUseCalendar, bottled);
    m_view.setControlEnabled(BrewControl::MaxUseCalendar, bottled);

    m_opened = m_record;
    m_view.refresh();
    return true;
}

QString UpdateBrewsLogic::caption() const
{
    switch (m_request) {
    case FormRequest::Insert:
        return QStringLiteral("Add Brew");
    case FormRequest::Change:
        return QStringLiteral("Update Brews");
    case FormRequest::Delete:
        return QStringLiteral("Edit Brews");
    case FormRequest::View:
        return QStringLiteral("View Only Mode");
    }
    return {};
}

bool UpdateBrewsLogic::fieldsChanged() const { return !(m_record == m_opened); }

QString UpdateBrewsLogic::sugarUnit() const { return metric() ? QStringLiteral("kg") : QStringLiteral("lbs"); }
QString UpdateBrewsLogic::waterUnit() const { return metric() ? QStringLiteral("Ltr") : QStringLiteral("Gals"); }
QString UpdateBrewsLogic::tempText() const
{
    return celsius() ? QStringLiteral("C   (most=18-24)") : QStringLiteral("F   (most=65-75)");
}
QString UpdateBrewsLogic::temp1Char() const { return celsius() ? QStringLiteral("C") : QStringLiteral("F"); }
QString UpdateBrewsLogic::alcBy2() const
{
    switch (glo().ALCBASEDON) {
    case 1:
        return QStringLiteral("by volume");
    case 0:
        return QStringLiteral("by weight");
    default:
        return {};
    }
}
Decimal UpdateBrewsLogic::displayOG() const { return Decimal(int(m_record.ORIGINALGRAVITY)) / Decimal(1000); }
Decimal UpdateBrewsLogic::displayFG() const { return Decimal(int(m_record.FINALGRAVITY)) / Decimal(1000); }
QString UpdateBrewsLogic::fermentationText() const { return m_dates.texts().fermentation; }
QString UpdateBrewsLogic::minUseText() const { return m_dates.texts().minUse; }
QString UpdateBrewsLogic::maxUseText() const { return m_dates.texts().maxUse; }
bool UpdateBrewsLogic::stockFull() const { return m_record.STOCKONHAND.trimmed() == QLatin1String("1"); }

UpdateBrewsLogic::ScoreLook UpdateBrewsLogic::look(BrewControl score) const
{
    switch (score) {
    case BrewControl::APPEARANCE:
        return m_looks[0];
    case BrewControl::AROMA:
        return m_looks[1];
    case BrewControl::TASTE:
        return m_looks[2];
    default:
        return ScoreLook::Low;
    }
}

// ---- events

void UpdateBrewsLogic::focusIn(BrewControl control)
{
    if (m_finished || readOnly())
        return;
    switch (control) {
    case BrewControl::DATEDOWN:
        afterDates(m_dates.onDateDownTouched());
        break;
    case BrewControl::DATEBOTTLED: {
        const BrewField refused = m_dates.onDateBottledFocus();
        if (refused != BrewField::None)
            afterDates(refused);
        else
            dateBottledTouched();
        break;
    }
    case BrewControl::DateBottledCalendar:
        afterDates(m_dates.onDateBottledCalendarFocus());
        break;
    case BrewControl::MINUSE:
    case BrewControl::MAXUSE: {
        const BrewField refused = m_dates.onUseByFocus();
        afterDates(refused != BrewField::None ? refused : m_dates.onUseByTouched());
        break;
    }
    case BrewControl::ORIGINALGRAVITY:
        originalGravityTouched();
        break;
    case BrewControl::FINALGRAVITY:
        finalGravityFocus();
        break;
    case BrewControl::BREWSUGARKG:
    case BrewControl::PRIMERSUGARKG:
        sugarTouched(control);
        break;
    case BrewControl::PrimeBottling:
        bottlingNeedsDateDown();
        break;
    case BrewControl::CalculateCost:
        costFocus();
        break;
    default:
        break;
    }
    m_view.refresh();
}

void UpdateBrewsLogic::changed(BrewControl control)
{
    if (m_finished || readOnly())
        return;
    switch (control) {
    case BrewControl::BATCHNUMBER:
        batchNumberAccepted();
        break;
    case BrewControl::DATEDOWN: {
        const BrewField down = m_dates.onDateDownTouched();
        const BrewField order = m_dates.onDateDownChanged();
        afterDates(order != BrewField::None ? order : down);
        break;
    }
    case BrewControl::DATEBOTTLED:
        dateBottledTouched();
        break;
    case BrewControl::MINUSE:
    case BrewControl::MAXUSE:
        afterDates(m_dates.onUseByTouched());
        break;
    case BrewControl::ORIGINALGRAVITY:
        originalGravityTouched();
        break;
    case BrewControl::FINALGRAVITY:
        finalGravityTouched();
        break;
    case BrewControl::BREWSUGARKG:
    case BrewControl::PRIMERSUGARKG:
        sugarTouched(control);
        break;
    case BrewControl::BREWTEMP:
        brewTempTouched(false);
        break;
    case BrewControl::APPEARANCE:
    case BrewControl::AROMA:
    case BrewControl::TASTE:
        scoreTouched(control);
        break;
    default:
        break;
    }
    m_view.refresh();
}

void UpdateBrewsLogic::spun(BrewControl control)
{
    if (m_finished || readOnly())
        return;
    switch (control) {
    case BrewControl::MINUSE:
    case BrewControl::MAXUSE:
        afterDates(m_dates.onUseBySpin());
        break;
    case BrewControl::BREWTEMP:
        brewTempTouched(true);
        break;
    default:
        // Every other spin press counts as a change of the value.
        changed(control);
        return;
    }
    m_view.refresh();
}

void UpdateBrewsLogic::refused(BrewControl control)
{
    // The control has beeped and kept the focus; a gravity also says how to type it.
    if (m_finished)
        return;
    if (control == BrewControl::ORIGINALGRAVITY || control == BrewControl::FINALGRAVITY)
        m_prompter.tell(info(QStringLiteral("Entry or Range error..."),
            QStringLiteral("Please exclude the decimal point.|Example: Enter 1.035 as 1035||Range "
                           "900 to 1200")));
}

void UpdateBrewsLogic::pressed(BrewControl control)
{
    if (m_finished)
        return;
    if (control == BrewControl::Cancel) {
        cancel();
        return;
    }
    if (readOnly())
        return;
    switch (control) {
    case BrewControl::PrimeFermentation:
        primeFermentation();
        break;
    case BrewControl::PrimeBottling:
        primeBottling();
        break;
    case BrewControl::DateDownCalendar:
    case BrewControl::DateBottledCalendar:
    case BrewControl::MinUseCalendar:
    case BrewControl::MaxUseCalendar:
        pickDate(control);
        break;
    case BrewControl::CalculateAlc:
        calculateAlc();
        break;
    case BrewControl::Reset:
        resetScores();
        break;
    case BrewControl::CalculateCost:
        costPressed();
        break;
    case BrewControl::OK:
        ok();
        return;
    default:
        break;
    }
    m_view.refresh();
}

void UpdateBrewsLogic::tabChanged(BrewTab)
{
    overall();
    m_looks[0] = m_record.APPEARANCE >= 5 ? ScoreLook::Good : ScoreLook::Low;
    m_looks[1] = m_record.AROMA >= 5 ? ScoreLook::Good : ScoreLook::Low;
    m_looks[2] = m_record.TASTE >= 25 ? ScoreLook::Good : ScoreLook::Low;
    m_view.refresh();
}

// ---- prime buttons

void UpdateBrewsLogic::primeFermentation()
{
    BrewRecord &r = m_record;
    if (r.BREWSUGARKG.isZero())
        r.BREWSUGARKG = metric() ? Decimal(1) : Decimal::fromScaled(220, 2);
    if (r.WATERVOLUMELTR.isZero())
        r.WATERVOLUMELTR = metric() ? Decimal(23) : Decimal::fromScaled(511, 2);
    if (r.DATEDOWN == 0)
        r.DATEDOWN = Clock::current().today();
    if (r.ORIGINALGRAVITY < 1)
        r.ORIGINALGRAVITY = 1035;
    if (blank(r.SPAREFIELD1))
        r.SPAREFIELD1 = primeTemperature();
    m_view.setControlEnabled(BrewControl::PrimeFermentation, false);
    focus(BrewControl::BREWKIT);
}

bool UpdateBrewsLogic::bottlingNeedsDateDown()
{
    if (m_record.DATEDOWN > 0)
        return false;
    m_prompter.tell(info(QStringLiteral("Can not proceed..."),
        QStringLiteral("A Date Down is required.||Please complete 'Fermentation' details first.")));
    focus(BrewControl::DATEDOWN);
    return true;
}

void UpdateBrewsLogic::primeBottling()
{
    // The button took the focus first and has said so already.
    if (m_record.DATEDOWN <= 0) {
        focus(BrewControl::DATEDOWN);
        return;
    }
    BrewRecord &r = m_record;
    if (r.PRIMERSUGARKG.isZero())
        r.PRIMERSUGARKG = metric() ? Decimal::fromScaled(18, 2) : Decimal::fromScaled(40, 2);
    if (r.BREWTEMP == 0)
        r.BREWTEMP = celsius() ? 21 : 70;
    if (r.DATEBOTTLED == 0)
        r.DATEBOTTLED = r.DATEDOWN + brewdates::kBottlingDays;
    if (r.BREWPERIOD2 < 1)
        r.BREWPERIOD2 = brewdates::kConditioningDays;
    if (r.FINALGRAVITY < 1) {
        if (r.ORIGINALGRAVITY > 0) {
            // Never above the original: a final reading over it is refused everywhere else.
            r.FINALGRAVITY = std::min<std::int16_t>(1005, r.ORIGINALGRAVITY);
        } else {
            m_prompter.tell(info(QStringLiteral("Zero Original Gravity"),
                QStringLiteral("As the final gravity can not be greater than |the original this "
                               "field will not be primed.")));
        }
    }
    if (blank(r.SPAREFIELD2))
        r.SPAREFIELD2 = primeTemperature();
    m_view.setControlEnabled(BrewControl::PrimeBottling, false);
    focus(BrewControl::DATEBOTTLED);
}

// ---- readings and amounts

void UpdateBrewsLogic::originalGravityTouched()
{
    if (m_record.ORIGINALGRAVITY < m_record.FINALGRAVITY) {
        m_prompter.tell(info(kOutOfRange, QStringLiteral("The Original Gravity can not be less than the Final.")));
        m_record.ORIGINALGRAVITY = m_record.FINALGRAVITY;
        focus(BrewControl::ORIGINALGRAVITY);
    }
}

void UpdateBrewsLogic::finalGravityFocus()
{
    if (m_record.ORIGINALGRAVITY == 0) {
        const int answer = m_prompter.ask(question(QStringLiteral("Can not proceed"),
            QStringLiteral("Must have Original Gravity entered.||Enter Original Gravity now?"), kYesNo, 1));
        if (answer == 1) {
            focus(BrewControl::ORIGINALGRAVITY);
            return;
        }
    }
    finalGravityTouched();
}

void UpdateBrewsLogic::finalGravityTouched()
{
    if (m_record.FINALGRAVITY > m_record.ORIGINALGRAVITY) {
        m_prompter.tell(info(kOutOfRange, QStringLiteral("The Final Gravity can not exceed the Original.")));
        m_record.FINALGRAVITY = m_record.ORIGINALGRAVITY;
        focus(BrewControl::FINALGRAVITY);
    }
}

void UpdateBrewsLogic::sugarTouched(BrewControl control)
{
    Decimal &value = control == BrewControl::BREWSUGARKG ? m_record.BREWSUGARKG : m_record.PRIMERSUGARKG;
    if (value > kSugarCap) {
        m_prompter.tell(info(kOutOfRange, QStringLiteral("Reached the maximum of 9.990")));
        value = kSugarCap;
    }
}

void UpdateBrewsLogic::brewTempTouched(bool stepped)
{
    // Celsius stops at boiling: a step that reaches it beeps, and a typed figure above it is held
    // there as a stepped one is.
    if (!celsius())
        return;
    if (m_record.BREWTEMP > kCelsiusCap || (stepped && m_record.BREWTEMP == kCelsiusCap)) {
        m_view.beep();
        m_record.BREWTEMP = kCelsiusCap;
    }
}

// ---- tasting scores

void UpdateBrewsLogic::overall()
{
    m_record.OVERALL = static_cast<std::int16_t>(std::trunc(m_record.APPEARANCE + m_record.AROMA + m_record.TASTE));
}

void UpdateBrewsLogic::scoreTouched(BrewControl control)
{
    overall();
    switch (control) {
    case BrewControl::APPEARANCE:
        // Right after an appearance change 4 already counts as good; a tab change asks for 5.
        m_looks[0] = m_record.APPEARANCE >= 4 ? ScoreLook::Good : ScoreLook::Low;
        break;
    case BrewControl::AROMA:
        m_looks[1] = m_record.AROMA >= 5 ? ScoreLook::Good : ScoreLook::Low;
        break;
    case BrewControl::TASTE:
        m_looks[2] = m_record.TASTE >= 25 ? ScoreLook::Good : ScoreLook::Low;
        break;
    default:
        break;
    }
}

void UpdateBrewsLogic::resetScores()
{
    if (m_record.APPEARANCE + m_record.AROMA + m_record.TASTE > 0) {
        const int answer = m_prompter.ask(question(QStringLiteral("Please confirm..."),
            QStringLiteral("This will reset all the tasting scores to Zero"), QStringLiteral("&Zero|&Cancel"), 2));
        if (answer != 1)
            return;
        m_record.APPEARANCE = m_record.AROMA = m_record.TASTE = 0;
        m_record.OVERALL = 0;
        m_looks[0] = m_looks[1] = m_looks[2] = ScoreLook::Low;
    } else {
        m_prompter.tell(
            question(QStringLiteral("Reset not required..."), QStringLiteral("All scores are already zero."), {}, 1));
    }
}

// ---- cost

void UpdateBrewsLogic::costFocus()
{
    Globals &g = glo();
    g.GETBATCHNUMBER = m_record.BATCHNUMBER;
    g.GETKITNAME = m_record.BREWKIT;
    g.cost.TOTALCOST = m_record.BREWCOST;
    g.GETBATCHNAME = m_record.BREWBATCHNAME;
}

void UpdateBrewsLogic::costPressed()
{
    costFocus();
    m_view.runCostCalculator();
    const Decimal total = glo().cost.TOTALCOST;
    if (m_record.BREWCOST > 0) {
        const int answer = m_prompter.ask(
            question(QStringLiteral("Cost changed..."), QStringLiteral("Replace the existing cost?"), kYesNo, 1));
        if (answer == 1)
            m_record.BREWCOST = total;
    }
    if (m_record.BREWCOST.isZero())
        m_record.BREWCOST = total;
    focus(BrewControl::BREWCOST);
}

// ---- batch number

void UpdateBrewsLogic::batchNumberAccepted()
{
    if (m_record.BATCHNUMBER == 0)
        return;
    // A check the store could not make is left to the save, which refuses a duplicate as well.
    const Expected<bool> inUse = m_table.batchNumberInUse(m_record.BATCHNUMBER, m_record.RECORDNUMBER);
    if (inUse.ok() && *inUse) {
        m_prompter.tell(warning(QStringLiteral("Duplicates disallowed..."),
            QStringLiteral("The 'Batch Number' entered is already in use.||Please insert a new "
                           "batch number.")));
        focus(BrewControl::BATCHNUMBER);
    }
}

// ---- dates

void UpdateBrewsLogic::afterDates(BrewField target)
{
    if (target != BrewField::None)
        focus(controlFor(target));
}

void UpdateBrewsLogic::dateBottledTouched()
{
    const BrewField target = m_dates.onDateBottledTouched();
    const bool bottled = m_dates.useByEnabled();
    m_view.setControlEnabled(BrewControl::MinUseCalendar, bottled);
    m_view.setControlEnabled(BrewControl::MaxUseCalendar, bottled);
    m_view.setControlVisible(BrewControl::FermentationText, bottled);
    m_view.setControlVisible(BrewControl::MinUseText, bottled);
    m_view.setControlVisible(BrewControl::MaxUseText, bottled);
    m_view.setControlEnabled(BrewControl::PrimeBottling, !bottled);
    afterDates(target);
}

void UpdateBrewsLogic::pickDate(BrewControl calendar)
{
    const date::Day today = Clock::current().today();
    switch (calendar) {
    case BrewControl::DateDownCalendar:
        afterDates(m_dates.onDateDownPicked(m_view.pickDate(brewdates::calendarStart(m_record.DATEDOWN, today))));
        break;
    case BrewControl::DateBottledCalendar: {
        const BrewField order = m_dates.onDateBottledCalendarPressed();
        const auto picked = m_view.pickDate(brewdates::calendarStart(m_record.DATEBOTTLED, today));
        m_dates.onDateBottledPicked(picked);
        afterDates(order);
        break;
    }
    case BrewControl::MinUseCalendar:
        afterDates(m_dates.onUseByPicked(
            BrewField::MinUse, m_view.pickDate(brewdates::calendarStart(m_record.MINUSE, today))));
        break;
    case BrewControl::MaxUseCalendar:
        afterDates(m_dates.onUseByPicked(
            BrewField::MaxUse, m_view.pickDate(brewdates::calendarStart(m_record.MAXUSE, today))));
        break;
    default:
        break;
    }
}

// ---- alcohol

void UpdateBrewsLogic::calculateAlc()
{
    const alcohol::CalculateResult result = alcohol::calculateButton(m_record, glo().ALCBASEDON == 1, m_prompter);
    if (result.calculated) {
        m_rememberedOG = m_record.ORIGINALGRAVITY;
        m_rememberedFG = m_record.FINALGRAVITY;
    }
    afterDates(result.focus);
}

// Step 4 of OK: readings changed since the alcohol was last worked out. False stops the save.
bool UpdateBrewsLogic::gravitiesConfirmed()
{
    const BrewRecord &r = m_record;
    const bool byVolume = glo().ALCBASEDON == 1;
    const auto pair = [](int from, int to) { return number(from) + QStringLiteral(" to ") + number(to); };
    const auto bringForward = [this] {
        if (m_view.currentTab() != BrewTab::BottleConditioning) {
            m_view.showTab(BrewTab::BottleConditioning);
            focus(BrewControl::CalculateAlc);
        }
    };

    if (m_rememberedOG > 0 && m_rememberedFG > 0 && r.ORIGINALGRAVITY != m_rememberedOG
        && r.FINALGRAVITY != m_rememberedFG) {
        const QString text = QStringLiteral("Original Gravity changed from ") + pair(m_rememberedOG, r.ORIGINALGRAVITY)
            + QStringLiteral("|Final Gravity changed from ") + pair(m_rememberedFG, r.FINALGRAVITY)
            + QStringLiteral("|| The Alcohol % will need revising||     Update the ")
            + QStringLiteral("Alcohol % now?");
        if (m_prompter.ask(question(QStringLiteral("Auto Update?"), text, kYesNo, 1)) == 1) {
            alcohol::updateEstimatedAlc(m_record, byVolume, m_prompter);
            m_rememberedOG = r.ORIGINALGRAVITY;
            m_rememberedFG = r.FINALGRAVITY;
            bringForward();
        }
        return false;
    }

    struct Reading {
        const char *name;
        std::int16_t current;
        int &remembered;
    };
    Reading readings[]
        = { { "Original", r.ORIGINALGRAVITY, m_rememberedOG }, { "Final", r.FINALGRAVITY, m_rememberedFG } };
    for (Reading &reading : readings) {
        if (reading.remembered <= 0 || reading.current == reading.remembered)
            continue;
        const QString text = QLatin1String(reading.name) + QStringLiteral(" Gravity changed from ")
            + pair(reading.remembered, reading.current) + QStringLiteral("|| The Alcohol % will need revising")
            + QStringLiteral(".||     Update the Alcohol % now?");
        if (m_prompter.ask(question(QStringLiteral("Auto Update?"), text, kYesNo, 1)) == 1) {
            alcohol::updateEstimatedAlc(m_record, byVolume, m_prompter);
            reading.remembered = reading.current;
            bringForward();
            return false;
        }
    }
    return true;
}

// ---- OK, Cancel, Delete

void UpdateBrewsLogic::ok()
{
    if (m_finished || readOnly())
        return;
    BrewRecord &r = m_record;
    if (blank(r.BREWKIT)) {
        m_prompter.tell(warning(QStringLiteral("Required field empty..."),
            QStringLiteral("The brew must have a description!||Please enter a Kit or Recipe "
                           "description |or select 'Cancel' to abort.")));
        focus(BrewControl::BREWKIT);
        m_view.refresh();
        return;
    }
    if (r.DATEDOWN < 1) {
        m_prompter.tell(warning(QStringLiteral("Required field empty..."),
            QStringLiteral("Must have a Date Down!||Please enter or to abort select 'Cancel'.")));
        focus(BrewControl::DATEDOWN);
        m_view.refresh();
        return;
    }
    BrewField target = m_dates.okDateDownChanged();
    if (target != BrewField::None) {
        afterDates(target);
        m_view.refresh();
        return;
    }
    if (!gravitiesConfirmed()) {
        m_view.refresh();
        return;
    }
    m_dates.okBottledInFuture();
    target = m_dates.okDateOrder();
    if (target != BrewField::None) {
        afterDates(target);
        m_view.refresh();
        return;
    }
    overall();
    m_view.refresh();
    if (!save())
        return; // the store said why; the form stays open with everything typed
    m_completed = true;
    finish();
}

bool UpdateBrewsLogic::save()
{
    const WriteKind kind = m_request == FormRequest::Insert ? WriteKind::CompleteInsert : WriteKind::Change;
    if (!m_table.update(m_record, m_prompter, kind))
        return false;
    m_reserved = false;
    return true;
}

void UpdateBrewsLogic::cancel()
{
    if (m_finished)
        return;
    if (!readOnly() && fieldsChanged()) {
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

void UpdateBrewsLogic::confirmDelete()
{
    if (m_finished || m_request != FormRequest::Delete)
        return;
    const int answer = m_prompter.ask(messages::confirmDeleteQuestion());
    if (answer == 1 && m_table.remove(m_record.RECORDNUMBER, m_prompter))
        m_completed = true;
    finish();
}

void UpdateBrewsLogic::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    abandon();
    glo().cost.TOTALCOST = Decimal();
    m_view.closeForm();
}

void UpdateBrewsLogic::abandon()
{
    // An insert that was not completed gives its numbers back.
    if (m_reserved && !m_completed) {
        m_table.remove(m_record.RECORDNUMBER, m_prompter);
        m_reserved = false;
    }
}

void UpdateBrewsLogic::focus(BrewControl control)
{
    if (control != BrewControl::None)
        m_view.moveFocus(control);
}
