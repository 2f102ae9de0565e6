#pragma once

#include <QString>

namespace automation {
class Failure;
}

namespace engine {

// Throws automation::Failure naming `what` unless minimum <= value <= maximum.
void requireWithin(double value, double minimum, double maximum, const QString &what);
// Throws automation::Failure naming `what` unless value is True (-1), 1 or False (0); returns the flag.
bool requireFlag(double value, const QString &what);
// Throws automation::Failure naming `what` unless `color` is automatic or a red-green-blue value.
void requireColor(double color, const QString &what);

} // namespace engine
