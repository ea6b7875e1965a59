#include "screens/brews/updatebrews.h"

#include "screens/brews/brewform.h"
#include "screens/windowing/windowhost.h"

bool runUpdateBrews(QWidget *parent, FormRequest request, BrewsTable &handle, BrewRecord &buffer, Prompter &prompter)
{
    // One edit form at a time: a second request shows the open one instead.
    bool completed = false;
    WindowHost::callOnce(
        BrewForm::kProcedure,
        [&]() -> std::unique_ptr<QDialog> {
            auto form = std::make_unique<BrewForm>(request, handle, prompter, parent);
            if (!form->start(buffer))
                return nullptr;
            return form;
        },
        WindowStateBinding::Resizable,
        [&](QDialog &dialog) {
            const BrewForm &form = static_cast<BrewForm &>(dialog);
            completed = form.logic().completed();
            if (completed && request != FormRequest::Delete)
                buffer = form.logic().record();
        });
    return completed;
}
