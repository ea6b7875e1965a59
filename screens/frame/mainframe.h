#pragma once
// The main frame (procedure Main): the MDI window with the menu bar, the
// toolbar and the status bar from which every other window is opened. Its
// rules are in mainframelogic.h; this class builds the commands and binds them.

#include "screens/frame/mainframelogic.h"
#include "screens/preferences/programdefaultslogic.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>

class QLabel;
class QMdiArea;
class QToolBar;
class Prompter;

class MainFrame : public QMainWindow, private MainFrameView
{
public:
    static constexpr const char *kProcedure = "Main";

    MainFrame(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent = nullptr);
    ~MainFrame() override;

    // Once the frame is on screen: settings, toolbar, clock, first-run prompt,
    // today's date and the brew browse (in that order).
    void opened();

    // The brew browse, as "&Browse Brews" opens it; does nothing until that window exists.
    void openBrowseBrews() override;

    // The command whose menu text is `text` (as stored, with its "&"), or nullptr.
    QAction *command(const QString &text) const;
    QList<QAction *> toolbarCommands() const;
    QToolBar *toolbar() const { return m_toolbar; }
    QMdiArea *mdiArea() const { return m_area; }
    QLabel *dateSection() const { return m_date; }
    QLabel *timeSection() const { return m_time; }
    MainFrameLogic &logic() { return m_logic; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    // MainFrameView
    void setToolbarVisible(bool visible) override;
    void setExportAndBackupEnabled(bool enabled) override;
    void setStatusDate(const QString &text) override;
    void setStatusTime(const QString &text) override;
    void runFirstRunPrompt() override;
    void reportFailure(const Result &failure) override;

    using Handler = std::function<void()>;
    // The window a command opens, or none while that window is not part of the program yet.
    Handler windowOpener(const QString &procedure);
    QAction *addCommand(QMenu *menu, const QString &text, const QString &statusTip, Handler handler);
    QAction *browseCommand(QMenu *menu, const QString &text, const QString &statusTip, const QString &procedure);
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void editCommand(const char *slot);
    void arrangeIcons();
    void printSetup();

    Prompter &m_prompter;
    ProgramDefaultsLogic::BrewCounter m_countBrews;
    MainFrameLogic m_logic;
    QMdiArea *m_area;
    QToolBar *m_toolbar = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    QTimer m_clock;
    QList<QAction *> m_commands;
    QAction *m_export = nullptr;
    QAction *m_backup = nullptr;
    QAction *m_toolbarBackup = nullptr;
    bool m_exportWired = false;
    bool m_backupWired = false;
    QPointer<QWidget> m_lastField; // the field the Edit menu works on
};
