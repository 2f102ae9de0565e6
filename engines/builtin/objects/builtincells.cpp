#include "builtincells.h"

#include "builtinborders.h"
#include "documentstate.h"
#include "automation/failure.h"

namespace engine {

BuiltInCells::BuiltInCells(std::shared_ptr<DocumentState> state, std::vector<int> cellFormats)
    : m_state(std::move(state))
    , m_cellFormats(std::move(cellFormats))
{
}

void BuiltInCells::merge()
{
    m_state->ensureOpen();
    m_state->editor().mergeSelectedCells();
    m_state->markModified();
}

void BuiltInCells::setVerticalAlignment(long alignment)
{
    m_state->ensureOpen();
    if (alignment != word::wdCellAlignVerticalTop && alignment != word::wdCellAlignVerticalCenter
        && alignment != word::wdCellAlignVerticalBottom)
        throw automation::Failure(QStringLiteral("The vertical alignment must be top (0), centre (1) or bottom (3); "
                                         "%1 is not one of them.")
                              .arg(alignment));
    for (int cell : m_cellFormats)
        m_state->changeModel().story.cell(cell).verticalAlignment = alignment;
    m_state->markModified();
}

std::shared_ptr<word::Borders> BuiltInCells::borders()
{
    m_state->ensureOpen();
    return std::make_shared<BuiltInBorders>(m_state, m_cellFormats);
}

} // namespace engine
