#include "reports/pagerenderer.h"

#include "reports/reportfonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <vector>

namespace pagerender
{

void paint(QPainter &painter, const ReportPage &page)
{
    QPaintDevice *device = painter.device();
    const double px = device->logicalDpiX() / 25.4;
    const double py = device->logicalDpiY() / 25.4;
    auto toDevice
        = [px, py](const QRectF &mm) { return QRectF(mm.x() * px, mm.y() * py, mm.width() * px, mm.height() * py); };

    // Fonts are made once per page for each font description, not once per text.
    std::vector<std::pair<FontSpec, QFont>> fonts;
    auto fontFor = [&fonts](const FontSpec &spec) -> const QFont & {
        for (const auto &f : fonts)
            if (f.first == spec)
                return f.second;
        fonts.emplace_back(spec, reportfont::font(spec));
        return fonts.back().second;
    };
    const FontSpec *current = nullptr;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageItem &item : page.items) {
        const QRectF r = toDevice(item.mm);
        switch (item.kind) {
        case ReportItem::Kind::Text:
            painter.setPen(item.color);
            if (!current || !(*current == item.font)) {
                painter.setFont(fontFor(item.font));
                current = &item.font;
            }
            // Already cut to its width at layout; not clipped, so no glyph loses an edge.
            painter.drawText(r, int(item.align | Qt::AlignTop) | Qt::TextSingleLine | Qt::TextDontClip, item.text);
            break;
        case ReportItem::Kind::Rule:
        case ReportItem::Kind::Box: {
            QPen pen(item.color);
            pen.setWidthF(item.penMm * px);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            if (item.kind == ReportItem::Kind::Rule)
                painter.drawLine(r.topLeft(), r.bottomRight());
            else
                painter.drawRect(r);
            break;
        }
        case ReportItem::Kind::Memo: {
            QTextDocument text;
            text.documentLayout()->setPaintDevice(device);
            text.setDefaultFont(reportfont::font(item.font));
            if (Qt::mightBeRichText(item.text))
                text.setHtml(item.text);
            else
                text.setPlainText(item.text);
            text.setDocumentMargin(0);
            text.setTextWidth(r.width());
            painter.save();
            painter.translate(r.topLeft());
            // Notes longer than their box are clipped at its bottom edge.
            text.drawContents(&painter, QRectF(0, 0, r.width(), r.height()));
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

Result paintPages(QPainter &painter, QPagedPaintDevice &device, const PageDocument &document, const QList<int> &pages,
    const std::function<bool(int, int)> &proceed)
{
    QList<int> chosen = pages;
    if (chosen.isEmpty())
        for (int i = 0; i < document.pageCount(); ++i)
            chosen << i;
    for (int n = 0; n < chosen.size(); ++n) {
        if (proceed && !proceed(n, int(chosen.size())))
            return Result::failure(QStringLiteral("Printing was cancelled."));
        Expected<ReportPage> page = document.page(chosen[n]);
        if (!page)
            return page.result();
        if (n > 0 && !device.newPage())
            return Result::failure(QStringLiteral("A new page could not be started."));
        paint(painter, *page);
    }
    return Result::success();
}

Result writePdf(const PageDocument &document, const QString &path, const QList<int> &pages,
    const std::function<bool(int, int)> &proceed)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(QStringLiteral("%1 could not be written: %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        writer.setTitle(document.title());
        writer.setCreator(QStringLiteral("Maltwright"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return Result::failure(QStringLiteral("%1 could not be written.").arg(path));
        }
        Result painted = paintPages(painter, writer, document, pages, proceed);
        painter.end();
        if (!painted) {
            file.cancelWriting();
            return painted;
        }
    }
    if (!file.commit())
        return Result::failure(QStringLiteral("%1 could not be written: %2").arg(path, file.errorString()));
    return Result::success();
}

} // namespace pagerender
