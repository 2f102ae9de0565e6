#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace engine {

// Reads little-endian integers from a window of a byte array. Every read is
// checked against the window's end; running past it throws automation::Failure
// naming `what` was being read, so damaged files are refused, never overrun.
class ByteCursor {
public:
    // The window [offset, offset + length) of `bytes`; refused when it does not fit.
    ByteCursor(const QByteArray &bytes, qint64 offset, qint64 length, const QString &what);
    // The whole of `bytes`.
    ByteCursor(const QByteArray &bytes, const QString &what);
    // The cursor keeps a reference, so it may not read a temporary.
    ByteCursor(QByteArray &&, qint64, qint64, const QString &) = delete;
    ByteCursor(QByteArray &&, const QString &) = delete;

    uint32_t u8();
    uint32_t u16();
    uint32_t u32();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    // The next `count` bytes.
    QByteArray bytes(qint64 count);
    void skip(qint64 count);
    void seek(qint64 position);
    qint64 position() const { return m_position; }
    qint64 remaining() const { return m_length - m_position; }

    // The failure for damaged input: "The document is damaged: <detail> ...".
    static QString damaged(const QString &detail);

private:
    void need(qint64 count) const;

    const QByteArray &m_bytes;
    qint64 m_offset;
    qint64 m_length;
    qint64 m_position = 0;
    QString m_what;
};

} // namespace engine
