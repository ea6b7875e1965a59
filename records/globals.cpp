#include "records/globals.h"

Globals &glo()
{
    static Globals instance;
    return instance;
}
