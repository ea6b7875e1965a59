#include "platform/clock.h"

#include <QDate>
#include <atomic>

namespace
{

class SystemClock : public Clock
{
public:
    date::Day today() const override { return date::fromQDate(QDate::currentDate()); }
    QTime timeOfDay() const override { return QTime::currentTime(); }
};

const SystemClock kSystemClock;
std::atomic<const Clock *> gClock { &kSystemClock };

} // namespace

const Clock &Clock::current() { return *gClock.load(); }

void Clock::install(const Clock *clock) { gClock.store(clock ? clock : &kSystemClock); }
