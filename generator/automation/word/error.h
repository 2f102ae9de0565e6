#pragma once

#include <QString>
#include <stdexcept>

namespace word {

// The one failure every automation member may raise. The description is what
// the user reads in the error report, so it says what went wrong and with what.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &description)
        : std::runtime_error(description.toStdString()), m_description(description)
    {
    }

    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace word
