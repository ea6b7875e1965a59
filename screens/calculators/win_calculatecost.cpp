#include "screens/calculators/win_calculatecost.h"

#include "platform/gui/messagebox.h"
#include "platform/picture.h"
#include "screens/calculators/win_calcparts.h"
#include "screens/widgets/decimalspinbox.h"

#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;
using cost::Focus;
using cost::Input;

namespace
{

const QString kKeyTip = QStringLiteral(" If keying press Tab");

struct Field {
    Input input;
    const char *name;
    const char *prompt;
};

constexpr Field kCosts[] = {
    { Input::Kit, "kitCost", "&Brew Kit:" },
    { Input::Sugar, "sugarCost", "&Sugar:" },
    { Input::Bottles, "bottleCost", "Bottles/&Caps:" },
    { Input::Sundry1, "sundry1", "Sundry &1" },
    { Input::Sundry2, "sundry2", "&2" },
    { Input::Sundry3, "sundry3", "&3" },
    { Input::Sundry4, "sundry4", "&4" },
    { Input::Sundry5, "sundry5", "&5" },
};

QString money(Decimal v) { return picture::format(QStringLiteral("N10.2B"), v); }

} // namespace

Win_CalculateCost::Win_CalculateCost(
    Globals &globals, std::function<void()> startReport, QWidget *parent, Prompter *prompter)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_prompter(prompter ? prompter : m_ownPrompter.get())
    , m_calc(globals)
    , m_startReport(std::move(startReport))
{
    setWindowTitle(QStringLiteral("Calculate a Unit Cost..."));
    m_calc.open();

    auto spin = [&](Input which, const char *name, Decimal step, int decimals) {
        auto *box = new DecimalSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setDecimals(decimals);
        box->setAllowedRange(Decimal(0), Decimal(1000));
        box->setStep(step);
        box->setBlankWhenZero(true);
        box->setDecimalValue(cost::figure(m_calc.figures(), which));
        m_inputs[static_cast<int>(which)] = box;
        connect(box, &DecimalSpinBox::typed, this, [this, which] { input(which); });
        connect(box, &DecimalSpinBox::stepped, this, [this, which] { input(which); });
        // Entering a field recalculates too.
        box->installEventFilter(this);
        return box;
    };

    // The brew particulars: shown as the caller left them; the user may change them.
    Globals &g = m_calc.globals();
    m_kitName = new QLineEdit(g.GETKITNAME, this);
    m_kitName->setObjectName(QStringLiteral("kitName"));
    m_kitName->setMaxLength(45);
    m_batchName = new QLineEdit(g.GETBATCHNAME, this);
    m_batchName->setObjectName(QStringLiteral("batchName"));
    m_batchName->setMaxLength(25);
    m_batchName->setToolTip(QStringLiteral("Brew details (Optional)"));
    m_batchNumber = new QLineEdit(picture::format(QStringLiteral("N4B"), int(g.GETBATCHNUMBER)), this);
    m_batchNumber->setObjectName(QStringLiteral("batchNumber"));
    m_batchNumber->setMaxLength(4);
    m_batchNumber->setValidator(new QIntValidator(0, 9999, m_batchNumber));
    m_batchNumber->setToolTip(QStringLiteral("Brew details (Optional)"));
    connect(m_kitName, &QLineEdit::textChanged, this, [this](const QString &t) { m_calc.globals().GETKITNAME = t; });
    connect(
        m_batchName, &QLineEdit::textChanged, this, [this](const QString &t) { m_calc.globals().GETBATCHNAME = t; });
    connect(m_batchNumber, &QLineEdit::textChanged, this,
        [this](const QString &t) { m_calc.globals().GETBATCHNUMBER = static_cast<std::int16_t>(t.toInt()); });
    auto *particulars = new QGridLayout;
    particulars->addWidget(prompt(QStringLiteral("&Kit/Recipe:"), m_kitName), 0, 0);
    particulars->addWidget(m_kitName, 0, 1, 1, 3);
    particulars->addWidget(new QLabel(QStringLiteral("(brew details optional)"), this), 0, 4);
    particulars->addWidget(prompt(QStringLiteral("B&atch Name:"), m_batchName), 1, 0);
    particulars->addWidget(m_batchName, 1, 1);
    particulars->addWidget(prompt(QStringLiteral("&No."), m_batchNumber), 1, 2);
    particulars->addWidget(m_batchNumber, 1, 3);

    auto *costs = new QGroupBox(QStringLiteral("Cost of Brew"), this);
    auto *costGrid = new QGridLayout(costs);
    int row = 0;
    for (const Field &f : kCosts) {
        DecimalSpinBox *box = spin(f.input, f.name, Decimal::fromScaled(5, 2), 2);
        box->setToolTip(kKeyTip);
        costGrid->addWidget(prompt(QString::fromLatin1(f.prompt), box), row, 0);
        costGrid->addWidget(box, row, 1);
        ++row;
    }
    m_total = display(QStringLiteral("totalCost"), costs, 10);
    costGrid->addWidget(new QLabel(QStringLiteral("Total Cost:"), costs), row, 0);
    costGrid->addWidget(m_total, row, 1);

    auto *volume = new QGroupBox(QStringLiteral("Brew Volume and Unit Size"), this);
    auto *volumeGrid = new QGridLayout(volume);
    DecimalSpinBox *totalVolume = spin(Input::TotalVolume, "totalVolume", Decimal::fromScaled(1, 1), 2);
    totalVolume->setToolTip(QStringLiteral("Total volume of the bottled brew."));
    // Shown with three decimals, held with two: a typed 0.568 becomes 0.570.
    DecimalSpinBox *unitSize = spin(Input::UnitSize, "unitSize", Decimal::fromScaled(5, 2), 3);
    unitSize->setToolTip(QStringLiteral("ie Bottle or Glass size."));
    m_units = display(QStringLiteral("numberOfUnits"), volume, 10);
    m_perUnit = display(QStringLiteral("costPerUnit"), volume, 10);
    volumeGrid->addWidget(prompt(QStringLiteral("&Final volume of brew..."), totalVolume), 0, 0);
    volumeGrid->addWidget(totalVolume, 0, 1);
    volumeGrid->addWidget(prompt(QStringLiteral("divided by a &Unit Size of:"), unitSize), 1, 0);
    volumeGrid->addWidget(unitSize, 1, 1);
    volumeGrid->addWidget(new QLabel(QStringLiteral("...equals Total Units:"), volume), 2, 0);
    volumeGrid->addWidget(m_units, 2, 1);
    volumeGrid->addWidget(new QLabel(QStringLiteral("Total Cost / Total Units = Cost Per Unit"), volume), 3, 0, 1, 2);
    volumeGrid->addWidget(new QLabel(QStringLiteral("Cost Per Unit:"), volume), 4, 0);
    volumeGrid->addWidget(m_perUnit, 4, 1);

    auto *example = button(QStringLiteral("&Example"), QStringLiteral("Demonstration"), volume);
    example->setObjectName(QStringLiteral("example"));
    m_reset = button(QStringLiteral("&Reset"), QStringLiteral("Clear all entry fields"), volume);
    m_reset->setObjectName(QStringLiteral("reset"));
    QPushButton *copy = copyButton(QStringLiteral("Copy totals to the Windows Clipboard"), volume);
    auto *inner = new QHBoxLayout;
    inner->addWidget(example);
    inner->addWidget(m_reset);
    inner->addWidget(copy);
    volumeGrid->addLayout(inner, 5, 0, 1, 2);

    m_print = button(QStringLiteral(" &Print"), QStringLiteral("Print information"), this);
    m_print->setObjectName(QStringLiteral("print"));
    if (!m_startReport) {
        m_print->setEnabled(false);
        m_print->setToolTip(QStringLiteral("Print information (the printed breakdown is not available yet)"));
    }
    m_print->installEventFilter(this);
    auto *close = button(QStringLiteral("Cl&ose"), QStringLiteral("Close this window"), this);
    close->setObjectName(QStringLiteral("close"));

    connect(example, &QPushButton::clicked, this, [this] {
        const Focus f = m_calc.example(*m_prompter);
        refresh();
        focusOn(f);
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_calc.reset();
        refresh();
    });
    connect(copy, &QPushButton::clicked, this, [this] {
        Focus f = Focus::None;
        const QString text = m_calc.copy(*m_prompter, f);
        if (!text.isEmpty()) {
            QGuiApplication::clipboard()->setText(text);
            m_prompter->tell(cost::copiedMessage());
        }
        focusOn(f);
    });
    connect(m_print, &QPushButton::clicked, this, [this] {
        // A value still being typed counts before the report reads the figures.
        for (DecimalSpinBox *box : m_inputs)
            if (box->hasFocus())
                box->interpretText();
        m_calc.printPressed();
        if (m_startReport)
            m_startReport();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        Focus f = Focus::None;
        // While there is no printed breakdown, asking to print it would lead nowhere.
        if (!m_startReport || m_calc.closePressed(*m_prompter, f))
            accept();
        else
            focusOn(f);
    });

    auto *panels = new QHBoxLayout;
    panels->addWidget(costs);
    panels->addWidget(volume);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_print);
    buttons->addWidget(calculatorButton(this));
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("Unit cost"), QStringLiteral("Help about this window."), this));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(particulars);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    refresh();
}

