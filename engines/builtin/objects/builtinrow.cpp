#include "builtinrow.h"

#include "argumentcheck.h"
#include "documentstate.h"

namespace engine {

BuiltInRow::BuiltInRow(std::shared_ptr<DocumentState> state, int rowFormat)
    : m_state(std::move(state))
    , m_rowFormat(rowFormat)
{
}

void BuiltInRow::setHeight(double points)
{
    m_state->ensureOpen();
    requireWithin(points, 0, 1584, QStringLiteral("The row height in points"));
    m_state->changeModel().story.row(m_rowFormat).minimumHeightPoints = points;
    m_state->markModified();
}

double BuiltInRow::height() const
{
    m_state->ensureOpen();
    return m_state->model().story.row(m_rowFormat).minimumHeightPoints;
}

} // namespace engine
