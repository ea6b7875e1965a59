#include "screens/printing/printpreview.h"

#include "platform/gui/sharedprinter.h"
#include "platform/prompter.h"
#include "reports/pagerenderer.h"
#include "screens/printing/printpreviewlogic.h"
#include "screens/windowing/windowhost.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

Message failure(const QString &text)
{
    return Message { QStringLiteral("Print Preview"), text, MessageIcon::Error, {}, 1 };
}

} // namespace

PrintPreview *PrintPreview::open(
    std::unique_ptr<PageDocument> document, Prompter &prompter, std::function<void()> closed)
{
    auto *preview = new PrintPreview(std::move(document), prompter);
    preview->m_closed = std::move(closed);
    WindowHost::setProcedure(preview, QString::fromLatin1(kProcedure), QStringLiteral("Printing"));
    QWidget *placed = WindowHost::start(preview, QString::fromLatin1(kProcedure));
    placed->showMaximized();
    preview->setFocus();
    return preview;
}

PrintPreview::PrintPreview(std::unique_ptr<PageDocument> document, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_document(std::move(document))
    , m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Print Preview - %1").arg(m_document->title()));
    setFocusPolicy(Qt::StrongFocus);
    build();
    render();
}

PrintPreview::~PrintPreview()
{
    if (m_closed)
        m_closed();
}

void PrintPreview::build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print..."), this, [this] { print(); });
    file->addAction(QStringLiteral("Print &Pages..."), this, &PrintPreview::printChosenPages);
    file->addAction(QStringLiteral("Save as P&DF..."), this, &PrintPreview::saveAsPdf);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, [this] { closeWindow(); });
    QMenu *view = bar->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("Zoom &In"), QKeySequence::ZoomIn, this, &PrintPreview::zoomIn);
    view->addAction(QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut, this, &PrintPreview::zoomOut);
    view->addAction(QStringLiteral("&Actual Size (100 %)"), this, [this] { setZoom(1.0); });
    view->addSeparator();
    view->addAction(QStringLiteral("&First Page"), this, [this] { showPage(0); });
    view->addAction(QStringLiteral("Pre&vious Page"), this, [this] { showPage(m_page - 1); });
    view->addAction(QStringLiteral("&Next Page"), this, [this] { showPage(m_page + 1); });
    view->addAction(QStringLiteral("&Last Page"), this, [this] { showPage(m_document->pageCount() - 1); });
    layout->setMenuBar(bar);

    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(6, 4, 6, 4);
    auto button = [this, tools](const QString &text, const QString &tip, auto slot) {
        auto *b = new QToolButton(this);
        b->setText(text);
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, slot);
        tools->addWidget(b);
        return b;
    };
    button(QStringLiteral("|<"), QStringLiteral("First page"), [this] { showPage(0); });
    button(QStringLiteral("<"), QStringLiteral("Previous page"), [this] { showPage(m_page - 1); });
    m_pageBox = new QSpinBox(this);
    m_pageBox->setRange(1, m_document->pageCount());
    m_pageBox->setAccessibleName(QStringLiteral("Page"));
    m_pageBox->setKeyboardTracking(false);
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
    tools->addWidget(new QLabel(QStringLiteral("Page"), this));
    tools->addWidget(m_pageBox);
    m_pageCount = new QLabel(QStringLiteral("of %1").arg(m_document->pageCount()), this);
    tools->addWidget(m_pageCount);
    button(QStringLiteral(">"), QStringLiteral("Next page"), [this] { showPage(m_page + 1); });
    button(QStringLiteral(">|"), QStringLiteral("Last page"), [this] { showPage(m_document->pageCount() - 1); });
    tools->addSpacing(16);
    button(QStringLiteral("-"), QStringLiteral("Zoom out"), [this] { zoomOut(); });
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setAccessibleName(QStringLiteral("Zoom"));
    for (double z : printpreview::zoomSteps())
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(qRound(z * 100)), z);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int i) { setZoom(m_zoomBox->itemData(i).toDouble()); });
    tools->addWidget(m_zoomBox);
    button(QStringLiteral("+"), QStringLiteral("Zoom in"), [this] { zoomIn(); });
    tools->addStretch();
    auto *printButton = new QPushButton(QStringLiteral("&Print..."), this);
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    tools->addWidget(printButton);
    auto *closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setToolTip(QStringLiteral("Close without printing"));
    connect(closeButton, &QPushButton::clicked, this, [this] { closeWindow(); });
    tools->addWidget(closeButton);
    layout->addLayout(tools);

    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new QLabel;
    m_view->setAccessibleName(QStringLiteral("Page"));
    m_scroll->setWidget(m_view);
    layout->addWidget(m_scroll, 1);
}

