#include "screens/exchange/makecsvlogic.h"

#include "records/globals.h"

#include <chrono>

namespace
{

Message fileError(const QString &text) { return { QStringLiteral("File Error"), text, MessageIcon::Error, {}, 1 }; }

} // namespace

MakeCsvLogic::MakeCsvLogic(QString dataFolder, Prompter &prompter, MakeCsvView &view)
    : m_folder(std::move(dataFolder))
    , m_prompter(prompter)
    , m_view(view)
{
}

MakeCsvLogic::~MakeCsvLogic() = default;

bool MakeCsvLogic::start()
{
    Globals &g = glo();
    g.CSVFILENAME.clear();
    m_run = std::make_unique<CsvExport>(m_folder, g.csvRecordSelector);
    if (Result r = m_run->start(); !r) {
        m_run.reset();
        // Nothing is viewed, so the viewer does not reset the selector: done here, or the
        // next export from the menu would write one brew.
        g.csvRecordSelector = 0;
        m_prompter.tell(fileError(r.message()));
        return false;
    }
    m_running = true;
    m_view.showProgress(0);
    return true;
}

bool MakeCsvLogic::step()
{
    if (!m_running)
        return false;
    m_running = m_run->runSlice(SlicedJob::Clock::now() + std::chrono::milliseconds(kStepBudgetMs));
    m_view.showProgress(m_run->percent());
    return m_running;
}

void MakeCsvLogic::cancel()
{
    if (m_run)
        m_run->cancel();
    m_running = false;
}

void MakeCsvLogic::finish()
{
    if (!m_run)
        return;
    m_running = false;
    const Result r = m_run->finish();
    glo().CSVFILENAME = m_run->csvFileName().left(45);
    if (!r)
        m_prompter.tell(fileError(r.message() + QStringLiteral("|The file holds only the brews written before.")));
}
