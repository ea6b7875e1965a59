#pragma once
// The small window that shows how far a long run has got ("Progress...": a bar, a
// status line, the percentage and "Cancel") while the run works in time slices on
// the window's thread. Reports and the export open it under their procedure name,
// where its position is kept. Cancel (or closing the window) ends the run at once.

#include "platform/timeslicedrun.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class Prompter;
class QLabel;
class QProgressBar;
class QPushButton;

class ProgressWindow : public QWidget
{
    Q_OBJECT
public:
    struct Options {
        QString procedure; // its window-state section and help page
        QString caption = QStringLiteral("Progress...");
        std::function<int()> percent; // 0..100, asked after every slice
        std::function<QString()> status; // the status line, when there is one to show
        int sliceMs = TimeSlicedRun::kDefaultSliceMs;
    };
    // How the run ended: done, cancelled by the user, or failed (its message already shown).
    enum class Outcome { Done, Cancelled, Failed };

    // Opens the window as a started window and runs `step` until it is done; `finished` is
    // called once, after the window has closed.
    static ProgressWindow *run(
        const Options &options, TimeSlicedRun::Step step, Prompter &prompter, std::function<void(Outcome)> finished);

    ~ProgressWindow() override;

    int percent() const;
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    ProgressWindow(
        const Options &options, TimeSlicedRun::Step step, Prompter &prompter, std::function<void(Outcome)> finished);
    void refresh();
    void end(Outcome outcome);

    Options m_options;
    Prompter &m_prompter;
    TimeSlicedRun m_run;
    std::function<void(Outcome)> m_finished;
    QPointer<QWidget> m_placed;
    QProgressBar *m_bar = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_percent = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_ended = false;
};
