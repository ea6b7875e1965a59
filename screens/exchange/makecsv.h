#pragma once
// MakeCSV's progress window ("Processing Records"): the export in timer steps with a bar,
// its percentage and Cancel; the viewer of the export file follows when it ends.

#include "platform/gui/messagebox.h"
#include "screens/exchange/makecsvlogic.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

class MakeCsv : public QDialog, private MakeCsvView
{
public:
    explicit MakeCsv(QWidget *parent = nullptr);

    // Starts the run; false when it could not start (already said).
    bool begin();

protected:
    void reject() override;

private:
    void showProgress(int percent) override;
    void step();
    void end();

    MessageBoxPrompter m_prompter;
    MakeCsvLogic m_logic;
    QLabel *m_percent = nullptr;
    QLabel *m_userText = nullptr;
    QProgressBar *m_bar = nullptr;
    QTimer m_timer;
    bool m_ended = false;
};

// The export from the frame's menu (every brew): the progress window beside the frame,
// then the viewer. The frame goes on working meanwhile.
void startMakeCsv(QWidget *parent);
// The export asked for by the brew browse (the selector set): the caller waits for the run
// and the viewer to end.
void callMakeCsv(QWidget *parent);
