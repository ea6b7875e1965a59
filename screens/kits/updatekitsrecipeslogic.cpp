#include "screens/kits/updatekitsrecipeslogic.h"

QString UpdateKitsRecipesLogic::caption() const
{
    return request() == FormRequest::Insert ? QStringLiteral("Add Kit/Recipe") : QStringLiteral("Update Kit/Recipe");
}

Message UpdateKitsRecipesLogic::recordAddedQuestion()
{
    return messages::question(QStringLiteral("Record Added"),
        QStringLiteral("This record has been added to the file. Do you want to add another record?"));
}

void UpdateKitsRecipesLogic::afterSave()
{
    if (request() != FormRequest::Insert) {
        finish();
        return;
    }
    // Yes: an empty form for the next kit, with a number of its own; No: back to the browse,
    // which highlights the kit just added.
    if (prompter().ask(recordAddedQuestion()) != 1) {
        finish();
        return;
    }
    restartInsert();
    view().moveFocus(QStringLiteral("NAMEOFBREW"));
}
