#include "screens/exchange/rpt_csv_brewfile.h"

#include "platform/gui/messagebox.h"
#include "records/globals.h"
#include "records/settings.h"
#include "reports/csvbrewfilereport.h"
#include "reports/pagerenderer.h"
#include "reports/reportrun.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

void showCsvBrewFileReport(QWidget *parent)
{
    MessageBoxPrompter prompter(parent);
    Expected<csvbrewfile::Prepared> report = csvbrewfile::prepare(settings::dataFolder(), glo().csvRecordSelector);
    if (!report) {
        prompter.tell({ QStringLiteral("File Error"), report.message(), MessageIcon::Error, {}, 1 });
        return;
    }
    // One brew: the run is a single step.
    ReportRun run(report->description, report->source);
    Expected<bool> done(false);
    while (done && !*done)
        done = run.step();
    if (!done) {
        prompter.tell({ QStringLiteral("Rpt_CSV_BrewFile"), done.message(), MessageIcon::Error, {}, 1 });
        return;
    }
    const std::unique_ptr<PageDocument> document = run.document();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(document->title());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *target) {
        QPainter painter(target);
        const Result r = pagerender::paintPages(painter, *target, *document);
        if (!r)
            prompter.tell({ QStringLiteral("Rpt_CSV_BrewFile"), r.message(), MessageIcon::Error, {}, 1 });
    });
    preview.exec();
}
