#include "rtfwriter.h"

#include "levelfontwords.h"
#include "rtftext.h"
#include "rtfunits.h"

#include <QList>

#include <algorithm>
#include <array>

namespace engine {
namespace {

// Fonts every saved document declares, so their numbers never change.
const std::array<const char *, 5> standardFonts = {"Calibri", "Times New Roman", "Arial", "Tahoma", "Wingdings"};

const char *fontFamily(const QString &name)
{
    if (name == QLatin1String("Times New Roman"))
        return "\\froman";
    if (name == QLatin1String("Calibri") || name == QLatin1String("Arial") || name == QLatin1String("Tahoma"))
        return "\\fswiss";
    return "\\fnil";
}

const char *alignmentWord(long alignment)
{
    switch (alignment) {
    case word::wdAlignParagraphCenter: return "\\qc";
    case word::wdAlignParagraphRight: return "\\qr";
    case word::wdAlignParagraphJustify: return "\\qj";
    default: return "\\ql";
    }
}

const char *verticalAlignmentWord(long alignment)
{
    switch (alignment) {
    case word::wdCellAlignVerticalCenter: return "\\clvertalc";
    case word::wdCellAlignVerticalBottom: return "\\clvertalb";
    default: return "\\clvertalt";
    }
}

} // namespace

QByteArray RtfWriter::write(const DocumentModel &model)
{
    RtfWriter writer(model);
    writer.collectFontsAndColors();
    writer.writeHeader();
    writer.writeBody();
    writer.m_out += "}\r\n";
    return writer.m_out;
}

RtfWriter::RtfWriter(const DocumentModel &model)
    : m_model(model)
    , m_story(model.story)
{
    m_out.reserve(4096 + m_story.size() * 2);
}

void RtfWriter::word(const char *name)
{
    m_out += '\\';
    m_out += name;
}

void RtfWriter::word(const char *name, long long parameter)
{
    word(name);
    m_out += QByteArray::number(parameter);
}

void RtfWriter::addFont(const QString &name)
{
    if (!m_fonts.contains(name))
        m_fonts.append(name);
}

void RtfWriter::addColor(long color)
{
    if (color != word::wdColorAutomatic && std::find(m_colors.begin(), m_colors.end(), color) == m_colors.end())
        m_colors.push_back(color);
}

void RtfWriter::collectFontsAndColors()
{
    for (const char *name : standardFonts)
        addFont(QString::fromLatin1(name));
    int previousFormat = -1;
    for (int i = 0; i < m_story.size(); ++i) {
        // Only what is written counts: a row's end mark carries no font, a
        // border without a line no colour.
        const StoryPosition &position = m_story.at(i);
        if (position.mark != Mark::RowEnd && position.characterFormat != previousFormat) {
            addFont(m_story.characterFormat(position.characterFormat).fontName);
            previousFormat = position.characterFormat;
        }
        if (position.mark != Mark::CellEnd)
            continue;
        for (const BorderLine &line : m_story.cell(position.structure).borders) {
            if (line.visible())
                addColor(line.color);
        }
    }
    for (const ListDefinition &list : m_model.lists) {
        for (const ListLevelFormat &level : list.levels) {
            if (!level.fontName.isEmpty())
                addFont(level.fontName);
            const auto color = level.fontProperties.find(word::FontProperty::Color);
            if (color != level.fontProperties.end())
                addColor(static_cast<long>(color->second));
        }
    }
}

int RtfWriter::fontIndex(const QString &name) const
{
    return static_cast<int>(m_fonts.indexOf(name));
}

int RtfWriter::colorIndex(long color) const
{
    const auto found = std::find(m_colors.begin(), m_colors.end(), color);
    // Entry 0 of the colour table is the automatic colour.
    return found == m_colors.end() ? 0 : static_cast<int>(found - m_colors.begin()) + 1;
}

void RtfWriter::writeHeader()
{
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\\uc1\r\n";
    writeFontTable();
    writeColorTable();
    writeStylesheet();
    writeListTable();
    writeListOverrideTable();
    writePageSetup();
}

void RtfWriter::writeFontTable()
{
    m_out += "{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        const QString &name = m_fonts.at(i);
        m_out += '{';
        word("f", i);
        m_out += fontFamily(name);
        // Wingdings is a symbol font: its characters live at U+F020 to U+F0FF.
        word("fcharset", name == QLatin1String("Wingdings") ? 2 : 0);
        word("fprq", 2);
        m_out += ' ';
        appendRtfText(m_out, name, true);
        m_out += ";}";
    }
    m_out += "}\r\n";
}

