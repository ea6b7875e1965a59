#include "records/brewstable.h"

namespace
{

using B = BrewRecord;
using F = FieldDef;

std::vector<FieldBinding<B>> makeFields()
{
    FieldDef primer = F::decimalField(QStringLiteral("PRIMERSUGARKG"), 7, 2);
    primer.rule = { FieldRule::Kind::Range, QStringLiteral("ALE:PrimerSugarKG"), Decimal(0), Decimal(100), {},
        QStringLiteral("0 .. 100") };
    FieldDef stock = F::stringField(QStringLiteral("STOCKONHAND"), 25);
    stock.rule = { FieldRule::Kind::List, QStringLiteral("ALE:StockOnHand"), {}, {}, QStringLiteral("]1[]0["),
        QStringLiteral("'Have Stock','Consumed'") };

    return {
        bindField(F::longField(QStringLiteral("RECORDNUMBER")), &B::RECORDNUMBER),
        bindField(F::shortField(QStringLiteral("BATCHNUMBER")), &B::BATCHNUMBER),
        bindField(F::stringField(QStringLiteral("BREWKIT"), 45), &B::BREWKIT),
        bindField(F::decimalField(QStringLiteral("WATERVOLUMELTR"), 7, 2), &B::WATERVOLUMELTR),
        bindField(F::stringField(QStringLiteral("YEAST"), 35), &B::YEAST),
        bindField(F::stringField(QStringLiteral("BREWSUGARTYPE"), 25), &B::BREWSUGARTYPE),
        bindField(F::decimalField(QStringLiteral("BREWSUGARKG"), 7, 2), &B::BREWSUGARKG),
        bindField(F::stringField(QStringLiteral("PRIMERSUGARTYPE"), 25), &B::PRIMERSUGARTYPE),
        bindField(primer, &B::PRIMERSUGARKG),
        bindField(F::stringField(QStringLiteral("ADDITIVE1"), 35), &B::ADDITIVE1),
        bindField(F::stringField(QStringLiteral("ADDITIVE2"), 35), &B::ADDITIVE2),
        bindField(F::stringField(QStringLiteral("ADDITIVE3"), 35), &B::ADDITIVE3),
        bindField(F::stringField(QStringLiteral("ADDITIVE4"), 35), &B::ADDITIVE4),
        bindField(F::stringField(QStringLiteral("ADDITIVE5"), 35), &B::ADDITIVE5),
        bindField(F::longField(QStringLiteral("DATEDOWN")), &B::DATEDOWN),
        bindField(F::shortField(QStringLiteral("ORIGINALGRAVITY")), &B::ORIGINALGRAVITY),
        bindField(F::longField(QStringLiteral("DATEBOTTLED")), &B::DATEBOTTLED),
        bindField(F::shortField(QStringLiteral("BREWTEMP")), &B::BREWTEMP),
        bindField(F::shortField(QStringLiteral("FINALGRAVITY")), &B::FINALGRAVITY),
        bindField(F::byteField(QStringLiteral("BREWPERIOD")), &B::BREWPERIOD),
        bindField(F::byteField(QStringLiteral("BREWPERIOD2")), &B::BREWPERIOD2),
        bindField(F::longField(QStringLiteral("MINUSE")), &B::MINUSE),
        bindField(F::longField(QStringLiteral("MAXUSE")), &B::MAXUSE),
        bindField(F::decimalField(QStringLiteral("ESTIMATEDALC"), 7, 2), &B::ESTIMATEDALC),
        bindField(F::realField(QStringLiteral("APPEARANCE")), &B::APPEARANCE),
        bindField(F::realField(QStringLiteral("AROMA")), &B::AROMA),
        bindField(F::realField(QStringLiteral("TASTE")), &B::TASTE),
        bindField(F::shortField(QStringLiteral("OVERALL")), &B::OVERALL),
        bindField(F::stringField(QStringLiteral("BREWBATCHNAME"), 25), &B::BREWBATCHNAME),
        bindField(F::decimalField(QStringLiteral("BREWCOST"), 7, 2), &B::BREWCOST),
        bindField(F::decimalField(QStringLiteral("SPAREDEC1"), 7, 2), &B::SPAREDEC1),
        bindField(F::decimalField(QStringLiteral("SPAREDEC2"), 7, 2), &B::SPAREDEC2),
        bindField(F::decimalField(QStringLiteral("SPAREDEC3"), 7, 2), &B::SPAREDEC3),
        bindField(F::realField(QStringLiteral("SPAREREAL1")), &B::SPAREREAL1),
        bindField(F::realField(QStringLiteral("SPAREREAL2")), &B::SPAREREAL2),
        bindField(F::realField(QStringLiteral("SPAREREAL3")), &B::SPAREREAL3),
        bindField(F::longField(QStringLiteral("SPARELONG1")), &B::SPARELONG1),
        bindField(F::shortField(QStringLiteral("SPARESHORT1")), &B::SPARESHORT1),
        bindField(F::shortField(QStringLiteral("SPARESHORT2")), &B::SPARESHORT2),
        bindField(F::shortField(QStringLiteral("SPARESHORT3")), &B::SPARESHORT3),
        bindField(F::longField(QStringLiteral("SPARELONG2")), &B::SPARELONG2),
        bindField(F::longField(QStringLiteral("SPARELONG3")), &B::SPARELONG3),
        bindField(F::byteField(QStringLiteral("SPAREBYTE1")), &B::SPAREBYTE1),
        bindField(F::byteField(QStringLiteral("SPAREBYTE2")), &B::SPAREBYTE2),
        bindField(F::byteField(QStringLiteral("SPAREBYTE3")), &B::SPAREBYTE3),
        bindField(F::byteField(QStringLiteral("SPAREBYTE4")), &B::SPAREBYTE4),
        bindField(F::byteField(QStringLiteral("SPAREBYTE5")), &B::SPAREBYTE5),
        bindField(F::stringField(QStringLiteral("SPARESTRG1"), 10), &B::SPARESTRG1),
        bindField(F::stringField(QStringLiteral("SPARESTRG2"), 15), &B::SPARESTRG2),
        bindField(F::stringField(QStringLiteral("SPARESTRG3"), 35), &B::SPARESTRG3),
        bindField(F::stringField(QStringLiteral("SPARESTRG4"), 45), &B::SPARESTRG4),
        bindField(F::stringField(QStringLiteral("SPARESTRG5"), 60), &B::SPARESTRG5),
        bindField(F::stringField(QStringLiteral("SPAREFIELD1"), 25), &B::SPAREFIELD1),
        bindField(F::stringField(QStringLiteral("SPAREFIELD2"), 25), &B::SPAREFIELD2),
        bindField(F::stringField(QStringLiteral("SPAREFIELD3"), 25), &B::SPAREFIELD3),
        bindField(F::stringField(QStringLiteral("SPAREFIELD4"), 20), &B::SPAREFIELD4),
        bindField(stock, &B::STOCKONHAND),
        bindField(F::memoField(QStringLiteral("NOTES"), 1000), &B::NOTES),
        bindField(F::memoField(QStringLiteral("NOTESBIG"), 18000), &B::NOTESBIG),
    };
}

} // namespace

