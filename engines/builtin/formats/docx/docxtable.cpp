#include "docxtable.h"

#include "docxrunproperties.h"

#include <cmath>
#include <numeric>

namespace engine {
namespace {

int twips(double points)
{
    return static_cast<int>(std::lround(points * 20));
}

QByteArray number(long long value)
{
    return QByteArray::number(value);
}

QByteArray widthElement(const char *name, int widthTwips)
{
    return QByteArray("<w:") + name + " w:w=\"" + number(widthTwips) + "\" w:type=\"dxa\"/>";
}

const char *styleId(const QString &styleName)
{
    return styleName == QLatin1String("Table Grid") ? "TableGrid" : "TableNormal";
}

const char *verticalAlignment(long alignment)
{
    switch (alignment) {
    case word::wdCellAlignVerticalCenter: return "center";
    case word::wdCellAlignVerticalBottom: return "bottom";
    default: return "top";
    }
}

} // namespace

QByteArray DocxTable::look(const TableFormat &table)
{
    // The bits of the look's value, for readers that go by it rather than the attributes.
    const int value = (table.applyStyleHeadingRows ? 0x20 : 0) | (table.applyStyleLastRow ? 0x40 : 0)
                      | (table.applyStyleFirstColumn ? 0x80 : 0) | (table.applyStyleLastColumn ? 0x100 : 0);
    const auto flag = [](bool on) { return on ? "1" : "0"; };
    return "<w:tblLook w:val=\"" + QByteArray::number(value, 16).rightJustified(4, '0') + "\" w:firstRow=\""
        + flag(table.applyStyleHeadingRows) + "\" w:lastRow=\"" + flag(table.applyStyleLastRow)
        + "\" w:firstColumn=\"" + flag(table.applyStyleFirstColumn) + "\" w:lastColumn=\""
        + flag(table.applyStyleLastColumn) + "\" w:noHBand=\"0\" w:noVBand=\"0\"/>";
}

QByteArray DocxTable::start(const TableFormat &table)
{
    int totalTwips = 0;
    QByteArray grid = "<w:tblGrid>";
    for (double width : table.columnWidthsPoints) {
        grid += "<w:gridCol w:w=\"" + number(twips(width)) + "\"/>";
        totalTwips += twips(width);
    }
    grid += "</w:tblGrid>";
    // The table starts one padding left of the margin, so that its text lines
    // up with the text outside it, as in a new Word document.
    return "<w:tblPr><w:tblStyle w:val=\"" + QByteArray(styleId(table.styleName)) + "\"/>"
        + widthElement("tblW", totalTwips) + widthElement("tblInd", -cellPaddingTwips)
        + "<w:tblLayout w:type=\"fixed\"/><w:tblCellMar>" + widthElement("top", 0)
        + widthElement("left", cellPaddingTwips) + widthElement("bottom", 0)
        + widthElement("right", cellPaddingTwips) + "</w:tblCellMar>" + look(table) + "</w:tblPr>" + grid;
}

QByteArray DocxTable::rowProperties(const RowFormat &row)
{
    if (row.minimumHeightPoints <= 0)
        return QByteArray();
    return "<w:trPr><w:trHeight w:val=\"" + number(twips(row.minimumHeightPoints))
        + "\" w:hRule=\"atLeast\"/></w:trPr>";
}

QByteArray DocxTable::cellProperties(const CellFormat &cell, const TableFormat &table, int firstColumn)
{
    const std::vector<double> &columns = table.columnWidthsPoints;
    const auto from = std::min(columns.size(), static_cast<size_t>(std::max(firstColumn, 0)));
    const auto to = std::min(columns.size(), from + static_cast<size_t>(std::max(cell.columnSpan, 1)));
    const double widthPoints = std::accumulate(columns.begin() + static_cast<std::ptrdiff_t>(from),
                                               columns.begin() + static_cast<std::ptrdiff_t>(to), 0.0);
    QByteArray out = "<w:tcPr>" + widthElement("tcW", twips(widthPoints));
    if (cell.columnSpan > 1)
        out += "<w:gridSpan w:val=\"" + number(cell.columnSpan) + "\"/>";
    return out + borders(cell) + "<w:vAlign w:val=\"" + verticalAlignment(cell.verticalAlignment)
        + "\"/></w:tcPr>";
}

QByteArray DocxTable::borders(const CellFormat &cell)
{
    return "<w:tcBorders>" + border("top", cell.borders[CellFormat::Top], cell.shadow)
        + border("left", cell.borders[CellFormat::Left], cell.shadow)
        + border("bottom", cell.borders[CellFormat::Bottom], cell.shadow)
        + border("right", cell.borders[CellFormat::Right], cell.shadow) + "</w:tcBorders>";
}

QByteArray DocxTable::border(const char *side, const BorderLine &line, bool shadow)
{
    // "nil" rather than leaving the side out: a side left out would take the
    // table style's line.
    if (!line.visible())
        return QByteArray("<w:") + side + " w:val=\"nil\"/>";
    return QByteArray("<w:") + side + " w:val=\"single\" w:sz=\"" + number(line.widthEighths)
        + "\" w:space=\"0\" w:color=\"" + DocxRunProperties::colorValue(line.color) + "\""
        + (shadow ? " w:shadow=\"1\"" : "") + "/>";
}

} // namespace engine
