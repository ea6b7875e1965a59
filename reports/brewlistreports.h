#pragma once
// The brew list reports: the log printed one two-line entry per brew, in ten orders
// and selections, all on one layout (the two tasting-score members on a variant that
// puts the score first). Each member is named by its procedure name.

#include "platform/date.h"
#include "records/brewstable.h"
#include "reports/reportdescription.h"
#include "reports/reportsource.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct BrewListMember {
    QString procedure;
    QString title;
    BrewKey key = BrewKey::KeyBrewNumber;
    bool inStock = false; // only brews with ALE:STOCKONHAND = 1
    bool range = false; // batch numbers from GLO:PrintFrom to GLO:PrintTo
    bool tasting = false; // the score-first layout
    bool kitName = false; // the name column shows ALE:BREWKIT itself
    bool costNote = false; // the note beside the title about brews without a cost
    bool resetsRange = false; // sets GLO:PrintFrom and GLO:PrintTo back to 0 on close
};

namespace brewlist
{

const std::vector<BrewListMember> &members();
const BrewListMember *find(const QString &procedure);

// What a run takes from the program-wide values when it opens.
struct Options {
    bool metric = true; // GLO:UNITSPROMPT
    bool celsius = true; // GLO:TEMPPROMPT
    bool byVolume = true; // GLO:ALCBASEDON
    date::Day today = 0; // GLO:THISDAY
    int from = 0; // GLO:PrintFrom, the range member only
    int to = 0; // GLO:PrintTo
};
Options optionsFromGlobals();

// The values of one brew's detail band, in this order.
enum Value {
    BatchNumber,
    Name,
    Yeast,
    MinUse,
    MaxUse,
    Overall,
    BrewSugar,
    PrimerSugar,
    DateDown,
    DateBottled,
    Cost,
    Period,
    Period2,
    Temp,
    OriginalGravity,
    FinalGravity,
    Gravity,
    AlcText,
    ValueCount
};

ReportDescription description(const BrewListMember &member, const Options &options);
QStringList values(const BrewListMember &member, const BrewRecord &brew, const Options &options);
// The member's read of the Brews table in the data folder, on a handle of its own.
std::shared_ptr<ReportSource> source(const BrewListMember &member, const QString &dataFolder, const Options &options);

// The checks of a chosen batch range, in order: the message of the first that fails, or nothing.
std::optional<QString> rangeError(int from, int to);

} // namespace brewlist
