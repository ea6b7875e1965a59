#pragma once
// `maltwright report NAME ... --pdf FILE`: a report printed to a PDF file without a
// window, for scripts and for checking a layout.

#include "app/commandline.h"

#include <QTextStream>

// Needs a QGuiApplication. Returns the exit code: 0 done, 1 the report could not be
// made (folder, store, file), 2 a mistake on the command line (name, range).
int runReportCommand(const CommandLine &line, QTextStream &out, QTextStream &err);
