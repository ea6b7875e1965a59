#include "platform/tabledef.h"

namespace
{

QString withoutPrefix(const TableDef &def, const QString &name)
{
    const QString p = def.prefix + QLatin1Char(':');
    return name.startsWith(p, Qt::CaseInsensitive) ? name.mid(p.size()) : name;
}

} // namespace

int TableDef::fieldIndex(const QString &name) const
{
    const QString bare = withoutPrefix(*this, name.trimmed());
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(bare, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int TableDef::keyIndex(const QString &name) const
{
    const QString bare = withoutPrefix(*this, name.trimmed());
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].name.compare(bare, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int TableDef::primaryKey() const
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].primary)
            return int(i);
    return 0;
}

FieldValue zeroValue(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Real:
        return 0.0;
    case FieldType::Decimal:
        return Decimal();
    case FieldType::String:
    case FieldType::Memo:
        return QString();
    default:
        return std::int64_t(0);
    }
}

bool isBlank(const FieldValue &value)
{
    if (const auto *s = std::get_if<QString>(&value)) {
        for (QChar c : *s)
            if (c != QLatin1Char(' '))
                return false;
        return true;
    }
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return *i == 0;
    if (const auto *d = std::get_if<double>(&value))
        return *d == 0;
    return std::get<Decimal>(value).isZero();
}

Row Row::blank(const TableDef &def)
{
    Row row;
    row.values.reserve(def.fields.size());
    for (const FieldDef &f : def.fields)
        row.values.push_back(zeroValue(f));
    return row;
}
