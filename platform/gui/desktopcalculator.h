#pragma once
// The desktop's own calculator program, started beside Maltwright.

#include <QString>
#include <QStringList>

namespace desktopcalculator
{

// Calculator programs tried in order, by file name.
QStringList candidates();
// The full path of the first candidate found on the PATH, or empty.
QString find();
// Starts the calculator detached, without waiting; false (and nothing else
// happens) when none is installed or it cannot be started.
bool start();

} // namespace desktopcalculator
