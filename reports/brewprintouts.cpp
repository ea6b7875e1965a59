#include "reports/brewprintouts.h"

#include "calc/brewdates.h"
#include "records/brewstable.h"
#include "records/globals.h"
#include "reports/bottlelabels.h"
#include "reports/singlebrewreports.h"
#include "reports/unitcostreport.h"

namespace brewprintouts
{

namespace
{

const QString kSelected = QStringLiteral("Rpt_SingleSelectedBrewOnly");
const QString kNotes = QStringLiteral("Rpt_SingleSelectedBrewsDetailedNotes");
const QString kTasting = QStringLiteral("Rpt_TastingScoreSheet");
const QString kTastingPlain = QStringLiteral("Rpt_TastingScoreSheetNoBrew");
const QString kRecordSheet = QStringLiteral("Rpt_BrewingRecordSheet");
const QString kStandardLabels = QStringLiteral("Rpt_BottleLabStandard");
const QString kOwnLabels = QStringLiteral("Rpt_BottleLabCreate");
const QString kUnitCost = QStringLiteral("Rpt_UnitCostCalculation");

Expected<PreparedReport> failure(const QString &message) { return Expected<PreparedReport>::failure(message); }

QString trimmedRight(QString s)
{
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

} // namespace

QStringList names()
{
    return { kSelected, kNotes, kTasting, kTastingPlain, kRecordSheet, kStandardLabels, kOwnLabels, kUnitCost };
}

bool exists(const QString &procedure) { return names().contains(procedure); }

bool needsBrew(const QString &procedure)
{
    return procedure == kSelected || procedure == kNotes || procedure == kTasting || procedure == kStandardLabels
        || procedure == kOwnLabels;
}

bool isLabels(const QString &procedure) { return procedure == kStandardLabels || procedure == kOwnLabels; }

Expected<PreparedReport> prepare(const QString &procedure, const ReportRequest &request)
{
    if (!exists(procedure))
        return failure(QStringLiteral("There is no report named %1.").arg(procedure));
    if (request.rangeGiven)
        return failure(QStringLiteral("%1 takes no batch range; only Rpt_ByBatchNoSelRange does.").arg(procedure));
    if (request.record != 0 && !needsBrew(procedure))
        return failure(QStringLiteral("%1 prints no particular brew; it takes no record number.").arg(procedure));
    const bool labels = isLabels(procedure);
    if (request.labels != 0 && !labels)
        return failure(QStringLiteral("%1 prints no labels; only Rpt_BottleLabStandard and Rpt_BottleLabCreate take a "
                                      "number of labels.")
                           .arg(procedure));
    if (request.labels < 0 || request.labels > 500)
        return failure(QStringLiteral("The number of labels must be from 1 to 500."));

    singlebrew::Options options = singlebrew::optionsFromGlobals();
    if (procedure == kTastingPlain)
        return singlebrew::tastingScoreSheetNoBrew(options);
    if (procedure == kRecordSheet)
        return singlebrew::brewingRecordSheet();
    if (procedure == kUnitCost)
        return unitcost::report(glo().cost, unitcost::particularsFromGlobals());

    if (request.record <= 0)
        return failure(QStringLiteral("%1 prints one brew: give its record number (--record N).").arg(procedure));
    BrewsTable table(request.dataFolder);
    if (Result opened = table.open(); !opened)
        return opened;
    Expected<std::optional<BrewRecord>> found = table.fetch(std::int32_t(request.record));
    if (!found)
        return found.result();
    if (!*found)
        return failure(QStringLiteral("There is no brew with record number %1.").arg(request.record));
    const BrewRecord &brew = **found;
    if (request.standalone)
        options.ageString = brewdates::ageText(brew, options.today);

    if (procedure == kSelected)
        return singlebrew::selectedBrewOnly(brew, options);
    if (procedure == kNotes)
        return singlebrew::detailedNotes(brew, options);
    if (procedure == kTasting) {
        // The sheet is read by batch number: a brew without one is not in that key and gets no
        // sheet, which is said rather than shown as an empty page.
        if (brew.BATCHNUMBER == 0)
            return failure(QStringLiteral("This brew has no batch number, so there is no tasting sheet for it."));
        Expected<std::optional<BrewRecord>> byBatch
            = table.fetch(BrewKey::KeyBrewNumber, { std::int64_t(brew.BATCHNUMBER) });
        if (!byBatch)
            return byBatch.result();
        return singlebrew::tastingScoreSheet(*byBatch, options);
    }

    bottlelabels::Options o = bottlelabels::optionsFromGlobals();
    if (request.standalone) {
        // What the browse's label button and the windows' openings would hand over.
        o.kitName = brew.BREWKIT;
        o.batchName = brew.BREWBATCHNAME;
        o.useKitName = true;
        o.header = brew.BREWKIT.left(35);
        o.body.clear();
        o.lines = { trimmedRight(brew.ADDITIVE1), trimmedRight(brew.ADDITIVE2), trimmedRight(brew.ADDITIVE3),
            trimmedRight(brew.ADDITIVE4), trimmedRight(brew.ADDITIVE5) };
        o.labels = 8;
    }
    if (request.labels > 0)
        o.labels = request.labels;
    if (o.labels < 1)
        o.labels = 8;
    return procedure == kStandardLabels ? bottlelabels::standard(brew, o) : bottlelabels::own(brew, o);
}

} // namespace brewprintouts
