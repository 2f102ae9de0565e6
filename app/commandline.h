#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace app {

// Reads the program's arguments before any window exists. "--help" and
// "--version" print to `out` and end the program with 0; any other argument is
// refused on `err` with 2. Without arguments nothing is printed and the
// program goes on to open its window (no value returned).
std::optional<int> handleCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The same for main()'s own arguments, printing to standard output and error.
std::optional<int> handleCommandLine(int argc, char *argv[]);

} // namespace app
