#include "documentlayout.h"

#include "fonts/fontresolver.h"
#include "model/documentmodel.h"
#include "paginator.h"
#include "paragraphlayouter.h"
#include "rowlayouter.h"

#include <algorithm>
#include <map>

namespace engine {

DocumentLayout::DocumentLayout(PageGeometry page, std::vector<ParagraphBox> paragraphs, std::vector<VisualLine> lines,
                               std::vector<PageContent> pages)
    : m_geometry(page)
    , m_paragraphs(std::move(paragraphs))
    , m_lines(std::move(lines))
    , m_pages(std::move(pages))
{
}

DocumentLayout DocumentLayout::build(const DocumentModel &model, ParagraphMemo *memo)
{
    const Story &story = model.story;
    const PageGeometry &page = model.page;
    const ParagraphLayouter paragraphs(model, FontResolver::instance(), memo);
    const RowLayouter rows(model, paragraphs, page);
    Paginator paginator(page);
    std::map<int, int> listOrdinals;
    for (int i = 0; i < story.size();) {
        if (story.at(i).mark == Mark::RowEnd || story.cellEnd(i) >= 0) {
            const int rowEnd = story.rowEnd(i);
            paginator.placeRow(rows.layout(rowEnd, listOrdinals));
            i = rowEnd + 1;
            continue;
        }
        const int mark = story.paragraphEnd(i);
        const int list = story.paragraphFormat(story.at(mark).paragraphFormat).list;
        const int ordinal = list >= 0 ? ++listOrdinals[list] : 0;
        paginator.placeParagraph(paragraphs.layout(i, mark, page.textWidthTwips(), ordinal));
        i = mark + 1;
    }
    return paginator.finish();
}

const ParagraphLine &DocumentLayout::paragraphLine(const VisualLine &line) const
{
    return m_paragraphs.at(static_cast<size_t>(line.paragraph)).lines.at(static_cast<size_t>(line.line));
}

const std::vector<double> &DocumentLayout::caretXTwips(const VisualLine &line) const
{
    const ParagraphLine &paragraphLine = this->paragraphLine(line);
    ParagraphLayouter::placeCarets(paragraphLine, *m_paragraphs.at(static_cast<size_t>(line.paragraph)).text);
    return paragraphLine.caretCache;
}

std::pair<double, double> DocumentLayout::spanXTwips(const VisualLine &line, int from, int to) const
{
    return ParagraphLayouter::spanX(paragraphLine(line), *m_paragraphs.at(static_cast<size_t>(line.paragraph)).text,
                                    from, to);
}

int DocumentLayout::lineHolding(int position) const
{
    const auto after =
        std::upper_bound(m_lines.begin(), m_lines.end(), position,
                         [this](int value, const VisualLine &line) { return value < paragraphLine(line).from; });
    return after == m_lines.begin() ? 0 : static_cast<int>(after - m_lines.begin()) - 1;
}

int DocumentLayout::baselineTwips(int index) const
{
    const VisualLine &line = m_lines.at(static_cast<size_t>(index));
    return line.topTwips + paragraphLine(line).baselineTwips;
}

int DocumentLayout::pageHolding(int position) const
{
    return m_lines.empty() ? 0 : m_lines[static_cast<size_t>(lineHolding(position))].page;
}

int DocumentLayout::firstPositionOnPage(int index) const
{
    // A page that starts inside a split row shows lines of several cells;
    // the one earliest in the story comes first.
    int first = -1;
    for (int line : page(index).lines) {
        const int from = paragraphLine(m_lines[static_cast<size_t>(line)]).from;
        first = first < 0 ? from : std::min(first, from);
    }
    return std::max(first, 0);
}

} // namespace engine
