#include "screens/help/helpwindow.h"

#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
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
    auto *splitter = new QSplitter(this);
    QHelpContentWidget *contents = engine->contentWidget();
    m_browser = new HelpBrowser(engine, splitter);
    splitter->addWidget(contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    // The first level of the contents open, once the engine has read them.
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
        [contents] { contents->expandToDepth(1); });
    contents->expandToDepth(1);
    connect(contents, &QHelpContentWidget::linkActivated, m_browser,
        [this](const QUrl &url) { m_browser->setSource(url); });
    resize(820, 560);
}

void HelpWindow::showUrl(const QUrl &url) { m_browser->setSource(url); }

QUrl HelpWindow::currentUrl() const { return m_browser->source(); }
