#include "screens/kits/updatekitsrecipes.h"

#include "screens/windowing/windowhost.h"

#include <QFormLayout>
#include <QLabel>
#include <QPalette>

UpdateKitsRecipes::UpdateKitsRecipes(FormRequest request, KitsTable &table, Prompter &prompter, QWidget *parent)
    : CatalogueForm(kProcedure, QStringLiteral("Edit a Kit/Recipe"), QStringLiteral("General"), parent)
    , m_logic(std::make_unique<UpdateKitsRecipesLogic>(request, table, prompter, *this))
{
    const QString tip = QStringLiteral("Description of Kit and size.");
    addText(
        QStringLiteral("NAMEOFBREW"), QStringLiteral("&Description:"), 45, tip,
        [this] { return m_logic->record().NAMEOFBREW; },
        [this](const QString &v) { m_logic->record().NAMEOFBREW = v; });
    fields()->addRow(new QLabel(QStringLiteral("Key in a 'Brew Kit' or 'Recipe' description."), this));
    auto *grey = new QLabel(QStringLiteral("(Used for selection later in Edit Brews)"), this);
    QPalette palette = grey->palette();
    palette.setColor(QPalette::WindowText, Qt::gray);
    grey->setPalette(palette);
    fields()->addRow(grey);
    setOkTip(QStringLiteral("Save the Brand"));
    setActions(
        { [this] { m_logic->ok(); }, [this] { m_logic->cancel(); }, [this] { return m_logic->completed(); }, {} });
    finishLayout();
}

bool UpdateKitsRecipes::start(const KitRecord &row)
{
    if (!m_logic->open(row))
        return false;
    setWindowTitle(m_logic->caption());
    return true;
}

bool runUpdateKitsRecipes(QWidget *parent, FormRequest request, KitsTable &table, KitRecord &buffer, Prompter &prompter)
{
    bool completed = false;
    WindowHost::callOnce(
        UpdateKitsRecipes::kProcedure,
        [&]() -> std::unique_ptr<QDialog> {
            auto form = std::make_unique<UpdateKitsRecipes>(request, table, prompter, parent);
            if (!form->start(buffer))
                return nullptr;
            return form;
        },
        WindowStateBinding::FixedSize,
        [&](QDialog &dialog) {
            UpdateKitsRecipesLogic &logic = static_cast<UpdateKitsRecipes &>(dialog).logic();
            completed = logic.completed();
            if (completed)
                buffer = *logic.lastSaved();
        });
    return completed;
}
