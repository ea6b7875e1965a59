// The export run behind its progress window, the viewer of the export file and the backup
// window's rules, driven through their logic with scripted answers.
#include "exchange/csvexport.h"
#include "records/brewstable.h"
#include "records/globals.h"
#include "screens/exchange/makecsvlogic.h"
#include "screens/exchange/viewcsvfilelogic.h"
#include "screens/exchange/win_backupdatalogic.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

void addBrew(const QString &folder, std::int32_t recordNumber, const char *kit)
{
    BrewsTable table(folder);
    ScriptedPrompter p;
    ASSERT_TRUE(table.open(p));
    BrewRecord b;
    b.RECORDNUMBER = recordNumber;
    b.BREWKIT = QString::fromLatin1(kit);
    b.STOCKONHAND = QStringLiteral("1");
    ASSERT_TRUE(table.insert(b, p).ok());
}

QByteArray fileText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct ProgressSeen : MakeCsvView {
    std::vector<int> values;
    void showProgress(int percent) override { values.push_back(percent); }
};

class ExchangeWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        glo().csvRecordSelector = 0;
        glo().CSVFILENAME.clear();
        addBrew(m_dir.path(), 1, "Stout");
        addBrew(m_dir.path(), 2, "Lager");
        addBrew(m_dir.path(), 5, "Best Bitter");
    }
    void TearDown() override
    {
        glo().csvRecordSelector = 0;
        glo().CSVFILENAME.clear();
    }
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
};

TEST_F(ExchangeWindows, ASingleBrewRunHandsItsKitToTheViewer)
{
    glo().csvRecordSelector = 5;
    ProgressSeen view;
    MakeCsvLogic run(m_dir.path(), m_prompter, view);
    ASSERT_TRUE(run.start());
    while (run.step()) { }
    run.finish();
    EXPECT_EQ(view.values.back(), 100);
    EXPECT_EQ(glo().CSVFILENAME, QStringLiteral("Best Bitter"));
    EXPECT_TRUE(fileText(CsvExport::filePath(m_dir.path())).startsWith("3,0,\"Best Bitter\","));
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(MakeCsvLogic::percentText(0), QStringLiteral("0% Completed"));
}

TEST_F(ExchangeWindows, ARunThatCannotStartSaysSoAndLeavesTheSelectorAtZero)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(CsvExport::fileName()));
    glo().csvRecordSelector = 5;
    ProgressSeen view;
    MakeCsvLogic run(m_dir.path(), m_prompter, view);
    EXPECT_FALSE(run.start());
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("File Error"));
    EXPECT_EQ(glo().csvRecordSelector, 0);
}

struct SaveDialog : ViewCsvFileView {
    QString answer, error, focus;
    QStringList asked;
    void focusSaveAs() override { focus = QStringLiteral("Save as"); }
    void focusClose() override { focus = QStringLiteral("&Close"); }
    QString askSaveName(const QString &title, const QString &filter, const QString &suggested, QString *err) override
    {
        asked << title << filter << suggested;
        *err = error;
        return answer;
    }
};

