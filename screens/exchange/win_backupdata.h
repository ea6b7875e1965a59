#pragma once
// Win_BackupData, " Brew Data Backup": the drive buttons and entry, the two copy buttons,
// the progress bar under "Is the destination drive ready?". The copy runs beside the
// window's event loop, so the window repaints and shows its progress on a slow medium.

#include "platform/gui/messagebox.h"
#include "screens/exchange/win_backupdatalogic.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedLayout;

class Win_BackupData : public QDialog, private BackupDataView
{
public:
    explicit Win_BackupData(QWidget *parent = nullptr, VolumeLetters letters = VolumeLetters::current());
    ~Win_BackupData() override;

    BackupDataLogic &logic() { return m_logic; }
    QPushButton *driveButton(int i) const { return m_driveButtons[std::size_t(i)]; }
    QLineEdit *driveEntry() const { return m_entry; }
    QPushButton *folderButton() const { return m_toFolder; }
    QPushButton *rootButton() const { return m_toRoot; }
    QPushButton *cancelButton() const { return m_cancel; }
    QLabel *question() const { return m_question; }
    QProgressBar *progressBar() const { return m_bar; }

protected:
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCopyEnabled(bool enabled) override;
    void setCancelHelpEnabled(bool enabled) override;
    void setQuestionVisible(bool visible) override;
    void setProgress(int percent) override;
    void showDrive(const QString &drive) override;
    void closeWindow() override;
    DataBackup::Outcome copyBeside(const QString &dest, const DataBackup::Progress &progress);

    MessageBoxPrompter m_prompter;
    BackupDataLogic m_logic;
    std::vector<QPushButton *> m_driveButtons;
    QLineEdit *m_entry = nullptr;
    QPushButton *m_toFolder = nullptr;
    QPushButton *m_toRoot = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    QLabel *m_question = nullptr;
    QProgressBar *m_bar = nullptr;
    QStackedLayout *m_stack = nullptr;
    bool m_copying = false;
};

// The frame's "&Backup Data Files" and its toolbar button: the window called on the frame.
void openBackupData(QWidget *parent);
