#include "records/shoppingtable.h"

const std::vector<FieldBinding<ShoppingRecord>> &ShoppingTable::fields()
{
    using S = ShoppingRecord;
    static const std::vector<FieldBinding<S>> list = {
        bindField(FieldDef::longField(QStringLiteral("RECORDNUMBER")), &S::RECORDNUMBER),
        bindField(FieldDef::stringField(QStringLiteral("ITEM"), 45), &S::ITEM),
        bindField(FieldDef::stringField(QStringLiteral("SIZE"), 25), &S::SIZE),
        bindField(FieldDef::decimalField(QStringLiteral("QTY"), 5, 2), &S::QTY),
        bindField(FieldDef::decimalField(QStringLiteral("PRICE"), 7, 2), &S::PRICE),
        bindField(FieldDef::decimalField(QStringLiteral("AMOUNT"), 7, 2), &S::AMOUNT),
    };
    return list;
}

const TableDef &ShoppingTable::definition()
{
    static const TableDef def = makeTableDef<ShoppingRecord>(QStringLiteral("SHOPPING"), QStringLiteral("SHO"),
        fields(), { { QStringLiteral("KeyRecordNumber"), { QStringLiteral("RECORDNUMBER") }, true, true, true } });
    return def;
}

ShoppingTable::ShoppingTable(const QString &dataFolder)
    : RecordTable(definition(), fields(), dataFolder)
{
}
