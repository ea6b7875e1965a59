#include "screens/frame/mainframelogic.h"

#include "platform/clock.h"
#include "records/globals.h"
#include "records/settings.h"

void MainFrameLogic::opened()
{
    const settings::FrameSettings frame = settings::loadFrameSettings();
    m_view.setToolbarVisible(frame.toolbarShown);
    tick();
    applyBrowseOpenFlag();
    if (glo().SETDEFAULTSYN == 0)
        m_view.runFirstRunPrompt();
    glo().THISDAY = Clock::current().today();
    if (glo().OPENATBROWSE == 1) {
        browseCommandChosen();
        m_view.openBrowseBrews();
    }
}

void MainFrameLogic::tick()
{
    m_view.setStatusDate(dateText(Clock::current().today()));
    m_view.setStatusTime(timeText(Clock::current().timeOfDay()));
}

int MainFrameLogic::timerIntervalMs(int designedHundredths)
{
    const int hundredths = designedHundredths >= 1 && designedHundredths <= 100 ? designedHundredths : 100;
    return hundredths * 10;
}

void MainFrameLogic::showToolbar(bool shown)
{
    m_view.setToolbarVisible(shown);
    if (Result r = settings::storeDisplay(shown); !r)
        m_view.reportFailure(r);
}

void MainFrameLogic::browseCommandChosen()
{
    glo().browseOpen = true;
    applyBrowseOpenFlag();
}

void MainFrameLogic::refresh() { applyBrowseOpenFlag(); }

void MainFrameLogic::applyBrowseOpenFlag() { m_view.setExportAndBackupEnabled(!glo().browseOpen); }

QString MainFrameLogic::dateText(date::Day day)
{
    return date::weekdayName(day) + QStringLiteral(", ") + date::monthDayYear(day);
}

QString MainFrameLogic::timeText(const QTime &time)
{
    const int h = time.hour();
    const int h12 = h % 12 == 0 ? 12 : h % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(h12)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(h < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}
