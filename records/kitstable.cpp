#include "records/kitstable.h"

const std::vector<FieldBinding<KitRecord>> &KitsTable::fields()
{
    static const std::vector<FieldBinding<KitRecord>> list = {
        bindField(FieldDef::realField(QStringLiteral("RECORDNUMBER")), &KitRecord::RECORDNUMBER),
        bindField(FieldDef::stringField(QStringLiteral("NAMEOFBREW"), 45), &KitRecord::NAMEOFBREW),
    };
    return list;
}

const TableDef &KitsTable::definition()
{
    static const TableDef def = makeTableDef<KitRecord>(QStringLiteral("BRANDS4"), QStringLiteral("BRW"), fields(),
        {
            { QStringLiteral("RecordKey"), { QStringLiteral("RECORDNUMBER") }, true, true, true },
            { QStringLiteral("BrewKey"), { QStringLiteral("NAMEOFBREW") }, true },
        });
    return def;
}

KitsTable::KitsTable(const QString &dataFolder)
    : RecordTable(definition(), fields(), dataFolder)
{
}

Expected<QStringList> KitsTable::names() const
{
    QStringList out;
    Bound from = Bound::edge();
    for (;;) {
        Expected<RecordPage<KitRecord>> page = readPage(KitKey::BrewKey, from, Direction::Forward, 500);
        if (!page)
            return page.result();
        for (const KitRecord &k : page->rows)
            out << k.NAMEOFBREW;
        if (page->atEnd || page->rows.empty())
            return out;
        from = Bound::after(cursorOf(KitKey::BrewKey, page->rows.back()));
    }
}
