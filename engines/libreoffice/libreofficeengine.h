#pragma once

#include <memory>

namespace word {
class Engine;
}

namespace engines::libreoffice {

// LibreOffice as a word processor the program can drive: each instance is a
// private headless office; a LibreOffice the user runs counts as running but
// is never driven.
std::shared_ptr<word::Engine> engine();

} // namespace engines::libreoffice
