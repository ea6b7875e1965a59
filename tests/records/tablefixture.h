#pragma once
// A temporary data folder and small helpers for the table tests.

#include "records/brewstable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tabletest
{

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

inline Message dupOnAdd(const char *key)
{
    return { QStringLiteral("Duplicate Key Error"),
        QStringLiteral("Adding this record creates a duplicate entry for the key: %1").arg(QLatin1String(key)),
        MessageIcon::Warning, {}, 1 };
}

template <class Rows> std::vector<std::int64_t> recordNumbers(const Rows &rows)
{
    std::vector<std::int64_t> out;
    for (const auto &r : rows)
        out.push_back(std::int64_t(r.RECORDNUMBER));
    return out;
}

} // namespace tabletest
