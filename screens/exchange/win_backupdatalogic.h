#pragma once
// Win_BackupData: the data files copied to another drive, into its root folder or into its
// folder "BrewData". The drive is chosen by letter; where the system has no drive letters
// the letters stand for the writable volumes (platform/volumeletters.h).

#include "exchange/databackup.h"
#include "platform/prompter.h"
#include "platform/volumeletters.h"
#include "records/brewstable.h"
#include "records/kitstable.h"

#include <QString>
#include <functional>

class BackupDataView
{
public:
    virtual ~BackupDataView() = default;
    virtual void setCopyEnabled(bool enabled) = 0; // both copy buttons
    virtual void setCancelHelpEnabled(bool enabled) = 0;
    // "Is the destination drive ready?" over the progress bar.
    virtual void setQuestionVisible(bool visible) = 0;
    virtual void setProgress(int percent) = 0;
    virtual void showDrive(const QString &drive) = 0; // the entry
    virtual void closeWindow() = 0;
};

class BackupDataLogic
{
public:
    // Runs the copy into a folder, reporting progress; the window runs it beside its event
    // loop so it stays responsive on a slow medium.
    using Copier = std::function<DataBackup::Outcome(const QString &destFolder, const DataBackup::Progress &)>;

    static QString caption() { return QStringLiteral(" Brew Data Backup"); }

    BackupDataLogic(QString dataFolder, VolumeLetters letters, Prompter &prompter, BackupDataView &view);

    void setCopier(Copier copier) { m_copier = std::move(copier); }
    const VolumeLetters &letters() const { return m_letters; }

    // Opens the Brews and Kits tables (a missing store is created, so both exist to be
    // copied) and sets the window up: no drive, copy buttons disabled.
    void opened();
    void closed();

    // A drive button; C, D and E warn when the program's own folder is on that drive.
    void driveButton(QChar letter);
    // Leaving the entry: a blank entry disables the copy buttons, any character enables them.
    void driveEntered(const QString &text);
    const QString &drive() const { return m_drive; } // LOC:BUPDRIVE

    void copyToDrive(); // "Copy data to selected &Drive"
    void copyToBrewDataFolder(); // "Copy data to '&BrewData' folder on selected drive."

    // "D:\" or "D:\BrewData".
    QString destinationText(bool brewDataFolder) const;

    static Message ownDriveWarning(QChar letter);
    static Message pathNotFound(const QString &destination);
    static Message backupAborted(const QString &destination, const DataBackup::Failure &failure);
    static Message createFolderQuestion(QChar letter);
    static Message someFilesNotCopied(const QString &destination, const std::vector<DataBackup::Failure> &failures);
    static Message complete(const QString &destination);

private:
    void beginCopy();
    void restore();
    void copyInto(const QString &folder, bool brewDataFolder);
    QString shownDestination(const QString &folder, bool brewDataFolder) const;

    QString m_folder;
    VolumeLetters m_letters;
    Prompter &m_prompter;
    BackupDataView &m_view;
    Copier m_copier;
    BrewsTable m_brews;
    KitsTable m_kits;
    QString m_drive;
    bool m_done = false;
};