QImage PrintPreview::pageImage() const
{
    Expected<ReportPage> page = m_document->page(m_page);
    const double dpi = logicalDpiX() * m_zoom;
    const QSizeF mm = m_document->description().pageMm;
    QImage image(qRound(mm.width() / 25.4 * dpi), qRound(mm.height() / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    if (page) {
        QPainter painter(&image);
        pagerender::paint(painter, *page);
    }
    return image;
}

void PrintPreview::render()
{
    // Only the page shown is painted; nothing of the other pages is held.
    Expected<ReportPage> page = m_document->page(m_page);
    if (!page)
        m_prompter.tell(failure(page.message()));
    const QImage image = pageImage();
    m_view->setPixmap(QPixmap::fromImage(image));
    m_view->resize(image.size());
    const QSignalBlocker block(m_pageBox);
    m_pageBox->setValue(m_page + 1);
    const QSignalBlocker blockZoom(m_zoomBox);
    const int z = m_zoomBox->findData(m_zoom);
    m_zoomBox->setCurrentIndex(z);
    if (z < 0)
        m_zoomBox->setEditText(QStringLiteral("%1 %").arg(qRound(m_zoom * 100)));
}

void PrintPreview::showPage(int index)
{
    index = std::clamp(index, 0, m_document->pageCount() - 1);
    if (index == m_page && !m_view->pixmap().isNull())
        return;
    m_page = index;
    render();
    m_scroll->verticalScrollBar()->setValue(0);
}

void PrintPreview::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    render();
}

void PrintPreview::zoomIn()
{
    for (double z : printpreview::zoomSteps())
        if (z > m_zoom + 1e-9)
            return setZoom(z);
}

void PrintPreview::zoomOut()
{
    const QList<double> steps = printpreview::zoomSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        if (*it < m_zoom - 1e-9)
            return setZoom(*it);
}

void PrintPreview::print(const QList<int> &pages)
{
    // The printer chosen under "Print Setup", on A4 with the page's own margins.
    QPrinter &printer = sharedPrinter();
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(m_document->title());
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, this);
    QList<int> chosen = pages;
    if (chosen.isEmpty()) {
        dialog.setMinMax(1, m_document->pageCount());
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (chosen.isEmpty()) {
        if (printer.printRange() == QPrinter::PageRange)
            for (int p = printer.fromPage(); p <= std::min(printer.toPage(), m_document->pageCount()); ++p)
                chosen << p - 1;
        else if (printer.printRange() == QPrinter::CurrentPage)
            chosen << m_page;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_prompter.tell(failure(QStringLiteral("The printer could not be started.")));
        return;
    }
    const Result printed = pagerender::paintPages(painter, printer, *m_document, chosen);
    painter.end();
    if (!printed)
        m_prompter.tell(failure(printed.message()));
}

void PrintPreview::printChosenPages()
{
    bool ok = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Print Pages"),
        QStringLiteral("Pages to print (for example 1-3, 5), of %1:").arg(m_document->pageCount()), QLineEdit::Normal,
        QString::number(m_page + 1), &ok);
    if (!ok)
        return;
    const std::optional<QList<int>> pages = printpreview::parsePages(text, m_document->pageCount());
    if (!pages) {
        m_prompter.tell(Message { QStringLiteral("Print Pages"),
            QStringLiteral("Give page numbers from 1 to %1, such as 1-3, 5.").arg(m_document->pageCount()),
            MessageIcon::Information, {}, 1 });
        return;
    }
    print(*pages);
}

void PrintPreview::saveAsPdf()
{
    QString name = m_document->title();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9 ()_-]+")), QStringLiteral(" "));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"),
        name.simplified() + QStringLiteral(".pdf"), QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (const Result saved = savePdf(path); !saved)
        m_prompter.tell(failure(saved.message()));
}

Result PrintPreview::savePdf(const QString &path, const QList<int> &pages)
{
    return pagerender::writePdf(*m_document, path, pages);
}

void PrintPreview::closeWindow()
{
    // Inside the frame the preview is the content of a child window, which is what closes.
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void PrintPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier)
            return showPage(0);
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier)
            return showPage(m_document->pageCount() - 1);
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
