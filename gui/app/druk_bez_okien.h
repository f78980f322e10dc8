#pragma once
// velmor --print PLAN [--view duty|teachers|loads|limits] -o OUT.pdf: a table
// of the plan printed to a PDF file through the windows' own page layout,
// without showing a window. velmor-cli's PDF export runs it.
#include <QStringList>

namespace velmor {

// The command line as QCoreApplication::arguments() gives it: the program,
// "--print", then the rest. Exit codes as velmor-cli's: 0 written, 1 the
// plan could not be read, 2 usage, 3 the PDF could not be written.
int DrukujBezOkien(const QStringList& argumenty);

}  // namespace velmor
