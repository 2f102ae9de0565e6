#pragma once

namespace app {

// Makes every word processor this build carries known to the engine
// registry by its name: the built-in one as "builtin", LibreOffice (where
// this build has it) as "libreoffice".
void registerEngines();

} // namespace app
