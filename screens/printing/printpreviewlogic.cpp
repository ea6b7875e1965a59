#include "screens/printing/printpreviewlogic.h"

#include <QRegularExpression>
#include <QStringList>

namespace printpreview
{

std::optional<QList<int>> parsePages(const QString &text, int pageCount)
{
    static const QRegularExpression part(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?$"));
    QList<int> pages;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &p : parts) {
        const QRegularExpressionMatch m = part.match(p);
        if (!m.hasMatch())
            return std::nullopt;
        const int first = m.captured(1).toInt();
        const int last = m.captured(2).isEmpty() ? first : m.captured(2).toInt();
        if (first < 1 || last < first || last > pageCount)
            return std::nullopt;
        for (int n = first; n <= last; ++n)
            if (!pages.contains(n - 1))
                pages << n - 1;
    }
    if (pages.isEmpty())
        return std::nullopt;
    return pages;
}

QList<double> zoomSteps() { return { 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0 }; }

} // namespace printpreview
