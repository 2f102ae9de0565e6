#include "sprmreader.h"

#include "sprm.h"
#include "formats/binary/bytecursor.h"

namespace engine {

bool SprmReader::next()
{
    if (m_position >= m_bytes.size())
        return false;
    ByteCursor cursor(m_bytes, m_position, m_bytes.size() - m_position, QStringLiteral("property list"));
    m_sprm = static_cast<uint16_t>(cursor.u16());
    qint64 length = 0;
    switch (m_sprm >> 13) {
    case 0:
    case 1: length = 1; break;
    case 2:
    case 4:
    case 5: length = 2; break;
    case 3: length = 4; break;
    case 7: length = 3; break;
    default:
        // Table definitions and tab changes may outgrow one length byte.
        if (m_sprm == Sprm::tDefTable)
            length = static_cast<qint64>(cursor.u16()) - 1;
        else
            length = cursor.u8();
        break;
    }
    m_operand = cursor.bytes(length);
    m_position += cursor.position();
    return true;
}

uint32_t SprmReader::value() const
{
    uint32_t value = 0;
    for (int i = std::min<int>(4, static_cast<int>(m_operand.size())) - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(m_operand.at(i));
    return value;
}

} // namespace engine
