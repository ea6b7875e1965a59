#include "reports/reportdescription.h"

#include <algorithm>
#include <cmath>

int ReportDescription::columns() const
{
    if (detail.widthMm <= 0 || detail.widthMm >= bodyMm.width())
        return 1;
    // A small tolerance, so bands that fill the body exactly are not lost to rounding.
    return std::max(1, int(std::floor((bodyMm.width() + 0.001) / detail.widthMm)));
}

int ReportDescription::rows() const
{
    if (detail.heightMm <= 0)
        return 1;
    return std::max(1, int(std::floor((bodyMm.height() + 0.001) / detail.heightMm)));
}

namespace item
{

ReportItem text(double x, double y, double width, const QString &text, const FontSpec &font)
{
    ReportItem i;
    i.mm = QRectF(x, y, width, 0);
    i.text = text;
    i.font = font;
    return i;
}

ReportItem field(double x, double y, double width, int field, const FontSpec &font, Qt::Alignment align)
{
    ReportItem i;
    i.mm = QRectF(x, y, width, 0);
    i.field = field;
    i.font = font;
    i.align = align;
    return i;
}

ReportItem pageNumber(double x, double y, double width, const QString &picture, const FontSpec &font)
{
    ReportItem i = text(x, y, width, picture, font);
    i.pageNumber = true;
    return i;
}

ReportItem rule(double x, double y, double length, double penMm)
{
    ReportItem i;
    i.kind = ReportItem::Kind::Rule;
    i.mm = QRectF(x, y, length, 0);
    i.penMm = penMm;
    return i;
}

ReportItem box(double x, double y, double width, double height, double penMm)
{
    ReportItem i;
    i.kind = ReportItem::Kind::Box;
    i.mm = QRectF(x, y, width, height);
    i.penMm = penMm;
    return i;
}

ReportItem memo(double x, double y, double width, double height, int field, const FontSpec &font)
{
    ReportItem i;
    i.kind = ReportItem::Kind::Memo;
    i.mm = QRectF(x, y, width, height);
    i.field = field;
    i.font = font;
    return i;
}

} // namespace item
