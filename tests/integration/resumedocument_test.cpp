// The resume the generator builds in the built-in engine, row by row, for the
// sample record, an empty record and one whose responsibilities wrap.
#include "entry/resumefields.h"
#include "entry/sampledata.h"
#include "generator/resume.h"
#include "storyinspection.h"
#include "support/scripteddialogs.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"

#include <gtest/gtest.h>
#include <map>

using namespace engine;

namespace {

std::map<QString, QString> sampleRecord()
{
    std::map<QString, QString> record;
    for (int row = 0; row < entry::resumeFieldCount; ++row)
        record[QString::fromLatin1(entry::resumeFields()[row].name)] = entry::sampleValue(row);
    return record;
}

class ResumeDocument : public ::testing::Test {
protected:
    void build(const std::map<QString, QString> &record)
    {
        m_result = generator::GenerateResume([record](const QString &name) {
            const auto found = record.find(name);
            return found == record.end() ? QString() : found->second;
        });
        ASSERT_TRUE(m_result.document);
        m_rows = StoryInspection::rows(story());
        ASSERT_EQ(m_rows.size(), 18u);
    }
    void TearDown() override
    {
        if (m_result.application)
            m_result.application->quit();
    }

    const Story &story() { return StoryInspection::model(*m_result.document).story; }
    CharacterFormat format(const QString &text) { return StoryInspection::formatOf(story(), text); }
    const ParagraphFormat &paragraph(int row, int cell, int index)
    {
        return story().paragraphFormat(m_rows[row].cells[cell].marks[index].paragraphFormat);
    }
    const CellView &cell(int row, int index = 0) { return m_rows[row].cells[index]; }
    bool bulleted(int row, int index) { return paragraph(row, 0, index).list >= 0; }

    void expectHeading(int row, const QString &text, long ruleEighths)
    {
        const CellView &heading = cell(row);
        EXPECT_EQ(heading.paragraphs, QStringList{text});
        EXPECT_EQ(format(text).fontName, QStringLiteral("Tahoma"));
        EXPECT_EQ(format(text).sizeHalfPoints, 24);
        EXPECT_TRUE(format(text).bold);
        EXPECT_EQ(heading.format.verticalAlignment, word::wdCellAlignVerticalBottom);
        EXPECT_EQ(heading.format.borders[CellFormat::Bottom].widthEighths, ruleEighths) << text.toStdString();
        for (int side : {CellFormat::Top, CellFormat::Left, CellFormat::Right})
            EXPECT_FALSE(heading.format.borders[side].visible()) << text.toStdString();
    }

    testsupport::ScriptedDialogs m_dialogs;
    generator::GeneratedDocument m_result;
    std::vector<RowView> m_rows;
};

} // namespace

