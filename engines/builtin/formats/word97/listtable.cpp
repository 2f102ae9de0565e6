#include "listtable.h"

#include "charactersprms.h"
#include "grpprl.h"
#include "sprm.h"
#include "sprmreader.h"
#include "automation/failure.h"
#include "formats/binary/bytecursor.h"
#include "formats/binary/littleendianwriter.h"

#include <cmath>

namespace engine {
namespace {

constexpr int mostLists = 1000;

int twips(double points)
{
    return static_cast<int>(std::lround(points * 20));
}

[[noreturn]] void refuse(const QString &detail)
{
    throw automation::Failure(ByteCursor::damaged(detail));
}

struct LevelText {
    QString text;
    QByteArray placeholders;
};

// Word's level text holds the numbers of levels 1 to 9 as the characters 0
// to 8, with their positions (from 1) listed apart.
LevelText levelText(const QString &numberFormat)
{
    LevelText result;
    const auto characters = numberFormat.toUcs4();
    for (int i = 0; i < characters.size(); ++i) {
        const char32_t c = characters.at(i);
        const bool placeholder = c == U'%' && i + 1 < characters.size() && characters.at(i + 1) >= U'1'
                                 && characters.at(i + 1) <= U'9' && result.placeholders.size() < 9;
        if (placeholder) {
            result.text += QChar(static_cast<char16_t>(characters.at(++i) - U'1'));
            result.placeholders += static_cast<char>(result.text.size());
            continue;
        }
        result.text += QString::fromUcs4(&c, 1);
    }
    return result;
}

QByteArray levelParagraph(const ListLevelFormat &level)
{
    Grpprl sprms;
    ListTable::addIndents(sprms, level);
    return sprms.bytes();
}

void writeLevel(QByteArray &out, const ListLevelFormat &level, int fontIndex)
{
    LittleEndianWriter w(out);
    const LevelText text = levelText(level.numberFormat);
    const QByteArray paragraph = levelParagraph(level);
    const QByteArray character = CharacterSprms::level(level, fontIndex);
    w.u32(static_cast<uint32_t>(level.startAt));
    w.u8(static_cast<uint32_t>(level.numberStyle));
    w.u8(static_cast<uint32_t>(level.alignment & 3) | (level.resetOnHigher == 0 ? 0x08 : 0));
    out += text.placeholders;
    w.zeros(static_cast<int>(9 - text.placeholders.size()));
    w.u8(static_cast<uint32_t>(level.trailingCharacter));
    w.u32(0);
    w.u32(0);
    w.u8(static_cast<uint32_t>(character.size()));
    w.u8(static_cast<uint32_t>(paragraph.size()));
    w.u8(static_cast<uint32_t>(level.resetOnHigher));
    w.u8(0);
    out += paragraph;
    out += character;
    w.u16(static_cast<uint32_t>(text.text.size()));
    w.utf16(text.text);
}

QString numberFormat(const QString &text, const QByteArray &placeholders)
{
    QString format;
    for (int i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 9 && placeholders.contains(static_cast<char>(i + 1)))
            format += QLatin1Char('%') + QString::number(unit + 1);
        else
            format += text.at(i);
    }
    return format;
}

void readIndents(const QByteArray &grpprl, ListLevelFormat &level)
{
    SprmReader reader(grpprl);
    int left = 0;
    int first = 0;
    while (reader.next()) {
        if (reader.sprm() == Sprm::pDxaLeft80)
            left = static_cast<int16_t>(reader.value());
        else if (reader.sprm() == Sprm::pDxaLeft1_80)
            first = static_cast<int16_t>(reader.value());
        else if (reader.sprm() == Sprm::pChgTabsPapx && reader.operand().size() >= 5)
            level.tabPositionPoints = static_cast<int16_t>(reader.value() >> 16 & 0xFFFF) / 20.0;
    }
    level.textPositionPoints = left / 20.0;
    level.numberPositionPoints = (left + first) / 20.0;
}

ListLevelFormat readLevel(ByteCursor &cursor, const QStringList &fonts)
{
    ListLevelFormat level;
    const uint32_t startAt = cursor.u32();
    level.numberStyle = static_cast<long>(cursor.u8());
    const uint32_t flags = cursor.u8();
    const QByteArray placeholders = cursor.bytes(9);
    level.trailingCharacter = static_cast<long>(cursor.u8());
    cursor.skip(8);
    const uint32_t characterLength = cursor.u8();
    const uint32_t paragraphLength = cursor.u8();
    const uint32_t restart = cursor.u8();
    cursor.u8();
    if (startAt > 32767 || (flags & 3) > 2 || level.trailingCharacter > 2 || restart > 9)
        refuse(QStringLiteral("a list level out of range"));
    level.startAt = static_cast<long>(startAt);
    level.alignment = static_cast<long>(flags & 3);
    level.resetOnHigher = flags & 0x08 ? 0 : static_cast<long>(restart);
    readIndents(cursor.bytes(paragraphLength), level);
    CharacterSprms::readLevel(cursor.bytes(characterLength), fonts, level);
    const uint32_t length = cursor.u16();
    QString text;
    for (uint32_t i = 0; i < length; ++i)
        text += QChar(static_cast<char16_t>(cursor.u16()));
    level.numberFormat = numberFormat(text, placeholders);
    return level;
}

QStringList readNames(const QByteArray &table, qint64 at, qint64 length, int count)
{
    QStringList names;
    if (length == 0)
        return QStringList(count, QString());
    ByteCursor cursor(table, at, length, QStringLiteral("list names"));
    if (cursor.u16() != 0xFFFF || static_cast<int>(cursor.u16()) != count || cursor.u16() != 0)
        refuse(QStringLiteral("list names that do not match the lists"));
    for (int i = 0; i < count; ++i) {
        const uint32_t units = cursor.u16();
        QString name;
        for (uint32_t j = 0; j < units; ++j)
            name += QChar(static_cast<char16_t>(cursor.u16()));
        names.append(name);
    }
    return names;
}

} // namespace

