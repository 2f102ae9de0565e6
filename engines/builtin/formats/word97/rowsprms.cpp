#include "rowsprms.h"

#include "grpprl.h"
#include "sprm.h"
#include "sprmreader.h"
#include "stylesheetwriter.h"
#include "automation/failure.h"
#include "formats/binary/bytecursor.h"
#include "formats/binary/littleendianwriter.h"

#include <array>
#include <cmath>
#include <set>

namespace engine {
namespace {

// No page is wider or taller than 22 inches.
constexpr int widestTwips = 31680;
constexpr int cellGapTwips = 108;
constexpr uint32_t automaticColor = 0xFF000000;

// Which bit of sprmTSetBrc's side mask stands for each side of CellFormat.
constexpr std::array<uint32_t, CellFormat::SideCount> sideBits = {0x01, 0x02, 0x04, 0x08};

[[noreturn]] void refuse(const QString &detail)
{
    throw automation::Failure(ByteCursor::damaged(detail));
}

uint32_t verticalAlignmentCode(long alignment)
{
    switch (alignment) {
    case word::wdCellAlignVerticalCenter: return 1;
    case word::wdCellAlignVerticalBottom: return 2;
    default: return 0;
    }
}

long verticalAlignment(uint32_t code)
{
    switch (code) {
    case 1: return word::wdCellAlignVerticalCenter;
    case 2: return word::wdCellAlignVerticalBottom;
    default: return word::wdCellAlignVerticalTop;
    }
}

// The 16 colours a Word 97 border may name, as 0x00BBGGRR.
const std::array<uint32_t, 16> palette = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF,
                                          0x00FFFF, 0xFFFFFF, 0x800000, 0x808000, 0x008000, 0x800080,
                                          0x000080, 0x008080, 0x808080, 0xC0C0C0};

// The nearest of those for readers that know no other colours; 0 is automatic.
uint32_t nearestColorIndex(long color)
{
    if (color == word::wdColorAutomatic)
        return 0;
    uint32_t best = 1;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        long distance = 0;
        for (int shift : {0, 8, 16}) {
            const long d = (color >> shift & 0xFF) - static_cast<long>(palette[i] >> shift & 0xFF);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<uint32_t>(i) + 1;
        }
    }
    return best;
}

void writeBorder80(LittleEndianWriter &w, const BorderLine &line, bool shadow)
{
    if (!line.visible()) {
        w.u32(0);
        return;
    }
    w.u8(static_cast<uint32_t>(line.widthEighths));
    w.u8(1);
    w.u8(nearestColorIndex(line.color));
    w.u8(shadow ? 0x20 : 0);
}

QByteArray defineTable(const Story &story, const std::vector<int> &cells, const TableFormat &table)
{
    QByteArray operand;
    LittleEndianWriter w(operand);
    w.u16(0);
    w.u8(static_cast<uint32_t>(cells.size()));
    int edge = -cellGapTwips;
    w.u16(static_cast<uint32_t>(edge) & 0xFFFF);
    int column = 0;
    for (int cellEnd : cells) {
        const CellFormat &cell = story.cell(story.at(cellEnd).structure);
        for (int span = 0; span < cell.columnSpan; ++span, ++column)
            edge += static_cast<int>(std::lround(table.columnWidthsPoints.at(static_cast<size_t>(column)) * 20));
        w.u16(static_cast<uint32_t>(edge) & 0xFFFF);
    }
    for (int cellEnd : cells) {
        const CellFormat &cell = story.cell(story.at(cellEnd).structure);
        w.u16(verticalAlignmentCode(cell.verticalAlignment) << 7);
        w.u16(0);
        for (const BorderLine &line : cell.borders)
            writeBorder80(w, line, cell.shadow);
    }
    const auto rest = operand.size() - 2 + 1;
    operand[0] = static_cast<char>(rest & 0xFF);
    operand[1] = static_cast<char>(rest >> 8);
    return operand;
}

// Borders in colours beyond Word 97's palette, exactly, one sprm per cell side.
void addExactBorders(Grpprl &sprms, const Story &story, const std::vector<int> &cells)
{
    for (size_t i = 0; i < cells.size(); ++i) {
        const CellFormat &cell = story.cell(story.at(cells[i]).structure);
        for (int side = 0; side < CellFormat::SideCount; ++side) {
            const BorderLine &line = cell.borders[static_cast<size_t>(side)];
            if (!line.visible() || line.color == word::wdColorAutomatic)
                continue;
            QByteArray operand;
            LittleEndianWriter w(operand);
            w.u8(static_cast<uint32_t>(i));
            w.u8(static_cast<uint32_t>(i) + 1);
            w.u8(sideBits[static_cast<size_t>(side)]);
            w.u32(static_cast<uint32_t>(line.color) & 0xFFFFFF);
            w.u8(static_cast<uint32_t>(line.widthEighths));
            w.u8(1);
            w.u16(cell.shadow ? 0x20 : 0);
            sprms.addVariable(Sprm::tSetBrc, operand);
        }
    }
}

uint32_t lookFlags(const TableFormat &table)
{
    return (table.applyStyleHeadingRows ? 0x20 : 0) | (table.applyStyleLastRow ? 0x40 : 0)
           | (table.applyStyleFirstColumn ? 0x80 : 0) | (table.applyStyleLastColumn ? 0x100 : 0);
}

