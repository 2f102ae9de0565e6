#include "officelistformat.h"

#include "documentstate.h"
#include "officelisttemplate.h"
#include "storyranges.h"
#include "unocall.h"
#include "unostring.h"

#include <com/sun/star/beans/XPropertySet.hpp>

using namespace css;

namespace engines::libreoffice {

OfficeListFormat::OfficeListFormat(std::shared_ptr<DocumentState> state, StoryPosition start, StoryPosition end)
    : m_state(std::move(state))
    , m_start(start)
    , m_end(end)
{
}

void OfficeListFormat::applyListTemplate(const std::shared_ptr<word::ListTemplate> &listTemplate,
                                         bool continuePreviousList, long, long)
{
    m_state->ensureOpen();
    const auto officeTemplate = std::dynamic_pointer_cast<OfficeListTemplate>(listTemplate);
    if (!officeTemplate)
        throw automation::Failure(QStringLiteral("The list template must belong to the same document."));
    unoCall(QStringLiteral("apply the list template \"%1\"").arg(officeTemplate->name()), [&] {
        bool first = true;
        for (const auto &cursor : paragraphRanges(m_state->story(), m_start, m_end)) {
            const uno::Reference<beans::XPropertySet> paragraphs(cursor, uno::UNO_QUERY_THROW);
            paragraphs->setPropertyValue("NumberingStyleName", uno::Any(toOUString(officeTemplate->styleName())));
            // A list that does not continue the one before starts afresh.
            if (first && !continuePreviousList)
                paragraphs->setPropertyValue("ParaIsNumberingRestart", uno::Any(true));
            first = false;
        }
    });
    m_state->markModified();
}

} // namespace engines::libreoffice
