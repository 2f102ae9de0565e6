#include "selectionparagraphformat.h"

#include "argumentcheck.h"
#include "documentstate.h"

namespace engine {

SelectionParagraphFormat::SelectionParagraphFormat(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

void SelectionParagraphFormat::setAlignment(long alignment)
{
    m_state->ensureOpen();
    requireWithin(alignment, word::wdAlignParagraphLeft, word::wdAlignParagraphJustify,
                  QStringLiteral("The paragraph alignment"));
    StoryEditor &editor = m_state->editor();
    editor.changeParagraphFormat(editor.start(), editor.end(),
                                 [alignment](engine::ParagraphFormat &format) { format.alignment = alignment; });
    m_state->markModified();
}

long SelectionParagraphFormat::alignment() const
{
    m_state->ensureOpen();
    const Story &story = m_state->model().story;
    const int mark = story.paragraphEnd(m_state->editor().start());
    return mark < 0 ? word::wdAlignParagraphLeft : story.paragraphFormat(story.at(mark).paragraphFormat).alignment;
}

} // namespace engine
