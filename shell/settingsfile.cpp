#include "settingsfile.h"

namespace shell {

SettingsFile::SettingsFile(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        Line line{bytes.mid(start, end - start), last ? QByteArray() : QByteArrayLiteral("\n")};
        if (line.text.endsWith('\r')) {
            line.text.chop(1);
            line.ending.prepend('\r');
        }
        m_lines.append(line);
        start = end + 1;
    }
}

bool SettingsFile::opensSection(const QByteArray &text, QString *name)
{
    const QByteArray trimmed = text.trimmed();
    if (!trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return false;
    *name = initext::unescapedKey(trimmed.mid(1, trimmed.size() - 2).trimmed());
    return true;
}

bool SettingsFile::isKeyLine(const QByteArray &text, QString *key, QByteArray *value)
{
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#'))
        return false;
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0)
        return false;
    *key = initext::unescapedKey(trimmed.left(equals).trimmed());
    *value = trimmed.mid(equals + 1);
    return true;
}

QList<int> SettingsFile::keyLines(const QString &section, const QString &key) const
{
    QList<int> found;
    QString current;
    for (int i = 0; i < m_lines.size(); ++i) {
        QString name;
        QByteArray value;
        if (opensSection(m_lines[i].text, &name))
            current = name;
        else if (current == section && isKeyLine(m_lines[i].text, &name, &value) && name == key)
            found.append(i);
    }
    return found;
}

SettingsFile::Entry SettingsFile::find(const QString &section, const QString &key) const
{
    const QList<int> lines = keyLines(section, key);
    Entry entry;
    if (lines.isEmpty())
        return entry;
    QString name;
    QByteArray value;
    isKeyLine(m_lines[lines.back()].text, &name, &value);
    entry.found = true;
    entry.lineNumber = lines.back() + 1;
    entry.value = initext::unescapedValue(value);
    return entry;
}

int SettingsFile::sectionEnd(const QString &section) const
{
    int end = -1;
    QString current;
    for (int i = 0; i < m_lines.size(); ++i) {
        QString name;
        if (opensSection(m_lines[i].text, &name))
            current = name;
        if (current == section && !m_lines[i].text.trimmed().isEmpty())
            end = i + 1;
    }
    return end;
}

void SettingsFile::set(const QString &section, const QString &key, const QString &value)
{
    const Line entry{initext::escapedKey(key) + '=' + initext::escapedValue(value), QByteArrayLiteral("\n")};
    QList<int> lines = keyLines(section, key);
    if (!lines.isEmpty()) {
        // Later copies of the key would win over the new value when read.
        for (int i = static_cast<int>(lines.size()) - 1; i > 0; --i)
            m_lines.removeAt(lines[i]);
        m_lines[lines.front()].text = entry.text;
        return;
    }
    if (!m_lines.isEmpty() && m_lines.back().ending.isEmpty())
        m_lines.back().ending = QByteArrayLiteral("\n");
    const int end = sectionEnd(section);
    if (end >= 0) {
        m_lines.insert(end, entry);
        return;
    }
    if (!m_lines.isEmpty() && !m_lines.back().text.trimmed().isEmpty())
        m_lines.append(Line{QByteArray(), QByteArrayLiteral("\n")});
    m_lines.append(Line{'[' + initext::escapedKey(section) + ']', QByteArrayLiteral("\n")});
    m_lines.append(entry);
}

QByteArray SettingsFile::bytes() const
{
    QByteArray result;
    for (const Line &line : m_lines)
        result += line.text + line.ending;
    return result;
}

} // namespace shell
