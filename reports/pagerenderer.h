#pragma once
// Painting laid-out pages: on any paint device (a printer, a PDF writer, a picture
// of the preview) one millimetre is the device's resolution / 25.4 pixels, and font
// sizes follow the device's resolution, so every device shows the same page.

#include "platform/result.h"
#include "reports/pagedocument.h"

#include <QList>
#include <functional>

class QPainter;
class QPagedPaintDevice;

namespace pagerender
{
// Paints `page` with its top-left at the device's origin.
void paint(QPainter &painter, const ReportPage &page);

// Paints pages of `document` on a paged device (printer or PDF writer) whose painter is active:
// `pages` lists page indexes (from 0), empty for all. `proceed` is asked before each page and may stop the run.
Result paintPages(QPainter &painter, QPagedPaintDevice &device, const PageDocument &document,
    const QList<int> &pages = {}, const std::function<bool(int done, int total)> &proceed = {});

// Writes the document, or the chosen pages of it, to a PDF file. An existing file is replaced only
// when the whole PDF has been written.
Result writePdf(const PageDocument &document, const QString &path, const QList<int> &pages = {},
    const std::function<bool(int done, int total)> &proceed = {});
} // namespace pagerender
