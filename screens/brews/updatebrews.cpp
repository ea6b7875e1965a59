#include "screens/brews/updatebrews.h"

#include "screens/brews/brewform.h"
#include "screens/windowing/windowhost.h"

bool runUpdateBrews(QWidget *parent, FormRequest request, BrewsTable &handle, BrewRecord &buffer, Prompter &prompter)
{
    static const QString procedure = QStringLiteral("UpdateBrews");
    // One edit form at a time: a second request shows the open one instead.
    if (WindowHost::bringToFront(procedure))
        return false;
    BrewForm form(request, handle, prompter, parent);
    if (!form.start(buffer))
        return false;
    WindowHost::call(&form, procedure, WindowStateBinding::Resizable);
    if (!form.logic().completed())
        return false;
    if (request != FormRequest::Delete)
        buffer = form.logic().record();
    return true;
}
