#include "screens/frame/openingsplash.h"

#include "screens/widgets/artwork.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

OpeningSplash::OpeningSplash(int ms, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_ms(ms)
{
    setObjectName(QStringLiteral("OpeningSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 238, 218));
    pal.setColor(QPalette::WindowText, QColor(70, 45, 20));
    setPalette(pal);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    auto *name = new QLabel(QStringLiteral("Maltwright"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    big.setItalic(true);
    name->setFont(big);
    auto *version = new QLabel(QStringLiteral("Version 1.43  -  for Windows"), this);
    auto *picture = new QLabel(this);
    picture->setPixmap(artwork::beerGlass(128));
    auto *loading = new QLabel(QStringLiteral("Loading..."), this);
    for (QLabel *l : { name, version, picture, loading }) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    adjustSize();
}

int OpeningSplash::intervalFromEnvironment(int ms)
{
    bool ok = false;
    const int env = qEnvironmentVariableIntValue("MALTWRIGHT_SPLASH_MS", &ok);
    return ok && env >= 0 && env < ms ? env : ms;
}

void OpeningSplash::showAndWait()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
    m_timer.start(qMax(1, m_ms), this);
    // Closing hides the splash; the wait ends then.
    while (isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void OpeningSplash::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId()) {
        m_timer.stop();
        close();
    }
}

void OpeningSplash::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        close();
}

void OpeningSplash::mouseDoubleClickEvent(QMouseEvent *) { close(); }

bool OpeningSplash::event(QEvent *event)
{
    // Losing the focus closes it; the splash may never get it on some desktops, so only after having had it.
    if (event->type() == QEvent::WindowActivate)
        m_wasActive = true;
    else if (event->type() == QEvent::WindowDeactivate && m_wasActive)
        close();
    return QWidget::event(event);
}
