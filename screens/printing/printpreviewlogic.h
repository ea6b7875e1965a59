#pragma once
// The preview's rules apart from its widgets: which pages a typed selection names,
// and the zoom steps.

#include <QList>
#include <QString>
#include <optional>

namespace printpreview
{
// "1-3, 5" with a document of `pageCount` pages: the page indexes (from 0) in the order typed,
// each once; nothing when the text names no page, a page past the end or is not understood.
std::optional<QList<int>> parsePages(const QString &text, int pageCount);

// Zoom factors the preview steps through, 1.0 being 100 %.
QList<double> zoomSteps();
} // namespace printpreview
