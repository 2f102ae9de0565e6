#include "docxbody.h"

#include "docxnumbering.h"
#include "docxrunproperties.h"
#include "docxtable.h"
#include "xmltext.h"

namespace engine {
namespace {

const char *justification(long alignment)
{
    switch (alignment) {
    case word::wdAlignParagraphCenter: return "center";
    case word::wdAlignParagraphRight: return "right";
    case word::wdAlignParagraphJustify: return "both";
    default: return "left";
    }
}

} // namespace

QByteArray DocxBody::write(const DocumentModel &model)
{
    DocxBody body(model);
    body.m_out += "<w:body>";
    body.writeStory();
    body.m_out += body.sectionProperties() + "</w:body>";
    return body.m_out;
}

DocxBody::DocxBody(const DocumentModel &model)
    : m_model(model)
    , m_story(model.story)
{
    m_out.reserve(8192 + m_story.size() * 2);
}

void DocxBody::writeStory()
{
    bool paragraphStart = true;
    for (int i = 0; i < m_story.size(); ++i) {
        const StoryPosition &position = m_story.at(i);
        if (position.mark == Mark::RowEnd) {
            endRow();
            continue;
        }
        if (paragraphStart) {
            startParagraph(i);
            paragraphStart = false;
        }
        if (position.mark == Mark::None) {
            writeCharacter(position);
            continue;
        }
        endParagraph(position);
        paragraphStart = true;
    }
    closeTable();
}

void DocxBody::startParagraph(int index)
{
    const Mark before = index == 0 ? Mark::Paragraph : m_story.at(index - 1).mark;
    // The cheap test first: looking for the cell's end walks the whole cell.
    const bool cellStart = before == Mark::RowEnd || before == Mark::Paragraph || before == Mark::CellEnd;
    const int cellEnd = cellStart ? m_story.cellEnd(index) : -1;
    if (cellStart && cellEnd < 0)
        closeTable();
    if (cellEnd >= 0 && before != Mark::CellEnd)
        startRow(index);
    if (cellEnd >= 0)
        startCell(cellEnd);
    m_out += "<w:p>" + paragraphProperties(m_story.at(m_story.paragraphEnd(index)));
}

void DocxBody::startRow(int index)
{
    const RowFormat &row = m_story.row(m_story.at(m_story.rowEnd(index)).structure);
    // Rows of another table do not join this one.
    if (row.table != m_table) {
        closeTable();
        m_table = row.table;
        m_out += "<w:tbl>" + DocxTable::start(m_story.table(m_table));
    }
    m_out += "<w:tr>" + DocxTable::rowProperties(row);
    m_column = 0;
}

void DocxBody::startCell(int cellEndIndex)
{
    const CellFormat &cell = m_story.cell(m_story.at(cellEndIndex).structure);
    m_out += "<w:tc>" + DocxTable::cellProperties(cell, m_story.table(m_table), m_column);
    m_column += cell.columnSpan;
}

void DocxBody::writeCharacter(const StoryPosition &position)
{
    if (position.characterFormat != m_runFormat) {
        closeRun();
        m_out += "<w:r>" + DocxRunProperties::forText(m_story.characterFormat(position.characterFormat));
        m_runFormat = position.characterFormat;
    }
    if (position.character == U'\t') {
        if (m_textOpen)
            m_out += "</w:t>";
        m_textOpen = false;
        m_out += "<w:tab/>";
        return;
    }
    // What XML cannot hold is left out here, before a text element is opened for it.
    if (!XmlText::allowed(position.character) || position.character < 0x20)
        return;
    if (!m_textOpen)
        m_out += "<w:t xml:space=\"preserve\">";
    m_textOpen = true;
    XmlText::append(m_out, position.character);
}

void DocxBody::closeRun()
{
    if (m_textOpen)
        m_out += "</w:t>";
    if (m_runFormat >= 0)
        m_out += "</w:r>";
    m_textOpen = false;
    m_runFormat = -1;
}

void DocxBody::endParagraph(const StoryPosition &mark)
{
    closeRun();
    m_out += "</w:p>";
    if (mark.mark == Mark::CellEnd)
        m_out += "</w:tc>";
}

void DocxBody::endRow()
{
    m_out += "</w:tr>";
}

void DocxBody::closeTable()
{
    if (m_table < 0)
        return;
    m_out += "</w:tbl>";
    m_table = -1;
}

QByteArray DocxBody::paragraphProperties(const StoryPosition &mark) const
{
    const ParagraphFormat &format = m_story.paragraphFormat(mark.paragraphFormat);
    QByteArray out = "<w:pPr><w:widowControl/>";
    const ListLevelFormat *level =
        format.list >= 0 ? &m_model.lists.at(static_cast<size_t>(format.list)).levels[0] : nullptr;
    if (level)
        out += "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"" + QByteArray::number(format.list + 1)
            + "\"/></w:numPr>" + DocxNumbering::levelTabs(*level);
    // Every paragraph says its spacing itself, as a reader's table style must
    // not change it.
    out += "<w:spacing w:before=\"0\" w:after=\"160\" w:line=\"259\" w:lineRule=\"auto\"/>";
    if (level)
        out += DocxNumbering::levelIndents(*level);
    out += "<w:jc w:val=\"" + QByteArray(justification(format.alignment)) + "\"/>";
    return out + DocxRunProperties::forText(m_story.characterFormat(mark.characterFormat)) + "</w:pPr>";
}

QByteArray DocxBody::sectionProperties() const
{
    const PageGeometry &page = m_model.page;
    const auto number = [](int value) { return QByteArray::number(value); };
    return "<w:sectPr><w:pgSz w:w=\"" + number(page.widthTwips) + "\" w:h=\"" + number(page.heightTwips)
        + "\"/><w:pgMar w:top=\"" + number(page.marginTopTwips) + "\" w:right=\"" + number(page.marginRightTwips)
        + "\" w:bottom=\"" + number(page.marginBottomTwips) + "\" w:left=\"" + number(page.marginLeftTwips)
        + "\" w:header=\"720\" w:footer=\"720\" w:gutter=\"0\"/><w:cols w:space=\"720\"/></w:sectPr>";
}

} // namespace engine
