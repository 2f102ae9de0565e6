#pragma once

#include "automation/word/font.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

// The selection's font: sets the selected text's format, and the format that
// text typed next takes on.
class OfficeSelectionFont : public word::Font {
public:
    explicit OfficeSelectionFont(std::shared_ptr<DocumentState> state);

    void set(word::FontProperty property, double value) override;
    double get(word::FontProperty property) const override;
    void setName(const QString &name) override;
    QString name() const override;

private:
    void apply(const css::beans::PropertyValue &property);
    // Sets one Writer property on the selection and on what is typed next.
    void applyOne(const css::beans::PropertyValue &property);
    css::uno::Any current(const css::beans::PropertyValue &probe) const;

    std::shared_ptr<DocumentState> m_state;
};

} // namespace engines::libreoffice
