// A printout asked for by a window that waits: the preview comes up over it with
// the brew's pages and closing the preview returns to the caller; a printout that
// cannot be made is told and shows nothing.
#include "screens/guitestsupport.h"

#include "records/brewstable.h"
#include "screens/printing/calledreport.h"
#include "screens/printing/printpreview.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

using namespace guitest;

namespace
{

void addBrew(const QString &folder)
{
    BrewsTable table(folder);
    ASSERT_TRUE(table.open().ok());
    BrewRecord b;
    b.RECORDNUMBER = 1;
    b.BATCHNUMBER = 7;
    b.BREWKIT = QStringLiteral("Coopers Real Ale");
    b.STOCKONHAND = QStringLiteral("1");
    ScriptedPrompter prompter;
    ASSERT_TRUE(table.insert(b, prompter).ok());
    table.close();
}

TEST(CalledReport, PreviewOverTheCallerUntilClosed)
{
    DataFolder data;
    addBrew(data.dir.path());
    glo().HOWMANYLABELS = 9;
    ScriptedPrompter prompter;
    ReportRequest request;
    request.dataFolder = data.dir.path();
    request.record = 1;

    int pages = 0;
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        modal = dialog->isModal();
        title = dialog->windowTitle();
        auto *preview = dialog->findChild<PrintPreview *>();
        ASSERT_TRUE(preview);
        pages = preview->document().pageCount();
        preview->closeWindow();
    });
    EXPECT_TRUE(calledreport::run(nullptr, QStringLiteral("Rpt_BottleLabStandard"), request, prompter));
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, QStringLiteral("Maltwright - Standard Labels"));
    EXPECT_EQ(pages, 2);
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    glo().HOWMANYLABELS = 0;
}

TEST(CalledReport, APrintoutThatCannotBeMadeIsTold)
{
    DataFolder data;
    addBrew(data.dir.path());
    ScriptedPrompter prompter;
    ReportRequest request;
    request.dataFolder = data.dir.path();
    request.record = 5;
    EXPECT_FALSE(calledreport::run(nullptr, QStringLiteral("Rpt_SingleSelectedBrewOnly"), request, prompter));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, QStringLiteral("There is no brew with record number 5."));
    EXPECT_EQ(prompter.shown()[0].icon, MessageIcon::Error);
}

} // namespace
