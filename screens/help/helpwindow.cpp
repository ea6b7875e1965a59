#include "screens/help/helpwindow.h"

#include "screens/windowing/windowstatebinding.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QKeySequence>
#include <QShortcut>
#include <QSplitter>

HelpBrowser::HelpBrowser(QHelpEngine *engine, QWidget *parent)
    : QTextBrowser(parent)
    , m_engine(engine)
{
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QHelpEngine *engine, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Maltwright Help"));
    m_splitter = new QSplitter(this);
    QHelpContentWidget *contents = engine->contentWidget();
    m_contents = contents;
    m_browser = new HelpBrowser(engine, m_splitter);
    m_splitter->addWidget(contents);
    m_splitter->addWidget(m_browser);
    m_splitter->setStretchFactor(1, 3);
    // Titles are never cut short: the column is as wide as its longest title and scrolls beyond.
    contents->setTextElideMode(Qt::ElideNone);
    contents->header()->setStretchLastSection(false);
    contents->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    // The first level of the contents open, once the engine has read them.
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, contents, [this] {
        m_contents->expandToDepth(1);
        fitContents();
    });
    contents->expandToDepth(1);
    connect(contents, &QHelpContentWidget::linkActivated, m_browser,
        [this](const QUrl &url) { m_browser->setSource(url); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, [this] { close(); });
    escape->setContext(Qt::WindowShortcut);
    resize(900, 560);
    fitContents();
}

void HelpWindow::fitContents()
{
    m_contents->resizeColumnToContents(0);
    const int titles = m_contents->columnWidth(0) + m_contents->frameWidth() * 2 + 8;
    const int wanted = std::clamp(titles, 160, std::max(160, width() / 2));
    m_splitter->setSizes({ wanted, std::max(width() - wanted, 100) });
}

void HelpWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        // The first time it opens, it opens wholly on the screen, whatever its designed size.
        m_placed = true;
        WindowStateBinding::keepOnScreen(this);
        fitContents();
    }
}

void HelpWindow::showUrl(const QUrl &url) { m_browser->setSource(url); }

QUrl HelpWindow::currentUrl() const { return m_browser->source(); }
