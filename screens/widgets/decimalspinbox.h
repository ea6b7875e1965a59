#pragma once
// The program's decimal spin box: a range, a step and a number of decimals,
// shown like the pictures "N5.3B" or "N6.2B" (blank when zero); a typed value
// outside the range is refused with a beep and the focus stays. It tells
// stepping apart from typing, as IntSpinBox does.

#include "platform/decimal.h"

#include <QDoubleSpinBox>
#include <optional>

class SpinGuard;

class DecimalSpinBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit DecimalSpinBox(QWidget *parent = nullptr);
    ~DecimalSpinBox() override;

    void setAllowedRange(Decimal minimum, Decimal maximum);
    void setStep(Decimal step);
    void setBlankWhenZero(bool blank);

    // The value at the box's decimals, exactly.
    Decimal decimalValue() const;
    void setDecimalValue(Decimal value);

    bool textAcceptable() const;

signals:
    void stepped();
    void typed();
    void refused();

protected:
    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void stepBy(int steps) override;

private:
    std::optional<Decimal> parse(const QString &text) const;
    bool inAllowed(Decimal v) const { return (v >= m_min && v <= m_max) || (v.isZero() && m_blankWhenZero); }
    void updateInnerRange();

    Decimal m_min = 0;
    Decimal m_max = 99;
    Decimal m_step = 1;
    bool m_blankWhenZero = false;
    bool m_stepping = false;
    bool m_userEdited = false;
    SpinGuard *m_guard = nullptr;
};
