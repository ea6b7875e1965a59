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
    const QString procedure = QStringLiteral("Win_AlcCalculator");
    if (WindowHost::bringToFront(procedure))
        return;
    Win_AlcCalculator window(parent);
    WindowHost::call(&window, procedure);
}

void openGravityCorrection(QWidget *parent)
{
    // Each request opens a window of its own.
    Win_GravityCorrectionUtility window(glo().TEMPPROMPT != 0, parent);
    WindowHost::call(&window, QStringLiteral("Win_GravityCorrectionUtility"), WindowStateBinding::FixedSize, false);
}

void openUnitConversions(QWidget *parent)
{
    const QString procedure = QStringLiteral("Win_UnitConversions");
    if (WindowHost::bringToFront(procedure))
        return;
    Win_UnitConversions window(parent);
    WindowHost::call(&window, procedure);
}

void openCalculateCost(QWidget *parent)
{
    const QString procedure = QStringLiteral("Win_CalculateCost");
    // An open cost window keeps its figures; this request ends at once.
    if (WindowHost::bringToFront(procedure))
        return;
    Win_CalculateCost window(glo(), reportStarter(), parent);
    WindowHost::call(&window, procedure);
}

void openSugarAlc(QWidget *parent)
{
    const QString procedure = QStringLiteral("Win_SugarAlc");
    if (WindowHost::bringToFront(procedure))
        return;
    Win_SugarAlc window(glo().ALCBASEDON == 1, parent);
    WindowHost::call(&window, procedure);
}
