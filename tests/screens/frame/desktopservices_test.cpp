// Widget services of the platform: the desktop calculator, the splash, the Edit menu.
#include "screens/guitestsupport.h"

#include "platform/gui/desktopcalculator.h"
#include "platform/prompter.h"
#include "screens/frame/mainframe.h"
#include "screens/frame/openingsplash.h"
#include "screens/frame/win_about.h"
#include "screens/help/helpsystem.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace
{

// PATH pointing at a folder of our own for the length of a test.
struct PathOverride {
    QByteArray saved = qgetenv("PATH");
    explicit PathOverride(const QString &path) { qputenv("PATH", path.toLocal8Bit()); }
    ~PathOverride() { qputenv("PATH", saved); }
};

} // namespace

TEST(DesktopCalculator, StartsTheFirstOneFoundAndNothingWhenNoneIsInstalled)
{
    QTemporaryDir bin;
    {
        PathOverride path(bin.path());
        EXPECT_EQ(desktopcalculator::find(), QString());
        EXPECT_FALSE(desktopcalculator::start());
    }
    // A stand-in calculator that leaves a mark when started.
    const QString mark = bin.filePath(QStringLiteral("started"));
    const QString program = bin.filePath(QStringLiteral("xcalc"));
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n/usr/bin/touch '%1'\n").arg(mark).toLocal8Bit());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    PathOverride path(bin.path());
    EXPECT_EQ(desktopcalculator::find(), program);
    EXPECT_TRUE(desktopcalculator::start());
    // Started detached: the mark appears once the shell has run.
    for (int i = 0; i < 500 && !QFile::exists(mark); ++i)
        QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(mark));
}

TEST(OpeningSplash, ClosesAtItsTimerAndWhenClicked)
{
    {
        OpeningSplash splash(20);
        splash.showAndWait(); // returns: the timer closed it
        EXPECT_FALSE(splash.isVisible());
    }
    for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton }) {
        OpeningSplash splash(60 * 1000);
        QTimer::singleShot(0, &splash, [&] {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), button, button, Qt::NoModifier);
            QApplication::sendEvent(&splash, &press);
        });
        splash.showAndWait();
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST(OpeningSplash, EnvironmentMayShortenTheWaitButNeverLengthenIt)
{
    const QByteArray saved = qgetenv("MALTWRIGHT_SPLASH_MS");
    const struct {
        const char *value;
        int ms;
    } cases[] = { { nullptr, 4000 }, { "0", 0 }, { "150", 150 }, { "9000", 4000 }, { "soon", 4000 }, { "-5", 4000 } };
    for (const auto &c : cases) {
        if (c.value)
            qputenv("MALTWRIGHT_SPLASH_MS", c.value);
        else
            qunsetenv("MALTWRIGHT_SPLASH_MS");
        EXPECT_EQ(OpeningSplash::intervalFromEnvironment(), c.ms) << (c.value ? c.value : "unset");
    }
    if (saved.isNull())
        qunsetenv("MALTWRIGHT_SPLASH_MS");
    else
        qputenv("MALTWRIGHT_SPLASH_MS", saved);
}

TEST(MainFrameCommands, EditMenuWorksOnTheLastFocusedField)
{
    guitest::DataFolder data;
    ScriptedPrompter prompter;
    MainFrame frame(prompter, [] { return std::optional<long long>(0); });
    auto *form = new QWidget;
    auto *layout = new QVBoxLayout(form);
    auto *from = new QLineEdit(QStringLiteral("Coopers Lager"));
    auto *to = new QLineEdit;
    layout->addWidget(from);
    layout->addWidget(to);
    frame.mdiArea()->addSubWindow(form)->show();
    guitest::showActive(&frame);

    from->setFocus();
    guitest::settle();
    from->selectAll();
    frame.command(QStringLiteral("&Copy"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Coopers Lager"));
    frame.command(QStringLiteral("Cu&t"))->trigger();
    EXPECT_EQ(from->text(), QString());
    to->setFocus();
    guitest::settle();
    frame.command(QStringLiteral("&Paste"))->trigger();
    EXPECT_EQ(to->text(), QStringLiteral("Coopers Lager"));
}

TEST(MainFrameCommands, F1OnTheFrameAsksForTheActiveChildsPage)
{
    guitest::DataFolder data;
    ScriptedPrompter prompter;
    MainFrame frame(prompter, [] { return std::optional<long long>(0); });
    guitest::showActive(&frame);
    EXPECT_EQ(HelpSystem::helpPageFor(&frame), QStringLiteral("Main"));
    Win_About::start();
    guitest::settle();
    EXPECT_EQ(HelpSystem::helpPageFor(&frame), QStringLiteral("Win_About"));
}
