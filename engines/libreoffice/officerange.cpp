#include "officerange.h"

#include "documentstate.h"
#include "officelistformat.h"

namespace engines::libreoffice {

OfficeRange::OfficeRange(std::shared_ptr<DocumentState> state, StoryPosition start, StoryPosition end)
    : m_state(std::move(state))
    , m_start(start)
    , m_end(end)
{
}

std::shared_ptr<word::ListFormat> OfficeRange::listFormat()
{
    m_state->ensureOpen();
    return std::make_shared<OfficeListFormat>(m_state, m_start, m_end);
}

} // namespace engines::libreoffice
