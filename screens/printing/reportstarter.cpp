#include "screens/printing/reportstarter.h"

#include "platform/prompter.h"
#include "records/globals.h"
#include "records/settings.h"
#include "reports/brewlistreports.h"
#include "reports/reportcatalogue.h"
#include "reports/reportrun.h"
#include "screens/printing/printpreview.h"
#include "screens/printing/progresswindow.h"

namespace reportstarter
{

bool knows(const QString &procedure) { return reportcatalogue::exists(procedure); }

void start(const QString &procedure, Prompter &prompter)
{
    // The members that set the batch range back to 0 when they close, whichever way they end.
    const BrewListMember *member = brewlist::find(procedure);
    const bool resets = member && member->resetsRange;
    auto closed = [resets] {
        if (resets) {
            glo().PrintFrom = 0;
            glo().PrintTo = 0;
        }
    };

    ReportRequest request;
    request.dataFolder = settings::dataFolder();
    Expected<PreparedReport> report = reportcatalogue::prepare(procedure, request);
    if (!report) {
        prompter.tell(Message { procedure, report.message(), MessageIcon::Error, {}, 1 });
        closed();
        return;
    }
    auto run = std::make_shared<ReportRun>(report->description, report->source);
    ProgressWindow::Options options;
    options.procedure = procedure;
    options.percent = [run] { return run->percent(); };
    ProgressWindow::run(
        options, [run] { return run->step(); }, prompter,
        [run, closed, &prompter](ProgressWindow::Outcome outcome) {
            if (outcome != ProgressWindow::Outcome::Done) {
                closed();
                return;
            }
            PrintPreview::open(run->document(), prompter, closed);
        });
}

} // namespace reportstarter
