#include "platform/date.h"

#include <QLocale>
#include <QRegularExpression>

namespace date
{

namespace
{

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

Ymd civilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return { static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d) };
}

const long long kEpoch = daysFromCivil(1800, 12, 28); // day 0

enum class Order { DMY, MDY, YMD };

struct ShortForm {
    Order order = Order::DMY;
    QChar separator = QLatin1Char('/');
};

ShortForm systemShortForm()
{
    const QString f = QLocale::system().dateFormat(QLocale::ShortFormat);
    ShortForm form;
    const int d = f.indexOf(QLatin1Char('d'));
    const int m = f.indexOf(QLatin1Char('M'));
    const int y = f.indexOf(QLatin1Char('y'));
    if (y >= 0 && y < m && y < d)
        form.order = Order::YMD;
    else if (m >= 0 && d >= 0 && m < d)
        form.order = Order::MDY;
    // A numeric date needs a visible separator: a format that spells the month out
    // ("d MMM yyyy") separates with blanks, which would read as three loose numbers.
    for (QChar c : f) {
        if (!c.isLetter() && !c.isSpace()) {
            form.separator = c;
            break;
        }
    }
    return form;
}

const ShortForm &shortForm()
{
    static const ShortForm form = systemShortForm();
    return form;
}

} // namespace

Day fromYmd(int year, int month, int day)
{
    return static_cast<Day>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch);
}

Ymd toYmd(Day d) { return civilFromDays(static_cast<long long>(d) + kEpoch); }

int weekday(Day d)
{
    const int w = d % 7;
    return w < 0 ? w + 7 : w;
}

QDate toQDate(Day d)
{
    const Ymd c = toYmd(d);
    return QDate(c.year, c.month, c.day);
}

Day fromQDate(const QDate &q)
{
    if (!q.isValid())
        return 0;
    return fromYmd(q.year(), q.month(), q.day());
}

QString shortText(Day d)
{
    if (d == 0)
        return {};
    const Ymd c = toYmd(d);
    const QString dd = QString::number(c.day).rightJustified(2, QLatin1Char('0'));
    const QString mm = QString::number(c.month).rightJustified(2, QLatin1Char('0'));
    const QString yyyy = QString::number(c.year).rightJustified(4, QLatin1Char('0'));
    const ShortForm &f = shortForm();
    switch (f.order) {
    case Order::MDY:
        return mm + f.separator + dd + f.separator + yyyy;
    case Order::YMD:
        return yyyy + f.separator + mm + f.separator + dd;
    case Order::DMY:
        break;
    }
    return dd + f.separator + mm + f.separator + yyyy;
}

QString longText(Day d)
{
    if (d == 0)
        return {};
    return QLocale::system().toString(toQDate(d), QLocale::LongFormat);
}

std::optional<Day> parseShort(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return Day { 0 };
    static const QRegularExpression re(QStringLiteral("^(\\d{1,4})\\D(\\d{1,2})\\D(\\d{1,4})$"));
    const auto match = re.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int a = match.captured(1).toInt();
    int b = match.captured(2).toInt();
    int c = match.captured(3).toInt();
    int y = 0, m = 0, d = 0;
    switch (shortForm().order) {
    case Order::DMY:
        d = a;
        m = b;
        y = c;
        break;
    case Order::MDY:
        m = a;
        d = b;
        y = c;
        break;
    case Order::YMD:
        y = a;
        m = b;
        d = c;
        break;
    }
    const int yearDigits = shortForm().order == Order::YMD ? match.captured(1).size() : match.captured(3).size();
    if (yearDigits <= 2)
        y += y < 50 ? 2000 : 1900;
    if (!QDate::isValid(y, m, d) || y < 1801 || y > 9999)
        return std::nullopt;
    return fromYmd(y, m, d);
}

QString weekdayName(Day d)
{
    static const char *const names[] = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    return QString::fromLatin1(names[weekday(d)]);
}

QString monthDayYear(Day d)
{
    static const char *const months[] = { "January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December" };
    const Ymd c = toYmd(d);
    return QStringLiteral("%1 %2, %3").arg(QString::fromLatin1(months[c.month - 1])).arg(c.day).arg(c.year);
}

} // namespace date
