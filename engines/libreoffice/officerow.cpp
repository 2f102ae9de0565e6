#include "officerow.h"

#include "documentstate.h"
#include "unocall.h"
#include "unostring.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/SizeType.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

uno::Reference<beans::XPropertySet> rowProperties(const uno::Reference<text::XTextTable> &table, int index)
{
    return uno::Reference<beans::XPropertySet>(table->getRows()->getByIndex(index - 1), uno::UNO_QUERY_THROW);
}

} // namespace

OfficeRow::OfficeRow(std::shared_ptr<DocumentState> state, uno::Reference<text::XTextTable> table, int index)
    : m_state(std::move(state))
    , m_table(std::move(table))
    , m_index(index)
{
}

void OfficeRow::setHeight(double points)
{
    m_state->ensureOpen();
    if (points < 0 || points > 22 * 72)
        throw automation::Failure(QStringLiteral("A row cannot be %1 points high.").arg(points));
    unoCall(QStringLiteral("set the height of row %1").arg(m_index), [&] {
        const auto row = rowProperties(m_table, m_index);
        // "IsAutoHeight" only offers a variable or a fixed height; the size
        // type gives the minimum that Word's "at least" means.
        row->setPropertyValue("SizeType", uno::Any(text::SizeType::MIN));
        row->setPropertyValue("Height", uno::Any(pointsToHundredthMm(points)));
    });
    m_state->markModified();
}

double OfficeRow::height() const
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("read the height of row %1").arg(m_index), [&] {
        return hundredthMmToPoints(rowProperties(m_table, m_index)->getPropertyValue("Height").get<sal_Int32>());
    });
}

} // namespace engines::libreoffice
