#pragma once

#include "rtftoken.h"

#include <QByteArray>

namespace engine {

// Splits RTF bytes into tokens. Malformed input throws automation::Failure with the byte offset.
class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray &bytes);

    // The next token; line breaks are skipped, and the end of the bytes is an error.
    RtfToken next();
    // Skips to the end of the group whose start was just read.
    void skipGroup();
    // The byte the next token starts at.
    int offset() const { return m_offset; }
    // Whether every byte has been read.
    bool atEnd() const { return m_offset >= m_bytes.size(); }

private:
    RtfToken controlWord(int start);
    RtfToken controlSymbol(int start);
    long parameter(int start);
    char peek() const { return m_offset < m_bytes.size() ? m_bytes.at(m_offset) : '\0'; }

    const QByteArray &m_bytes;
    int m_offset = 0;
};

} // namespace engine
