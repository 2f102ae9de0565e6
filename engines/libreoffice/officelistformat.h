#pragma once

#include "storyposition.h"
#include "automation/word/range.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

class OfficeListFormat : public word::ListFormat {
public:
    OfficeListFormat(std::shared_ptr<DocumentState> state, StoryPosition start, StoryPosition end);

    // Gives every paragraph the range touches the template's list style.
    void applyListTemplate(const std::shared_ptr<word::ListTemplate> &listTemplate, bool continuePreviousList,
                           long applyTo, long defaultListBehavior) override;

private:
    std::shared_ptr<DocumentState> m_state;
    StoryPosition m_start;
    StoryPosition m_end;
};

} // namespace engines::libreoffice
