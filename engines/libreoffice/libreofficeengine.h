#pragma once

#include <memory>

namespace word {
class Engine;
}

namespace engines::libreoffice {

// LibreOffice as a word processor the program can drive: every instance works
// in the program's one private headless office, started by prepare() or by
// the first call that needs it; a LibreOffice the user runs counts as running
// but is never driven.
std::shared_ptr<word::Engine> engine();

} // namespace engines::libreoffice
