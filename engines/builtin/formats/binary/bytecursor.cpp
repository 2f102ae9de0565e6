#include "bytecursor.h"

#include "automation/failure.h"

namespace engine {

ByteCursor::ByteCursor(const QByteArray &bytes, qint64 offset, qint64 length, const QString &what)
    : m_bytes(bytes)
    , m_offset(offset)
    , m_length(length)
    , m_what(what)
{
    if (offset < 0 || length < 0 || offset > bytes.size() || length > bytes.size() - offset)
        throw automation::Failure(damaged(QStringLiteral("the %1 lies outside the data that holds it").arg(what)));
}

ByteCursor::ByteCursor(const QByteArray &bytes, const QString &what)
    : ByteCursor(bytes, 0, bytes.size(), what)
{
}

QString ByteCursor::damaged(const QString &detail)
{
    return QStringLiteral("The document cannot be opened: it is damaged (%1).").arg(detail);
}

void ByteCursor::need(qint64 count) const
{
    if (count < 0 || count > m_length - m_position)
        throw automation::Failure(damaged(QStringLiteral("the %1 ends early").arg(m_what)));
}

uint32_t ByteCursor::u8()
{
    need(1);
    return static_cast<unsigned char>(m_bytes.at(m_offset + m_position++));
}

uint32_t ByteCursor::u16()
{
    const uint32_t low = u8();
    return low | (u8() << 8);
}

uint32_t ByteCursor::u32()
{
    const uint32_t low = u16();
    return low | (u16() << 16);
}

QByteArray ByteCursor::bytes(qint64 count)
{
    need(count);
    const QByteArray result = m_bytes.mid(m_offset + m_position, count);
    m_position += count;
    return result;
}

void ByteCursor::skip(qint64 count)
{
    need(count);
    m_position += count;
}

void ByteCursor::seek(qint64 position)
{
    if (position < 0 || position > m_length)
        throw automation::Failure(damaged(QStringLiteral("a position outside the %1").arg(m_what)));
    m_position = position;
}

} // namespace engine
