#include "calc/brewdates.h"

#include "platform/clock.h"
#include "platform/decimal.h"
#include "records/brewrecord.h"

#include <QStringList>
#include <algorithm>

namespace brewdates
{

namespace
{

Message info(const QString &caption, const QString &text, MessageIcon icon = MessageIcon::Information)
{
    return Message { caption, text, icon, {}, 1 };
}

} // namespace

void defaultDateDown(BrewRecord &brew, date::Day today)
{
    if (brew.DATEDOWN != 0)
        return;
    brew.DATEDOWN = brew.DATEBOTTLED > 0 ? brew.DATEBOTTLED - kBottlingDays : today;
}

void defaultDateBottled(BrewRecord &brew)
{
    // Without a Date Down there is nothing to count from; day 7 would be a date in 1801.
    if (brew.DATEBOTTLED == 0 && brew.DATEDOWN > 0)
        brew.DATEBOTTLED = brew.DATEDOWN + kBottlingDays;
}

int setFermentationPeriod(BrewRecord &brew, bool overrideFermentation)
{
    if (overrideFermentation)
        return 0;
    int days = 0;
    if (brew.DATEDOWN > 0 && brew.DATEBOTTLED > 0)
        days = brew.DATEBOTTLED - brew.DATEDOWN;
    // The field is one byte: held at its ends rather than wrapped round.
    brew.BREWPERIOD = static_cast<std::uint8_t>(std::clamp(days, 0, kMaxBrewPeriod));
    return days;
}

void defaultUseBy(BrewRecord &brew)
{
    if (brew.DATEBOTTLED <= 0)
        return;
    if (brew.MINUSE == 0)
        brew.MINUSE = brew.DATEBOTTLED + kMinUseDays;
    if (brew.MAXUSE == 0)
        brew.MAXUSE = brew.DATEBOTTLED + kMaxUseDays;
}

BrewField checkDateOrder(BrewRecord &brew, Prompter &prompter)
{
    BrewField focus = BrewField::None;
    auto check = [&](date::Day earlier, date::Day later, const char *caption, const char *text, date::Day &field,
                     date::Day corrected, BrewField target) {
        if (earlier <= 0 || later <= 0 || later > earlier)
            return;
        prompter.tell(info(QString::fromLatin1(caption), QString::fromLatin1(text)));
        field = corrected;
        focus = target;
    };
    check(brew.DATEDOWN, brew.DATEBOTTLED, "Date bottled error...",
        "Can not be less than Date Bottled.||Resetting to Date Down + 7 days. (default)", brew.DATEBOTTLED,
        brew.DATEDOWN + kBottlingDays, BrewField::DateBottled);
    check(brew.DATEBOTTLED, brew.MINUSE, "Minimum Use By...",
        "Can not be less than Date Bottled.||Resetting to Date Bottled + 20 days. (default)", brew.MINUSE,
        brew.DATEBOTTLED + kMinUseDays, BrewField::MinUse);
    check(brew.DATEBOTTLED, brew.MAXUSE, "Maximum Use By...",
        "Can not be less than Date Bottled.||Resetting to Date Bottled + 6 months. (default)", brew.MAXUSE,
        brew.DATEBOTTLED + kMaxUseDays, BrewField::MaxUse);
    check(brew.MINUSE, brew.MAXUSE, "Maximum Use By",
        "Can not be less than Min use by.||Resetting to bottled + 6 months. (default)", brew.MAXUSE,
        brew.DATEBOTTLED + kMaxUseDays, BrewField::MaxUse);
    return focus;
}

BrewField checkDateDown(BrewRecord &brew, Prompter &prompter, bool picked)
{
    if (brew.DATEBOTTLED <= 0 || brew.DATEDOWN <= 0 || brew.DATEBOTTLED >= brew.DATEDOWN)
        return BrewField::None;
    prompter.tell(info(QStringLiteral("Date error..."),
        picked ? QStringLiteral("Date Down can not be greater than Date Bottled?||Resetting to "
                                "default. (Bottled less 7 days)")
               : QStringLiteral("Date Down greater than Date Bottled.||Resetting to default. "
                                "(Bottled less 7 days)")));
    brew.DATEDOWN = brew.DATEBOTTLED - kBottlingDays;
    return BrewField::DateDown;
}

QString intervalText(date::Day from, date::Day to)
{
    const int days = to - from;
    if (days < 0)
        return {};
    if (days < 61)
        return QString::number(days) + QStringLiteral(" Days");
    const date::Ymd a = date::toYmd(from);
    const date::Ymd b = date::toYmd(to);
    const int years = b.year - a.year;
    int months = 12 * years;
    if (years <= 2) {
        months += b.month - a.month;
        if (b.day < a.day)
            --months;
    }
    if (months <= 24)
        return QString::number(months) + QStringLiteral(" Months");
    const bool beforeAnniversary = b.month < a.month || (b.month == a.month && b.day < a.day);
    return QString::number(beforeAnniversary ? years - 1 : years) + QStringLiteral(" YRS");
}

PeriodTexts periodTexts(const BrewRecord &brew)
{
    PeriodTexts t;
    if (brew.DATEDOWN > 0 && brew.DATEBOTTLED > 0)
        t.fermentation = QStringLiteral("Down + ") + QString::number(brew.BREWPERIOD) + QStringLiteral(" days");
    if (brew.DATEBOTTLED > 0) {
        if (brew.MINUSE > 0)
            t.minUse = intervalText(brew.DATEBOTTLED, brew.MINUSE);
        if (brew.MAXUSE > 0)
            t.maxUse = intervalText(brew.DATEBOTTLED, brew.MAXUSE);
    }
    return t;
}

QString ageText(const BrewRecord &brew, date::Day today)
{
    QString text;
    if (brew.STOCKONHAND == QLatin1String("0"))
        text = QStringLiteral("n/a - nil stock");
    if (brew.DATEBOTTLED > 0 && brew.STOCKONHAND == QLatin1String("1")) {
        const long long d = today - brew.DATEBOTTLED;
        const Decimal year = Decimal::fromScaled(36525, 2);
        const Decimal month = Decimal::fromScaled(3041666, 5);
        const long long y = (Decimal(d) / year).truncated();
        // 365, not 365.25, for the months: the months are counted from the whole years.
        const long long m = (Decimal(d - 365 * y) / month).truncated();
        // The months are counted from 365-day years and the days from 365.25-day
        // ones, so after a few years the days can come out one or two below zero;
        // a brew is never a negative number of days old.
        const long long dd = std::max(0LL, d - (year * Decimal(y) + month * Decimal(m)).truncated());
        auto word = [](long long n, const char *one, const char *many) {
            return n == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many);
        };
        QStringList parts;
        if (y > 0)
            parts << QString::number(y) << word(y, "year", "years");
        if (m > 0)
            parts << QString::number(m) << word(m, "month", "months");
        parts << QString::number(dd);
        if (dd > 0)
            parts << word(dd, "day", "days");
        text = parts.join(QLatin1Char(' '));
        if (y == 0 || m == 0)
            text += QStringLiteral(" as at ") + date::shortText(today);
    } else if (brew.DATEBOTTLED == 0) {
        text = QStringLiteral("No Date Bottled yet");
    }
    if (brew.DATEBOTTLED > today)
        text = QStringLiteral("'Date Bottled' is a future date?");
    return text;
}

