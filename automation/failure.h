#pragma once

#include <QString>
#include <stdexcept>

namespace automation {

// The one failure type of the program: what every automation member and every
// action of the program's own (a file that cannot be read, a setting that
// cannot be written) raises. The description is what the user reads first in
// the error report, so it names the thing and the cause.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &description)
        : std::runtime_error(description.toStdString()), m_description(description)
    {
    }

    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace automation