void RtfWriter::writeColorTable()
{
    m_out += "{\\colortbl;";
    for (long color : m_colors) {
        word("red", color & 0xFF);
        word("green", (color >> 8) & 0xFF);
        word("blue", (color >> 16) & 0xFF);
        m_out += ';';
    }
    m_out += "}\r\n";
}

void RtfWriter::writeStylesheet()
{
    m_out += "{\\stylesheet{\\ql\\sa160\\sl259\\slmult1\\widowctrl\\f0\\fs22\\kerning0\\snext0 Normal;}"
             "{\\*\\cs10\\additive Default Paragraph Font;}"
             "{\\*\\ts11\\tsrowd\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3\\snext11\\ssemihidden Table Normal;}"
             "{\\*\\ts15\\tsrowd\\trbrdrt\\brdrs\\brdrw10\\trbrdrl\\brdrs\\brdrw10\\trbrdrb\\brdrs\\brdrw10"
             "\\trbrdrr\\brdrs\\brdrw10\\trbrdrh\\brdrs\\brdrw10\\trbrdrv\\brdrs\\brdrw10"
             "\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3\\sbasedon11\\snext15 Table Grid;}}\r\n";
}

void RtfWriter::writeListTable()
{
    if (m_model.lists.empty())
        return;
    m_out += "{\\*\\listtable\r\n";
    for (size_t i = 0; i < m_model.lists.size(); ++i) {
        const ListDefinition &list = m_model.lists[i];
        m_out += "{\\list";
        word("listtemplateid", static_cast<long long>(i) + 1);
        if (!list.outlineNumbered)
            word("listhybrid");
        for (const ListLevelFormat &level : list.levels)
            writeListLevel(level);
        m_out += "{\\listname ";
        appendRtfText(m_out, list.name, true);
        m_out += ";}";
        word("listid", static_cast<long long>(i) + 1);
        m_out += "}\r\n";
    }
    m_out += "}\r\n";
}

void RtfWriter::writeListLevel(const ListLevelFormat &level)
{
    m_out += "{\\listlevel";
    word("levelnfc", level.numberStyle);
    word("levelnfcn", level.numberStyle);
    word("leveljc", level.alignment);
    word("leveljcn", level.alignment);
    word("levelfollow", level.trailingCharacter);
    word("levelstartat", level.startAt);
    if (level.resetOnHigher == 0)
        word("levelnorestart");
    writeLevelText(level.numberFormat);
    writeLevelFont(level);
    word("fi", RtfUnits::twips(level.numberPositionPoints - level.textPositionPoints));
    word("li", RtfUnits::twips(level.textPositionPoints));
    word("jclisttab");
    word("tx", RtfUnits::twips(level.tabPositionPoints));
    m_out += '}';
}

void RtfWriter::writeLevelText(const QString &numberFormat)
{
    // The level text starts with its length; \'00 to \'08 stand for the numbers
    // of levels 1 to 9, and \levelnumbers lists where they are.
    QByteArray text;
    QByteArray numbers;
    int length = 0;
    const auto characters = numberFormat.toUcs4();
    for (int i = 0; i < characters.size(); ++i) {
        const char32_t c = characters.at(i);
        const bool placeholder = c == U'%' && i + 1 < characters.size() && characters.at(i + 1) >= U'1'
                                 && characters.at(i + 1) <= U'9';
        if (placeholder) {
            text += "\\'0" + QByteArray::number(characters.at(++i) - U'1');
            numbers += "\\'" + QByteArray::number(length + 1, 16).rightJustified(2, '0');
            ++length;
            continue;
        }
        appendRtfCharacter(text, c, true);
        length += c > 0xFFFF ? 2 : 1;
    }
    m_out += "{\\leveltext\\'" + QByteArray::number(length, 16).rightJustified(2, '0') + text + ";}";
    m_out += "{\\levelnumbers" + numbers + ";}";
}