TEST_F(ExchangeWindows, ViewerAsksBeforeClosingUnsavedAndSavesACopy)
{
    glo().csvRecordSelector = 5;
    glo().CSVFILENAME = QStringLiteral("Best Bitter");
    ASSERT_TRUE(CsvExport(m_dir.path(), 5).start());
    SaveDialog dialog;
    ViewCsvFileLogic viewer(m_dir.path(), m_prompter, dialog);
    EXPECT_FALSE(viewer.searchVisible());
    EXPECT_EQ(viewer.heading(), QStringLiteral("Best Bitter"));

    m_prompter.answer(1); // Yes: stay, on "Save as"
    EXPECT_FALSE(viewer.closeRequested());
    EXPECT_EQ(m_prompter.shown().back(), ViewCsvFileLogic::saveQuestion());
    EXPECT_EQ(ViewCsvFileLogic::saveQuestion().buttons, QStringLiteral("&Yes|&No"));
    EXPECT_EQ(dialog.focus, QStringLiteral("Save as"));

    // Cancelled dialog: nothing copied, nothing said.
    m_prompter.clear();
    viewer.saveAs();
    EXPECT_EQ(dialog.asked,
        (QStringList { QStringLiteral("File to save to"), QStringLiteral("CSV files|*.csv"),
            QDir(m_dir.path()).filePath(QStringLiteral("Best Bitter")) }));
    EXPECT_TRUE(m_prompter.shown().empty());
    EXPECT_EQ(dialog.focus, QStringLiteral("&Close"));

    // A folder that does not exist: the problem is shown and the file still counts as unsaved.
    dialog.answer = m_dir.filePath(QStringLiteral("no/such/copy.csv"));
    viewer.saveAs();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("Error..."));
    EXPECT_TRUE(m_prompter.shown()[0].text.startsWith(QStringLiteral("Problem saving? ")));
    EXPECT_FALSE(viewer.isSaved());

    // A name without an ending is saved as a .csv file, and the message names that file.
    m_prompter.clear();
    dialog.answer = m_dir.filePath(QStringLiteral("mycopy  "));
    viewer.saveAs();
    const QString saved = m_dir.filePath(QStringLiteral("mycopy.csv"));
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0],
        (Message {
            QStringLiteral("File saved..."), QDir::toNativeSeparators(saved), MessageIcon::Information, {}, 1 }));
    EXPECT_EQ(fileText(saved), fileText(CsvExport::filePath(m_dir.path())));
    m_prompter.clear();
    EXPECT_TRUE(viewer.closeRequested());
    EXPECT_TRUE(m_prompter.shown().empty());

    viewer.closed();
    EXPECT_EQ(glo().csvRecordSelector, 0);
    EXPECT_TRUE(glo().CSVFILENAME.isEmpty());

    // Any answer but Yes closes; the dialog's own failure is shown as it is.
    SaveDialog other;
    ViewCsvFileLogic again(m_dir.path(), m_prompter, other);
    EXPECT_TRUE(again.searchVisible());
    m_prompter.answer(2);
    EXPECT_TRUE(again.closeRequested());
    other.error = QStringLiteral("no dialog");
    m_prompter.clear();
    again.saveAs();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("debug"));
    EXPECT_EQ(m_prompter.shown()[0].text, QStringLiteral("Error [no dialog]"));
}

struct BackupWindow : BackupDataView {
    bool copyEnabled = true, cancelHelpEnabled = true, questionVisible = false, closedNow = false;
    int progress = -1;
    QString drive;
    void setCopyEnabled(bool e) override { copyEnabled = e; }
    void setCancelHelpEnabled(bool e) override { cancelHelpEnabled = e; }
    void setQuestionVisible(bool v) override { questionVisible = v; }
    void setProgress(int p) override { progress = p; }
    void showDrive(const QString &d) override { drive = d; }
    void closeWindow() override { closedNow = true; }
};

class BackupWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(m_data));
        ASSERT_TRUE(QDir().mkpath(m_stick));
        addBrew(m_data, 1, "Stout");
    }
    // C: holds the program's folder, D: is a stick, E: stands for a volume that is gone.
    VolumeLetters letters() const
    {
        return VolumeLetters({ { QLatin1Char('C'), m_root.path(), QStringLiteral("system"), false },
            { QLatin1Char('D'), m_stick, QStringLiteral("STICK"), true },
            { QLatin1Char('E'), m_root.filePath(QStringLiteral("gone")), QStringLiteral("gone"), true } });
    }
    QTemporaryDir m_root;
    QString m_data = m_root.filePath(QStringLiteral("home/brew"));
    QString m_stick = m_root.filePath(QStringLiteral("stick"));
    ScriptedPrompter m_prompter;
    BackupWindow m_view;
};

TEST_F(BackupWindowTest, ChoosingTheDrive)
{
    BackupDataLogic logic(m_data, letters(), m_prompter, m_view);
    logic.opened();
    EXPECT_FALSE(m_view.copyEnabled);
    EXPECT_TRUE(m_view.questionVisible);
    // The Kits store is created, so it exists to be copied.
    EXPECT_TRUE(QFileInfo::exists(QDir(m_data).filePath(QStringLiteral("BRANDS4.sqlite"))));

    logic.driveButton(QLatin1Char('C'));
    EXPECT_EQ(logic.drive(), QStringLiteral("C"));
    EXPECT_TRUE(m_view.copyEnabled);
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0], BackupDataLogic::ownDriveWarning(QLatin1Char('C')));
    EXPECT_EQ(m_prompter.shown()[0].text,
        QStringLiteral("Your program and its data appear to be on the C: drive already!|| Its OK to keep a copy on "
                       "this drive but we recommend that| backups be made to some other drive."));
    logic.driveButton(QLatin1Char('D'));
    EXPECT_EQ(m_prompter.shown().size(), 1u);

    logic.driveEntered(QString());
    EXPECT_FALSE(m_view.copyEnabled);
    logic.driveEntered(QStringLiteral("7"));
    EXPECT_TRUE(m_view.copyEnabled);
    EXPECT_EQ(logic.destinationText(false), QStringLiteral("7:\\"));
    EXPECT_EQ(logic.destinationText(true), QStringLiteral("7:\\BrewData"));
}

