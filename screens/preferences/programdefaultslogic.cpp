#include "screens/preferences/programdefaultslogic.h"

#include "platform/messages.h"
#include "records/globals.h"
#include "records/settings.h"

namespace
{

Message question(const char *caption, const char *text)
{
    // A warning rather than a question: the change reaches every brew already kept.
    return { QString::fromUtf8(caption), QString::fromUtf8(text), MessageIcon::Warning, QStringLiteral("No|YES"), 1 };
}

void tellWriteFailure(Prompter &prompter, const QString &caption, const Result &r)
{
    prompter.tell(messages::error(caption, QStringLiteral("The settings could not be saved.|") + r.message()));
}

} // namespace

ProgramDefaultsLogic::ProgramDefaultsLogic(Prompter &prompter, ProgramDefaultsView &view, BrewCounter countBrews)
    : m_prompter(prompter)
    , m_view(view)
    , m_countBrews(std::move(countBrews))
{
}

std::uint8_t &ProgramDefaultsLogic::value(Pref pref)
{
    Globals &g = glo();
    switch (pref) {
    case Pref::Units:
        return g.UNITSPROMPT;
    case Pref::Temp:
        return g.TEMPPROMPT;
    case Pref::Alc:
        return g.ALCBASEDON;
    case Pref::OpenBrowse:
        return g.OPENATBROWSE;
    case Pref::OpenAtStock:
        return g.OPENATSTOCKONLY;
    case Pref::TipFlag:
        return g.TIPFLAG;
    case Pref::Override:
        return g.OVERRIDEFERMENTATION;
    }
    return g.UNITSPROMPT;
}

void ProgramDefaultsLogic::set(Pref pref, std::uint8_t v) { value(pref) = v; }

void ProgramDefaultsLogic::open()
{
    Globals &g = glo();
    if (g.SETDEFAULTSYN == 1) {
        m_opening = Opening { g.UNITSPROMPT, g.TEMPPROMPT, g.ALCBASEDON };
    } else {
        // First use: propose metric, Celsius, by volume and the helpful preferences.
        g.OPENATBROWSE = 1;
        g.OPENATSTOCKONLY = 1;
        g.OVERRIDEFERMENTATION = 0;
        g.TIPFLAG = 1;
        g.UNITSPROMPT = 1;
        g.TEMPPROMPT = 1;
        g.ALCBASEDON = 1;
    }
    m_view.refresh();
}

void ProgramDefaultsLogic::okFocused()
{
    if (glo().ALCBASEDON != 0)
        return;
    const int answer = m_prompter.ask(messages::question(QStringLiteral("Please confirm..."),
        QStringLiteral("Are you sure that you wish to use % Alcohol by Weight (abw)|most countries use % Alcohol by "
                       "Volume (abv)||     An example: abv of 5.0% equals an abw of 4.0%||                       Use % "
                       "Alcohol by Weight ?")));
    if (answer == 2) {
        glo().ALCBASEDON = 1;
        m_view.refresh();
        m_view.focusAlcohol();
    }
}

bool ProgramDefaultsLogic::confirmChange(Pref pref, std::uint8_t opening, const Message &q)
{
    if (value(pref) == opening)
        return true;
    if (m_prompter.ask(q) != 2) {
        value(pref) = opening;
        return false;
    }
    return true;
}

bool ProgramDefaultsLogic::ok()
{
    if (m_opening && glo().SETDEFAULTSYN == 1) {
        // A brew count that cannot be read counts as brews stored: better one question too many.
        const std::optional<long long> brews = m_countBrews ? m_countBrews() : std::nullopt;
        if (!brews || *brews > 0) {
            confirmChange(Pref::Units, m_opening->units,
                question("Change Units ?",
                    "Are you sure you want to make this change ?|If changed all existing volumes will "
                    "need to be manually converted and all existing records updated accordingly.||Make "
                    "the change ?"));
            confirmChange(Pref::Temp, m_opening->temp,
                question("Change Temperature ?",
                    "Are you sure you want to make this change ?|If changed all existing temperatures "
                    "will need to be manually converted and all existing records updated "
                    "accordingly.||Make the change ?"));
            confirmChange(Pref::Alc, m_opening->alc,
                question("Change % Alc?",
                    "Are you sure you want to make this change ?|If changed all existing percentages "
                    "for each brew will need to recalculated from the update window.||Make the change "
                    "?"));
            m_view.refresh();
        }
    }
    if (Result r = settings::storeDefaults(); !r) {
        tellWriteFailure(m_prompter, QStringLiteral("Program defaults..."), r);
        return false;
    }
    m_view.applyTooltips(glo().TIPFLAG == 1);
    m_view.closeWindow();
    return true;
}

void FirstRunLogic::yes()
{
    m_view.showSecondStep();
    m_view.runDefaultsWindow();
}

void FirstRunLogic::defaultsDone()
{
    glo().SETDEFAULTSYN = 1;
    m_view.closeWindow();
}

void FirstRunLogic::doLater()
{
    m_prompter.tell(messages::info(
        QStringLiteral("Aborted..."), QStringLiteral("The current defaults settings have NOT been changed.")));
    m_view.closeWindow();
}

void FirstRunLogic::closing()
{
    if (Result r = settings::storeDefaultsSetYN(); !r)
        tellWriteFailure(m_prompter, QStringLiteral("Important..."), r);
}
