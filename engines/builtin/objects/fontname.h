#pragma once

#include <QString>

namespace engine {

// Throws automation::Failure unless `name` can name a font: 1 to 31 characters, none of
// them a control character or a semicolon (which ends a name in a saved file).
void requireFontName(const QString &name);

} // namespace engine
