#include "screens/brews/browsebrewslogic.h"

#include "calc/brewdates.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/picture.h"
#include "records/globals.h"

#include <QRegularExpression>
#include <algorithm>

namespace
{

struct TabInfo {
    const char *text;
    const char *tip;
    BrewKey key;
};

const TabInfo kTabs[BrowseBrewsLogic::kTabCount] = {
    { "&Batch", "Sort by...", BrewKey::KeyBrewNumber },
    { "&Record", "Sort by...", BrewKey::KeyRecord },
    { "&Kits/Recipes", "Sort by...", BrewKey::ByBrewKey },
    { "Da&te", "Sort by...", BrewKey::ByDateKey },
    { "&Quality", "Displays brews with a tasting score only", BrewKey::QualityKey },
};

QString show(const char *token, const Decimal &value) { return Picture(QString::fromLatin1(token)).text(value); }
QString show(const char *token, long long value) { return Picture(QString::fromLatin1(token)).text(value); }

} // namespace

QString BrowseBrewsLogic::tabText(BrowseTab tab) { return QString::fromLatin1(kTabs[int(tab)].text); }
QString BrowseBrewsLogic::tabTip(BrowseTab tab) { return QString::fromLatin1(kTabs[int(tab)].tip); }
BrewKey BrowseBrewsLogic::tabKey(BrowseTab tab) { return kTabs[int(tab)].key; }

QString BrowseBrewsLogic::alcoholPrompt(int alcBasedOn)
{
    if (alcBasedOn == 1)
        return QStringLiteral("%Alcohol (abv)");
    if (alcBasedOn == 0)
        return QStringLiteral("%Alcohol (abw)");
    return {};
}

std::optional<FieldValue> BrowseBrewsLogic::locatorValue(BrowseTab tab, const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    static const QRegularExpression number(QStringLiteral("^\\d{1,9}$"));
    switch (tab) {
    case BrowseTab::Batch:
    case BrowseTab::Record:
    case BrowseTab::Quality:
        if (!number.match(text).hasMatch())
            return std::nullopt;
        return std::int64_t(text.toLongLong());
    case BrowseTab::Kits:
        return typed;
    case BrowseTab::Date: {
        static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
        if (year.match(text).hasMatch()) {
            const int y = text.toInt();
            if (y < 1801)
                return std::nullopt;
            // Latest first: the last day of the year finds its latest brew.
            return std::int64_t(date::fromYmd(y, 12, 31));
        }
        const std::optional<date::Day> day = date::parseShort(text);
        if (!day || *day == 0)
            return std::nullopt;
        return std::int64_t(*day);
    }
    }
    return std::nullopt;
}

BrowseBrewsLogic::BrowseBrewsLogic(BrewsTable &table, Prompter &prompter, BrowseBrewsView &view, BrowseBrewsCalls calls)
    : m_table(table)
    , m_prompter(prompter)
    , m_view(view)
    , m_calls(std::move(calls))
    , m_model(table)
    , m_walk(m_model)
{
}

void BrowseBrewsLogic::open()
{
    m_stockFilter = glo().OPENATSTOCKONLY == 0 ? QStringLiteral("0") : QStringLiteral("1");
    m_alcPrompt = alcoholPrompt(glo().ALCBASEDON);
    m_tab = BrowseTab::Batch;
    resetList();
}

void BrowseBrewsLogic::selectTab(BrowseTab tab)
{
    m_tab = tab;
    resetList();
}

void BrowseBrewsLogic::setStockFilter(const QString &value)
{
    m_stockFilter = value;
    resetList();
    m_view.focusList();
}

QString BrowseBrewsLogic::countText() const { return show("N10B", static_cast<long long>(count())); }

void BrowseBrewsLogic::applyQualityRule()
{
    if (!m_qualityWarned)
        return;
    if (m_tab == BrowseTab::Quality) {
        m_stockFilterEnabled = false;
    } else {
        m_stockFilter = QStringLiteral("1");
        m_stockFilterEnabled = true;
        m_qualityWarned = false;
    }
}

bool BrowseBrewsLogic::checkEmptyQuality()
{
    if (m_model.rowCount() > 0 || m_tab != BrowseTab::Quality || m_qualityWarned)
        return false;
    m_prompter.tell(emptyQualityMessage());
    m_qualityWarned = true;
    m_stockFilterEnabled = false;
    return true;
}

bool BrowseBrewsLogic::report(const Result &result)
{
    if (result)
        return true;
    m_prompter.tell(messages::error(QStringLiteral("Browse Brews"), result.message()));
    return false;
}

void BrowseBrewsLogic::resetList()
{
    applyQualityRule();
    const Result read = m_walk.open(
        int(tabKey(m_tab)), m_stockFilter == QLatin1String("0") ? BrewsTable::inStockFilter() : Filter {});
    report(read);
    // The empty list is on screen before the message that tells why it is empty.
    refreshDetails();
    if (checkEmptyQuality())
        m_view.refresh();
}

void BrowseBrewsLogic::setVisibleRows(int rows)
{
    report(m_walk.setVisibleRows(rows));
    refreshDetails();
}

