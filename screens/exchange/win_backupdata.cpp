#include "screens/exchange/win_backupdata.h"

#include "records/settings.h"
#include "screens/help/helpsystem.h"
#include "screens/windowing/windowhost.h"

#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <thread>

Win_BackupData::Win_BackupData(QWidget *parent, VolumeLetters letters)
    : QDialog(parent)
    , m_prompter(this)
    , m_logic(settings::dataFolder(), std::move(letters), m_prompter, *this)
{
    setWindowTitle(BackupDataLogic::caption());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(QFont(QStringLiteral("Arial"), 10));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This process will copy (backup) all your brew data files to"), this));
    layout->addWidget(new QLabel(QStringLiteral("any selected drive. (ie. Floppy, USB flash, CD-RW etc.)"), this));

    // The question covers the bar while no copy runs.
    auto *cover = new QWidget(this);
    m_stack = new QStackedLayout(cover);
    m_bar = new QProgressBar(cover);
    m_bar->setRange(0, 100);
    m_question = new QLabel(QStringLiteral("Is the destination drive ready?"), cover);
    QFont bold = m_question->font();
    bold.setBold(true);
    m_question->setFont(bold);
    m_question->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    m_question->setAlignment(Qt::AlignCenter);
    m_stack->addWidget(m_bar);
    m_stack->addWidget(m_question);
    layout->addWidget(cover);

    auto *drives = new QHBoxLayout;
    for (int i = 0; i < VolumeLetters::kLetters; ++i) {
        const QChar letter(QLatin1Char(char('A' + i)));
        auto *b = new QPushButton(QString(letter), this);
        b->setFixedWidth(28);
        QString tip = QStringLiteral("Select drive %1:").arg(letter);
#ifndef Q_OS_WIN
        // Which volume the letter stands for here.
        if (m_logic.letters().folderOf(letter))
            tip += QLatin1Char('\n') + m_logic.letters().describe(letter);
        else
            tip += QStringLiteral("\n(no volume)");
#endif
        b->setToolTip(tip);
        b->setAccessibleName(QStringLiteral("Select drive %1:").arg(letter));
        connect(b, &QPushButton::clicked, this, [this, letter] { m_logic.driveButton(letter); });
        m_driveButtons.push_back(b);
        drives->addWidget(b);
    }
    drives->addSpacing(8);
    m_entry = new QLineEdit(this);
    m_entry->setMaxLength(1);
    m_entry->setFixedWidth(28);
    m_entry->installEventFilter(this);
    auto *entryText = new QLabel(QStringLiteral("< Select or Enter drive."), this);
    entryText->setBuddy(m_entry);
    drives->addWidget(m_entry);
    drives->addWidget(entryText);
    drives->addStretch();
    layout->addLayout(drives);

#ifndef Q_OS_WIN
    QStringList mapping;
    for (const VolumeLetter &v : m_logic.letters().letters())
        mapping << m_logic.letters().describe(v.letter);
    auto *volumes = new QLabel(
        mapping.isEmpty() ? QStringLiteral("No writable volume was found.") : mapping.join(QLatin1Char('\n')), this);
    volumes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont small = volumes->font();
    small.setPointSize(8);
    volumes->setFont(small);
    layout->addWidget(volumes);
#endif

    m_toFolder = new QPushButton(QStringLiteral("Copy data to '&BrewData' folder on selected drive."), this);
    m_toFolder->setToolTip(QStringLiteral("Backup to BrewData folder on selected drive"));
    m_toRoot = new QPushButton(QStringLiteral("Copy data to selected &Drive"), this);
    m_toRoot->setToolTip(
        QStringLiteral("Backup data files to disk to selected drive\n(Normally for use with floppy in A:)"));
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setToolTip(QStringLiteral("Abort Backup"));
    m_help = new QPushButton(QStringLiteral("&Help"), this);
    m_help->setToolTip(QStringLiteral("Help about this window."));
    layout->addWidget(m_toFolder);
    layout->addWidget(m_toRoot);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_help);
    layout->addLayout(bottom);

    connect(m_toFolder, &QPushButton::clicked, this, [this] { m_logic.copyToBrewDataFolder(); });
    connect(m_toRoot, &QPushButton::clicked, this, [this] { m_logic.copyToDrive(); });
    connect(m_cancel, &QPushButton::clicked, this, &Win_BackupData::reject);
    connect(m_help, &QPushButton::clicked, this, [] {
        if (HelpSystem *help = HelpSystem::instance())
            help->showKeyword(QStringLiteral("Protecting your data"));
    });
    m_logic.setCopier(
        [this](const QString &dest, const DataBackup::Progress &progress) { return copyBeside(dest, progress); });
    m_logic.opened();
}

Win_BackupData::~Win_BackupData() { m_logic.closed(); }

void Win_BackupData::reject()
{
    if (m_copying)
        return; // the copy finishes first; its buttons are disabled meanwhile
    QDialog::reject();
}

bool Win_BackupData::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_entry && event->type() == QEvent::FocusOut)
        m_logic.driveEntered(m_entry->text());
    return QDialog::eventFilter(watched, event);
}

void Win_BackupData::setCopyEnabled(bool enabled)
{
    m_toFolder->setEnabled(enabled);
    m_toRoot->setEnabled(enabled);
}

void Win_BackupData::setCancelHelpEnabled(bool enabled)
{
    m_cancel->setEnabled(enabled);
    m_help->setEnabled(enabled);
}

void Win_BackupData::setQuestionVisible(bool visible)
{
    m_stack->setCurrentWidget(visible ? static_cast<QWidget *>(m_question) : m_bar);
}

void Win_BackupData::setProgress(int percent) { m_bar->setValue(percent); }

void Win_BackupData::showDrive(const QString &drive)
{
    if (m_entry->text() != drive)
        m_entry->setText(drive);
}

void Win_BackupData::closeWindow() { accept(); }

// The copy runs on a thread of its own while this window's events go on; progress comes
// back through the event queue.
DataBackup::Outcome Win_BackupData::copyBeside(const QString &dest, const DataBackup::Progress &progress)
{
    m_copying = true;
    DataBackup::Outcome outcome;
    QEventLoop loop;
    DataBackup backup(settings::dataFolder());
    backup.setProgress([&loop, progress](int percent, const QString &file) {
        QMetaObject::invokeMethod(
            &loop, [progress, percent, file] { progress(percent, file); }, Qt::QueuedConnection);
    });
    std::thread worker([&] {
        outcome = backup.copyTo(dest);
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    m_copying = false;
    return outcome;
}

void openBackupData(QWidget *parent)
{
    const QString procedure = QStringLiteral("Win_BackupData");
    if (WindowHost::bringToFront(procedure))
        return;
    Win_BackupData window(parent);
    WindowHost::call(&window, procedure);
}
