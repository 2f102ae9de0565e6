// LibreOffice, printing the file we save, breaks pages where our layout does
// and puts the first line of every paragraph within 1.5 pt of where we put it.
#include "builtinengine.h"
#include "libreofficepdf.h"
#include "objectivefiller.h"
#include "sampledocument.h"
#include "storyinspection.h"
#include "support/testenvironment.h"

#include "layout/documentlayout.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

using namespace engine;

namespace {

constexpr double tolerancePoints = 1.5;

struct FirstLine {
    QString word;
    int page = 0;
    double xPoints = 0;
    double baselinePoints = 0;
};

// The first word of each paragraph that has one, where our layout puts it.
std::vector<FirstLine> firstLines(const DocumentModel &model, const DocumentLayout &layout)
{
    std::vector<FirstLine> result;
    for (size_t i = 0; i < layout.lines().size(); ++i) {
        const VisualLine &line = layout.lines()[i];
        if (line.line != 0)
            continue;
        const ParagraphLine &first = layout.paragraphLine(line);
        const QString text = StoryInspection::text(model.story, first.from, first.to);
        const QString word = text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (word.isEmpty())
            continue;
        const int leading = static_cast<int>(text.indexOf(word));
        result.push_back({word, line.page,
                          (line.columnLeftTwips + layout.caretXTwips(line)[static_cast<size_t>(leading)]) / 20.0,
                          layout.baselineTwips(static_cast<int>(i)) / 20.0});
    }
    return result;
}

// Each document is made on both papers a resume is printed on.
class LayoutAgreesWithLibreOffice : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        m_paper = std::make_unique<testsupport::ScopedVariable>("PAPERSIZE", GetParam());
        if (!LibreOfficePdf::available()) {
            // CI installs LibreOffice; there its absence is a failure, not a reason to skip.
            if (qEnvironmentVariableIsSet("CI"))
                FAIL() << "soffice is not installed, so our layout cannot be compared with LibreOffice's";
            GTEST_SKIP() << "soffice is not installed";
        }
        application = engine::builtInEngine()->create();
    }
    void TearDown() override
    {
        if (application)
            application->quit();
    }

    // Saves `document`, has LibreOffice print it and compares the two layouts.
    void expectAgreement(word::Document &document, int expectedPages)
    {
        const QString path = testsupport::freshFolder(QStringLiteral("layout")) + QStringLiteral("/document.doc");
        document.saveAs(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const LibreOfficePdf pdf(file.readAll());
        ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();

        const DocumentModel &model = StoryInspection::model(document);
        const DocumentLayout layout = DocumentLayout::build(model);
        // The documents are built to break where they do on Letter; on A4 they
        // are compared with LibreOffice wherever they break.
        if (QByteArray(GetParam()) == "letter") {
            EXPECT_EQ(layout.pageCount(), expectedPages);
        }
        EXPECT_EQ(model.page.heightTwips, QByteArray(GetParam()) == "a4" ? 16838 : 15840);
        EXPECT_NEAR(pdf.pageSizePoints().width(), model.page.widthTwips / 20.0, 0.5) << "LibreOffice's paper";
        EXPECT_NEAR(pdf.pageSizePoints().height(), model.page.heightTwips / 20.0, 0.5);
        EXPECT_EQ(pdf.pageCount(), layout.pageCount());

        const std::vector<PdfWord> words = pdf.words();
        double largestX = 0;
        double largestY = 0;
        for (const FirstLine &ours : firstLines(model, layout)) {
            // Reading order in a PDF need not follow the table's cells, so each
            // word is matched with the nearest of the same text.
            const PdfWord *match = nullptr;
            double best = 0;
            for (const PdfWord &word : words) {
                const double distance = 1000.0 * std::abs(word.page - ours.page) + std::abs(word.left - ours.xPoints)
                    + std::abs(word.baseline() - ours.baselinePoints);
                if (word.text == ours.word && (!match || distance < best)) {
                    match = &word;
                    best = distance;
                }
            }
            ASSERT_NE(match, nullptr) << "LibreOffice shows no \"" << ours.word.toStdString() << "\"";
            const PdfWord &theirs = *match;
            const double dx = theirs.left - ours.xPoints;
            const double dy = theirs.baseline() - ours.baselinePoints;
            largestX = std::max(largestX, std::abs(dx));
            largestY = std::max(largestY, std::abs(dy));
            if (qEnvironmentVariableIsSet("PARVOLIN_SHOW_DEVIATIONS"))
                std::cout << ours.word.toStdString() << " dx " << dx << " dy " << dy << std::endl;
            EXPECT_EQ(theirs.page, ours.page) << ours.word.toStdString();
            EXPECT_LE(std::abs(dx), tolerancePoints) << ours.word.toStdString() << " x " << ours.xPoints;
            EXPECT_LE(std::abs(dy), tolerancePoints)
                << ours.word.toStdString() << " baseline " << ours.baselinePoints << " on page " << ours.page + 1;
        }
        std::cout << "largest deviation from LibreOffice: " << largestX << " pt across, " << largestY << " pt down"
                  << std::endl;
        RecordProperty("largestAcrossPoints", QString::number(largestX, 'f', 2).toStdString());
        RecordProperty("largestDownPoints", QString::number(largestY, 'f', 2).toStdString());
    }

    std::unique_ptr<testsupport::ScopedVariable> m_paper;
    std::shared_ptr<word::Application> application;
};

} // namespace

