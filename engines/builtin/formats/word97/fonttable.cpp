#include "fonttable.h"

#include "formats/binary/bytecursor.h"
#include "formats/binary/littleendianwriter.h"
#include "automation/failure.h"

#include <array>

namespace engine {
namespace {

const std::array<const char *, 5> standardFonts = {"Calibri", "Times New Roman", "Arial", "Tahoma", "Wingdings"};

// The family bits of the font's first byte: roman 1, swiss 2, else "don't care".
uint32_t family(const QString &name)
{
    if (name == QLatin1String("Times New Roman"))
        return 1;
    if (name == QLatin1String("Calibri") || name == QLatin1String("Arial") || name == QLatin1String("Tahoma"))
        return 2;
    return 0;
}

} // namespace

FontTable::FontTable(const DocumentModel &model)
{
    for (const char *name : standardFonts)
        add(QString::fromLatin1(name));
    const Story &story = model.story;
    int previous = -1;
    for (int i = 0; i < story.size(); ++i) {
        const int format = story.at(i).characterFormat;
        if (format != previous)
            add(story.characterFormat(format).fontName);
        previous = format;
    }
    for (const ListDefinition &list : model.lists) {
        for (const ListLevelFormat &level : list.levels) {
            if (!level.fontName.isEmpty())
                add(level.fontName);
        }
    }
}

void FontTable::add(const QString &name)
{
    if (!m_names.contains(name))
        m_names.append(name);
}

QByteArray FontTable::write() const
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u16(static_cast<uint32_t>(m_names.size()));
    w.u16(0);
    for (const QString &name : m_names) {
        // The length byte, then the FFN: pitch, weight, character set, the
        // alternative name's offset, PANOSE and signature, then the name.
        const QString clipped = name.left(100);
        w.u8(static_cast<uint32_t>(39 + (clipped.size() + 1) * 2));
        // Variable pitch, TrueType, and the family in bits 4 to 6.
        w.u8(0x02 | 0x04 | family(clipped) << 4);
        w.u16(400);
        // Wingdings is a symbol font: its characters live at U+F020 to U+F0FF.
        w.u8(clipped == QLatin1String("Wingdings") ? 2 : 0);
        w.u8(0);
        w.zeros(10 + 24);
        w.utf16(clipped);
        w.u16(0);
    }
    return out;
}

QStringList FontTable::read(const QByteArray &table)
{
    ByteCursor cursor(table, QStringLiteral("font table"));
    const uint32_t count = cursor.u16();
    if (cursor.u16() != 0 || count == 0)
        throw automation::Failure(ByteCursor::damaged(QStringLiteral("an unusual font table")));
    QStringList names;
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t length = cursor.u8();
        if (length < 41)
            throw automation::Failure(ByteCursor::damaged(QStringLiteral("a font entry too short for its name")));
        const QByteArray entry = cursor.bytes(length);
        ByteCursor name(entry, 39, length - 39, QStringLiteral("font name"));
        QString text;
        for (uint32_t unit = name.u16(); unit != 0; unit = name.u16())
            text += QChar(static_cast<char16_t>(unit));
        if (text.isEmpty())
            throw automation::Failure(ByteCursor::damaged(QStringLiteral("a font without a name")));
        names.append(text);
    }
    return names;
}

} // namespace engine
