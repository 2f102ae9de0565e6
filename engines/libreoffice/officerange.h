#pragma once

#include "storyposition.h"
#include "automation/word/range.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

// A stretch of the story between two positions, as it was when taken.
class OfficeRange : public word::Range {
public:
    OfficeRange(std::shared_ptr<DocumentState> state, StoryPosition start, StoryPosition end);

    std::shared_ptr<word::ListFormat> listFormat() override;
    StoryPosition start() const { return m_start; }
    StoryPosition end() const { return m_end; }

private:
    std::shared_ptr<DocumentState> m_state;
    StoryPosition m_start;
    StoryPosition m_end;
};

} // namespace engines::libreoffice
