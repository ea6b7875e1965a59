#include "screens/exchange/viewcsvfilelogic.h"

#include "exchange/csvexport.h"
#include "exchange/databackup.h"
#include "platform/picture.h"
#include "records/globals.h"

#include <QDir>
#include <QFileInfo>

namespace
{

QString withoutTrailingSpaces(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// A kit name as a file name: characters no file name may hold become dashes.
QString suggestedName(const QString &kit)
{
    QString name = withoutTrailingSpaces(kit);
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('-');
    return name;
}

} // namespace

ViewCsvFileLogic::ViewCsvFileLogic(QString dataFolder, Prompter &prompter, ViewCsvFileView &view)
    : m_folder(std::move(dataFolder))
    , m_prompter(prompter)
    , m_view(view)
{
}

QString ViewCsvFileLogic::sourcePath() const { return CsvExport::filePath(m_folder); }

QString ViewCsvFileLogic::heading() const { return Picture(QStringLiteral("s45")).text(glo().CSVFILENAME); }

bool ViewCsvFileLogic::searchVisible() const { return glo().csvRecordSelector <= 0; }

Message ViewCsvFileLogic::saveQuestion()
{
    return { QStringLiteral("File not saved?"), QStringLiteral("Do you want to save this file?"), MessageIcon::Question,
        QStringLiteral("&Yes|&No"), 1 };
}

void ViewCsvFileLogic::saveAs()
{
    const QString kit = suggestedName(glo().CSVFILENAME);
    const QString suggested = kit.isEmpty() ? m_folder : QDir(m_folder).filePath(kit);
    QString error;
    QString name = withoutTrailingSpaces(
        m_view.askSaveName(QStringLiteral("File to save to"), QStringLiteral("CSV files|*.csv"), suggested, &error));
    if (!error.isEmpty()) {
        m_prompter.tell({ QStringLiteral("debug"), QStringLiteral("Error [%1]").arg(error), MessageIcon::None, {}, 1 });
    } else if (!name.isEmpty()) {
        // A name typed without an ending gets the one the dialog offers, and the message
        // names the file as it was made.
        if (QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".csv");
        const Result r = DataBackup::copyFile(sourcePath(), name);
        if (r) {
            m_saved = true;
            m_prompter.tell(
                { QStringLiteral("File saved..."), QDir::toNativeSeparators(name), MessageIcon::Information, {}, 1 });
        } else {
            m_saved = false;
            m_prompter.tell({ QStringLiteral("Error..."),
                QStringLiteral("Problem saving? %1||%2").arg(QDir::toNativeSeparators(name), r.message()),
                MessageIcon::Error, {}, 1 });
        }
    }
    m_view.focusClose();
}

bool ViewCsvFileLogic::closeRequested()
{
    if (m_saved)
        return true;
    if (m_prompter.ask(saveQuestion()) == 1) {
        m_view.focusSaveAs();
        return false;
    }
    return true;
}

void ViewCsvFileLogic::closed()
{
    Globals &g = glo();
    g.csvRecordSelector = 0;
    g.CSVFILENAME.clear();
    m_saved = false;
}
