#pragma once
// The one source of "today" and the time of day, so tests can fix them.

#include "platform/date.h"

#include <QTime>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual date::Day today() const = 0;
    virtual QTime timeOfDay() const = 0;

    // The clock the program uses; the system clock unless a test installed another.
    static const Clock &current();
    // Installs `clock` (not owned) for the program; nullptr restores the system clock.
    static void install(const Clock *clock);
};

// A clock standing still at a given day and time, for tests.
class FixedClock : public Clock
{
public:
    explicit FixedClock(date::Day day, QTime time = QTime(12, 0))
        : m_day(day)
        , m_time(time)
    {
    }
    date::Day today() const override { return m_day; }
    QTime timeOfDay() const override { return m_time; }
    void setToday(date::Day day) { m_day = day; }
    void setTimeOfDay(QTime time) { m_time = time; }

private:
    date::Day m_day;
    QTime m_time;
};
