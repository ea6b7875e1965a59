#include "screens/exchange/viewcsvfile.h"

#include "records/settings.h"
#include "screens/windowing/windowhost.h"
#include "screens/windowing/windowregistry.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kProcedure = QStringLiteral("ViewCSVFile");

} // namespace

ViewCsvFile::ViewCsvFile(QWidget *parent)
    : QDialog(parent)
    , m_prompter(this)
    , m_logic(settings::dataFolder(), m_prompter, *this)
{
    setWindowTitle(ViewCsvFileLogic::caption());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(m_logic.heading(), this);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_list = new QListView(this);
    m_list->setModel(&m_lines);
    // Every row the same height: the view lays out only what it paints, at any length.
    m_list->setUniformItemSizes(true);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_search = new QPushButton(QStringLiteral("&Search..."), this);
    m_saveAs = new QPushButton(QStringLiteral("Save as"), this);
    m_close = new QPushButton(QStringLiteral("&Close"), this);
    m_search->setVisible(m_logic.searchVisible());
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_search);
    buttons->addStretch();
    buttons->addWidget(m_saveAs);
    buttons->addWidget(m_close);
    layout->addWidget(m_heading);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(720, 420);
    connect(m_search, &QPushButton::clicked, this, &ViewCsvFile::askSearch);
    connect(m_saveAs, &QPushButton::clicked, this, [this] { m_logic.saveAs(); });
    connect(m_close, &QPushButton::clicked, this, [this] {
        if (m_logic.closeRequested())
            accept();
    });
}

ViewCsvFile::~ViewCsvFile()
{
    m_lines.clear();
    m_logic.closed();
}

bool ViewCsvFile::load()
{
    if (!m_lines.load(m_logic.sourcePath())) {
        m_search->setEnabled(false);
        m_prompter.tell({ QStringLiteral("File Error"),
            QStringLiteral("File %1 could not be opened.  Error: %2.")
                .arg(QDir::toNativeSeparators(m_logic.sourcePath()), m_lines.errorString()),
            MessageIcon::Error, {}, 1 });
        return false;
    }
    if (m_lines.rowCount() > 0)
        m_list->setCurrentIndex(m_lines.index(0));
    return true;
}

void ViewCsvFile::call(QWidget *parent)
{
    if (WindowHost::bringToFront(kProcedure))
        return;
    ViewCsvFile viewer(parent);
    WindowHost::setProcedure(&viewer, kProcedure);
    WindowRegistry::instance().add(kProcedure, &viewer);
    // Its position is not remembered: it opens at its own place and size.
    if (!viewer.load())
        return;
    viewer.exec();
}

void ViewCsvFile::focusSaveAs() { m_saveAs->setFocus(); }

void ViewCsvFile::focusClose() { m_close->setFocus(); }

QString ViewCsvFile::askSaveName(const QString &title, const QString &filter, const QString &suggested, QString *error)
{
    Q_UNUSED(error);
    // "CSV files|*.csv": a description and its pattern, as the dialog writes it.
    const QStringList parts = filter.split(QLatin1Char('|'));
    const QString qtFilter = parts.size() == 2 ? QStringLiteral("%1 (%2)").arg(parts[0], parts[1]) : filter;
    return QFileDialog::getSaveFileName(this, title, suggested, qtFilter);
}

void ViewCsvFile::search(const QString &text)
{
    if (text.isEmpty())
        return;
    const int current = m_list->currentIndex().isValid() ? m_list->currentIndex().row() : 0;
    // Searching again for the same text moves on from the line already found.
    const int from
        = text == m_lastSearch && m_lines.line(current).contains(text, Qt::CaseInsensitive) ? current + 1 : current;
    m_lastSearch = text;
    const int row = m_lines.find(text, from >= m_lines.rowCount() ? 0 : from);
    if (row < 0) {
        m_prompter.tell({ QStringLiteral("Search"), QStringLiteral("\"%1\" was not found.").arg(text),
            MessageIcon::Information, {}, 1 });
        return;
    }
    const QModelIndex index = m_lines.index(row);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void ViewCsvFile::askSearch()
{
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, QStringLiteral("Search"), QStringLiteral("Find what:"), QLineEdit::Normal, m_lastSearch, &ok);
    if (ok)
        search(text);
    m_list->setFocus();
}
