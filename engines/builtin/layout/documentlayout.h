#pragma once

#include "pagecontent.h"
#include "model/pagegeometry.h"
#include "paragraphbox.h"
#include "visualline.h"

#include <utility>
#include <vector>

namespace engine {

struct DocumentModel;
class ParagraphMemo;

// A whole document laid out on pages: every paragraph's lines, where each line
// lies, and the rules of each page. Built in one go; it does not follow later edits.
class DocumentLayout {
public:
    // Lays out `model` on its own page, taking the paragraphs that `memo`
    // (when given) holds from there and leaving the new ones in it.
    static DocumentLayout build(const DocumentModel &model, ParagraphMemo *memo = nullptr);

    // A layout of finished parts: its paragraphs, their lines in story order and the pages.
    DocumentLayout(PageGeometry page, std::vector<ParagraphBox> paragraphs, std::vector<VisualLine> lines,
                   std::vector<PageContent> pages);

    // The number of pages, at least 1.
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // The content of page `index`, from 0.
    const PageContent &page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    // The page's size and margins, in twips.
    const PageGeometry &geometry() const { return m_geometry; }
    // Every line of the document in story order.
    const std::vector<VisualLine> &lines() const { return m_lines; }
    // Every paragraph laid out in its column, in story order.
    const std::vector<ParagraphBox> &paragraphs() const { return m_paragraphs; }
    // The paragraph line a visual line shows.
    const ParagraphLine &paragraphLine(const VisualLine &line) const;
    // The caret's x before each position of `line`, from its column's left
    // edge: one entry per position, and one more for the mark on a
    // paragraph's last line. Found when first asked for, then kept.
    const std::vector<double> &caretXTwips(const VisualLine &line) const;
    // The leftmost and rightmost x that story positions [from, to) of `line`
    // cover, from its column's left edge: a right-to-left word begins at its right.
    std::pair<double, double> spanXTwips(const VisualLine &line, int from, int to) const;
    // The index of the visual line holding story position `position`; a row's
    // end mark belongs to the last line of the row's last cell.
    int lineHolding(int position) const;
    // The baseline of visual line `index`, in twips from the page's top.
    int baselineTwips(int index) const;
    // The page (from 0) showing story position `position`.
    int pageHolding(int position) const;
    // The first story position shown on page `index`.
    int firstPositionOnPage(int index) const;

private:
    PageGeometry m_geometry;
    std::vector<ParagraphBox> m_paragraphs;
    std::vector<VisualLine> m_lines;
    std::vector<PageContent> m_pages;
};

} // namespace engine
