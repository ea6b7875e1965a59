#pragma once
// The printouts of one brew and the sheets filled in by hand: the selected brew's
// page, its detailed notes, the tasting score sheet with and without a brew, and
// the brewing record sheet. Each is a one-page layout (the detailed notes go on
// over further pages when they do not fit their box) over the brew read from the
// store.

#include "records/brewrecord.h"
#include "reports/reportcatalogue.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace singlebrew
{

// The values the layouts take from the settings and the browse.
struct Options {
    bool metric = false; // GLO:UNITSPROMPT not 0
    bool celsius = false; // GLO:TEMPPROMPT not 0
    bool byVolume = false; // GLO:ALCBASEDON not 0
    QString ageString; // GLO:AGESTRING, as the browse composed it
    date::Day today = 0; // GLO:THISDAY
};
Options optionsFromGlobals();

// LOC:BATCHNAME2 / LOC:BREWDESCRIPTION: the batch name, or the kit/recipe name when there is none.
QString batchName2(const BrewRecord &brew);
// LOC:OTEMP / LOC:FTEMP: a reading above 0 with its unit letter, cut to 4 characters
// ("18 F", "120 "); blank for a blank, zero or unreadable reading.
QString temperatureText(const QString &reading, bool celsius);
// LOC:ALCSTRG of the selected-brew page.
QString alcoholCaption(bool byVolume);

// The score sheets' sections: their caption, items and the section's maximum.
struct ScoreSection {
    QString caption;
    QStringList items;
    int maximum;
};
const std::vector<ScoreSection> &scoreSections();

PreparedReport selectedBrewOnly(const BrewRecord &brew, const Options &options);
PreparedReport detailedNotes(const BrewRecord &brew, const Options &options);
// No brew (a brew with batch number 0 is not in the batch key) gives no sheet.
PreparedReport tastingScoreSheet(const std::optional<BrewRecord> &brew, const Options &options);
PreparedReport tastingScoreSheetNoBrew(const Options &options);
PreparedReport brewingRecordSheet();

// The notes cut into pieces that each fit a box of the given size (millimetres) in
// the given font; formatting is kept in every piece.
QStringList notesPieces(const QString &notes, const FontSpec &font, double widthMm, double heightMm);

} // namespace singlebrew
