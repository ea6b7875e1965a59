// The program's spin boxes: refusing typed values outside the range, telling
// stepping from typing, and showing zero blank.
#include "screens/guitestsupport.h"

#include "platform/date.h"
#include "screens/widgets/datespinbox.h"
#include "screens/widgets/decimalspinbox.h"
#include "screens/widgets/intspinbox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using guitest::key;
using guitest::settle;
using guitest::showActive;

namespace
{

// A window with the spin box under test and a button to tab on to.
struct Form {
    QWidget window;
    QPushButton *next = new QPushButton(QStringLiteral("Next"));
    void put(QAbstractSpinBox *box)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(next);
        showActive(&window);
        box->setFocus(Qt::TabFocusReason);
        settle();
    }
};

void retype(QAbstractSpinBox *box, const QString &text)
{
    auto *edit = box->findChild<QLineEdit *>();
    edit->selectAll();
    guitest::key(box, Qt::Key_Delete);
    guitest::type(box, text);
}

} // namespace

TEST(IntSpinBox, TypedValueOutsideTheRangeIsRefusedAndKeepsTheFocus)
{
    struct Case {
        const char *typed;
        bool refused;
        int value;
    } cases[] = {
        { "10000", true, 5 }, // above 9999
        { "0", true, 5 }, // below 1 and the box does not take blank
        { "-3", true, 5 },
        { "9999", false, 9999 },
        { "1", false, 1 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        Form form;
        auto *box = new IntSpinBox;
        box->setAllowedRange(1, 9999);
        box->setValue(5);
        form.put(box);
        guitest::SignalCount refused(box, &IntSpinBox::refused);
        guitest::SignalCount typed(box, &IntSpinBox::typed);
        retype(box, QString::fromLatin1(c.typed));
        key(box, Qt::Key_Tab);
        settle();
        EXPECT_EQ(refused.count(), c.refused ? 1 : 0);
        EXPECT_EQ(box->value(), c.value);
        EXPECT_EQ(typed.count(), c.refused ? 0 : (c.value != 5 ? 1 : 0));
        if (c.refused) {
            EXPECT_TRUE(box->hasFocus());
            EXPECT_EQ(box->findChild<QLineEdit *>()->text(), QString::fromLatin1(c.typed)); // kept as typed
        }
    }
}

TEST(IntSpinBox, ClickingElsewhereWithAValueOutsideTheRangeTakesTheFocusBack)
{
    Form form;
    auto *box = new IntSpinBox;
    box->setAllowedRange(1, 500);
    form.put(box);
    guitest::SignalCount refused(box, &IntSpinBox::refused);
    retype(box, QStringLiteral("501"));
    form.next->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(refused.count(), 1);
    EXPECT_TRUE(box->hasFocus());
}

TEST(IntSpinBox, SteppingAndTypingAreToldApart)
{
    Form form;
    auto *box = new IntSpinBox;
    box->setAllowedRange(1, 7);
    box->setBlankWhenZero(true);
    box->setValue(0); // a score not given yet
    form.put(box);
    guitest::SignalCount stepped(box, &IntSpinBox::stepped);
    guitest::SignalCount typed(box, &IntSpinBox::typed);
    EXPECT_EQ(box->findChild<QLineEdit *>()->text(), QString()); // 0 shows blank, though outside 1..7

    key(box, Qt::Key_Up); // from no value into the range
    EXPECT_EQ(box->value(), 1);
    key(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), 2);
    EXPECT_EQ(stepped.count(), 2);
    EXPECT_EQ(typed.count(), 0);

    retype(box, QStringLiteral("6"));
    key(box, Qt::Key_Return);
    EXPECT_EQ(box->value(), 6);
    EXPECT_EQ(typed.count(), 1);
    EXPECT_EQ(stepped.count(), 2);

    box->setValue(3); // the program's own change is neither
    EXPECT_EQ(typed.count(), 1);
    EXPECT_EQ(stepped.count(), 2);

    key(box, Qt::Key_Up);
    key(box, Qt::Key_Up);
    key(box, Qt::Key_Up);
    key(box, Qt::Key_Up);
    key(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), 7); // stepping stops at the end of the range
}

TEST(IntSpinBox, LeadingZerosAndBlankZero)
{
    IntSpinBox box;
    box.setAllowedRange(0, 99);
    box.setBlankWhenZero(true);
    box.setMinimumDigits(2);
    auto *edit = box.findChild<QLineEdit *>();
    box.setValue(7);
    EXPECT_EQ(edit->text(), QStringLiteral("07"));
    box.setValue(0);
    EXPECT_EQ(edit->text(), QString());
}

