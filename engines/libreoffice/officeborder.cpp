#include "officeborder.h"

#include "documentstate.h"
#include "unocall.h"
#include "unostring.h"
#include "automation/word/constants.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

// Word draws a single line half a point wide until told otherwise.
constexpr double defaultWidthPoints = 0.5;

} // namespace

OfficeBorder::OfficeBorder(std::shared_ptr<DocumentState> state, uno::Reference<text::XTextTable> table,
                           QStringList cellNames, const char *sideProperty)
    : m_state(std::move(state))
    , m_table(std::move(table))
    , m_cellNames(std::move(cellNames))
    , m_sideProperty(sideProperty)
{
}

void OfficeBorder::setLineStyle(long style)
{
    if (style != word::wdLineStyleNone && style != word::wdLineStyleSingle)
        throw automation::Failure(QStringLiteral("The border line style %1 is not supported; only none (0) and single (1) are.")
                              .arg(style));
    change(QStringLiteral("set a border's line style"), [style](table::BorderLine2 &line) {
        if (style == word::wdLineStyleNone) {
            line = table::BorderLine2();
            return;
        }
        line.LineStyle = table::BorderLineStyle::SOLID;
        if (line.LineWidth == 0)
            line.LineWidth = static_cast<sal_uInt32>(pointsToHundredthMm(defaultWidthPoints));
        line.OuterLineWidth = static_cast<sal_Int16>(line.LineWidth);
        line.InnerLineWidth = 0;
        line.LineDistance = 0;
    });
}

void OfficeBorder::setLineWidth(long width)
{
    if (width <= 0 || width > 48)
        throw automation::Failure(QStringLiteral("The border width %1 (eighths of a point) is not one Word offers.").arg(width));
    change(QStringLiteral("set a border's width"), [width](table::BorderLine2 &line) {
        line.LineWidth = static_cast<sal_uInt32>(pointsToHundredthMm(width / 8.0));
        line.OuterLineWidth = static_cast<sal_Int16>(line.LineWidth);
    });
}

void OfficeBorder::setColor(long color)
{
    // Automatic is black on a white page; Word's other colours are 0x00BBGGRR.
    const sal_Int32 rgb = color == word::wdColorAutomatic
                              ? 0
                              : static_cast<sal_Int32>(((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF));
    change(QStringLiteral("set a border's colour"), [rgb](table::BorderLine2 &line) { line.Color = rgb; });
}

void OfficeBorder::change(const QString &action, const std::function<void(table::BorderLine2 &)> &edit)
{
    m_state->ensureOpen();
    unoCall(action, [&] {
        const rtl::OUString side = rtl::OUString::createFromAscii(m_sideProperty);
        for (const QString &name : m_cellNames) {
            const uno::Reference<beans::XPropertySet> cell(m_table->getCellByName(toOUString(name)), uno::UNO_QUERY_THROW);
            table::BorderLine2 line;
            cell->getPropertyValue(side) >>= line;
            edit(line);
            cell->setPropertyValue(side, uno::Any(line));
        }
    });
    m_state->markModified();
}

} // namespace engines::libreoffice
