#pragma once
// The program's pictures, drawn rather than shipped: the glass of beer of the
// splash and About windows, the program icon, the frame's background and the
// toolbar pictures.

#include <QIcon>
#include <QPixmap>

namespace artwork
{

// A glass of amber beer with a head of foam, `size` pixels square.
QPixmap beerGlass(int size);
QIcon programIcon();
// The frame's background: a warm gradient with the glass faintly in a corner.
QPixmap frameBackground(const QSize &size);

enum class ToolPicture { BrowseBrews, Kits, Calculator, Exit, WebLinks, Units, Cost, Shopping, Backup };
QIcon toolIcon(ToolPicture picture);

} // namespace artwork
