#include "jsonlocator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace app {

qsizetype JsonLocator::offsetOf(const QByteArray &text, const QString &path)
{
    JsonLocator locator(text);
    static const QRegularExpression step(QStringLiteral("([^.\\[\\]]+)|\\[(\\d+)\\]"));
    for (QRegularExpressionMatchIterator it = step.globalMatch(path); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        locator.skipSpace();
        const bool found = match.captured(1).isEmpty() ? locator.enterElement(match.captured(2).toInt())
                                                       : locator.enterMember(match.captured(1));
        if (!found)
            return -1;
    }
    locator.skipSpace();
    return locator.m_at;
}

bool JsonLocator::enterMember(const QString &key)
{
    if (!take('{'))
        return false;
    for (;;) {
        skipSpace();
        if (m_at >= m_text.size() || m_text.at(m_at) != '"')
            return false;
        const QString name = readString();
        skipSpace();
        if (!take(':'))
            return false;
        skipSpace();
        if (name == key)
            return true;
        skipValue();
        skipSpace();
        if (!take(','))
            return false;
    }
}

bool JsonLocator::enterElement(int index)
{
    if (!take('['))
        return false;
    for (int element = 0;; ++element) {
        skipSpace();
        if (element == index)
            return m_at < m_text.size() && m_text.at(m_at) != ']';
        skipValue();
        skipSpace();
        if (!take(','))
            return false;
    }
}

QString JsonLocator::readString()
{
    const qsizetype start = m_at++;
    while (m_at < m_text.size() && m_text.at(m_at) != '"')
        m_at += m_text.at(m_at) == '\\' ? 2 : 1;
    ++m_at;
    // The parser decodes the escapes, as it did for the document.
    const QByteArray quoted = m_text.mid(start, m_at - start);
    return QJsonDocument::fromJson("[" + quoted + "]").array().at(0).toString();
}

void JsonLocator::skipValue()
{
    int depth = 0;
    while (m_at < m_text.size()) {
        const char c = m_text.at(m_at);
        if (c == '"') {
            readString();
        } else if (c == '{' || c == '[') {
            ++depth;
            ++m_at;
        } else if (c == '}' || c == ']') {
            if (depth == 0)
                return;
            --depth;
            ++m_at;
        } else if (c == ',' && depth == 0) {
            return;
        } else {
            ++m_at;
        }
        if (depth == 0 && (c == '"' || c == '}' || c == ']'))
            return;
    }
}

void JsonLocator::skipSpace()
{
    while (m_at < m_text.size()
           && (m_text.at(m_at) == ' ' || m_text.at(m_at) == '\t' || m_text.at(m_at) == '\r' || m_text.at(m_at) == '\n'))
        ++m_at;
}

bool JsonLocator::take(char expected)
{
    if (m_at >= m_text.size() || m_text.at(m_at) != expected)
        return false;
    ++m_at;
    return true;
}

} // namespace app
