#pragma once

#include "formats/binary/littleendianwriter.h"

#include <QByteArray>
#include <cstdint>

namespace engine {

// Builds a list of property modifiers (a grpprl): each sprm's code, then its
// operand.
class Grpprl {
public:
    void add8(uint16_t sprm, uint32_t value) { code(sprm).u8(value); }
    void add16(uint16_t sprm, uint32_t value) { code(sprm).u16(value); }
    void add32(uint16_t sprm, uint32_t value) { code(sprm).u32(value); }
    // A sprm whose operand starts with its own one-byte length.
    void addVariable(uint16_t sprm, const QByteArray &operand)
    {
        code(sprm).u8(static_cast<uint32_t>(operand.size()));
        m_bytes += operand;
    }
    // A sprm whose operand carries its length itself (sprmTDefTable).
    void addRaw(uint16_t sprm, const QByteArray &operand)
    {
        code(sprm);
        m_bytes += operand;
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    LittleEndianWriter code(uint16_t sprm)
    {
        LittleEndianWriter w(m_bytes);
        w.u16(sprm);
        return w;
    }

    QByteArray m_bytes;
};

} // namespace engine
