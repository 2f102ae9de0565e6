#include "resumeselection.h"

#include "resumesession.h"
#include "automation/word/constants.h"
#include "automation/word/font.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

namespace generator {
namespace {

// The black circle set before the phone number and the e-mail address.
constexpr long contactSymbol = 9679;

std::shared_ptr<word::Borders> bordersOf(const std::shared_ptr<word::Cells> &cells)
{
    return required(required(cells, "The heading's cells")->borders(), "The heading's borders");
}

} // namespace

ResumeSelection::ResumeSelection(ResumeSession &session)
    : m_session(session)
{
}

void ResumeSelection::nextCell(int step)
{
    m_session.run(step, [&] { m_session.selection()->moveRight(word::wdCell, 1); });
}

void ResumeSelection::mergeRow(int step)
{
    m_session.run(step, [&] { m_session.selection()->moveRight(word::wdCharacter, 3, word::wdExtend); });
    m_session.run(step + 2, [&] { required(m_session.selection()->cells(), "The selected cells")->merge(); });
}

void ResumeSelection::nextMergedRow(int step)
{
    nextCell(step);
    mergeRow(step + 2);
}

void ResumeSelection::setFontSize(int step, double points)
{
    m_session.run(step, [&] { required(m_session.selection()->font(), "The selection's font")->setSize(points); });
}

void ResumeSelection::setFontName(int step, const QString &name)
{
    m_session.run(step, [&] { required(m_session.selection()->font(), "The selection's font")->setName(name); });
}

void ResumeSelection::setBold(int step, bool bold)
{
    m_session.run(step, [&] { required(m_session.selection()->font(), "The selection's font")->setBold(bold); });
}

void ResumeSelection::setAlignment(int step, long alignment)
{
    m_session.run(step, [&] {
        required(m_session.selection()->paragraphFormat(), "The selection's paragraph format")->setAlignment(alignment);
    });
}

void ResumeSelection::alignCellsToBottom(int step)
{
    m_session.run(step, [&] {
        required(m_session.selection()->cells(), "The selected cells")
            ->setVerticalAlignment(word::wdCellAlignVerticalBottom);
    });
}

void ResumeSelection::insertContactSymbol(int step)
{
    m_session.run(step, [&] { m_session.selection()->insertSymbol(contactSymbol, true, 0); });
}

int ResumeSelection::typeText(int step, const std::function<QString()> &text)
{
    m_session.run(step, [&] {
        const auto selection = m_session.selection();
        selection->typeText(text());
    });
    return step + 2;
}

int ResumeSelection::typeField(int step, const QString &fieldName)
{
    return typeText(step, [&] { return m_session.field(fieldName); });
}

int ResumeSelection::typeForJob(int step, int job, const std::function<QString(int job)> &textOfJob)
{
    for (int candidate = 1; candidate <= 3; ++candidate) {
        const int testStep = step + 4 * (candidate - 1);
        if (m_session.test(testStep, [&] { return job == candidate; }))
            typeText(testStep + 2, [&] { return textOfJob(candidate); });
    }
    return step + 12;
}

void ResumeSelection::heading(int step, const QString &text, long ruleWidth)
{
    setFontSize(step, 12);
    setFontName(step + 2, QStringLiteral("Tahoma"));
    setBold(step + 4, true);
    typeText(step + 6, [&] { return text; });
    alignCellsToBottom(step + 8);

    // Only the bottom side gets a line: the rule under the heading.
    std::shared_ptr<word::Cells> cells;
    m_session.run(step + 10, [&] { cells = m_session.selection()->cells(); });
    const long plainSides[] = {word::wdBorderLeft, word::wdBorderRight, word::wdBorderTop};
    int sideStep = step + 12;
    for (const long side : plainSides) {
        m_session.run(sideStep, [&] {
            required(bordersOf(cells)->item(side), "The heading's border")->setLineStyle(word::wdLineStyleNone);
        });
        sideStep += 2;
    }
    std::shared_ptr<word::Border> rule;
    m_session.run(step + 18, [&] { rule = bordersOf(cells)->item(word::wdBorderBottom); });
    m_session.run(step + 20, [&] { required(rule, "The heading's rule")->setLineStyle(word::wdLineStyleSingle); });
    m_session.run(step + 22, [&] { required(rule, "The heading's rule")->setLineWidth(ruleWidth); });
    m_session.run(step + 24, [&] { required(rule, "The heading's rule")->setColor(word::wdColorAutomatic); });
    m_session.run(step + 26, [&] { bordersOf(cells)->setShadow(false); });
}

void ResumeSelection::headingRow(int step, const QString &text, long ruleWidth)
{
    nextMergedRow(step);
    heading(step + 6, text, ruleWidth);
}

void ResumeSelection::bulletResponsibilities(int step)
{
    // By lines: back to the first responsibility's line, then three lines down
    // and three characters back. The title lies at least three lines above
    // the last line, so it is never selected, however the lines fall.
    m_session.run(step, [&] { m_session.selection()->homeKey(word::wdLine); });
    m_session.run(step + 2, [&] { m_session.selection()->moveUp(word::wdLine, 2); });
    m_session.run(step + 4, [&] { m_session.selection()->moveDown(word::wdLine, 3, word::wdExtend); });
    m_session.run(step + 6, [&] { m_session.selection()->moveLeft(word::wdCharacter, 3, word::wdExtend); });
    applyBullets(step + 8);
}

void ResumeSelection::bulletAwards(int step)
{
    m_session.run(step, [&] { m_session.selection()->homeKey(word::wdLine, word::wdExtend); });
    applyBullets(step + 2);
}

void ResumeSelection::applyBullets(int step)
{
    m_session.run(step, [&] {
        const auto bullets = m_session.listTemplate();
        const auto range = required(m_session.selection()->range(), "The selection's range");
        required(range->listFormat(), "The selection's list format")
            ->applyListTemplate(bullets, false, word::wdListApplyToThisPointForward, word::wdWord10ListBehavior);
    });
}

} // namespace generator
