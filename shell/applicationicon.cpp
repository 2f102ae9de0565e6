#include "applicationicon.h"

// The resource lives in a static library, so it has to be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(parvolin);
}

namespace shell {

QIcon applicationIcon()
{
    initResources();
    return QIcon(QStringLiteral(":/icons/parvolin.png"));
}

} // namespace shell
