#include "rtftokenizer.h"

#include "rtfproblem.h"
#include "automation/failure.h"


namespace engine {
namespace {

// RTF control words are at most 32 letters; parameters fit 32 bits.
constexpr int longestWord = 32;
constexpr int longestParameterDigits = 10;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfTokenizer::RtfTokenizer(const QByteArray &bytes)
    : m_bytes(bytes)
{
}

RtfToken RtfTokenizer::next()
{
    // Line breaks in RTF carry no meaning.
    while (peek() == '\r' || peek() == '\n')
        ++m_offset;
    RtfToken token;
    token.offset = m_offset;
    if (atEnd())
        throw automation::Failure(QStringLiteral("the file is truncated: it ends inside the document."));
    const char c = m_bytes.at(m_offset++);
    if (c == '{') {
        token.type = RtfToken::GroupStart;
    } else if (c == '}') {
        token.type = RtfToken::GroupEnd;
    } else if (c == '\\') {
        return isLetter(peek()) ? controlWord(token.offset) : controlSymbol(token.offset);
    } else if (c >= 0x20 && c < 0x7F) {
        token.type = RtfToken::Text;
        token.character = static_cast<char16_t>(c);
    } else {
        throw rtfDamaged(QStringLiteral("unexpected byte 0x%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0')),
                      token.offset);
    }
    return token;
}

RtfToken RtfTokenizer::controlWord(int start)
{
    RtfToken token;
    token.type = RtfToken::ControlWord;
    token.offset = start;
    while (isLetter(peek())) {
        if (token.name.size() == longestWord)
            throw rtfDamaged(QStringLiteral("a control word longer than %1 letters").arg(longestWord), start);
        token.name += m_bytes.at(m_offset++);
    }
    if (peek() == '-' || isDigit(peek())) {
        token.hasParameter = true;
        token.parameter = parameter(start);
    }
    // A space ends a control word and belongs to it.
    if (peek() == ' ')
        ++m_offset;
    return token;
}

long RtfTokenizer::parameter(int start)
{
    const bool negative = peek() == '-';
    if (negative)
        ++m_offset;
    long long value = 0;
    int digits = 0;
    while (isDigit(peek())) {
        if (++digits > longestParameterDigits)
            throw rtfDamaged(QStringLiteral("a number with too many digits"), start);
        value = value * 10 + (m_bytes.at(m_offset++) - '0');
    }
    if (digits == 0)
        throw rtfDamaged(QStringLiteral("a minus sign without a number"), start);
    value = negative ? -value : value;
    if (value < -2147483648LL || value > 2147483647LL)
        throw rtfDamaged(QStringLiteral("a number out of range"), start);
    return static_cast<long>(value);
}

RtfToken RtfTokenizer::controlSymbol(int start)
{
    RtfToken token;
    token.offset = start;
    if (atEnd())
        throw automation::Failure(QStringLiteral("the file is truncated: it ends inside the document."));
    const char symbol = m_bytes.at(m_offset++);
    if (symbol == '\'') {
        const int high = hexValue(peek());
        const int low = m_offset + 1 < m_bytes.size() ? hexValue(m_bytes.at(m_offset + 1)) : -1;
        if (high < 0 || low < 0)
            throw rtfDamaged(QStringLiteral("\\' without two hexadecimal digits"), start);
        m_offset += 2;
        token.type = RtfToken::HexByte;
        token.character = static_cast<char16_t>(high * 16 + low);
        return token;
    }
    if (static_cast<unsigned char>(symbol) < 0x20 || static_cast<unsigned char>(symbol) >= 0x7F)
        throw rtfDamaged(QStringLiteral("a backslash before an unexpected byte"), start);
    token.type = RtfToken::ControlSymbol;
    token.character = static_cast<char16_t>(symbol);
    return token;
}

void RtfTokenizer::skipGroup()
{
    int depth = 1;
    while (depth > 0) {
        const RtfToken token = next();
        if (token.type == RtfToken::GroupStart)
            ++depth;
        else if (token.type == RtfToken::GroupEnd)
            --depth;
    }
}

} // namespace engine
