#include "officecolumn.h"

#include "documentstate.h"
#include "tablegeometry.h"
#include "unocall.h"
#include "unostring.h"
#include "worddefaults.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/text/TableColumnSeparator.hpp>
#include <numeric>

using namespace css;

namespace engines::libreoffice {

OfficeColumn::OfficeColumn(std::shared_ptr<DocumentState> state, uno::Reference<text::XTextTable> table, int index)
    : m_state(std::move(state))
    , m_table(std::move(table))
    , m_index(index)
{
}

std::vector<double> &OfficeColumn::widths() const
{
    return m_state->columnWidthsPoints(toQString(uno::Reference<container::XNamed>(m_table, uno::UNO_QUERY_THROW)->getName()));
}

void OfficeColumn::setWidth(double points)
{
    m_state->ensureOpen();
    if (!(points > 0) || points > 22 * 72)
        throw automation::Failure(QStringLiteral("A column cannot be %1 points wide.").arg(points));
    unoCall(QStringLiteral("set the width of column %1").arg(m_index), [&] {
        std::vector<double> &all = widths();
        if (m_index > static_cast<int>(all.size()))
            throw automation::Failure(QStringLiteral("The table has no column %1.").arg(m_index));
        all[m_index - 1] = points;
        const double total = std::accumulate(all.begin(), all.end(), 0.0);
        const uno::Reference<beans::XPropertySet> properties(m_table, uno::UNO_QUERY_THROW);
        properties->setPropertyValue("RightMargin", uno::Any(pointsToHundredthMm(rightMarginPoints(textWidthPoints(m_state->document()), total))));
        const sal_Int16 relativeSum = properties->getPropertyValue("TableColumnRelativeSum").get<sal_Int16>();
        uno::Sequence<text::TableColumnSeparator> separators;
        properties->getPropertyValue("TableColumnSeparators") >>= separators;
        double edge = 0;
        for (sal_Int32 separator = 0; separator < separators.getLength(); ++separator) {
            edge += all[static_cast<std::size_t>(separator)];
            separators.getArray()[separator].Position = static_cast<sal_Int16>(edge / total * relativeSum + 0.5);
        }
        properties->setPropertyValue("TableColumnSeparators", uno::Any(separators));
    });
    m_state->markModified();
}

double OfficeColumn::width() const
{
    m_state->ensureOpen();
    const std::vector<double> &all = widths();
    return m_index <= static_cast<int>(all.size()) ? all[m_index - 1] : 0.0;
}

} // namespace engines::libreoffice
