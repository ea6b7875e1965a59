#pragma once
// The program's integer spin box: a range and a step, shown like the pictures
// "N4B" (blank when zero) or "N02B" (leading zeros); a typed value outside the
// range is refused with a beep and the focus stays. It tells stepping (arrows,
// Up/Down keys, wheel) apart from typing, since the rules of a window differ.
// Zero means "no value" when blank-when-zero is set and may stand outside the range.

#include <QSpinBox>
#include <optional>

class SpinGuard;

class IntSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit IntSpinBox(QWidget *parent = nullptr);
    ~IntSpinBox() override;

    // The range a user may type or step into.
    void setAllowedRange(int minimum, int maximum);
    int allowedMinimum() const { return m_min; }
    int allowedMaximum() const { return m_max; }
    void setBlankWhenZero(bool blank);
    void setMinimumDigits(int digits); // 2 for "N02B"

    // Whether the text now in the box is a value the box accepts.
    virtual bool textAcceptable() const;

signals:
    void stepped(); // the value changed by a step
    void typed(); // the value changed by typing, once the typing is done
    void refused(); // a typed value was refused

protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;
    void stepBy(int steps) override;
    // The value a text stands for, if it is a value at all.
    virtual std::optional<int> parse(const QString &text) const;
    bool inAllowed(int v) const { return (v >= m_min && v <= m_max) || (v == 0 && m_blankWhenZero); }

private:
    void updateInnerRange();

    int m_min = 0;
    int m_max = 99;
    bool m_blankWhenZero = false;
    int m_digits = 0;
    bool m_stepping = false;
    bool m_userEdited = false;
    SpinGuard *m_guard = nullptr;
};
