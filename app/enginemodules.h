#pragma once

#include <QString>

namespace app {

// The folder the program loads its engine modules from: "engines" beside the
// program in a build, else the installed program's lib/parvolin/engines,
// found from the program's own folder.
QString engineFolder();

// Loads the module `<folder>/<name>.so` and lets it register its engines. A
// module that is missing, fails to load or registers nothing under `name`
// leaves that engine unregistered, which the registry reports as unavailable;
// only a module that is there but unusable is worth a warning on stderr.
void loadEngineModule(const QString &name, const QString &folder);

} // namespace app
