#include "resumeheader.h"

#include "resumeselection.h"
#include "resumesession.h"
#include "automation/word/constants.h"
#include "automation/word/table.h"

#include <algorithm>

namespace generator {
namespace {

struct RowHeight {
    int row;
    double points;
};

// Rows left out keep the word processor's default height.
const RowHeight rowHeights[] = {{1, 15}, {2, 40}, {3, 25}, {4, 25},  {5, 25},  {6, 30}, {7, 50},
                                {9, 30}, {12, 30}, {14, 25}, {15, 30}, {17, 25}, {18, 25}};

const double columnWidths[] = {100, 240, 100};

using TableFlag = void (word::Table::*)(bool);
const TableFlag styleFlags[] = {&word::Table::setApplyStyleHeadingRows, &word::Table::setApplyStyleLastRow,
                                &word::Table::setApplyStyleFirstColumn, &word::Table::setApplyStyleLastColumn};

// A phone number or e-mail address of nothing but spaces counts as empty;
// any other character, a tab too, counts as text.
bool holdsMoreThanSpaces(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c != QLatin1Char(' '); });
}

void setUpTable(ResumeSession &session)
{
    session.addTable(106, 18, 3);
    session.takeTable(108);
    int step = 110;
    for (int column = 1; column <= 3; ++column) {
        session.run(step, [&] {
            required(session.table().columns(column), "The table column")->setWidth(columnWidths[column - 1]);
        });
        step += 2;
    }
    for (const RowHeight &height : rowHeights) {
        session.run(step, [&] {
            required(session.table().rows(height.row), "The table row")->setHeight(height.points);
        });
        step += 2;
    }
    session.run(142, [&] { session.table().setStyle(QStringLiteral("Table Normal")); });
    step = 144;
    for (const TableFlag flag : styleFlags) {
        session.run(step, [&] { (session.table().*flag)(true); });
        step += 2;
    }
}

// The symbol and the text after it, when the field holds more than spaces.
void contactPiece(ResumeSession &session, ResumeSelection &selection, int step, const QString &fieldName,
                  const QString &after)
{
    const bool filled = session.test(step, [&] { return holdsMoreThanSpaces(session.field(fieldName)); });
    if (!filled)
        return;
    selection.insertContactSymbol(step + 2);
    selection.typeText(step + 4, [&] { return QLatin1Char(' ') + session.field(fieldName) + after; });
}

void contactLine(ResumeSession &session, ResumeSelection &selection)
{
    selection.mergeRow(152);
    selection.setFontSize(156, 9);
    // The three address pieces are joined whatever they hold.
    selection.typeText(158, [&] {
        return session.field(QStringLiteral("txtStreetAddress")) + QStringLiteral(", ")
               + session.field(QStringLiteral("txtCity")) + QLatin1Char(' ')
               + session.field(QStringLiteral("txtZipCode")) + QLatin1Char(' ');
    });
    contactPiece(session, selection, 160, QStringLiteral("txtPhone"), QStringLiteral(" "));
    contactPiece(session, selection, 166, QStringLiteral("txtEmail"), QString());
    selection.setAlignment(172, word::wdAlignParagraphCenter);
}

void nameRow(ResumeSelection &selection)
{
    selection.nextMergedRow(174);
    selection.setFontSize(180, 22);
    selection.setFontName(182, QStringLiteral("Tahoma"));
    selection.setBold(184, true);
    selection.setAlignment(186, word::wdAlignParagraphCenter);
    selection.typeField(188, QStringLiteral("txtYourName"));
    selection.alignCellsToBottom(190);
}

void objectiveRows(ResumeSelection &selection)
{
    selection.headingRow(192, QStringLiteral("Objective"), word::wdLineWidth100pt);
    selection.nextMergedRow(226);
    selection.setFontSize(232, 11);
    selection.typeField(234, QStringLiteral("txtObjective"));
    selection.alignCellsToBottom(236);
}

} // namespace

void writeTableAndHeader(ResumeSession &session, ResumeSelection &selection)
{
    setUpTable(session);
    contactLine(session, selection);
    nameRow(selection);
    objectiveRows(selection);
    selection.headingRow(238, QStringLiteral("Experience"), word::wdLineWidth150pt);
}

} // namespace generator
