#include "worddefaults.h"

#include "characterproperties.h"
#include "unostring.h"

#include "automation/paper.h"

#include <com/sun/star/beans/UnknownPropertyException.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
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

// The layout rules LibreOffice follows for a document read from Word's own
// format, where they differ from its own documents': tabs measured from the
// margin, trailing blanks and tabs past the margin as Word has them, border
// spacing inside the border, bullets in the paragraph mark's font, rows kept
// as Word keeps them. With them the pages of a document built here are the
// pages LibreOffice shows of the same document saved by the built-in engine.
void applyWordLayoutRules(const uno::Reference<text::XTextDocument> &document)
{
    const uno::Reference<lang::XMultiServiceFactory> factory(document, uno::UNO_QUERY_THROW);
    const uno::Reference<beans::XPropertySet> settings(
        factory->createInstance("com.sun.star.text.DocumentSettings"), uno::UNO_QUERY_THROW);
    const std::pair<const char *, bool> rules[] = {
        {"AddFrameOffsets", true},
        {"ApplyParagraphMarkFormatToNumbering", true},
        {"ClippedPictures", true},
        {"ConsiderTextWrapOnObjPos", true},
        {"ContinuousEndnotes", true},
        {"DoNotJustifyLinesWithManualBreak", true},
        {"FrameAutowidthWithMorePara", true},
        {"HeaderSpacingBelowLastPara", true},
        {"IgnoreTabsAndBlanksForLineCalculation", true},
        {"InvertBorderSpacing", true},
        {"MsWordCompTrailingBlanks", true},
        {"SurroundTextWrapSmall", true},
        {"TabOverMargin", true},
        {"TableRowKeep", true},
        {"TabsRelativeToIndent", false},
        {"UnbreakableNumberings", true},
    };
    for (const auto &[name, value] : rules) {
        try {
            settings->setPropertyValue(rtl::OUString::createFromAscii(name), uno::Any(value));
        } catch (const beans::UnknownPropertyException &) {
            // An older LibreOffice lacks some of the rules; it lays out as it can without them.
        }
    }
}

} // namespace

double textWidthPoints(const uno::Reference<text::XTextDocument> &document)
{
    const auto page = style(document, "PageStyles", "Standard");
    const auto hundredthMm = [&](const char *name) {
        return page->getPropertyValue(rtl::OUString::createFromAscii(name)).get<sal_Int32>();
    };
    return hundredthMmToPoints(hundredthMm("Width") - hundredthMm("LeftMargin") - hundredthMm("RightMargin"));
}

void applyWordDefaults(const uno::Reference<text::XTextDocument> &document)
{
    // The user's paper, as a new document of the built-in engine has it.
    const automation::PaperSize paper = automation::userPaper();
    const auto page = style(document, "PageStyles", "Standard");
    page->setPropertyValue("Width", uno::Any(pointsToHundredthMm(paper.widthTwips / 20.0)));
    page->setPropertyValue("Height", uno::Any(pointsToHundredthMm(paper.heightTwips / 20.0)));
    for (const char *margin : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"})
        page->setPropertyValue(rtl::OUString::createFromAscii(margin), uno::Any(pointsToHundredthMm(72)));

    const auto paragraph = style(document, "ParagraphStyles", "Standard");
    for (const beans::PropertyValue &value : forEveryScript(namedValue("CharFontName", uno::Any(rtl::OUString("Calibri")))))
        paragraph->setPropertyValue(value.Name, value.Value);
    for (const beans::PropertyValue &value : forEveryScript(namedValue("CharHeight", uno::Any(11.0f))))
        paragraph->setPropertyValue(value.Name, value.Value);
    paragraph->setPropertyValue("ParaTopMargin", uno::Any(sal_Int32(0)));
    paragraph->setPropertyValue("ParaBottomMargin", uno::Any(pointsToHundredthMm(8)));
    // Word's 1.08 lines are 259/240 of a line, which LibreOffice, counting whole
    // percents, reads from a Word document as 107 %.
    paragraph->setPropertyValue("ParaLineSpacing", uno::Any(style::LineSpacing{style::LineSpacingMode::PROP, 259 * 100 / 240}));
    paragraph->setPropertyValue("CharAutoKerning", uno::Any(false));
    applyWordLayoutRules(document);
}

} // namespace engines::libreoffice
