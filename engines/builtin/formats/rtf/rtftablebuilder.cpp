#include "rtftablebuilder.h"

#include "rtfunits.h"
#include "formats/tablegrid.h"
#include "rtfproblem.h"
#include "automation/failure.h"

#include <algorithm>
#include <set>

namespace engine {
namespace {

// No page is wider or taller than 22 inches.
constexpr long widestTwips = 31680;

} // namespace

RtfTableBuilder::RtfTableBuilder(Story &story, const std::vector<long> &colors)
    : m_story(story)
    , m_colors(colors)
{
}

bool RtfTableBuilder::definitionWord(const RtfToken &token)
{
    if (token.name == "trowd") {
        if (m_cellsEnded > 0)
            throw rtfDamaged(QStringLiteral("a new row starts before the last one ended"), token.offset);
        m_row = RowDefinition();
        m_row.defined = true;
        return true;
    }
    if (!rowWord(token) && !cellWord(token) && !borderWord(token))
        return false;
    if (!m_row.defined)
        throw rtfDamaged(QStringLiteral("\\%1 outside a row definition").arg(QString::fromLatin1(token.name)),
                      token.offset);
    return true;
}

bool RtfTableBuilder::rowWord(const RtfToken &token)
{
    const QByteArray &name = token.name;
    // Padding is the same 5.4 pt in every cell, however the writer spells it.
    static const std::set<QByteArray> ignored = {"irow",     "irowband", "trgaph", "trpaddl", "trpaddr",
                                                 "trpaddfl", "trpaddfr", "clpadt", "clpadft"};
    if (ignored.count(name))
        return true;
    if (name == "ts") {
        const long style = rtfParameter(token, 11, 15);
        if (style != 11 && style != 15)
            throw rtfDamaged(QStringLiteral("an unknown table style"), token.offset);
        m_row.table.styleName = style == 15 ? QStringLiteral("Table Grid") : QStringLiteral("Table Normal");
    } else if (name == "trleft") {
        m_row.leftEdgeTwips = static_cast<int>(rtfParameter(token, -widestTwips, widestTwips));
    } else if (name == "trrh") {
        m_row.minimumHeightPoints = RtfUnits::points(rtfParameter(token, 0, widestTwips));
    } else if (name == "tbllkhdrrows") {
        m_row.table.applyStyleHeadingRows = true;
    } else if (name == "tbllklastrow") {
        m_row.table.applyStyleLastRow = true;
    } else if (name == "tbllkhdrcols") {
        m_row.table.applyStyleFirstColumn = true;
    } else if (name == "tbllklastcol") {
        m_row.table.applyStyleLastColumn = true;
    } else {
        return false;
    }
    return true;
}

bool RtfTableBuilder::cellWord(const RtfToken &token)
{
    const QByteArray &name = token.name;
    if (name == "clvertalt")
        m_row.cell.verticalAlignment = word::wdCellAlignVerticalTop;
    else if (name == "clvertalc")
        m_row.cell.verticalAlignment = word::wdCellAlignVerticalCenter;
    else if (name == "clvertalb")
        m_row.cell.verticalAlignment = word::wdCellAlignVerticalBottom;
    else if (name == "clbrdrt")
        m_row.side = CellFormat::Top;
    else if (name == "clbrdrl")
        m_row.side = CellFormat::Left;
    else if (name == "clbrdrb")
        m_row.side = CellFormat::Bottom;
    else if (name == "clbrdrr")
        m_row.side = CellFormat::Right;
    else if (name == "cellx")
        addCellEdge(token);
    else
        return false;
    return true;
}

BorderLine &RtfTableBuilder::currentBorder(const RtfToken &token)
{
    if (m_row.side < 0)
        throw rtfDamaged(QStringLiteral("\\%1 before any \\clbrdr").arg(QString::fromLatin1(token.name)), token.offset);
    return m_row.cell.borders[static_cast<size_t>(m_row.side)];
}

bool RtfTableBuilder::borderWord(const RtfToken &token)
{
    const QByteArray &name = token.name;
    if (name == "brdrnone") {
        currentBorder(token) = BorderLine();
    } else if (name == "brdrs") {
        currentBorder(token).lineStyle = word::wdLineStyleSingle;
    } else if (name == "brdrw") {
        static const std::set<long> widths = {5, 10, 15, 20, 30, 45, 60, 90, 120};
        const long twips = rtfParameter(token, 5, 120);
        if (!widths.count(twips))
            throw rtfDamaged(QStringLiteral("a border width that is none of Word's"), token.offset);
        currentBorder(token).widthEighths = RtfUnits::borderEighths(twips);
    } else if (name == "brdrcf") {
        const long index = rtfParameter(token, 0, static_cast<long>(m_colors.size()));
        currentBorder(token).color = index == 0 ? word::wdColorAutomatic : m_colors.at(static_cast<size_t>(index - 1));
    } else if (name == "brdrsh") {
        currentBorder(token);
        m_row.cell.shadow = true;
    } else {
        return false;
    }
    return true;
}

void RtfTableBuilder::addCellEdge(const RtfToken &token)
{
    const int edge = static_cast<int>(rtfParameter(token, -widestTwips, widestTwips));
    const int previous = m_row.cells.empty() ? m_row.leftEdgeTwips : m_row.cells.back().rightEdgeTwips;
    if (edge <= previous)
        throw rtfDamaged(QStringLiteral("a cell whose right edge is not right of its left edge"), token.offset);
    if (static_cast<int>(m_row.cells.size()) == mostCellsPerRow)
        throw rtfDamaged(QStringLiteral("a row of more than %1 cells").arg(mostCellsPerRow), token.offset);
    m_row.cells.push_back({m_row.cell, edge});
    m_row.cell = CellFormat();
    m_row.side = -1;
}

void RtfTableBuilder::endCell(StoryPosition mark, int offset)
{
    if (!m_row.defined)
        throw rtfDamaged(QStringLiteral("a cell outside any table row"), offset);
    if (m_cellsEnded >= static_cast<int>(m_row.cells.size()))
        throw rtfDamaged(QStringLiteral("more cells than the row defines"), offset);
    if (m_cellsEnded == 0)
        m_rowStart = m_story.cellStart(m_story.size());
    mark.mark = Mark::CellEnd;
    mark.structure = m_story.addCell(m_row.cells[static_cast<size_t>(m_cellsEnded++)].format);
    m_story.append(mark);
}

void RtfTableBuilder::endRow(int offset)
{
    if (!m_row.defined || m_cellsEnded == 0 || m_cellsEnded != static_cast<int>(m_row.cells.size()))
        throw rtfDamaged(QStringLiteral("a row whose cells do not match its definition"), offset);
    if (m_story.at(m_story.size() - 1).mark != Mark::CellEnd)
        throw rtfDamaged(QStringLiteral("text between a row's last cell and the row's end"), offset);
    // A row that follows another directly continues its table.
    if (m_rowStart != m_lastRowEnd + 1 || m_currentTable < 0) {
        m_currentTable = m_story.addTable(m_row.table);
        m_tableRows.emplace_back();
    }
    TableRow row{m_row.leftEdgeTwips, {}, {}};
    for (int i = 0; i < m_cellsEnded; ++i)
        row.rightEdgesTwips.push_back(m_row.cells[static_cast<size_t>(i)].rightEdgeTwips);
    for (int cell : m_story.rowCells(m_story.size()))
        row.cellFormats.push_back(m_story.at(cell).structure);
    m_tableRows.back().push_back(row);

    StoryPosition mark;
    mark.mark = Mark::RowEnd;
    RowFormat format;
    format.table = m_currentTable;
    format.minimumHeightPoints = m_row.minimumHeightPoints;
    mark.structure = m_story.addRow(format);
    m_lastRowEnd = m_story.size();
    m_story.append(mark);
    m_row = RowDefinition();
    m_cellsEnded = 0;
}

void RtfTableBuilder::finish()
{
    for (size_t table = 0; table < m_tableRows.size(); ++table)
        TableGrid::assign(m_story, static_cast<int>(table), m_tableRows[table]);
}

} // namespace engine
