#pragma once

#include <com/sun/star/text/XTextDocument.hpp>

namespace engines::libreoffice {

// Gives a new Writer document what a new blank Word document has: the user's
// paper (automation::userPaper) with 1-inch margins, Calibri 11 pt, line spacing 1.08 and 8 pt after each
// paragraph. The built-in engine lays its pages out with the same values, so
// both engines agree on what a page holds.
void applyWordDefaults(const css::uno::Reference<css::text::XTextDocument> &document);

// The width between the margins of the document's standard page, in points,
// which a new table spans.
double textWidthPoints(const css::uno::Reference<css::text::XTextDocument> &document);

} // namespace engines::libreoffice