std::optional<BrewRecord> BrowseBrewsLogic::selected() const
{
    const Row *row = m_walk.selected();
    return row ? std::optional<BrewRecord>(m_table.fromRow(*row)) : std::nullopt;
}

void BrowseBrewsLogic::selectRow(int row)
{
    if (m_walk.selectRow(row))
        refreshDetails();
}

void BrowseBrewsLogic::afterMove(const Result &moved)
{
    report(moved);
    refreshDetails();
}

void BrowseBrewsLogic::move(Move move) { afterMove(m_walk.move(move)); }

void BrowseBrewsLogic::scroll(int rows) { afterMove(m_walk.scroll(rows)); }

void BrowseBrewsLogic::scrollToFraction(double fraction) { afterMove(m_walk.toFraction(fraction)); }

bool BrowseBrewsLogic::locate(const QString &typed)
{
    const std::optional<FieldValue> value = locatorValue(m_tab, typed);
    if (!value)
        return false;
    afterMove(m_walk.locate({ *value }));
    return true;
}

void BrowseBrewsLogic::refreshDetails()
{
    m_details = {};
    const std::optional<BrewRecord> brew = selected();
    if (!brew) {
        m_view.refresh();
        return;
    }
    const Globals &g = glo();
    const QString temperatureUnit = g.TEMPPROMPT == 0 ? QStringLiteral("F") : QStringLiteral("C");
    BrewDetails &d = m_details;
    d.heading = brew->BREWBATCHNAME.trimmed().isEmpty() ? brew->BREWKIT : brew->BREWBATCHNAME;
    d.tasting = show("N02B", brew->OVERALL);
    d.outOf = QStringLiteral("/50");
    d.sugar = show("N5.3B", brew->BREWSUGARKG);
    d.sugarUnit = g.UNITSPROMPT == 0 ? QStringLiteral("lbs") : QStringLiteral("kg");
    d.dateDown = date::shortText(brew->DATEDOWN);
    d.originalGravity = show("N4B", brew->ORIGINALGRAVITY);
    d.ogTemperature = brew->SPAREFIELD1.left(3);
    d.ogTemperatureUnit = temperatureUnit;
    d.dateBottled = date::shortText(brew->DATEBOTTLED);
    d.finalGravity = show("N4B", brew->FINALGRAVITY);
    d.fgTemperature = brew->SPAREFIELD2;
    d.fgTemperatureUnit = temperatureUnit;
    d.primaryDays = show("N2B", brew->BREWPERIOD);
    d.fermentationSeparator = QStringLiteral("/");
    d.secondaryDays = show("N2B", brew->BREWPERIOD2);
    d.alcohol = show("N5.2B", brew->ESTIMATEDALC);
    d.alcoholSuffix = QStringLiteral("% ");
    d.minUse = date::shortText(brew->MINUSE);
    d.maxUse = date::shortText(brew->MAXUSE);
    d.agedFor = brewdates::ageText(*brew, Clock::current().today());
    d.cost = show("N10.2B", brew->BREWCOST);
    d.bestMaturity = brew->SPAREFIELD4;
    if (brew->STOCKONHAND == QLatin1String("1"))
        d.stock = StockPicture::FullGlass;
    else if (brew->STOCKONHAND == QLatin1String("0"))
        d.stock = StockPicture::EmptyGlass;
    d.notes = brew->NOTES;
    d.notesBig = brew->NOTESBIG;
    m_view.refresh();
}

void BrowseBrewsLogic::rereadAt(const std::optional<BrewRecord> &target)
{
    afterMove(m_walk.reread(target ? std::optional<Row>(m_table.toRow(*target)) : std::nullopt));
    if (checkEmptyQuality())
        m_view.refresh();
}

void BrowseBrewsLogic::runForm(FormRequest request, BrewRecord buffer)
{
    const BrewRecord before = buffer;
    const bool done = m_calls.updateBrews(request, buffer);
    if (!done) {
        rereadAt(request == FormRequest::Insert ? std::optional<BrewRecord>() : std::optional<BrewRecord>(before));
        return;
    }
    // A deleted brew is gone: the brew after it takes its line.
    rereadAt(request == FormRequest::Delete ? before : buffer);
}

void BrowseBrewsLogic::add()
{
    if (canAdd())
        runForm(FormRequest::Insert, BrewRecord {});
}

void BrowseBrewsLogic::runFormOnSelected(FormRequest request)
{
    // The highlighted brew as the store holds it now (both memos, and the revision the form's
    // update must find); when another window deleted it meanwhile, the list is read again.
    Expected<std::optional<BrewRecord>> fresh = m_table.fetch(selected()->RECORDNUMBER);
    if (report(fresh.result()) && fresh->has_value())
        runForm(request, **fresh);
    else
        rereadAt(std::nullopt);
}

void BrowseBrewsLogic::edit()
{
    if (!canChange())
        return;
    glo().AGESTRING = m_details.agedFor;
    runFormOnSelected(FormRequest::Change);
}

