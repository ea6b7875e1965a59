#include "reports/reportcatalogue.h"

#include "platform/clock.h"
#include "records/globals.h"
#include "reports/brewlistreports.h"
#include "reports/brewprintouts.h"
#include "reports/cataloguereports.h"

namespace reportcatalogue
{

QStringList names()
{
    QStringList list;
    for (const BrewListMember &m : brewlist::members())
        list << m.procedure;
    list << cataloguereports::names();
    return list + brewprintouts::names();
}

bool exists(const QString &procedure) { return names().contains(procedure); }

bool takesRange(const QString &procedure)
{
    const BrewListMember *m = brewlist::find(procedure);
    return m && m->range;
}

Expected<PreparedReport> prepare(const QString &procedure, const ReportRequest &request)
{
    if (brewprintouts::exists(procedure))
        return brewprintouts::prepare(procedure, request);
    if (cataloguereports::exists(procedure)) {
        if (request.rangeGiven)
            return Expected<PreparedReport>::failure(
                QStringLiteral("%1 prints the whole list; only Rpt_ByBatchNoSelRange takes a batch range.")
                    .arg(procedure));
        const date::Day today = glo().THISDAY ? glo().THISDAY : Clock::current().today();
        return PreparedReport { procedure, cataloguereports::description(procedure, today),
            cataloguereports::source(procedure, request.dataFolder) };
    }
    const BrewListMember *member = brewlist::find(procedure);
    if (!member)
        return Expected<PreparedReport>::failure(QStringLiteral("There is no report named %1.").arg(procedure));
    if (request.record != 0 || request.labels != 0)
        return Expected<PreparedReport>::failure(
            QStringLiteral("%1 lists brews; it takes no record number and no number of labels.").arg(procedure));
    brewlist::Options options = brewlist::optionsFromGlobals();
    if (member->range) {
        if (request.rangeGiven) {
            options.from = request.from;
            options.to = request.to;
        }
        if (std::optional<QString> error = brewlist::rangeError(options.from, options.to))
            return Expected<PreparedReport>::failure(*error);
    } else if (request.rangeGiven) {
        return Expected<PreparedReport>::failure(
            QStringLiteral("%1 prints every brew it selects; only Rpt_ByBatchNoSelRange takes a batch range.")
                .arg(procedure));
    }
    return PreparedReport { procedure, brewlist::description(*member, options),
        brewlist::source(*member, request.dataFolder, options) };
}

} // namespace reportcatalogue
