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

// Types one piece of text given the first of its step numbers; returns the
// number of the step after it.
using Typing = std::function<int(int step)>;

// The bullet is this character of the Wingdings font.
constexpr char16_t bulletCharacter = 0xF0A7;

// The list level's character flags, set to "undefined" so the bullet takes no
// bold, italics or other look from the text it stands before.
const word::FontProperty undefinedBulletFlags[] = {
    word::FontProperty::Bold,      word::FontProperty::Italic,      word::FontProperty::StrikeThrough,
    word::FontProperty::Subscript, word::FontProperty::Superscript, word::FontProperty::Shadow,
    word::FontProperty::Outline,   word::FontProperty::Emboss,      word::FontProperty::Engrave,
    word::FontProperty::AllCaps,   word::FontProperty::Hidden,      word::FontProperty::Underline,
    word::FontProperty::Color,     word::FontProperty::Size,        word::FontProperty::Animation,
    word::FontProperty::DoubleStrikeThrough,
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
    int step = 298;
    for (const word::FontProperty flag : undefinedBulletFlags) {
        session.run(step, [&] { session.listLevelFont().set(flag, word::wdUndefined); });
        step += 2;
    }
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

// A cell of a details row: 11 points, bottom-aligned; the first cell is
// left-aligned and aligned to the bottom after its text, the others before.
int firstDetailsCell(ResumeSelection &selection, int step, const Typing &text)
{
    selection.nextCell(step);
    selection.setFontSize(step + 2, 11);
    step = text(step + 4);
    selection.alignCellsToBottom(step);
    return step + 2;
}

int alignedDetailsCell(ResumeSelection &selection, int step, long alignment, const Typing &text)
{
    selection.nextCell(step);
    selection.setFontSize(step + 2, 11);
    selection.alignCellsToBottom(step + 4);
    selection.setAlignment(step + 6, alignment);
    return text(step + 8);
}

// Dates on the left, the place (company or school) centred, its city on the right.
int detailsRow(ResumeSelection &selection, int step, const Typing &dates, const Typing &place, const Typing &city)
{
    step = firstDetailsCell(selection, step, dates);
    step = alignedDetailsCell(selection, step, word::wdAlignParagraphCenter, place);
    return alignedDetailsCell(selection, step, word::wdAlignParagraphRight, city);
}

// A merged row holding a bold Tahoma title and, below it in the same cell,
// plain Times New Roman paragraphs.
int titledRow(ResumeSelection &selection, int step, const Typing &title, const Typing &body)
{
    selection.nextMergedRow(step);
    selection.setFontSize(step + 6, 10);
    selection.setFontName(step + 8, QStringLiteral("Tahoma"));
    selection.setBold(step + 10, true);
    step = title(step + 12);
    selection.setFontSize(step, 11);
    selection.setFontName(step + 2, QStringLiteral("Times New Roman"));
    selection.setBold(step + 4, false);
    return body(step + 6);
}

Typing field(ResumeSelection &selection, const QString &fieldName)
{
    return [&selection, fieldName](int step) { return selection.typeField(step, fieldName); };
}

// A job's field, chosen by the three-way test on the job number.
Typing jobField(ResumeSession &session, ResumeSelection &selection, int job, const char *namePattern)
{
    return [&session, &selection, job, namePattern](int step) {
        return selection.typeForJob(step, job, [&](int chosen) {
            return session.field(QString::fromLatin1(namePattern).arg(chosen));
        });
    };
}

// The three responsibilities as paragraphs under the title, empty ones kept.
Typing responsibilities(ResumeSession &session, ResumeSelection &selection, int job)
{
    return [&session, &selection, job](int step) {
        return selection.typeForJob(step, job, [&](int chosen) {
            QString text;
            for (int duty = 1; duty <= 3; ++duty) {
                const QString fieldName = QStringLiteral("txtExp%1JobRes%2").arg(chosen).arg(duty);
                text += QStringLiteral("\r\n") + session.field(fieldName);
            }
            return text;
        });
    };
}

// One pass of the job loop, rows 6 to 8 for job 1 and so on. The last pass
// merges row 14 for the education heading.
void jobBlock(ResumeSession &session, ResumeSelection &selection, int job)
{
    detailsRow(selection, 336, jobField(session, selection, job, "txtDateEmployment%1"),
               jobField(session, selection, job, "txtCompany%1"), jobField(session, selection, job, "txtCity%1"));
    titledRow(selection, 394, jobField(session, selection, job, "txtJobTitle%1"),
              responsibilities(session, selection, job));
    selection.bulletResponsibilities(436);
    selection.nextMergedRow(446);
}

void educationBlock(ResumeSession &session, ResumeSelection &selection)
{
    selection.heading(454, QStringLiteral("Education"), word::wdLineWidth150pt);
    detailsRow(selection, 482, field(selection, QStringLiteral("txtDateOfAttendance")),
               field(selection, QStringLiteral("txtSchoolName")), field(selection, QStringLiteral("txtSchoolCity")));
    // The awards go in a paragraph of their own under the degree.
    const Typing awards = [&](int step) {
        return selection.typeText(step, [&] {
            return QStringLiteral("\r\n") + session.field(QStringLiteral("txtSpecialAwards"));
        });
    };
    titledRow(selection, 510, field(selection, QStringLiteral("txtDegreeObtained")), awards);
    selection.bulletAwards(532);
}

void referencesBlock(ResumeSelection &selection)
{
    selection.headingRow(536, QStringLiteral("References"), word::wdLineWidth150pt);
    selection.nextMergedRow(570);
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
