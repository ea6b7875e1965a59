#pragma once
// Maltwright's start-up and shutdown, in their order: the tooltip preference,
// the window-state file, the program icon and the desktop drag setting; then the
// splash, behind which the stores are opened, the frame and, once the frame is on
// screen, its opening steps; at the end the drag setting put back.

#include "screens/frame/openingsplash.h"
#include "screens/preferences/programdefaultslogic.h"

#include <QString>
#include <functional>
#include <memory>

class HelpSystem;
class MainFrame;
class Prompter;

class ProgramStart
{
public:
    struct Options {
        QString dataFolder; // where the stores and INI files are
        int splashMs = OpeningSplash::kDesignedMs;
        QString helpFile; // MWhelp.qch; empty: next to the executable
        QString helpCollection; // empty: the user's cache folder
    };
    // Moments of the start-up, for measuring it.
    struct Hooks {
        std::function<void()> splashShown;
        std::function<void()> splashClosed;
        std::function<void()> frameShown;
    };

    explicit ProgramStart(Options options, Prompter &prompter);
    ~ProgramStart();

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // Before any window: tooltips, window-state file, icon, drag setting.
    void prepare();
    // Each store opened once: a missing one is created empty, one that cannot be
    // opened is reported with its message and left as it is. Runs behind the splash.
    void openStores();
    // The splash (waited for), then the frame restored from its section and
    // shown; its opening steps run once it is on screen.
    MainFrame *openFrame();
    // After the frame has closed: the drag setting back as it was.
    void finish();

    // The number of brews in the Brews table, or nullopt when it cannot be read.
    ProgramDefaultsLogic::BrewCounter brewCounter() const;
    MainFrame *frame() const { return m_frame.get(); }

private:
    Options m_options;
    Prompter &m_prompter;
    Hooks m_hooks;
    std::unique_ptr<HelpSystem> m_help;
    std::unique_ptr<MainFrame> m_frame;
    bool m_dragSwitchedOff = false;
};