Message dateDownChangedNotice(int brewPeriod)
{
    return info(QStringLiteral("Auto update..."),
        QStringLiteral("The Date Down has changed.||The Fermentation period and 'Down + # Days' |will now be "
                       "updated to ")
            + QString::number(brewPeriod) + QStringLiteral(" days."));
}

Message bottledInFutureNotice()
{
    return info(QStringLiteral("Please note..."),
        QStringLiteral("The 'Date Bottled' is greater than today? (or system date)||Not a problem but the "
                       "brews AGE can not be displayed|until the bottled date is reached."));
}

Message longPeriodNotice(int days)
{
    return info(QStringLiteral("Please note..."),
        QStringLiteral("The fermentation period of ") + QString::number(days)
            + QStringLiteral(" days is longer than the 255 days the brew can hold.||It is kept as 255 "
                             "days; please check Date Down and Date Bottled."));
}

date::Day calendarStart(date::Day value, date::Day today) { return value > 0 ? value : today; }

} // namespace brewdates

using namespace brewdates;

BrewDateRules::BrewDateRules(BrewRecord &brew, Prompter &prompter, bool overrideFermentation)
    : m_brew(brew)
    , m_prompter(prompter)
    , m_override(overrideFermentation)
{
}

date::Day BrewDateRules::today() const { return Clock::current().today(); }

void BrewDateRules::fermentationPeriod()
{
    const int days = setFermentationPeriod(m_brew, m_override);
    if (days > kMaxBrewPeriod && days != m_warnedPeriod) {
        m_warnedPeriod = days;
        m_prompter.tell(longPeriodNotice(days));
    }
}

void BrewDateRules::refreshTexts() { m_texts = periodTexts(m_brew); }

BrewField BrewDateRules::onFormOpen()
{
    if (m_brew.DATEDOWN == 0)
        m_brew.DATEDOWN = today();
    m_rememberedDateDown = m_brew.DATEDOWN;
    m_useByEnabled = m_brew.DATEBOTTLED > 0;
    refreshTexts();
    return BrewField::None;
}

