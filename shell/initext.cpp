#include "initext.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringConverter>
#include <QStringList>
#include <QVariant>

namespace shell::initext {
namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    return (ch | 0x20) - 'a' + 10;
}

QByteArray hexCode(uint code, int digits)
{
    QByteArray text(digits, '0');
    for (int i = digits - 1; i >= 0; --i, code >>= 4)
        text[i] = hexDigits[code % 16];
    return text;
}

// The character after a backslash, for the escapes that stand for one.
char escapedCharacter(char code)
{
    switch (code) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': case '?': case '\'': case '\\': return code;
    default: return 0;
    }
}

const char *escapeFor(char16_t ch)
{
    switch (ch) {
    case '\a': return "\\a";
    case '\b': return "\\b";
    case '\f': return "\\f";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    case '\v': return "\\v";
    case '"': return "\\\"";
    case '\\': return "\\\\";
    default: return nullptr;
    }
}

// Reads the value text the way Qt's reader does, one line only: quoted parts,
// escapes, and commas that separate the items of a list.
class ValueReader {
public:
    explicit ValueReader(const QByteArray &bytes) : m_bytes(bytes) {}

    ReadValue read()
    {
        skipSpaces();
        while (m_at < m_bytes.size())
            step();
        if (!m_quoted)
            chopTrailingSpaces();
        m_items.append(m_current);
        ReadValue result;
        result.text = m_items.size() == 1 ? fromSpecialForm(m_items.front()) : m_items.join(QStringLiteral(", "));
        if (m_inQuotes)
            result.damage = Damage::UnclosedQuote;
        else if (m_continues)
            result.damage = Damage::LineContinues;
        else if (m_notUtf8)
            result.damage = Damage::NotUtf8;
        return result;
    }

private:
    void step()
    {
        const char ch = m_bytes.at(m_at);
        if (ch == '\\')
            readEscape();
        else if (ch == '"') {
            ++m_at;
            m_quoted = true;
            m_inQuotes = !m_inQuotes;
            if (!m_inQuotes)
                skipSpaces();
        } else if (ch == ',' && !m_inQuotes) {
            if (!m_quoted)
                chopTrailingSpaces();
            m_items.append(m_current);
            m_current.clear();
            m_quoted = false;
            ++m_at;
            skipSpaces();
        } else
            readPlainRun();
    }

    void readEscape()
    {
        ++m_at;
        if (m_at >= m_bytes.size()) {
            // A backslash at the very end joins the next line to this one,
            // which the writer never does.
            m_continues = true;
            return;
        }
        const char code = m_bytes.at(m_at++);
        if (const char plain = escapedCharacter(code))
            m_current += QLatin1Char(plain);
        else if (code == 'x') {
            // "\x" with no digit after it stands for nothing, as in Qt's reader.
            if (m_at < m_bytes.size() && isHexDigit(static_cast<uchar>(m_bytes.at(m_at))))
                m_current += QChar(readNumber(16));
        }
        else if (code >= '0' && code <= '7') {
            --m_at;
            m_current += QChar(readNumber(8));
        }
        m_chopLimit = m_current.size();
    }

    char16_t readNumber(int base)
    {
        char16_t value = 0;
        while (m_at < m_bytes.size()) {
            const char ch = m_bytes.at(m_at);
            const bool digit = base == 16 ? isHexDigit(static_cast<uchar>(ch)) : (ch >= '0' && ch <= '7');
            if (!digit)
                break;
            value = static_cast<char16_t>(value * base + hexValue(ch));
            ++m_at;
        }
        return value;
    }

    void readPlainRun()
    {
        qsizetype end = m_at + 1;
        while (end < m_bytes.size() && m_bytes.at(end) != '\\' && m_bytes.at(end) != '"' && m_bytes.at(end) != ',')
            ++end;
        QStringDecoder decoder(QStringDecoder::Utf8);
        m_current += decoder(QByteArrayView(m_bytes).sliced(m_at, end - m_at));
        m_notUtf8 = m_notUtf8 || decoder.hasError();
        m_at = end;
    }

    void skipSpaces()
    {
        while (m_at < m_bytes.size() && (m_bytes.at(m_at) == ' ' || m_bytes.at(m_at) == '\t'))
            ++m_at;
        m_chopLimit = m_current.size();
    }

