#include "builtintable.h"

#include "argumentcheck.h"
#include "builtincolumn.h"
#include "builtinrow.h"
#include "documentstate.h"
#include "automation/failure.h"

namespace engine {

BuiltInTable::BuiltInTable(std::shared_ptr<DocumentState> state, int table)
    : m_state(std::move(state))
    , m_table(table)
{
}

const TableFormat &BuiltInTable::format() const
{
    m_state->ensureOpen();
    return m_state->model().story.table(m_table);
}

TableFormat &BuiltInTable::changeFormat()
{
    m_state->ensureOpen();
    return m_state->changeModel().story.table(m_table);
}

std::shared_ptr<word::Column> BuiltInTable::columns(int index)
{
    const int count = static_cast<int>(format().columnWidthsPoints.size());
    requireWithin(index, 1, count, QStringLiteral("The column number"));
    return std::make_shared<BuiltInColumn>(m_state, m_table, index - 1);
}

std::shared_ptr<word::Row> BuiltInTable::rows(int index)
{
    format();
    const Story &story = m_state->model().story;
    int seen = 0;
    for (int i = 0; i < story.size(); ++i) {
        const StoryPosition &position = story.at(i);
        if (position.mark == Mark::RowEnd && story.row(position.structure).table == m_table && ++seen == index)
            return std::make_shared<BuiltInRow>(m_state, position.structure);
    }
    throw automation::Failure(QStringLiteral("The table has %1 rows; row %2 does not exist.").arg(seen).arg(index));
}

BorderLine BuiltInTable::styleBorder(const QString &styleName)
{
    BorderLine line;
    if (styleName == QLatin1String("Table Grid"))
        line.lineStyle = word::wdLineStyleSingle;
    else if (styleName != QLatin1String("Table Normal"))
        throw automation::Failure(QStringLiteral("The table style \"%1\" does not exist; use \"Table Normal\" or "
                                         "\"Table Grid\".")
                              .arg(styleName));
    return line;
}

void BuiltInTable::setStyle(const QString &styleName)
{
    TableFormat &table = changeFormat();
    const BorderLine line = styleBorder(styleName);
    table.styleName = styleName;
    // The style's borders replace those of every cell, as a freshly applied style does.
    Story &story = m_state->changeModel().story;
    for (int i = 0; i < story.size(); ++i) {
        const StoryPosition &position = story.at(i);
        if (position.mark == Mark::CellEnd && story.row(story.at(story.rowEnd(i)).structure).table == m_table)
            story.cell(position.structure).borders.fill(line);
    }
    m_state->markModified();
}

QString BuiltInTable::style() const
{
    return format().styleName;
}

void BuiltInTable::setFlag(bool TableFormat::*flag, bool apply)
{
    changeFormat().*flag = apply;
    m_state->markModified();
}

void BuiltInTable::setApplyStyleHeadingRows(bool apply)
{
    setFlag(&TableFormat::applyStyleHeadingRows, apply);
}

void BuiltInTable::setApplyStyleLastRow(bool apply)
{
    setFlag(&TableFormat::applyStyleLastRow, apply);
}

void BuiltInTable::setApplyStyleFirstColumn(bool apply)
{
    setFlag(&TableFormat::applyStyleFirstColumn, apply);
}

void BuiltInTable::setApplyStyleLastColumn(bool apply)
{
    setFlag(&TableFormat::applyStyleLastColumn, apply);
}

} // namespace engine
