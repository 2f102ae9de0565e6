#include "storymap.h"

#include "unostring.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <algorithm>
#include <com/sun/star/text/XTextRangeCompare.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

QString nameOf(const uno::Reference<text::XTextTable> &table)
{
    const uno::Reference<container::XNamed> named(table, uno::UNO_QUERY);
    return named.is() ? toQString(named->getName()) : QString();
}

} // namespace

StoryMap::StoryMap(const uno::Reference<text::XTextDocument> &document)
    : m_body(document->getText())
{
    const uno::Reference<container::XEnumerationAccess> access(m_body, uno::UNO_QUERY_THROW);
    const auto elements = access->createEnumeration();
    while (elements->hasMoreElements()) {
        const uno::Reference<lang::XServiceInfo> element(elements->nextElement(), uno::UNO_QUERY);
        if (!element.is())
            continue;
        if (element->supportsService("com.sun.star.text.TextTable"))
            addTable(uno::Reference<text::XTextTable>(element, uno::UNO_QUERY_THROW));
        else
            m_areas.push_back({Kind::Paragraph, m_body, uno::Reference<text::XTextRange>(element, uno::UNO_QUERY_THROW), {}, {}});
    }
}

void StoryMap::addTable(const uno::Reference<text::XTextTable> &table)
{
    // Writer lists a table's cell names in no useful order, and counts the
    // columns of the first row only; sorting the names by row, then column,
    // gives reading order. Merged cells keep the name of their first cell.
    std::vector<std::pair<std::pair<int, int>, QString>> cells;
    for (const rtl::OUString &name : table->getCellNames()) {
        const QString text = toQString(name);
        const int column = text.at(0).isUpper() ? text.at(0).unicode() - 'A' : text.at(0).unicode() - 'a' + 26;
        cells.push_back({{text.mid(1).toInt(), column}, text});
    }
    std::sort(cells.begin(), cells.end());
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const QString &name = cells[index].second;
        m_areas.push_back({Kind::Cell, uno::Reference<text::XText>(table->getCellByName(toOUString(name)), uno::UNO_QUERY_THROW),
                           {}, table, name});
        if (index + 1 == cells.size() || cells[index + 1].first.first != cells[index].first.first)
            m_areas.push_back({Kind::RowEnd, {}, {}, table, {}});
    }
}

int StoryMap::length(int area) const
{
    const Area &at = m_areas[area];
    if (at.kind == Kind::RowEnd)
        return 0;
    if (at.kind == Kind::Paragraph)
        return at.paragraph->getString().getLength();
    return lengthFromStart(at, at.text->getEnd());
}

int StoryMap::firstCellOf(const uno::Reference<text::XTextTable> &table) const
{
    for (int area = 0; area < areaCount(); ++area)
        if (m_areas[area].kind == Kind::Cell && m_areas[area].table == table)
            return area;
    return -1;
}

int StoryMap::cellArea(const uno::Reference<text::XTextTable> &table, const QString &cellName) const
{
    for (int area = 0; area < areaCount(); ++area)
        if (m_areas[area].kind == Kind::Cell && m_areas[area].cellName == cellName
            && nameOf(m_areas[area].table) == nameOf(table))
            return area;
    return -1;
}

StoryPosition StoryMap::end() const
{
    const int last = areaCount() - 1;
    return {last, length(last)};
}

uno::Reference<text::XTextCursor> StoryMap::cursorAtStart(const Area &area) const
{
    if (area.kind == Kind::Paragraph)
        return m_body->createTextCursorByRange(area.paragraph->getStart());
    const auto cursor = area.text->createTextCursor();
    cursor->gotoStart(false);
    return cursor;
}

uno::Reference<text::XTextCursor> StoryMap::cursorAt(StoryPosition position) const
{
    return cursorOver(position.area, position.offset, position.offset);
}

uno::Reference<text::XTextCursor> StoryMap::cursorOver(int area, int from, int to) const
{
    // The end of a row has no text of its own; it stands right after the
    // row's last cell.
    while (m_areas[area].kind == Kind::RowEnd && area > 0) {
        --area;
        from = to = length(area);
    }
    const auto cursor = cursorAtStart(m_areas[area]);
    // Writer moves at most 32767 characters in one call.
    for (int left = from; left > 0; left -= 32767)
        cursor->goRight(static_cast<sal_Int16>(std::min(left, 32767)), false);
    for (int left = to - from; left > 0; left -= 32767)
        cursor->goRight(static_cast<sal_Int16>(std::min(left, 32767)), true);
    return cursor;
}

int StoryMap::lengthFromStart(const Area &area, const uno::Reference<text::XTextRange> &to) const
{
    const auto cursor = cursorAtStart(area);
    cursor->gotoRange(to, true);
    // Writer gives a paragraph break inside the range as one line feed.
    return cursor->getString().getLength();
}

StoryPosition StoryMap::positionOf(const uno::Reference<text::XTextRange> &range) const
{
    const uno::Reference<beans::XPropertySet> properties(range, uno::UNO_QUERY_THROW);
    const uno::Reference<table::XCell> cell(properties->getPropertyValue("Cell"), uno::UNO_QUERY);
    if (!cell.is())
        return positionInBody(range);
    const uno::Reference<text::XTextTable> table(properties->getPropertyValue("TextTable"), uno::UNO_QUERY);
    const uno::Reference<beans::XPropertySet> cellProperties(cell, uno::UNO_QUERY_THROW);
    const QString name = toQString(cellProperties->getPropertyValue("CellName").get<rtl::OUString>());
    const int area = cellArea(table, name);
    if (area < 0)
        return positionInBody(range);
    return {area, lengthFromStart(m_areas[area], range->getStart())};
}

StoryPosition StoryMap::positionInBody(const uno::Reference<text::XTextRange> &range) const
{
    const uno::Reference<text::XTextRangeCompare> compare(m_body, uno::UNO_QUERY_THROW);
    int last = -1;
    for (int area = 0; area < areaCount(); ++area) {
        if (m_areas[area].kind != Kind::Paragraph)
            continue;
        last = area;
        // The first paragraph that does not end before the range holds it.
        if (compare->compareRegionStarts(range->getStart(), m_areas[area].paragraph->getEnd()) >= 0)
            return {area, lengthFromStart(m_areas[area], range->getStart())};
    }
    return last >= 0 ? StoryPosition{last, length(last)} : StoryPosition{};
}

} // namespace engines::libreoffice
