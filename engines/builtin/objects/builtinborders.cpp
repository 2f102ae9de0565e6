#include "builtinborders.h"

#include "builtinborder.h"
#include "documentstate.h"
#include "automation/failure.h"

namespace engine {

BuiltInBorders::BuiltInBorders(std::shared_ptr<DocumentState> state, std::vector<int> cellFormats)
    : m_state(std::move(state))
    , m_cellFormats(std::move(cellFormats))
{
}

std::shared_ptr<word::Border> BuiltInBorders::item(long side)
{
    m_state->ensureOpen();
    const int index = CellFormat::sideFor(side);
    if (index < 0)
        throw automation::Failure(QStringLiteral("Border %1 is not a side of a cell; use top (-1), left (-2), "
                                         "bottom (-3) or right (-4).")
                              .arg(side));
    return std::make_shared<BuiltInBorder>(m_state, m_cellFormats, index);
}

void BuiltInBorders::setShadow(bool shadow)
{
    m_state->ensureOpen();
    for (int cell : m_cellFormats)
        m_state->changeModel().story.cell(cell).shadow = shadow;
    m_state->markModified();
}

} // namespace engine
