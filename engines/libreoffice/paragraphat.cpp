#include "paragraphat.h"

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>

using namespace css;

namespace engines::libreoffice {

uno::Reference<beans::XPropertySet> paragraphAt(const uno::Reference<text::XTextCursor> &cursor)
{
    const uno::Reference<container::XEnumerationAccess> access(cursor, uno::UNO_QUERY);
    if (!access.is())
        return {};
    const auto paragraphs = access->createEnumeration();
    return paragraphs->hasMoreElements() ? uno::Reference<beans::XPropertySet>(paragraphs->nextElement(), uno::UNO_QUERY)
                                         : uno::Reference<beans::XPropertySet>();
}

uno::Reference<beans::XPropertySet> emptyParagraphAt(const uno::Reference<text::XTextCursor> &cursor)
{
    const uno::Reference<text::XParagraphCursor> paragraph(cursor, uno::UNO_QUERY);
    if (!paragraph.is() || !paragraph->isStartOfParagraph() || !paragraph->isEndOfParagraph())
        return {};
    return paragraphAt(cursor);
}

} // namespace engines::libreoffice
