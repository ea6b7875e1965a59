#include "screens/calculators/calculators.h"

#include "platform/gui/messagebox.h"
#include "records/globals.h"
#include "records/settings.h"
#include "screens/calculators/win_alccalculator.h"
#include "screens/calculators/win_calculatecost.h"
#include "screens/calculators/win_gravitycorrection.h"
#include "screens/calculators/win_sugaralc.h"
#include "screens/calculators/win_unitconversions.h"
#include "screens/printing/calledreport.h"
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
    // " &Print" shows the printed breakdown over the window, which stays open for it.
    QDialog *shownOver = nullptr;
    MessageBoxPrompter prompter(parent);
    std::function<void()> starter = reportStarter();
    if (!starter)
        starter = [&shownOver, &prompter] {
            ReportRequest request;
            request.dataFolder = settings::dataFolder();
            calledreport::run(shownOver, QStringLiteral("Rpt_UnitCostCalculation"), request, prompter);
        };
    Win_CalculateCost window(glo(), starter, parent);
    shownOver = &window;
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
