#pragma once

#include <functional>

namespace shell {

// Ends the whole program at once with `status`: no window's close handling runs
// and nothing more is asked. Every field is already in the settings store, so
// nothing is lost.
void endProgram(int status);

// Tests replace the ending with a handler of their own (which may throw to leave
// the caller); an empty handler restores the real ending.
void setProgramEndHandlerForTesting(std::function<void(int)> handler);

} // namespace shell
