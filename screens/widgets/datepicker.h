#pragma once
// The calendar date picker "Select a Date": a modal dialog given a date, returning the date the
// user chose, or nothing when the choice was cancelled.

#include "platform/date.h"

#include <QDialog>
#include <optional>

class QCalendarWidget;

class DatePicker : public QDialog
{
    Q_OBJECT
public:
    // Opens on `start` (today's month when `start` is 0).
    explicit DatePicker(date::Day start, QWidget *parent = nullptr);

    date::Day selectedDay() const;
    QCalendarWidget *calendar() const { return m_calendar; }

    // Runs the picker modally.
    static std::optional<date::Day> pick(QWidget *parent, date::Day start);

private:
    QCalendarWidget *m_calendar;
};
