#include "screens/weblinks/updateweblinks.h"

#include "screens/windowing/windowhost.h"

UpdateWebLinks::UpdateWebLinks(FormRequest request, WebLinksTable &table, Prompter &prompter, QWidget *parent)
    : CatalogueForm(kProcedure, QStringLiteral("Update Web Links"), QString(), parent)
    , m_logic(std::make_unique<UpdateWebLinksLogic>(request, table, prompter, *this))
{
    addText(
        QStringLiteral("NAMECOMMENT"), QStringLiteral("&Name of Web Site:"), 45, {},
        [this] { return m_logic->record().NAMECOMMENT; },
        [this](const QString &v) { m_logic->record().NAMECOMMENT = v; });
    addText(
        QStringLiteral("WEBADDRESS"), QStringLiteral("&Web Address: (URL)"), 80, {},
        [this] { return m_logic->record().WEBADDRESS; },
        [this](const QString &v) { m_logic->record().WEBADDRESS = v; });
    // The record number is carried, never shown.
    setActions(
        { [this] { m_logic->ok(); }, [this] { m_logic->cancel(); }, [this] { return m_logic->completed(); }, {} });
    finishLayout();
}

bool UpdateWebLinks::start(const WebLinkRecord &row)
{
    if (!m_logic->open(row))
        return false;
    setWindowTitle(m_logic->caption());
    return true;
}

bool runUpdateWebLinks(
    QWidget *parent, FormRequest request, WebLinksTable &table, WebLinkRecord &buffer, Prompter &prompter)
{
    bool completed = false;
    WindowHost::callOnce(
        UpdateWebLinks::kProcedure,
        [&]() -> std::unique_ptr<QDialog> {
            auto form = std::make_unique<UpdateWebLinks>(request, table, prompter, parent);
            if (!form->start(buffer))
                return nullptr;
            return form;
        },
        WindowStateBinding::FixedSize,
        [&](QDialog &dialog) {
            UpdateWebLinksLogic &logic = static_cast<UpdateWebLinks &>(dialog).logic();
            completed = logic.completed();
            if (completed)
                buffer = *logic.lastSaved();
        });
    return completed;
}
