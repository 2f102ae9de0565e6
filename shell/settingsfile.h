#pragma once

#include "initext.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace shell {

// The text of the settings file, line by line. Reading looks up one key of one
// section; changing a value rewrites only that key's line, so every other line
// (other sections, comments, a damaged value of another key) stays byte for
// byte as it was. A value never spans lines: one that seems to is damage, and
// it cannot swallow the keys after it.
class SettingsFile {
public:
    explicit SettingsFile(const QByteArray &bytes = QByteArray());

    struct Entry {
        bool found = false;
        int lineNumber = 0; // from 1
        initext::ReadValue value;
    };

    // The last entry of `key` in `section` (the one a reader keeps).
    Entry find(const QString &section, const QString &key) const;

    // Puts `value` under `key`, adding the section and the key as needed.
    void set(const QString &section, const QString &key, const QString &value);

    QByteArray bytes() const;

private:
    struct Line {
        QByteArray text;  // without its line ending
        QByteArray ending; // "\n", "\r\n", or empty on a last line without one
    };

    // Whether a line opens a section, and which.
    static bool opensSection(const QByteArray &text, QString *name);
    static bool isKeyLine(const QByteArray &text, QString *key, QByteArray *value);
    QList<int> keyLines(const QString &section, const QString &key) const;
    int sectionEnd(const QString &section) const;

    QList<Line> m_lines;
};

} // namespace shell
