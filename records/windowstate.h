#pragma once
// The window-state file (Browse.ini): each window's place, size and state and
// the column layouts of the browses, one section per window procedure
// (Main, BrowseBrews, Win_About, ...). Values only; the frame binds them to
// windows and keeps a restored window on a screen.

#include "platform/inifile.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

struct WindowPlacement {
    // Maximize read as "Yes" or "No". Without it (first use) the window keeps
    // its designed place and size and ignores the rest.
    bool known = false;
    bool maximized = false;
    bool minimized = false;
    std::optional<QPoint> pos; // XPos, YPos; only for a window closed in its normal state
    std::optional<QSize> size; // Width, Height; only for a resizable one, and never empty
    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

namespace windowstate
{

// Entry names of the column layout of a browse list.
inline const QString kDesignedFormatEntry = QStringLiteral("SRCFOriginal?Browse:1");
inline const QString kUserFormatEntry = QStringLiteral("SRCF?Browse:1");

// The placement stored under a window's section.
WindowPlacement readPlacement(const QString &section);
// Stores a closing window: Maximize and Minimize as "Yes"/"No"; XPos and YPos
// only when it was neither maximised nor minimised, else removed; Width and
// Height only when it is also resizable, else removed. `pos` and `size` are the
// window's normal geometry; missing ones remove their entries.
Result storePlacement(const QString &section, const WindowPlacement &placement, bool resizable);

// Opening a browse list: the column format to use. The user's layout (SRCF?Browse:1)
// is taken only while the stored design (SRCFOriginal?Browse:1) is the current
// design, not empty and a real format (it holds "@" picture marks) and the user's
// layout is not empty; otherwise both entries are set to the design, so a
// changed design discards the user's layout once. Format texts are kept as given.
QString columnFormatOnOpen(const QString &section, const QString &designed);
// Closing a browse list: its current format becomes the user's layout.
Result storeColumnFormat(const QString &section, const QString &format);

} // namespace windowstate
