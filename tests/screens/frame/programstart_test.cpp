// The start-up steps before the frame, and the frame's commands into the calculators.
#include "screens/guitestsupport.h"

#include "platform/prompter.h"
#include "screens/frame/mainframe.h"
#include "screens/frame/programstart.h"
#include "screens/windowing/tooltipswitch.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

using guitest::DataFolder;

TEST(ProgramStart, StoresAreCreatedAndADamagedOneIsReportedAndLeftAsItWas)
{
    DataFolder data;
    const QByteArray garbage("this is not a store, but somebody's letter\n");
    {
        QFile f(data.dir.filePath(QStringLiteral("BRANDS4.sqlite")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    ScriptedPrompter prompter;
    ProgramStart start(ProgramStart::Options { data.dir.path(), OpeningSplash::kDesignedMs, {}, {} }, prompter);
    start.prepare();
    start.openStores();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith(QStringLiteral("File BRANDS4 could not be opened.  Error: ")));
    QFile f(data.dir.filePath(QStringLiteral("BRANDS4.sqlite")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), garbage);
    for (const char *store : { "BREWSV3", "SHOPPING", "W_LINK" })
        EXPECT_TRUE(QFile::exists(data.dir.filePath(QString::fromLatin1(store) + QStringLiteral(".sqlite")))) << store;
    EXPECT_EQ(start.brewCounter()(), 0);
}

TEST(ProgramStart, TooltipPreferenceIsAppliedBeforeAnyWindow)
{
    const struct {
        const char *stored;
        bool on;
    } cases[] = { { "1", true }, { "0", false }, { nullptr, false } };
    for (const auto &c : cases) {
        DataFolder data;
        if (c.stored)
            DataFolder::setSetting(settings::kTipFlag, QString::fromLatin1(c.stored));
        ScriptedPrompter prompter;
        ProgramStart start(ProgramStart::Options { data.dir.path(), OpeningSplash::kDesignedMs, {}, {} }, prompter);
        start.prepare();
        EXPECT_EQ(TooltipSwitch::isOn(), c.on) << (c.stored ? c.stored : "missing");
    }
    TooltipSwitch::apply(true);
}

TEST(MainFrameCommands, CostCalculatorFromTheFrameBelongsToNoBrew)
{
    DataFolder data;
    ScriptedPrompter prompter;
    MainFrame frame(prompter, [] { return std::optional<long long>(0); });
    guitest::showActive(&frame);
    glo().GETKITNAME = QStringLiteral("Coopers Lager");
    glo().GETBATCHNAME = QStringLiteral("Summer");
    glo().GETBATCHNUMBER = 12;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget *w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        opened = true;
        EXPECT_EQ(glo().GETKITNAME, QString());
        EXPECT_EQ(glo().GETBATCHNAME, QString());
        EXPECT_EQ(glo().GETBATCHNUMBER, 0);
        w->close();
    });
    frame.command(QStringLiteral("C&ost Calculator"))->trigger();
    EXPECT_TRUE(opened);
    for (const char *text : { "&Unit Conversion", "&Alcohol % Calculator", "&Gravity Correction" })
        EXPECT_TRUE(frame.command(QString::fromUtf8(text))->isEnabled()) << text;
}
