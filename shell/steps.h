#pragma once

#include <QString>
#include <functional>

namespace shell {

// Runs the numbered steps of one reporting procedure. A step that fails is
// reported with the procedure's location and the step's number, and the caller
// goes on with its next step; the failed step's results stay as they were.
class Steps {
public:
    // `procedure` as "Object.Procedure", for example "Form1.Form_Load".
    explicit Steps(const QString &procedure);

    // Runs `action` as step `number`; true when it succeeded.
    bool run(int number, const std::function<void()> &action) const;

    QString location() const { return m_location; }

private:
    QString m_location;
};

// The description a failure carries, whatever its type.
QString describeCurrentException();

} // namespace shell
