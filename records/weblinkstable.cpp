#include "records/weblinkstable.h"

const std::vector<FieldBinding<WebLinkRecord>> &WebLinksTable::fields()
{
    using W = WebLinkRecord;
    static const std::vector<FieldBinding<W>> list = {
        bindField(FieldDef::longField(QStringLiteral("RECORDNUMBER")), &W::RECORDNUMBER),
        bindField(FieldDef::stringField(QStringLiteral("WEBADDRESS"), 80), &W::WEBADDRESS),
        bindField(FieldDef::stringField(QStringLiteral("NAMECOMMENT"), 45), &W::NAMECOMMENT),
    };
    return list;
}

const TableDef &WebLinksTable::definition()
{
    static const TableDef def = makeTableDef<WebLinkRecord>(QStringLiteral("W_LINK"), QStringLiteral("WEB"), fields(),
        {
            { QStringLiteral("KeyRecordNumber"), { QStringLiteral("RECORDNUMBER") }, true, true, true },
            { QStringLiteral("KeyWeb"), { QStringLiteral("WEBADDRESS") } },
            { QStringLiteral("KeyName"), { QStringLiteral("NAMECOMMENT") } },
        });
    return def;
}

WebLinksTable::WebLinksTable(const QString &dataFolder)
    : RecordTable(definition(), fields(), dataFolder)
{
}