TEST(DecimalSpinBox, RangeDecimalsAndExactValue)
{
    struct Case {
        const char *typed;
        bool refused;
        const char *value;
    } cases[] = {
        { "1.5", false, "1.5" },
        { "100.01", true, "2" },
        { "0.09", true, "2" },
        { "99.99", false, "99.99" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        Form form;
        auto *box = new DecimalSpinBox;
        box->setDecimals(2);
        box->setAllowedRange(Decimal::fromScaled(10, 2), Decimal(100));
        box->setDecimalValue(Decimal(2));
        form.put(box);
        guitest::SignalCount refused(box, &DecimalSpinBox::refused);
        retype(box, QString::fromLatin1(c.typed));
        key(box, Qt::Key_Tab);
        settle();
        EXPECT_EQ(refused.count(), c.refused ? 1 : 0);
        EXPECT_EQ(box->decimalValue().toPlainText(), QString::fromLatin1(c.value));
    }
}

TEST(DecimalSpinBox, StepsExactlyAndShowsZeroBlank)
{
    DecimalSpinBox box;
    box.setDecimals(2);
    box.setAllowedRange(Decimal(0), Decimal(10));
    box.setStep(Decimal::fromScaled(10, 2));
    box.setBlankWhenZero(true);
    auto *edit = box.findChild<QLineEdit *>();
    EXPECT_EQ(edit->text(), QString());
    for (int i = 0; i < 3; ++i)
        box.stepUp();
    EXPECT_EQ(box.decimalValue(), Decimal::fromScaled(30, 2));
    EXPECT_EQ(edit->text(), QStringLiteral("0.30"));
}

TEST(DateSpinBox, ShowsShortDateBlankForNoneAndStepsByDays)
{
    Form form;
    auto *box = new DateSpinBox;
    form.put(box);
    auto *edit = box->findChild<QLineEdit *>();
    EXPECT_EQ(edit->text(), QString());
    const date::Day day = date::fromYmd(2024, 2, 28);
    box->setValue(day);
    EXPECT_EQ(edit->text(), date::shortText(day));
    key(box, Qt::Key_Up);
    key(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), date::fromYmd(2024, 3, 1));

    guitest::SignalCount refused(box, &IntSpinBox::refused);
    retype(box, QStringLiteral("45/45/2024"));
    key(box, Qt::Key_Tab);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(box->value(), date::fromYmd(2024, 3, 1));

    retype(box, date::shortText(date::fromYmd(2023, 12, 24)));
    key(box, Qt::Key_Tab);
    EXPECT_EQ(box->value(), date::fromYmd(2023, 12, 24));
}

TEST(SpinBoxes, AStepStartsFromTheValueTypedNotYetLeft)
{
    // A hydrometer reading typed and then stepped with the Up key or the arrow.
    for (const bool byKey : { true, false }) {
        Form form;
        auto *box = new IntSpinBox;
        box->setAllowedRange(900, 1200);
        box->setBlankWhenZero(true);
        box->setValue(1052);
        form.put(box);
        guitest::SignalCount stepped(box, &IntSpinBox::stepped);
        retype(box, QStringLiteral("1199"));
        if (byKey)
            key(box, Qt::Key_Up);
        else
            box->stepUp();
        EXPECT_EQ(box->value(), 1200) << byKey;
        EXPECT_EQ(stepped.count(), 1);
    }
    {
        Form form;
        auto *box = new DateSpinBox;
        box->setValue(date::fromYmd(2024, 1, 1));
        form.put(box);
        retype(box, date::shortText(date::fromYmd(2024, 2, 28)));
        key(box, Qt::Key_Up);
        EXPECT_EQ(box->value(), date::fromYmd(2024, 2, 29));
    }
    {
        Form form;
        auto *box = new DecimalSpinBox;
        box->setDecimals(2);
        box->setAllowedRange(Decimal(0), Decimal(10));
        box->setStep(Decimal::fromScaled(10, 2));
        box->setDecimalValue(Decimal(1));
        form.put(box);
        retype(box, QStringLiteral("4.5"));
        key(box, Qt::Key_Down);
        EXPECT_EQ(box->decimalValue(), Decimal::fromScaled(440, 2));
    }
}
