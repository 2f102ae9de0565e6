#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace engine {

// Appends and patches little-endian integers in a byte array, as the binary
// file formats store them.
class LittleEndianWriter {
public:
    explicit LittleEndianWriter(QByteArray &out) : m_out(out) {}

    void u8(uint32_t value) { m_out += static_cast<char>(value & 0xFF); }
    void u16(uint32_t value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(uint32_t value)
    {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void zeros(int count) { m_out.append(count, '\0'); }
    // Pads with zeros until the size is a multiple of `alignment`.
    void alignTo(int alignment)
    {
        const auto rest = m_out.size() % alignment;
        if (rest != 0)
            zeros(static_cast<int>(alignment - rest));
    }
    // UTF-16 code units of `text`, without a terminator.
    void utf16(const QString &text)
    {
        for (const QChar unit : text)
            u16(unit.unicode());
    }
    // Overwrites the four bytes at `offset`.
    void patch32(qsizetype offset, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_out[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    qsizetype size() const { return m_out.size(); }

private:
    QByteArray &m_out;
};

} // namespace engine
