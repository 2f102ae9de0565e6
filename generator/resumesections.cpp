#include "resumesections.h"

#include "resumeselection.h"
#include "resumesession.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/font.h"
#include "automation/word/listtemplate.h"

#include <functional>

namespace generator {
namespace {

// The bullet is this character of the Wingdings font.
constexpr char16_t bulletCharacter = 0xF0A7;

struct UndefinedFlag {
    int step;
    word::FontProperty property;
};

// The list level's character flags, set to "undefined" so the bullet takes no
// bold, italics or other look from the text it stands before.
const UndefinedFlag undefinedBulletFlags[] = {
    {298, word::FontProperty::Bold}, {300, word::FontProperty::Italic},
    {302, word::FontProperty::StrikeThrough}, {304, word::FontProperty::Subscript},
    {306, word::FontProperty::Superscript}, {308, word::FontProperty::Shadow},
    {310, word::FontProperty::Outline}, {312, word::FontProperty::Emboss},
    {314, word::FontProperty::Engrave}, {316, word::FontProperty::AllCaps},
    {318, word::FontProperty::Hidden}, {320, word::FontProperty::Underline},
    {322, word::FontProperty::Color}, {324, word::FontProperty::Size},
    {326, word::FontProperty::Animation}, {328, word::FontProperty::DoubleStrikeThrough},
};

void setLevelPositions(ResumeSession &session)
{
    auto inches = [&](double value) { return session.application().inchesToPoints(value); };
    session.run(284, [&] { session.listLevel().setNumberPosition(inches(0.25)); });
    session.run(286, [&] { session.listLevel().setAlignment(word::wdListLevelAlignLeft); });
    session.run(288, [&] { session.listLevel().setTextPosition(inches(0.5)); });
    session.run(290, [&] { session.listLevel().setTabPosition(inches(0.5)); });
}

void setLevelFont(ResumeSession &session)
{
    session.takeListLevelFont(296);
    for (const UndefinedFlag &flag : undefinedBulletFlags)
        session.run(flag.step, [&] { session.listLevelFont().set(flag.property, word::wdUndefined); });
    session.run(330, [&] { session.listLevelFont().setName(QStringLiteral("Wingdings")); });
}

void createBulletTemplate(ResumeSession &session)
{
    session.addListTemplate(272, QStringLiteral("my list"));
    session.takeListTemplate(274);
    session.takeListLevel(276, 1);
    session.run(278, [&] { session.listLevel().setNumberFormat(QString(QChar(bulletCharacter))); });
    session.run(280, [&] { session.listLevel().setTrailingCharacter(word::wdTrailingTab); });
    session.run(282, [&] { session.listLevel().setNumberStyle(word::wdListNumberStyleBullet); });
    setLevelPositions(session);
    session.run(292, [&] { session.listLevel().setResetOnHigher(0); });
    session.run(294, [&] { session.listLevel().setStartAt(1); });
    setLevelFont(session);
    session.run(332, [&] { session.listLevel().setLinkedStyle(QString()); });
}

// A cell of a details row after the first: 11 points, bottom-aligned, then
// aligned as `alignment`, before its text.
struct AlignedCellSteps {
    int nextCell, fontSize, alignBottom, align;
};

void enterAlignedCell(ResumeSelection &selection, const AlignedCellSteps &steps, long alignment)
{
    selection.nextCell(steps.nextCell);
    selection.setFontSize(steps.fontSize, 11);
    selection.alignCellsToBottom(steps.alignBottom);
    selection.setAlignment(steps.align, alignment);
}

// A titled row holds a bold Tahoma title and, below it in the same cell,
// plain Times New Roman paragraphs.
void setTitleFont(ResumeSelection &selection, const FontSteps &steps)
{
    selection.setFont(steps, 10, QStringLiteral("Tahoma"), true);
}

void setBodyFont(ResumeSelection &selection, const FontSteps &steps)
{
    selection.setFont(steps, 11, QStringLiteral("Times New Roman"), false);
}

// The text of a job's field, named by a pattern with the job's number.
std::function<QString(int)> jobField(ResumeSession &session, const char *namePattern)
{
    return [&session, namePattern](int job) { return session.field(QString::fromLatin1(namePattern).arg(job)); };
}

// The three responsibilities as paragraphs under the title, empty ones kept.
std::function<QString(int)> responsibilities(ResumeSession &session)
{
    return [&session](int job) {
        QString text;
        for (int duty = 1; duty <= 3; ++duty)
            text += QStringLiteral("\r\n") + session.field(QStringLiteral("txtExp%1JobRes%2").arg(job).arg(duty));
        return text;
    };
}

// One pass of the job loop, rows 6 to 8 for job 1 and so on. The last pass
// merges row 14 for the education heading.
void jobBlock(ResumeSession &session, ResumeSelection &selection, int job)
{
    // Dates on the left, the company centred, its city on the right; the
    // first cell is aligned to the bottom after its text, the others before.
    selection.nextCell(336);
    selection.setFontSize(338, 11);
    selection.typeForJob(job, {340, 342}, {344, 346}, {348, 350}, jobField(session, "txtDateEmployment%1"));
    selection.alignCellsToBottom(352);
    enterAlignedCell(selection, {354, 356, 358, 360}, word::wdAlignParagraphCenter);
    selection.typeForJob(job, {362, 364}, {366, 368}, {370, 372}, jobField(session, "txtCompany%1"));
    enterAlignedCell(selection, {374, 376, 378, 380}, word::wdAlignParagraphRight);
    selection.typeForJob(job, {382, 384}, {386, 388}, {390, 392}, jobField(session, "txtCity%1"));

    selection.nextMergedRow(394, 396, 398);
    setTitleFont(selection, {400, 402, 404});
    selection.typeForJob(job, {406, 408}, {410, 412}, {414, 416}, jobField(session, "txtJobTitle%1"));
    setBodyFont(selection, {418, 420, 422});
    selection.typeForJob(job, {424, 426}, {428, 430}, {432, 434}, responsibilities(session));
    selection.bulletResponsibilities(436, 438, 440, 442, 444);
    selection.nextMergedRow(446, 448, 450);
}

void educationBlock(ResumeSession &session, ResumeSelection &selection)
{
    selection.heading({454, 456, 458, 460, 462, 464, 466, 468, 470, 472, 474, 476, 478, 480},
                      QStringLiteral("Education"), word::wdLineWidth150pt);
    selection.nextCell(482);
    selection.setFontSize(484, 11);
    selection.typeField(486, QStringLiteral("txtDateOfAttendance"));
    selection.alignCellsToBottom(488);
    enterAlignedCell(selection, {490, 492, 494, 496}, word::wdAlignParagraphCenter);
    selection.typeField(498, QStringLiteral("txtSchoolName"));
    enterAlignedCell(selection, {500, 502, 504, 506}, word::wdAlignParagraphRight);
    selection.typeField(508, QStringLiteral("txtSchoolCity"));

    selection.nextMergedRow(510, 512, 514);
    setTitleFont(selection, {516, 518, 520});
    selection.typeField(522, QStringLiteral("txtDegreeObtained"));
    setBodyFont(selection, {524, 526, 528});
    // The awards go in a paragraph of their own under the degree.
    selection.typeText(530, [&] { return QStringLiteral("\r\n") + session.field(QStringLiteral("txtSpecialAwards")); });
    selection.bulletAwards(532, 534);
}

void referencesBlock(ResumeSelection &selection)
{
    selection.nextMergedRow(536, 538, 540);
    selection.heading({542, 544, 546, 548, 550, 552, 554, 556, 558, 560, 562, 564, 566, 568},
                      QStringLiteral("References"), word::wdLineWidth150pt);
    selection.nextMergedRow(570, 572, 574);
    selection.setFontSize(576, 11);
    selection.alignCellsToBottom(578);
    selection.typeField(580, QStringLiteral("txtReferences"));
}

} // namespace

void writeSections(ResumeSession &session, ResumeSelection &selection)
{
    createBulletTemplate(session);
    // Steps 334 and 452 start and advance the loop; each pass reuses the
    // numbers 336 to 450.
    for (int job = 1; job <= 3; ++job)
        jobBlock(session, selection, job);
    educationBlock(session, selection);
    referencesBlock(selection);
}

} // namespace generator
