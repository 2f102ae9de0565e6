#pragma once

#include <QString>

namespace shell {

// The temporary folder: the TEMP environment variable when set, else the
// system's temporary folder.
QString temporaryFolder();

// Creates an empty file at `path` that did not exist before, readable and
// writable by the user only; an existing entry of that name, even a link, is
// never opened. False when the name is taken; throws automation::Failure naming the
// path and the cause for any other reason the file cannot be created.
bool createFileExclusively(const QString &path);

} // namespace shell
