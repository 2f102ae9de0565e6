#pragma once

namespace generator {

// True when a running word processor instance can be attached and answers
// with the name its engine is known by. Never fails.
bool IsWordRunning();

// When one is running, asks whether to go on anyway; true when generating must
// not go on.
bool WarnIfWordRunning();

} // namespace generator
