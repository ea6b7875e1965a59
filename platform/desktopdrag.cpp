#include "platform/desktopdrag.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace desktopdrag
{

std::optional<bool> fullWindowDrag()
{
#ifdef _WIN32
    BOOL on = FALSE;
    if (!SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &on, 0))
        return std::nullopt;
    return on != FALSE;
#else
    return std::nullopt;
#endif
}

bool setFullWindowDrag(bool on)
{
#ifdef _WIN32
    return SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on ? 1 : 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)
        != FALSE;
#else
    (void)on;
    return false;
#endif
}

} // namespace desktopdrag
