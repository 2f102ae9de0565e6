#pragma once

namespace app {

// Makes every word processor this build carries known to the engine
// registry by its name; the built-in one as "builtin".
void registerEngines();

} // namespace app
