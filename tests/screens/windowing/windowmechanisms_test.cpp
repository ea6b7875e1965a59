// The program-wide window mechanisms: single instances, kept placements,
// the focus highlight and the tooltip switch.
#include "screens/guitestsupport.h"

#include "screens/windowing/focushighlighter.h"
#include "screens/windowing/tooltipswitch.h"
#include "screens/windowing/windowhost.h"
#include "screens/windowing/windowregistry.h"
#include "screens/windowing/windowstatebinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using guitest::settle;
using guitest::showActive;

namespace
{

// A window-state file kept in memory for the test.
struct MemoryStore {
    QMap<QString, WindowPlacement> sections;
    MemoryStore()
    {
        WindowStateBinding::setStore([this](const QString &p) { return sections.value(p); },
            [this](const QString &p, const WindowPlacement &w, bool) { sections[p] = w; });
    }
    ~MemoryStore() { WindowStateBinding::setStore(nullptr, nullptr); }
};

struct Frame {
    QMainWindow main;
    QMdiArea *area = new QMdiArea;
    Frame()
    {
        main.setCentralWidget(area);
        main.resize(900, 700);
        WindowHost::setMdiArea(area);
        showActive(&main);
    }
    ~Frame() { WindowHost::setMdiArea(nullptr); }
};

QWidget *openOnce(const QString &procedure, int *created)
{
    if (WindowHost::bringToFront(procedure))
        return WindowRegistry::instance().find(procedure);
    ++*created;
    auto *w = new QLabel(QStringLiteral("content"));
    WindowHost::start(w, procedure);
    return w;
}

} // namespace

TEST(WindowRegistry, SecondRequestRaisesTheOpenWindowRestoredIfMinimised)
{
    MemoryStore store;
    Frame frame;
    int created = 0;
    QWidget *first = openOnce(QStringLiteral("Win_About"), &created);
    QWidget *other = openOnce(QStringLiteral("BrowseBrews"), &created);
    auto *sub = qobject_cast<QMdiSubWindow *>(first->parentWidget());
    ASSERT_NE(sub, nullptr);
    sub->showMinimized();
    settle();
    ASSERT_TRUE(sub->isMinimized());

    EXPECT_EQ(openOnce(QStringLiteral("Win_About"), &created), first);
    settle();
    EXPECT_EQ(created, 2);
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(frame.area->activeSubWindow(), sub);
    EXPECT_EQ(frame.area->subWindowList().size(), 2);

    // Once closed, the next request opens a new one.
    sub->close();
    settle();
    EXPECT_EQ(WindowRegistry::instance().find(QStringLiteral("Win_About")), nullptr);
    EXPECT_NE(openOnce(QStringLiteral("Win_About"), &created), nullptr);
    EXPECT_EQ(created, 3);
    other->parentWidget()->close();
}

TEST(WindowStateBinding, PlacementEntriesFollowTheWindowState)
{
    QWidget w;
    w.resize(300, 200);
    w.move(40, 50);
    struct Case {
        Qt::WindowState state;
        WindowStateBinding::Sizing sizing;
        bool hasPos, hasSize;
    } cases[] = {
        { Qt::WindowNoState, WindowStateBinding::Resizable, true, true },
        { Qt::WindowNoState, WindowStateBinding::FixedSize, true, false },
        { Qt::WindowMaximized, WindowStateBinding::Resizable, false, false },
        { Qt::WindowMinimized, WindowStateBinding::Resizable, false, false },
    };
    for (const Case &c : cases) {
        w.setWindowState(c.state);
        const WindowPlacement p = WindowStateBinding::placementOf(&w, c.sizing);
        SCOPED_TRACE(int(c.state));
        EXPECT_TRUE(p.known);
        EXPECT_EQ(p.maximized, c.state == Qt::WindowMaximized);
        EXPECT_EQ(p.minimized, c.state == Qt::WindowMinimized);
        EXPECT_EQ(p.pos.has_value(), c.hasPos);
        EXPECT_EQ(p.size.has_value(), c.hasSize);
    }
}

TEST(WindowStateBinding, MdiChildKeepsPlaceAndSizeAcrossReopening)
{
    MemoryStore store;
    Frame frame;
    auto *first = WindowHost::start(new QLabel(QStringLiteral("a")), QStringLiteral("Win_About"));
    first->setGeometry(30, 40, 320, 210);
    first->close();
    settle();
    ASSERT_TRUE(store.sections.contains(QStringLiteral("Win_About")));

    auto *second = WindowHost::start(new QLabel(QStringLiteral("a")), QStringLiteral("Win_About"));
    settle();
    EXPECT_EQ(second->geometry(), QRect(30, 40, 320, 210));
    second->close();
}

// A small fixed-size window (About) opened while the browse fills the frame maximised keeps its own size
// instead of being blown up over the whole frame.
TEST(WindowStateBinding, FixedSizeChildIsNotMaximisedAlongWithTheOthers)
{
    MemoryStore store;
    Frame frame;
    auto *browse = WindowHost::start(
        new QLabel(QStringLiteral("b")), QStringLiteral("BrowseBrews"), WindowStateBinding::Resizable);
    browse->showMaximized();
    settle();
    auto *about = WindowHost::start(
        new QLabel(QStringLiteral("a")), QStringLiteral("Win_About"), WindowStateBinding::FixedSize);
    settle();
    EXPECT_FALSE(about->isMaximized());
    about->close();
    browse->close();
}

