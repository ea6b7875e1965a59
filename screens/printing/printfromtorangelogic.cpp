#include "screens/printing/printfromtorangelogic.h"

#include "reports/brewlistreports.h"

PrintFromToRangeLogic::PrintFromToRangeLogic(Globals &globals, Prompter &prompter, View &view)
    : m_globals(globals)
    , m_prompter(prompter)
    , m_view(view)
{
}

bool PrintFromToRangeLogic::print()
{
    const std::optional<QString> error = brewlist::rangeError(m_globals.PrintFrom, m_globals.PrintTo);
    if (!error)
        return true;
    m_prompter.ask(Message { QStringLiteral("Range error..."), *error, MessageIcon::Information, {}, 1 });
    m_view.focusFrom();
    return false;
}
