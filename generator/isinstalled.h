#pragma once

namespace generator {

// Proves once at start-up that a word processor instance can be started, and
// quits it again. When none can be, tells the user what to check and ends the
// program.
void CheckWordInstalled();

} // namespace generator
