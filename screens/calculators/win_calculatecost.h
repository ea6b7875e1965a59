#pragma once
// The unit cost window (Win_CalculateCost): what a brew cost, over how many
// serving units its volume fills. Works on the shared cost figures and brew
// particulars (glo()), so its caller sees GLO:TOTALCOST when it closes.

#include "calc/cost.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

class DecimalSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Prompter;

class Win_CalculateCost : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("Win_CalculateCost");

    // `startReport` starts the printed breakdown; without one " &Print" is disabled.
    explicit Win_CalculateCost(Globals &globals, std::function<void()> startReport = {}, QWidget *parent = nullptr,
        Prompter *prompter = nullptr);
    ~Win_CalculateCost() override;

    const cost::CostCalculator &calculator() const { return m_calc; }
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void input(cost::Input which);
    void focusOn(cost::Focus focus);
    void refresh();

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    cost::CostCalculator m_calc;
    std::function<void()> m_startReport;
    DecimalSpinBox *m_inputs[10] = {};
    QLabel *m_total;
    QLabel *m_units;
    QLabel *m_perUnit;
    QLineEdit *m_kitName;
    QLineEdit *m_batchName;
    QLineEdit *m_batchNumber;
    QPushButton *m_print;
    QPushButton *m_reset;
};
