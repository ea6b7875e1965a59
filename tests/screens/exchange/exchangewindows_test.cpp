// The export viewer and the backup window as the user meets them: controls and texts bound to
// their rules, a long export file in the list, and a copy run from the window.
#include "screens/guitestsupport.h"

#include "exchange/csvexport.h"
#include "records/brewstable.h"
#include "screens/exchange/viewcsvfile.h"
#include "screens/exchange/win_backupdata.h"

#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// Answers the next message box with the button whose text is `button`, noting its text.
void answerNextBox(const QString &button, QString *seen)
{
    QTimer::singleShot(50, [button, seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(button, seen);
            return;
        }
        *seen = box->windowTitle() + QLatin1Char('|') + box->text();
        for (QAbstractButton *b : box->buttons())
            if (QString(b->text()).remove(QLatin1Char('&')) == QString(button).remove(QLatin1Char('&')))
                b->click();
    });
}

TEST(ExchangeWindowsTest, ViewerShowsAHundredThousandLinesAndFinds)
{
    guitest::DataFolder data;
    {
        QFile f(CsvExport::filePath(data.dir.path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray all;
        for (int i = 1; i <= 100000; ++i)
            all += QByteArray::number(i) + ",\"Kit " + QByteArray::number(i) + "\"\r\n";
        f.write(all);
    }
    glo().csvRecordSelector = 0;
    ViewCsvFile viewer;
    ASSERT_TRUE(viewer.load());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("View/Save the CSV file."));
    EXPECT_EQ(viewer.list()->model()->rowCount(), 100000);
    EXPECT_FALSE(viewer.searchButton()->isHidden());
    viewer.search(QStringLiteral("\"kit 99999\""));
    EXPECT_EQ(viewer.list()->currentIndex().row(), 99998);

    // "&Close" before saving asks; "&No" closes.
    QString seen;
    answerNextBox(QStringLiteral("&No"), &seen);
    viewer.closeButton()->click();
    EXPECT_EQ(seen, QStringLiteral("File not saved?|Do you want to save this file?"));
    EXPECT_EQ(viewer.result(), QDialog::Accepted);

    glo().csvRecordSelector = 5;
    ViewCsvFile single;
    EXPECT_TRUE(single.searchButton()->isHidden());
    glo().csvRecordSelector = 0;
}

TEST(ExchangeWindowsTest, BackupWindowChoosesADriveAndCopies)
{
    guitest::DataFolder data;
    {
        BrewsTable brews(data.dir.path());
        ASSERT_TRUE(brews.open());
    }
    QTemporaryDir stick;
    Win_BackupData window(
        nullptr, VolumeLetters({ { QLatin1Char('D'), stick.path(), QStringLiteral("STICK"), true } }));
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Brew Data Backup"));
    EXPECT_EQ(window.driveButton(0)->toolTip().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Select drive A:"));
    EXPECT_EQ(window.driveButton(6)->toolTip().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Select drive G:"));
    EXPECT_TRUE(window.driveButton(3)->toolTip().contains(QStringLiteral("STICK")));
    EXPECT_EQ(window.cancelButton()->toolTip(), QStringLiteral("Abort Backup"));
    EXPECT_EQ(window.folderButton()->text(), QStringLiteral("Copy data to '&BrewData' folder on selected drive."));
    EXPECT_FALSE(window.rootButton()->isEnabled());
    EXPECT_FALSE(window.folderButton()->isEnabled());
    guitest::showActive(&window);
    EXPECT_TRUE(window.question()->isVisible());

    // A letter typed into the entry counts once the entry is left.
    window.driveEntry()->setText(QStringLiteral("D"));
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(window.driveEntry(), &leave);
    EXPECT_EQ(window.logic().drive(), QStringLiteral("D"));
    EXPECT_TRUE(window.rootButton()->isEnabled());

    ASSERT_TRUE(window.rootButton()->isEnabled());
    QString seen;
    answerNextBox(QStringLiteral("OK"), &seen);
    window.rootButton()->click();
    EXPECT_TRUE(seen.startsWith(QStringLiteral("Process complete...|Maltwright data files have been copied to:  D:\\")))
        << seen.toStdString();
    EXPECT_EQ(window.progressBar()->value(), 100);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(QFileInfo::exists(QDir(stick.path()).filePath(QStringLiteral("BREWSV3.sqlite"))));
    EXPECT_TRUE(QFileInfo::exists(QDir(stick.path()).filePath(QStringLiteral("BRANDS4.sqlite"))));
}

} // namespace
