#include "officecells.h"

#include "documentstate.h"
#include "officeborders.h"
#include "storymap.h"
#include "unocall.h"
#include "unostring.h"
#include "automation/word/constants.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <com/sun/star/text/XTextTableCursor.hpp>

using namespace css;

namespace engines::libreoffice {

OfficeCells::OfficeCells(std::shared_ptr<DocumentState> state, uno::Reference<text::XTextTable> table,
                         QStringList cellNames)
    : m_state(std::move(state))
    , m_table(std::move(table))
    , m_cellNames(std::move(cellNames))
{
}

void OfficeCells::merge()
{
    m_state->ensureOpen();
    if (m_cellNames.size() < 2)
        return;
    unoCall(QStringLiteral("merge the cells %1 to %2").arg(m_cellNames.front(), m_cellNames.back()), [&] {
        const auto cursor = m_table->createCursorByCellName(toOUString(m_cellNames.front()));
        cursor->gotoCellByName(toOUString(m_cellNames.back()), true);
        if (!cursor->mergeRange())
            throw automation::Failure(QStringLiteral("LibreOffice could not merge the cells %1 to %2.")
                                  .arg(m_cellNames.front(), m_cellNames.back()));
        m_state->storyChanged();
        const int merged = m_state->story().cellArea(m_table, m_cellNames.front());
        m_state->selection().placeCaret({std::max(merged, 0), 0});
    });
    m_cellNames = QStringList{m_cellNames.front()};
}

void OfficeCells::setVerticalAlignment(long alignment)
{
    m_state->ensureOpen();
    sal_Int16 orientation = text::VertOrientation::TOP;
    switch (alignment) {
    case word::wdCellAlignVerticalTop: orientation = text::VertOrientation::TOP; break;
    case word::wdCellAlignVerticalCenter: orientation = text::VertOrientation::CENTER; break;
    case word::wdCellAlignVerticalBottom: orientation = text::VertOrientation::BOTTOM; break;
    default:
        throw automation::Failure(QStringLiteral("The vertical alignment must be top (0), centre (1) or bottom (3); "
                                         "%1 is not one of them.")
                              .arg(alignment));
    }
    unoCall(QStringLiteral("align the cells vertically"), [&] {
        for (const QString &name : m_cellNames)
            uno::Reference<beans::XPropertySet>(m_table->getCellByName(toOUString(name)), uno::UNO_QUERY_THROW)
                ->setPropertyValue("VertOrient", uno::Any(orientation));
    });
    m_state->markModified();
}

std::shared_ptr<word::Borders> OfficeCells::borders()
{
    m_state->ensureOpen();
    return std::make_shared<OfficeBorders>(m_state, m_table, m_cellNames);
}

} // namespace engines::libreoffice
