#pragma once

#include <QByteArray>
#include <QString>

namespace testsupport {

// The private folder this test run owns; removed when the run ends.
QString privateRoot();

// A fresh, empty folder inside the private root.
QString freshFolder(const QString &purpose);

// Gives every test the same paper whatever the machine's own: Letter, unless
// a test sets PAPERSIZE itself.
void useLetterPaper();

// Sets an environment variable (or unsets it, for a null value) for one
// scope and puts back what was there before.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QByteArray &value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

// Points XDG_CONFIG_HOME at a fresh folder, so the settings file starts empty.
// Returns that folder.
QString freshSettingsFolder();

} // namespace testsupport
