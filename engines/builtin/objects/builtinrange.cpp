#include "builtinrange.h"

#include "builtinlistformat.h"
#include "documentstate.h"

namespace engine {

BuiltInRange::BuiltInRange(std::shared_ptr<DocumentState> state, int from, int to)
    : m_state(std::move(state))
    , m_from(from)
    , m_to(to)
{
}

std::shared_ptr<word::ListFormat> BuiltInRange::listFormat()
{
    m_state->ensureOpen();
    return std::make_shared<BuiltInListFormat>(m_state, m_from, m_to);
}

} // namespace engine
