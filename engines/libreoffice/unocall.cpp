#include "unocall.h"

#include "unostring.h"

namespace engines::libreoffice {

QString failureDescription(const QString &action, const rtl::OUString &message)
{
    const QString detail = toQString(message).trimmed();
    return detail.isEmpty() ? QStringLiteral("LibreOffice could not %1.").arg(action)
                            : QStringLiteral("LibreOffice could not %1: %2").arg(action, detail);
}

QString goneDescription(const QString &action)
{
    return QStringLiteral("LibreOffice could not %1: the LibreOffice process ended or stopped answering.").arg(action);
}

} // namespace engines::libreoffice
