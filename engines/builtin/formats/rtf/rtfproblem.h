#pragma once

#include "rtftoken.h"

#include <QString>

namespace automation {
class Failure;
}

namespace engine {

// The failure for damaged RTF: what is wrong and at which byte.
automation::Failure rtfDamaged(const QString &what, int offset);
// The number a control word carries; throws rtfDamaged unless it lies in [minimum, maximum].
long rtfParameter(const RtfToken &token, long minimum, long maximum);

} // namespace engine
