#pragma once
// Bottle labels for one brew, eight to an A4 sheet (two across, four down): the
// standard label with its heading and batch number in large type, and the own
// label with the heading, body and five lines the brewer typed.

#include "records/brewrecord.h"
#include "reports/reportcatalogue.h"

#include <QString>
#include <array>

namespace bottlelabels
{

struct Options {
    int labels = 8; // GLO:HOWMANYLABELS
    int alcBasedOn = 0; // GLO:ALCBASEDON
    // Standard labels: the heading (GLO:GETKITNAME when the description choice is 1,
    // GLO:GETBATCHNAME when it is 0).
    QString kitName, batchName;
    bool useKitName = true;
    // Own labels: GLO:LABELHEADER, GLO:LABELBODY, GLO:COMMENTLINE1 to 5.
    QString header, body;
    std::array<QString, 5> lines;
};
Options optionsFromGlobals();

// LOC:ALCSTRG of a label: "Alc/Vol." by volume (1), "Alc/Wgt." by weight (0), else blank.
QString alcoholCaption(int alcBasedOn);
// LOC:PRINTBATCH: "Brew Batch No. 7" on a standard label, "Batch No. 7" on an own label.
QString standardBatchText(int batchNumber);
QString ownBatchText(int batchNumber);

PreparedReport standard(const BrewRecord &brew, const Options &options);
PreparedReport own(const BrewRecord &brew, const Options &options);

} // namespace bottlelabels
