#pragma once

#include "automation/word/range.h"

#include <memory>

namespace engine {

class DocumentState;

// The list membership of the paragraphs a range touches.
class BuiltInListFormat : public word::ListFormat {
public:
    BuiltInListFormat(std::shared_ptr<DocumentState> state, int from, int to);

    void applyListTemplate(const std::shared_ptr<word::ListTemplate> &listTemplate,
                           bool continuePreviousList, long applyTo, long defaultListBehavior) override;

private:
    std::shared_ptr<DocumentState> m_state;
    int m_from;
    int m_to;
};

} // namespace engine
