#pragma once

namespace app {

// Makes the word processors known to the engine registry by name: the
// built-in one as "builtin", and the one PARVOLIN_ENGINE names, when it is
// another, from its module in the program's engine folder.
void registerEngines();

} // namespace app