TEST(WindowStateBinding, DialogClosedByAcceptIsStoredAndComesBackWhereItWas)
{
    MemoryStore store;
    QRect closedAt;
    {
        QDialog dialog;
        dialog.resize(250, 150);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.move(70, 80);
            closedAt = dialog.geometry();
            dialog.accept();
        });
        WindowHost::call(&dialog, QStringLiteral("Win_AlcCalculator"));
    }
    const WindowPlacement p = store.sections.value(QStringLiteral("Win_AlcCalculator"));
    EXPECT_TRUE(p.known);
    EXPECT_TRUE(p.pos.has_value());
    EXPECT_FALSE(p.size.has_value()); // called windows are of fixed size by default
    EXPECT_EQ(WindowRegistry::instance().find(QStringLiteral("Win_AlcCalculator")), nullptr);

    // Opened and closed again and again, it keeps its place: no creep by the window frame.
    for (int round = 0; round < 5; ++round) {
        QDialog again;
        again.resize(250, 150);
        QRect openedAt;
        QTimer::singleShot(0, &again, [&] {
            openedAt = again.geometry();
            again.accept();
        });
        WindowHost::call(&again, QStringLiteral("Win_AlcCalculator"));
        EXPECT_EQ(openedAt.topLeft(), closedAt.topLeft()) << round;
    }
}

TEST(FocusHighlight, FocusedFieldsTurnLightYellowAndGetTheirColoursBack)
{
    FocusHighlighter::install();
    QMainWindow window;
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    auto *edit = new QLineEdit;
    auto *check = new QCheckBox(QStringLiteral("&Tick"));
    auto *radio = new QRadioButton(QStringLiteral("&Radio"));
    auto *spin = new QSpinBox;
    auto *combo = new QComboBox;
    combo->setEditable(true);
    auto *disabled = new QLineEdit;
    disabled->setEnabled(false);
    for (QWidget *w : { static_cast<QWidget *>(edit), static_cast<QWidget *>(check), static_cast<QWidget *>(radio),
             static_cast<QWidget *>(spin), static_cast<QWidget *>(combo), static_cast<QWidget *>(disabled) })
        layout->addWidget(w);
    window.setCentralWidget(central);
    auto *toolbar = window.addToolBar(QStringLiteral("tools"));
    auto *toolEdit = new QLineEdit;
    toolbar->addWidget(toolEdit);
    const QColor before = edit->palette().color(QPalette::Base);
    showActive(&window);

    ASSERT_NE(before, FocusHighlighter::kColour);
    for (QWidget *w : { static_cast<QWidget *>(edit), static_cast<QWidget *>(spin), static_cast<QWidget *>(combo) }) {
        w->setFocus(Qt::TabFocusReason);
        settle();
        EXPECT_EQ(w->palette().color(QPalette::Base), FocusHighlighter::kColour) << w->metaObject()->className();
    }
    for (QWidget *w : { static_cast<QWidget *>(check), static_cast<QWidget *>(radio) }) {
        w->setFocus(Qt::TabFocusReason);
        settle();
        EXPECT_EQ(w->palette().color(QPalette::Window), FocusHighlighter::kColour) << w->metaObject()->className();
        EXPECT_TRUE(w->autoFillBackground());
    }
    // Every field left behind has its own colours again.
    EXPECT_EQ(edit->palette().color(QPalette::Base), before);
    EXPECT_EQ(spin->palette().color(QPalette::Base), before);
    EXPECT_FALSE(check->autoFillBackground());

    toolEdit->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_NE(toolEdit->palette().color(QPalette::Base), FocusHighlighter::kColour);
    EXPECT_EQ(FocusHighlighter::highlightTarget(disabled), nullptr);
}

namespace
{
struct TipCounter : QLabel {
    int tips = 0;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip)
            ++tips;
        return QLabel::event(e);
    }
};
} // namespace

TEST(TooltipSwitch, OffSwallowsEveryTooltipRequest)
{
    TipCounter label;
    label.setToolTip(QStringLiteral("Save Defaults"));
    for (bool on : { false, true, false }) {
        TooltipSwitch::apply(on);
        const int before = label.tips;
        QHelpEvent request(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QApplication::sendEvent(&label, &request);
        EXPECT_EQ(label.tips - before, on ? 1 : 0);
    }
    TooltipSwitch::apply(true);
}

// Whatever the window-state file says, a window opens on screen, at most the size of the screen (of
// the frame for a child), keeping a stored size that fits.
TEST(WindowStateBinding, StoredPlacesAndSizesAreBroughtOnScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char *what;
        QPoint pos;
        QSize size;
    } cases[] = {
        { "far up and left, huge", { -99999, -99999 }, { 999999, 999999 } },
        { "below the screen", { 100, 99999 }, { 400, 300 } },
        { "on a monitor no longer attached", { screen.right() + 500, 40 }, { 400, 300 } },
        { "fits", { screen.left() + 60, screen.top() + 70 }, { 400, 300 } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QWidget w;
        WindowPlacement p;
        p.known = true;
        p.pos = c.pos;
        p.size = c.size;
        WindowStateBinding::apply(&w, p, WindowStateBinding::Resizable);
        EXPECT_TRUE(screen.contains(w.geometry()))
            << w.geometry().x() << "," << w.geometry().y() << " " << w.width() << "x" << w.height();
        if (screen.contains(QRect(c.pos, c.size).adjusted(-4, -30, 4, 4))) {
            EXPECT_EQ(w.geometry(), QRect(c.pos, c.size)); // a place that fits is kept exactly
        }
    }

    // A child keeps inside the frame's window area.
    MemoryStore store;
    Frame frame;
    WindowPlacement far;
    far.known = true;
    far.pos = QPoint(5000, 5000);
    far.size = QSize(3000, 3000);
    store.sections[QStringLiteral("BrowseBrews")] = far;
    auto *child = WindowHost::start(new QLabel(QStringLiteral("b")), QStringLiteral("BrowseBrews"));
    settle();
    EXPECT_TRUE(frame.area->viewport()->rect().contains(child->geometry()));
    child->close();
}