const std::vector<FieldBinding<BrewRecord>> &BrewsTable::fields()
{
    static const std::vector<FieldBinding<BrewRecord>> list = makeFields();
    return list;
}

namespace
{

TableDef makeDefinition()
{
    TableDef def = makeTableDef<BrewRecord>(QStringLiteral("BREWSV3"), QStringLiteral("ALE"), BrewsTable::fields(),
        {
            { QStringLiteral("KeyRecord"), { QStringLiteral("RECORDNUMBER") }, true, true, true },
            { QStringLiteral("KeyBrewNumber"), { QStringLiteral("-BATCHNUMBER") }, true, false, true },
            { QStringLiteral("ByDateKey"), { QStringLiteral("-DATEDOWN") } },
            { QStringLiteral("ByBrewKey"), { QStringLiteral("BREWKIT") } },
            { QStringLiteral("QualityKey"), { QStringLiteral("-OVERALL") } },
            { QStringLiteral("CostKey"), { QStringLiteral("BREWCOST") } },
        });
    // The browse lists brews in stock through every key: the store keeps each key over them too.
    def.subsets = { { QStringLiteral("InStock"), def.fieldIndex(QStringLiteral("STOCKONHAND")), QStringLiteral("1") } };
    return def;
}

} // namespace

const TableDef &BrewsTable::definition()
{
    static const TableDef def = makeDefinition();
    return def;
}

Filter BrewsTable::inStockFilter()
{
    return Filter::equal(definition().fieldIndex(QStringLiteral("STOCKONHAND")), QStringLiteral("1"));
}

BrewsTable::BrewsTable(const QString &dataFolder)
    : RecordTable(definition(), fields(), dataFolder)
{
}

Expected<BrewsTable::Page> BrewsTable::readPage(
    Key key, const Bound &from, Direction direction, int limit, bool inStockOnly) const
{
    return readPage(key, from, direction, limit, inStockOnly ? inStockFilter() : Filter {});
}

Expected<std::int64_t> BrewsTable::count(Key key, bool inStockOnly) const
{
    return count(key, inStockOnly ? inStockFilter() : Filter {});
}

Expected<std::optional<BrewRecord>> BrewsTable::fetch(std::int32_t recordNumber)
{
    return fetch(Key::KeyRecord, { std::int64_t(recordNumber) });
}

StoreResult BrewsTable::remove(std::int32_t recordNumber, Prompter &prompter)
{
    BrewRecord brew;
    brew.RECORDNUMBER = recordNumber;
    return remove(brew, prompter);
}

Expected<bool> BrewsTable::batchNumberInUse(int batchNumber, std::int32_t exceptRecord) const
{
    if (batchNumber == 0)
        return false;
    Expected<std::optional<Row>> row = store().fetch(int(Key::KeyBrewNumber), { std::int64_t(batchNumber) });
    if (!row)
        return row.result();
    if (!row->has_value())
        return false;
    const int recordField = 0; // RECORDNUMBER
    return (**row).values[recordField] != FieldValue(std::int64_t(exceptRecord));
}
