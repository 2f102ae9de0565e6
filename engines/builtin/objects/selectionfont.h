#pragma once

#include "automation/word/font.h"

#include <memory>

namespace engine {

class DocumentState;

// The character format of the selection: setting it formats the selected text
// and what is typed after it.
class SelectionFont : public word::Font {
public:
    explicit SelectionFont(std::shared_ptr<DocumentState> state);

    // Bold takes True or False, Size points; the others are not kept for text.
    void set(word::FontProperty property, double value) override;
    double get(word::FontProperty property) const override;
    void setName(const QString &name) override;
    QString name() const override;

private:
    std::shared_ptr<DocumentState> m_state;
};

} // namespace engine
