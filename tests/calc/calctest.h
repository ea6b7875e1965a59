#pragma once
// Small helpers shared by the brewing-rule tests.

#include "platform/decimal.h"

#include <QString>
#include <ostream>

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

inline void PrintTo(const Decimal &d, std::ostream *os) { *os << d.toPlainText().toStdString(); }
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
