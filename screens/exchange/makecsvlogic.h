#pragma once
// MakeCSV, the brew export behind its progress window: the run in timer steps, Cancel, and
// what the viewer is handed at the end (the export file and GLO:CSVFILENAME).

#include "exchange/csvexport.h"
#include "platform/prompter.h"

#include <QString>
#include <memory>

class MakeCsvView
{
public:
    virtual ~MakeCsvView() = default;
    // The bar and its text ("40% Completed").
    virtual void showProgress(int percent) = 0;
};

class MakeCsvLogic
{
public:
    static constexpr int kTimerMs = 100; // a step every tenth of a second
    static constexpr int kStepBudgetMs = 60; // the share of a step spent exporting
    static QString caption() { return QStringLiteral("Processing Records"); }
    static QString percentText(int percent) { return QStringLiteral("%1% Completed").arg(percent); }

    MakeCsvLogic(QString dataFolder, Prompter &prompter, MakeCsvView &view);
    ~MakeCsvLogic();

    // Empties the export file and opens the Brews table for the brews the CSV record
    // selector asks for. On failure the message is shown, the selector is set back to 0 and
    // there is nothing to view.
    bool start();
    // One timer step; false once every brew is read or the run was cancelled or failed.
    bool step();
    void cancel();
    // Closes the file and the table; a failed write is shown. GLO:CSVFILENAME names the brew
    // of a single-brew export.
    void finish();
    bool isRunning() const { return m_running; }

private:
    QString m_folder;
    Prompter &m_prompter;
    MakeCsvView &m_view;
    std::unique_ptr<CsvExport> m_run;
    bool m_running = false;
};
