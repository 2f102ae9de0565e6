#pragma once

#include "automation/word/selection.h"

#include <memory>

namespace engine {

class DocumentState;

// The paragraph format of the selected paragraphs.
class SelectionParagraphFormat : public word::ParagraphFormat {
public:
    explicit SelectionParagraphFormat(std::shared_ptr<DocumentState> state);

    void setAlignment(long alignment) override;
    long alignment() const override;

private:
    std::shared_ptr<DocumentState> m_state;
};

} // namespace engine
