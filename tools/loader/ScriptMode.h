#pragma once
// The tool without a window, for scripts:
//   Quick.Loader.A3 [--programmer P] [--chip C] --write BIN
// flashrom's output goes to stdout, the verdict to stdout when the write was
// verified and to stderr otherwise. Exit status 0 only for a verified write,
// 1 for a refused BIN or a failed write, 2 for a usage error.

#include <QStringList>

// Whether the arguments ask for the script mode (or its help) rather than
// the window.
bool WantsScriptMode(const QStringList& arguments);

// Needs a QCoreApplication; arguments include the program name.
int RunScriptMode(const QStringList& arguments);
