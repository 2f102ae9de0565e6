#include "builtincolumn.h"

#include "argumentcheck.h"
#include "documentstate.h"

namespace engine {

BuiltInColumn::BuiltInColumn(std::shared_ptr<DocumentState> state, int table, int column)
    : m_state(std::move(state))
    , m_table(table)
    , m_column(column)
{
}

void BuiltInColumn::setWidth(double points)
{
    m_state->ensureOpen();
    // Word's narrowest column is a tenth of an inch; no page is wider than 22 inches.
    requireWithin(points, 7.2, 1584, QStringLiteral("The column width in points"));
    m_state->changeModel().story.table(m_table).columnWidthsPoints.at(static_cast<size_t>(m_column)) = points;
    m_state->markModified();
}

double BuiltInColumn::width() const
{
    m_state->ensureOpen();
    return m_state->model().story.table(m_table).columnWidthsPoints.at(static_cast<size_t>(m_column));
}

} // namespace engine
