#pragma once
// Starting a report from a menu or a button: the report is prepared from the
// program-wide values, run in slices under its progress window and, unless
// cancelled, shown in the print preview. Several reports may run at once.

#include <QString>

class Prompter;

namespace reportstarter
{
// Whether `procedure` is a report this starter runs.
bool knows(const QString &procedure);
void start(const QString &procedure, Prompter &prompter);
} // namespace reportstarter
