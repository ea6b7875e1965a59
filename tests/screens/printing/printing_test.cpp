// The report windows: the Reports menu, the run under its progress window, Cancel,
// the preview, and the batch-range window.

#include "screens/guitestsupport.h"

#include "platform/prompter.h"
#include "records/brewstable.h"
#include "screens/frame/mainframe.h"
#include "screens/printing/printpreview.h"
#include "screens/printing/progresswindow.h"
#include "screens/printing/reportstarter.h"
#include "screens/printing/win_printfromtorange.h"
#include "screens/widgets/intspinbox.h"
#include "screens/windowing/windowregistry.h"
#include "screens/windowing/windowstatebinding.h"

#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

template <class W> W *openWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<W *>(w); found && found->isVisible())
            return found;
    return nullptr;
}

// Runs the event loop until `ready` holds or ten seconds have passed.
template <class Ready> bool waitFor(Ready ready)
{
    QElapsedTimer clock;
    clock.start();
    while (!ready() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return ready();
}

struct ReportWindows : ::testing::Test {
    guitest::DataFolder data;
    ScriptedPrompter prompter;

    ReportWindows()
    {
        WindowStateBinding::useWindowStateFile();
        BrewsTable table(data.dir.path());
        EXPECT_TRUE(table.open().ok());
        for (int r = 1; r <= 22; ++r) {
            BrewRecord b;
            b.RECORDNUMBER = r;
            b.BATCHNUMBER = std::int16_t(r);
            b.BREWKIT = QStringLiteral("Kit %1").arg(r);
            b.STOCKONHAND = QStringLiteral("0");
            EXPECT_TRUE(table.insert(b, prompter).ok());
        }
        table.close();
        glo().PrintFrom = 0;
        glo().PrintTo = 0;
    }
    ~ReportWindows() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<PrintPreview *>(w) || qobject_cast<ProgressWindow *>(w))
                w->close();
        guitest::settle();
    }
};

} // namespace

TEST_F(ReportWindows, TheTenListReportsAreOnTheReportsMenu)
{
    MainFrame frame(prompter, [] { return std::optional<long long>(0); });
    for (const char *text : { "By &Record Order - Ascending", "By &Batch number - Descending",
             "By &Kit/Recipe name - Ascending", "By &Date Down - Descending",
             "By &Cost of Brew - (Brews with no cost excluded)", "By &Tasting Score - Best to worst",
             "For a &Selected Batch Range Only", "&Brews in Stock by Batch Number   ",
             "Brews in &Stock by Record Order", "Brews in &Stock by Tasting Score" })
        EXPECT_TRUE(frame.command(QString::fromUtf8(text))->isEnabled()) << text;
}