BrewField BrewDateRules::onDateDownTouched()
{
    defaultDateDown(m_brew, today());
    return checkDateDown(m_brew, m_prompter, false);
}

BrewField BrewDateRules::orderAndPeriod()
{
    const BrewField focus = checkDateOrder(m_brew, m_prompter);
    fermentationPeriod();
    refreshTexts();
    return focus;
}

BrewField BrewDateRules::onDateDownChanged() { return orderAndPeriod(); }

BrewField BrewDateRules::onDateDownPicked(std::optional<date::Day> picked)
{
    if (picked && *picked > 0)
        m_brew.DATEDOWN = *picked;
    const BrewField focus = checkDateDown(m_brew, m_prompter, true);
    fermentationPeriod();
    refreshTexts();
    return focus;
}

BrewField BrewDateRules::onDateBottledFocus()
{
    if (m_brew.DATEDOWN <= 0) {
        m_prompter.tell(Message { QStringLiteral("Can not proceed..."),
            QStringLiteral("A Date Down is required.||Please complete 'Fermentation' details "
                           "first."),
            MessageIcon::Information, {}, 1 });
        m_brew.MINUSE = 0;
        m_brew.MAXUSE = 0;
        refreshTexts();
        return BrewField::DateDown;
    }
    defaultDateBottled(m_brew);
    return BrewField::None;
}

BrewField BrewDateRules::onDateBottledTouched()
{
    if (m_brew.DATEBOTTLED <= 0) {
        m_useByEnabled = false;
        refreshTexts();
        return BrewField::None;
    }
    BrewField focus = checkDateOrder(m_brew, m_prompter);
    fermentationPeriod();
    m_useByEnabled = true;
    defaultUseBy(m_brew);
    refreshTexts();
    return focus;
}

BrewField BrewDateRules::onDateBottledCalendarFocus()
{
    defaultDateBottled(m_brew);
    return BrewField::None;
}

BrewField BrewDateRules::onDateBottledCalendarPressed() { return orderAndPeriod(); }

BrewField BrewDateRules::onDateBottledPicked(std::optional<date::Day> picked)
{
    if (picked && *picked > 0)
        m_brew.DATEBOTTLED = *picked;
    defaultUseBy(m_brew);
    m_useByEnabled = m_brew.DATEBOTTLED > 0;
    refreshTexts();
    return BrewField::None;
}

BrewField BrewDateRules::onUseByFocus()
{
    if (m_brew.DATEBOTTLED > 0)
        return BrewField::None;
    m_prompter.tell(Message { QStringLiteral("Please note..."),
        QStringLiteral("Can not have Min/Max use by dates |without a Date Bottled entered!"), MessageIcon::Warning, {},
        1 });
    m_brew.MINUSE = 0;
    m_brew.MAXUSE = 0;
    refreshTexts();
    return BrewField::DateBottled;
}

BrewField BrewDateRules::onUseByTouched()
{
    if (m_brew.DATEBOTTLED <= 0)
        return BrewField::None;
    const BrewField focus = checkDateOrder(m_brew, m_prompter);
    refreshTexts();
    return focus;
}

BrewField BrewDateRules::onUseBySpin()
{
    if (m_brew.DATEBOTTLED > 0)
        refreshTexts();
    return BrewField::None;
}

BrewField BrewDateRules::onUseByPicked(BrewField field, std::optional<date::Day> picked)
{
    if (picked && *picked > 0) {
        if (field == BrewField::MinUse)
            m_brew.MINUSE = *picked;
        else if (field == BrewField::MaxUse)
            m_brew.MAXUSE = *picked;
    }
    const BrewField focus = checkDateOrder(m_brew, m_prompter);
    refreshTexts();
    return focus;
}

BrewField BrewDateRules::okDateDownChanged()
{
    if (m_brew.DATEDOWN <= 0 || m_brew.DATEBOTTLED <= 0 || m_brew.DATEDOWN == m_rememberedDateDown)
        return BrewField::None;
    fermentationPeriod();
    m_prompter.tell(dateDownChangedNotice(m_brew.BREWPERIOD));
    m_rememberedDateDown = m_brew.DATEDOWN;
    refreshTexts();
    return BrewField::DateBottled;
}

void BrewDateRules::okBottledInFuture()
{
    if (m_brew.DATEBOTTLED > today())
        m_prompter.tell(bottledInFutureNotice());
}

BrewField BrewDateRules::okDateOrder()
{
    const BrewField focus = checkDateOrder(m_brew, m_prompter);
    refreshTexts();
    return focus;
}
