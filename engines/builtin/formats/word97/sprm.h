#pragma once

#include <cstdint>

namespace engine {

// The property modifiers (sprms) the Word 97 writer uses. The top three bits
// of each say how long its operand is.
struct Sprm {
    // Paragraph properties.
    static constexpr uint16_t pJc80 = 0x2403;
    static constexpr uint16_t pIlvl = 0x260A;
    static constexpr uint16_t pIlfo = 0x460B;
    static constexpr uint16_t pChgTabsPapx = 0xC60D;
    static constexpr uint16_t pDxaLeft80 = 0x840F;
    static constexpr uint16_t pDxaLeft1_80 = 0x8411;
    static constexpr uint16_t pDyaLine = 0x6412;
    static constexpr uint16_t pDyaAfter = 0xA414;
    static constexpr uint16_t pFInTable = 0x2416;
    static constexpr uint16_t pFTtp = 0x2417;
    static constexpr uint16_t pFWidowControl = 0x2431;
    // Character properties.
    static constexpr uint16_t cFBold = 0x0835;
    static constexpr uint16_t cFItalic = 0x0836;
    static constexpr uint16_t cFStrike = 0x0837;
    static constexpr uint16_t cFOutline = 0x0838;
    static constexpr uint16_t cFShadow = 0x0839;
    static constexpr uint16_t cFCaps = 0x083B;
    static constexpr uint16_t cFVanish = 0x083C;
    static constexpr uint16_t cKul = 0x2A3E;
    static constexpr uint16_t cHps = 0x4A43;
    static constexpr uint16_t cIss = 0x2A48;
    static constexpr uint16_t cHpsKern = 0x484B;
    static constexpr uint16_t cRgFtc0 = 0x4A4F;
    static constexpr uint16_t cRgFtc1 = 0x4A50;
    static constexpr uint16_t cRgFtc2 = 0x4A51;
    static constexpr uint16_t cFDStrike = 0x2A53;
    static constexpr uint16_t cFImprint = 0x0854;
    static constexpr uint16_t cFEmboss = 0x0858;
    static constexpr uint16_t cSfxText = 0x2859;
    // The font, size and weight of complex-script text (Arabic, Hebrew ...).
    static constexpr uint16_t cFBoldBi = 0x085C;
    static constexpr uint16_t cFtcBi = 0x4A5E;
    static constexpr uint16_t cHpsBi = 0x4A61;
    static constexpr uint16_t cRgLid0 = 0x486D;
    static constexpr uint16_t cCv = 0x6870;
    static constexpr uint16_t cFNoProof = 0x0875;
    // Table (row) properties.
    static constexpr uint16_t tDxaGapHalf = 0x9602;
    static constexpr uint16_t tDyaRowHeight = 0x9407;
    static constexpr uint16_t tDefTable = 0xD608;
    static constexpr uint16_t tTlp = 0x740A;
    static constexpr uint16_t tSetBrc = 0xD62F;
    static constexpr uint16_t tIstd = 0x563A;
    // Section properties.
    static constexpr uint16_t sBkc = 0x3009;
    static constexpr uint16_t sDyaHdrTop = 0xB017;
    static constexpr uint16_t sDyaHdrBottom = 0xB018;
    static constexpr uint16_t sXaPage = 0xB01F;
    static constexpr uint16_t sYaPage = 0xB020;
    static constexpr uint16_t sDxaLeft = 0xB021;
    static constexpr uint16_t sDxaRight = 0xB022;
    static constexpr uint16_t sDyaTop = 0x9023;
    static constexpr uint16_t sDyaBottom = 0x9024;
};

} // namespace engine
