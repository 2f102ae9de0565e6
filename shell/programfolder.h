#pragma once

#include <QString>

namespace shell {

// The folder that holds the program's executable, where the optional cursor and
// skin files are looked for first.
QString programFolder();

// The installed program's data folder (for an installed /usr/bin/parvolin,
// /usr/share/parvolin), found from the program folder, where the optional
// files are looked for when they are not beside the program.
QString installedDataFolder();

// A path below the program folder, or below the installed data folder when only
// that one has the file; `relative` may use backslashes ("x\\o.cjs").
QString programFile(const QString &relative);

// Lets tests stand in a folder of their own; an empty path restores the real one.
void setProgramFolderForTesting(const QString &folder);

} // namespace shell
