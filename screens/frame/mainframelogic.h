#pragma once
// The rules of the main frame apart from its widgets: what happens once the
// frame has opened (settings, toolbar, clock, first-run prompt, today's date,
// the brew browse), the status-bar clock, the toolbar preference and the
// browse-open flag that disables the CSV export and the backup.

#include "platform/date.h"
#include "platform/result.h"

#include <QString>
#include <QTime>

class MainFrameView
{
public:
    virtual ~MainFrameView() = default;
    virtual void setToolbarVisible(bool visible) = 0;
    // The CSV export menu item, the backup menu item and the backup toolbar button.
    virtual void setExportAndBackupEnabled(bool enabled) = 0;
    virtual void setStatusDate(const QString &text) = 0; // status-bar section 3
    virtual void setStatusTime(const QString &text) = 0; // status-bar section 4
    // Win_SetPrgDefaultsYN, returning when it has closed.
    virtual void runFirstRunPrompt() = 0;
    virtual void openBrowseBrews() = 0;
    // A preference could not be written.
    virtual void reportFailure(const Result &failure) = 0;
};

class MainFrameLogic
{
public:
    // The clock's designed interval, in hundredths of a second.
    static constexpr int kDesignedTimerHundredths = 100;

    explicit MainFrameLogic(MainFrameView &view)
        : m_view(view)
    {
    }

    // Once the frame window has opened: reads the preferences, applies the
    // toolbar preference and starts the clock texts; then the first-run prompt
    // when the defaults were never confirmed, today's date into GLO:THISDAY, and
    // the brew browse when the user asked for it at start.
    void opened();
    // A clock tick: the status-bar date and time again.
    void tick();
    // The clock interval in milliseconds: the designed one when it lies within
    // 1 to 100 hundredths, else one second.
    static int timerIntervalMs(int designedHundredths = kDesignedTimerHundredths);

    // "&Display Toolbar" / "&Hide Toolbar": shown or hidden at once and stored.
    void showToolbar(bool shown);
    // One of the four browse commands was chosen: the flag is set and applied.
    void browseCommandChosen();
    // The frame refreshes itself (activation, focus, a child window gone): the flag is applied.
    void refresh();

    // "Sunday, December 11, 2026"
    static QString dateText(date::Day day);
    // "3:07 PM": hours:minutes and AM or PM.
    static QString timeText(const QTime &time);

private:
    void applyBrowseOpenFlag();

    MainFrameView &m_view;
};
