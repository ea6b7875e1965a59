#include "screens/labels/win_createownlabels.h"

#include "platform/gui/messagebox.h"
#include "screens/calculators/win_calcparts.h"
#include "screens/widgets/intspinbox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace calcparts;
using Field = OwnLabelsLogic::Field;
using Source = OwnLabelsLogic::Source;

namespace
{

QFrame *rule(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

void setIfDifferent(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
}

} // namespace

Win_CreateOwnLabels::Win_CreateOwnLabels(
    std::function<void()> print, QWidget *parent, Prompter *prompter, Globals &globals)
    : QDialog(parent)
    , m_ownPrompter(prompter ? nullptr : new MessageBoxPrompter(this))
    , m_print(std::move(print))
{
    setWindowTitle(QStringLiteral("Create your own label..."));
    m_logic = std::make_unique<OwnLabelsLogic>(
        prompter ? *prompter : *m_ownPrompter, static_cast<LabelWindowView &>(*this), globals);

    auto *example = button(QStringLiteral("&Example"), QStringLiteral("Demonstration"), this);
    example->setObjectName(QStringLiteral("example"));
    auto *reset = button(QStringLiteral("&Reset (Clear all)"), QStringLiteral("Clear all fields"), this);
    reset->setObjectName(QStringLiteral("reset"));
    m_count = new IntSpinBox(this);
    m_count->setObjectName(QStringLiteral("howManyLabels"));
    m_count->setAllowedRange(LabelWindowLogic::kMinLabels, LabelWindowLogic::kMaxLabels);
    m_count->setBlankWhenZero(true);
    auto *top = new QHBoxLayout;
    top->addWidget(example);
    top->addWidget(reset);
    top->addStretch();
    top->addWidget(prompt(QStringLiteral("How many labels do you want to print?"), m_count));
    top->addWidget(m_count);

    auto *fields = new QGridLayout;
    // The heading and the body, each with its three buttons.
    const auto headingRow = [&](int row, Field which, const QString &promptText, const QString &batchText,
                                QLineEdit *&edit, const char *name) {
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(OwnLabelsLogic::kHeaderChars);
        auto *batch = button(batchText, QStringLiteral("Use Batch name"), this);
        auto *kit = button(QStringLiteral("Kit/Rc"), QStringLiteral("Use Kit name"), this);
        auto *clear = button(QStringLiteral("Clear"), QStringLiteral("Clear this field"), this);
        batch->setObjectName(QString::fromLatin1(name) + QStringLiteral("Batch"));
        kit->setObjectName(QString::fromLatin1(name) + QStringLiteral("Kit"));
        clear->setObjectName(QString::fromLatin1(name) + QStringLiteral("Clear"));
        fields->addWidget(prompt(promptText, edit), row, 0);
        auto *choices = new QHBoxLayout;
        choices->addWidget(batch);
        choices->addWidget(kit);
        choices->addWidget(clear);
        fields->addLayout(choices, row, 1);
        fields->addWidget(edit, row + 1, 0, 1, 2);
        connect(batch, &QPushButton::clicked, this, [this, which] { m_logic->fill(which, Source::Batch); });
        connect(kit, &QPushButton::clicked, this, [this, which] { m_logic->fill(which, Source::Kit); });
        connect(clear, &QPushButton::clicked, this, [this, which] { m_logic->fill(which, Source::Clear); });
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString &text) {
            m_logic->setField(which, text);
            refresh();
        });
    };
    headingRow(0, Field::Header, QStringLiteral("Key your label Header or use >"), QStringLiteral("&Batch"), m_header,
        "header");
    headingRow(
        2, Field::Body, QStringLiteral("Key your label Body or use   >"), QStringLiteral("Batch"), m_body, "body");

    auto *clearLines = button(QStringLiteral("Clear"), QStringLiteral("Clear fields 1-5"), this);
    clearLines->setObjectName(QStringLiteral("clearLines"));
    auto *linesHead = new QHBoxLayout;
    linesHead->addWidget(clearLines);
    linesHead->addWidget(new QLabel(QStringLiteral("Lines 1-5: (defaults to 'Other Ingredients')"), this));
    linesHead->addStretch();
    fields->addLayout(linesHead, 4, 0, 1, 2);
    const char *prompts[] = { "Line &1:", "&2:", "&3:", "&4:", "&5:" };
    for (int i = 0; i < 5; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("line%1").arg(i + 1));
        edit->setMaxLength(OwnLabelsLogic::kLineChars);
        m_lines[std::size_t(i)] = edit;
        fields->addWidget(prompt(QString::fromLatin1(prompts[i]), edit), 5 + i, 0, Qt::AlignRight);
        fields->addWidget(edit, 5 + i, 1);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString &text) {
            m_logic->setLine(i + 1, text);
            refresh();
        });
    }
    fields->addWidget(new QLabel(QStringLiteral("Any of the above fields can be edited."), this), 10, 0, 1, 2);

    // The label as it will print.
    auto *preview = new QFrame(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setFrameShape(QFrame::Box);
    preview->setMinimumWidth(320);
    auto *previewLayout = new QVBoxLayout(preview);
    const auto centred = [preview](int points, bool bold, bool italic) {
        auto *label = new QLabel(preview);
        QFont font(QStringLiteral("Times New Roman"), points);
        font.setBold(bold);
        font.setItalic(italic);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    m_previewHeader = centred(14, true, true);
    m_previewBody = centred(14, false, false);
    m_previewBody->setStyleSheet(QStringLiteral("color: navy"));
    previewLayout->addWidget(m_previewHeader);
    previewLayout->addWidget(rule(preview));
    previewLayout->addWidget(m_previewBody);
    for (QLabel *&line : m_previewLines) {
        line = new QLabel(preview);
        line->setAlignment(Qt::AlignCenter);
        previewLayout->addWidget(line);
    }
    previewLayout->addWidget(rule(preview));
    auto *other = new QLabel(QStringLiteral("Other details about this brew appear here."), preview);
    other->setAlignment(Qt::AlignCenter);
    other->setStyleSheet(QStringLiteral("color: grey"));
    previewLayout->addWidget(other);
    previewLayout->addStretch();

    auto *middle = new QHBoxLayout;
    middle->addLayout(fields, 1);
    middle->addWidget(preview);

    m_pages = new QLabel(this);
    m_pages->setObjectName(QStringLiteral("pagesToPrint"));
    m_labels = new QLabel(this);
    m_labels->setObjectName(QStringLiteral("labelCount"));
    auto *pagesLine = new QHBoxLayout;
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
    pagesLine->addWidget(printButton);
    pagesLine->addWidget(close);
    pagesLine->addWidget(helpButton(QStringLiteral("Brew Labels"), QStringLiteral("Help about this window."), this));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(pagesLine);

    connect(example, &QPushButton::clicked, this, [this] { m_logic->example(); });
    connect(reset, &QPushButton::clicked, this, [this] { m_logic->reset(); });
    connect(clearLines, &QPushButton::clicked, this, [this] { m_logic->clearLines(); });
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

Win_CreateOwnLabels::~Win_CreateOwnLabels() = default;

void Win_CreateOwnLabels::refresh()
{
    Globals &g = m_logic->globals();
    setIfDifferent(m_header, g.LABELHEADER);
    setIfDifferent(m_body, g.LABELBODY);
    m_previewHeader->setText(g.LABELHEADER);
    m_previewBody->setText(g.LABELBODY);
    for (int i = 0; i < 5; ++i) {
        const QString &line = m_logic->line(i + 1);
        setIfDifferent(m_lines[std::size_t(i)], line);
        m_previewLines[std::size_t(i)]->setText(line);
    }
    if (m_count->value() != g.HOWMANYLABELS) {
        const QSignalBlocker block(m_count);
        m_count->setValue(g.HOWMANYLABELS);
    }
    m_pages->setText(m_logic->pagesText());
    m_labels->setText(m_logic->countText());
}
