#pragma once

#include <memory>

namespace word {
class Engine;
}

namespace engine {

// The word processor built into the program, for the program to register
// under its name.
std::shared_ptr<word::Engine> builtInEngine();

} // namespace engine
