#include "officeparagraphformat.h"

#include "documentstate.h"
#include "storymap.h"
#include "storyranges.h"
#include "unocall.h"
#include "automation/word/constants.h"

#include <algorithm>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

const std::pair<long, style::ParagraphAdjust> alignments[] = {
    {word::wdAlignParagraphLeft, style::ParagraphAdjust_LEFT},
    {word::wdAlignParagraphCenter, style::ParagraphAdjust_CENTER},
    {word::wdAlignParagraphRight, style::ParagraphAdjust_RIGHT},
    {word::wdAlignParagraphJustify, style::ParagraphAdjust_BLOCK},
};

} // namespace

OfficeParagraphFormat::OfficeParagraphFormat(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

void OfficeParagraphFormat::setAlignment(long alignment)
{
    m_state->ensureOpen();
    const auto match = std::find_if(std::begin(alignments), std::end(alignments),
                                    [alignment](const auto &pair) { return pair.first == alignment; });
    if (match == std::end(alignments))
        throw automation::Failure(QStringLiteral("The paragraph alignment %1 is not one of left (0), centre (1), right (2) "
                                         "or justified (3).")
                              .arg(alignment));
    unoCall(QStringLiteral("align the paragraph"), [&] {
        const SelectionState &selection = m_state->selection();
        for (const auto &cursor : paragraphRanges(m_state->story(), selection.start(), selection.end()))
            uno::Reference<beans::XPropertySet>(cursor, uno::UNO_QUERY_THROW)
                ->setPropertyValue("ParaAdjust", uno::Any(static_cast<sal_Int16>(match->second)));
    });
    m_state->markModified();
}

long OfficeParagraphFormat::alignment() const
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("read the paragraph alignment"), [&]() -> long {
        const auto cursor = m_state->story().cursorAt(m_state->selection().active);
        const uno::Any value = uno::Reference<beans::XPropertySet>(cursor, uno::UNO_QUERY_THROW)->getPropertyValue("ParaAdjust");
        sal_Int16 adjust = 0;
        if (!(value >>= adjust)) {
            style::ParagraphAdjust named = style::ParagraphAdjust_LEFT;
            value >>= named;
            adjust = static_cast<sal_Int16>(named);
        }
        for (const auto &pair : alignments)
            if (static_cast<sal_Int16>(pair.second) == adjust)
                return pair.first;
        return word::wdAlignParagraphLeft;
    });
}

} // namespace engines::libreoffice
