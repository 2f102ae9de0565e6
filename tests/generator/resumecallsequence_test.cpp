// GenerateResume drives the word processor call by call: every call with its
// named arguments, in order, each under the number of the step it belongs to.
// A failing step is reported with that number and the run goes on.
#include "generator/resume.h"
#include "recordingengine.h"
#include "support/scripteddialogs.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Call {
    int step;
    QString line;
};
using Calls = std::vector<Call>;

// A record whose fields hold their own names, except those given.
generator::FieldText record(std::map<QString, QString> texts)
{
    return [texts](const QString &name) {
        const auto found = texts.find(name);
        return found == texts.end() ? name : found->second;
    };
}

const std::map<QString, QString> filled = {
    {"txtStreetAddress", "12 Elm Street"}, {"txtCity", "Springfield"}, {"txtZipCode", "12345"},
    {"txtPhone", " 555-0100 "}, {"txtEmail", "jane@example.com"}, {"txtYourName", "Jane \"JQ\" Example"},
    {"txtObjective", "Build sound software.\r\nAnd ship it."},
};

QString typed(const QString &text)
{
    QString shown = text;
    shown.replace("\"", "\\\"").replace("\r", "\\r").replace("\n", "\\n");
    return "Selection.TypeText(Text=\"" + shown + "\")";
}

