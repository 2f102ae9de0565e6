#pragma once

#include <QString>
#include <stdexcept>

namespace shell {

// A failure of one of the program's own actions (a file that cannot be read, a
// setting that cannot be written). Its description is what the error report
// shows on its first line, so it names the thing and the cause.
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

} // namespace shell
