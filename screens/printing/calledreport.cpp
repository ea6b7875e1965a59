#include "screens/printing/calledreport.h"

#include "platform/prompter.h"
#include "reports/reportrun.h"
#include "screens/printing/printpreview.h"
#include "screens/windowing/windowhost.h"

#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace calledreport
{

namespace
{

// The preview inside a dialog its caller waits on: closing the preview closes the dialog.
class PreviewDialog : public QDialog
{
public:
    PreviewDialog(std::unique_ptr<PageDocument> document, Prompter &prompter, QWidget *parent)
        : QDialog(parent)
    {
        setWindowTitle(document->title());
        setWindowFlag(Qt::WindowMaximizeButtonHint);
        m_preview = new PrintPreview(std::move(document), prompter, this);
        WindowHost::setProcedure(this, QString::fromLatin1(PrintPreview::kProcedure), QStringLiteral("Printing"));
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_preview);
        m_preview->installEventFilter(this);
        // A page's width at 100 %, as tall as the screen allows.
        const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1000, 800);
        resize(std::min(900, room.width()), std::min(1000, room.height() * 9 / 10));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_preview && event->type() == QEvent::Close)
            accept();
        return QDialog::eventFilter(watched, event);
    }

private:
    PrintPreview *m_preview = nullptr;
};

} // namespace

bool run(QWidget *parent, const QString &procedure, const ReportRequest &request, Prompter &prompter)
{
    const auto failed = [&](const QString &message) {
        prompter.tell(Message { procedure, message, MessageIcon::Error, {}, 1 });
        return false;
    };
    Expected<PreparedReport> report = reportcatalogue::prepare(procedure, request);
    if (!report)
        return failed(report.message());
    // A one-brew printout is a page or a few label sheets: laid out at once.
    ReportRun reportRun(report->description, report->source);
    while (true) {
        Expected<bool> done = reportRun.step();
        if (!done)
            return failed(done.message());
        if (*done)
            break;
    }
    PreviewDialog dialog(reportRun.document(), prompter, parent);
    WindowHost::call(&dialog, QString::fromLatin1(PrintPreview::kProcedure), WindowStateBinding::Resizable, false);
    return true;
}

} // namespace calledreport
