#include "screens/calculators/win_sugaralc.h"

#include "platform/gui/messagebox.h"
#include "platform/picture.h"
#include "screens/calculators/win_calcparts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;

Win_SugarAlc::Win_SugarAlc(bool byVolume, QWidget *parent, Prompter *prompter)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_prompter(prompter ? prompter : m_ownPrompter.get())
    , m_table(byVolume)
{
    setWindowTitle(QStringLiteral("Fermentation   (Sugar volumn)"));
    auto *grid = new QGridLayout;
    const char *headings[] = { "kg Sugar", "lbs Sugar", "% alc/vol", "% alc/wgt" };
    for (int c = 0; c < 4; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(headings[c]), this), 0, c);
    for (int r = 0; r < sugaralc::kRows; ++r) {
        grid->addWidget(new QLabel(sugaralc::rows()[r].kg, this), r + 1, 0);
        grid->addWidget(new QLabel(sugaralc::rows()[r].lbs, this), r + 1, 1);
        m_vol[r] = display(QStringLiteral("alcVol%1").arg(r + 1), this, 4);
        m_wgt[r] = display(QStringLiteral("alcWgt%1").arg(r + 1), this, 4);
        grid->addWidget(m_vol[r], r + 1, 2);
        grid->addWidget(m_wgt[r], r + 1, 3);
    }

    m_inform = new QLabel(this);
    m_inform->setObjectName(QStringLiteral("inform"));
    auto *add
        = button(QStringLiteral("&Add extra % for Bottle Conditioning"), QStringLiteral("Normally would add."), this);
    add->setObjectName(QStringLiteral("addAllowance"));
    connect(add, &QPushButton::clicked, this, [this] {
        m_table.addAllowance(*m_prompter);
        refresh();
    });
    auto *close = button(QStringLiteral("Cl&ose"), QStringLiteral("Close this window"), this);
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("% by volume and % by weight"), this));
    layout->addWidget(m_inform);
    layout->addWidget(new QLabel(QStringLiteral("If you do not have a Hydrometer to measure"), this));
    layout->addWidget(new QLabel(QStringLiteral("Original and Final gravity the above will give"), this));
    layout->addWidget(new QLabel(QStringLiteral("you an approximation of alcohol percentage."), this));
    layout->addWidget(add);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    refresh();
}

Win_SugarAlc::~Win_SugarAlc() = default;

void Win_SugarAlc::refresh()
{
    for (int r = 0; r < sugaralc::kRows; ++r) {
        m_vol[r]->setText(picture::format(QStringLiteral("N3.1B"), m_table.alcVol(r)));
        m_wgt[r]->setText(picture::format(QStringLiteral("N3.1B"), m_table.alcWgt(r)));
    }
    m_inform->setText(m_table.informText());
}
