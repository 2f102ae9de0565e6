#pragma once

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/text/XTextCursor.hpp>

namespace engines::libreoffice {

// The paragraph that holds `cursor`'s start, or none.
css::uno::Reference<css::beans::XPropertySet> paragraphAt(const css::uno::Reference<css::text::XTextCursor> &cursor);

// The paragraph at `cursor` when it is empty, or none: its own character
// format decides the height of its line, as a paragraph mark's format does in Word.
css::uno::Reference<css::beans::XPropertySet>
emptyParagraphAt(const css::uno::Reference<css::text::XTextCursor> &cursor);

} // namespace engines::libreoffice
