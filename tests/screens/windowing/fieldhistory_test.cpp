// Field history: Ctrl plus the quote key puts back what a field held when the form last saved.
#include "screens/windowing/fieldhistory.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace
{

struct Form {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit *kit = make<QLineEdit>("BREWKIT");
    QSpinBox *gravity = make<QSpinBox>("ORIGINALGRAVITY");
    QComboBox *combo = make<QComboBox>("YEAST");
    QTextEdit *notes = make<QTextEdit>("NOTES");
    QWidget *group = new QWidget(window.get());
    QRadioButton *have = new QRadioButton(group);
    QRadioButton *none = new QRadioButton(group);
    std::vector<QWidget *> restored;

    template <class W> W *make(const char *name)
    {
        auto *w = new W(window.get());
        w->setObjectName(QLatin1String(name));
        return w;
    }

    explicit Form(const QString &procedure)
    {
        gravity->setRange(0, 1200);
        combo->setEditable(true);
        have->setObjectName(QStringLiteral("HaveStock"));
        none->setObjectName(QStringLiteral("NoStock"));
        FieldHistory::enable(window.get(), procedure, [this](QWidget *field) { restored.push_back(field); });
    }

    void fill(const QString &text, int number, bool inStock)
    {
        kit->setText(text);
        gravity->setValue(number);
        combo->setCurrentText(text);
        notes->setHtml(QStringLiteral("<b>") + text + QStringLiteral("</b>"));
        (inStock ? have : none)->setChecked(true);
    }
};

void pressCtrlQuote(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::ControlModifier, QStringLiteral("'"));
    QApplication::sendEvent(target, &press);
}

class FieldHistoryTest : public ::testing::Test
{
protected:
    void SetUp() override { FieldHistory::clear(); }
};

TEST_F(FieldHistoryTest, CtrlQuotePutsBackTheLastSavedValueOfEachKindOfField)
{
    Form form(QStringLiteral("HistoryForm"));
    form.fill(QStringLiteral("Stout"), 1050, false);
    FieldHistory::remember(form.window.get());
    form.fill(QStringLiteral("Lager"), 1040, true);

    // The key reaches a spin box or combo through its inner entry.
    const std::vector<std::pair<QWidget *, QWidget *>> cases = {
        { form.kit, form.kit },
        { form.gravity->findChild<QLineEdit *>(), form.gravity },
        { form.combo->lineEdit(), form.combo },
        { form.notes, form.notes },
        { form.have, form.have },
    };
    for (const auto &[target, field] : cases)
        pressCtrlQuote(target);

    EXPECT_EQ(form.kit->text(), QStringLiteral("Stout"));
    EXPECT_EQ(form.gravity->value(), 1050);
    EXPECT_EQ(form.combo->currentText(), QStringLiteral("Stout"));
    EXPECT_EQ(form.notes->toPlainText(), QStringLiteral("Stout"));
    EXPECT_TRUE(form.notes->toHtml().contains(QLatin1String("font-weight")));
    EXPECT_TRUE(form.none->isChecked()); // the option group came back as one field
    std::vector<QWidget *> expected;
    for (const auto &c : cases)
        expected.push_back(c.second);
    EXPECT_EQ(form.restored, expected);
}

TEST_F(FieldHistoryTest, NothingIsPutBackWithoutASaveReadOnlyOrInAnotherForm)
{
    Form saved(QStringLiteral("HistoryForm"));
    Form other(QStringLiteral("OtherForm"));
    other.fill(QStringLiteral("Ale"), 1030, true);
    EXPECT_FALSE(FieldHistory::restore(other.kit)); // nothing saved yet

    saved.fill(QStringLiteral("Stout"), 1050, true);
    FieldHistory::remember(saved.window.get());
    pressCtrlQuote(other.kit);
    EXPECT_EQ(other.kit->text(), QStringLiteral("Ale")); // another procedure keeps its own values

    saved.kit->setText(QStringLiteral("Porter"));
    saved.kit->setReadOnly(true);
    pressCtrlQuote(saved.kit);
    EXPECT_EQ(saved.kit->text(), QStringLiteral("Porter"));
    EXPECT_TRUE(saved.restored.empty());

    // A second window of the same form sees the values saved through the first.
    Form again(QStringLiteral("HistoryForm"));
    pressCtrlQuote(again.kit);
    EXPECT_EQ(again.kit->text(), QStringLiteral("Stout"));
}

} // namespace
