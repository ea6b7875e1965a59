#pragma once
// The hydrometer temperature-correction window (Win_GravityCorrectionUtility):
// a reading and the sample's temperature on the scale of the settings give the
// corrected gravity and the four-digit number to key into a brew.

#include "calc/hydrometer.h"

#include <QDialog>
#include <QString>
#include <memory>

class IntSpinBox;
class QLabel;
class Prompter;

class Win_GravityCorrectionUtility : public QDialog
{
    Q_OBJECT
public:
    static inline const QString kProcedure = QStringLiteral("Win_GravityCorrectionUtility");

    // `celsius`: GLO:TEMPPROMPT other than 0.
    explicit Win_GravityCorrectionUtility(bool celsius, QWidget *parent = nullptr, Prompter *prompter = nullptr);
    ~Win_GravityCorrectionUtility() override;

    const hydrometer::GravityCorrection &values() const { return m_values; }

private:
    void refresh();

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter *m_prompter;
    hydrometer::GravityCorrection m_values;
    IntSpinBox *m_gravity;
    IntSpinBox *m_temperature;
    QLabel *m_gravityDec;
    QLabel *m_correction;
    QLabel *m_corrected;
    QLabel *m_keyAs;
};
