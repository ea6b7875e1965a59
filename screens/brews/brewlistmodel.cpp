#include "screens/brews/brewlistmodel.h"

const QColor BrewListModel::kInStockColour(0, 0, 0);
const QColor BrewListModel::kConsumedColour(128, 128, 128);

const std::vector<ListColumn> &BrewListModel::listColumns()
{
    static const std::vector<ListColumn> columns {
        { QStringLiteral("BATCHNUMBER"), QStringLiteral("Batch Number"), QStringLiteral("N4B"), 100, Qt::AlignRight },
        { QStringLiteral("BREWKIT"), QStringLiteral("Brew Kit"), QStringLiteral("S45"), 220, Qt::AlignLeft },
        { QStringLiteral("DATEDOWN"), QStringLiteral("Date Down"), QStringLiteral("D017B"), 90, Qt::AlignRight },
    };
    return columns;
}

QString BrewListModel::designedColumnFormat() { return ColumnLayout::designed(listColumns()).toFormat(listColumns()); }

BrewListModel::BrewListModel(BrewsTable &table, QObject *parent)
    : RecordListModel(table, listColumns(), parent)
{
    static const int stockField = BrewsTable::definition().fieldIndex(QStringLiteral("STOCKONHAND"));
    setRowColour([](const Row &row) -> std::optional<QColor> {
        const QString &stock = std::get<QString>(row.values[std::size_t(stockField)]);
        if (stock == QLatin1String("1"))
            return kInStockColour;
        if (stock == QLatin1String("0"))
            return kConsumedColour;
        return std::nullopt;
    });
}

Result BrewListModel::setOrder(BrewKey key, bool inStockOnly)
{
    return RecordListModel::setOrder(key, inStockOnly ? BrewsTable::inStockFilter() : Filter {});
}
