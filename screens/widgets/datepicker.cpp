#include "screens/widgets/datepicker.h"

#include "platform/clock.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

DatePicker::DatePicker(date::Day start, QWidget *parent)
    : QDialog(parent)
    , m_calendar(new QCalendarWidget(this))
{
    setWindowTitle(QStringLiteral("Select a Date"));
    setObjectName(QStringLiteral("DatePicker"));
    m_calendar->setGridVisible(true);
    m_calendar->setMinimumDate(date::toQDate(date::fromYmd(1801, 1, 1))); // the first day the program counts
    m_calendar->setSelectedDate(date::toQDate(start > 0 ? start : Clock::current().today()));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_calendar);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double-click or Enter on a day chooses it.
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
}

date::Day DatePicker::selectedDay() const { return date::fromQDate(m_calendar->selectedDate()); }

std::optional<date::Day> DatePicker::pick(QWidget *parent, date::Day start)
{
    DatePicker picker(start, parent);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return picker.selectedDay();
}
