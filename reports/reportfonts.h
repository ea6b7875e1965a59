#pragma once
// The fonts of printed pages. Layouts name Times New Roman and Arial; where those
// are not installed their metric twins Liberation Serif and Liberation Sans stand
// in, so text takes the same room and the millimetre layouts hold. Hinting is off,
// so a text is as wide on the screen as on paper.

#include "reports/reportdescription.h"

#include <QFont>
#include <QString>

namespace reportfont
{
// The installed family used for a family a layout names.
QString resolvedFamily(const QString &family);
// The font to paint with; its point size is taken at the painting device's resolution.
QFont font(const FontSpec &spec);
double widthMm(const FontSpec &spec, const QString &text);
double lineHeightMm(const FontSpec &spec);
// The longest beginning of `text` that fits in `widthMm`.
QString cut(const FontSpec &spec, const QString &text, double widthMm);
} // namespace reportfont