void BrowseBrewsLogic::remove()
{
    if (canChange())
        runFormOnSelected(FormRequest::Delete);
}

void BrowseBrewsLogic::view()
{
    if (canChange())
        runFormOnSelected(FormRequest::View);
}

Message BrowseBrewsLogic::copyQuestion()
{
    return { QStringLiteral("Copy Brew..."),
        QStringLiteral("All the selected Brews details will be copied to a new brew record.||Useful if most of "
                       "the information is going to be the same for the new brew |but obviously some details "
                       "such as dates etc. will need to be revised."),
        MessageIcon::Information, QStringLiteral("C&opy|&Cancel"), 1 };
}

void BrowseBrewsLogic::copy()
{
    if (!canCopy())
        return;
    if (m_prompter.ask(copyQuestion()) != 1)
        return;
    // The new brew starts as the highlighted one, every field and both memos; the form gives it
    // its own record and batch numbers.
    runFormOnSelected(FormRequest::Insert);
}

void BrowseBrewsLogic::handOverBrew(const BrewRecord &brew)
{
    Globals &g = glo();
    g.GETKITNAME = brew.BREWKIT;
    g.GETBATCHNAME = brew.BREWBATCHNAME;
    g.GETBATCHNUMBER = brew.BATCHNUMBER;
}

void BrowseBrewsLogic::calculateCost()
{
    if (!canCalculateCost())
        return;
    handOverBrew(*selected());
    m_calls.calculateCost();
    refreshDetails();
}

void BrowseBrewsLogic::withAgeText(const std::function<void()> &call)
{
    glo().AGESTRING = m_details.agedFor;
    call();
    refreshDetails();
}

void BrowseBrewsLogic::print()
{
    if (canPrint())
        withAgeText(m_calls.printBrew);
}

void BrowseBrewsLogic::printNotes()
{
    if (canPrintNotes())
        withAgeText(m_calls.printNotes);
}

void BrowseBrewsLogic::printTastingSheet()
{
    if (canPrintTastingSheet())
        withAgeText(m_calls.printTastingSheet);
}

void BrowseBrewsLogic::printRecordSheet()
{
    if (canPrintRecordSheet())
        m_calls.printRecordSheet();
}

Message BrowseBrewsLogic::emptyQualityMessage()
{
    return messages::info(QStringLiteral("No records found..."),
        QStringLiteral("Only brews with a tasting score are listed|when the 'Quality' tab is selected."));
}

Message BrowseBrewsLogic::labelQuestion()
{
    return messages::question(QStringLiteral("Select type..."), QStringLiteral("Which label type would you like?"),
        QStringLiteral("Cre&ate|&Standard|&Cancel"), 2);
}

void BrowseBrewsLogic::printLabels()
{
    if (!canPrintLabels())
        return;
    const BrewRecord brew = *selected();
    handOverBrew(brew);
    Globals &g = glo();
    QString *lines[] = { &g.COMMENTLINE1, &g.COMMENTLINE2, &g.COMMENTLINE3, &g.COMMENTLINE4, &g.COMMENTLINE5 };
    const QString additives[] = { brew.ADDITIVE1, brew.ADDITIVE2, brew.ADDITIVE3, brew.ADDITIVE4, brew.ADDITIVE5 };
    for (int i = 0; i < 5; ++i) {
        QString line = additives[i];
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        *lines[i] = line;
    }
    const int answer = m_prompter.ask(labelQuestion());
    if (answer == 1)
        m_calls.createOwnLabels();
    else if (answer == 2)
        m_calls.createStandardLabels();
    refreshDetails();
}

Message BrowseBrewsLogic::exportQuestion(const QString &brewKit)
{
    return messages::question(brewKit,
        QStringLiteral("Would you like to View/Print a matching report?||This report can be very helpful for "
                       "identifying the fields in the CSV file."),
        QStringLiteral("&Print|&Skip Print|&Cancel"), 1);
}

Message BrowseBrewsLogic::exportAbortedMessage()
{
    return messages::info(QStringLiteral("Aborted by user..."), QStringLiteral("The CSV file has not been created"));
}

void BrowseBrewsLogic::exportCsv()
{
    if (!canExport())
        return;
    const BrewRecord brew = *selected();
    Globals &g = glo();
    // The selector holds 16 bits: a record number beyond them would pick another brew (or all
    // of them), so such a brew is not exported alone.
    if (brew.RECORDNUMBER > 32767) {
        m_prompter.tell(messages::warning(QStringLiteral("Export (CSV)"),
            QStringLiteral("This brew's record number is too high for an export of one brew.|"
                           "Export all brews from the File menu instead.")));
        return;
    }
    g.csvRecordSelector = std::int16_t(brew.RECORDNUMBER);
    const int answer = m_prompter.ask(exportQuestion(brew.BREWKIT));
    if (answer == 1) {
        m_calls.csvReport();
        m_calls.makeCsv();
    } else if (answer == 2) {
        m_calls.makeCsv();
    } else {
        g.csvRecordSelector = 0;
        m_prompter.tell(exportAbortedMessage());
    }
    refreshDetails();
}
