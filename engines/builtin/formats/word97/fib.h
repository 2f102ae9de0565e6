#pragma once

#include <cstdint>

namespace engine {

// The layout of the file information block (FIB) at the start of the
// WordDocument stream, as Word 97 writes it.
struct Fib {
    static constexpr uint16_t identifier = 0xA5EC;
    static constexpr uint16_t version = 0x00C1;
    static constexpr uint16_t oldestReader = 0x00BF;
    // Flags: the table stream is "1Table", text may hold characters beyond 8 bits.
    static constexpr uint16_t whichTableStream = 0x0200;
    static constexpr uint16_t extendedCharacters = 0x1000;
    static constexpr uint16_t complex = 0x0004;
    static constexpr uint16_t encrypted = 0x0100;

    static constexpr int shortCount = 14;
    static constexpr int longCount = 22;
    static constexpr int pairCount = 93;
    // Offsets in the stream.
    static constexpr int flagsAt = 10;
    static constexpr int textStartAt = 24;
    static constexpr int textEndAt = 28;
    static constexpr int longsAt = 32 + 2 + 2 * shortCount + 2;
    static constexpr int pairsAt = longsAt + 4 * longCount + 2;
    static constexpr int size = pairsAt + 8 * pairCount + 2;
    // Where the text starts, after the FIB.
    static constexpr uint32_t textStart = 1024;

    // Indices in the longs.
    static constexpr int streamSize = 0;
    static constexpr int mainTextLength = 3;

    // Indices of the (offset, length) pairs in the table stream.
    enum Pair {
        StyleSheet = 1,
        SectionTable = 6,
        CharacterBins = 12,
        ParagraphBins = 13,
        FontTable = 15,
        DocumentProperties = 31,
        PieceTable = 33,
        ListTable = 73,
        ListOverrides = 74,
        ListNames = 91,
    };
};

} // namespace engine