    void chopTrailingSpaces()
    {
        qsizetype end = m_current.size();
        while (end > m_chopLimit && (m_current.at(end - 1) == QLatin1Char(' ') || m_current.at(end - 1) == QLatin1Char('\t')))
            --end;
        m_current.truncate(end);
    }

    // Qt marks values that are not plain text with a leading '@'; a text that
    // starts with '@' has it doubled.
    static QString fromSpecialForm(const QString &text)
    {
        if (!text.startsWith(QLatin1Char('@')))
            return text;
        if (text.startsWith(QStringLiteral("@@")))
            return text.mid(1);
        if (!text.endsWith(QLatin1Char(')')))
            return text;
        if (text.startsWith(QStringLiteral("@String(")))
            return text.mid(8, text.size() - 9);
        if (text.startsWith(QStringLiteral("@ByteArray(")))
            return QString::fromUtf8(text.mid(11, text.size() - 12).toLatin1());
        if (text.startsWith(QStringLiteral("@Variant("))) {
            QByteArray bytes = text.mid(9, text.size() - 10).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            QVariant variant;
            stream >> variant;
            return variant.toString();
        }
        return text == QStringLiteral("@Invalid()") ? QString() : text;
    }

    const QByteArray &m_bytes;
    qsizetype m_at = 0;
    QString m_current;
    QStringList m_items;
    qsizetype m_chopLimit = 0;
    bool m_inQuotes = false;
    bool m_quoted = false;
    bool m_continues = false;
    bool m_notUtf8 = false;
};

} // namespace

QByteArray escapedKey(const QString &key)
{
    QByteArray result;
    for (const QChar character : key) {
        const char16_t ch = character.unicode();
        if (ch == '/')
            result += '\\';
        else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                 || ch == '-' || ch == '.')
            result += static_cast<char>(ch);
        else if (ch <= 0xFF)
            result += '%' + hexCode(ch, 2);
        else
            result += "%U" + hexCode(ch, 4);
    }
    return result;
}

QString unescapedKey(const QByteArray &key)
{
    QString result;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char ch = key.at(i);
        const int digits = ch != '%' ? 0 : (i + 1 < key.size() && key.at(i + 1) == 'U' ? 4 : 2);
        const qsizetype start = i + 1 + (digits == 4 ? 1 : 0);
        if (digits && start + digits <= key.size()) {
            bool valid = false;
            const uint code = key.mid(start, digits).toUInt(&valid, 16);
            if (valid) {
                result += QChar(static_cast<char16_t>(code));
                i = start + digits - 1;
                continue;
            }
        }
        if (ch == '\\')
            result += QLatin1Char('/');
        else
            result += QString::fromUtf8(&key.constData()[i], 1);
    }
    return result;
}

QByteArray escapedValue(const QString &value)
{
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray result;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        needsQuotes = needsQuotes || ch == ';' || ch == ',' || ch == '=';
        if (escapeNextIfDigit && isHexDigit(ch)) {
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        if (const char *escape = escapeFor(ch))
            result += escape;
        else if (ch <= 0x1F) {
            result += "\\x" + QByteArray::number(ch, 16);
            escapeNextIfDigit = true;
        } else if (QChar::isHighSurrogate(ch) && i + 1 < text.size()) {
            result += text.mid(i, 2).toUtf8();
            ++i;
        } else
            result += QString(QChar(ch)).toUtf8();
    }
    if (needsQuotes || result.startsWith(' ') || result.endsWith(' '))
        result = '"' + result + '"';
    return result;
}

ReadValue unescapedValue(const QByteArray &value)
{
    return ValueReader(value).read();
}

QString describe(Damage damage)
{
    switch (damage) {
    case Damage::UnclosedQuote:
        return QStringLiteral("a quotation mark is opened and never closed");
    case Damage::LineContinues:
        return QStringLiteral("the line ends in a lone backslash");
    case Damage::NotUtf8:
        return QStringLiteral("it holds bytes that are not UTF-8 text");
    case Damage::None:
        break;
    }
    return QString();
}

} // namespace shell::initext
