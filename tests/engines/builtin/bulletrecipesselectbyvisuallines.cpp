// The generator's bullet recipes pick paragraphs by the lines they show: three
// one-line duties are exactly what gets bulleted, wrapping shifts the stretch,
// and neither recipe ever reaches the job title or the degree above.
#include "builtinengine.h"
#include "jobblockdocument.h"

#include "automation/word/engine.h"

#include <gtest/gtest.h>

namespace {

const QString title = QStringLiteral("Senior Developer");
const QString longText = QStringLiteral("Designed, built and ran the order pipeline that carried every parcel the "
                                        "company shipped across three continents");
const QStringList oneLineDuties = {QStringLiteral("Led the team"), QStringLiteral("Shipped releases"),
                                   QStringLiteral("Mentored juniors")};

class BulletRecipesSelectByVisualLines : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        block = std::make_unique<JobBlockDocument>(*application);
    }
    void TearDown() override { application->quit(); }

    std::shared_ptr<word::Application> application;
    std::unique_ptr<JobBlockDocument> block;
};

} // namespace

TEST_F(BulletRecipesSelectByVisualLines, ThreeOneLineDutiesAreExactlyTheBulletedParagraphs)
{
    block->buildJob(title, oneLineDuties);
    block->selectDutiesByLines();
    EXPECT_EQ(block->selectedParagraphs(), oneLineDuties);
    block->applyBullets();
    EXPECT_EQ(block->bulletedParagraphs(), oneLineDuties);
}

TEST_F(BulletRecipesSelectByVisualLines, AWrappingLastDutyShiftsTheStretchDownByALine)
{
    const QStringList duties = {oneLineDuties[0], oneLineDuties[1], longText};
    block->buildJob(title, duties);
    block->selectDutiesByLines();
    block->applyBullets();
    EXPECT_EQ(block->bulletedParagraphs(), duties.mid(1));
}

TEST_F(BulletRecipesSelectByVisualLines, AWrappingFirstDutyIsStillReachedFromItsLastLine)
{
    const QStringList duties = {longText, oneLineDuties[1], oneLineDuties[2]};
    block->buildJob(title, duties);
    block->selectDutiesByLines();
    block->applyBullets();
    EXPECT_EQ(block->bulletedParagraphs(), duties);
}

TEST_F(BulletRecipesSelectByVisualLines, TheTitleIsNeverSelectedHoweverTheLinesFall)
{
    const QStringList texts = {QString(), QStringLiteral("Short"), longText, longText + QLatin1Char(' ') + longText};
    const QStringList titles = {title, QStringLiteral("Principal engineer and head of the platform group for the "
                                                      "northern region, reporting to the chief technology officer")};
    for (const QString &jobTitle : titles) {
        for (const QString &first : texts) {
            for (const QString &last : texts) {
                block->buildJob(jobTitle, {first, QStringLiteral("Middle"), last});
                block->selectDutiesByLines();
                const QStringList selected = block->selectedParagraphs();
                EXPECT_FALSE(selected.contains(jobTitle))
                    << "title " << jobTitle.size() << ", duties " << first.size() << "/" << last.size();
                EXPECT_FALSE(selected.isEmpty());
            }
        }
    }
}

TEST_F(BulletRecipesSelectByVisualLines, TheAwardsRecipeBulletsTheAwardsAndNeverTheDegree)
{
    const QString degree = QStringLiteral("Bachelor of Science");
    for (const QString &awards : {QStringLiteral("Dean's list"), longText + QLatin1Char(' ') + longText, QString()}) {
        block->buildEducation(degree, awards);
        block->selectAwardsLine();
        block->applyBullets();
        EXPECT_EQ(block->bulletedParagraphs(), QStringList{awards}) << awards.size();
    }
}
