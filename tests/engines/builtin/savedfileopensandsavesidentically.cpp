// Saving writes Rich Text Format that our reader opens again, with every
// default spelled out (kerning and cell padding included) and the resume's
// content intact.
#include "builtinengine.h"
#include "bytecomparison.h"
#include "sampledocument.h"
#include "storyinspection.h"
#include "support/testenvironment.h"

#include "automation/word/engine.h"
#include "automation/word/selection.h"
#include "automation/failure.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class EngineSavedResume : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        folder = testsupport::freshFolder(QStringLiteral("saved"));
        path = folder + QStringLiteral("/resume.doc");
        SampleDocument(*application).buildResume()->saveAs(path);
        bytes = readAll(path);
    }
    void TearDown() override { application->quit(); }

    std::shared_ptr<word::Application> application;
    QString folder;
    QString path;
    QByteArray bytes;
};

} // namespace

TEST_F(EngineSavedResume, StartsAsRtfAndSpellsOutTheBlankDocumentDefaults)
{
    // A .doc is a Word 97 document; Rich Text Format is what an .rtf name gets.
    EXPECT_TRUE(bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    const QString rtfPath = folder + QStringLiteral("/resume.rtf");
    SampleDocument(*application).buildResume()->saveAs(rtfPath);
    const QByteArray rtf = readAll(rtfPath);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    for (const char *expected : {"\\paperw12240\\paperh15840", "\\margl1440\\margr1440\\margt1440\\margb1440",
                                 "\\sa160\\sl259\\slmult1", "{\\*\\defchp\\f0\\fs22\\kerning0}",
                                 "\\fs22\\kerning0\\snext0 Normal;", "\\b0\\kerning0 ", "\\trgaph108\\trleft-108",
                                 "\\trpaddl0\\trpaddfl0\\trpaddr108", "\\clpadt108\\clpadft0", "Calibri;", "Times New Roman;", "Arial;", "Tahoma;",
                                 "\\fcharset2\\fprq2 Wingdings;", "\\listtable", "\\listoverridetable",
                                 "{\\leveltext\\'01\\u-3929?;}", "\\ls1\\ilvl0", "\\clbrdrb\\brdrs\\brdrw20",
                                 "\\clbrdrb\\brdrs\\brdrw30", "\\clvertalb", "\\trrh300", "\\trrh1000"}) {
        EXPECT_TRUE(rtf.contains(expected)) << expected;
    }
}

TEST_F(EngineSavedResume, OpensWithTheSameContentAndSavesToTheSameBytes)
{
    auto reopened = application->documents()->open(path);
    const auto rows = StoryInspection::rows(StoryInspection::model(*reopened).story);
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[6].cells[0].paragraphs.size(), 4);
    const QString second = folder + QStringLiteral("/again.doc");
    reopened->saveAs(second);
    EXPECT_TRUE(sameBytes(bytes, readAll(second)));
}

TEST_F(EngineSavedResume, OpeningReadsTheFileAsItIsNowNotAsItWasOpenedBefore)
{
    auto first = application->documents()->open(path);
    // An edit of one opened copy is not what the file holds.
    first->activeWindowSelection()->typeText(QStringLiteral("Unsaved"));
    const engine::Story &again = StoryInspection::model(*application->documents()->open(path)).story;
    EXPECT_FALSE(StoryInspection::text(again, 0, again.size()).contains(QStringLiteral("Unsaved")));
    // Nor is a file replaced since.
    auto other = application->documents()->add();
    other->activeWindowSelection()->typeText(QStringLiteral("Replaced"));
    other->saveAs(path);
    const engine::Story &replaced = StoryInspection::model(*application->documents()->open(path)).story;
    EXPECT_EQ(StoryInspection::text(replaced, 0, replaced.size()), QStringLiteral("Replaced|"));
}

TEST(EngineDocumentFiles, SavingIntoAMissingFolderNamesThePathAndTheCause)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    const QString path = testsupport::freshFolder(QStringLiteral("missing")) + QStringLiteral("/no/such/x.doc");
    try {
        document->saveAs(path);
        FAIL() << "saving into a missing folder succeeded";
    } catch (const automation::Failure &error) {
        EXPECT_TRUE(error.description().contains(path));
        EXPECT_TRUE(error.description().contains(QStringLiteral("does not exist")));
    }
    EXPECT_FALSE(QFile::exists(path));
    application->quit();
}

TEST(EngineDocumentFiles, OpeningWhatIsNotOursFailsWithPathAndCause)
{
    auto application = engine::builtInEngine()->create();
    const QString folder = testsupport::freshFolder(QStringLiteral("open"));
    const QString plain = folder + QStringLiteral("/plain.doc");
    const QString truncated = folder + QStringLiteral("/truncated.doc");
    const QString foreign = folder + QStringLiteral("/foreign.doc");
    auto write = [](const QString &path, const QByteArray &content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    write(plain, "Just some text");
    write(truncated, "{\\rtf1\\ansi{\\fonttbl{\\f0 Calibri;}}\\pard\\plain Hello");
    write(foreign, "{\\rtf1\\ansi\\pict\\wmetafile8 0102}");
    const std::pair<QString, QString> cases[] = {
        {plain, QStringLiteral("neither a Word document nor Rich Text Format")},
        {truncated, QStringLiteral("truncated")},
        {foreign, QStringLiteral("\\pict")},
        {folder + QStringLiteral("/absent.doc"), QStringLiteral("does not exist")},
        {folder, QStringLiteral("folder")},
    };
    for (const auto &[path, cause] : cases) {
        try {
            application->documents()->open(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const automation::Failure &error) {
            EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
            EXPECT_TRUE(error.description().contains(cause)) << error.description().toStdString();
        }
    }
    application->quit();
}