BorderLine readBorder80(ByteCursor &cursor, bool &shadow)
{
    BorderLine line;
    const uint32_t width = cursor.u8();
    const uint32_t type = cursor.u8();
    cursor.u8();
    const uint32_t flags = cursor.u8();
    if (type == 0)
        return line;
    static const std::set<uint32_t> widths = {2, 4, 6, 8, 12, 18, 24, 36, 48};
    if (type != 1 || !widths.count(width))
        refuse(QStringLiteral("a cell border that is none of Word's single lines"));
    line.lineStyle = word::wdLineStyleSingle;
    line.widthEighths = static_cast<long>(width);
    shadow = shadow || (flags & 0x20);
    return line;
}

void readDefinition(const QByteArray &operand, RowSprms::Row &row)
{
    ByteCursor cursor(operand, QStringLiteral("table row definition"));
    const int count = static_cast<int>(cursor.u8());
    if (count < 1 || count > RowSprms::mostCellsPerRow)
        refuse(QStringLiteral("a row of no cells or more than %1").arg(RowSprms::mostCellsPerRow));
    row.leftEdgeTwips = cursor.i16();
    int previous = row.leftEdgeTwips;
    if (previous < -widestTwips)
        refuse(QStringLiteral("a table left of any page"));
    for (int i = 0; i < count; ++i) {
        const int edge = cursor.i16();
        if (edge <= previous || edge > widestTwips)
            refuse(QStringLiteral("a cell whose right edge is not right of its left edge"));
        row.rightEdgesTwips.push_back(edge);
        previous = edge;
    }
    for (int i = 0; i < count; ++i) {
        CellFormat cell;
        cell.verticalAlignment = verticalAlignment(cursor.u16() >> 7 & 3);
        cursor.u16();
        for (BorderLine &line : cell.borders)
            line = readBorder80(cursor, cell.shadow);
        row.cells.push_back(cell);
    }
}

void readExactBorder(const QByteArray &operand, RowSprms::Row &row)
{
    ByteCursor cursor(operand, QStringLiteral("cell border"));
    const uint32_t first = cursor.u8();
    const uint32_t limit = cursor.u8();
    const uint32_t sides = cursor.u8();
    const uint32_t color = cursor.u32();
    if (first >= limit || limit > row.cells.size() || color > 0xFFFFFF)
        refuse(QStringLiteral("a border for cells the row does not have"));
    for (uint32_t i = first; i < limit; ++i) {
        for (int side = 0; side < CellFormat::SideCount; ++side) {
            if (sides & sideBits[static_cast<size_t>(side)])
                row.cells[i].borders[static_cast<size_t>(side)].color = static_cast<long>(color);
        }
    }
}

} // namespace

void RowSprms::write(Grpprl &sprms, const Story &story, int rowEndIndex)
{
    const RowFormat &row = story.row(story.at(rowEndIndex).structure);
    const TableFormat &table = story.table(row.table);
    const std::vector<int> cells = story.rowCells(rowEndIndex);
    sprms.add16(Sprm::tIstd, table.styleName == QLatin1String("Table Grid") ? StyleSheetWriter::tableGrid
                                                                            : StyleSheetWriter::tableNormal);
    // Text 5.4 pt in from each cell edge, the table pulled left by as much so
    // that its text lines up with the margin.
    sprms.add16(Sprm::tDxaGapHalf, cellGapTwips);
    sprms.add16(Sprm::tDyaRowHeight, static_cast<uint32_t>(std::lround(row.minimumHeightPoints * 20)) & 0xFFFF);
    sprms.add32(Sprm::tTlp, lookFlags(table) << 16);
    sprms.addRaw(Sprm::tDefTable, defineTable(story, cells, table));
    addExactBorders(sprms, story, cells);
}

RowSprms::Row RowSprms::read(const QByteArray &grpprl)
{
    Row row;
    bool defined = false;
    SprmReader reader(grpprl);
    while (reader.next()) {
        const uint32_t value = reader.value();
        switch (reader.sprm()) {
        case Sprm::tIstd:
            if (value != StyleSheetWriter::tableNormal && value != StyleSheetWriter::tableGrid)
                refuse(QStringLiteral("an unknown table style"));
            row.table.styleName = value == StyleSheetWriter::tableGrid ? QStringLiteral("Table Grid")
                                                                       : QStringLiteral("Table Normal");
            break;
        case Sprm::tDyaRowHeight:
            row.minimumHeightPoints = std::clamp(static_cast<int>(static_cast<int16_t>(value)), 0, widestTwips) / 20.0;
            break;
        case Sprm::tTlp:
            row.table.applyStyleHeadingRows = value >> 16 & 0x20;
            row.table.applyStyleLastRow = value >> 16 & 0x40;
            row.table.applyStyleFirstColumn = value >> 16 & 0x80;
            row.table.applyStyleLastColumn = value >> 16 & 0x100;
            break;
        case Sprm::tDefTable:
            if (defined)
                refuse(QStringLiteral("a row defined twice"));
            readDefinition(reader.operand(), row);
            defined = true;
            break;
        case Sprm::tSetBrc: readExactBorder(reader.operand(), row); break;
        default: break;
        }
    }
    if (!defined)
        refuse(QStringLiteral("a table row without its cells' definition"));
    return row;
}

} // namespace engine
