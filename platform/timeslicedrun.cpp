#include "platform/timeslicedrun.h"

TimeSlicedRun::TimeSlicedRun(Step step, QObject *parent)
    : QObject(parent)
    , m_step(std::move(step))
{
    m_timer.setInterval(kIntervalMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimeSlicedRun::slice);
}

void TimeSlicedRun::start() { m_timer.start(); }

void TimeSlicedRun::cancel() { m_timer.stop(); }

void TimeSlicedRun::slice()
{
    QElapsedTimer clock;
    clock.start();
    do {
        Expected<bool> done = m_step();
        if (!done) {
            m_timer.stop();
            emit failed(done.message());
            return;
        }
        if (*done) {
            m_timer.stop();
            emit finished();
            return;
        }
        // A slot connected to a signal of the step may have cancelled the run.
        if (!m_timer.isActive())
            return;
    } while (clock.elapsed() < m_sliceMs);
    emit sliceDone();
}

Result TimeSlicedRun::runToEnd(const Step &step)
{
    for (;;) {
        Expected<bool> done = step();
        if (!done)
            return done.result();
        if (*done)
            return Result::success();
    }
}
