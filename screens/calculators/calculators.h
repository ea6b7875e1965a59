#pragma once
// Opening the brewing calculators. Each is a called (modal) window; asking for
// one that is already open brings it to the front instead, except the
// hydrometer window, of which several may be open.

#include <functional>

class QWidget;

void openAlcCalculator(QWidget *parent); // Win_AlcCalculator
void openGravityCorrection(QWidget *parent); // Win_GravityCorrectionUtility
void openUnitConversions(QWidget *parent); // Win_UnitConversions
// Win_CalculateCost over glo().cost and the brew particulars as the caller left
// them; GLO:TOTALCOST holds the total when it returns.
void openCalculateCost(QWidget *parent);
void openSugarAlc(QWidget *parent); // Win_SugarAlc

// What " &Print" of the cost window starts instead of the printed breakdown (tests).
void setCostReportStarter(std::function<void()> starter);
