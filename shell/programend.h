#pragma once

#include <QString>

#include <functional>

namespace shell {

// Ends the whole program at once with `status`: no window's close handling runs
// and nothing more is asked. Every field is already in the settings store, so
// nothing is lost; files left for deletion at the end are deleted first.
void endProgram(int status);

// Deletes the file at `path`, if it is still there, when the program ends
// through endProgram.
void deleteAtProgramEnd(const QString &path);

// Tests replace the ending with a handler of their own (which may throw to leave
// the caller); an empty handler restores the real ending.
void setProgramEndHandlerForTesting(std::function<void(int)> handler);

} // namespace shell
