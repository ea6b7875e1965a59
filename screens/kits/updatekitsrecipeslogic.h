#pragma once
// The rules of the kit/recipe edit form (UpdateKitsRecipes): one name per kit, unique whatever its
// letter case (the Kits table refuses a duplicate and the form stays open). After an insert the
// form offers to add another kit at once.

#include "records/kitstable.h"
#include "screens/windowing/catalogueformlogic.h"

class UpdateKitsRecipesLogic : public CatalogueFormLogic<KitRecord, KitKey>
{
public:
    using CatalogueFormLogic::CatalogueFormLogic;

    QString caption() const override;
    static Message recordAddedQuestion();

protected:
    void afterSave() override;
};
