#include "builtinborder.h"

#include "argumentcheck.h"
#include "documentstate.h"
#include "automation/failure.h"

#include <algorithm>
#include <array>

namespace engine {

BuiltInBorder::BuiltInBorder(std::shared_ptr<DocumentState> state, std::vector<int> cellFormats, int side)
    : m_state(std::move(state))
    , m_cellFormats(std::move(cellFormats))
    , m_side(side)
{
}

void BuiltInBorder::change(const std::function<void(BorderLine &)> &apply)
{
    m_state->ensureOpen();
    for (int cell : m_cellFormats)
        apply(m_state->changeModel().story.cell(cell).borders[static_cast<size_t>(m_side)]);
    m_state->markModified();
}

void BuiltInBorder::setLineStyle(long style)
{
    if (style != word::wdLineStyleNone && style != word::wdLineStyleSingle)
        throw automation::Failure(QStringLiteral("Border line style %1 is not supported; use none (0) or single (1).")
                              .arg(style));
    change([style](BorderLine &line) { line.lineStyle = style; });
}

void BuiltInBorder::setLineWidth(long width)
{
    static constexpr std::array<long, 9> widths = {2, 4, 6, 8, 12, 18, 24, 36, 48};
    if (std::find(widths.begin(), widths.end(), width) == widths.end())
        throw automation::Failure(QStringLiteral("Border width %1 is not one of Word's line widths "
                                         "(2, 4, 6, 8, 12, 18, 24, 36 or 48 eighths of a point).")
                              .arg(width));
    change([width](BorderLine &line) { line.widthEighths = width; });
}

void BuiltInBorder::setColor(long color)
{
    requireColor(color, QStringLiteral("Border colour"));
    change([color](BorderLine &line) { line.color = color; });
}

} // namespace engine