Calls operator+(Calls first, const Calls &second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The cell recipes, as the layout gives them.
Calls nextCell(int step)
{
    return {{step, "Selection.MoveRight(Unit=12, Count=1)"}};
}

Calls mergeRow(int step)
{
    return {{step, "Selection.MoveRight(Unit=1, Count=3, Extend=1)"}, {step + 2, "Selection.Cells.Merge()"}};
}

Calls fontSize(int step, int points)
{
    return {{step, QString("Selection.Font.Size = %1").arg(points)}};
}

Calls titleFont(int step)
{
    return {{step, "Selection.Font.Size = 10"}, {step + 2, "Selection.Font.Name = \"Tahoma\""},
            {step + 4, "Selection.Font.Bold = True"}};
}

Calls bodyFont(int step)
{
    return {{step, "Selection.Font.Size = 11"}, {step + 2, "Selection.Font.Name = \"Times New Roman\""},
            {step + 4, "Selection.Font.Bold = False"}};
}

Calls bottom(int step)
{
    return {{step, "Selection.Cells.VerticalAlignment = 3"}};
}

Calls aligned(int step, int alignment)
{
    return {{step, QString("Selection.ParagraphFormat.Alignment = %1").arg(alignment)}};
}

// Steps s+10 (taking the cells) and s+18 (taking the bottom border) only read.
Calls heading(int step, const QString &text, int ruleWidth)
{
    return {{step, "Selection.Font.Size = 12"},
            {step + 2, "Selection.Font.Name = \"Tahoma\""},
            {step + 4, "Selection.Font.Bold = True"},
            {step + 6, typed(text)},
            {step + 8, "Selection.Cells.VerticalAlignment = 3"},
            {step + 12, "Selection.Cells.Borders(-2).LineStyle = 0"},
            {step + 14, "Selection.Cells.Borders(-4).LineStyle = 0"},
            {step + 16, "Selection.Cells.Borders(-1).LineStyle = 0"},
            {step + 20, "Selection.Cells.Borders(-3).LineStyle = 1"},
            {step + 22, QString("Selection.Cells.Borders(-3).LineWidth = %1").arg(ruleWidth)},
            {step + 24, "Selection.Cells.Borders(-3).Color = -16777216"},
            {step + 26, "Selection.Cells.Borders.Shadow = False"}};
}

const QString applyBullets = "Selection.Range.ListFormat.ApplyListTemplate(ListTemplate=ListTemplate, "
                             "ContinuePreviousList=False, ApplyTo=2, DefaultListBehavior=2)";

Calls tableSetUp()
{
    Calls calls = {{106, "Document.Tables.Add(Range=Selection.Range, NumRows=18, NumColumns=3, "
                         "DefaultTableBehavior=1, AutoFitBehavior=0)"},
                   {110, "Table.Columns(1).Width = 100"},
                   {112, "Table.Columns(2).Width = 240"},
                   {114, "Table.Columns(3).Width = 100"}};
    const std::pair<int, int> heights[] = {{1, 15}, {2, 40}, {3, 25},  {4, 25},  {5, 25},  {6, 30}, {7, 50},
                                           {9, 30}, {12, 30}, {14, 25}, {15, 30}, {17, 25}, {18, 25}};
    int step = 116;
    for (const auto &[row, points] : heights) {
        calls.push_back({step, QString("Table.Rows(%1).Height = %2").arg(row).arg(points)});
        step += 2;
    }
    return calls + Calls{{142, "Table.Style = \"Table Normal\""},
                         {144, "Table.ApplyStyleHeadingRows = True"},
                         {146, "Table.ApplyStyleLastRow = True"},
                         {148, "Table.ApplyStyleFirstColumn = True"},
                         {150, "Table.ApplyStyleLastColumn = True"}};
}

Calls headerRows()
{
    const QString symbol = "Selection.InsertSymbol(CharacterNumber=9679, Unicode=True, Bias=0)";
    return mergeRow(152) + fontSize(156, 9)
           + Calls{{158, typed("12 Elm Street, Springfield 12345 ")}, {162, symbol}, {164, typed("  555-0100  ")},
                   {168, symbol}, {170, typed(" jane@example.com")}}
           + aligned(172, 1) + nextCell(174) + mergeRow(176) + fontSize(180, 22)
           + Calls{{182, "Selection.Font.Name = \"Tahoma\""}, {184, "Selection.Font.Bold = True"}} + aligned(186, 1)
           + Calls{{188, typed("Jane \"JQ\" Example")}} + bottom(190) + nextCell(192) + mergeRow(194)
           + heading(198, "Objective", 8) + nextCell(226) + mergeRow(228) + fontSize(232, 11)
           + Calls{{234, typed("Build sound software.\r\nAnd ship it.")}} + bottom(236) + nextCell(238)
           + mergeRow(240) + heading(244, "Experience", 12);
}

Calls bulletTemplate()
{
    const QString level = "ListTemplate.ListLevels(1).";
    Calls calls = {{272, "Document.ListTemplates.Add(Name=\"my list\", OutlineNumbered=True)"},
                   {278, level + "NumberFormat = \"\\uF0A7\""},
                   {280, level + "TrailingCharacter = 0"},
                   {282, level + "NumberStyle = 23"},
                   {284, "Application.InchesToPoints(0.25)"},
                   {284, level + "NumberPosition = 18"},
                   {286, level + "Alignment = 0"},
                   {288, "Application.InchesToPoints(0.5)"},
                   {288, level + "TextPosition = 36"},
                   {290, "Application.InchesToPoints(0.5)"},
                   {290, level + "TabPosition = 36"},
                   {292, level + "ResetOnHigher = 0"},
                   {294, level + "StartAt = 1"}};
    const char *flags[] = {"Bold",   "Italic",  "StrikeThrough", "Subscript", "Superscript", "Shadow",
                           "Outline", "Emboss", "Engrave",       "AllCaps",   "Hidden",      "Underline",
                           "Color",  "Size",    "Animation",     "DoubleStrikeThrough"};
    int step = 298;
    for (const char *flag : flags) {
        calls.push_back({step, level + "Font." + flag + " = 9999999"});
        step += 2;
    }
    return calls + Calls{{330, level + "Font.Name = \"Wingdings\""}, {332, level + "LinkedStyle = \"\""}};
}

// The three-way choice types job i's field at the step after its test.
int chosen(int firstStep, int job)
{
    return firstStep + 2 + 4 * (job - 1);
}

Calls jobPass(int job)
{
    const auto field = [job](const char *name) { return typed(QString(name).arg(job)); };
    const QString duties = QString("\r\ntxtExp%1JobRes1\r\ntxtExp%1JobRes2\r\ntxtExp%1JobRes3").arg(job);
    return nextCell(336) + fontSize(338, 11) + Calls{{chosen(340, job), field("txtDateEmployment%1")}} + bottom(352)
           + nextCell(354) + fontSize(356, 11) + bottom(358) + aligned(360, 1)
           + Calls{{chosen(362, job), field("txtCompany%1")}} + nextCell(374) + fontSize(376, 11) + bottom(378)
           + aligned(380, 2) + Calls{{chosen(382, job), field("txtCity%1")}} + nextCell(394) + mergeRow(396)
           + titleFont(400) + Calls{{chosen(406, job), field("txtJobTitle%1")}} + bodyFont(418)
           + Calls{{chosen(424, job), typed(duties)},
                   {436, "Selection.HomeKey(Unit=5)"},
                   {438, "Selection.MoveUp(Unit=5, Count=2)"},
                   {440, "Selection.MoveDown(Unit=5, Count=3, Extend=1)"},
                   {442, "Selection.MoveLeft(Unit=1, Count=3, Extend=1)"},
                   {444, applyBullets}}
           + nextCell(446) + mergeRow(448);
}

Calls educationAndReferences()
{
    return heading(454, "Education", 12) + nextCell(482) + fontSize(484, 11)
           + Calls{{486, typed("txtDateOfAttendance")}}
           + bottom(488) + nextCell(490) + fontSize(492, 11) + bottom(494) + aligned(496, 1)
           + Calls{{498, typed("txtSchoolName")}} + nextCell(500) + fontSize(502, 11) + bottom(504) + aligned(506, 2)
           + Calls{{508, typed("txtSchoolCity")}} + nextCell(510) + mergeRow(512) + titleFont(516)
           + Calls{{522, typed("txtDegreeObtained")}} + bodyFont(524)
           + Calls{{530, typed("\r\ntxtSpecialAwards")},
                   {532, "Selection.HomeKey(Unit=5, Extend=1)"},
                   {534, applyBullets}}
           + nextCell(536) + mergeRow(538) + heading(542, "References", 12) + nextCell(570) + mergeRow(572)
           + fontSize(576, 11) + bottom(578) + Calls{{580, typed("txtReferences")}};
}

Calls designedCalls()
{
    return Calls{{102, "Engine.Create()"}, {104, "Application.Documents.Add()"}} + tableSetUp() + headerRows()
           + bulletTemplate() + jobPass(1) + jobPass(2) + jobPass(3) + educationAndReferences();
}

// The step numbers of the error reports shown, in order; -1 for a report
// that does not name the generator.
std::vector<int> reportedSteps(const testsupport::ScriptedDialogs &dialogs)
{
    static const QRegularExpression line("\r\nin Quessary2021/08/31\\.Resume\\.GenerateResume at line (\\d+)\r\r");
    std::vector<int> steps;
    for (const QString &report : dialogs.errorReports()) {
        const auto match = line.match(report);
        steps.push_back(match.hasMatch() ? match.captured(1).toInt() : -1);
    }
    return steps;
}

// Every step number from `first` to `last`.
std::vector<int> stepsFrom(int first, int last)
{
    std::vector<int> steps;
    for (int step = first; step <= last; step += 2)
        steps.push_back(step);
    return steps;
}

class ResumeCallSequence : public ::testing::Test {
protected:
    QStringList generate()
    {
        generator::GenerateResume(record(filled));
        return m_selection.engine().log().actions();
    }

    testsupport::RecordingEngineSelection m_selection;
    testsupport::ScriptedDialogs m_dialogs;
};

} // namespace

