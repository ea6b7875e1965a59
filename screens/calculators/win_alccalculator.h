#pragma once
// The alcohol calculator window (Win_AlcCalculator): two readings keyed in or
// stepped, and the alcohol by volume and by weight with and without the
// bottle-conditioning allowance. Reads and writes no table.

#include "calc/alcohol.h"

#include <QDialog>
#include <QString>
#include <memory>

class QLabel;
class QLineEdit;
class Prompter;

class Win_AlcCalculator : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("Win_AlcCalculator");

    // Messages go through `prompter` when given (tests), else the real message box.
    explicit Win_AlcCalculator(QWidget *parent = nullptr, Prompter *prompter = nullptr);
    ~Win_AlcCalculator() override;

    const alcohol::Calculator &calculator() const { return m_calc; }

private:
    void readingTyped(QLineEdit *entry, bool original);
    void refresh();

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    alcohol::Calculator m_calc;
    QLineEdit *m_og;
    QLineEdit *m_fg;
    QLabel *m_diff;
    QLabel *m_abv;
    QLabel *m_abvBottle;
    QLabel *m_abw;
    QLabel *m_abwBottle;
};
