#pragma once

#include <QByteArray>
#include <QString>

namespace app {

// Finds where a value lies in the text of a JSON document, so that a fault
// found after parsing (a value of the wrong kind) can be shown at its line
// and column like a parse error.
class JsonLocator {
public:
    // The byte offset in `text` (valid JSON) of the value at `path`, written
    // as "work[1].highlights[0]"; -1 when there is none.
    static qsizetype offsetOf(const QByteArray &text, const QString &path);

private:
    explicit JsonLocator(const QByteArray &text) : m_text(text) {}

    bool enterMember(const QString &key);
    bool enterElement(int index);
    QString readString();
    void skipValue();
    void skipSpace();
    bool take(char expected);

    const QByteArray &m_text;
    qsizetype m_at = 0;
};

} // namespace app
