#pragma once

#include "automation/word/selection.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

// The alignment of the paragraphs the selection touches.
class OfficeParagraphFormat : public word::ParagraphFormat {
public:
    explicit OfficeParagraphFormat(std::shared_ptr<DocumentState> state);

    void setAlignment(long alignment) override;
    long alignment() const override;

private:
    std::shared_ptr<DocumentState> m_state;
};

} // namespace engines::libreoffice
