#pragma once
// Rpt_CSV_BrewFile, the field identifier of the brew export: one page for the highlighted
// brew that labels each of its values in the order of the export's columns.

#include "records/brewrecord.h"
#include "reports/reportdescription.h"
#include "reports/reportsource.h"

#include <QString>
#include <memory>

namespace csvbrewfile
{

// The values of the detail band, in this order.
enum Value {
    RecordNumber,
    BatchNumber,
    BrewKit,
    BatchName,
    SugarType,
    SugarKg,
    Water,
    Yeast,
    DateDown,
    OriginalGravity,
    Temp1,
    StockYesNo, // LOC:STOCKYN
    Additive1,
    Additive2,
    Additive3,
    Additive4,
    Additive5,
    PrimerType,
    PrimerKg,
    BrewTemp,
    DateBottled,
    MinUse,
    MaxUse,
    Period,
    Period2,
    FinalGravity,
    Temp2,
    Alcohol,
    Appearance,
    Aroma,
    Taste,
    Overall,
    Maturity,
    Cost,
    ValueCount
};

// The layout; the page header names `brewKit` (the header shows no record's values).
ReportDescription description(const QString &brewKit = {});
QStringList values(const BrewRecord &brew);
struct Prepared {
    ReportDescription description;
    std::shared_ptr<ReportSource> source;
};
// The report of the brew with `recordNumber` in the Brews table of the data folder (a bare
// page when there is none); the failure when the table cannot be read.
Expected<Prepared> prepare(const QString &dataFolder, std::int32_t recordNumber);

} // namespace csvbrewfile
