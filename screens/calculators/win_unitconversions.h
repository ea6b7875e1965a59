#pragma once
// The unit conversion window (Win_UnitConversions): volumes, weights and
// temperatures between metric, UK and US units. Reads and writes no table.

#include "calc/conversions.h"

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

class DecimalSpinBox;
class QLabel;
class Prompter;

class Win_UnitConversions : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("Win_UnitConversions");

    explicit Win_UnitConversions(QWidget *parent = nullptr, Prompter *prompter = nullptr);
    ~Win_UnitConversions() override;

    const conversions::UnitConversions &values() const { return m_values; }

private:
    struct Row {
        DecimalSpinBox *input = nullptr;
        QLabel *first = nullptr;
        QLabel *copy = nullptr; // the input again, before the second result
        QLabel *second = nullptr;
    };
    void refresh();

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    conversions::UnitConversions m_values;
    std::array<Row, conversions::kInputCount> m_rows {};
};
