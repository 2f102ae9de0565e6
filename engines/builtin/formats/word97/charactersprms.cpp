#include "charactersprms.h"

#include "grpprl.h"
#include "sprm.h"
#include "sprmreader.h"
#include "automation/failure.h"
#include "formats/binary/bytecursor.h"

#include <array>
#include <cmath>

namespace engine {
namespace {

using word::FontProperty;
using Properties = std::map<FontProperty, double>;

struct Toggle {
    FontProperty property;
    uint16_t sprm;
};

// On/off properties of a list level's font and the sprms that hold them.
const std::array<Toggle, 11> toggles = {{
    {FontProperty::Bold, Sprm::cFBold},
    {FontProperty::Italic, Sprm::cFItalic},
    {FontProperty::StrikeThrough, Sprm::cFStrike},
    {FontProperty::Shadow, Sprm::cFShadow},
    {FontProperty::Outline, Sprm::cFOutline},
    {FontProperty::Emboss, Sprm::cFEmboss},
    {FontProperty::Engrave, Sprm::cFImprint},
    {FontProperty::AllCaps, Sprm::cFCaps},
    {FontProperty::Hidden, Sprm::cFVanish},
    {FontProperty::DoubleStrikeThrough, Sprm::cFDStrike},
    {FontProperty::Underline, Sprm::cKul},
}};

// Word's automatic colour is the COLORREF with its top byte set.
constexpr uint32_t automaticColor = 0xFF000000;

void addFont(Grpprl &sprms, int fontIndex)
{
    for (uint16_t sprm : {Sprm::cRgFtc0, Sprm::cRgFtc1, Sprm::cRgFtc2})
        sprms.add16(sprm, static_cast<uint32_t>(fontIndex));
}

const QString &fontName(const QStringList &fonts, uint32_t index)
{
    if (index >= static_cast<uint32_t>(fonts.size()))
        throw automation::Failure(ByteCursor::damaged(QStringLiteral("a font number beyond the font table")));
    return fonts.at(static_cast<int>(index));
}

uint32_t halfPoints(uint32_t value)
{
    if (value < 1 || value > 3276)
        throw automation::Failure(ByteCursor::damaged(QStringLiteral("a font size out of range")));
    return value;
}

void addSubSuper(Grpprl &sprms, const Properties &properties)
{
    const auto sub = properties.find(FontProperty::Subscript);
    const auto super = properties.find(FontProperty::Superscript);
    if (sub == properties.end() && super == properties.end())
        return;
    const bool superOn = super != properties.end() && super->second != 0;
    const bool subOn = sub != properties.end() && sub->second != 0;
    sprms.add8(Sprm::cIss, superOn ? 1 : subOn ? 2 : 0);
}

bool readToggle(uint16_t sprm, uint32_t value, Properties &properties)
{
    for (const Toggle &toggle : toggles) {
        if (toggle.sprm != sprm)
            continue;
        if (value > 1)
            throw automation::Failure(ByteCursor::damaged(QStringLiteral("an on/off property that is neither")));
        const double on = toggle.property == FontProperty::Underline ? 1 : word::True;
        properties[toggle.property] = value ? on : word::False;
        return true;
    }
    return false;
}

} // namespace

QByteArray CharacterSprms::run(const CharacterFormat &format, int fontIndex, bool escaped)
{
    Grpprl sprms;
    addFont(sprms, fontIndex);
    sprms.add16(Sprm::cHps, static_cast<uint32_t>(format.sizeHalfPoints));
    sprms.add8(Sprm::cFBold, format.bold ? 1 : 0);
    // Readers draw Arabic and Hebrew letters with a run's complex-script
    // properties, which otherwise default to 10 pt in the first font of the
    // table: our one format holds for every script.
    sprms.add16(Sprm::cFtcBi, static_cast<uint32_t>(fontIndex));
    sprms.add16(Sprm::cHpsBi, static_cast<uint32_t>(format.sizeHalfPoints));
    sprms.add8(Sprm::cFBoldBi, format.bold ? 1 : 0);
    if (format.kerningHalfPoints != 0)
        sprms.add16(Sprm::cHpsKern, static_cast<uint32_t>(format.kerningHalfPoints));
    if (escaped)
        sprms.add8(Sprm::cFNoProof, 1);
    return sprms.bytes();
}

void CharacterSprms::readRun(const QByteArray &grpprl, const QStringList &fonts, CharacterFormat &format, bool &escaped)
{
    SprmReader reader(grpprl);
    while (reader.next()) {
        const uint32_t value = reader.value();
        switch (reader.sprm()) {
        case Sprm::cRgFtc0: format.fontName = fontName(fonts, value); break;
        case Sprm::cHps: format.sizeHalfPoints = static_cast<int>(halfPoints(value)); break;
        case Sprm::cFBold: format.bold = value != 0; break;
        case Sprm::cHpsKern: format.kerningHalfPoints = static_cast<int>(std::min<uint32_t>(value, 3276)); break;
        case Sprm::cFNoProof: escaped = value != 0; break;
        default: break;
        }
    }
}

QByteArray CharacterSprms::level(const ListLevelFormat &level, int fontIndex)
{
    Grpprl sprms;
    if (fontIndex >= 0)
        addFont(sprms, fontIndex);
    for (const auto &[property, value] : level.fontProperties) {
        bool toggled = false;
        for (const Toggle &toggle : toggles) {
            if (toggle.property == property) {
                sprms.add8(toggle.sprm, value != 0 ? 1 : 0);
                toggled = true;
            }
        }
        if (toggled)
            continue;
        switch (property) {
        case FontProperty::Size:
            sprms.add16(Sprm::cHps, static_cast<uint32_t>(std::clamp<long>(std::lround(value * 2), 1, 3276)));
            break;
        case FontProperty::Color: {
            const long color = static_cast<long>(value);
            sprms.add32(Sprm::cCv, color == word::wdColorAutomatic ? automaticColor : static_cast<uint32_t>(color) & 0xFFFFFF);
            break;
        }
        case FontProperty::Animation:
            sprms.add8(Sprm::cSfxText, static_cast<uint32_t>(std::clamp<long>(std::lround(value), 0, 6)));
            break;
        default: break;
        }
    }
    addSubSuper(sprms, level.fontProperties);
    return sprms.bytes();
}

void CharacterSprms::readLevel(const QByteArray &grpprl, const QStringList &fonts, ListLevelFormat &level)
{
    SprmReader reader(grpprl);
    auto &properties = level.fontProperties;
    while (reader.next()) {
        const uint32_t value = reader.value();
        if (readToggle(reader.sprm(), value, properties))
            continue;
        switch (reader.sprm()) {
        case Sprm::cRgFtc0: level.fontName = fontName(fonts, value); break;
        case Sprm::cHps: properties[FontProperty::Size] = halfPoints(value) / 2.0; break;
        case Sprm::cCv:
            properties[FontProperty::Color] = value == automaticColor ? static_cast<double>(word::wdColorAutomatic) : static_cast<double>(value & 0xFFFFFF);
            break;
        case Sprm::cSfxText: properties[FontProperty::Animation] = std::min<uint32_t>(value, 6); break;
        case Sprm::cIss:
            properties[FontProperty::Superscript] = value == 1 ? word::True : word::False;
            properties[FontProperty::Subscript] = value == 2 ? word::True : word::False;
            break;
        default: break;
        }
    }
}

} // namespace engine