void ListTable::addIndents(Grpprl &sprms, const ListLevelFormat &level)
{
    const int text = twips(level.textPositionPoints);
    sprms.add16(Sprm::pDxaLeft80, static_cast<uint32_t>(text) & 0xFFFF);
    sprms.add16(Sprm::pDxaLeft1_80, static_cast<uint32_t>(twips(level.numberPositionPoints) - text) & 0xFFFF);
    QByteArray tabs;
    LittleEndianWriter w(tabs);
    w.u8(0);
    w.u8(1);
    w.u16(static_cast<uint32_t>(twips(level.tabPositionPoints)) & 0xFFFF);
    w.u8(0);
    sprms.addVariable(Sprm::pChgTabsPapx, tabs);
}

QByteArray ListTable::writeLists(const std::vector<ListDefinition> &lists, const FontIndex &fontIndex)
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u16(static_cast<uint32_t>(lists.size()));
    for (size_t i = 0; i < lists.size(); ++i) {
        w.u32(static_cast<uint32_t>(i) + 1);
        w.u32(0);
        for (int level = 0; level < ListDefinition::levelCount; ++level)
            w.u16(0x0FFF);
        // Nine levels each; "hybrid" is a list that is not outline-numbered.
        w.u8(lists[i].outlineNumbered ? 0 : 0x10);
        w.u8(0);
    }
    for (const ListDefinition &list : lists) {
        for (const ListLevelFormat &level : list.levels)
            writeLevel(out, level, level.fontName.isEmpty() ? -1 : fontIndex(level.fontName));
    }
    return out;
}

QByteArray ListTable::writeOverrides(const std::vector<ListDefinition> &lists)
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u32(static_cast<uint32_t>(lists.size()));
    for (size_t i = 0; i < lists.size(); ++i) {
        w.u32(static_cast<uint32_t>(i) + 1);
        w.zeros(12);
    }
    for (size_t i = 0; i < lists.size(); ++i)
        w.u32(0);
    return out;
}

QByteArray ListTable::writeNames(const std::vector<ListDefinition> &lists)
{
    QByteArray out;
    LittleEndianWriter w(out);
    w.u16(0xFFFF);
    w.u16(static_cast<uint32_t>(lists.size()));
    w.u16(0);
    for (const ListDefinition &list : lists) {
        w.u16(static_cast<uint32_t>(list.name.size()));
        w.utf16(list.name);
    }
    return out;
}

std::vector<ListDefinition> ListTable::read(const QByteArray &table, qint64 listsAt, qint64 listsLength,
                                            qint64 overridesAt, qint64 overridesLength, qint64 namesAt,
                                            qint64 namesLength, const QStringList &fonts)
{
    std::vector<ListDefinition> lists;
    if (listsLength == 0)
        return lists;
    ByteCursor cursor(table, listsAt, table.size() - listsAt, QStringLiteral("list table"));
    const int count = cursor.i16();
    if (count < 0 || count > mostLists || listsLength != 2 + 28 * count)
        refuse(QStringLiteral("a list table of an unusual size"));
    ByteCursor overrides(table, overridesAt, overridesLength, QStringLiteral("list overrides"));
    if (static_cast<int>(overrides.u32()) != count)
        refuse(QStringLiteral("list overrides that do not match the lists"));
    const QStringList names = readNames(table, namesAt, namesLength, count);
    lists.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        ListDefinition &list = lists[static_cast<size_t>(i)];
        if (cursor.u32() != static_cast<uint32_t>(i) + 1 || overrides.u32() != static_cast<uint32_t>(i) + 1)
            refuse(QStringLiteral("lists numbered out of order"));
        overrides.skip(12);
        cursor.skip(4 + 18);
        const uint32_t flags = cursor.u8();
        cursor.u8();
        if (flags & 0x01)
            refuse(QStringLiteral("a list of one level"));
        list.outlineNumbered = (flags & 0x10) == 0;
        list.name = names.at(i);
    }
    for (ListDefinition &list : lists) {
        for (ListLevelFormat &level : list.levels)
            level = readLevel(cursor, fonts);
    }
    return lists;
}

} // namespace engine
