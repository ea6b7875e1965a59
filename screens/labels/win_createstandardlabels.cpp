#include "screens/labels/win_createstandardlabels.h"

#include "platform/gui/messagebox.h"
#include "screens/calculators/win_calcparts.h"
#include "screens/widgets/intspinbox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;

namespace
{

QFrame *rule(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

QLabel *centred(const QString &family, int points, bool bold, bool italic, QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont font(family, points);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

Win_CreateStandardLabels::Win_CreateStandardLabels(
    std::function<void()> print, QWidget *parent, Prompter *prompter, Globals &globals)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_print(std::move(print))
{
    setWindowTitle(QStringLiteral("Print Standard Labels "));
    m_logic = std::make_unique<StandardLabelsLogic>(
        prompter ? *prompter : *m_ownPrompter, static_cast<StandardLabelsView &>(*this), globals);

    auto *choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Description to use  >"), this));
    m_kitRecipe = new QPushButton(QStringLiteral("Kit/Recipe"), this);
    m_kitRecipe->setObjectName(QStringLiteral("kitRecipe"));
    auto *batch = new QPushButton(QStringLiteral("Batch"), this);
    batch->setObjectName(QStringLiteral("batch"));
    choice->addWidget(m_kitRecipe);
    choice->addWidget(batch);
    choice->addStretch();

    auto *preview = new QFrame(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setFrameShape(QFrame::Box);
    auto *previewLayout = new QVBoxLayout(preview);
    m_heading = centred(QStringLiteral("Times New Roman"), 15, true, true, preview);
    m_heading->setObjectName(QStringLiteral("heading"));
    m_batch = centred(QStringLiteral("Times New Roman"), 20, true, false, preview);
    m_batch->setObjectName(QStringLiteral("printBatch"));
    auto *other = new QLabel(QStringLiteral("Other details about this brew will appear here."), preview);
    other->setAlignment(Qt::AlignCenter);
    other->setStyleSheet(QStringLiteral("color: grey"));
    previewLayout->addWidget(m_heading);
    previewLayout->addWidget(rule(preview));
    previewLayout->addWidget(m_batch);
    previewLayout->addWidget(rule(preview));
    previewLayout->addWidget(other);

    m_count = new IntSpinBox(this);
    m_count->setObjectName(QStringLiteral("howManyLabels"));
    m_count->setAllowedRange(LabelWindowLogic::kMinLabels, LabelWindowLogic::kMaxLabels);
    m_count->setBlankWhenZero(true);
    auto *countLine = new QHBoxLayout;
    countLine->addWidget(prompt(QStringLiteral("How many &Labels do you wish to print?"), m_count));
    countLine->addWidget(m_count);
    countLine->addStretch();
    auto *pagesLine = new QHBoxLayout;
    m_pages = new QLabel(this);
    m_pages->setObjectName(QStringLiteral("pagesToPrint"));
    m_labels = new QLabel(this);
    m_labels->setObjectName(QStringLiteral("labelCount"));
    pagesLine->addWidget(m_pages);
    pagesLine->addWidget(new QLabel(QStringLiteral("Page(s) required for"), this));
    pagesLine->addWidget(m_labels);
    pagesLine->addWidget(new QLabel(QStringLiteral("labels."), this));
    pagesLine->addStretch();

    auto *printButton = button(QStringLiteral("  &Print"), QStringLiteral("Print information"), this);
    printButton->setObjectName(QStringLiteral("print"));
    printButton->setEnabled(bool(m_print));
    auto *close = button(QStringLiteral("Cl&ose"), QStringLiteral("Close this window"), this);
    close->setObjectName(QStringLiteral("close"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("Brew Labels"), QStringLiteral("Help about this window."), this));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(preview);
    layout->addLayout(countLine);
    layout->addLayout(pagesLine);
    layout->addLayout(buttons);

    connect(m_kitRecipe, &QPushButton::clicked, this, [this] { m_logic->kitRecipe(); });
    connect(batch, &QPushButton::clicked, this, [this] { m_logic->batch(); });
    const auto counted = [this] {
        if (!m_logic->setCount(m_count->value()))
            refresh();
    };
    connect(m_count, &IntSpinBox::stepped, this, counted);
    connect(m_count, &IntSpinBox::typed, this, counted);
    connect(printButton, &QPushButton::clicked, this, [this] {
        m_count->interpretText();
        if (m_print)
            m_print();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        m_logic->close();
        accept();
    });

    m_logic->open();
    refresh();
}

Win_CreateStandardLabels::~Win_CreateStandardLabels() = default;

void Win_CreateStandardLabels::refresh()
{
    m_heading->setText(m_logic->batchName());
    m_batch->setText(m_logic->printBatch());
    const int count = m_logic->globals().HOWMANYLABELS;
    if (m_count->value() != count) {
        const QSignalBlocker block(m_count);
        m_count->setValue(count);
    }
    m_pages->setText(m_logic->pagesText());
    m_labels->setText(m_logic->countText());
}

void Win_CreateStandardLabels::enableKitRecipe(bool enabled) { m_kitRecipe->setEnabled(enabled); }
