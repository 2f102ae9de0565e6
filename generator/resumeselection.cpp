#include "resumeselection.h"

#include "resumesession.h"
#include "automation/word/constants.h"
#include "automation/word/font.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

#include <utility>

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

void ResumeSelection::mergeRow(int selectStep, int mergeStep)
{
    m_session.run(selectStep, [&] { m_session.selection()->moveRight(word::wdCharacter, 3, word::wdExtend); });
    m_session.run(mergeStep, [&] { required(m_session.selection()->cells(), "The selected cells")->merge(); });
}

void ResumeSelection::nextMergedRow(int nextStep, int selectStep, int mergeStep)
{
    nextCell(nextStep);
    mergeRow(selectStep, mergeStep);
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

void ResumeSelection::setFont(const FontSteps &steps, double points, const QString &name, bool bold)
{
    setFontSize(steps.size, points);
    setFontName(steps.name, name);
    setBold(steps.bold, bold);
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

void ResumeSelection::typeText(int step, const std::function<QString()> &text)
{
    m_session.run(step, [&] {
        const auto selection = m_session.selection();
        selection->typeText(text());
    });
}

void ResumeSelection::typeField(int step, const QString &fieldName)
{
    typeText(step, [&] { return m_session.field(fieldName); });
}

void ResumeSelection::typeForJob(int job, JobChoiceSteps first, JobChoiceSteps second, JobChoiceSteps third,
                                 const std::function<QString(int job)> &textOfJob)
{
    const JobChoiceSteps choices[] = {first, second, third};
    for (int candidate = 1; candidate <= 3; ++candidate) {
        const JobChoiceSteps &steps = choices[candidate - 1];
        if (m_session.test(steps.test, [&] { return job == candidate; }))
            typeText(steps.type, [&] { return textOfJob(candidate); });
    }
}

void ResumeSelection::heading(const HeadingSteps &steps, const QString &text, long ruleWidth)
{
    setFont({steps.fontSize, steps.fontName, steps.bold}, 12, QStringLiteral("Tahoma"), true);
    typeText(steps.text, [&] { return text; });
    alignCellsToBottom(steps.alignBottom);

    // Only the bottom side gets a line: the rule under the heading.
    std::shared_ptr<word::Cells> cells;
    m_session.run(steps.cells, [&] { cells = m_session.selection()->cells(); });
    const std::pair<int, long> plainSides[] = {
        {steps.leftSide, word::wdBorderLeft}, {steps.rightSide, word::wdBorderRight}, {steps.topSide, word::wdBorderTop}};
    for (const auto &[step, side] : plainSides) {
        m_session.run(step, [&, side = side] {
            required(bordersOf(cells)->item(side), "The heading's border")->setLineStyle(word::wdLineStyleNone);
        });
    }
    std::shared_ptr<word::Border> rule;
    m_session.run(steps.rule, [&] { rule = bordersOf(cells)->item(word::wdBorderBottom); });
    m_session.run(steps.ruleStyle, [&] { required(rule, "The heading's rule")->setLineStyle(word::wdLineStyleSingle); });
    m_session.run(steps.ruleWidth, [&] { required(rule, "The heading's rule")->setLineWidth(ruleWidth); });
    m_session.run(steps.ruleColour, [&] { required(rule, "The heading's rule")->setColor(word::wdColorAutomatic); });
    m_session.run(steps.shadow, [&] { bordersOf(cells)->setShadow(false); });
}

void ResumeSelection::bulletResponsibilities(int homeStep, int upStep, int downStep, int leftStep, int bulletStep)
{
    // By lines: back to the first responsibility's line, then three lines down
    // and three characters back. The title lies at least three lines above
    // the last line, so it is never selected, however the lines fall.
    m_session.run(homeStep, [&] { m_session.selection()->homeKey(word::wdLine); });
    m_session.run(upStep, [&] { m_session.selection()->moveUp(word::wdLine, 2); });
    m_session.run(downStep, [&] { m_session.selection()->moveDown(word::wdLine, 3, word::wdExtend); });
    m_session.run(leftStep, [&] { m_session.selection()->moveLeft(word::wdCharacter, 3, word::wdExtend); });
    applyBullets(bulletStep);
}

void ResumeSelection::bulletAwards(int extendStep, int bulletStep)
{
    m_session.run(extendStep, [&] { m_session.selection()->homeKey(word::wdLine, word::wdExtend); });
    applyBullets(bulletStep);
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
