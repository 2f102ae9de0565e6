#include "rtfproblem.h"

#include "automation/failure.h"

namespace engine {

automation::Failure rtfDamaged(const QString &what, int offset)
{
    return automation::Failure(QStringLiteral("it is damaged: %1 at byte %2.").arg(what).arg(offset));
}

long rtfParameter(const RtfToken &token, long minimum, long maximum)
{
    if (!token.hasParameter || token.parameter < minimum || token.parameter > maximum)
        throw rtfDamaged(QStringLiteral("\\%1 needs a number from %2 to %3")
                             .arg(QString::fromLatin1(token.name))
                             .arg(minimum)
                             .arg(maximum),
                         token.offset);
    return token.parameter;
}

} // namespace engine
