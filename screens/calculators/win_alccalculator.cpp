#include "screens/calculators/win_alccalculator.h"

#include "platform/gui/messagebox.h"
#include "screens/calculators/win_calcparts.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;

Win_AlcCalculator::Win_AlcCalculator(QWidget *parent, Prompter *prompter)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_prompter(prompter ? prompter : m_ownPrompter.get())
{
    setWindowTitle(QStringLiteral("Alcohol % Calculator"));
    auto *grid = new QGridLayout;

    auto reading = [&](const QString &name, const QString &promptText, int row, bool original) {
        auto *entry = new QLineEdit(this);
        entry->setObjectName(name);
        entry->setToolTip(QStringLiteral("Key in or use + - buttons"));
        entry->setAlignment(Qt::AlignRight);
        entry->setMaxLength(6);
        auto *minus = button(QStringLiteral("-"), QStringLiteral("Decrease"), this);
        auto *plus = button(QStringLiteral("+"), QStringLiteral("Increase"), this);
        minus->setObjectName(name + QStringLiteral("Minus"));
        plus->setObjectName(name + QStringLiteral("Plus"));
        minus->setAccessibleName(QStringLiteral("Decrease"));
        plus->setAccessibleName(QStringLiteral("Increase"));
        grid->addWidget(prompt(promptText, entry), row, 0);
        grid->addWidget(entry, row, 1);
        grid->addWidget(minus, row, 2);
        grid->addWidget(plus, row, 3);
        connect(entry, &QLineEdit::editingFinished, this, [this, entry, original] { readingTyped(entry, original); });
        connect(minus, &QPushButton::clicked, this, [this, original] {
            original ? m_calc.stepOg(-1, *m_prompter) : m_calc.stepFg(-1, *m_prompter);
            refresh();
        });
        connect(plus, &QPushButton::clicked, this, [this, original] {
            original ? m_calc.stepOg(+1, *m_prompter) : m_calc.stepFg(+1, *m_prompter);
            refresh();
        });
        return entry;
    };
    m_og = reading(QStringLiteral("og"), QStringLiteral("Original &Gravity:"), 0, true);
    m_fg = reading(QStringLiteral("fg"), QStringLiteral("&Final Gravity:"), 1, false);

    auto figure = [&](const QString &name, const QString &text, int row, const QString &caption = {}) {
        QLabel *value = display(name, this);
        grid->addWidget(new QLabel(text, this), row, 0);
        grid->addWidget(value, row, 1);
        if (!caption.isEmpty()) {
            auto *big = new QLabel(caption, this);
            QFont f = big->font();
            f.setPointSizeF(f.pointSizeF() * 2);
            f.setBold(true);
            big->setFont(f);
            grid->addWidget(big, row, 2, 1, 2);
        }
        return value;
    };
    m_diff = figure(QStringLiteral("diff"), QStringLiteral("OG - FG  ="), 2);
    m_abv = figure(QStringLiteral("abv"), QStringLiteral("Alcohol % by Volume:"), 3, QStringLiteral("ABV"));
    m_abvBottle = figure(QStringLiteral("abvBottle"), QStringLiteral("+ 0.5% for bottle conditioning ="), 4);
    m_abw = figure(QStringLiteral("abw"), QStringLiteral("Alcohol % by Weight:"), 5, QStringLiteral("ABW"));
    m_abwBottle = figure(QStringLiteral("abwBottle"), QStringLiteral("+ 0.4% for bottle conditioning ="), 6);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(calculatorButton(this));
    buttons->addStretch();
    auto *close = button(QStringLiteral("Cl&ose"), {}, this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("Alcohol % calculator"), {}, this));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    refresh();
}

Win_AlcCalculator::~Win_AlcCalculator() = default;

void Win_AlcCalculator::readingTyped(QLineEdit *entry, bool original)
{
    const auto value = Decimal::parse(entry->text());
    if (!value) {
        // Not a number: the reading stays as it was.
        QApplication::beep();
        refresh();
        return;
    }
    if (*value == (original ? m_calc.og() : m_calc.fg()))
        return;
    original ? m_calc.setOg(*value, *m_prompter) : m_calc.setFg(*value, *m_prompter);
    refresh();
}

void Win_AlcCalculator::refresh()
{
    const alcohol::Figures &f = m_calc.figures();
    m_og->setText(m_calc.og().toFixed(3));
    m_fg->setText(m_calc.fg().toFixed(3));
    m_diff->setText(f.gravityDiff.toFixed(3));
    m_abv->setText(f.abv.toFixed(2));
    m_abvBottle->setText(f.abvBottle.toFixed(2));
    m_abw->setText(f.abw.toFixed(2));
    m_abwBottle->setText(f.abwBottle.toFixed(2));
}
