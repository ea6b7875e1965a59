#include "platform/gui/sharedprinter.h"

#include <QPrinter>

QPrinter &sharedPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
