#include "app/reportcommand.h"

#include "platform/clock.h"
#include "platform/recordstore.h"
#include "platform/timeslicedrun.h"
#include "records/brewstable.h"
#include "records/globals.h"
#include "records/settings.h"
#include "reports/brewprintouts.h"
#include "reports/cataloguereports.h"
#include "reports/pagerenderer.h"
#include "reports/reportcatalogue.h"
#include "reports/reportrun.h"

#include <QFileInfo>

int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err)
{
    if (!reportcatalogue::exists(line.reportName)) {
        err << "maltwright: there is no report named " << line.reportName
            << "\nReports: " << reportcatalogue::names().join(QStringLiteral(", ")) << "\n";
        return 2;
    }
    if (!QFileInfo(line.dataFolder).isDir()) {
        err << "maltwright: the data folder " << line.dataFolder << " does not exist\n";
        return 1;
    }
    // A report only reads: it never leaves a new empty store behind in a folder without one.
    const bool catalogue = cataloguereports::exists(line.reportName);
    const QString store = catalogue ? cataloguereports::storeFile(line.reportName, line.dataFolder)
                                    : RecordStore::filePath(BrewsTable::definition(), line.dataFolder);
    if (!QFileInfo::exists(store)) {
        err << "maltwright: the data folder " << line.dataFolder << " holds no "
            << (catalogue ? cataloguereports::recordsNoun(line.reportName) : QStringLiteral("brew log")) << " ("
            << QFileInfo(store).fileName() << " is missing)\n";
        return 1;
    }

    settings::setDataFolder(line.dataFolder);
    settings::loadFrameSettings();
    glo().THISDAY = Clock::current().today();

    ReportRequest request;
    request.dataFolder = line.dataFolder;
    request.rangeGiven = line.rangeGiven;
    request.from = line.from;
    request.to = line.to;
    request.record = line.record;
    request.labels = line.labels;
    request.standalone = true;
    Expected<PreparedReport> report = reportcatalogue::prepare(line.reportName, request);
    if (!report) {
        err << "maltwright: " << report.message() << "\n";
        return 2;
    }
    ReportRun run(report->description, report->source);
    if (Result done = TimeSlicedRun::runToEnd([&run] { return run.step(); }); !done) {
        err << "maltwright: " << done.message() << "\n";
        return 1;
    }
    const std::unique_ptr<PageDocument> document = run.document();
    if (line.reportName == QLatin1String("Rpt_ShoppingList") && document->recordCount() == 0) {
        err << "maltwright: " << cataloguereports::noItemsText() << "\n";
        return 1;
    }
    if (Result written = pagerender::writePdf(*document, line.pdfPath); !written) {
        err << "maltwright: " << written.message() << "\n";
        return 1;
    }
    out << line.reportName << ": ";
    if (brewprintouts::isLabels(line.reportName))
        out << document->recordCount() << " labels on ";
    else if (catalogue)
        out << document->recordCount() << " " << cataloguereports::recordsNoun(line.reportName) << " on ";
    else if (!brewprintouts::exists(line.reportName))
        out << document->recordCount() << " brews on ";
    out << document->pageCount() << (document->pageCount() == 1 ? " page" : " pages") << " written to " << line.pdfPath
        << "\n";
    return 0;
}
