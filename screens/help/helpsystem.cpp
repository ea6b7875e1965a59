#include "screens/help/helpsystem.h"

#include "platform/messages.h"
#include "platform/prompter.h"
#include "screens/help/helpwindow.h"
#include "screens/windowing/windowhost.h"
#include "screens/windowing/windowregistry.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QThread>

namespace
{

HelpSystem *g_instance = nullptr;
const QString kStampKey = QStringLiteral("maltwright/qchStamp");

// Identifies one build of the pages, so a rebuilt file is registered afresh.
QString stampOf(const QString &path)
{
    const QFileInfo fi(path);
    return QString::number(fi.size()) + QLatin1Char(':') + QString::number(fi.lastModified().toMSecsSinceEpoch());
}

} // namespace

HelpSystem::HelpSystem(const QString &qchPath, const QString &collectionPath, Prompter *prompter, QObject *parent)
    : QObject(parent)
    , m_qchPath(QFileInfo(qchPath).absoluteFilePath())
    , m_collectionPath(collectionPath)
    , m_prompter(prompter)
{
}

bool HelpSystem::ready() const
{
    // Set up at the first use, so that starting the program does not wait for it.
    if (!m_setUp) {
        m_setUp = true;
        const_cast<HelpSystem *>(this)->setUp();
    }
    return m_error.isEmpty();
}

void HelpSystem::setUp()
{
    const QString &qch = m_qchPath;
    if (!QFileInfo::exists(qch)) {
        m_error = tr("The help file %1 is missing.").arg(QDir::toNativeSeparators(qch));
        return;
    }
    QDir().mkpath(QFileInfo(m_collectionPath).absolutePath());
    m_engine = new QHelpEngineCore(m_collectionPath, this);
    m_engine->setReadOnly(false);
    m_engine->setUsesFilterEngine(true);
    if (!m_engine->setupData()) {
        m_error = m_engine->error();
        return;
    }
    m_namespace = QHelpEngineCore::namespaceName(qch);
    if (m_namespace.isEmpty()) {
        m_error = tr("The help file %1 cannot be read.").arg(QDir::toNativeSeparators(qch));
        return;
    }
    // The collection caches contents and keywords: a moved or rebuilt file is registered again.
    const bool current = m_engine->registeredDocumentations().contains(m_namespace)
        && QFileInfo(m_engine->documentationFileName(m_namespace)).absoluteFilePath() == qch
        && m_engine->customValue(kStampKey).toString() == stampOf(qch);
    if (!current) {
        if (m_engine->registeredDocumentations().contains(m_namespace))
            m_engine->unregisterDocumentation(m_namespace);
        if (!m_engine->registerDocumentation(qch)) {
            m_error = m_engine->error();
            return;
        }
        m_engine->setCustomValue(kStampKey, stampOf(qch));
    }
}

HelpSystem::~HelpSystem()
{
    delete m_window;
    if (m_viewerEngine) {
        // The engine reads its contents and index on threads of its own; it must not
        // be destroyed under them (a quick exit after opening the help window).
        QElapsedTimer waited;
        waited.start();
        while ((m_viewerEngine->contentModel()->isCreatingContents() || m_viewerEngine->indexModel()->isCreatingIndex())
            && waited.elapsed() < 10000)
            QThread::msleep(5);
    }
    if (g_instance == this)
        g_instance = nullptr;
}

QString HelpSystem::defaultQchPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/MWhelp.qch"); }

QString HelpSystem::defaultCollectionPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/MWhelp.qhc");
}

HelpSystem *HelpSystem::instance() { return g_instance; }

void HelpSystem::setInstance(HelpSystem *help) { g_instance = help; }

QUrl HelpSystem::pageUrl(const QString &page) const
{
    if (!ready() || page.isEmpty())
        return {};
    const QUrl url(QStringLiteral("qthelp://%1/doc/%2.html").arg(m_namespace, page));
    return m_engine->fileData(url).isEmpty() ? QUrl() : url;
}

QUrl HelpSystem::keywordUrl(const QString &keyword) const
{
    if (!ready())
        return {};
    const QList<QHelpLink> links = m_engine->documentsForKeyword(keyword);
    return links.isEmpty() ? QUrl() : links.first().url;
}

QUrl HelpSystem::contentsUrl() const { return pageUrl(QStringLiteral("index")); }

QByteArray HelpSystem::pageData(const QUrl &url) const { return ready() ? m_engine->fileData(url) : QByteArray(); }

void HelpSystem::show(const QUrl &url)
{
    if (!ready()) {
        if (m_prompter)
            m_prompter->tell(messages::error(tr("Help"), m_error));
        return;
    }
    if (!m_window) {
        m_viewerEngine = new QHelpEngine(m_collectionPath, this);
        m_viewerEngine->setUsesFilterEngine(true);
        m_viewerEngine->setupData();
        m_window = new HelpWindow(m_viewerEngine);
        WindowHost::setProcedure(m_window, QString(), QStringLiteral("index"));
    }
    m_window->showUrl(url);
    m_window->show();
    WindowRegistry::raise(m_window);
}

void HelpSystem::showContents() { show(contentsUrl()); }

void HelpSystem::showPage(const QString &page)
{
    const QUrl url = pageUrl(page);
    show(url.isEmpty() ? contentsUrl() : url);
}

bool HelpSystem::showKeyword(const QString &keyword)
{
    const QUrl url = keywordUrl(keyword);
    if (url.isEmpty() && ready()) {
        if (m_prompter)
            m_prompter->tell(messages::info(QStringLiteral("Help topic"), QStringLiteral("Not found")));
        return false;
    }
    show(url);
    return !url.isEmpty();
}

QString HelpSystem::helpPageFor(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        // With the focus on the frame itself, its active MDI child speaks for it.
        if (auto *main = qobject_cast<const QMainWindow *>(w)) {
            if (auto *area = qobject_cast<QMdiArea *>(main->centralWidget()))
                if (QMdiSubWindow *sub = area->activeSubWindow(); sub && sub->widget()) {
                    const QString page = WindowHost::helpPageOf(sub->widget());
                    if (!page.isEmpty())
                        return page;
                }
        }
        const QString page = WindowHost::helpPageOf(w);
        if (!page.isEmpty())
            return page;
    }
    return {};
}

void HelpSystem::installF1() { qApp->installEventFilter(this); }

bool HelpSystem::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1
        || static_cast<QKeyEvent *>(event)->modifiers() != Qt::NoModifier)
        return false;
    // A key travels up the parents, each step seen here: answer the first and stop it.
    QWidget *from = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    showPage(helpPageFor(from));
    return true;
}
