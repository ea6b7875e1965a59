#pragma once
// What every spin box of the program does with a typed value outside its range:
// refuse it with a beep and keep the focus on the spin box. Tab, Back-Tab,
// Enter and a click elsewhere in the same window are all refused alike.

#include <QObject>
#include <functional>

class QAbstractSpinBox;

class SpinGuard : public QObject
{
    Q_OBJECT
public:
    // `acceptable` tells whether the text now in the box may be left.
    SpinGuard(QAbstractSpinBox *box, std::function<bool()> acceptable);

signals:
    void refused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refuse();

    QAbstractSpinBox *m_box;
    std::function<bool()> m_acceptable;
};
