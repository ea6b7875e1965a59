// Access keys of a child window against those of the frame's menu bar.
#include "screens/guitestsupport.h"

#include "screens/frame/mdimnemonics.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace
{

// A frame whose menus use the letters B, E, H and W, holding a child window that uses them too.
struct Frame {
    QMainWindow main;
    QMdiArea *area = new QMdiArea;
    QWidget *inner = new QWidget;
    QTabBar *tabs = new QTabBar(inner);
    QPushButton *edit = new QPushButton(QStringLiteral("&Edit Brew"), inner);
    QPushButton *help = new QPushButton(QStringLiteral("&Help"), inner);
    QRadioButton *all = new QRadioButton(QStringLiteral("View all bre&ws"), inner);
    QRadioButton *stock = new QRadioButton(QStringLiteral(" In &stock only"), inner);
    QLabel *prompt = new QLabel(QStringLiteral("&Yeast used:"), inner);
    QLineEdit *yeast = new QLineEdit(inner);
    QPushButton *disabled = new QPushButton(QStringLiteral("&Delete"), inner);
    QLineEdit *outside = new QLineEdit;

    Frame()
    {
        for (const char *menu : { "&File", "&Edit", "&Browse", "&Window", "&Help", "&Delete" })
            main.menuBar()->addMenu(QString::fromLatin1(menu));
        tabs->addTab(QStringLiteral("&Batch"));
        tabs->addTab(QStringLiteral("&Record"));
        tabs->addTab(QStringLiteral("Da&te"));
        prompt->setBuddy(yeast);
        disabled->setEnabled(false);
        stock->setChecked(true);
        auto *layout = new QVBoxLayout(inner);
        for (QWidget *w : std::initializer_list<QWidget *> { tabs, edit, help, all, stock, prompt, yeast, disabled })
            layout->addWidget(w);
        auto *holder = new QWidget;
        auto *outer = new QVBoxLayout(holder);
        outer->addWidget(area);
        outer->addWidget(outside);
        main.setCentralWidget(holder);
        area->addSubWindow(inner)->show();
        MdiMnemonics::install();
        guitest::showActive(&main);
    }

    // Alt+letter as the platform delivers it: the override question first, then the press if it was claimed.
    bool altKey(QWidget *focus, Qt::Key key)
    {
        focus->setFocus();
        guitest::settle();
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::AltModifier);
        override.ignore();
        QApplication::sendEvent(focus, &override);
        if (!override.isAccepted())
            return false;
        guitest::key(focus, key, Qt::AltModifier);
        return true;
    }
};

} // namespace

TEST(MdiMnemonics, ChildWindowControlWinsOverTheMenuBar)
{
    Frame f;
    int edits = 0;
    QObject::connect(f.edit, &QPushButton::clicked, [&edits] { ++edits; });

    EXPECT_TRUE(f.altKey(f.yeast, Qt::Key_E));
    EXPECT_EQ(edits, 1);

    EXPECT_TRUE(f.altKey(f.yeast, Qt::Key_T));
    EXPECT_EQ(f.tabs->currentIndex(), 2);
    EXPECT_TRUE(f.altKey(f.yeast, Qt::Key_B));
    EXPECT_EQ(f.tabs->currentIndex(), 0);

    EXPECT_TRUE(f.altKey(f.yeast, Qt::Key_W));
    EXPECT_TRUE(f.all->isChecked());
    EXPECT_FALSE(f.stock->isChecked());

    EXPECT_TRUE(f.altKey(f.edit, Qt::Key_Y));
    EXPECT_EQ(QApplication::focusWidget(), f.yeast);
}

TEST(MdiMnemonics, KeysTheChildDoesNotUseStayWithTheFrame)
{
    Frame f;
    QDialog dialog(f.inner);
    auto *dialogButton = new QPushButton(QStringLiteral("&Yes"), &dialog);
    dialog.show();
    guitest::settle();
    const struct {
        QWidget *focus;
        Qt::Key key;
        const char *why;
    } cases[] = {
        { f.yeast, Qt::Key_F, "no control of the child uses F" },
        { f.yeast, Qt::Key_D, "the child's D button is disabled" },
        { f.outside, Qt::Key_E, "the focus is outside any child window" },
        { dialogButton, Qt::Key_Y, "a dialog opened by the child window handles its own keys" },
    };
    for (const auto &c : cases)
        EXPECT_FALSE(f.altKey(c.focus, c.key)) << c.why;
    EXPECT_EQ(MdiMnemonics::target(f.yeast, u'x'), nullptr);
    EXPECT_EQ(MdiMnemonics::target(f.yeast, u'h'), f.help);
}
