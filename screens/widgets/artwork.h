#pragma once
// Every picture of the program, drawn rather than shipped, so nothing shows empty on a desktop
// without an icon theme: the glass of beer of the splash and About windows, the program icon, the
// frame's background, the toolbar pictures, the buttons of the brew windows and calculators, the
// stock and score marks, and the notes editor's toolbar.

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

// The picture buttons of the brew windows and calculators, and the brew browse's stock glasses.
enum class ButtonPicture {
    FullGlass,
    EmptyGlass,
    View,
    Copy,
    Print,
    PrintNotes,
    TastingSheet,
    RecordSheet,
    Cost,
    Labels,
    Calculator,
};
QPixmap buttonPixmap(ButtonPicture picture, int size = 24);
QIcon buttonIcon(ButtonPicture picture);

// The brew form's stock mug: full (in stock) or empty.
QPixmap stockMug(bool full);
// A tasting score's mark: a tick for a good score, a bar for a low one.
QPixmap scoreMark(bool good);
// The notes editor's toolbar picture for a theme name ("format-text-bold"); null when unknown.
QIcon formatIcon(const QString &name);

} // namespace artwork
