#pragma once
// A long piece of work (a report walking the log, an export writing it) run on the
// thread of its window in slices on a 100 ms timer, so the window stays responsive
// and Cancel is seen at once. Each slice repeats the work's step until its time is
// used up, so a slice never freezes the program and a fast machine is not held
// back by a fixed count of rows per tick.

#include "platform/result.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class TimeSlicedRun : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 100;
    // Time a slice may work before it hands the thread back to the event loop.
    static constexpr int kDefaultSliceMs = 80;

    // One bounded step of the work: true once the work is complete, a failure ends the run.
    using Step = std::function<Expected<bool>()>;

    explicit TimeSlicedRun(Step step, QObject *parent = nullptr);

    void setSliceMs(int ms) { m_sliceMs = ms; }
    // Starts the timer; the first slice runs on the first tick.
    void start();
    // Ends the run at once: no further step runs and neither finished() nor failed() follows.
    void cancel();
    bool isRunning() const { return m_timer.isActive(); }

    // Runs the whole work without an event loop (command line, benchmarks).
    static Result runToEnd(const Step &step);

signals:
    void sliceDone(); // after each slice that did not end the run
    void finished();
    void failed(const QString &message);

private:
    void slice();

    Step m_step;
    QTimer m_timer;
    int m_sliceMs = kDefaultSliceMs;
};
