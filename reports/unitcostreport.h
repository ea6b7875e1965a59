#pragma once
// The printed breakdown of the cost calculator (Rpt_UnitCostCalculation): the
// eight costs, their total, the volume over the unit size and the cost of one
// unit, headed with the brew the calculator was opened for.

#include "records/globals.h"
#include "reports/reportcatalogue.h"

namespace unitcost
{

struct Particulars {
    QString kitName; // GLO:GETKITNAME
    QString batchName; // GLO:GETBATCHNAME
    int batchNumber = 0; // GLO:GETBATCHNUMBER
};
Particulars particularsFromGlobals();

PreparedReport report(const CostFigures &figures, const Particulars &particulars);

} // namespace unitcost