Win_CalculateCost::~Win_CalculateCost() = default;

void Win_CalculateCost::done(int result)
{
    // However the window closes, the figures but the total go; the caller reads the total.
    m_calc.closing();
    QDialog::done(result);
}

bool Win_CalculateCost::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_print) {
            Focus f = Focus::None;
            if (!m_calc.printFocus(*m_prompter, f))
                focusOn(f);
        } else {
            for (int i = 0; i < 10; ++i)
                if (watched == m_inputs[i]) {
                    input(static_cast<Input>(i));
                    break;
                }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Win_CalculateCost::input(Input which)
{
    m_calc.setInput(which, m_inputs[static_cast<int>(which)]->decimalValue());
    refresh();
}

void Win_CalculateCost::focusOn(Focus focus)
{
    switch (focus) {
    case Focus::None:
        return;
    case Focus::KitCost:
        m_inputs[static_cast<int>(Input::Kit)]->setFocus();
        return;
    case Focus::TotalVolume:
        m_inputs[static_cast<int>(Input::TotalVolume)]->setFocus();
        return;
    case Focus::Reset:
        m_reset->setFocus();
        return;
    case Focus::Print:
        m_print->setFocus();
        return;
    }
}

void Win_CalculateCost::refresh()
{
    const CostFigures &f = m_calc.figures();
    for (int i = 0; i < 10; ++i) {
        DecimalSpinBox *box = m_inputs[i];
        const Decimal value = cost::figure(f, static_cast<Input>(i));
        if (box->decimalValue() != value) {
            const QSignalBlocker block(box);
            box->setDecimalValue(value);
        }
    }
    m_total->setText(money(f.TOTALCOST));
    m_units->setText(money(f.NUMBEROFUNITS));
    m_perUnit->setText(money(f.COSTPERUNIT));
}
