#include "builtinlistformat.h"

#include "argumentcheck.h"
#include "builtinlisttemplate.h"
#include "documentstate.h"
#include "automation/failure.h"

#include <algorithm>

namespace engine {

BuiltInListFormat::BuiltInListFormat(std::shared_ptr<DocumentState> state, int from, int to)
    : m_state(std::move(state))
    , m_from(from)
    , m_to(to)
{
}

void BuiltInListFormat::applyListTemplate(const std::shared_ptr<word::ListTemplate> &listTemplate, bool,
                                          long applyTo, long defaultListBehavior)
{
    m_state->ensureOpen();
    const auto *ours = dynamic_cast<const BuiltInListTemplate *>(listTemplate.get());
    if (!ours || !ours->belongsTo(*m_state))
        throw automation::Failure(QStringLiteral("The list template does not belong to this document; add it to "
                                         "the document with ListTemplates.Add first."));
    requireWithin(applyTo, word::wdListApplyToWholeList, word::wdListApplyToThisPointForward,
                  QStringLiteral("ApplyTo"));
    requireWithin(defaultListBehavior, word::wdWord8ListBehavior, word::wdWord10ListBehavior,
                  QStringLiteral("DefaultListBehavior"));
    // The story may have changed since the range was taken.
    const int last = m_state->model().story.size() - 1;
    const int from = std::clamp(m_from, 0, last);
    const int to = std::clamp(m_to, from, last + 1);
    const int list = ours->index();
    m_state->editor().changeParagraphFormat(from, to, [list](ParagraphFormat &format) { format.list = list; });
    m_state->markModified();
}

} // namespace engine
