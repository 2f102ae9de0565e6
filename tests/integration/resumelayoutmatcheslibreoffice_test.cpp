// Resumes of every shape, generated and saved as the program does, look the
// same in LibreOffice as in our preview: as many pages, each starting with the
// same text, and every line within 1.5 pt of where we put it, across and down.
// All records are printed by one run of LibreOffice.
#include "fidelityrecords.h"
#include "generator/resume.h"
#include "libreofficepdf.h"
#include "storyinspection.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "automation/word/application.h"
#include "automation/word/document.h"

#include "layout/documentlayout.h"
#include "formats/documentformats.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <tuple>

using namespace engine;

namespace {

constexpr double tolerancePoints = 1.5;

// The first word of one line, where a layout puts it, in points from the page's top-left corner.
struct PlacedWord {
    QString text;
    int page = 0;
    double leftPoints = 0;
    double baselinePoints = 0;
};

// The two papers every record is made on.
const char *const papers[] = {"letter", "a4"};

// Names a record on a paper in file names, test names and the saved files.
QString onPaper(const FidelityRecord &record, const char *paper)
{
    return record.name + QLatin1Char('_') + QString::fromLatin1(paper);
}

QByteArray savedResume(const FidelityRecord &record, const char *paper)
{
    const testsupport::ScopedVariable paperSize("PAPERSIZE", paper);
    testsupport::ScriptedDialogs dialogs;
    const auto fields = record.fields;
    const generator::GeneratedDocument generated = generator::GenerateResume([fields](const QString &name) {
        const auto found = fields.find(name);
        return found == fields.end() ? QString() : found->second;
    });
    if (!generated.document || !dialogs.messages().empty())
        return QByteArray();
    const QString path = testsupport::freshFolder(onPaper(record, paper)) + QStringLiteral("/resume.doc");
    generated.document->saveAs(path);
    generated.application->quit();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first word of every line of our layout that shows one.
std::vector<PlacedWord> ourLines(const DocumentModel &model, const DocumentLayout &layout)
{
    std::vector<PlacedWord> words;
    for (size_t i = 0; i < layout.lines().size(); ++i) {
        const VisualLine &line = layout.lines()[i];
        const ParagraphLine &paragraphLine = layout.paragraphLine(line);
        const QString text = StoryInspection::text(model.story, paragraphLine.from, paragraphLine.to);
        const QString word = text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (word.isEmpty())
            continue;
        const auto leading = static_cast<size_t>(text.indexOf(word));
        words.push_back({word, line.page, (line.columnLeftTwips + layout.caretXTwips(line).at(leading)) / 20.0,
                         layout.baselineTwips(static_cast<int>(i)) / 20.0});
    }
    return words;
}

// Whether `text` is only a symbol font's characters, as a bullet is.
bool symbolOnly(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_PrivateUse; });
}

// The word that a reader meets first on `page`: on the top line, the
// leftmost; list marks are drawn, not text, and do not count.
template <typename Word, typename Baseline, typename Left>
const Word *firstOnPage(const std::vector<Word> &words, int page, Baseline baseline, Left left)
{
    const Word *first = nullptr;
    for (const Word &word : words) {
        if (word.page != page || symbolOnly(word.text))
            continue;
        const bool higher = first && baseline(word) < baseline(*first) - 1;
        const bool sameLineFurtherLeft = first && std::abs(baseline(word) - baseline(*first)) <= 1
                                         && left(word) < left(*first);
        if (!first || higher || sameLineFurtherLeft)
            first = &word;
    }
    return first;
}

// Of LibreOffice's words with `ours`'s text on its page, the one nearest to it.
const PdfWord *nearestMatch(const std::vector<PdfWord> &theirs, const PlacedWord &ours)
{
    const PdfWord *match = nullptr;
    double best = 0;
    for (const PdfWord &word : theirs) {
        if (word.page != ours.page || word.text != ours.text)
            continue;
        const double distance =
            std::abs(word.left - ours.leftPoints) + std::abs(word.baseline() - ours.baselinePoints);
        if (!match || distance < best) {
            match = &word;
            best = distance;
        }
    }
    return match;
}

class ResumeLayoutMatchesLibreOffice
    : public ::testing::TestWithParam<std::tuple<FidelityRecord, const char *>> {
protected:
    static void SetUpTestSuite()
    {
        if (!LibreOfficePdf::available())
            return;
        std::vector<QByteArray> files;
        for (const FidelityRecord &record : fidelityRecords())
            for (const char *paper : papers)
                files.push_back(s_files[onPaper(record, paper)] = savedResume(record, paper));
        s_conversionFailure = LibreOfficePdf::convertAll(files);
    }

    void SetUp() override
    {
        if (!LibreOfficePdf::available()) {
            // CI installs LibreOffice; there its absence is a failure, not a reason to skip.
            if (qEnvironmentVariableIsSet("CI"))
                FAIL() << "soffice is not installed, so our layout cannot be compared with LibreOffice's";
            GTEST_SKIP() << "soffice is not installed";
        }
        ASSERT_TRUE(s_conversionFailure.isEmpty()) << s_conversionFailure.toStdString();
    }

    static std::map<QString, QByteArray> s_files;
    static QString s_conversionFailure;
};

