#pragma once
// The catalogue reports: the kits/recipes list (Rpt_KitsRecipes), the shopping list with its
// totals line (Rpt_ShoppingList) and the web links (Rpt_WebLinks). Each reads its table through
// one key on a handle of its own and changes nothing.

#include "platform/date.h"
#include "reports/reportdescription.h"
#include "reports/reportsource.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace cataloguereports
{

QStringList names();
bool exists(const QString &procedure);
// The store file the report reads, in `dataFolder`.
QString storeFile(const QString &procedure, const QString &dataFolder);
// What one detail band prints, for the report command's count ("kits", "items", "links").
QString recordsNoun(const QString &procedure);

// `today` is GLO:THISDAY, printed in the headers of the kits and shopping reports.
ReportDescription description(const QString &procedure, date::Day today);
std::shared_ptr<ReportSource> source(const QString &procedure, const QString &dataFolder);

// The shopping list's item line: item number, description, size, quantity, price, amount.
enum ShoppingValue { ItemNumber, Item, Size, Qty, Price, Amount };
// Its totals line: the count of unpriced items, the note about them, the grand total.
enum ShoppingTotal { CountNoPrice, NoPrice, BatchTotal };

// The shopping list's message when it has no item to print (also on a run cancelled before the
// first item).
QString noItemsText(); // "There are no items to print."
QString noItemsCaption(); // "No records..."

} // namespace cataloguereports
