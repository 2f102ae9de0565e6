#include "errorreport.h"

#include "dialogs.h"

namespace shell {

QString locationText(const QString &procedure)
{
    return QStringLiteral("in Quessary2021/08/31.") + procedure + QLatin1Char(' ');
}

QString errorReportText(const QString &description, const QString &location, int step)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ")
           + QString::number(step) + QStringLiteral("\r\r")
           + QStringLiteral("Please email screenshot of this message to ")
           + QLatin1String(supportAddress);
}

void showErrorReport(const QString &description, const QString &location, int step)
{
    dialogs().message({QStringLiteral("Application Error"),
                       errorReportText(description, location, step), MessageIcon::Warning,
                       MessageButtons::Ok});
}

} // namespace shell
