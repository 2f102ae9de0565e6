#pragma once

#include <QString>

namespace shell {

// The folder that holds the program's executable, where the optional cursor and
// skin files are looked for.
QString programFolder();

// A path below the program folder; `relative` may use backslashes ("x\\o.cjs").
QString programFile(const QString &relative);

// Lets tests stand in a folder of their own; an empty path restores the real one.
void setProgramFolderForTesting(const QString &folder);

} // namespace shell