void RtfWriter::writeLevelFont(const ListLevelFormat &level)
{
    if (!level.fontName.isEmpty())
        word("f", fontIndex(level.fontName));
    for (const auto &[property, value] : level.fontProperties)
        m_out += LevelFontWords::write(property, value, colorIndex(static_cast<long>(value)));
    m_out += LevelFontWords::writeSubSuper(level.fontProperties);
}

void RtfWriter::writeListOverrideTable()
{
    if (m_model.lists.empty())
        return;
    m_out += "{\\*\\listoverridetable";
    for (size_t i = 0; i < m_model.lists.size(); ++i) {
        m_out += "{\\listoverride";
        word("listid", static_cast<long long>(i) + 1);
        word("listoverridecount", 0);
        word("ls", static_cast<long long>(i) + 1);
        m_out += '}';
    }
    m_out += "}\r\n";
}

void RtfWriter::writePageSetup()
{
    // Calibri 11 pt unkerned, 1.08 lines, 8 pt after; then the page, once for
    // the document and once for its one section, as Word writes it.
    m_out += "{\\*\\defchp\\f0\\fs22\\kerning0}{\\*\\defpap\\ql\\sa160\\sl259\\slmult1\\widowctrl}\r\n";
    writePage({"paperw", "paperh", "margl", "margr", "margt", "margb"});
    m_out += "\\gutter0\\widowctrl\\ftnbj\\viewkind1\r\n\\sectd";
    writePage({"pgwsxn", "pghsxn", "marglsxn", "margrsxn", "margtsxn", "margbsxn"});
    m_out += "\\headery720\\footery720\r\n";
}

void RtfWriter::writePage(const std::array<const char *, 6> &names)
{
    const PageGeometry &page = m_model.page;
    const int values[] = {page.widthTwips,      page.heightTwips,    page.marginLeftTwips,
                          page.marginRightTwips, page.marginTopTwips, page.marginBottomTwips};
    for (size_t i = 0; i < names.size(); ++i)
        word(names[i], values[i]);
}

void RtfWriter::writeBody()
{
    bool paragraphStart = true;
    int rowInTable = 0;
    for (int i = 0; i < m_story.size(); ++i) {
        const StoryPosition &position = m_story.at(i);
        if (position.mark == Mark::RowEnd) {
            m_out += "\\row\r\n";
            ++rowInTable;
            continue;
        }
        if (paragraphStart) {
            // The cheap test first: looking for the cell's end walks the whole cell.
            const bool rowStart = (i == 0 || m_story.at(i - 1).mark == Mark::RowEnd
                                   || m_story.at(i - 1).mark == Mark::Paragraph)
                                  && m_story.cellEnd(i) >= 0;
            if (rowStart) {
                if (i == 0 || m_story.at(i - 1).mark != Mark::RowEnd)
                    rowInTable = 0;
                writeRowDefinition(m_story.rowEnd(i), rowInTable);
            }
            writeParagraphProperties(m_story.at(m_story.paragraphEnd(i)));
            paragraphStart = false;
        }
        if (position.mark == Mark::None) {
            writeCharacterFormat(position.characterFormat);
            appendRtfCharacter(m_out, position.character);
            continue;
        }
        writeMark(position, i == m_story.size() - 1);
        paragraphStart = true;
    }
}

void RtfWriter::writeMark(const StoryPosition &mark, bool last)
{
    writeCharacterFormat(mark.characterFormat);
    if (last)
        return;
    m_out += mark.mark == Mark::CellEnd ? "\\cell\r\n" : "\\par\r\n";
}

