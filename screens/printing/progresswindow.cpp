#include "screens/printing/progresswindow.h"

#include "platform/prompter.h"
#include "screens/windowing/windowhost.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

ProgressWindow *ProgressWindow::run(
    const Options &options, TimeSlicedRun::Step step, Prompter &prompter, std::function<void(Outcome)> finished)
{
    auto *window = new ProgressWindow(options, std::move(step), prompter, std::move(finished));
    window->m_placed = WindowHost::start(window, options.procedure, WindowStateBinding::FixedSize, false);
    window->m_run.start();
    return window;
}

ProgressWindow::ProgressWindow(
    const Options &options, TimeSlicedRun::Step step, Prompter &prompter, std::function<void(Outcome)> finished)
    : m_options(options)
    , m_prompter(prompter)
    , m_run(std::move(step))
    , m_finished(std::move(finished))
{
    setWindowTitle(options.caption);
    auto *layout = new QVBoxLayout(this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_status = new QLabel(this);
    m_status->setAlignment(Qt::AlignCenter);
    m_percent = new QLabel(QStringLiteral("0% Completed"), this);
    m_percent->setAlignment(Qt::AlignCenter);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    layout->addWidget(m_bar);
    layout->addWidget(m_status);
    layout->addWidget(m_percent);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(220, 0)));

    m_run.setSliceMs(options.sliceMs);
    connect(m_cancel, &QPushButton::clicked, this, [this] { end(Outcome::Cancelled); });
    connect(&m_run, &TimeSlicedRun::sliceDone, this, &ProgressWindow::refresh);
    connect(&m_run, &TimeSlicedRun::finished, this, [this] {
        refresh();
        end(Outcome::Done);
    });
    connect(&m_run, &TimeSlicedRun::failed, this, [this](const QString &message) {
        m_prompter.tell(Message { m_options.caption, message, MessageIcon::Error, {}, 1 });
        end(Outcome::Failed);
    });
}

ProgressWindow::~ProgressWindow() { m_run.cancel(); }

int ProgressWindow::percent() const { return m_bar->value(); }

void ProgressWindow::refresh()
{
    const int p = m_options.percent ? std::clamp(m_options.percent(), 0, 100) : 0;
    m_bar->setValue(p);
    m_percent->setText(QStringLiteral("%1% Completed").arg(p));
    if (m_options.status)
        m_status->setText(m_options.status());
}

void ProgressWindow::end(Outcome outcome)
{
    if (m_ended)
        return;
    m_ended = true;
    m_run.cancel();
    auto finished = std::move(m_finished);
    // Closing stores the window's position under the procedure and deletes it.
    if (m_placed)
        m_placed->close();
    if (finished)
        finished(outcome);
}

void ProgressWindow::closeEvent(QCloseEvent *event)
{
    // Closed by its title bar: the same as Cancel.
    if (!m_ended) {
        m_ended = true;
        m_run.cancel();
        auto finished = std::move(m_finished);
        QWidget::closeEvent(event);
        if (finished)
            QTimer::singleShot(0, [finished] { finished(Outcome::Cancelled); });
        return;
    }
    QWidget::closeEvent(event);
}
