#pragma once
// The program's dates: a signed day number in which day 4 is 1 January 1801
// (day 0 is Sunday 28 December 1800) and 0 means "no date". All calendar
// conversions of the program go through this module.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace date
{

using Day = std::int32_t;

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const Ymd &, const Ymd &) = default;
};

// Day number of a proleptic Gregorian calendar date (no range check).
Day fromYmd(int year, int month, int day);
Ymd toYmd(Day d);
// 0 = Sunday .. 6 = Saturday.
int weekday(Day d);

QDate toQDate(Day d);
Day fromQDate(const QDate &q); // an invalid QDate gives 0

// Short date in the system's date order with two-digit day and month and a
// four-digit year ("D017B"); empty for 0.
QString shortText(Day d);
// Long date ("D018B"): the system's long date form; empty for 0.
QString longText(Day d);
// Reads a date typed in the short form (also accepts one- or two-digit day and
// month, and a two-digit year, taken as 19xx/20xx around the current century).
// Empty text gives 0; text that is not a date gives nullopt.
std::optional<Day> parseShort(const QString &text);

// Weekday names as the status bar shows them.
QString weekdayName(Day d);
// "December 11, 2026": full month name, day of month, comma, four-digit year.
QString monthDayYear(Day d);

} // namespace date
