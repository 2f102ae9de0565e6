#include "builtinlisttemplate.h"

#include "argumentcheck.h"
#include "builtinlistlevel.h"
#include "documentstate.h"

namespace engine {

BuiltInListTemplate::BuiltInListTemplate(std::shared_ptr<DocumentState> state, int index)
    : m_state(std::move(state))
    , m_index(index)
{
}

QString BuiltInListTemplate::name() const
{
    m_state->ensureOpen();
    return m_state->model().lists.at(static_cast<size_t>(m_index)).name;
}

std::shared_ptr<word::ListLevel> BuiltInListTemplate::listLevels(int level)
{
    m_state->ensureOpen();
    requireWithin(level, 1, ListDefinition::levelCount, QStringLiteral("The list level"));
    return std::make_shared<BuiltInListLevel>(m_state, m_index, level - 1);
}

} // namespace engine
