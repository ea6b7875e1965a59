// The calculator windows bound to their rules: typed and stepped values reach
// the rules, refused values stay out, and the figures on show follow.
#include "screens/guitestsupport.h"

#include "platform/prompter.h"
#include "screens/calculators/win_alccalculator.h"
#include "screens/calculators/win_calculatecost.h"
#include "screens/calculators/win_gravitycorrection.h"
#include "screens/calculators/win_sugaralc.h"
#include "screens/calculators/win_unitconversions.h"
#include "screens/widgets/decimalspinbox.h"
#include "screens/widgets/intspinbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using guitest::key;
using guitest::settle;
using guitest::showActive;

namespace
{

[[maybe_unused]] void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

QString shown(const QWidget &w, const char *name)
{
    auto *label = w.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

void click(const QWidget &w, const char *name)
{
    auto *b = w.findChild<QPushButton *>(QString::fromLatin1(name));
    ASSERT_TRUE(b) << name;
    b->click();
    settle();
}

void retype(QAbstractSpinBox *box, const QString &text)
{
    box->setFocus(Qt::TabFocusReason);
    settle();
    auto *edit = box->findChild<QLineEdit *>();
    edit->selectAll();
    key(box, Qt::Key_Delete);
    guitest::type(box, text);
    key(box, Qt::Key_Tab);
    settle();
}

} // namespace

TEST(AlcCalculatorWindow, TypedAndSteppedReadings)
{
    ScriptedPrompter prompter;
    Win_AlcCalculator window(nullptr, &prompter);
    showActive(&window);
    EXPECT_EQ(window.windowTitle(), "Alcohol % Calculator");
    EXPECT_EQ(shown(window, "diff"), "0.030");
    EXPECT_EQ(shown(window, "abv"), "4.00");
    EXPECT_EQ(shown(window, "abwBottle"), "3.60");

    auto *og = window.findChild<QLineEdit *>("og");
    og->setFocus();
    og->selectAll();
    guitest::type(og, "1.250");
    key(og, Qt::Key_Return);
    settle();
    EXPECT_EQ(og->text(), "1.200");
    EXPECT_EQ(prompter.captions(), QStringList { "Out of Range..." });
    EXPECT_EQ(shown(window, "abv"), "26.00");

    click(window, "fgPlus");
    EXPECT_EQ(window.findChild<QLineEdit *>("fg")->text(), "1.006");
    EXPECT_EQ(shown(window, "diff"), "0.194");
    EXPECT_EQ(shown(window, "abw"), "20.70"); // 25.87 x 0.8
}

TEST(GravityCorrectionWindow, RefusesATypedReadingOutsideTheSpin)
{
    ScriptedPrompter prompter;
    Win_GravityCorrectionUtility window(true, nullptr, &prompter);
    showActive(&window);
    EXPECT_EQ(shown(window, "keyAs"), "1036");
    auto *gravity = window.findChild<IntSpinBox *>("gravity");
    retype(gravity, "1300");
    EXPECT_TRUE(gravity->hasFocus());
    EXPECT_EQ(window.values().gravity(), 1035);

    retype(gravity, "1050");
    auto *temperature = window.findChild<IntSpinBox *>("temperature");
    retype(temperature, "30");
    EXPECT_EQ(shown(window, "correction"), "0.003");
    EXPECT_EQ(shown(window, "corrected"), "1.053");
    EXPECT_EQ(shown(window, "keyAs"), "1053");

    temperature->setValue(69);
    static_cast<QAbstractSpinBox *>(temperature)->stepBy(1); // as an arrow press
    settle();
    EXPECT_EQ(prompter.captions(), QStringList { "Out of Range.." });
    EXPECT_EQ(shown(window, "correction"), "0.021");
}

TEST(UnitConversionsWindow, TypedLitresShowBothResults)
{
    ScriptedPrompter prompter;
    Win_UnitConversions window(nullptr, &prompter);
    showActive(&window);
    EXPECT_EQ(shown(window, "litresResult"), "");
    retype(window.findChild<DecimalSpinBox *>("litres"), "23");
    EXPECT_EQ(shown(window, "litresResult"), "5.06");
    EXPECT_EQ(shown(window, "litresCopy"), "23.00");
    EXPECT_EQ(shown(window, "litresResult2"), "6.08");

    auto *kg = window.findChild<DecimalSpinBox *>("kg");
    kg->setValue(1.1);
    kg->setFocus();
    static_cast<QAbstractSpinBox *>(kg)->stepBy(-1);
    settle();
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(shown(window, "kgResult"), "0.22");

    click(window, "reset");
    EXPECT_EQ(shown(window, "litresResult"), "");
    EXPECT_EQ(window.findChild<DecimalSpinBox *>("litres")->text(), "");
}

TEST(CalculateCostWindow, ExampleAndCopy)
{
    Globals globals;
    globals.GETKITNAME = "Best Bitter";
    globals.cost.TOTALCOST = Decimal(12);
    ScriptedPrompter prompter;
    bool printed = false;
    Win_CalculateCost window(
        globals, [&] { printed = true; }, nullptr, &prompter);
    showActive(&window);
    EXPECT_EQ(shown(window, "totalCost"), ""); // opens at 0
    EXPECT_EQ(window.findChild<QLineEdit *>("kitName")->text(), "Best Bitter");

    click(window, "example");
    EXPECT_EQ(shown(window, "totalCost"), "28.04");
    EXPECT_EQ(shown(window, "numberOfUnits"), "112.50");
    EXPECT_EQ(shown(window, "costPerUnit"), "0.25");
    EXPECT_EQ(window.findChild<DecimalSpinBox *>("unitSize")->text(), "0.200");
    EXPECT_TRUE(window.findChild<QPushButton *>("reset")->hasFocus());

    prompter.clear();
    click(window, "copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        "Total Cost: 28.04  Final Volumn: 22.5  Unit Size: 0.2\r\nTotal Units: 112.5  Cost Per Unit: 0.25\r\n");
    EXPECT_EQ(prompter.captions(), QStringList { "Copied to the Windows Clipboard..." });

    retype(window.findChild<DecimalSpinBox *>("unitSize"), "0.568");
    EXPECT_EQ(globals.cost.UNITSIZE, Decimal::fromScaled(57, 2));
    EXPECT_EQ(window.findChild<DecimalSpinBox *>("unitSize")->text(), "0.570");
    EXPECT_EQ(shown(window, "numberOfUnits"), "39.47");

    prompter.clear();
    prompter.answer(1); // Yes: print first
    click(window, "close");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(prompter.captions(), QStringList { "Print?" });
    click(window, "print");
    EXPECT_TRUE(printed);
    click(window, "close");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(globals.cost.TOTALCOST, Decimal::fromScaled(2804, 2));
    EXPECT_EQ(globals.cost.UNITSIZE, Decimal());
}

TEST(CalculateCostWindow, PrintWaitsForItsReport)
{
    Globals globals;
    ScriptedPrompter prompter;
    Win_CalculateCost window(globals, {}, nullptr, &prompter);
    showActive(&window);
    EXPECT_FALSE(window.findChild<QPushButton *>("print")->isEnabled());
    click(window, "example");
    click(window, "close"); // nothing to print with, so nothing to ask
    EXPECT_TRUE(prompter.captions() == QStringList { "Example..." });
    EXPECT_FALSE(window.isVisible());
}

TEST(SugarAlcWindow, AllowanceButton)
{
    ScriptedPrompter prompter;
    Win_SugarAlc window(true, nullptr, &prompter);
    showActive(&window);
    EXPECT_EQ(shown(window, "alcVol1"), "5.2");
    EXPECT_EQ(shown(window, "inform"), "Excludes the 0.5% for Bottle Conditioning");
    click(window, "addAllowance");
    EXPECT_EQ(shown(window, "alcVol1"), "5.7");
    EXPECT_EQ(shown(window, "alcWgt4"), "3.1");
    EXPECT_EQ(shown(window, "inform"), "Includes the 0.5% (abv) for Bottle Conditioning");
    click(window, "addAllowance");
    EXPECT_EQ(prompter.captions(), QStringList { "Done..." });
    EXPECT_EQ(shown(window, "alcVol1"), "5.7");
}

// Every result box of the calculators stands as high as an entry field, and its value keeps off
// the box's and the window's edges.
TEST(CalculatorLook, ResultBoxesShareOneHeightAndKeepTheirTextOffTheEdges)
{
    ScriptedPrompter prompter;
    Globals values;
    Win_CalculateCost cost(values, {}, nullptr, &prompter);
    Win_SugarAlc sugar(true, nullptr, &prompter);
    for (QDialog *window : { static_cast<QDialog *>(&cost), static_cast<QDialog *>(&sugar) }) {
        guitest::showActive(window);
        const int entryHeight = QLineEdit().sizeHint().height();
        const QList<QLabel *> boxes = window->findChildren<QLabel *>();
        int checked = 0;
        for (QLabel *box : boxes) {
            if (box->frameShape() != QFrame::Panel)
                continue;
            ++checked;
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_EQ(box->height(), entryHeight);
            EXPECT_GE(box->contentsRect().left() - box->rect().left(), 3);
            EXPECT_GE(box->rect().right() - box->contentsRect().right(), 3);
            const QPoint right = box->mapTo(window, QPoint(box->width(), 0));
            EXPECT_LE(right.x(), window->width() - 6);
        }
        EXPECT_GT(checked, 2);
        window->hide();
    }
}
