#include "collectedreports.h"

namespace app {
namespace {

QString terminalLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

shell::MessageAnswer CollectedReports::message(const shell::MessageRequest &request)
{
    if (request.caption == QLatin1String("Application Error"))
        m_errorReports << terminalLines(request.text);
    else
        m_notes << terminalLines(request.text);
    return request.buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::Yes : shell::MessageAnswer::Ok;
}

QString CollectedReports::saveFileName(const QString &, const QString &, const QString &)
{
    return QString();
}

bool CollectedReports::setUpPrinter(QPrinter &)
{
    return false;
}

} // namespace app
