// The label windows bound to their rules: the count line follows the spin box,
// the buttons reach the rules and the preview panel, Print runs the report and
// leaves the window open, Close clears what it should.
#include "screens/guitestsupport.h"

#include "screens/labels/win_createownlabels.h"
#include "screens/labels/win_createstandardlabels.h"
#include "screens/widgets/intspinbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace guitest;

namespace
{

QString shown(const QWidget &w, const char *name)
{
    auto *label = w.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

QPushButton *button(const QWidget &w, const char *name)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(name));
}

void click(const QWidget &w, const char *name)
{
    QPushButton *b = button(w, name);
    ASSERT_TRUE(b) << name;
    b->click();
    settle();
}

void stepTo(IntSpinBox *box, int value)
{
    box->setFocus();
    while (box->value() < value)
        box->stepUp();
    settle();
}

TEST(LabelWindows, StandardWindow)
{
    Globals g;
    g.GETKITNAME = QStringLiteral("Coopers Lager");
    g.GETBATCHNAME = QStringLiteral("Summer Lager");
    g.GETBATCHNUMBER = 7;
    ScriptedPrompter prompter;
    int printed = 0;
    Win_CreateStandardLabels window([&] { ++printed; }, nullptr, &prompter, g);
    showActive(&window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Print Standard Labels "));
    EXPECT_EQ(shown(window, "heading"), QStringLiteral("Coopers Lager"));
    EXPECT_EQ(shown(window, "printBatch"), QStringLiteral("Brew Batch No. 7"));
    EXPECT_EQ(shown(window, "pagesToPrint"), QStringLiteral("1.0"));
    EXPECT_FALSE(button(window, "kitRecipe")->isEnabled());

    click(window, "batch");
    EXPECT_EQ(shown(window, "heading"), QStringLiteral("Summer Lager"));
    EXPECT_TRUE(button(window, "kitRecipe")->isEnabled());
    EXPECT_EQ(g.labelDescription, 0);

    stepTo(window.findChild<IntSpinBox *>(QStringLiteral("howManyLabels")), 9);
    EXPECT_EQ(g.HOWMANYLABELS, 9);
    EXPECT_EQ(shown(window, "pagesToPrint"), QStringLiteral("1.1"));
    EXPECT_EQ(shown(window, "labelCount"), QStringLiteral("9"));

    click(window, "print");
    EXPECT_EQ(printed, 1);
    EXPECT_TRUE(window.isVisible());
    click(window, "close");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(g.HOWMANYLABELS, 0);
    EXPECT_EQ(g.GETKITNAME, QString());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST(LabelWindows, OwnWindow)
{
    Globals g;
    g.GETKITNAME = QStringLiteral("Coopers Lager");
    g.COMMENTLINE1 = QStringLiteral("Hops");
    ScriptedPrompter prompter;
    int printed = 0;
    Win_CreateOwnLabels window([&] { ++printed; }, nullptr, &prompter, g);
    showActive(&window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Create your own label..."));
    EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("line1"))->text(), QStringLiteral("Hops"));

    click(window, "headerKit");
    EXPECT_EQ(g.LABELHEADER, QStringLiteral("Coopers Lager"));
    EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("header"))->text(), QStringLiteral("Coopers Lager"));

    auto *body = window.findChild<QLineEdit *>(QStringLiteral("body"));
    body->setFocus();
    type(body, QStringLiteral("Brewed at home"));
    settle();
    EXPECT_EQ(g.LABELBODY, QStringLiteral("Brewed at home"));

    click(window, "example");
    EXPECT_EQ(window.findChild<QLineEdit *>(QStringLiteral("header"))->text(), QStringLiteral("Black Stump Bitter"));
    click(window, "clearLines");
    EXPECT_EQ(g.COMMENTLINE1, QString());
    EXPECT_EQ(g.LABELHEADER, QStringLiteral("Black Stump Bitter"));

    click(window, "print");
    EXPECT_EQ(printed, 1);
    click(window, "close");
    EXPECT_EQ(g.LABELHEADER, QString());
    EXPECT_EQ(g.HOWMANYLABELS, 0);
}

} // namespace
