#include "propertysetwriter.h"

#include "formats/binary/littleendianwriter.h"

#include <array>

namespace engine {
namespace {

using FormatId = std::array<unsigned char, 16>;

// {F29F85E0-4FF9-1068-AB91-08002B27B3D9} and {D5CDD502-2E9C-101B-9397-08002B2CF9AE}, as stored.
constexpr FormatId summaryFormat = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                    0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
constexpr FormatId documentSummaryFormat = {0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                            0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

QByteArray propertySet(const FormatId &format)
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u16(0xFFFE);
    w.u16(0);
    w.u32(0x00020006);
    w.zeros(16);
    w.u32(1);
    for (unsigned char b : format)
        w.u8(b);
    w.u32(48);
    // One property, the code page (1), as a 16-bit integer: Windows-1252.
    w.u32(8 + 8 + 8);
    w.u32(1);
    w.u32(1);
    w.u32(16);
    w.u16(2);
    w.u16(0);
    w.u16(1252);
    w.u16(0);
    return out;
}

} // namespace

QByteArray PropertySetWriter::summaryInformation()
{
    return propertySet(summaryFormat);
}

QByteArray PropertySetWriter::documentSummaryInformation()
{
    return propertySet(documentSummaryFormat);
}

} // namespace engine
