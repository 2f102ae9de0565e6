#include "steps.h"

#include "errorreport.h"

#include <exception>

namespace shell {

Steps::Steps(const QString &procedure)
    : m_location(locationText(procedure))
{
}

bool Steps::run(int number, const std::function<void()> &action) const
{
    try {
        action();
        return true;
    } catch (...) {
        showErrorReport(describeCurrentException(), m_location, number);
        return false;
    }
}

QString describeCurrentException()
{
    // Every failure type of the program derives from std::runtime_error with a
    // UTF-8 description, so what() is all that needs reading.
    try {
        throw;
    } catch (const std::exception &failure) {
        const QString description = QString::fromUtf8(failure.what());
        return description.isEmpty() ? QStringLiteral("Unknown failure.") : description;
    } catch (...) {
        return QStringLiteral("Unknown failure.");
    }
}

} // namespace shell