TEST_F(ReportWindows, ARunShowsItsProgressThenThePreviewAtOneHundredPercentOnPageOne)
{
    glo().PrintFrom = 4;
    glo().PrintTo = 9;
    reportstarter::start(QStringLiteral("Rpt_BrewsByRecordNo"), prompter);
    ProgressWindow *progress = openWindow<ProgressWindow>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Progress..."));
    EXPECT_EQ(progress->cancelButton()->text(), QStringLiteral("Cancel"));
    ASSERT_TRUE(waitFor([] { return openWindow<PrintPreview>() != nullptr; }));
    EXPECT_EQ(openWindow<ProgressWindow>(), nullptr);
    // The progress window's place is kept under the report's name.
    EXPECT_TRUE(windowstate::readPlacement(QStringLiteral("Rpt_BrewsByRecordNo")).known);

    PrintPreview *preview = openWindow<PrintPreview>();
    EXPECT_TRUE(preview->isMaximized());
    EXPECT_EQ(preview->currentPage(), 0);
    EXPECT_DOUBLE_EQ(preview->zoom(), 1.0);
    EXPECT_EQ(preview->document().pageCount(), 2);
    preview->showPage(5);
    EXPECT_EQ(preview->currentPage(), 1);
    guitest::key(preview, Qt::Key_PageUp);
    EXPECT_EQ(preview->currentPage(), 0);
    preview->zoomIn();
    EXPECT_DOUBLE_EQ(preview->zoom(), 1.25);
    const QString pdf = data.dir.filePath(QStringLiteral("page2.pdf"));
    EXPECT_TRUE(preview->savePdf(pdf, { 1 }).ok());
    EXPECT_TRUE(QFile::exists(pdf));

    // The range stays while the preview is open and goes back to 0 when the member closes.
    EXPECT_EQ(glo().PrintFrom, 4);
    preview->closeWindow();
    guitest::settle();
    EXPECT_EQ(glo().PrintFrom, 0);
    EXPECT_EQ(glo().PrintTo, 0);
    EXPECT_TRUE(windowstate::readPlacement(QString::fromLatin1(PrintPreview::kProcedure)).known);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ReportWindows, CancelEndsTheRunAtOnceWithNothingPreviewed)
{
    glo().PrintFrom = 4;
    glo().PrintTo = 9;
    // A member that leaves the range alone keeps it after Cancel; a resetting one clears it.
    for (const char *procedure : { "Rpt_BrewsByBatchNo", "Rpt_BrewsByKitRecipe" }) {
        reportstarter::start(QString::fromLatin1(procedure), prompter);
        ProgressWindow *progress = openWindow<ProgressWindow>();
        ASSERT_NE(progress, nullptr);
        progress->cancelButton()->click();
        guitest::settle();
        // Longer than the run would take: no preview comes.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(openWindow<PrintPreview>(), nullptr) << procedure;
        EXPECT_EQ(openWindow<ProgressWindow>(), nullptr) << procedure;
        EXPECT_EQ(glo().PrintFrom, std::string(procedure) == "Rpt_BrewsByBatchNo" ? 4 : 0) << procedure;
    }
}

TEST_F(ReportWindows, RangeWindowRefusesABadRangeAndPrintsAGoodOne)
{
    Win_PrintFromToRange window(prompter);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Select a Print Range...."));
    EXPECT_EQ(window.fromBox()->text(), QString()); // 0 shows blank
    window.fromBox()->setValue(5);
    window.toBox()->setValue(5);
    window.printButton()->click();
    guitest::settle();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Range error..."));
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("From/To can not be the same value."));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window.fromBox());
    EXPECT_EQ(glo().PrintFrom, 5);

    window.toBox()->setValue(9);
    window.printButton()->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(glo().PrintTo, 9);
}

TEST_F(ReportWindows, RangeWindowIsASingleInstanceAndStartsTheRangeReport)
{
    glo().PrintFrom = 3;
    glo().PrintTo = 7;
    int opened = 0;
    QTimer::singleShot(0, [&] {
        auto *open = qobject_cast<Win_PrintFromToRange *>(
            WindowRegistry::instance().find(QString::fromLatin1(Win_PrintFromToRange::kProcedure)));
        ASSERT_NE(open, nullptr);
        ++opened;
        // A second request only brings the open one to the front.
        Win_PrintFromToRange::call(prompter, nullptr);
        EXPECT_EQ(WindowRegistry::instance().find(QString::fromLatin1(Win_PrintFromToRange::kProcedure)), open);
        EXPECT_EQ(open->fromBox()->value(), 3);
        open->printButton()->click();
    });
    Win_PrintFromToRange::call(prompter, nullptr);
    EXPECT_EQ(opened, 1);
    ASSERT_TRUE(waitFor([] { return openWindow<PrintPreview>() != nullptr; }));
    PrintPreview *preview = openWindow<PrintPreview>();
    EXPECT_EQ(preview->document().recordCount(), 5);
    EXPECT_EQ(preview->document().title(), QStringLiteral("Maltwright - Selected Batch Range"));
    preview->closeWindow();
    guitest::settle();
    EXPECT_EQ(glo().PrintFrom, 0);
}
