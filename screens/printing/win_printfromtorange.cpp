#include "screens/printing/win_printfromtorange.h"

#include "screens/help/helpsystem.h"
#include "screens/printing/reportstarter.h"
#include "screens/widgets/intspinbox.h"
#include "screens/windowing/windowhost.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QLabel *grey(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::gray);
    label->setPalette(p);
    return label;
}

} // namespace

Win_PrintFromToRange::Win_PrintFromToRange(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_logic(glo(), prompter, *this)
{
    setWindowTitle(QStringLiteral("Select a Print Range...."));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Only the selected batch range will be printed."), this));
    layout->addWidget(grey(QStringLiteral("You can also print selected pages only, to do"), this));
    layout->addWidget(grey(QStringLiteral("so see the FILE option in the Report Preview."), this));

    auto *grid = new QGridLayout;
    auto spin = [this, grid](int row, const QString &prompt, const QString &tip, const QString &side, int value) {
        auto *box = new IntSpinBox(this);
        box->setAllowedRange(1, 9999);
        box->setBlankWhenZero(true);
        box->setValue(value);
        box->setToolTip(tip);
        auto *label = new QLabel(prompt, this);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(grey(side, this), row, 2);
        return box;
    };
    m_from = spin(0, QStringLiteral("&From Batch No."), QStringLiteral("Lower batch number"), QStringLiteral("Lower"),
        m_logic.from());
    m_to = spin(1, QStringLiteral("&To Batch No."), QStringLiteral("Upper batch number"), QStringLiteral("Upper"),
        m_logic.to());
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    m_print = new QPushButton(QStringLiteral(" &Print"), this);
    m_print->setToolTip(QStringLiteral("Print defined range"));
    m_print->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setToolTip(QStringLiteral("Abort"));
    cancel->setAutoDefault(false);
    auto *help = new QPushButton(QStringLiteral("&Help"), this);
    help->setToolTip(QStringLiteral("Help about this window."));
    help->setAutoDefault(false);
    buttons->addWidget(m_print);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons);

    // The spin boxes edit the program-wide values as they change: a value stays as typed
    // when the range is refused.
    connect(m_from, &QSpinBox::valueChanged, this, [this](int v) { m_logic.setFrom(v); });
    connect(m_to, &QSpinBox::valueChanged, this, [this](int v) { m_logic.setTo(v); });
    connect(m_print, &QPushButton::clicked, this, &Win_PrintFromToRange::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] {
        if (HelpSystem *h = HelpSystem::instance())
            h->showKeyword(QStringLiteral("Printing Reports"));
    });
}

void Win_PrintFromToRange::print()
{
    // What is still being typed counts.
    m_from->interpretText();
    m_to->interpretText();
    m_logic.setFrom(m_from->value());
    m_logic.setTo(m_to->value());
    if (m_logic.print())
        accept();
}

void Win_PrintFromToRange::focusFrom()
{
    m_from->setFocus(Qt::OtherFocusReason);
    m_from->selectAll();
}

void Win_PrintFromToRange::call(Prompter &prompter, QWidget *parent)
{
    if (WindowHost::bringToFront(QString::fromLatin1(kProcedure)))
        return;
    Win_PrintFromToRange window(prompter, parent);
    if (WindowHost::call(&window, QString::fromLatin1(kProcedure)) == QDialog::Accepted)
        reportstarter::start(QStringLiteral("Rpt_ByBatchNoSelRange"), prompter);
}
