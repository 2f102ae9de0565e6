#include "worddefaults.h"

#include "unostring.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/style/LineSpacing.hpp>
#include <com/sun/star/style/LineSpacingMode.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

uno::Reference<beans::XPropertySet> style(const uno::Reference<text::XTextDocument> &document, const char *family,
                                          const char *name)
{
    const uno::Reference<style::XStyleFamiliesSupplier> supplier(document, uno::UNO_QUERY_THROW);
    const uno::Reference<container::XNameAccess> styles(
        supplier->getStyleFamilies()->getByName(rtl::OUString::createFromAscii(family)), uno::UNO_QUERY_THROW);
    return uno::Reference<beans::XPropertySet>(styles->getByName(rtl::OUString::createFromAscii(name)),
                                               uno::UNO_QUERY_THROW);
}

} // namespace

void applyWordDefaults(const uno::Reference<text::XTextDocument> &document)
{
    const auto page = style(document, "PageStyles", "Standard");
    page->setPropertyValue("Width", uno::Any(pointsToHundredthMm(8.5 * 72)));
    page->setPropertyValue("Height", uno::Any(pointsToHundredthMm(11 * 72)));
    for (const char *margin : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"})
        page->setPropertyValue(rtl::OUString::createFromAscii(margin), uno::Any(pointsToHundredthMm(72)));

    const auto paragraph = style(document, "ParagraphStyles", "Standard");
    paragraph->setPropertyValue("CharFontName", uno::Any(rtl::OUString("Calibri")));
    paragraph->setPropertyValue("CharHeight", uno::Any(11.0f));
    paragraph->setPropertyValue("ParaTopMargin", uno::Any(sal_Int32(0)));
    paragraph->setPropertyValue("ParaBottomMargin", uno::Any(pointsToHundredthMm(8)));
    paragraph->setPropertyValue("ParaLineSpacing", uno::Any(style::LineSpacing{style::LineSpacingMode::PROP, 108}));
}

} // namespace engines::libreoffice
