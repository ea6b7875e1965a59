#pragma once
// The alcohol-from-sugar window (Win_SugarAlc): the alcohol that four amounts
// of sugar give, for brewers without a hydrometer.

#include "calc/sugaralc.h"

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

class QLabel;
class Prompter;

class Win_SugarAlc : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("Win_SugarAlc");

    // `byVolume`: GLO:ALCBASEDON is 1.
    explicit Win_SugarAlc(bool byVolume, QWidget *parent = nullptr, Prompter *prompter = nullptr);
    ~Win_SugarAlc() override;

    const sugaralc::SugarTable &table() const { return m_table; }

private:
    void refresh();

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    sugaralc::SugarTable m_table;
    std::array<QLabel *, sugaralc::kRows> m_vol {};
    std::array<QLabel *, sugaralc::kRows> m_wgt {};
    QLabel *m_inform;
};
