#pragma once

#include "storyposition.h"

#include <QString>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <vector>

namespace engines::libreoffice {

// The areas of a Writer document's main story in reading order, and the
// translation between story positions and Writer's text ranges.
class StoryMap {
public:
    explicit StoryMap(const css::uno::Reference<css::text::XTextDocument> &document);

    int areaCount() const { return static_cast<int>(m_areas.size()); }
    // Characters in the area before its mark (a paragraph break inside a cell counts one).
    int length(int area) const;
    bool isCell(int area) const { return m_areas[area].kind == Kind::Cell; }
    bool isRowEnd(int area) const { return m_areas[area].kind == Kind::RowEnd; }
    QString cellName(int area) const { return m_areas[area].cellName; }
    css::uno::Reference<css::text::XTextTable> table(int area) const { return m_areas[area].table; }
    // The first cell area of `table`, or -1.
    int firstCellOf(const css::uno::Reference<css::text::XTextTable> &table) const;
    int cellArea(const css::uno::Reference<css::text::XTextTable> &table, const QString &cellName) const;
    StoryPosition end() const;

    // A collapsed Writer cursor at `position`.
    css::uno::Reference<css::text::XTextCursor> cursorAt(StoryPosition position) const;
    // A Writer cursor over `from` to `to` within one area.
    css::uno::Reference<css::text::XTextCursor> cursorOver(int area, int from, int to) const;
    // Where the start of `range` lies; `range` must offer the "Cell" and
    // "TextTable" properties (a view cursor or a text cursor does).
    StoryPosition positionOf(const css::uno::Reference<css::text::XTextRange> &range) const;

private:
    enum class Kind { Paragraph, Cell, RowEnd };
    struct Area {
        Kind kind;
        css::uno::Reference<css::text::XText> text;
        css::uno::Reference<css::text::XTextRange> paragraph;
        css::uno::Reference<css::text::XTextTable> table;
        QString cellName;
    };

    void addTable(const css::uno::Reference<css::text::XTextTable> &table);
    int lengthFromStart(const Area &area, const css::uno::Reference<css::text::XTextRange> &to) const;
    css::uno::Reference<css::text::XTextCursor> cursorAtStart(const Area &area) const;
    StoryPosition positionInBody(const css::uno::Reference<css::text::XTextRange> &range) const;

    css::uno::Reference<css::text::XText> m_body;
    std::vector<Area> m_areas;
};

} // namespace engines::libreoffice