TEST_F(BackupWindowTest, CopiesToTheRootOrIntoBrewDataAndClosesWhenDone)
{
    BackupDataLogic logic(m_data, letters(), m_prompter, m_view);
    logic.opened();

    // No medium: "Path not found...", the window ready for another try.
    logic.driveButton(QLatin1Char('E'));
    logic.copyToDrive();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0], BackupDataLogic::pathNotFound(QStringLiteral("E:\\")));
    EXPECT_TRUE(m_view.copyEnabled && m_view.cancelHelpEnabled && m_view.questionVisible);
    EXPECT_FALSE(m_view.closedNow);

    // "Create folder?" answered "&Abort": nothing happens.
    m_prompter.clear();
    logic.driveButton(QLatin1Char('D'));
    m_prompter.answer(2);
    logic.copyToBrewDataFolder();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0], BackupDataLogic::createFolderQuestion(QLatin1Char('D')));
    EXPECT_EQ(m_prompter.shown()[0].text, QStringLiteral("The folder 'BrewData' does not exist on:  D:"));
    EXPECT_FALSE(QFileInfo::exists(QDir(m_stick).filePath(QStringLiteral("BrewData"))));

    // "&Create": the folder is made, the files copied, the window closes.
    m_prompter.clear();
    m_prompter.answer(1);
    logic.copyToBrewDataFolder();
    const QString folder = QDir(m_stick).filePath(QStringLiteral("BrewData"));
    ASSERT_EQ(m_prompter.shown().size(), 2u);
    EXPECT_EQ(m_prompter.shown()[1].caption, QStringLiteral("Process complete..."));
    EXPECT_TRUE(m_prompter.shown()[1].text.startsWith(
        QStringLiteral("Maltwright data files have been copied to:  D:\\BrewData")));
    EXPECT_TRUE(m_view.closedNow);
    EXPECT_EQ(m_view.progress, 100);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
        (QStringList { QStringLiteral("BRANDS4.sqlite"), QStringLiteral("BREWSV3.sqlite") }));

    // Again: nothing asked, the copies replaced.
    m_prompter.clear();
    m_view.closedNow = false;
    logic.copyToBrewDataFolder();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("Process complete..."));
    EXPECT_TRUE(m_view.closedNow);
}

TEST_F(BackupWindowTest, FailuresAreShownAndNeverCalledComplete)
{
    BackupDataLogic logic(m_data, letters(), m_prompter, m_view);
    logic.opened();
    logic.driveButton(QLatin1Char('D'));
    const DataBackup::Failure brews { QStringLiteral("BREWSV3.sqlite"), QStringLiteral("No space left on device") };
    const DataBackup::Failure kits { QStringLiteral("BRANDS4.sqlite"), QStringLiteral("Read-only file system") };
    logic.setCopier([&](const QString &, const DataBackup::Progress &progress) {
        progress(10, brews.fileName);
        DataBackup::Outcome o;
        o.failures = { brews };
        o.brewsFailed = true;
        return o;
    });
    logic.copyToDrive();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0], BackupDataLogic::backupAborted(QStringLiteral("D:\\"), brews));
    EXPECT_TRUE(m_prompter.shown()[0].text.endsWith(QStringLiteral("||BREWSV3.sqlite: No space left on device")));
    EXPECT_EQ(m_view.progress, 10);
    EXPECT_FALSE(m_view.closedNow);
    EXPECT_TRUE(m_view.copyEnabled && m_view.questionVisible);

    m_prompter.clear();
    logic.setCopier([&](const QString &, const DataBackup::Progress &) {
        DataBackup::Outcome o;
        o.copied = { brews.fileName };
        o.failures = { kits };
        return o;
    });
    logic.copyToDrive();
    ASSERT_EQ(m_prompter.shown().size(), 1u);
    EXPECT_EQ(m_prompter.shown()[0].caption, QStringLiteral("Path: D:\\"));
    EXPECT_TRUE(m_prompter.shown()[0].text.contains(QStringLiteral("BRANDS4.sqlite: Read-only file system")));
    EXPECT_FALSE(m_view.closedNow);
}

} // namespace