std::map<QString, QByteArray> ResumeLayoutMatchesLibreOffice::s_files;
QString ResumeLayoutMatchesLibreOffice::s_conversionFailure;

} // namespace

// Test names and failure messages show a record by its name.
void PrintTo(const FidelityRecord &record, std::ostream *out)
{
    *out << record.name.toStdString();
}

TEST_P(ResumeLayoutMatchesLibreOffice, PageByPageAndLineByLine)
{
    const auto &[record, paper] = GetParam();
    const QByteArray &saved = s_files[onPaper(record, paper)];
    ASSERT_FALSE(saved.isEmpty()) << "the generator reported a failure or saved nothing";
    const LibreOfficePdf pdf(saved);
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    // What the preview shows is the saved file read back.
    const DocumentModel model = DocumentFormats::read(saved);
    const DocumentLayout layout = DocumentLayout::build(model);
    EXPECT_EQ(model.page.widthTwips, QByteArray(paper) == "a4" ? 11906 : 12240) << "the user's paper";
    EXPECT_NEAR(pdf.pageSizePoints().width(), model.page.widthTwips / 20.0, 0.5) << "LibreOffice's paper";
    EXPECT_NEAR(pdf.pageSizePoints().height(), model.page.heightTwips / 20.0, 0.5);
    ASSERT_EQ(pdf.pageCount(), layout.pageCount());

    const std::vector<PdfWord> theirs = pdf.words();
    const std::vector<PlacedWord> ours = ourLines(model, layout);
    SCOPED_TRACE("LibreOffice's pages: " + pdf.pdfPath().toStdString());
    for (int page = 0; page < layout.pageCount(); ++page) {
        const PlacedWord *ourFirst = firstOnPage(
            ours, page, [](const PlacedWord &w) { return w.baselinePoints; },
            [](const PlacedWord &w) { return w.leftPoints; });
        const PdfWord *theirFirst = firstOnPage(
            theirs, page, [](const PdfWord &w) { return w.baseline(); }, [](const PdfWord &w) { return w.left; });
        ASSERT_EQ(ourFirst == nullptr, theirFirst == nullptr) << "page " << page + 1;
        if (ourFirst) {
            EXPECT_EQ(ourFirst->text.toStdString(), theirFirst->text.toStdString()) << "first on page " << page + 1;
        }
    }

    double largestAcross = 0;
    double largestDown = 0;
    const bool show = qEnvironmentVariableIsSet("PARVOLIN_SHOW_DEVIATIONS");
    for (const PlacedWord &word : ours) {
        const PdfWord *match = nearestMatch(theirs, word);
        if (show) {
            std::cout << "page " << word.page + 1 << " " << word.text.toStdString() << " x " << word.leftPoints
                      << " baseline " << word.baselinePoints;
            if (match)
                std::cout << " dx " << match->left - word.leftPoints << " dy " << match->baseline() - word.baselinePoints;
            std::cout << std::endl;
        }
        ASSERT_NE(match, nullptr) << "LibreOffice shows no \"" << word.text.toStdString() << "\" on page "
                                  << word.page + 1;
        const double across = match->left - word.leftPoints;
        const double down = match->baseline() - word.baselinePoints;
        largestAcross = std::max(largestAcross, std::abs(across));
        largestDown = std::max(largestDown, std::abs(down));
        EXPECT_LE(std::abs(across), tolerancePoints)
            << word.text.toStdString() << " at x " << word.leftPoints << " on page " << word.page + 1;
        EXPECT_LE(std::abs(down), tolerancePoints)
            << word.text.toStdString() << " at baseline " << word.baselinePoints << " on page " << word.page + 1;
    }
    std::cout << onPaper(record, paper).toStdString() << ": " << layout.pageCount() << " pages, " << ours.size()
              << " lines; largest offset " << largestAcross << " pt across, " << largestDown << " pt down"
              << std::endl;
    RecordProperty("largestAcrossPoints", QString::number(largestAcross, 'f', 2).toStdString());
    RecordProperty("largestDownPoints", QString::number(largestDown, 'f', 2).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Records, ResumeLayoutMatchesLibreOffice,
                         ::testing::Combine(::testing::ValuesIn(fidelityRecords()), ::testing::ValuesIn(papers)),
                         [](const ::testing::TestParamInfo<std::tuple<FidelityRecord, const char *>> &info) {
                             return onPaper(std::get<0>(info.param), std::get<1>(info.param)).toStdString();
                         });
