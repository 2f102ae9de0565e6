#include "rtfreader.h"

#include "levelfontwords.h"
#include "rtfunits.h"
#include "rtfproblem.h"
#include "automation/failure.h"

#include <map>
#include <set>

namespace engine {
namespace {

automation::Failure unsupported(const RtfToken &token)
{
    const QString what = token.type == RtfToken::ControlWord
                             ? QStringLiteral("\\") + QString::fromLatin1(token.name)
                             : QStringLiteral("\\") + QChar(token.character);
    return automation::Failure(QStringLiteral("it uses the RTF control %1 (at byte %2), which the built-in word "
                                      "processor does not read.")
                           .arg(what)
                           .arg(token.offset));
}

bool isRawSemicolon(char16_t unit, const RtfToken &token)
{
    return unit == u';' && token.type == RtfToken::Text;
}

} // namespace

DocumentModel RtfReader::read(const QByteArray &bytes)
{
    if (!bytes.startsWith("{\\rtf1"))
        throw automation::Failure(QStringLiteral("it is not a Rich Text Format document (it does not start with {\\rtf1)."));
    RtfReader reader(bytes);
    reader.run();
    return std::move(reader.m_model);
}

RtfReader::RtfReader(const QByteArray &bytes)
    : m_bytes(bytes)
    , m_tokenizer(m_bytes)
    , m_tables(m_model.story, m_colors)
{
    m_model.story.clear();
    // Each position takes at least one byte of the file, and plain text about one.
    m_model.story.reserve(static_cast<int>(std::min<qsizetype>(bytes.size(), mostReservedPositions)));
}

void RtfReader::run()
{
    m_tokenizer.next();
    m_groups.push_back({Destination::Document, CharacterFormat(), -1});
    const RtfToken version = m_tokenizer.next();
    if (version.type != RtfToken::ControlWord || version.name != "rtf" || version.parameter != 1)
        throw automation::Failure(QStringLiteral("it is not a Rich Text Format document of version 1."));
    while (!m_done)
        handle(m_tokenizer.next());
    for (int i = m_tokenizer.offset(); i < m_bytes.size(); ++i) {
        const char c = m_bytes.at(i);
        if (c != '\r' && c != '\n' && c != ' ' && c != '\0')
            throw rtfDamaged(QStringLiteral("data after the end of the document"), i);
    }
}

void RtfReader::handle(const RtfToken &token)
{
    if (m_skipFallback) {
        // \uc1: the one character after \uN is for readers without Unicode.
        m_skipFallback = false;
        if (token.type == RtfToken::Text || token.type == RtfToken::HexByte)
            return;
    }
    switch (token.type) {
    case RtfToken::GroupStart: return openGroup();
    case RtfToken::GroupEnd: return closeGroup();
    case RtfToken::ControlWord: return handleWord(token);
    case RtfToken::HexByte: return handleHexByte(token);
    case RtfToken::Text: return handleText(token.character, token);
    case RtfToken::ControlSymbol:
        if (token.character == u'\\' || token.character == u'{' || token.character == u'}')
            return handleText(token.character, token);
        throw unsupported(token);
    case RtfToken::End: break;
    }
}

void RtfReader::openGroup()
{
    if (static_cast<int>(m_groups.size()) >= deepestNesting)
        throw rtfDamaged(QStringLiteral("groups nested more than %1 deep").arg(deepestNesting), m_tokenizer.offset());
    flushSurrogate();
    Group group = current();
    if (group.destination == Destination::FontTable)
        group.destination = Destination::FontEntry;
    m_groups.push_back(group);
    const RtfToken first = m_tokenizer.next();
    if (!enterDestination(first))
        handle(first);
}

bool RtfReader::enterDestination(const RtfToken &first)
{
    const Destination parent = m_groups[m_groups.size() - 2].destination;
    Destination &destination = current().destination;
    if (first.type == RtfToken::ControlSymbol && first.character == u'*') {
        const RtfToken name = m_tokenizer.next();
        if (name.type != RtfToken::ControlWord)
            throw rtfDamaged(QStringLiteral("\\* without a control word after it"), name.offset);
        if (parent == Destination::Document && name.name == "listtable") {
            destination = Destination::ListTable;
        } else if (parent == Destination::Document && name.name == "listoverridetable") {
            destination = Destination::ListOverrideTable;
        } else {
            // An ignorable destination: readers skip what they do not know.
            m_tokenizer.skipGroup();
            m_groups.pop_back();
        }
        return true;
    }
    if (first.type != RtfToken::ControlWord)
        return false;
    const QByteArray &name = first.name;
    if (parent == Destination::Document && name == "stylesheet") {
        // Our style sheet only restates the defaults that every paragraph carries.
        m_tokenizer.skipGroup();
        m_groups.pop_back();
        return true;
    }
    static const std::map<std::pair<Destination, QByteArray>, Destination> destinations = {
        {{Destination::Document, "fonttbl"}, Destination::FontTable},
        {{Destination::Document, "colortbl"}, Destination::ColorTable},
        {{Destination::ListTable, "list"}, Destination::List},
        {{Destination::List, "listlevel"}, Destination::ListLevel},
        {{Destination::List, "listname"}, Destination::ListName},
        {{Destination::ListLevel, "leveltext"}, Destination::LevelText},
        {{Destination::ListLevel, "levelnumbers"}, Destination::LevelNumbers},
        {{Destination::ListOverrideTable, "listoverride"}, Destination::ListOverride},
    };
    const auto found = destinations.find({parent, name});
    if (found == destinations.end())
        return false;
    destination = found->second;
    if (destination == Destination::List) {
        m_list = ListDefinition();
        m_list.outlineNumbered = true;
        m_levelsRead = 0;
        m_listId = -1;
    } else if (destination == Destination::ListLevel) {
        m_level = ListLevelFormat();
        m_level.resetOnHigher = m_levelsRead;
        m_levelText.clear();
        m_levelTextLength = -1;
        m_levelTextCount = 0;
        m_levelFirstIndent = m_levelLeftIndent = m_levelTab = 0;
    } else if (destination == Destination::ListOverride) {
        m_overrideListId = m_overrideNumber = -1;
    }
    return true;
}

void RtfReader::closeGroup()
{
    flushSurrogate();
    const RtfToken token{RtfToken::GroupEnd, {}, false, 0, 0, m_tokenizer.offset()};
    switch (current().destination) {
    case Destination::FontEntry:
        if (m_fontId >= 0)
            finishFontEntry(token);
        break;
    case Destination::LevelText:
        if (m_levelTextCount >= 0)
            throw rtfDamaged(QStringLiteral("a list level text without its closing semicolon"), token.offset);
        break;
    case Destination::ListLevel: finishListLevel(token); break;
    case Destination::List: finishList(token); break;
    case Destination::ListOverride: finishListOverride(token); break;
    default: break;
    }
    if (m_groups.size() == 1) {
        finishDocument(token);
        m_done = true;
    }
    m_groups.pop_back();
}

void RtfReader::handleWord(const RtfToken &token)
{
    if (token.name == "u")
        return unicodeWord(token);
    if (token.name == "tab")
        return handleText(u'\t', token);
    flushSurrogate();
    bool handled = false;
    switch (current().destination) {
    case Destination::Document:
        handled = documentWord(token) || paragraphWord(token) || m_tables.definitionWord(token);
        if (!handled && characterWord(token, current().character)) {
            current().characterIndex = -1;
            handled = true;
        }
        break;
    case Destination::FontEntry: handled = fontEntryWord(token); break;
    case Destination::ColorTable: handled = colorWord(token); break;
    case Destination::List: handled = listWord(token); break;
    case Destination::ListLevel: handled = listLevelWord(token); break;
    case Destination::ListOverride: handled = listOverrideWord(token); break;
    default: break;
    }
    if (!handled)
        throw unsupported(token);
}

void RtfReader::unicodeWord(const RtfToken &token)
{
    const long value = rtfParameter(token, -32768, 65535);
    handleText(static_cast<char16_t>(value < 0 ? value + 65536 : value), token);
    m_skipFallback = true;
}

void RtfReader::handleText(char16_t unit, const RtfToken &token)
{
    switch (current().destination) {
    case Destination::Document: return appendUnit(unit);
    case Destination::FontEntry:
        if (isRawSemicolon(unit, token))
            return finishFontEntry(token);
        return appendToName(m_fontEntryName, unit, token);
    case Destination::ColorTable:
        if (!isRawSemicolon(unit, token))
            break;
        if (m_colorEntries++ > 0)
            m_colors.push_back(m_red | (m_green << 8) | (m_blue << 16));
        if (m_colorEntries > mostTableEntries)
            throw rtfDamaged(QStringLiteral("a colour table of more than %1 colours").arg(mostTableEntries), token.offset);
        m_red = m_green = m_blue = 0;
        return;
    case Destination::ListName:
        if (isRawSemicolon(unit, token))
            return;
        return appendToName(m_list.name, unit, token);
    case Destination::LevelText:
        if (isRawSemicolon(unit, token))
            return finishLevelText(token);
        if (m_levelTextLength < 0 || m_levelTextCount < 0)
            break;
        ++m_levelTextCount;
        return appendToName(m_levelText, unit, token);
    case Destination::LevelNumbers:
        if (isRawSemicolon(unit, token))
            return;
        break;
    default: break;
    }
    throw rtfDamaged(QStringLiteral("text where none belongs"), token.offset);
}

void RtfReader::handleHexByte(const RtfToken &token)
{
    const Destination destination = current().destination;
    if (destination == Destination::LevelNumbers)
        return;
    if (destination != Destination::LevelText)
        throw unsupported(token);
    if (m_levelTextLength < 0) {
        m_levelTextLength = token.character;
        return;
    }
    if (token.character > 8 || m_levelTextCount < 0)
        throw rtfDamaged(QStringLiteral("a list level text with an unknown placeholder"), token.offset);
    ++m_levelTextCount;
    m_levelText += QLatin1Char('%') + QString::number(token.character + 1);
}

void RtfReader::finishLevelText(const RtfToken &token)
{
    if (m_levelTextCount != m_levelTextLength)
        throw rtfDamaged(QStringLiteral("a list level text whose length does not match"), token.offset);
    m_levelTextCount = -1;
}

bool RtfReader::documentWord(const RtfToken &token)
{
    // Words for settings the model holds fixed: the section and the spacing
    // every paragraph has. They are read and need no action.
    static const std::set<QByteArray> fixed = {
        "ansi", "ansicpg", "deff", "deflang", "gutter", "widowctrl", "ftnbj", "viewkind", "sectd",
        "headery", "footery", "sa", "sl", "slmult", "fi", "li", "jclisttab", "tx"};
    if (fixed.count(token.name))
        return true;
    if (pageWord(token))
        return true;
    if (token.name == "uc") {
        if (!token.hasParameter || token.parameter != 1)
            throw unsupported(token);
        return true;
    }
    return false;
}

bool RtfReader::pageWord(const RtfToken &token)
{
    // The document's page and the one section's: the section's words come
    // later in the file and say the same, so whichever comes last holds.
    static const std::map<QByteArray, int PageGeometry::*> paper = {
        {"paperw", &PageGeometry::widthTwips}, {"pgwsxn", &PageGeometry::widthTwips},
        {"paperh", &PageGeometry::heightTwips}, {"pghsxn", &PageGeometry::heightTwips}};
    static const std::map<QByteArray, int PageGeometry::*> margins = {
        {"margl", &PageGeometry::marginLeftTwips},   {"marglsxn", &PageGeometry::marginLeftTwips},
        {"margr", &PageGeometry::marginRightTwips},  {"margrsxn", &PageGeometry::marginRightTwips},
        {"margt", &PageGeometry::marginTopTwips},    {"margtsxn", &PageGeometry::marginTopTwips},
        {"margb", &PageGeometry::marginBottomTwips}, {"margbsxn", &PageGeometry::marginBottomTwips}};
    if (const auto found = paper.find(token.name); found != paper.end())
        m_model.page.*found->second = static_cast<int>(rtfParameter(token, smallestPaperTwips, largestPaperTwips));
    else if (const auto margin = margins.find(token.name); margin != margins.end())
        m_model.page.*margin->second = static_cast<int>(rtfParameter(token, 0, largestPaperTwips));
    else
        return false;
    return true;
}

bool RtfReader::paragraphWord(const RtfToken &token)
{
    const QByteArray &name = token.name;
    static const std::map<QByteArray, long> alignments = {{"ql", word::wdAlignParagraphLeft},
                                                          {"qc", word::wdAlignParagraphCenter},
                                                          {"qr", word::wdAlignParagraphRight},
                                                          {"qj", word::wdAlignParagraphJustify}};
    const auto alignment = alignments.find(name);
    if (alignment != alignments.end()) {
        m_paragraph.alignment = alignment->second;
    } else if (name == "pard") {
        m_paragraph = ParagraphFormat();
        m_inTable = false;
    } else if (name == "intbl") {
        m_inTable = true;
    } else if (name == "ls") {
        const long number = rtfParameter(token, 1, mostTableEntries);
        if (!m_overrides.contains(number))
            throw rtfDamaged(QStringLiteral("a list number that the list tables do not declare"), token.offset);
        m_paragraph.list = m_overrides.value(number);
    } else if (name == "ilvl") {
        rtfParameter(token, 0, 0);
    } else if (name == "par") {
        endParagraph(m_inTable ? Mark::CellParagraph : Mark::Paragraph, token);
    } else if (name == "cell") {
        endParagraph(Mark::CellEnd, token);
    } else if (name == "row") {
        m_tables.endRow(token.offset);
    } else {
        return false;
    }
    return true;
}

bool RtfReader::characterWord(const RtfToken &token, CharacterFormat &format)
{
    const QByteArray &name = token.name;
    if (name == "plain") {
        // \plain gives the default font at RTF's default size of 12 points.
        format = CharacterFormat();
        format.fontName = m_fonts.value(0, format.fontName);
        format.sizeHalfPoints = 24;
    } else if (name == "f") {
        format.fontName = fontName(token);
    } else if (name == "fs") {
        format.sizeHalfPoints = static_cast<int>(rtfParameter(token, 2, 3276));
    } else if (name == "b") {
        format.bold = !token.hasParameter || token.parameter != 0;
    } else if (name == "kerning") {
        format.kerningHalfPoints = static_cast<int>(rtfParameter(token, 0, 3276));
    } else {
        return false;
    }
    return true;
}

const QString &RtfReader::fontName(const RtfToken &token) const
{
    const auto found = m_fonts.find(rtfParameter(token, 0, mostTableEntries));
    if (found == m_fonts.end())
        throw rtfDamaged(QStringLiteral("a font number that the font table does not declare"), token.offset);
    return found.value();
}

bool RtfReader::fontEntryWord(const RtfToken &token)
{
    static const std::set<QByteArray> described = {"fnil", "froman", "fswiss", "fmodern", "fscript",
                                                   "fdecor", "ftech", "fbidi", "fcharset", "fprq"};
    if (token.name == "f") {
        m_fontId = rtfParameter(token, 0, mostTableEntries);
        return true;
    }
    return described.count(token.name) > 0;
}

void RtfReader::finishFontEntry(const RtfToken &token)
{
    if (m_fontId < 0)
        throw rtfDamaged(QStringLiteral("a font without a number"), token.offset);
    if (m_fonts.size() >= mostTableEntries)
        throw rtfDamaged(QStringLiteral("a font table of more than %1 fonts").arg(mostTableEntries), token.offset);
    m_fonts.insert(m_fontId, m_fontEntryName);
    m_fontId = -1;
    m_fontEntryName.clear();
}

bool RtfReader::colorWord(const RtfToken &token)
{
    long *component = token.name == "red" ? &m_red : token.name == "green" ? &m_green
                                                   : token.name == "blue"  ? &m_blue
                                                                           : nullptr;
    if (!component)
        return false;
    *component = rtfParameter(token, 0, 255);
    return true;
}

bool RtfReader::listWord(const RtfToken &token)
{
    if (token.name == "listtemplateid")
        return true;
    if (token.name == "listhybrid")
        m_list.outlineNumbered = false;
    else if (token.name == "listid")
        m_listId = rtfParameter(token, 1, 2147483647);
    else
        return false;
    return true;
}

bool RtfReader::listLevelWord(const RtfToken &token)
{
    static const std::set<long> numberStyles = {0, 1, 2, 3, 4, 23, 255};
    static const std::set<QByteArray> restated = {"levelnfcn", "leveljcn", "jclisttab"};
    const QByteArray &name = token.name;
    if (restated.count(name))
        return true;
    if (name == "levelnfc") {
        m_level.numberStyle = rtfParameter(token, 0, 255);
        if (!numberStyles.count(m_level.numberStyle))
            throw rtfDamaged(QStringLiteral("an unknown list number style"), token.offset);
    } else if (name == "leveljc") {
        m_level.alignment = rtfParameter(token, 0, 2);
    } else if (name == "levelfollow") {
        m_level.trailingCharacter = rtfParameter(token, 0, 2);
    } else if (name == "levelstartat") {
        m_level.startAt = rtfParameter(token, 0, 32767);
    } else if (name == "levelnorestart") {
        m_level.resetOnHigher = 0;
    } else if (name == "f") {
        m_level.fontName = fontName(token);
    } else if (name == "fi" || name == "li" || name == "tx") {
        const long twips = rtfParameter(token, -63360, 63360);
        (name == "fi" ? m_levelFirstIndent : name == "li" ? m_levelLeftIndent : m_levelTab) = twips;
    } else {
        long color = word::wdColorAutomatic;
        if (name == "cf") {
            const long index = rtfParameter(token, 0, static_cast<long>(m_colors.size()));
            color = index == 0 ? word::wdColorAutomatic : m_colors.at(static_cast<size_t>(index - 1));
        }
        if (name == "fs")
            rtfParameter(token, 2, 3276);
        if (name == "animtext")
            rtfParameter(token, 0, 6);
        return LevelFontWords::read(name, token.hasParameter, token.parameter, color, m_level.fontProperties);
    }
    return true;
}

void RtfReader::finishListLevel(const RtfToken &token)
{
    if (m_levelsRead >= ListDefinition::levelCount)
        throw rtfDamaged(QStringLiteral("a list of more than %1 levels").arg(ListDefinition::levelCount), token.offset);
    if (m_levelTextCount >= 0)
        throw rtfDamaged(QStringLiteral("a list level without its level text"), token.offset);
    m_level.numberFormat = m_levelText;
    m_level.textPositionPoints = RtfUnits::points(m_levelLeftIndent);
    m_level.numberPositionPoints = RtfUnits::points(m_levelFirstIndent + m_levelLeftIndent);
    m_level.tabPositionPoints = RtfUnits::points(m_levelTab);
    m_list.levels[static_cast<size_t>(m_levelsRead++)] = m_level;
}

void RtfReader::finishList(const RtfToken &token)
{
    if (m_levelsRead != ListDefinition::levelCount)
        throw rtfDamaged(QStringLiteral("a list with %1 levels instead of %2").arg(m_levelsRead).arg(ListDefinition::levelCount),
                      token.offset);
    if (m_listId < 0 || m_listIds.contains(m_listId))
        throw rtfDamaged(QStringLiteral("a list without a number of its own"), token.offset);
    if (static_cast<int>(m_model.lists.size()) >= mostTableEntries)
        throw rtfDamaged(QStringLiteral("more than %1 lists").arg(mostTableEntries), token.offset);
    m_listIds.insert(m_listId, static_cast<int>(m_model.lists.size()));
    m_model.lists.push_back(m_list);
}

bool RtfReader::listOverrideWord(const RtfToken &token)
{
    if (token.name == "listid")
        m_overrideListId = rtfParameter(token, 1, 2147483647);
    else if (token.name == "listoverridecount")
        rtfParameter(token, 0, 0);
    else if (token.name == "ls")
        m_overrideNumber = rtfParameter(token, 1, mostTableEntries);
    else
        return false;
    return true;
}

void RtfReader::finishListOverride(const RtfToken &token)
{
    if (!m_listIds.contains(m_overrideListId) || m_overrideNumber < 0 || m_overrides.contains(m_overrideNumber))
        throw rtfDamaged(QStringLiteral("a list override that names no list or repeats a number"), token.offset);
    m_overrides.insert(m_overrideNumber, m_listIds.value(m_overrideListId));
}

void RtfReader::appendToName(QString &name, char16_t unit, const RtfToken &token)
{
    if (name.size() >= longestName)
        throw rtfDamaged(QStringLiteral("a name longer than %1 characters").arg(longestName), token.offset);
    name += QChar(unit);
}

void RtfReader::appendUnit(char16_t unit)
{
    if (QChar::isHighSurrogate(unit)) {
        flushSurrogate();
        m_pendingHighSurrogate = unit;
    } else if (QChar::isLowSurrogate(unit)) {
        const char16_t high = m_pendingHighSurrogate;
        m_pendingHighSurrogate = 0;
        // A lone half of a pair is no character; Qt shows it as U+FFFD too.
        appendCharacter(high ? QChar::surrogateToUcs4(high, unit) : 0xFFFD);
    } else {
        flushSurrogate();
        appendCharacter(unit);
    }
}

void RtfReader::flushSurrogate()
{
    if (m_pendingHighSurrogate) {
        m_pendingHighSurrogate = 0;
        appendCharacter(0xFFFD);
    }
}

void RtfReader::appendCharacter(char32_t character)
{
    Group &group = current();
    if (group.characterIndex < 0)
        group.characterIndex = m_model.story.internCharacterFormat(group.character);
    StoryPosition position;
    position.character = character;
    position.characterFormat = group.characterIndex;
    m_model.story.append(position);
}

void RtfReader::endParagraph(Mark mark, const RtfToken &token)
{
    flushSurrogate();
    const bool cellMark = mark == Mark::CellEnd || mark == Mark::CellParagraph;
    if (cellMark && (!m_inTable || !m_tables.rowOpen()))
        throw rtfDamaged(QStringLiteral("a table paragraph outside any table row"), token.offset);
    if (!cellMark && m_tables.rowOpen())
        throw rtfDamaged(QStringLiteral("a paragraph outside the table before its row ended"), token.offset);
    StoryPosition position;
    position.mark = mark;
    position.characterFormat = m_model.story.internCharacterFormat(current().character);
    position.paragraphFormat = m_model.story.internParagraphFormat(m_paragraph);
    if (mark == Mark::CellEnd)
        m_tables.endCell(position, token.offset);
    else
        m_model.story.append(position);
}

void RtfReader::finishDocument(const RtfToken &token)
{
    if (m_inTable || m_tables.rowOpen())
        throw rtfDamaged(QStringLiteral("the document ends inside a table"), token.offset);
    const PageGeometry &page = m_model.page;
    if (page.textWidthTwips() < smallestPaperTwips || page.textBottomTwips() - page.marginTopTwips < smallestPaperTwips)
        throw rtfDamaged(QStringLiteral("a page whose margins leave less than an inch for the text"), token.offset);
    endParagraph(Mark::Paragraph, token);
    m_tables.finish();
}

} // namespace engine
