// The calendar date picker: opens on the given date (today for none), returns the chosen day or nothing.
#include "screens/widgets/datepicker.h"

#include "platform/clock.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// Runs `act` on the picker once its modal loop is running.
std::optional<date::Day> pickWith(date::Day start, std::function<void(DatePicker *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *picker = qobject_cast<DatePicker *>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        act(picker);
    });
    return DatePicker::pick(nullptr, start);
}

TEST(DatePickerTest, ReturnsThePickedDayOrNothing)
{
    FixedClock clock(date::fromYmd(2026, 12, 11));
    Clock::install(&clock);
    const date::Day start = date::fromYmd(2025, 3, 14);

    DatePicker fresh(0);
    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("Select a Date"));
    EXPECT_EQ(fresh.selectedDay(), clock.today());

    EXPECT_EQ(pickWith(start, [](DatePicker *p) { p->accept(); }), start);
    EXPECT_EQ(pickWith(start,
                  [](DatePicker *p) {
                      p->calendar()->setSelectedDate(QDate(2025, 4, 2));
                      emit p->calendar()->activated(QDate(2025, 4, 2)); // double-click on a day
                  }),
        date::fromYmd(2025, 4, 2));
    EXPECT_EQ(pickWith(start, [](DatePicker *p) { p->reject(); }), std::nullopt);
    Clock::install(nullptr);
}

} // namespace
