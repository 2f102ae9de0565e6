#pragma once

#include "automation/word/range.h"

#include <memory>

namespace engine {

class DocumentState;

// A stretch [from, to) of the story, fixed when it was taken.
class BuiltInRange : public word::Range {
public:
    // The story positions [from, to) of the document `state`.
    BuiltInRange(std::shared_ptr<DocumentState> state, int from, int to);

    std::shared_ptr<word::ListFormat> listFormat() override;

    // The range's ends and its document, for members that take a range.
    int from() const { return m_from; }
    int to() const { return m_to; }
    const DocumentState *document() const { return m_state.get(); }

private:
    std::shared_ptr<DocumentState> m_state;
    int m_from;
    int m_to;
};

} // namespace engine