TEST_F(ResumeCallSequence, AFilledRecordGivesTheDesignedCallsInOrder)
{
    const QStringList actions = generate();
    const Calls expected = designedCalls();
    for (size_t i = 0; i < expected.size() && i < size_t(actions.size()); ++i)
        ASSERT_EQ(actions[int(i)].toStdString(), expected[i].line.toStdString())
            << "call " << i << ", step " << expected[i].step;
    EXPECT_EQ(size_t(actions.size()), expected.size());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST(ResumeStepNumbers, EachCallFailingAloneIsReportedUnderItsOwnStep)
{
    const Calls expected = designedCalls();
    for (size_t i = 0; i < expected.size(); ++i) {
        testsupport::RecordingEngineSelection selection;
        testsupport::ScriptedDialogs dialogs;
        selection.engine().log().failAtAction(int(i) + 1);
        generator::GenerateResume(record(filled));
        const std::vector<int> steps = reportedSteps(dialogs);
        ASSERT_FALSE(steps.empty()) << expected[i].line.toStdString();
        EXPECT_EQ(steps.front(), expected[i].step) << expected[i].line.toStdString();
        // A call that makes an object fails every later step that needs it;
        // the cascades of the instance, the table and the template are
        // checked below.
        const bool makesAnObject = expected[i].line.contains(".Add(") || expected[i].line == "Engine.Create()";
        if (!makesAnObject) {
            EXPECT_EQ(steps.size(), 1u) << expected[i].line.toStdString();
        }
    }
}

TEST_F(ResumeCallSequence, EveryFailingFontNameIsReportedAndTheRunGoesOn)
{
    m_selection.engine().log().failAt("Font.Name");
    const QStringList actions = generate();
    const std::vector<int> expected = {182, 200, 246, 330, 402, 420, 402, 420, 402, 420, 456, 518, 526, 544};
    EXPECT_EQ(reportedSteps(m_dialogs), expected);
    EXPECT_EQ(actions.last(), typed("txtReferences"));
}

TEST_F(ResumeCallSequence, OnlyTheChosenCallFails)
{
    m_selection.engine().log().failAt("Cells.Merge", 2);
    generate();
    EXPECT_EQ(reportedSteps(m_dialogs), std::vector<int>{178});
    EXPECT_EQ(m_selection.engine().log().failures(), QStringList{"Selection.Cells.Merge()"});
}

TEST_F(ResumeCallSequence, AMissingHeadingRuleFailsEachStepThatUsesIt)
{
    m_selection.engine().log().failAt("Borders(-3)");
    generate();
    std::vector<int> expected;
    for (const int heading : {198, 244, 454, 542}) {
        const std::vector<int> ruleSteps = stepsFrom(heading + 18, heading + 24);
        expected.insert(expected.end(), ruleSteps.begin(), ruleSteps.end());
    }
    EXPECT_EQ(reportedSteps(m_dialogs), expected);
}

TEST_F(ResumeCallSequence, AMissingListLevelFailsEveryLevelStep)
{
    m_selection.engine().log().failAt("ListLevels");
    generate();
    EXPECT_EQ(reportedSteps(m_dialogs), stepsFrom(276, 332));
}

TEST_F(ResumeCallSequence, AMissingTemplateFailsItsSetUpAndEveryBullet)
{
    m_selection.engine().log().failAt("ListTemplates.Add");
    const QStringList actions = generate();
    std::vector<int> expected = stepsFrom(272, 332);
    for (const int bullet : {444, 444, 444, 534})
        expected.push_back(bullet);
    EXPECT_EQ(reportedSteps(m_dialogs), expected);
    EXPECT_FALSE(actions.contains(applyBullets)) << "no bullet is applied without a template";
    EXPECT_EQ(actions.last(), typed("txtReferences"));
}

TEST_F(ResumeCallSequence, AMissingTableFailsEveryTableStepAndTheTextIsStillTyped)
{
    m_selection.engine().log().failAt("Tables.Add");
    const QStringList actions = generate();
    EXPECT_EQ(reportedSteps(m_dialogs), stepsFrom(106, 150));
    EXPECT_TRUE(actions.contains(typed("Jane \"JQ\" Example")));
}

TEST_F(ResumeCallSequence, EachFieldIsReadJustBeforeItIsTyped)
{
    auto &log = m_selection.engine().log();
    std::vector<std::pair<QString, int>> reads; // field, actions made before the read
    const auto fields = record(filled);
    generator::GenerateResume([&](const QString &name) {
        reads.push_back({name, int(log.actions().size())});
        return fields(name);
    });
    const QStringList actions = log.actions();
    ASSERT_FALSE(reads.empty());
    for (const auto &[name, before] : reads) {
        ASSERT_LT(before, actions.size()) << name.toStdString();
        const QString next = actions[before];
        EXPECT_TRUE(next.startsWith("Selection.TypeText(") || next.startsWith("Selection.InsertSymbol("))
            << name.toStdString() << " read before " << next.toStdString();
    }
}

TEST_F(ResumeCallSequence, DecliningBesideARunningWordStartsNothingAndSaysNothingMore)
{
    m_selection.engine().setRunningName(QString("Microsoft Word"));
    m_dialogs.answerNext(shell::MessageAnswer::No);
    const generator::GeneratedDocument result = generator::GenerateResume(record(filled));
    EXPECT_TRUE(result.stoppedEarly);
    EXPECT_FALSE(result.application);
    EXPECT_EQ(m_selection.engine().createdCount(), 0);
    EXPECT_TRUE(m_selection.engine().log().actions().isEmpty());
    ASSERT_EQ(m_dialogs.messages().size(), 1u) << "only the warning";
    EXPECT_EQ(m_dialogs.messages().front().buttons, shell::MessageButtons::YesNo);
}

TEST_F(ResumeCallSequence, ProceedingBesideARunningWordBuildsTheDocument)
{
    m_selection.engine().setRunningName(QString("Microsoft Word"));
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    const generator::GeneratedDocument result = generator::GenerateResume(record(filled));
    EXPECT_FALSE(result.stoppedEarly);
    EXPECT_TRUE(result.application && result.document);
    EXPECT_EQ(m_selection.engine().createdCount(), 1);
    EXPECT_EQ(m_selection.engine().log().actions().size(), int(designedCalls().size()));
    EXPECT_TRUE(m_dialogs.errorReports().isEmpty());
}

TEST_F(ResumeCallSequence, WithoutWordEveryLaterStepThatNeedsItIsReportedInOrder)
{
    m_selection.engine().setCanCreate(false);
    const generator::GeneratedDocument result = generator::GenerateResume(record(filled));
    EXPECT_FALSE(result.application || result.document);
    EXPECT_FALSE(result.stoppedEarly);

    // Steps that test a field, start or advance the job loop or make the
    // three-way choice touch no word processor and so cannot fail.
    const int choices[] = {340, 362, 382, 406, 424};
    const auto needsWord = [&](int step, int job) {
        for (const int first : choices) {
            if (step >= first && step < first + 12)
                return step == chosen(first, job);
        }
        return true;
    };
    std::vector<int> expected;
    for (int step = 102; step <= 332; step += 2) {
        if (step != 160 && step != 166)
            expected.push_back(step);
    }
    for (int job = 1; job <= 3; ++job) {
        for (int step = 336; step <= 450; step += 2) {
            if (needsWord(step, job))
                expected.push_back(step);
        }
    }
    for (int step = 454; step <= 580; step += 2)
        expected.push_back(step);
    EXPECT_EQ(reportedSteps(m_dialogs), expected);
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_GE(reports.size(), 2);
    EXPECT_TRUE(reports[0].startsWith("ActiveX component can't create object\r\n"));
    EXPECT_TRUE(reports[1].startsWith("The word-processor instance is missing")) << reports[1].toStdString();
}
