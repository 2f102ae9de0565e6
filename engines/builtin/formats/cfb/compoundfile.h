#pragma once

#include <cstdint>

namespace engine {

// The constants of the compound file (OLE2) container, version 3.
struct CompoundFile {
    static constexpr int sectorSize = 512;
    static constexpr int miniSectorSize = 64;
    static constexpr int miniStreamCutoff = 4096;
    static constexpr int entrySize = 128;
    static constexpr int headerDifatEntries = 109;
    static constexpr uint32_t freeSector = 0xFFFFFFFF;
    static constexpr uint32_t endOfChain = 0xFFFFFFFE;
    static constexpr uint32_t fatSector = 0xFFFFFFFD;
    static constexpr uint32_t difatSector = 0xFFFFFFFC;
    static constexpr uint32_t maximumSector = 0xFFFFFFFA;
    static constexpr uint32_t noStream = 0xFFFFFFFF;
    static constexpr unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
};

} // namespace engine
