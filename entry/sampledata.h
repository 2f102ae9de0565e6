#pragma once

#include <QString>

namespace entry {

// The example resume's text for on-screen row `row` (from 0): an invented
// person with two jobs, the third job blank, and "None" for awards and
// references.
QString sampleValue(int row);

} // namespace entry
