#include "officetable.h"

#include "documentstate.h"
#include "officecolumn.h"
#include "officerow.h"
#include "storymap.h"
#include "tablegeometry.h"
#include "unocall.h"
#include "unostring.h"
#include "worddefaults.h"
#include "automation/word/constants.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/TableBorderDistances.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/HoriOrientation.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

void setUpGeometry(const uno::Reference<text::XTextTable> &table)
{
    const uno::Reference<beans::XPropertySet> properties(table, uno::UNO_QUERY_THROW);
    properties->setPropertyValue("HoriOrient", uno::Any(text::HoriOrientation::NONE));
    properties->setPropertyValue("LeftMargin", uno::Any(-pointsToHundredthMm(cellPaddingPoints)));
    // Spanning the text width, on whatever paper: the padding past the margin.
    properties->setPropertyValue("RightMargin", uno::Any(pointsToHundredthMm(cellPaddingPoints)));
    table::TableBorderDistances padding;
    padding.LeftDistance = padding.RightDistance = static_cast<sal_Int16>(pointsToHundredthMm(cellPaddingPoints));
    padding.IsLeftDistanceValid = padding.IsRightDistanceValid = true;
    padding.IsTopDistanceValid = padding.IsBottomDistanceValid = true;
    properties->setPropertyValue("TableBorderDistances", uno::Any(padding));
}

// Writer gives a new table's first row its "Table Heading" style (bold,
// centred) and every other cell "Table Contents"; Word's cells hold plain
// Normal paragraphs, as the document's default style here.
void useDefaultParagraphStyle(const uno::Reference<text::XTextTable> &table)
{
    const uno::Reference<beans::XPropertySet> properties(table, uno::UNO_QUERY_THROW);
    properties->setPropertyValue("RepeatHeadline", uno::Any(false));
    for (const rtl::OUString &name : table->getCellNames()) {
        const uno::Reference<text::XText> cell(table->getCellByName(name), uno::UNO_QUERY_THROW);
        const auto cursor = cell->createTextCursor();
        cursor->gotoEnd(true);
        uno::Reference<beans::XPropertySet>(cursor, uno::UNO_QUERY_THROW)
            ->setPropertyValue("ParaStyleName", uno::Any(rtl::OUString("Standard")));
    }
}

void clearBorders(const uno::Reference<text::XTextTable> &table)
{
    for (const rtl::OUString &name : table->getCellNames()) {
        const uno::Reference<beans::XPropertySet> cell(table->getCellByName(name), uno::UNO_QUERY_THROW);
        for (const char *side : {"TopBorder", "LeftBorder", "BottomBorder", "RightBorder"})
            cell->setPropertyValue(rtl::OUString::createFromAscii(side), uno::Any(table::BorderLine2()));
    }
}

} // namespace

std::shared_ptr<OfficeTable> OfficeTable::insert(const std::shared_ptr<DocumentState> &state, StoryPosition at,
                                                 int rows, int columns, long defaultTableBehavior, long autoFitBehavior)
{
    if (rows < 1 || columns < 1 || columns > 52)
        throw automation::Failure(QStringLiteral("A table of %1 rows and %2 columns cannot be made.").arg(rows).arg(columns));
    if (autoFitBehavior != word::wdAutoFitFixed)
        throw automation::Failure(QStringLiteral("Only fixed column widths (AutoFitBehavior 0) are supported."));
    return unoCall(QStringLiteral("add a table"), [&] {
        const uno::Reference<lang::XMultiServiceFactory> factory(state->document(), uno::UNO_QUERY_THROW);
        const uno::Reference<text::XTextTable> table(factory->createInstance("com.sun.star.text.TextTable"),
                                                     uno::UNO_QUERY_THROW);
        table->initialize(rows, columns);
        const auto cursor = state->story().cursorAt(at);
        cursor->getText()->insertTextContent(as<text::XTextRange>(cursor), as<text::XTextContent>(table), false);
        setUpGeometry(table);
        useDefaultParagraphStyle(table);
        // A Word 9 table has a grid, as Writer's new tables do; a Word 8 table has none.
        if (defaultTableBehavior == word::wdWord8TableBehavior)
            clearBorders(table);
        state->columnWidthsPoints(toQString(uno::Reference<container::XNamed>(table, uno::UNO_QUERY_THROW)->getName()))
            .assign(static_cast<std::size_t>(columns), textWidthPoints(state->document()) / columns);
        state->storyChanged();
        state->selection().placeCaret({std::max(state->story().firstCellOf(table), 0), 0});
        return std::make_shared<OfficeTable>(state, table);
    });
}

OfficeTable::OfficeTable(std::shared_ptr<DocumentState> state, uno::Reference<text::XTextTable> table)
    : m_state(std::move(state))
    , m_table(std::move(table))
{
}

std::shared_ptr<word::Column> OfficeTable::columns(int index)
{
    m_state->ensureOpen();
    const int count = unoCall(QStringLiteral("count the table's columns"), [&] { return m_table->getColumns()->getCount(); });
    if (index < 1 || index > count)
        throw automation::Failure(QStringLiteral("The table has no column %1; it has %2.").arg(index).arg(count));
    return std::make_shared<OfficeColumn>(m_state, m_table, index);
}

std::shared_ptr<word::Row> OfficeTable::rows(int index)
{
    m_state->ensureOpen();
    const int count = unoCall(QStringLiteral("count the table's rows"), [&] { return m_table->getRows()->getCount(); });
    if (index < 1 || index > count)
        throw automation::Failure(QStringLiteral("The table has no row %1; it has %2.").arg(index).arg(count));
    return std::make_shared<OfficeRow>(m_state, m_table, index);
}

void OfficeTable::setStyle(const QString &styleName)
{
    m_state->ensureOpen();
    if (styleName != QLatin1String("Table Normal"))
        throw automation::Failure(QStringLiteral("The table style \"%1\" is not known; only \"Table Normal\" is.").arg(styleName));
    unoCall(QStringLiteral("give the table the style \"%1\"").arg(styleName), [&] { clearBorders(m_table); });
    m_style = styleName;
    m_state->markModified();
}

QString OfficeTable::style() const
{
    return m_style;
}

void OfficeTable::setApplyStyleHeadingRows(bool apply)
{
    m_styleFlags[0] = apply;
}

void OfficeTable::setApplyStyleLastRow(bool apply)
{
    m_styleFlags[1] = apply;
}

void OfficeTable::setApplyStyleFirstColumn(bool apply)
{
    m_styleFlags[2] = apply;
}

void OfficeTable::setApplyStyleLastColumn(bool apply)
{
    m_styleFlags[3] = apply;
}

} // namespace engines::libreoffice
