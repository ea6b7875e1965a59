#include "reports/reportfonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <memory>
#include <vector>

namespace
{

// Text is measured at printer resolution, where no rounding to pixels distorts widths.
constexpr double kMeasureDpi = 1200;

QImage &measureDevice()
{
    thread_local QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32);
        i.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
        i.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
        return i;
    }();
    return image;
}

const QFontMetricsF &metrics(const FontSpec &spec)
{
    thread_local std::vector<std::pair<FontSpec, std::unique_ptr<QFontMetricsF>>> cache;
    for (const auto &entry : cache)
        if (entry.first == spec)
            return *entry.second;
    cache.emplace_back(spec, std::make_unique<QFontMetricsF>(reportfont::font(spec), &measureDevice()));
    return *cache.back().second;
}

} // namespace

namespace reportfont
{

QString resolvedFamily(const QString &family)
{
    thread_local QHash<QString, QString> resolved;
    const auto known = resolved.constFind(family);
    if (known != resolved.constEnd())
        return *known;
    QString use = family;
    if (!QFontDatabase::hasFamily(family)) {
        if (family.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
            use = QStringLiteral("Liberation Serif");
        else if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
            use = QStringLiteral("Liberation Sans");
        else if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
            use = QStringLiteral("Liberation Mono");
    }
    resolved.insert(family, use);
    return use;
}

QFont font(const FontSpec &spec)
{
    QFont f(resolvedFamily(spec.family));
    f.setPointSizeF(spec.pointSize);
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

double widthMm(const FontSpec &spec, const QString &text)
{
    return metrics(spec).horizontalAdvance(text) * 25.4 / kMeasureDpi;
}

double lineHeightMm(const FontSpec &spec) { return metrics(spec).height() * 25.4 / kMeasureDpi; }

QString cut(const FontSpec &spec, const QString &text, double width)
{
    if (widthMm(spec, text) <= width)
        return text;
    // The longest prefix that fits: widths grow with length, so halve the interval.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (widthMm(spec, text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

} // namespace reportfont