TEST_F(ResumeDocument, SampleRecordFollowsTheRowMap)
{
    build(sampleRecord());
    EXPECT_TRUE(m_dialogs.messages().empty()) << m_dialogs.errorReports().join(QStringLiteral("\n")).toStdString();

    const double heights[18] = {15, 40, 25, 25, 25, 30, 50, 0, 30, 0, 0, 30, 0, 25, 30, 0, 25, 25};
    const int cells[18] = {1, 1, 1, 1, 1, 3, 1, 1, 3, 1, 1, 3, 1, 1, 3, 1, 1, 1};
    for (int row = 0; row < 18; ++row) {
        EXPECT_EQ(m_rows[row].format.minimumHeightPoints, heights[row]) << "row " << row + 1;
        EXPECT_EQ(m_rows[row].cells.size(), std::size_t(cells[row])) << "row " << row + 1;
    }

    const QString contact = QStringLiteral("1427 Alder Creek Road, Fairhaven, OR 97338 \u25CF 541-555-0187 \u25CF "
                                           "m.castellane@example.com");
    EXPECT_EQ(cell(0).paragraphs, QStringList{contact});
    EXPECT_EQ(format(contact).sizeHalfPoints, 18);
    EXPECT_FALSE(format(contact).bold);
    EXPECT_EQ(paragraph(0, 0, 0).alignment, word::wdAlignParagraphCenter);
    EXPECT_EQ(cell(0).format.verticalAlignment, word::wdCellAlignVerticalTop) << "row 1 is not bottom-aligned";

    EXPECT_EQ(format(QStringLiteral("Marjorie L. Castellane")).sizeHalfPoints, 44);
    EXPECT_EQ(format(QStringLiteral("Marjorie L. Castellane")).fontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(cell(1).format.verticalAlignment, word::wdCellAlignVerticalBottom);

    expectHeading(2, QStringLiteral("Objective"), word::wdLineWidth100pt);
    expectHeading(4, QStringLiteral("Experience"), word::wdLineWidth150pt);
    expectHeading(13, QStringLiteral("Education"), word::wdLineWidth150pt);
    expectHeading(16, QStringLiteral("References"), word::wdLineWidth150pt);

    // Job 1: dates left, company centred, city right, all bottom-aligned.
    EXPECT_EQ(cell(5, 0).paragraphs, QStringList{QStringLiteral("March 2019 - June 2024 (full time)")});
    const long alignments[3] = {word::wdAlignParagraphLeft, word::wdAlignParagraphCenter, word::wdAlignParagraphRight};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(paragraph(5, c, 0).alignment, alignments[c]);
        EXPECT_EQ(cell(5, c).format.verticalAlignment, word::wdCellAlignVerticalBottom);
        EXPECT_EQ(paragraph(14, c, 0).alignment, alignments[c]);
    }

    // The title and its three bulleted responsibilities; the title never bulleted.
    EXPECT_EQ(cell(6).paragraphs, (QStringList{QStringLiteral("Customer Support Supervisor"),
                                               QStringLiteral("Led a team of nine support specialists"),
                                               QStringLiteral("Cut average response time by a third"),
                                               QStringLiteral("Wrote the onboarding guide for new staff")}));
    EXPECT_FALSE(bulleted(6, 0));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(bulleted(6, i)) << i;
    EXPECT_EQ(format(QStringLiteral("Customer Support Supervisor")).fontName, QStringLiteral("Tahoma"));
    EXPECT_TRUE(format(QStringLiteral("Customer Support Supervisor")).bold);
    EXPECT_EQ(format(QStringLiteral("Led a team")).fontName, QStringLiteral("Times New Roman"));
    EXPECT_FALSE(format(QStringLiteral("Led a team")).bold);

    EXPECT_EQ(cell(7).paragraphs, QStringList{QString()}) << "row 8 stays empty";
    EXPECT_EQ(cell(10).paragraphs, QStringList{QString()}) << "row 11 stays empty";

    // Education: the degree, then the bulleted awards; no vertical alignment.
    EXPECT_EQ(cell(15).paragraphs, (QStringList{QStringLiteral("Bachelor of Arts in Communication"), QStringLiteral("None")}));
    EXPECT_FALSE(bulleted(15, 0));
    EXPECT_TRUE(bulleted(15, 1));
    EXPECT_EQ(cell(15).format.verticalAlignment, word::wdCellAlignVerticalTop);
    EXPECT_EQ(cell(17).paragraphs, QStringList{QStringLiteral("None")});
    EXPECT_EQ(cell(17).format.verticalAlignment, word::wdCellAlignVerticalBottom);
}

TEST_F(ResumeDocument, AnEmptyRecordStillGivesEveryRow)
{
    build({});
    EXPECT_TRUE(m_dialogs.messages().empty()) << m_dialogs.errorReports().join(QStringLiteral("\n")).toStdString();
    EXPECT_EQ(cell(0).paragraphs, QStringList{QStringLiteral(",   ")}) << "the address pieces are joined whatever they hold";
    for (int row : {6, 9, 12}) {
        EXPECT_EQ(cell(row).paragraphs.size(), 4) << "row " << row + 1;
        EXPECT_FALSE(bulleted(row, 0));
    }
    EXPECT_EQ(cell(15).paragraphs.size(), 2);
    EXPECT_FALSE(bulleted(15, 0));
}

TEST_F(ResumeDocument, WrappingResponsibilitiesNeverBulletTheTitle)
{
    auto record = sampleRecord();
    record[QStringLiteral("txtExp1JobRes1")] = QString(12, QLatin1Char(' ')).replace(QLatin1Char(' '), QStringLiteral("Coordinated the quarterly review of every regional office "));
    record[QStringLiteral("txtExp1JobRes3")] = QStringLiteral("Trained new staff across three sites, wrote the handbook and ran the monthly workshops");
    build(record);
    EXPECT_TRUE(m_dialogs.messages().empty()) << m_dialogs.errorReports().join(QStringLiteral("\n")).toStdString();
    EXPECT_FALSE(bulleted(6, 0)) << "the title is at least three lines above the last line";
    EXPECT_TRUE(bulleted(6, 3)) << "the last responsibility is always in the selected stretch";
}
