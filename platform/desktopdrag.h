#pragma once
// The desktop setting "show window contents while dragging". Maltwright turns
// it off while it runs (dragging MDI children outlines only) and puts it back
// at exit. Only Windows offers the setting; elsewhere it is "not supported".

#include <optional>

namespace desktopdrag
{

// Whether windows are dragged with their contents shown; nullopt where the
// desktop offers no such setting.
std::optional<bool> fullWindowDrag();
// Sets it for the whole desktop; false when not supported or refused.
bool setFullWindowDrag(bool on);

} // namespace desktopdrag
