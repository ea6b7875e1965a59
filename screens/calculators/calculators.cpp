#include "screens/calculators/calculators.h"

#include "records/globals.h"
#include "screens/calculators/win_alccalculator.h"
#include "screens/calculators/win_calculatecost.h"
#include "screens/calculators/win_gravitycorrection.h"
#include "screens/calculators/win_sugaralc.h"
#include "screens/calculators/win_unitconversions.h"
#include "screens/windowing/windowhost.h"

namespace
{

std::function<void()> &reportStarter()
{
    static std::function<void()> starter;
    return starter;
}

} // namespace

void setCostReportStarter(std::function<void()> starter) { reportStarter() = std::move(starter); }

void openAlcCalculator(QWidget *parent)
{
    WindowHost::callOnce(
        Win_AlcCalculator::kProcedure, [parent] { return std::make_unique<Win_AlcCalculator>(parent); });
}

void openGravityCorrection(QWidget *parent)
{
    // Each request opens a window of its own.
    Win_GravityCorrectionUtility window(glo().TEMPPROMPT != 0, parent);
    WindowHost::call(&window, Win_GravityCorrectionUtility::kProcedure, WindowStateBinding::FixedSize, false);
}

void openUnitConversions(QWidget *parent)
{
    WindowHost::callOnce(
        Win_UnitConversions::kProcedure, [parent] { return std::make_unique<Win_UnitConversions>(parent); });
}

void openCalculateCost(QWidget *parent)
{
    // An open cost window keeps its figures; this request ends at once.
    WindowHost::callOnce(Win_CalculateCost::kProcedure,
        [parent] { return std::make_unique<Win_CalculateCost>(glo(), reportStarter(), parent); });
}

void openSugarAlc(QWidget *parent)
{
    WindowHost::callOnce(
        Win_SugarAlc::kProcedure, [parent] { return std::make_unique<Win_SugarAlc>(glo().ALCBASEDON == 1, parent); });
}
