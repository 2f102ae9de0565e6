#include "argumentcheck.h"

#include "automation/word/constants.h"
#include "automation/failure.h"

#include <cmath>

namespace engine {

void requireWithin(double value, double minimum, double maximum, const QString &what)
{
    if (!std::isfinite(value) || value < minimum || value > maximum)
        throw automation::Failure(QStringLiteral("%1 must lie between %2 and %3; %4 is not allowed.")
                              .arg(what)
                              .arg(minimum)
                              .arg(maximum)
                              .arg(value));
}

bool requireFlag(double value, const QString &what)
{
    if (value != -1 && value != 1 && value != 0)
        throw automation::Failure(QStringLiteral("%1 must be True or False; %2 is not allowed.").arg(what).arg(value));
    return value != 0;
}

void requireColor(double color, const QString &what)
{
    if (color != word::wdColorAutomatic && !(color >= 0 && color <= 0xFFFFFF && color == std::floor(color)))
        throw automation::Failure(QStringLiteral("%1 %2 is neither automatic nor a red-green-blue value.").arg(what).arg(color));
}

} // namespace engine
