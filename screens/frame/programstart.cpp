#include "screens/frame/programstart.h"

#include "platform/desktopdrag.h"
#include "platform/recordstore.h"
#include "records/alltables.h"
#include "records/brewstable.h"
#include "records/globals.h"
#include "records/settings.h"
#include "screens/frame/mainframe.h"
#include "screens/frame/mdimnemonics.h"
#include "screens/help/helpsystem.h"
#include "screens/widgets/artwork.h"
#include "screens/windowing/focushighlighter.h"
#include "screens/windowing/tooltipswitch.h"
#include "screens/windowing/windowstatebinding.h"

#include <QApplication>
#include <QTimer>

ProgramStart::ProgramStart(Options options, Prompter &prompter)
    : m_options(std::move(options))
    , m_prompter(prompter)
{
}

ProgramStart::~ProgramStart()
{
    if (HelpSystem::instance() == m_help.get())
        HelpSystem::setInstance(nullptr);
}

void ProgramStart::prepare()
{
    settings::setDataFolder(m_options.dataFolder);
    // 1. Tooltips, before any window.
    settings::loadTipFlag();
    TooltipSwitch::apply(glo().TIPFLAG == 1);
    // 2. The window-state file, and the program-wide window mechanisms.
    WindowStateBinding::useWindowStateFile();
    FocusHighlighter::install();
    MdiMnemonics::install();
    // 3. The stores are opened while the splash shows "Loading..." (see openFrame).
    // 4. The program icon.
    QApplication::setWindowIcon(artwork::programIcon());
    // 5. Windows are dragged as outlines while Maltwright runs, where the desktop lets us choose.
    if (desktopdrag::fullWindowDrag().value_or(false))
        m_dragSwitchedOff = desktopdrag::setFullWindowDrag(false);
}

void ProgramStart::openStores()
{
    // Each store opened once: a missing one is created empty, one that cannot be
    // opened is reported with its message (and left as it is).
    for (const TableDef &def : allTableDefinitions()) {
        RecordStore store(def, settings::dataFolder());
        if (store.open(m_prompter))
            store.close();
    }
}

ProgramDefaultsLogic::BrewCounter ProgramStart::brewCounter() const
{
    Prompter *prompter = &m_prompter;
    return [prompter]() -> std::optional<long long> {
        BrewsTable brews(settings::dataFolder());
        if (!brews.open(*prompter))
            return std::nullopt;
        const Expected<std::int64_t> n = brews.countAll();
        brews.close();
        return n ? std::optional<long long>(*n) : std::nullopt;
    };
}

MainFrame *ProgramStart::openFrame()
{
    {
        OpeningSplash splash(m_options.splashMs);
        // Once the splash is on screen (its first paint is through), the stores are opened
        // behind it: the brewer watches "Loading..." rather than an empty screen meanwhile.
        QTimer::singleShot(0, &splash, [this] {
            if (m_hooks.splashShown)
                m_hooks.splashShown();
            openStores();
        });
        splash.showAndWait();
    }
    if (m_hooks.splashClosed)
        m_hooks.splashClosed();

    m_frame = std::make_unique<MainFrame>(m_prompter, brewCounter());
    WindowStateBinding::bind(m_frame.get(), QString::fromLatin1(MainFrame::kProcedure));

    m_help
        = std::make_unique<HelpSystem>(m_options.helpFile.isEmpty() ? HelpSystem::defaultQchPath() : m_options.helpFile,
            m_options.helpCollection.isEmpty() ? HelpSystem::defaultCollectionPath() : m_options.helpCollection,
            &m_prompter);
    HelpSystem::setInstance(m_help.get());
    m_help->installF1();

    m_frame->show();
    if (m_hooks.frameShown)
        QTimer::singleShot(0, m_frame.get(), [this] { m_hooks.frameShown(); });
    // The opening steps (first-run prompt, the brew browse) once the frame is on screen.
    QTimer::singleShot(0, m_frame.get(), [this] { m_frame->opened(); });
    return m_frame.get();
}

void ProgramStart::finish()
{
    if (m_dragSwitchedOff)
        desktopdrag::setFullWindowDrag(true);
    m_dragSwitchedOff = false;
}