TEST_P(LayoutAgreesWithLibreOffice, OnAShortDocumentOfAlignedParagraphs)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    selection->paragraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->typeText(QStringLiteral("Centred heading of the letter\r\n"));
    selection->paragraphFormat()->setAlignment(word::wdAlignParagraphRight);
    selection->typeText(QStringLiteral("Right-aligned date line\r\n"));
    selection->paragraphFormat()->setAlignment(word::wdAlignParagraphLeft);
    selection->typeText(QStringLiteral("Body text that runs long enough to wrap onto a second line of the page, "
                                       "so that the line breaking of both programs is compared as well.\r\nEnd"));
    expectAgreement(*document, 1);
}

TEST_P(LayoutAgreesWithLibreOffice, OnTheSampleResume)
{
    expectAgreement(*SampleDocument(*application).buildResume(), 1);
}

TEST_P(LayoutAgreesWithLibreOffice, OnALongResumeWhoseObjectiveRowSplitsAcrossPages)
{
    expectAgreement(*SampleDocument(*application).buildResume(objectiveFiller(70)), 6);
}

TEST_P(LayoutAgreesWithLibreOffice, OnATallRowThatHasRoomForItsLinesButNotItsHeight)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    for (int i = 0; i < 27; ++i)
        selection->typeText(QStringLiteral("Line %1 of the letter\r\n").arg(i));
    auto table = document->addTable(selection->range(), 2, 2, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    table->setStyle(QStringLiteral("Table Normal"));
    table->rows(1)->setHeight(80);
    selection->typeText(QStringLiteral("Tall"));
    expectAgreement(*document, 2);
}

TEST_P(LayoutAgreesWithLibreOffice, OnParagraphsBrokenAcrossPagesWithoutWidowsOrOrphans)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    const QString words = QStringLiteral("Each of these words takes its turn to fill the width of the page. ");
    // 28 one-line paragraphs leave room for one line: a five-line paragraph
    // would leave an orphan. On the next page 23 more leave room for three
    // lines of a four-line paragraph: its last would be a widow.
    for (int i = 0; i < 28; ++i)
        selection->typeText(QStringLiteral("A%1 one line\r\n").arg(i));
    selection->typeText(QStringLiteral("Orphan ") + words.repeated(6) + QStringLiteral("\r\n"));
    for (int i = 0; i < 23; ++i)
        selection->typeText(QStringLiteral("B%1 one line\r\n").arg(i));
    selection->typeText(QStringLiteral("Widow ") + words.repeated(5) + QStringLiteral("\r\nEnd"));
    expectAgreement(*document, 3);
}

TEST_P(LayoutAgreesWithLibreOffice, OnRowsPushedDownByTheRulesAboveThem)
{
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    auto table = document->addTable(selection->range(), 3, 1, word::wdWord9TableBehavior, word::wdAutoFitFixed);
    table->setStyle(QStringLiteral("Table Normal"));
    // Rows taller than their minimum keep their text at the top, below the
    // 6 pt rule of the row above: two of them put the last text 12 pt lower.
    for (const QString &text : {QStringLiteral("Heading"), QStringLiteral("First\r\nSecond")}) {
        selection->typeText(text);
        auto rule = selection->cells()->borders()->item(word::wdBorderBottom);
        rule->setLineStyle(word::wdLineStyleSingle);
        rule->setLineWidth(word::wdLineWidth600pt);
        selection->moveRight(word::wdCell, 1);
    }
    selection->typeText(QStringLiteral("Third"));
    expectAgreement(*document, 1);
}

INSTANTIATE_TEST_SUITE_P(Papers, LayoutAgreesWithLibreOffice, ::testing::Values("letter", "a4"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });
