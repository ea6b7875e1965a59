#include "screens/calculators/win_gravitycorrection.h"

#include "platform/gui/messagebox.h"
#include "platform/picture.h"
#include "screens/calculators/win_calcparts.h"
#include "screens/widgets/intspinbox.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;
using namespace hydrometer;

Win_GravityCorrectionUtility::Win_GravityCorrectionUtility(bool celsius, QWidget *parent, Prompter *prompter)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_prompter(prompter ? prompter : m_ownPrompter.get())
    , m_values(celsius)
{
    setWindowTitle(QStringLiteral("Hydrometer/Temperature Utility"));
    auto *group = new QGroupBox(QStringLiteral("Specific Gravity correction for a given temperature"), this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(
        new QLabel(QStringLiteral("For use with hydrometers calibrated for 60F (15.56C)"), group), 0, 0, 1, 4);

    m_gravity = new IntSpinBox(group);
    m_gravity->setObjectName(QStringLiteral("gravity"));
    m_gravity->setAllowedRange(kMinGravity, kMaxGravity);
    m_gravity->setValue(m_values.gravity());
    m_gravityDec = display(QStringLiteral("gravityDec"), group, 6);
    grid->addWidget(prompt(QStringLiteral("Specific Gravity:"), m_gravity), 1, 0);
    grid->addWidget(m_gravity, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("<"), group), 1, 2);
    grid->addWidget(m_gravityDec, 1, 3);

    // Only the spin box of the scale in the settings is made.
    m_temperature = new IntSpinBox(group);
    m_temperature->setObjectName(QStringLiteral("temperature"));
    if (celsius)
        m_temperature->setAllowedRange(kMinCelsius, kMaxCelsius);
    else
        m_temperature->setAllowedRange(kMinFahrenheit, kMaxFahrenheit);
    m_temperature->setValue(m_values.temperature());
    grid->addWidget(prompt(QStringLiteral("Temperature at Reading:"), m_temperature), 2, 0);
    grid->addWidget(m_temperature, 2, 1);
    grid->addWidget(new QLabel(m_values.scaleText(), group), 2, 2);

    m_correction = display(QStringLiteral("correction"), group, 6);
    grid->addWidget(new QLabel(QStringLiteral("Temperature Correction:"), group), 3, 0);
    grid->addWidget(m_correction, 3, 1);
    auto *rule = new QFrame(group);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 4, 0, 1, 4);
    m_corrected = display(QStringLiteral("corrected"), group, 6);
    m_keyAs = display(QStringLiteral("keyAs"), group, 5);
    grid->addWidget(new QLabel(QStringLiteral("Corrected Specific Gravity:"), group), 5, 0);
    grid->addWidget(m_corrected, 5, 1);
    grid->addWidget(new QLabel(QStringLiteral("key as"), group), 5, 2);
    grid->addWidget(m_keyAs, 5, 3);

    connect(m_gravity, &IntSpinBox::typed, this, [this] {
        m_values.setGravity(m_gravity->value());
        refresh();
    });
    connect(m_gravity, &IntSpinBox::stepped, this, [this] {
        m_values.stepGravity(m_gravity->value(), *m_prompter);
        refresh();
    });
    connect(m_temperature, &IntSpinBox::typed, this, [this] {
        m_values.setTemperature(m_temperature->value());
        refresh();
    });
    connect(m_temperature, &IntSpinBox::stepped, this, [this] {
        m_values.stepTemperature(m_temperature->value(), *m_prompter);
        refresh();
    });

    auto *ok = button(QStringLiteral("&OK"), QStringLiteral("Accept operation"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto *cancel = button(QStringLiteral("&Cancel"), QStringLiteral("Cancel Operation"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(
        helpButton(QStringLiteral("Gravity correction calculator"), QStringLiteral("See Help Window"), this));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    refresh();
}

Win_GravityCorrectionUtility::~Win_GravityCorrectionUtility() = default;

void Win_GravityCorrectionUtility::refresh()
{
    m_gravityDec->setText(picture::format(QStringLiteral("N5.3B"), m_values.gravityDec()));
    m_correction->setText(picture::format(QStringLiteral("N5.3"), m_values.correction()));
    m_corrected->setText(picture::format(QStringLiteral("N5.3"), m_values.corrected()));
    m_keyAs->setText(picture::format(QStringLiteral("N4B"), m_values.keyAs()));
}
