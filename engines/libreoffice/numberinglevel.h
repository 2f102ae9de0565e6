#pragma once

#include <QString>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <functional>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

// One level of a Writer numbering style, read and written as the property
// list Writer keeps per level.
class NumberingLevel {
public:
    using Properties = css::uno::Sequence<css::beans::PropertyValue>;

    NumberingLevel(std::shared_ptr<DocumentState> state, QString styleName, int level);

    css::uno::Any value(const char *name) const;
    // Reads the level, lets `edit` change it and writes it back.
    void change(const QString &action, const std::function<void(NumberingLevel &)> &edit);
    // Within change(): sets one property of the level.
    void set(const char *name, const css::uno::Any &value);

private:
    Properties read() const;

    std::shared_ptr<DocumentState> m_state;
    QString m_styleName;
    int m_level;
    Properties m_editing;
};

} // namespace engines::libreoffice
