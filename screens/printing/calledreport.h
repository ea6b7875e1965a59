#pragma once
// Running a report for a window that waits for it: the brew browse's printouts,
// the label windows' Print and the cost window's Print. The report is prepared
// for the request, laid out, and shown in a print preview that the caller waits
// on, so the preview can be used while the calling window stays open.

#include "reports/reportcatalogue.h"

#include <QString>

class Prompter;
class QWidget;

namespace calledreport
{
// Prepares and runs `procedure` and shows its preview until the user closes it. A report
// that cannot be prepared or read is told through `prompter`; false then.
bool run(QWidget *parent, const QString &procedure, const ReportRequest &request, Prompter &prompter);
} // namespace calledreport
