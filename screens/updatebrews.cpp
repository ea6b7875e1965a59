#include "screens/updatebrews.h"

// Placeholder until the form itself lands, so callers can link against the entry point.
bool runUpdateBrews(QWidget *, FormRequest, BrewsTable &, BrewRecord &, Prompter &)
{
    return false;
}
