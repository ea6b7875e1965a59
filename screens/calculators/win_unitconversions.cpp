#include "screens/calculators/win_unitconversions.h"

#include "platform/gui/messagebox.h"
#include "platform/picture.h"
#include "screens/calculators/win_calcparts.h"
#include "screens/widgets/decimalspinbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;
using conversions::Input;

namespace
{

struct Layout {
    Input input;
    const char *name;
    const char *tip;
    const char *firstLabel;
    const char *secondLabel; // nullptr: one result
    int row, column; // column 0 left half, 1 right half
};

// The seven rows of the window, input by input.
constexpr Layout kLayout[] = {
    { Input::Litres, "litres", "Range .01 to 500 Litres", "Litres to UK Gals =", "Litres to US Gals =", 0, 0 },
    { Input::ImpGals, "impGals", "Range .01 to 120 Gals", "UK Gals to Litres =", "UK Gals to US gals =", 1, 0 },
    { Input::UsGals, "usGals", "Range .01 to 120 Gals", "US Gals to Litres =", "US Gals to UK Gals =", 2, 0 },
    { Input::ImpPints, "impPints", nullptr, "UK Pints to Litres =", nullptr, 3, 0 },
    { Input::UsPints, "usPints", nullptr, "US Pints to Litres =", nullptr, 3, 1 },
    { Input::Litres2, "litres2", nullptr, "Litres to UK Pints =", "Litres to US Pints =", 4, 0 },
    { Input::Kg, "kg", "Range .01 to 100 kg", "kg to pounds =", nullptr, 5, 0 },
    { Input::Celsius, "celsius", "Range -50 to 100  C", "C to F =", nullptr, 5, 1 },
    { Input::Pounds, "pounds", "Range .01 to 200 Pounds", "Pounds to kg =", nullptr, 6, 0 },
    { Input::Fahrenheit, "fahrenheit", "Range -60 to 212 F", "F to C =", nullptr, 6, 1 },
};

bool isTemperature(Input in) { return in == Input::Celsius || in == Input::Fahrenheit; }

// The pictures: two decimals for volumes and weights, one for temperatures.
QString shown(Input in, double value)
{
    return picture::format(isTemperature(in) ? QStringLiteral("N-6.1B") : QStringLiteral("N-9.2B"), value);
}

} // namespace

Win_UnitConversions::Win_UnitConversions(QWidget *parent, Prompter *prompter)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_prompter(prompter ? prompter : m_ownPrompter.get())
{
    setWindowTitle(QStringLiteral("Units Conversion"));
    auto *grid = new QGridLayout;
    for (const Layout &l : kLayout) {
        Row &row = m_rows[static_cast<int>(l.input)];
        const QString name = QString::fromLatin1(l.name);
        auto *box = new DecimalSpinBox(this);
        box->setObjectName(name);
        box->setDecimals(isTemperature(l.input) ? 1 : 2);
        box->setAllowedRange(
            Decimal::fromDouble(conversions::minimum(l.input)), Decimal::fromDouble(conversions::maximum(l.input)));
        box->setStep(Decimal(1));
        box->setBlankWhenZero(true);
        box->setValue(0);
        if (l.tip)
            box->setToolTip(QString::fromLatin1(l.tip));
        box->setAccessibleName(QString::fromLatin1(l.firstLabel).chopped(2));
        row.input = box;
        row.first = display(name + QStringLiteral("Result"), this);
        const int c = l.column * 6;
        grid->addWidget(box, l.row, c);
        grid->addWidget(new QLabel(QString::fromLatin1(l.firstLabel), this), l.row, c + 1);
        grid->addWidget(row.first, l.row, c + 2);
        if (l.secondLabel) {
            row.copy = display(name + QStringLiteral("Copy"), this);
            row.second = display(name + QStringLiteral("Result2"), this);
            grid->addWidget(row.copy, l.row, c + 3);
            grid->addWidget(new QLabel(QString::fromLatin1(l.secondLabel), this), l.row, c + 4);
            grid->addWidget(row.second, l.row, c + 5);
        }
        const Input in = l.input;
        connect(box, &DecimalSpinBox::typed, this, [this, in, box] {
            m_values.setInput(in, box->decimalValue().toDouble());
            refresh();
        });
        connect(box, &DecimalSpinBox::stepped, this, [this, in, box] {
            const bool atEnd = m_values.stepInput(in, box->decimalValue().toDouble(), *m_prompter);
            refresh();
            if (atEnd)
                box->setFocus();
        });
    }

    auto *reset = button(QStringLiteral("&Reset"), QStringLiteral("Clear all fields"), this);
    reset->setObjectName(QStringLiteral("reset"));
    connect(reset, &QPushButton::clicked, this, [this] {
        m_values.reset();
        refresh();
    });
    auto *close = button(QStringLiteral("Cl&ose"), QStringLiteral("Close this window"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addWidget(calculatorButton(this));
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("Unit conversion"), QStringLiteral("Help about this window."), this));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    refresh();
}

Win_UnitConversions::~Win_UnitConversions() = default;

void Win_UnitConversions::refresh()
{
    for (int i = 0; i < conversions::kInputCount; ++i) {
        const auto in = static_cast<Input>(i);
        Row &row = m_rows[i];
        const double value = m_values.input(in);
        if (row.input->decimalValue().toDouble() != value) {
            const QSignalBlocker block(row.input);
            row.input->setDecimalValue(Decimal::fromDouble(value));
        }
        const conversions::Results &r = m_values.results(in);
        row.first->setText(shown(in, r.first));
        if (row.copy) {
            row.copy->setText(shown(in, value));
            row.second->setText(shown(in, r.second));
        }
    }
}
