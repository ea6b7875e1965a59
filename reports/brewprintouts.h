#pragma once
// The printouts of one brew by procedure name, for the report catalogue: the
// brew is read from the store by its record number, and the values the brew
// browse and the label windows hand over are taken from the program-wide values
// or, for a report run on its own (the report command), from the brew itself.

#include "reports/reportcatalogue.h"

#include <QStringList>

namespace brewprintouts
{
QStringList names();
bool exists(const QString &procedure);
// Whether the procedure prints a brew (and so needs its record number).
bool needsBrew(const QString &procedure);
bool isLabels(const QString &procedure);
Expected<PreparedReport> prepare(const QString &procedure, const ReportRequest &request);
} // namespace brewprintouts
