#pragma once
// The rules of the batch-range window (Win_PrintFromToRange): its spin boxes edit
// GLO:PrintFrom and GLO:PrintTo, and " &Print" checks the range before the range
// report starts; a range it refuses is told under "Range error..." and the focus
// goes back to "From", the window staying open.

#include "platform/prompter.h"
#include "records/globals.h"

class PrintFromToRangeLogic
{
public:
    class View
    {
    public:
        virtual ~View() = default;
        virtual void focusFrom() = 0;
    };

    PrintFromToRangeLogic(Globals &globals, Prompter &prompter, View &view);

    int from() const { return m_globals.PrintFrom; }
    int to() const { return m_globals.PrintTo; }
    void setFrom(int value) { m_globals.PrintFrom = std::int16_t(value); }
    void setTo(int value) { m_globals.PrintTo = std::int16_t(value); }

    // " &Print": true when the range passes and the window may close and start the report.
    bool print();

private:
    Globals &m_globals;
    Prompter &m_prompter;
    View &m_view;
};
