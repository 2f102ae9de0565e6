#include "resumeheader.h"

#include "resumeselection.h"
#include "resumesession.h"
#include "automation/word/constants.h"
#include "automation/word/table.h"

#include <algorithm>

namespace generator {
namespace {

struct ColumnWidth {
    int step;
    int column;
    double points;
};

const ColumnWidth columnWidths[] = {{110, 1, 100}, {112, 2, 240}, {114, 3, 100}};

struct RowHeight {
    int step;
    int row;
    double points;
};

// Rows left out keep the word processor's default height.
const RowHeight rowHeights[] = {{116, 1, 15},  {118, 2, 40},  {120, 3, 25},  {122, 4, 25},  {124, 5, 25},
                                {126, 6, 30},  {128, 7, 50},  {130, 9, 30},  {132, 12, 30}, {134, 14, 25},
                                {136, 15, 30}, {138, 17, 25}, {140, 18, 25}};

struct TableFlag {
    int step;
    void (word::Table::*set)(bool);
};

const TableFlag styleFlags[] = {{144, &word::Table::setApplyStyleHeadingRows},
                                {146, &word::Table::setApplyStyleLastRow},
                                {148, &word::Table::setApplyStyleFirstColumn},
                                {150, &word::Table::setApplyStyleLastColumn}};

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
    for (const ColumnWidth &width : columnWidths) {
        session.run(width.step, [&] {
            required(session.table().columns(width.column), "The table column")->setWidth(width.points);
        });
    }
    for (const RowHeight &height : rowHeights) {
        session.run(height.step, [&] {
            required(session.table().rows(height.row), "The table row")->setHeight(height.points);
        });
    }
    session.run(142, [&] { session.table().setStyle(QStringLiteral("Table Normal")); });
    for (const TableFlag &flag : styleFlags)
        session.run(flag.step, [&] { (session.table().*flag.set)(true); });
}

// The symbol and the text after it, when the field holds more than spaces.
void contactPiece(ResumeSession &session, ResumeSelection &selection, int testStep, int symbolStep, int typeStep,
                  const QString &fieldName, const QString &after)
{
    const bool filled = session.test(testStep, [&] { return holdsMoreThanSpaces(session.field(fieldName)); });
    if (!filled)
        return;
    selection.insertContactSymbol(symbolStep);
    selection.typeText(typeStep, [&] { return QLatin1Char(' ') + session.field(fieldName) + after; });
}

void contactLine(ResumeSession &session, ResumeSelection &selection)
{
    selection.mergeRow(152, 154);
    selection.setFontSize(156, 9);
    // The three address pieces are joined whatever they hold.
    selection.typeText(158, [&] {
        return session.field(QStringLiteral("txtStreetAddress")) + QStringLiteral(", ")
               + session.field(QStringLiteral("txtCity")) + QLatin1Char(' ')
               + session.field(QStringLiteral("txtZipCode")) + QLatin1Char(' ');
    });
    contactPiece(session, selection, 160, 162, 164, QStringLiteral("txtPhone"), QStringLiteral(" "));
    contactPiece(session, selection, 166, 168, 170, QStringLiteral("txtEmail"), QString());
    selection.setAlignment(172, word::wdAlignParagraphCenter);
}

void nameRow(ResumeSelection &selection)
{
    selection.nextMergedRow(174, 176, 178);
    selection.setFont({180, 182, 184}, 22, QStringLiteral("Tahoma"), true);
    selection.setAlignment(186, word::wdAlignParagraphCenter);
    selection.typeField(188, QStringLiteral("txtYourName"));
    selection.alignCellsToBottom(190);
}

void objectiveRows(ResumeSelection &selection)
{
    selection.nextMergedRow(192, 194, 196);
    selection.heading({198, 200, 202, 204, 206, 208, 210, 212, 214, 216, 218, 220, 222, 224},
                      QStringLiteral("Objective"), word::wdLineWidth100pt);
    selection.nextMergedRow(226, 228, 230);
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
    selection.nextMergedRow(238, 240, 242);
    selection.heading({244, 246, 248, 250, 252, 254, 256, 258, 260, 262, 264, 266, 268, 270},
                      QStringLiteral("Experience"), word::wdLineWidth150pt);
}

} // namespace generator
