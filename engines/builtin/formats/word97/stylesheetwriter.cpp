#include "stylesheetwriter.h"

#include "grpprl.h"
#include "sprm.h"
#include "formats/binary/littleendianwriter.h"

#include <QString>

namespace engine {
namespace {

constexpr int styleCount = 16;
constexpr uint32_t noStyle = 0x0FFF;

enum Kind { ParagraphStyle = 1, CharacterStyle = 2, TableStyle = 3 };

struct Style {
    int sti;
    Kind kind;
    uint32_t basedOn;
    uint32_t next;
    const char *name;
};

QByteArray normalParagraph()
{
    Grpprl sprms;
    sprms.add16(Sprm::pDyaAfter, 160);
    sprms.add32(Sprm::pDyaLine, 259 | 1u << 16);
    sprms.add8(Sprm::pFWidowControl, 1);
    return sprms.bytes();
}

QByteArray normalCharacter()
{
    Grpprl sprms;
    for (uint16_t sprm : {Sprm::cRgFtc0, Sprm::cRgFtc1, Sprm::cRgFtc2})
        sprms.add16(sprm, 0);
    sprms.add16(Sprm::cHps, 22);
    sprms.add16(Sprm::cFtcBi, 0);
    sprms.add16(Sprm::cHpsBi, 22);
    sprms.add16(Sprm::cRgLid0, 0x0409);
    return sprms.bytes();
}

void addUpx(QByteArray &out, const QByteArray &upx)
{
    LittleEndianWriter w(out);
    w.u16(static_cast<uint32_t>(upx.size()));
    out += upx;
    w.alignTo(2);
}

QByteArray styleDefinition(const Style &style, int istd)
{
    QByteArray std;
    LittleEndianWriter w(std);
    const int upxCount = style.kind == TableStyle ? 3 : style.kind == ParagraphStyle ? 2 : 1;
    w.u16(static_cast<uint32_t>(style.sti));
    w.u16(static_cast<uint32_t>(style.kind) | style.basedOn << 4);
    w.u16(static_cast<uint32_t>(upxCount) | style.next << 4);
    const qsizetype bchUpe = std.size();
    w.u16(0);
    w.u16(0);
    const QString name = QString::fromLatin1(style.name);
    w.u16(static_cast<uint32_t>(name.size()));
    w.utf16(name);
    w.u16(0);
    QByteArray istdPrefix;
    LittleEndianWriter(istdPrefix).u16(static_cast<uint32_t>(istd));
    if (style.kind == TableStyle)
        addUpx(std, QByteArray());
    if (style.kind != CharacterStyle)
        addUpx(std, istdPrefix + (istd == 0 ? normalParagraph() : QByteArray()));
    addUpx(std, istd == 0 ? normalCharacter() : QByteArray());
    std[bchUpe] = static_cast<char>(std.size() & 0xFF);
    std[bchUpe + 1] = static_cast<char>(std.size() >> 8);
    return std;
}

const Style *styleAt(int istd)
{
    static const Style normal = {0, ParagraphStyle, noStyle, 0, "Normal"};
    static const Style paragraphFont = {65, CharacterStyle, noStyle, 10, "Default Paragraph Font"};
    static const Style tableNormal = {105, TableStyle, noStyle, 11, "Table Normal"};
    static const Style tableGrid = {154, TableStyle, 11, 15, "Table Grid"};
    switch (istd) {
    case 0: return &normal;
    case 10: return &paragraphFont;
    case StyleSheetWriter::tableNormal: return &tableNormal;
    case StyleSheetWriter::tableGrid: return &tableGrid;
    default: return nullptr;
    }
}

} // namespace

QByteArray StyleSheetWriter::write()
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u16(18);
    w.u16(styleCount);
    w.u16(10);
    w.u16(1);
    w.u16(155);
    w.u16(15);
    w.u16(0);
    // Calibri (font 0) for every script.
    w.u16(0);
    w.u16(0);
    w.u16(0);
    for (int istd = 0; istd < styleCount; ++istd) {
        const Style *style = styleAt(istd);
        const QByteArray std = style ? styleDefinition(*style, istd) : QByteArray();
        w.u16(static_cast<uint32_t>(std.size()));
        out += std;
    }
    return out;
}

} // namespace engine
