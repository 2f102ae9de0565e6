#pragma once

#include "automation/word/listtemplate.h"

#include <memory>

namespace engine {

class DocumentState;

// A list template stored in a document.
class BuiltInListTemplate : public word::ListTemplate {
public:
    // The document's list definition number `index`, from 0.
    BuiltInListTemplate(std::shared_ptr<DocumentState> state, int index);

    QString name() const override;
    std::shared_ptr<word::ListLevel> listLevels(int level) override;

    // Which list definition this is, and of which document.
    int index() const { return m_index; }
    bool belongsTo(const DocumentState &state) const { return m_state.get() == &state; }

private:
    std::shared_ptr<DocumentState> m_state;
    int m_index;
};

} // namespace engine
