#pragma once
// A date in a spin box: the short date text ("D017B"), blank for no date (0),
// stepping a day at a time. A typed text that is not a date, or a date outside
// the range, is refused like any other spin box value.

#include "screens/widgets/intspinbox.h"

class DateSpinBox : public IntSpinBox
{
    Q_OBJECT
public:
    explicit DateSpinBox(QWidget *parent = nullptr);

protected:
    QString textFromValue(int value) const override;
    std::optional<int> parse(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;
};
