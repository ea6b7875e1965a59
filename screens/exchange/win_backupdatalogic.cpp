#include "screens/exchange/win_backupdatalogic.h"

#include <QDir>
#include <QFileInfo>

BackupDataLogic::BackupDataLogic(QString dataFolder, VolumeLetters letters, Prompter &prompter, BackupDataView &view)
    : m_folder(std::move(dataFolder))
    , m_letters(std::move(letters))
    , m_prompter(prompter)
    , m_view(view)
    , m_brews(m_folder)
    , m_kits(m_folder)
{
    m_copier = [folder = m_folder](const QString &dest, const DataBackup::Progress &progress) {
        DataBackup backup(folder);
        backup.setProgress(progress);
        return backup.copyTo(dest);
    };
}

void BackupDataLogic::opened()
{
    m_brews.open(m_prompter);
    m_kits.open(m_prompter);
    m_drive.clear();
    m_view.showDrive(m_drive);
    m_view.setCopyEnabled(false);
    m_view.setCancelHelpEnabled(true);
    m_view.setQuestionVisible(true);
    m_view.setProgress(0);
}

void BackupDataLogic::closed()
{
    m_brews.close();
    m_kits.close();
}

Message BackupDataLogic::ownDriveWarning(QChar letter)
{
    return { QStringLiteral("Are you sure?"),
        QStringLiteral("Your program and its data appear to be on the %1: drive already!|| Its OK to keep a copy on "
                       "this drive but we recommend that| backups be made to some other drive.")
            .arg(letter),
        MessageIcon::Question, {}, 1 };
}

Message BackupDataLogic::pathNotFound(const QString &destination)
{
    return { QStringLiteral("Path: %1").arg(destination),
        QStringLiteral("Path not found...||  Check drive destination.|  Drive letter correct?|  Drive ready?|| Please "
                       "fix the problem and retry."),
        MessageIcon::Error, {}, 1 };
}

Message BackupDataLogic::backupAborted(const QString &destination, const DataBackup::Failure &failure)
{
    return { QStringLiteral("Path: %1").arg(destination),
        QStringLiteral(
            "The Backup will be aborted.|  Disk write protected?|  Disk in the drive?|  Disk full?|  Files "
            "to large for destination?|  Correct drive selected?|| Please fix the problem and retry.||%1: %2")
            .arg(failure.fileName, failure.reason),
        MessageIcon::Error, {}, 1 };
}

Message BackupDataLogic::createFolderQuestion(QChar letter)
{
    return { QStringLiteral("Create folder?"),
        QStringLiteral("The folder 'BrewData' does not exist on:  %1:").arg(letter), MessageIcon::Question,
        QStringLiteral("&Create|&Abort"), 1 };
}

Message BackupDataLogic::someFilesNotCopied(
    const QString &destination, const std::vector<DataBackup::Failure> &failures)
{
    QString text = QStringLiteral("Some files were not copied:|");
    for (const DataBackup::Failure &f : failures)
        text += QStringLiteral("|  %1: %2").arg(f.fileName, f.reason);
    text += QStringLiteral("|| Please fix the problem and retry.");
    return { QStringLiteral("Path: %1").arg(destination), text, MessageIcon::Error, {}, 1 };
}

Message BackupDataLogic::complete(const QString &destination)
{
    return { QStringLiteral("Process complete..."),
        QStringLiteral("Maltwright data files have been copied to:  %1").arg(destination), MessageIcon::Information, {},
        1 };
}

void BackupDataLogic::driveButton(QChar letter)
{
    m_drive = QString(letter);
    m_view.showDrive(m_drive);
    m_view.setCopyEnabled(true);
    if (letter == QLatin1Char('C') || letter == QLatin1Char('D') || letter == QLatin1Char('E')) {
        const std::optional<QChar> own = m_letters.letterOf(m_folder);
        if (own && own->toUpper() == letter)
            m_prompter.tell(ownDriveWarning(letter));
    }
}

void BackupDataLogic::driveEntered(const QString &text)
{
    // A typed character is taken as it is, letter or not.
    m_drive = text.trimmed().left(1);
    m_view.showDrive(m_drive);
    m_view.setCopyEnabled(!m_drive.isEmpty());
}

QString BackupDataLogic::destinationText(bool brewDataFolder) const
{
    return m_drive + (brewDataFolder ? QStringLiteral(":\\BrewData") : QStringLiteral(":\\"));
}

// Where letters are not the system's own, the message also says which folder was used.
QString BackupDataLogic::shownDestination(const QString &folder, bool brewDataFolder) const
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return destinationText(brewDataFolder);
#else
    return QStringLiteral("%1 (%2)").arg(destinationText(brewDataFolder), QDir::toNativeSeparators(folder));
#endif
}

void BackupDataLogic::beginCopy()
{
    m_view.setCopyEnabled(false);
    m_view.setCancelHelpEnabled(false);
    m_done = false;
    m_view.setQuestionVisible(false);
}

void BackupDataLogic::restore()
{
    m_view.setQuestionVisible(true);
    m_view.setCopyEnabled(true);
    m_view.setCancelHelpEnabled(true);
}

void BackupDataLogic::copyToDrive()
{
    if (m_drive.isEmpty())
        return;
    beginCopy();
    const std::optional<QString> root = m_letters.folderOf(m_drive.at(0));
    if (!root || !QFileInfo(*root).isDir()) {
        m_prompter.tell(pathNotFound(destinationText(false)));
        restore();
        return;
    }
    copyInto(*root, false);
}

void BackupDataLogic::copyToBrewDataFolder()
{
    if (m_drive.isEmpty())
        return;
    beginCopy();
    const std::optional<QString> root = m_letters.folderOf(m_drive.at(0));
    const QString folder = root ? QDir(*root).filePath(QStringLiteral("BrewData")) : QString();
    if (!root || !QFileInfo(folder).isDir()) {
        const int answer = m_prompter.ask(createFolderQuestion(m_drive.at(0)));
        if (answer == 2) {
            restore();
            return;
        }
        // Closed without an answer: go on without creating the folder.
        if (answer == 1 && root)
            QDir(*root).mkdir(QStringLiteral("BrewData"));
    }
    if (!root) {
        // No volume has this letter: nothing can be created or copied there.
        m_prompter.tell(backupAborted(destinationText(true),
            { DataBackup::items().front().fileName, QStringLiteral("there is no drive %1:").arg(m_drive) }));
        restore();
        return;
    }
    copyInto(folder, true);
}

void BackupDataLogic::copyInto(const QString &folder, bool brewDataFolder)
{
    const QString shown = shownDestination(folder, brewDataFolder);
    const DataBackup::Outcome outcome
        = m_copier(folder, [this](int percent, const QString &) { m_view.setProgress(percent); });
    if (outcome.brewsFailed) {
        m_prompter.tell(backupAborted(destinationText(brewDataFolder), outcome.failures.front()));
        restore();
        return;
    }
    m_done = true;
    if (!outcome.ok()) {
        // Never "Process complete..." while a file is missing from the copies.
        m_prompter.tell(someFilesNotCopied(destinationText(brewDataFolder), outcome.failures));
        restore();
        return;
    }
    m_prompter.tell(complete(shown));
    restore();
    m_view.closeWindow();
}