void RtfWriter::writeRowDefinition(int rowEndIndex, int rowInTable)
{
    const RowFormat &row = m_story.row(m_story.at(rowEndIndex).structure);
    const TableFormat &table = m_story.table(row.table);
    word("trowd");
    word("irow", rowInTable);
    word("irowband", rowInTable);
    word("ts", table.styleName == QLatin1String("Table Grid") ? 15 : 11);
    // Cells padded 5.4 pt left and right, the table pulled left by as much so
    // that its text lines up with the margin. LibreOffice takes \trleft for
    // where the first cell's text starts and moves the table left by the row's
    // left padding; a row padding of 0 in null units stops that, leaving
    // readers that honour the units with \trgaph's 108 for the padding.
    word("trgaph", 108);
    word("trleft", -108);
    word("trrh", RtfUnits::twips(row.minimumHeightPoints));
    m_out += "\\trpaddl0\\trpaddfl0\\trpaddr108\\trpaddfr3";
    if (table.applyStyleHeadingRows)
        word("tbllkhdrrows");
    if (table.applyStyleLastRow)
        word("tbllklastrow");
    if (table.applyStyleFirstColumn)
        word("tbllkhdrcols");
    if (table.applyStyleLastColumn)
        word("tbllklastcol");
    int column = 0;
    int rightEdge = -108;
    for (int cellEnd : m_story.rowCells(rowEndIndex)) {
        const CellFormat &cell = m_story.cell(m_story.at(cellEnd).structure);
        for (int span = 0; span < cell.columnSpan; ++span, ++column)
            rightEdge += RtfUnits::twips(table.columnWidthsPoints.at(static_cast<size_t>(column)));
        writeCellDefinition(cell, rightEdge);
    }
    m_out += "\r\n";
}

void RtfWriter::writeCellDefinition(const CellFormat &cell, int rightEdgeTwips)
{
    // Word and LibreOffice read \clpadt as the left padding (the names are
    // swapped in practice); LibreOffice ignores the units, so it pads the text
    // 5.4 pt here, while null units make a reader that follows the names skip
    // it and keep \trgaph's padding.
    m_out += "\\clpadt108\\clpadft0";
    m_out += verticalAlignmentWord(cell.verticalAlignment);
    writeBorder("clbrdrt", cell.borders[CellFormat::Top], cell.shadow);
    writeBorder("clbrdrl", cell.borders[CellFormat::Left], cell.shadow);
    writeBorder("clbrdrb", cell.borders[CellFormat::Bottom], cell.shadow);
    writeBorder("clbrdrr", cell.borders[CellFormat::Right], cell.shadow);
    word("cellx", rightEdgeTwips);
}

void RtfWriter::writeBorder(const char *side, const BorderLine &line, bool shadow)
{
    word(side);
    if (!line.visible()) {
        word("brdrnone");
        return;
    }
    word("brdrs");
    word("brdrw", RtfUnits::borderTwips(line.widthEighths));
    if (line.color != word::wdColorAutomatic)
        word("brdrcf", colorIndex(line.color));
    if (shadow)
        word("brdrsh");
}

void RtfWriter::writeParagraphProperties(const StoryPosition &mark)
{
    const ParagraphFormat &format = m_story.paragraphFormat(mark.paragraphFormat);
    m_out += "\\pard\\plain";
    if (mark.mark == Mark::CellParagraph || mark.mark == Mark::CellEnd)
        word("intbl");
    m_out += alignmentWord(format.alignment);
    m_out += "\\sa160\\sl259\\slmult1\\widowctrl";
    if (format.list >= 0) {
        const ListLevelFormat &level = m_model.lists.at(static_cast<size_t>(format.list)).levels[0];
        word("ls", format.list + 1);
        word("ilvl", 0);
        word("fi", RtfUnits::twips(level.numberPositionPoints - level.textPositionPoints));
        word("li", RtfUnits::twips(level.textPositionPoints));
        word("jclisttab");
        word("tx", RtfUnits::twips(level.tabPositionPoints));
    }
    m_currentFormat = -1;
}

void RtfWriter::writeCharacterFormat(int format)
{
    if (format == m_currentFormat)
        return;
    const CharacterFormat &character = m_story.characterFormat(format);
    word("f", fontIndex(character.fontName));
    word("fs", character.sizeHalfPoints);
    word(character.bold ? "b" : "b0");
    // Readers differ on whether unmarked text is kerned, so it is always said.
    word("kerning", character.kerningHalfPoints);
    m_out += ' ';
    m_currentFormat = format;
}

} // namespace engine
