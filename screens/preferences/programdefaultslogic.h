#pragma once
// The rules of the program defaults window (Win_SetPrgDefaults) and of the
// first-run prompt (Win_SetPrgDefaultsYN), apart from their widgets. The
// defaults window edits the program-wide values directly, so a change takes
// effect at once; OK confirms risky changes and stores the settings file.

#include "platform/prompter.h"

#include <cstdint>
#include <functional>
#include <optional>

class ProgramDefaultsView
{
public:
    virtual ~ProgramDefaultsView() = default;
    virtual void refresh() = 0; // show the program-wide values again
    virtual void focusAlcohol() = 0; // the "% Alc based on..." option
    virtual void closeWindow() = 0;
    virtual void applyTooltips(bool on) = 0; // GLO:TIPFLAG takes effect at once
};

class ProgramDefaultsLogic
{
public:
    enum class Pref { Units, Temp, Alc, OpenBrowse, OpenAtStock, TipFlag, Override };
    // The number of brews, or nullopt when the Brews table cannot be read.
    using BrewCounter = std::function<std::optional<long long>()>;

    ProgramDefaultsLogic(Prompter &prompter, ProgramDefaultsView &view, BrewCounter countBrews);

    // Opening: remembers the measurement values when the defaults were
    // confirmed before, else proposes the first values.
    void open();
    static std::uint8_t &value(Pref pref);
    void set(Pref pref, std::uint8_t v);

    // The OK button got the focus: by weight is confirmed.
    void okFocused();
    // OK: confirms changes of units, temperature and alcohol basis when brews
    // are stored, writes the settings, applies the tooltip switch and closes.
    // False (window left open) when the settings could not be written.
    bool ok();

private:
    bool confirmChange(Pref pref, std::uint8_t opening, const Message &question);

    Prompter &m_prompter;
    ProgramDefaultsView &m_view;
    BrewCounter m_countBrews;
    struct Opening {
        std::uint8_t units, temp, alc;
    };
    std::optional<Opening> m_opening;
};

class FirstRunView
{
public:
    virtual ~FirstRunView() = default;
    // After "&Yes": texts 1-3 and "&Yes" hidden, text 4 and "&Defaults Done. (Save)" shown.
    virtual void showSecondStep() = 0;
    // Win_SetPrgDefaults, returning when it has closed.
    virtual void runDefaultsWindow() = 0;
    virtual void closeWindow() = 0;
};

class FirstRunLogic
{
public:
    FirstRunLogic(Prompter &prompter, FirstRunView &view)
        : m_prompter(prompter)
        , m_view(view)
    {
    }

    void yes();
    void defaultsDone();
    void doLater();
    // However the prompt closes: DefaultsSetYN is written.
    void closing();

private:
    Prompter &m_prompter;
    FirstRunView &m_view;
};
