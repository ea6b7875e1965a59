#pragma once
// Every report the program prints, by procedure name: what the Reports menu, the
// browse buttons and the report command look a report up by. A prepared report is
// its layout and its source, ready to run.

#include "reports/reportdescription.h"
#include "reports/reportsource.h"

#include <QString>
#include <QStringList>
#include <memory>

struct PreparedReport {
    QString procedure;
    ReportDescription description;
    std::shared_ptr<ReportSource> source;
};

struct ReportRequest {
    QString dataFolder;
    bool rangeGiven = false;
    int from = 0; // a batch range, for the reports that take one
    int to = 0;
};

namespace reportcatalogue
{
QStringList names();
bool exists(const QString &procedure);
bool takesRange(const QString &procedure);
// The report with the program-wide values of now (units, today, ...) and the request's range.
// An unknown name or a bad range comes back as a failure with the message to show.
Expected<PreparedReport> prepare(const QString &procedure, const ReportRequest &request);
} // namespace reportcatalogue
