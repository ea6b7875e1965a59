#include "screens/windowing/windowcatalogue.h"

#include "screens/brews/browsebrews.h"
#include "screens/calculators/calculators.h"
#include "screens/calculators/win_alccalculator.h"
#include "screens/calculators/win_calculatecost.h"
#include "screens/calculators/win_gravitycorrection.h"
#include "screens/calculators/win_sugaralc.h"
#include "screens/calculators/win_unitconversions.h"
#include "screens/exchange/makecsv.h"
#include "screens/exchange/win_backupdata.h"
#include "screens/frame/win_about.h"
#include "screens/kits/browsekitsrecipes.h"
#include "screens/shopping/browseshoppinglist.h"
#include "screens/weblinks/browseweblinks.h"

WindowCatalogue &WindowCatalogue::instance()
{
    static WindowCatalogue catalogue = [] {
        // Every window of the program that is opened by name, once each.
        WindowCatalogue c;
        c.add(BrowseBrews::kProcedure, [](QWidget *) { openBrowseBrews(); });
        c.add(BrowseKitsRecipes::kProcedure, &openBrowseKitsRecipes);
        c.add(BrowseShoppingList::kProcedure, &openBrowseShoppingList);
        c.add(BrowseWebLinks::kProcedure, &openBrowseWebLinks);
        c.add(Win_About::kProcedure, [](QWidget *) { Win_About::start(); });
        c.add(Win_AlcCalculator::kProcedure, &openAlcCalculator);
        c.add(Win_CalculateCost::kProcedure, &openCalculateCost);
        c.add(Win_GravityCorrectionUtility::kProcedure, &openGravityCorrection);
        c.add(Win_SugarAlc::kProcedure, &openSugarAlc);
        c.add(Win_UnitConversions::kProcedure, &openUnitConversions);
        c.add(QStringLiteral("MakeCSV"), &startMakeCsv);
        c.add(QStringLiteral("Win_BackupData"), &openBackupData);
        return c;
    }();
    return catalogue;
}

void WindowCatalogue::add(const QString &procedure, Opener opener) { m_openers.insert(procedure, std::move(opener)); }

bool WindowCatalogue::open(const QString &procedure, QWidget *caller) const
{
    const Opener opener = m_openers.value(procedure);
    if (!opener)
        return false;
    opener(caller);
    return true;
}
