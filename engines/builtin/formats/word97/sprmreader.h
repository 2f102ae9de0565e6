#pragma once

#include <QByteArray>
#include <cstdint>

namespace engine {

// Walks a grpprl one sprm at a time, bounded by its bytes; a sprm whose
// operand would run past the end throws automation::Failure.
class SprmReader {
public:
    explicit SprmReader(const QByteArray &grpprl) : m_bytes(grpprl) {}

    // Moves to the next sprm; false at the end.
    bool next();
    uint16_t sprm() const { return m_sprm; }
    // The operand, without the length byte of variable-length sprms.
    const QByteArray &operand() const { return m_operand; }
    // The operand's first one, two or four bytes as a number.
    uint32_t value() const;

private:
    const QByteArray &m_bytes;
    qsizetype m_position = 0;
    uint16_t m_sprm = 0;
    QByteArray m_operand;
};

} // namespace engine
